#include "platform/serial_port_list.h"

#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>
#include <cstdio>

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

QList<SerialPortEntry> ParseExtraPorts(const QString &value, QStringList *problems)
{
    QList<SerialPortEntry> extras;
    const auto items = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
    static const QRegularExpression number(QStringLiteral("^[0-9]{1,3}$"));
    const auto problem = [problems](const QString &item, const QString &why) {
        if (problems)
            problems->append(QStringLiteral("TORVA_EXTRA_PORTS: \"%1\" ignored: %2").arg(item.trimmed(), why));
    };
    const QString expected = QStringLiteral("expected NUMBER=DEVICE, a port number from 1 to %1 and a device path, "
                                            "such as 7=/dev/pts/3")
                                 .arg(kHighestPort);
    for (const QString &item : items) {
        if (item.trimmed().isEmpty())
            continue;
        const int eq = item.indexOf(QLatin1Char('='));
        const QString num = eq < 0 ? QString() : item.left(eq).trimmed();
        const QString path = eq < 0 ? QString() : item.mid(eq + 1).trimmed();
        if (eq < 0 || !number.match(num).hasMatch() || path.isEmpty() || num.toInt() < 1 ||
            num.toInt() > kHighestPort) {
            problem(item, expected);
            continue;
        }
        const int n = num.toInt();
        const bool taken = std::any_of(extras.cbegin(), extras.cend(),
                                       [n](const SerialPortEntry &e) { return e.number == n; });
        if (taken) {
            problem(item, QStringLiteral("port %1 is named before; the first entry holds").arg(n));
            continue;
        }
        extras.append({n, path});
    }
    return extras;
}

QList<SerialPortEntry> ExtraSerialPorts()
{
    const QString value = qEnvironmentVariable("TORVA_EXTRA_PORTS");
    QStringList problems;
    const QList<SerialPortEntry> extras = ParseExtraPorts(value, &problems);
    // The list is read every second while a port window is open: each value is reported once.
    static QString reported;
    if (!problems.isEmpty() && value != reported) {
        for (const QString &line : problems)
            std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
        std::fflush(stderr);
    }
    reported = value;
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
