#include "platform/serial_port_list.h"

#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>

namespace {

std::function<QList<SerialPortEntry>()> &SourceSlot()
{
    static std::function<QList<SerialPortEntry>()> source;
    return source;
}

struct Family {
    const char *prefix;
    int base;
};
// Each family owns 100 numbers, so that no two devices can share one.
constexpr Family kFamilies[] = {{"/dev/ttyS", 1}, {"/dev/ttyUSB", 101}, {"/dev/ttyACM", 201}};
constexpr int kFamilySize = 100;
constexpr int kHighestPort = 999; // "COMn" carries at most three digits

QList<SerialPortEntry> RealSystemPorts()
{
    QList<SerialPortEntry> ports;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        const int n = PortNumberOfDevice(info.systemLocation());
        if (n > 0)
            ports.append({n, info.systemLocation()});
    }
    return ports;
}

} // namespace

int PortNumberOfDevice(const QString &devicePath)
{
    for (const Family &f : kFamilies) {
        const QString prefix = QString::fromLatin1(f.prefix);
        if (!devicePath.startsWith(prefix))
            continue;
        const QString rest = devicePath.mid(prefix.size());
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,2}$"));
        if (!digits.match(rest).hasMatch())
            return 0;
        const int k = rest.toInt();
        return k < kFamilySize ? f.base + k : 0;
    }
    return 0;
}

QList<SerialPortEntry> ExtraSerialPorts()
{
    QList<SerialPortEntry> extras;
    const QString extra = qEnvironmentVariable("TORVA_EXTRA_PORTS");
    const auto items = extra.split(QLatin1Char(','), Qt::SkipEmptyParts);
    static const QRegularExpression number(QStringLiteral("^[0-9]{1,3}$"));
    for (const QString &item : items) {
        const int eq = item.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString num = item.left(eq).trimmed();
        const QString path = item.mid(eq + 1).trimmed();
        if (!number.match(num).hasMatch() || path.isEmpty())
            continue;
        const int n = num.toInt();
        if (n < 1 || n > kHighestPort)
            continue;
        const bool taken = std::any_of(extras.cbegin(), extras.cend(),
                                       [n](const SerialPortEntry &e) { return e.number == n; });
        if (!taken)
            extras.append({n, path});
    }
    return extras;
}

QList<SerialPortEntry> ListSerialPorts()
{
    const QList<SerialPortEntry> system = SourceSlot() ? SourceSlot()() : RealSystemPorts();
    const QList<SerialPortEntry> extras = ExtraSerialPorts();
    QList<SerialPortEntry> ports;
    for (const SerialPortEntry &e : system) {
        const bool replaced = std::any_of(extras.cbegin(), extras.cend(),
                                          [&e](const SerialPortEntry &x) { return x.number == e.number; });
        const bool duplicate = std::any_of(ports.cbegin(), ports.cend(),
                                           [&e](const SerialPortEntry &x) { return x.number == e.number; });
        if (!replaced && !duplicate)
            ports.append(e);
    }
    ports.append(extras);
    return ports;
}

QString DevicePathOfPort(int number)
{
    const QList<SerialPortEntry> extras = ExtraSerialPorts();
    for (const SerialPortEntry &e : extras) {
        if (e.number == number)
            return e.devicePath;
    }
    for (const Family &f : kFamilies) {
        if (number >= f.base && number < f.base + kFamilySize)
            return QString::fromLatin1(f.prefix) + QString::number(number - f.base);
    }
    return QString();
}

void SetSystemSerialPortSource(std::function<QList<SerialPortEntry>()> source)
{
    SourceSlot() = std::move(source);
}
