#include "editors/editor_hooks.h"

#include "data/hooks.h"
#include "editors/settings/frm_alert.h"
#include "editors/settings/frm_option.h"

void RegisterEditorHooks()
{
    HookRegistry &h = Hooks();
    // Channel editors.

    // Settings editors and the factory test mode.
    h.ShowFrmOption = [] { ShowFrmOption(); };
    h.ShowFrmAlert = [] { ShowFrmAlert(); };

    // Tone editors.
}
