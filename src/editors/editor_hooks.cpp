#include "editors/editor_hooks.h"

#include "data/hooks.h"

void RegisterEditorHooks()
{
    HookRegistry &h = Hooks();
    (void)h;
    // Channel editors.

    // Settings editors and the factory test mode.

    // Tone editors.
}
