#include "link/radio_port.h"

#include <QCoreApplication>

#include "data/app_state.h"
#include "data/lang_text.h"
#include "platform/prompt.h"
#include "platform/serial_port.h"

namespace {

// The port error and the reasons a port cannot be opened.
// lang-keys: OTHER 2002 2020-2023
constexpr int kKeyPortError = 2002;
constexpr int kKeyNoSuchDevice = 2020;
constexpr int kKeyNoPermission = 2021;
constexpr int kKeyPortBusy = 2022;
constexpr int kKeyPortLost = 2023;

} // namespace

SerialPort &RadioPort()
{
    if (!State().MSComm1)
        State().MSComm1 = new SystemSerialPort(QCoreApplication::instance());
    return *State().MSComm1;
}

void InstallRadioPort(SerialPort *port) { State().MSComm1 = port; }

QString PortErrorText()
{
    QString text = GetLangText(kKeyPortError);
    const SerialPort *port = State().MSComm1;
    if (!port)
        return text;
    int key = 0;
    switch (port->lastOpenError()) {
    case PortOpenError::NotFound: key = kKeyNoSuchDevice; break;
    case PortOpenError::NoPermission: key = kKeyNoPermission; break;
    case PortOpenError::Busy: key = kKeyPortBusy; break;
    case PortOpenError::Lost: key = kKeyPortLost; break;
    default: break;
    }
    if (key == 0)
        return text;
    QString where = QStringLiteral("COM%1").arg(State().ComPort);
    if (!port->devicePath().isEmpty())
        where += QStringLiteral(" (%1)").arg(port->devicePath());
    const QString reason = where + QStringLiteral(": ") + GetLangText(key);
    return text.isEmpty() ? reason : text + QLatin1Char('\n') + reason;
}

bool OpenRadioPort(const LinkEngineSteps &engine)
{
    AppState &s = State();
    // The walk starts one block below the first block: every next-block step adds the size first.
    switch (s.CurOperation) {
    case OpReadRadio:
        s.LinkEndAddress = 0x3900;
        s.LinkStartAddress = 0x0010;
        s.LinkAddress = s.LinkStartAddress - s.ReadBlockSize;
        break;
    case OpWriteRadio:
        s.LinkEndAddress = 0x3900;
        s.LinkStartAddress = 0x0100;
        s.LinkAddress = s.LinkStartAddress - s.WriteBlockSize;
        break;
    case OpReadInfo:
        s.LinkEndAddress = 0x00FF;
        s.LinkStartAddress = 0x0010;
        s.LinkAddress = s.LinkStartAddress - s.ReadBlockSize;
        break;
    default: break;
    }
    if (engine.StopLinkTimers)
        engine.StopLinkTimers();
    s.CurLinkState = LsIdle;

    SerialPort &port = RadioPort();
    port.close();
    port.setReceiveThreshold(1);
    if (engine.ResetRetryCounters)
        engine.ResetRetryCounters();
    if (!port.openPort(s.ComPort, PortSettings())) {
        prompt().MsgBox(PortErrorText(), vbOKOnly);
        return false;
    }
    s.LastPercent = 0;
    return true;
}
