// The serial port's receive event, its open errors, and the port numbering, on the in-process port
// and on a real pseudo-terminal served by the simulated radio.

#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/wait_until.h"
#include "platform/fake_serial_port.h"
#include "platform/serial_port.h"
#include "platform/serial_port_list.h"
#include "radiosim/pty_server.h"
#include "radiosim/radio_sim.h"

using testenv::WaitUntil;

namespace {

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const QByteArray &value) : name_(name)
    {
        had_ = qEnvironmentVariableIsSet(name);
        old_ = qgetenv(name);
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char *name_;
    QByteArray old_;
    bool had_ = false;
};

// Records every receive event with the bytes waiting at that moment, and takes them.
struct Receiver {
    explicit Receiver(SerialPort &port)
    {
        QObject::connect(&port, &SerialPort::received, &port, [this, &port] {
            waitingAtEvent.append(port.inBufferCount());
            taken.append(port.input());
        });
    }
    QList<int> waitingAtEvent;
    QList<QByteArray> taken;
};

TEST(FakeSerialPort, ReceiveEventComesOnceTheThresholdIsWaitingWhateverThePieces)
{
    FakeSerialPort port;
    ASSERT_TRUE(port.open(QStringLiteral("/dev/ttyS0")));
    Receiver rx(port);
    port.setReceiveThreshold(22);
    const QByteArray frame = QByteArray::fromHex("57004010FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF4006");
    port.feed(frame.left(5));
    port.feed(frame.mid(5, 6));
    EXPECT_TRUE(rx.taken.isEmpty());
    port.feed(frame.mid(11));
    ASSERT_EQ(rx.taken.size(), 1);
    EXPECT_EQ(rx.taken.first(), frame);
    EXPECT_EQ(port.inBufferCount(), 0);
}

TEST(FakeSerialPort, ThresholdZeroRaisesNoEventAndUntakenBytesRaiseItAgain)
{
    FakeSerialPort port;
    ASSERT_TRUE(port.open(QStringLiteral("/dev/ttyS0")));
    int events = 0;
    QObject::connect(&port, &SerialPort::received, [&] { ++events; });
    port.feed("abc");
    EXPECT_EQ(events, 0);
    EXPECT_EQ(port.inBufferCount(), 3);
    port.setReceiveThreshold(2);
    port.feed("d"); // 4 waiting: the event; nobody takes them
    port.feed("e");
    EXPECT_EQ(events, 2);
    EXPECT_EQ(port.input(), QByteArray("abcde"));
    port.close();
    port.feed("x"); // a closed port receives nothing
    EXPECT_EQ(port.inBufferCount(), 0);
    EXPECT_EQ(events, 2);
}

TEST(FakeSerialPort, WritesNeedAnOpenPort)
{
    FakeSerialPort port;
    EXPECT_FALSE(port.write("PROGRAM"));
    ASSERT_TRUE(port.openPort(101));
    EXPECT_EQ(port.devicePath(), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_TRUE(port.write("PROGRAM"));
    EXPECT_EQ(port.writes, QList<QByteArray>{QByteArray("PROGRAM")});
    port.openFailure = PortOpenError::Busy;
    EXPECT_FALSE(port.openPort(101));
    EXPECT_EQ(port.lastOpenError(), PortOpenError::Busy);
    EXPECT_FALSE(port.isOpen());
    port.openFailure = PortOpenError::None;
    EXPECT_FALSE(port.openPort(0)); // no port chosen
    EXPECT_EQ(port.lastOpenError(), PortOpenError::NotFound);
    EXPECT_FALSE(port.openPort(1000));
    EXPECT_EQ(port.lastOpenError(), PortOpenError::NotFound);
}

// ---- A real pseudo-terminal ------------------------------------------------------------------

class PtyPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(server.start(&error)) << error.toStdString();
    }
    radiosim::Radio radio;
    radiosim::PtyServer server{radio};
};

