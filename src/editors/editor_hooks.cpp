#include "editors/editor_hooks.h"

#include <QApplication>

#include "data/hooks.h"
#include "editors/channel/frm_ch_edit.h"

void RegisterEditorHooks()
{
    HookRegistry &h = Hooks();
    (void)h;
    // Channel editors.
    h.ShowFrmCHEdit = [] { ShowFrmCHEdit(QApplication::activeWindow()); };

    // Settings editors and the factory test mode.

    // Tone editors.
}
