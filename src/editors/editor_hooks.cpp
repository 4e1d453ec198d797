#include "editors/editor_hooks.h"

#include "data/batch_fun_flags.h"
#include "data/hooks.h"
#include "editors/channel/frm_ch_batch.h"

void RegisterEditorHooks()
{
    HookRegistry &h = Hooks();
    // Channel editors.
    h.ShowFrmCHBatch = [] { ShowFrmCHBatch(); };
    h.LoadBatchFunFlags = [] { LoadBatchFunFlags(); };

    // Settings editors and the factory test mode.

    // Tone editors.
}
