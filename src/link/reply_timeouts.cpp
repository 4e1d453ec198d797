// Replies that do not come: the 300 ms reply timer, the send counters and the Retry/Cancel
// questions.

#include <QStringList>

#include "data/app_state.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "link/port_auto_detect.h"
#include "link/radio_link.h"
#include "link/radio_password.h"
#include "platform/prompt.h"
#include "platform/serial_port.h"

namespace {

constexpr int16_t kSendsPerStep = 3;

// The three kinds of question after the sends of a step are used up.
enum class Question {
    A, // handshake, identify, factory test data: the port is closed while asking; Retry reopens it
    B, // password block, a block of the walk: the port stays open; Retry resets the counters
    C, // the end command of a restart: the port stays open; Retry keeps the counters
};

int32_t BlockSizeOf(LinkOperation op)
{
    return op == OpWriteRadio ? State().WriteBlockSize : State().ReadBlockSize;
}

int BlockCountOf(LinkOperation op)
{
    const int32_t size = BlockSizeOf(op);
    switch (op) {
    case OpReadRadio: return (0x3900 - 0x0010) / size + 1;
    case OpWriteRadio: return (0x3900 - 0x0100) / size + 1;
    case OpReadInfo: return (0x00F0 - 0x0010) / size + 1;
    default: return 0;
    }
}

bool AskRetry()
{
    const ModalGuard guard;
    return prompt().MsgBox(GetLangText(2003), vbRetryCancel) == vbRetry;
}

// A Retry sends again on an open port: a port closed for the question (or lost meanwhile) is
// reopened first; one that cannot be opened is reported (false), and the transfer ends, since
// asking again would only repeat the same failure.
bool ReopenForRetry()
{
    SerialPort *p = Link().port();
    if (p->isOpen() || p->openPort(State().ComPort))
        return true;
    const ModalGuard guard;
    prompt().MsgBox(PortErrorText(), vbOKOnly);
    return false;
}

void AskAfterUsedUp(Question question)
{
    AppState &st = State();
    // The information read asks nothing: it ends at once.
    if (st.CurOperation == OpReadInfo) {
        EndLinkSession(false);
        return;
    }
    const bool onBlock = st.CurLinkState == LsBlocks;
    if (question == Question::A)
        CloseCommPort();
    if (!AskRetry() || !ReopenForRetry()) {
        EndLinkSession(false);
        return;
    }
    if (question != Question::C)
        ResetRetryCounters();
    if (onBlock)
        Link().resumeBlock = true;
    RestartWithEnd();
}

// Counts one send of a step down; true while sends remain.
bool CountDown(int16_t &counter) { return --counter > 0; }

} // namespace

void ResetRetryCounters()
{
    AppState &st = State();
    st.HandshakeRetries = kSendsPerStep;
    st.IdentifyRetries = kSendsPerStep;
    st.PasswordRetries = kSendsPerStep;
    st.BlockRetries.assign(static_cast<size_t>(BlockCountOf(st.CurOperation)), kSendsPerStep);
}

int16_t *CurrentBlockRetries()
{
    AppState &st = State();
    const int32_t offset = st.LinkAddress - st.LinkStartAddress;
    if (offset < 0)
        return nullptr;
    const size_t index = static_cast<size_t>(offset / BlockSizeOf(st.CurOperation));
    return index < st.BlockRetries.size() ? &st.BlockRetries[index] : nullptr;
}

void RadioLink::WaitTimer_Timer()
{
    WaitTimer.stop();
    if (modalDepth > 0) {
        // A window of the engine is open: the time-out is judged once it has closed.
        WaitTimer.start();
        return;
    }
    AppState &st = State();
    if (st.CurOperation == OpAutoDetect) {
        AutoDetectTimeout();
        return;
    }
    switch (st.CurLinkState) {
    case LsHandshake:
        if (!CountDown(st.HandshakeRetries))
            AskAfterUsedUp(Question::A);
        else if (st.FactorySessionFlag)
            CallHook(Hooks().StartFactorySession);
        else
            StartLinkSession();
        break;
    case LsIdentify:
        if (CountDown(st.IdentifyRetries))
            SendIdentify();
        else
            AskAfterUsedUp(Question::A);
        break;
    case LsPassword:
        if (CountDown(st.PasswordRetries))
            RequestPasswordBlock();
        else
            AskAfterUsedUp(Question::B);
        break;
    case LsBlocks: {
        // Outside the walk (the factory test-data step) there is no counter: the transfer fails.
        int16_t *counter = CurrentBlockRetries();
        if (!counter)
            EndLinkSession(false);
        else if (!CountDown(*counter))
            AskAfterUsedUp(Question::B);
        else if (st.CurOperation == OpWriteRadio)
            ResendWriteFrame();
        else
            ResendReadRequest();
        break;
    }
    case LsTestData:
        AskAfterUsedUp(Question::A);
        break;
    case LsEndRestart:
        AskAfterUsedUp(Question::C);
        break;
    case LsEndFinish:
        // The radio has all it needs once the end command is out.
        EndLinkSession(true);
        break;
    case LsIdle:
        break;
    }
}

void RadioLink::CommandTimer_Timer()
{
    CommandTimer.stop();
    AppState &st = State();
    if (st.CurOperation != OpReadRadio) {
        AdvanceLinkSession();
        return;
    }
    bool retry = false;
    {
        const ModalGuard guard;
        retry = prompt().MsgBox(GetLangText(2002), vbRetryCancel) == vbRetry;
    }
    if (retry) {
        st.CurLinkState = LsHandshake;
        StartLinkSession();
    } else {
        st.CurOperation = OpIdle;
        st.CurLinkState = LsIdle;
        EndLinkSession(false);
    }
}

void RadioLink::ReadyTimer_Timer()
{
    ReadyTimer.stop();
    AdvanceLinkSession();
}

void RadioLink::EndTimer_Timer()
{
    EndTimer.stop();
    EndLinkSession(false);
}
