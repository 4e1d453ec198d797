#include "editors/editor_hooks.h"

#include "data/hooks.h"
#include "editors/settings/frm_commu_book.h"

void RegisterEditorHooks()
{
    HookRegistry &h = Hooks();
    // Channel editors.

    // Settings editors and the factory test mode.
    h.ShowFrmCommuBook = [] { ShowFrmCommuBook(); };

    // Tone editors.
}
