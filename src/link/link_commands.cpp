#include "link/link_commands.h"

#include "data/app_state.h"
#include "data/data_file.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/message_table.h"
#include "link/frm_progress.h"
#include "link/link_windows.h"
#include "link/memory_image.h"
#include "link/radio_link.h"
#include "link/skip_list.h"
#include "platform/prompt.h"

namespace {

// Asks for confirmation with the port open; Cancel closes the port again.
bool Confirmed(const BilingualText &question)
{
    if (prompt().MsgBox(InCurrentLanguage(question), vbOKCancel + vbQuestion) == vbOK)
        return true;
    CloseCommPort();
    State().CurOperation = OpIdle;
    return false;
}

// Shows the progress window, whose load starts the exchange, until the transfer has ended. A
// window closed before the end ends the transfer as failed.
void RunInProgressWindow()
{
    RadioLink &link = Link();
    link.sessionActive = true;
    {
        FrmProgress progress;
        // Its load may already have ended the transfer (the port failed on the first frame).
        if (link.sessionActive)
            prompt().ShowModal(&progress);
    }
    if (link.sessionActive)
        EndLinkSession(false);
}

// Opens the port for an operation; false (key 2002 shown) leaves the engine idle.
bool OpenFor(LinkOperation op)
{
    State().CurOperation = op;
    if (OpenRadioPort(EngineSteps()))
        return true;
    State().CurOperation = OpIdle;
    return false;
}

} // namespace

void ReadRadioCommand()
{
    const QString question = GetMsgText(9001, kLangTextLongBuffer);
    if (IsDataModified() && prompt().MsgBox(question, vbYesNoCancel + vbExclamation) == vbYes)
        CallHook(Hooks().mnuFileSave_Click);
    // No and Cancel both go on with the read.
    if (!OpenFor(OpReadRadio) || !Confirmed(MessageTable().MsgReadConfirm))
        return;
    ResetMemoryImage();
    PrepareReadSkipList(false);
    RunInProgressWindow();
}

void WriteRadioCommand()
{
    if (!OpenFor(OpWriteRadio) || !Confirmed(MessageTable().MsgWriteConfirm))
        return;
    AppState &st = State();
    ResetMemoryImage();
    st.ImagePackOk = true;
    PackMemoryImage();
    PrepareWriteSkipList();
    if (!st.ImagePackOk) {
        // The packer has shown its own message; no frame is sent.
        CloseCommPort();
        st.CurOperation = OpIdle;
        return;
    }
    RunInProgressWindow();
}

void ReadRMGDataFromRadio()
{
    if (!OpenFor(OpReadInfo))
        return;
    ResetMemoryImage();
    Link().sessionActive = true;
    StartLinkSession();
}

void RadioPasswordCommand() { AskRadioPassword(); }
