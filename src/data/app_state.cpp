#include "data/app_state.h"

#include <memory>

namespace {
std::unique_ptr<AppState> g_state = std::make_unique<AppState>();
}

AppState &State() { return *g_state; }

void ResetState() { g_state = std::make_unique<AppState>(); }
