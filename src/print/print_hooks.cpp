#include "print/print_hooks.h"

#include "data/hooks.h"

void RegisterPrintHooks()
{
    HookRegistry &h = Hooks();
    (void)h;
}
