#include "editors/editor_hooks.h"

#include "data/hooks.h"
#include "editors/tones/frm_2tone.h"
#include "editors/settings/frm_dtmf.h"

void RegisterEditorHooks()
{
    HookRegistry &h = Hooks();
    // Channel editors.

    // Settings editors and the factory test mode.
    h.ShowFrmDTMF = [] { ShowFrmDTMF(); };

    // Tone editors.
    h.ShowFrm2Tone = [] { ShowFrm2Tone(); };
}
