#include "platform/fake_serial_port.h"

bool FakeSerialPort::openDevice(const QString &path, const PortSettings &, PortOpenError &error, QString &text)
{
    if (openFailure != PortOpenError::None) {
        error = openFailure;
        text = path + QStringLiteral(": refused by the test");
        return false;
    }
    opens.append(path);
    return true;
}

bool FakeSerialPort::writeDevice(const QByteArray &bytes)
{
    if (failWrites)
        return false;
    writes.append(bytes);
    if (onWrite)
        onWrite(bytes);
    return true;
}
