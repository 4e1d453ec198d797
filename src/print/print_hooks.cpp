#include "print/print_hooks.h"

#include "data/hooks.h"
#include "print/frm_print_list.h"
#include "print/print_texts.h"

void RegisterPrintHooks()
{
    HookRegistry &h = Hooks();
    h.InitPrintLanguage = [] { InitPrintLanguage(); };
    h.ShowFrmPrintList = [] { ShowFrmPrintList(); };
}
