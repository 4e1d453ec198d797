#pragma once
// The radio's serial port, one for the whole program, and OpenRadioPort, which prepares it and
// the block walk for a transfer.

#include <QString>
#include <functional>

class SerialPort;

// The port the radio link uses: the one installed with InstallRadioPort, or else a real port
// (QSerialPort), made on first use and owned by the application object.
SerialPort &RadioPort();
// Installs a port (tests: a FakeSerialPort); the caller keeps ownership. nullptr: back to the real one.
void InstallRadioPort(SerialPort *port);

// What the transfer engine does while the port is opened for a transfer: OpenRadioPort stops the
// engine's four link timers (CommandTimer, WaitTimer, ReadyTimer, EndTimer) and resets its retry
// counters through these. Empty functions are skipped.
struct LinkEngineSteps {
    std::function<void()> StopLinkTimers;
    std::function<void()> ResetRetryCounters;
};

// Prepares a transfer for CurOperation: sets the block walk (LinkStartAddress, LinkEndAddress and
// LinkAddress one block below the first), stops the engine's timers, CurLinkState := LsIdle,
// opens port ComPort at 9600 baud, 8 data bits, no parity, 1 stop bit, no handshaking, receive
// threshold 1, resets the retry counters, LastPercent := 0. On failure it shows PortErrorText()
// with an OK button and returns false.
bool OpenRadioPort(const LinkEngineSteps &engine = LinkEngineSteps());

// The port error message: the text of language key 2002 and, when the last open failed for a
// known reason, a second line naming the port, its device and the reason (no such device, no
// permission, in use, failed while open). Everything that reports a port it cannot use shows this text.
QString PortErrorText();
