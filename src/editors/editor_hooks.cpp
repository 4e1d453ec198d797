#include "editors/editor_hooks.h"

#include "data/hooks.h"
#include "editors/settings/frm_dtmf.h"

void RegisterEditorHooks()
{
    HookRegistry &h = Hooks();
    (void)h;
    // Channel editors.

    // Settings editors and the factory test mode.
    h.ShowFrmDTMF = [] { ShowFrmDTMF(); };

    // Tone editors.
}
