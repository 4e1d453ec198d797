#include "link/link_windows.h"

#include "data/hooks.h"

LinkWindowHooks &LinkWindows()
{
    static LinkWindowHooks hooks;
    return hooks;
}

void ShowProgressValue(int percent) { CallHook(LinkWindows().ShowProgressValue, percent); }

void UnloadProgressWindow() { CallHook(LinkWindows().UnloadProgressWindow); }

bool AskRadioPassword() { return CallHookOr(LinkWindows().AskRadioPassword, false); }

void SetProgressCaption(const QString &caption) { CallHook(LinkWindows().SetProgressCaption, caption); }

QString ProgressCaption() { return CallHookOr(LinkWindows().ProgressCaption, QString()); }
