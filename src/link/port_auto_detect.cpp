#include "link/port_auto_detect.h"

#include <algorithm>

#include "data/app_state.h"
#include "link/frames.h"
#include "link/link_windows.h"
#include "link/com_port_list.h"
#include "link/radio_identity.h"
#include "link/radio_link.h"
#include "platform/serial_port.h"

namespace {

constexpr int kLastHandshaking = 3;
constexpr int kLastStopBits = 2;

// The candidate becomes the program's port setting and is saved.
void AdoptSetting(int port, int handshaking, int stopBits)
{
    AppState &st = State();
    st.ComPort = static_cast<int16_t>(port);
    st.LinkHandshaking = static_cast<int16_t>(handshaking);
    st.LinkStopBits = static_cast<int16_t>(stopBits);
    SaveLinkSettings();
}

// Back to the transfer that was asked for, with fresh send counters (the search has used them).
void ResumeTransfer()
{
    AppState &st = State();
    st.CurOperation = st.AutoDetectState.ResumeOperation;
    SetProgressCaption(st.AutoDetectState.ResumeCaption);
    ResetRetryCounters();
}

} // namespace

void StartAutoDetect(const QList<int> &ports, LinkOperation resume, const QString &resumeCaption)
{
    AppState &st = State();
    AutoDetectStateRecord &ad = st.AutoDetectState;
    ad = AutoDetectStateRecord{};
    ad.CandidateCount = static_cast<int16_t>(std::min<qsizetype>(ports.size(), kAutoDetectCandidates));
    for (int i = 0; i < ad.CandidateCount; ++i)
        ad.CandidatePorts[static_cast<size_t>(i)] = static_cast<int16_t>(ports[i]);
    ad.CandidateIndex = 0;
    ad.ProbePort = ad.CandidateCount > 0 ? ad.CandidatePorts[0] : 0;
    ad.ProbeHandshaking = 0;
    ad.ProbeStopBits = 1;
    ad.FallbackFound = false;
    ad.ResumeOperation = resume;
    ad.ResumeCaption = resumeCaption;
    st.CurOperation = OpAutoDetect;
    NextAutoDetectCandidate(false);
}

bool OpenProbePort(int port, int handshaking, int stopBits)
{
    SerialPort *p = Link().port();
    p->close();
    PortSettings settings;
    settings.handshaking = handshaking;
    settings.stopBits = stopBits;
    return p->openPort(port, settings);
}

void StartProbe()
{
    AppState &st = State();
    st.HandshakeRetries = 3;
    st.IdentifyRetries = 3;
    SendProbeHandshake();
}

void SendProbeHandshake()
{
    AppState &st = State();
    switch (st.CurOperation) {
    case OpReadRadio:
    case OpWriteRadio:
    case OpReadInfo:
    case OpAutoDetect:
        st.CurLinkState = LsHandshake;
        break;
    default:
        st.CurOperation = OpIdle;
        st.CurLinkState = LsIdle;
        break;
    }
    Link().CommandTimer.stop();
    Link().ReadyTimer.stop();
    LinkSend(ProgramCommand(), AwaitedReply::HandshakeAck);
}

void NextAutoDetectCandidate(bool stepPast)
{
    AutoDetectStateRecord &ad = State().AutoDetectState;
    if (stepPast) {
        if (++ad.ProbeHandshaking > kLastHandshaking) {
            ad.ProbeHandshaking = 0;
            if (++ad.ProbeStopBits > kLastStopBits) {
                ad.ProbeStopBits = 1;
                if (++ad.CandidateIndex >= ad.CandidateCount) {
                    FinishAutoDetect();
                    return;
                }
                ad.ProbePort = ad.CandidatePorts[static_cast<size_t>(ad.CandidateIndex)];
            }
        }
    }
    if (ad.CandidateIndex >= ad.CandidateCount) {
        FinishAutoDetect();
        return;
    }
    bool open = OpenProbePort(ad.ProbePort, ad.ProbeHandshaking, ad.ProbeStopBits);
    // A port that cannot be opened is left at once for the next port.
    while (!open && ad.CandidateIndex < ad.CandidateCount - 1) {
        ++ad.CandidateIndex;
        ad.ProbePort = ad.CandidatePorts[static_cast<size_t>(ad.CandidateIndex)];
        ad.ProbeHandshaking = 0;
        ad.ProbeStopBits = 1;
        open = OpenProbePort(ad.ProbePort, ad.ProbeHandshaking, ad.ProbeStopBits);
    }
    if (open)
        StartProbe();
    else
        FinishAutoDetect();
}

bool IsProbeModelOk()
{
    AppState &st = State();
    Link().WaitTimer.stop();
    if (IsSameModelCode(st.CurModelCode, st.RadioModelCode))
        return true;
    AutoDetectStateRecord &ad = st.AutoDetectState;
    if (!ad.FallbackFound) {
        ad.FallbackFound = true;
        ad.FallbackPort = ad.ProbePort;
        ad.FallbackHandshaking = ad.ProbeHandshaking;
        ad.FallbackStopBits = ad.ProbeStopBits;
    }
    return false;
}

void AutoDetectStep()
{
    AppState &st = State();
    Link().WaitTimer.stop();
    if (st.CurOperation != OpAutoDetect)
        return;
    const AutoDetectStateRecord &ad = st.AutoDetectState;
    if (st.CurLinkState == LsHandshake) {
        st.CurLinkState = LsIdentify;
        SendIdentify();
    } else if (st.CurLinkState == LsIdentify) {
        if (!IsProbeModelOk()) {
            NextAutoDetectCandidate(true);
            return;
        }
        AdoptSetting(ad.ProbePort, ad.ProbeHandshaking, ad.ProbeStopBits);
        ResumeTransfer();
        // On as after the handshake of the real transfer, on the port as the probe left it open.
        st.CurLinkState = LsHandshake;
        AdvanceLinkSession();
    }
}

void AutoDetectTimeout()
{
    AppState &st = State();
    if (st.CurLinkState == LsHandshake) {
        if (--st.HandshakeRetries <= 0)
            NextAutoDetectCandidate(true);
        else
            SendProbeHandshake();
    } else if (st.CurLinkState == LsIdentify) {
        if (--st.IdentifyRetries <= 0)
            NextAutoDetectCandidate(true);
        else
            SendIdentify();
    }
}

void FinishAutoDetect()
{
    AppState &st = State();
    const AutoDetectStateRecord ad = st.AutoDetectState;
    ResumeTransfer();
    if (!ad.FallbackFound) {
        EndLinkSession(false);
        return;
    }
    AdoptSetting(ad.FallbackPort, ad.FallbackHandshaking, ad.FallbackStopBits);
    st.CurLinkState = LsHandshake;
    if (OpenProbePort(ad.FallbackPort, ad.FallbackHandshaking, ad.FallbackStopBits))
        StartLinkSession();
    else
        EndLinkSession(false);
}