TEST_F(PtyPortTest, AReplyInTwoPiecesReachesTheReceiverOnceAndWhole)
{
    for (int i = 0; i < 16; ++i)
        radio.memory[0x40 + i] = static_cast<char>(0xFF);
    radio.faults.split = {{2, 11}}; // reply 2 (the read) comes as 11 + 11 bytes, 80 ms apart
    radio.faults.splitGapMs = 80;

    SystemSerialPort port;
    ASSERT_TRUE(port.open(server.slavePath())) << port.lastErrorText().toStdString();
    Receiver rx(port);
    port.setReceiveThreshold(3);
    ASSERT_TRUE(port.write("PROGRAM"));
    ASSERT_TRUE(WaitUntil([&] { return rx.taken.size() == 1; }, 3000));
    EXPECT_EQ(rx.taken.first(), QByteArray("YK\x06"));

    port.clearInput();
    port.setReceiveThreshold(22);
    ASSERT_TRUE(port.write(QByteArray::fromHex("52004010")));
    ASSERT_TRUE(WaitUntil([&] { return rx.taken.size() == 2; }, 3000));
    testenv::Pump(150); // nothing more may come
    ASSERT_EQ(rx.taken.size(), 2);
    EXPECT_EQ(rx.waitingAtEvent.last(), 22);
    EXPECT_EQ(rx.taken.last(), QByteArray::fromHex("57004010FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF4006"));
    // The radio really sent two pieces with a pause between them.
    EXPECT_EQ(radio.log().last().fault, QStringLiteral("split after 11"));
}

TEST_F(PtyPortTest, PacedBytesCollectUntilTheThreshold)
{
    radio.faults.pace = true;
    SystemSerialPort port;
    ASSERT_TRUE(port.open(server.slavePath()));
    Receiver rx(port);
    port.setReceiveThreshold(3);
    ASSERT_TRUE(port.write("PROGRAM"));
    ASSERT_TRUE(WaitUntil([&] { return !rx.taken.isEmpty(); }, 3000));
    port.setReceiveThreshold(16);
    ASSERT_TRUE(port.write(QByteArray(1, '\x02')));
    ASSERT_TRUE(WaitUntil([&] { return rx.taken.size() == 2; }, 3000));
    EXPECT_EQ(rx.taken.last().size(), 16);
    EXPECT_EQ(rx.taken.last().left(8), QByteArray("ITORVA6Y"));
}

TEST_F(PtyPortTest, ClearInputDropsWhatHasArrived)
{
    SystemSerialPort port;
    ASSERT_TRUE(port.open(server.slavePath()));
    port.setReceiveThreshold(0);
    ASSERT_TRUE(port.write("PROGRAM"));
    ASSERT_TRUE(WaitUntil([&] { return port.inBufferCount() >= 3; }, 3000));
    port.clearInput();
    EXPECT_EQ(port.inBufferCount(), 0);
    EXPECT_TRUE(port.input().isEmpty());
}

TEST_F(PtyPortTest, OpensAPortNumberNamedInTheExtraPorts)
{
    const ScopedEnv env("TORVA_EXTRA_PORTS", "9=" + server.slavePath().toLocal8Bit());
    EXPECT_EQ(DevicePathOfPort(9), server.slavePath());
    SystemSerialPort port;
    ASSERT_TRUE(port.openPort(9)) << port.lastErrorText().toStdString();
    EXPECT_EQ(port.devicePath(), server.slavePath());
    Receiver rx(port);
    port.setReceiveThreshold(3);
    ASSERT_TRUE(port.write("PROGRAM"));
    ASSERT_TRUE(WaitUntil([&] { return !rx.taken.isEmpty(); }, 3000));
    EXPECT_EQ(rx.taken.first(), QByteArray("YK\x06"));
}

