#include "editors/editor_hooks.h"

#include "data/hooks.h"
#include "editors/tones/frm_2tone.h"
#include "editors/tones/frm_5tone.h"

void RegisterEditorHooks()
{
    HookRegistry &h = Hooks();
    // Channel editors.

    // Settings editors and the factory test mode.

    // Tone editors.
    h.ShowFrm2Tone = [] { ShowFrm2Tone(); };
    h.ShowFrm5Tone = [] { ShowFrm5Tone(); };
}
