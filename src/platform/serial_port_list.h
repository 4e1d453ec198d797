#pragma once
// The system's serial ports, each under a fixed port number n shown as "COMn":
//   /dev/ttyS<k>   -> k + 1     (k = 0..99)
//   /dev/ttyUSB<k> -> 101 + k   (k = 0..99)
//   /dev/ttyACM<k> -> 201 + k   (k = 0..99)
// Other devices have no number and are not listed. The environment variable TORVA_EXTRA_PORTS
// ("7=/dev/pts/3,8=/dev/ttyXYZ") adds ports the system list does not show, such as the
// pseudo-terminal of the simulated radio; an extra port takes the place of a system port of the
// same number.

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

struct SerialPortEntry {
    int number = 0;     // n of "COMn", 1..999
    QString devicePath; // "/dev/ttyUSB0"
};

// The listed ports: the system's ports in the order the system reports them (not sorted), then
// the extra ports in the order TORVA_EXTRA_PORTS names them.
QList<SerialPortEntry> ListSerialPorts();

// Port number of a device path by the fixed numbering; 0 when the path has none.
int PortNumberOfDevice(const QString &devicePath);
// Device path of port n: the extra port of that number, else the fixed numbering; "" for none.
QString DevicePathOfPort(int number);
// The entries of TORVA_EXTRA_PORTS that are well formed (number 1..999, a path), in order; a
// later entry for a number already given is left out. The entries left out are reported on
// standard error, each with what was expected, once for each value of the variable.
QList<SerialPortEntry> ExtraSerialPorts();
// The same for a given value; the report of each entry left out is added to problems.
QList<SerialPortEntry> ParseExtraPorts(const QString &value, QStringList *problems = nullptr);

// Replaces the system's enumeration (tests); an empty function puts the real one back.
void SetSystemSerialPortSource(std::function<QList<SerialPortEntry>()> source);