// A device without a low-latency setting (a pseudo-terminal has none) refuses the request, and the
// port opens and works all the same (the transfer above ran on such a port).
TEST_F(PtyPortTest, ARefusedLowLatencyRequestChangesNothing)
{
    EXPECT_FALSE(RequestLowLatency(-1));
    const int fd = ::open(QFile::encodeName(server.slavePath()).constData(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    EXPECT_FALSE(RequestLowLatency(fd));
    ::close(fd);
    SystemSerialPort port;
    ASSERT_TRUE(port.open(server.slavePath())) << port.lastErrorText().toStdString();
    EXPECT_TRUE(port.isOpen());
}

// The device going away under an open port (the terminal's other end closed, as an unplugged
// adapter does) closes the port and raises lost(), once.
TEST_F(PtyPortTest, ADeviceThatGoesAwayClosesThePortAndRaisesLost)
{
    SystemSerialPort port;
    ASSERT_TRUE(port.open(server.slavePath())) << port.lastErrorText().toStdString();
    int lost = 0;
    QObject::connect(&port, &SerialPort::lost, [&] { ++lost; });
    server.stop();
    EXPECT_TRUE(WaitUntil([&] { return lost > 0; }, 3000));
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(lost, 1);
    EXPECT_EQ(port.lastOpenError(), PortOpenError::Lost);
}

TEST_F(PtyPortTest, ASecondOpenOfTheSameDeviceIsBusy)
{
    SystemSerialPort first;
    ASSERT_TRUE(first.open(server.slavePath()));
    SystemSerialPort second;
    EXPECT_FALSE(second.open(server.slavePath()));
    EXPECT_EQ(second.lastOpenError(), PortOpenError::Busy);
    first.close();
    EXPECT_TRUE(second.open(server.slavePath()));
}

TEST(SystemSerialPort, AMissingDeviceIsNotFound)
{
    SystemSerialPort port;
    EXPECT_FALSE(port.open(QStringLiteral("/dev/ttyUSB99-no-such-device")));
    EXPECT_EQ(port.lastOpenError(), PortOpenError::NotFound);
    EXPECT_TRUE(port.lastErrorText().contains(QStringLiteral("ttyUSB99")));
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(port.write("x"));
}

TEST(SystemSerialPort, ADeviceWithoutPermissionIsRefusedAsSuch)
{
    SystemSerialPort port;
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may open any device; the permission case needs an ordinary user";
    radiosim::Radio radio;
    radiosim::PtyServer server(radio);
    ASSERT_TRUE(server.start());
    const QByteArray path = server.slavePath().toLocal8Bit();
    ASSERT_EQ(::chmod(path.constData(), 0), 0);
    EXPECT_FALSE(port.open(server.slavePath()));
    EXPECT_EQ(port.lastOpenError(), PortOpenError::NoPermission);
}

// ---- Port numbering --------------------------------------------------------------------------

TEST(SerialPortList, FixedNumbersOfDevices)
{
    const struct {
        const char *path;
        int number;
    } cases[] = {
        {"/dev/ttyS0", 1},     {"/dev/ttyS12", 13},   {"/dev/ttyS99", 100},  {"/dev/ttyS100", 0},
        {"/dev/ttyUSB0", 101}, {"/dev/ttyUSB7", 108}, {"/dev/ttyUSB99", 200}, {"/dev/ttyACM0", 201},
        {"/dev/ttyACM3", 204}, {"/dev/ttyAMA0", 0},   {"/dev/pts/3", 0},     {"/dev/ttyS", 0},
        {"/dev/ttyUSBx", 0},   {"ttyS0", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PortNumberOfDevice(QString::fromLatin1(c.path)), c.number) << c.path;
    const ScopedEnv env("TORVA_EXTRA_PORTS", "");
    EXPECT_EQ(DevicePathOfPort(1), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(DevicePathOfPort(100), QStringLiteral("/dev/ttyS99"));
    EXPECT_EQ(DevicePathOfPort(101), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(DevicePathOfPort(300), QStringLiteral("/dev/ttyACM99"));
    EXPECT_EQ(DevicePathOfPort(0), QString());
    EXPECT_EQ(DevicePathOfPort(301), QString());
}

TEST(SerialPortList, ExtraPortsAreParsedAndTakeThePlaceOfSystemPorts)
{
    const ScopedEnv env("TORVA_EXTRA_PORTS",
                        " 101 = /dev/pts/9 ,7=/dev/ttyXYZ,abc=/dev/a,1000=/dev/b,0=/dev/c,7=/dev/dup,8=,,9");
    const QList<SerialPortEntry> extras = ExtraSerialPorts();
    ASSERT_EQ(extras.size(), 2);
    EXPECT_EQ(extras[0].number, 101);
    EXPECT_EQ(extras[0].devicePath, QStringLiteral("/dev/pts/9"));
    EXPECT_EQ(extras[1].number, 7);
    EXPECT_EQ(extras[1].devicePath, QStringLiteral("/dev/ttyXYZ"));
    EXPECT_EQ(DevicePathOfPort(7), QStringLiteral("/dev/ttyXYZ"));
    EXPECT_EQ(DevicePathOfPort(101), QStringLiteral("/dev/pts/9"));

    SetSystemSerialPortSource([] {
        return QList<SerialPortEntry>{{101, QStringLiteral("/dev/ttyUSB0")}, {3, QStringLiteral("/dev/ttyS2")}};
    });
    const QList<SerialPortEntry> ports = ListSerialPorts();
    SetSystemSerialPortSource({});
    // The system's order stays; its port 101 gives way to the extra port 101.
    ASSERT_EQ(ports.size(), 3);
    EXPECT_EQ(ports[0].number, 3);
    EXPECT_EQ(ports[0].devicePath, QStringLiteral("/dev/ttyS2"));
    EXPECT_EQ(ports[1].number, 101);
    EXPECT_EQ(ports[1].devicePath, QStringLiteral("/dev/pts/9"));
    EXPECT_EQ(ports[2].number, 7);
}

TEST(SerialPortList, MalformedExtraPortsAreReportedOnStandardErrorOncePerValue)
{
    QStringList problems;
    const QList<SerialPortEntry> extras =
        ParseExtraPorts(QStringLiteral("7=/dev/a, 9 ,abc=/dev/b,1000=/dev/c,0=/dev/d,8=,7=/dev/dup,,5=/dev/e"), &problems);
    ASSERT_EQ(extras.size(), 2);
    EXPECT_EQ(extras[1].number, 5);
    const QString expected = QStringLiteral("expected NUMBER=DEVICE, a port number from 1 to 999 and a device path, "
                                            "such as 7=/dev/pts/3");
    EXPECT_EQ(problems,
              (QStringList{"TORVA_EXTRA_PORTS: \"9\" ignored: " + expected,
                           "TORVA_EXTRA_PORTS: \"abc=/dev/b\" ignored: " + expected,
                           "TORVA_EXTRA_PORTS: \"1000=/dev/c\" ignored: " + expected,
                           "TORVA_EXTRA_PORTS: \"0=/dev/d\" ignored: " + expected,
                           "TORVA_EXTRA_PORTS: \"8=\" ignored: " + expected,
                           "TORVA_EXTRA_PORTS: \"7=/dev/dup\" ignored: port 7 is named before; the first entry holds"}));
    problems.clear();
    ParseExtraPorts(QStringLiteral(" 7 = /dev/pts/3 ,,8=/dev/x"), &problems);
    EXPECT_TRUE(problems.isEmpty());

    // The program reads the variable every second while a port window is open: one report per
    // value (a value of its own for each run, so that repeated runs report again).
    static int run = 0;
    const QByteArray value = "7=/dev/a,x" + QByteArray::number(++run);
    const ScopedEnv env("TORVA_EXTRA_PORTS", value);
    testing::internal::CaptureStderr();
    ExtraSerialPorts();
    ExtraSerialPorts();
    DevicePathOfPort(7);
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(printed, "TORVA_EXTRA_PORTS: \"x" + std::to_string(run) + "\" ignored: " + expected.toStdString() + "\n");
}

} // namespace
