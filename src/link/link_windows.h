#pragma once
// What the transfer engine needs of the link's windows, without their widgets: the progress
// window (frm_progress.cpp) and the password window (frm_pass_word.cpp) implement these.

#include <QString>

// Shows percent in the progress window when it is open and not hidden.
void ShowProgressValue(int percent);
// Unloads the open progress window; nothing when none is open.
void UnloadProgressWindow();
// Shows the password window modally; true when it was closed with OK.
bool AskRadioPassword();
// The progress window's caption (the port auto-detect shows its own while it searches).
void SetProgressCaption(const QString &caption);
QString ProgressCaption();
