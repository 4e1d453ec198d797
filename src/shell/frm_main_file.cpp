// The main window's commands on the whole data set: New, Initialise, Open, Save, Save As.
// Every question has the program's title as its caption.

#include "data/app_state.h"
#include "data/code_text.h"
#include "data/data_file.h"
#include "data/lang_text.h"
#include "data/message_table.h"
#include "platform/prompt.h"
#include "shell/frm_main.h"

void FrmMain::mnuFileNew_Click()
{
    const QString saveQuestion = GetMsgText(9001, kLangTextLongBuffer);
    const bool initialising = State().InitDataMode != 0;
    if (IsDataModified()) {
        // Only Yes saves. New goes on to its own clear question after any answer, which still
        // protects the data; Initialise has no such question, so Cancel ends it, and so does a Yes
        // whose save did not happen (its box or question cancelled, or the save failed).
        const int answer = prompt().MsgBox(saveQuestion, vbYesNoCancel + vbExclamation);
        if (answer == vbYes)
            mnuFileSave_Click();
        if (initialising && (answer == vbCancel || (answer == vbYes && IsDataModified())))
            return;
    }
    if (!initialising) {
        if (prompt().MsgBox(InCurrentLanguage(MessageTable().MsgClearAll), vbOKCancel + vbExclamation) != vbOK)
            return;
    }
    NewDataFile();
}

void FrmMain::MnuSetInit_Click()
{
    State().InitDataMode = -1;
    mnuFileNew_Click();
    State().InitDataMode = 0;
}

void FrmMain::mnuFileOpen_Click()
{
    if (IsDataModified()) {
        const int answer =
            prompt().MsgBox(InCurrentLanguage(MessageTable().MsgSaveChanges), vbYesNoCancel + vbExclamation);
        if (answer == vbYes)
            mnuFileSave_Click();
        else if (answer != vbNo)
            return;
    }
    OpenFileFromDialog();
}

void FrmMain::OpenFileFromDialog()
{
    const QString path = prompt().GetOpenFileName(this, QString(), dlgFileName_, dlgFilter_);
    if (path.isEmpty())
        return;
    dlgFileName_ = path;
    // The path becomes CurFileName only when the file is loaded, so a refused file is never the
    // target of the next Save.
    OpenDataFile(path);
}

void FrmMain::mnuFileSave_Click()
{
    const AppState &st = State();
    if (st.FileUntitled) {
        mnuFileSaveAs_Click();
        return;
    }
    const QString question = QLatin1Char('"') + FileNameOfPath(st.CurFileName) + QLatin1Char('"') +
                             InCurrentLanguage(MessageTable().MsgOverwrite);
    if (prompt().MsgBox(question, vbOKCancel + vbQuestion) == vbOK)
        SaveCurrentFile();
}

void FrmMain::mnuFileSaveAs_Click()
{
    dlgFileName_ = State().CurFileName;
    const QString path = prompt().GetSaveFileName(this, QString(), dlgFileName_, dlgFilter_);
    if (path.isEmpty())
        return;
    dlgFileName_ = path;
    // The path becomes CurFileName only when the save succeeded.
    SaveDataFile(path);
}

void FrmMain::SaveCurrentFile() { SaveDataFile(); }
