#pragma once
// The transfer engine: one read, write or information read of the radio, from the first frame
// to the last. It has no loop of its own. A command opens the port and starts an exchange; the
// port's receive event hands each reply to MSComm1_OnComm, which recognises it, stores what it
// carries and sends the next frame at once; the 300 ms reply timer covers replies that do not
// come. CurOperation says what is being done, CurLinkState which reply is awaited.
//
// The serial port's events and the link timers belong to one link-owned object, RadioLink,
// reachable program-wide through Link(); the main window only calls the commands
// (link_commands.h).

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include "link/frames.h"
#include "link/radio_port.h"

class SerialPort;

class RadioLink : public QObject {
    Q_OBJECT
public:
    RadioLink();

    QTimer WaitTimer;    // 300 ms: the reply time-out; every send starts a new wait
    QTimer CommandTimer; // 100 ms, never enabled
    QTimer ReadyTimer;   // 200 ms, never enabled
    QTimer EndTimer;     // 200 ms, never enabled

    // The radio's serial port, with its receive event connected to MSComm1_OnComm.
    SerialPort *port();

    // The receive event: the whole receive buffer, tried against the reply checks in a fixed order.
    void MSComm1_OnComm();
    // The reply time-out (reply_timeouts.cpp).
    void WaitTimer_Timer();
    void CommandTimer_Timer();
    void ReadyTimer_Timer();
    void EndTimer_Timer();

    // Nonzero while the engine shows a question, a message or the password window: replies that
    // arrive meanwhile are dropped and a time-out waits, so that the answer acts on the state in
    // which the question was asked.
    int modalDepth = 0;
    // True from a transfer's start until EndLinkSession begins.
    bool sessionActive = false;
    // Set by a Retry on a block: after the new handshake, identify and password steps the walk
    // goes on with that same block instead of the next one.
    bool resumeBlock = false;
    // The factory test-data reply of a read, taken into the test data only when the read succeeds.
    QByteArray pendingTestData;
    // A write in factory mode: its factory pass has sent the test data and was acknowledged.
    bool factoryPassDone = false;

private:
    QPointer<SerialPort> connected_;
};

// The program's link object (created on first use, kept in State()).
RadioLink &Link();

// While one lives, the engine counts as showing a modal window (RadioLink::modalDepth).
class ModalGuard {
public:
    ModalGuard();
    ~ModalGuard();
    ModalGuard(const ModalGuard &) = delete;
    ModalGuard &operator=(const ModalGuard &) = delete;
};

// Disables WaitTimer, CommandTimer, ReadyTimer and EndTimer.
void StopLinkTimers();
// Closes the radio's port when it is open.
void CloseCommPort();
// The engine's steps that OpenRadioPort runs: the timers stopped, the send counters reset.
LinkEngineSteps EngineSteps();

// Sends a frame by the fixed send steps with the engine's reply timer (WaitTimer) as the wait
// that each send starts. False when it could not be written: the port has failed (or is closed),
// so a running transfer ends at once as failed, with key 2002 shown and the port closed; only
// the port search leaves a failed send to its reply timer. A port that fails between sends
// (lost()) ends the transfer in the same way. The factory test-data pass sends through this too.
bool LinkSend(const QByteArray &frame, AwaitedReply awaited);

// Opens the port when closed and starts an exchange from the handshake with the opening frame:
// "PROGRAM" for an ordinary exchange, the factory entry word for the factory pass of a write
// (FactorySessionFlag is set to factoryPass). A port that cannot be opened is reported (key 2002)
// and the transfer ends as failed.
void OpenLinkSession(const QByteArray &openingFrame, bool factoryPass);
// "PROGRAM": opens the port when closed and starts an exchange from the handshake.
void StartLinkSession();
// The step that follows a recognised reply, by CurLinkState.
void AdvanceLinkSession();
void SendIdentify();
void SendNextReadRequest();
void ResendReadRequest();
void SendNextWriteFrame();
void ResendWriteFrame();
void SendEndCommand();
// "END" as the last frame, or as the start of a new exchange from the handshake.
void FinishWithEnd();
void RestartWithEnd();
// Ends the transfer: progress window unloaded, timers off, port closed; on success the read data
// are taken into the records (read), or reported (write), or shown (information read); on failure
// the operation's failure message. Records and saved copies change only on a successful read.
void EndLinkSession(bool success);

// Three sends for the handshake, identify and password steps and for each block of the operation.
void ResetRetryCounters();
// The per-block send counter of the current block; nullptr when LinkAddress is outside the walk.
int16_t *CurrentBlockRetries();
