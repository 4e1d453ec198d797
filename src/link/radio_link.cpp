#include "link/radio_link.h"

#include <QCoreApplication>

#include "data/app_state.h"
#include "data/data_file.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "link/frames.h"
#include "link/link_windows.h"
#include "link/memory_image.h"
#include "link/port_auto_detect.h"
#include "link/radio_identity.h"
#include "link/radio_password.h"
#include "link/skip_list.h"
#include "platform/prompt.h"
#include "platform/serial_port.h"

namespace {

constexpr int kReplyTimeoutMs = 300;
constexpr int kCommandTimerMs = 100;
constexpr int kReadyTimerMs = 200;
constexpr int kEndTimerMs = 200;

constexpr int32_t kBitmapsReadAt = 0x03A0;

void ShowPortError()
{
    const ModalGuard guard;
    prompt().MsgBox(PortErrorText(), vbOKOnly);
}

// The port failed during a transfer (an unplugged adapter: a write refused, an error from the
// port). Nothing sent later could reach the radio, so the transfer ends at once as failed, with
// the port closed and the reason shown, and the data as they were. The search for the radio's
// port is left to its time-outs: a port that fails there is only a candidate that does not answer.
void PortFailedDuringTransfer()
{
    const AppState &st = State();
    if (st.CurOperation == OpIdle || st.CurOperation == OpAutoDetect)
        return;
    StopLinkTimers();
    CloseCommPort();
    ShowPortError();
    EndLinkSession(false);
}

void SendReadRequest()
{
    LinkSend(ReadRequest(State().LinkAddress, State().ReadBlockSize), AwaitedReply::DataFrame);
}

void SendWriteFrame() { LinkSend(MemoryDataFrame(State().LinkAddress), AwaitedReply::AckByte); }

// After a Retry on a block the walk goes on with that same block, which is transferred again
// (and not counted again) instead of being passed over.
bool ResumedSameBlock(void (*resend)())
{
    RadioLink &link = Link();
    if (!link.resumeBlock)
        return false;
    link.resumeBlock = false;
    resend();
    return true;
}

// lang-keys: OTHER 2004-2008
void ShowEndMessage(int key)
{
    prompt().MsgBox(GetLangText(key), vbOKOnly);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// The link object

RadioLink::RadioLink()
{
    const auto setUp = [this](QTimer &timer, int ms, void (RadioLink::*handler)()) {
        // The protocol's waits: Qt's default coarse timer may fire up to 5 % early.
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(ms);
        timer.setSingleShot(true); // every handler disables its timer first
        connect(&timer, &QTimer::timeout, this, handler);
    };
    setUp(WaitTimer, kReplyTimeoutMs, &RadioLink::WaitTimer_Timer);
    setUp(CommandTimer, kCommandTimerMs, &RadioLink::CommandTimer_Timer);
    setUp(ReadyTimer, kReadyTimerMs, &RadioLink::ReadyTimer_Timer);
    setUp(EndTimer, kEndTimerMs, &RadioLink::EndTimer_Timer);
    // A transfer still running when the program ends (an information read) leaves no timer or
    // open port behind the application object.
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, [] {
            StopLinkTimers();
            CloseCommPort();
        });
}

RadioLink &Link()
{
    AppState &st = State();
    if (!st.LinkEngine)
        st.LinkEngine = std::make_shared<RadioLink>();
    return *st.LinkEngine;
}

SerialPort *RadioLink::port()
{
    SerialPort *p = &RadioPort();
    if (p != connected_) {
        if (connected_)
            disconnect(connected_, nullptr, this, nullptr);
        connect(p, &SerialPort::received, this, &RadioLink::MSComm1_OnComm);
        connect(p, &SerialPort::lost, this, [this] {
            // While the engine asks something, the answer's Retry finds the port closed and
            // reopens it (or ends the transfer); otherwise the transfer ends now.
            if (modalDepth == 0)
                PortFailedDuringTransfer();
        });
        connected_ = p;
    }
    return p;
}

ModalGuard::ModalGuard() { ++Link().modalDepth; }
ModalGuard::~ModalGuard() { --Link().modalDepth; }

void StopLinkTimers()
{
    RadioLink &link = Link();
    link.CommandTimer.stop();
    link.WaitTimer.stop();
    link.ReadyTimer.stop();
    link.EndTimer.stop();
}

void CloseCommPort()
{
    SerialPort *p = State().MSComm1;
    if (p && p->isOpen())
        p->close();
}

LinkEngineSteps EngineSteps() { return LinkEngineSteps{StopLinkTimers, ResetRetryCounters}; }

// ---------------------------------------------------------------------------------------------
// Sending

bool LinkSend(const QByteArray &frame, AwaitedReply awaited)
{
    RadioLink &link = Link();
    link.port(); // its receive and lost events reach the engine
    if (SendLinkFrame(frame, awaited, [&link] { link.WaitTimer.start(); }))
        return true;
    PortFailedDuringTransfer();
    return false;
}

void OpenLinkSession(const QByteArray &openingFrame, bool factoryPass)
{
    AppState &st = State();
    RadioLink &link = Link();
    SerialPort *p = link.port();
    // A port that cannot be opened is reported and the transfer ends: asking again could not help.
    if (!p->isOpen() && !p->openPort(st.ComPort)) {
        StopLinkTimers();
        ShowPortError();
        EndLinkSession(false);
        return;
    }
    st.LastPercent = 0;
    st.CurLinkState = LsHandshake;
    st.FactorySessionFlag = factoryPass;
    if (factoryPass)
        link.factoryPassDone = false;
    link.CommandTimer.stop();
    link.ReadyTimer.stop();
    LinkSend(openingFrame, AwaitedReply::HandshakeAck); // a failed send ends the transfer
}

void StartLinkSession() { OpenLinkSession(ProgramCommand(), false); }

void SendIdentify() { LinkSend(IdentifyRequest(), AwaitedReply::IdentifyReply); }

void SendNextReadRequest()
{
    if (ResumedSameBlock(ResendReadRequest))
        return;
    AppState &st = State();
    st.LinkAddress += st.ReadBlockSize;
    if (st.LinkAddress == kBitmapsReadAt)
        PrepareReadSkipList(true);
    st.LinkAddress = SkipUnusedRange(st.LinkAddress);
    if (st.LinkAddress > st.LinkEndAddress) {
        FinishWithEnd();
        return;
    }
    if (st.CurOperation != OpReadInfo)
        StepProgress();
    SendReadRequest();
}

void ResendReadRequest() { SendReadRequest(); }

void SendNextWriteFrame()
{
    if (ResumedSameBlock(ResendWriteFrame))
        return;
    AppState &st = State();
    st.LinkAddress = SkipUnusedRange(st.LinkAddress + st.WriteBlockSize);
    StepProgress(); // before the end test, so that the last step reaches the full count
    if (st.LinkAddress > st.LinkEndAddress) {
        FinishWithEnd();
        return;
    }
    SendWriteFrame();
}

void ResendWriteFrame()
{
    // Past the last frame the end command was sent: a repeat request then asks for it again.
    if (State().LinkAddress > State().LinkEndAddress) {
        FinishWithEnd();
        return;
    }
    SendWriteFrame();
}

void SendEndCommand() { LinkSend(EndCommand(), AwaitedReply::AckByte); }

void FinishWithEnd()
{
    State().CurLinkState = LsEndFinish;
    SendEndCommand();
}

void RestartWithEnd()
{
    State().CurLinkState = LsEndRestart;
    SendEndCommand();
}

// ---------------------------------------------------------------------------------------------
// Receiving

void AdvanceLinkSession()
{
    AppState &st = State();
    Link().WaitTimer.stop();
    const bool read = st.CurOperation == OpReadRadio;
    const bool write = st.CurOperation == OpWriteRadio;
    switch (st.CurLinkState) {
    case LsHandshake:
        st.CurLinkState = LsIdentify;
        if (read || write)
            ShowProgressValue(0);
        SendIdentify();
        break;
    case LsIdentify:
        st.CurLinkState = LsPassword;
        RequestPasswordBlock();
        break;
    case LsPassword:
        st.CurLinkState = LsBlocks;
        if (read && st.TestModeFlag) {
            CallHook(Hooks().SendTestDataRead);
        } else if (write && st.TestModeFlag && st.FactorySessionFlag) {
            st.CurLinkState = LsTestData;
            CallHook(Hooks().SendTestDataRead);
        } else if (write) {
            SendNextWriteFrame();
        } else {
            SendNextReadRequest();
        }
        break;
    case LsBlocks:
        if (write && st.FactorySessionFlag) {
            // The factory pass is over: the ordinary write starts from its own handshake.
            Link().factoryPassDone = true;
            ResetRetryCounters();
            st.CurLinkState = LsHandshake;
            StartLinkSession();
        } else if (write) {
            SendNextWriteFrame();
        } else {
            SendNextReadRequest();
        }
        break;
    case LsTestData:
        st.CurLinkState = LsBlocks;
        if (write)
            CallHook(Hooks().SendTestDataWrite);
        break;
    case LsEndRestart:
        st.CurLinkState = LsHandshake;
        // A write in factory mode starts again with its factory pass until the test data were
        // sent, so that a Retry or a password restart never lets it end without them.
        if (write && st.TestModeFlag && !Link().factoryPassDone)
            CallHook(Hooks().StartFactorySession);
        else
            StartLinkSession();
        break;
    case LsEndFinish:
        EndLinkSession(true);
        break;
    case LsIdle:
        break;
    }
}

void RadioLink::MSComm1_OnComm()
{
    SerialPort *p = connected_;
    if (!p)
        return;
    const QByteArray reply = p->input();
    if (modalDepth > 0)
        return;
    AppState &st = State();

    if (st.CurOperation == OpAutoDetect) {
        if (IsHandshakeAck(reply) || ParseIdentifyReply(reply))
            AutoDetectStep();
        return;
    }

    if (IsAck(reply)) {
        AdvanceLinkSession();
    } else if (IsRepeatRequest(reply) && st.CurOperation == OpWriteRadio) {
        WaitTimer.stop();
        ResendWriteFrame();
    } else if (IsHandshakeAck(reply)) {
        AdvanceLinkSession();
    } else if (ParseIdentifyReply(reply)) {
        if (CheckRadioIdentity()) {
            AdvanceLinkSession();
        } else {
            WaitTimer.stop();
            EndLinkSession(false);
        }
    } else if (IsPasswordBlock(reply)) {
        if (CheckRadioPassword(reply)) {
            AdvanceLinkSession();
            return;
        }
        WaitTimer.stop();
        bool entered = false;
        {
            const ModalGuard guard;
            entered = AskRadioPassword();
        }
        if (entered && CheckRadioPassword(reply)) {
            ResetRetryCounters();
            RestartWithEnd();
        } else {
            EndLinkSession(false);
        }
    } else if (CallHookOr(Hooks().IsTestDataReply, false, reply)) {
        if (st.CurOperation == OpReadRadio)
            pendingTestData = reply; // taken only when the read succeeds
        else
            CallHook(Hooks().TakeTestDataFirstByte, reply);
        AdvanceLinkSession();
    } else if (IsDataFrame(reply)) {
        StoreDataFrame(reply);
        AdvanceLinkSession();
    }
}

// ---------------------------------------------------------------------------------------------
// The end of a transfer

void EndLinkSession(bool success)
{
    AppState &st = State();
    RadioLink &link = Link();
    link.sessionActive = false;
    link.resumeBlock = false;
    UnloadProgressWindow();
    StopLinkTimers();
    CloseCommPort();

    const ModalGuard guard;
    const QByteArray testData = std::exchange(link.pendingTestData, QByteArray());
    if (success) {
        switch (st.CurOperation) {
        case OpReadRadio:
            AdoptRadioModel();
            UnpackMemoryImage();
            if (!testData.isEmpty())
                CallHook(Hooks().TakeTestDataReply, testData);
            st.FileUntitled = true;
            st.CurFileName = QStringLiteral("new.dat");
            SnapshotToSaved();
            CallHook(Hooks().ReShowListByData);
            CallHook(Hooks().ReShowRadioListByData);
            ShowEndMessage(2004);
            break;
        case OpWriteRadio:
            ShowEndMessage(2005);
            break;
        case OpReadInfo:
            UnpackEmbeddedMessage();
            CallHook(Hooks().ShowFrmEMG);
            break;
        default:
            break;
        }
    } else {
        switch (st.CurOperation) {
        case OpReadRadio: ShowEndMessage(2006); break;
        case OpWriteRadio: ShowEndMessage(2007); break;
        case OpReadInfo: ShowEndMessage(2008); break;
        default: break;
        }
    }
    st.CurLinkState = LsIdle;
    st.CurOperation = OpIdle;
}
