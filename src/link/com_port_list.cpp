#include "link/com_port_list.h"

#include <algorithm>

#include "data/app_state.h"
#include "platform/ini_file.h"
#include "platform/program_dir.h"
#include "platform/serial_port_list.h"

bool IsComPortListed(int portNumber)
{
    const QList<SerialPortEntry> ports = ListSerialPorts();
    return std::any_of(ports.cbegin(), ports.cend(),
                       [portNumber](const SerialPortEntry &p) { return p.number == portNumber; });
}

int16_t FirstComPort()
{
    const QList<SerialPortEntry> ports = ListSerialPorts();
    return ports.isEmpty() ? int16_t(0) : static_cast<int16_t>(ports.first().number);
}

int16_t PortNumberOfEntry(const QString &entry)
{
    bool ok = false;
    const int n = entry.mid(3).trimmed().toInt(&ok);
    return ok && n > 0 && n <= 32767 ? static_cast<int16_t>(n) : int16_t(0);
}

QString MySetupPath() { return ProgramPath(QStringLiteral("language/mysetup.ini")); }

void SaveLinkSettings()
{
    const QString path = MySetupPath();
    const QString section = QStringLiteral("language");
    IniFile::Write(path, section, QStringLiteral("comPort"), QString::number(State().ComPort));
    IniFile::Write(path, section, QStringLiteral("Handshaking"), QString::number(State().LinkHandshaking));
    IniFile::Write(path, section, QStringLiteral("StopBit"), QString::number(State().LinkStopBits));
}
