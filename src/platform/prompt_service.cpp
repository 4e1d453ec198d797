#include "platform/prompt.h"

#include <cstdio>
#include <cstdlib>

namespace {
Prompt *g_real = nullptr;
Prompt *g_prompt = nullptr;
} // namespace

Prompt &prompt()
{
    if (g_prompt)
        return *g_prompt;
    if (!g_real) {
        // A program that asks before its start-up installed the dialogs is built wrong; going on
        // would take an answer nobody gave.
        std::fputs("TORVA_6Y: a question was asked before the dialogs were installed (InstallQtPrompt)\n", stderr);
        std::abort();
    }
    return *g_real;
}

void setPrompt(Prompt *service) { g_prompt = service; }

void setRealPrompt(Prompt *service) { g_real = service; }
