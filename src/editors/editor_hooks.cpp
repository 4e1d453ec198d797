#include "editors/editor_hooks.h"

#include "data/hooks.h"
#include "editors/settings/frm_alert.h"
#include "editors/settings/frm_option.h"
#include "editors/settings/frm_scan.h"

void RegisterEditorHooks()
{
    HookRegistry &h = Hooks();
    // Channel editors.

    // Settings editors and the factory test mode.
    h.ShowFrmOption = [] { ShowFrmOption(); };
    h.ShowFrmAlert = [] { ShowFrmAlert(); };
    h.ShowFrmScan = [] { ShowFrmScan(); };

    // Tone editors.
}
