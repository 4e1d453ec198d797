#pragma once
// What the transfer engine needs of the link's windows, without their widgets. The windows'
// library (frm_progress.cpp, frm_pass_word.cpp) fills these hooks in RegisterLinkWindows(),
// which the program's start-up and the test fixtures call; without it the engine runs with no
// window: nothing is shown and no password is entered.

#include <QString>
#include <functional>

struct LinkWindowHooks {
    std::function<void(int percent)> ShowProgressValue;
    std::function<void()> UnloadProgressWindow;
    std::function<bool()> AskRadioPassword;
    std::function<void(const QString &caption)> SetProgressCaption;
    std::function<QString()> ProgressCaption;
};
LinkWindowHooks &LinkWindows();

// Shows percent in the progress window when it is open and not hidden.
void ShowProgressValue(int percent);
// Unloads the open progress window; nothing when none is open.
void UnloadProgressWindow();
// Shows the password window modally; true when it was closed with OK.
bool AskRadioPassword();
// The progress window's caption (the port auto-detect shows its own while it searches).
void SetProgressCaption(const QString &caption);
QString ProgressCaption();

// Defined by the link windows' library: fills LinkWindows().
void RegisterLinkWindows();
