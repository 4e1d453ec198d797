#include "data/hooks.h"

namespace {
HookRegistry g_hooks;
}

HookRegistry &Hooks() { return g_hooks; }

void ResetHooks() { g_hooks = HookRegistry{}; }
