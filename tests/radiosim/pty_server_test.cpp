// The simulated radio on a pseudo-terminal, in-process and as the command-line program, talked to
// through a plain file descriptor (no serial-port code of the program).

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

#include "common/wait_until.h"
#include "radiosim/pty_server.h"
#include "radiosim/radio_sim.h"

using testenv::WaitUntil;

namespace {

// A raw, non-blocking client of a terminal device.
class RawClient {
public:
    explicit RawClient(const QString &path)
    {
        fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd_ >= 0) {
            termios tio{};
            ::tcgetattr(fd_, &tio);
            ::cfmakeraw(&tio);
            ::tcsetattr(fd_, TCSANOW, &tio);
        }
    }
    ~RawClient()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool ok() const { return fd_ >= 0; }
    void send(const QByteArray &b) { ASSERT_EQ(::write(fd_, b.constData(), b.size()), b.size()); }
    // Collects bytes until n have come or timeoutMs have passed (the event loop runs meanwhile).
    QByteArray receive(int n, int timeoutMs = 3000)
    {
        QByteArray got;
        WaitUntil(
            [&] {
                char buf[256];
                ssize_t r;
                while ((r = ::read(fd_, buf, sizeof buf)) > 0)
                    got.append(buf, static_cast<int>(r));
                return got.size() >= n;
            },
            timeoutMs);
        return got;
    }

private:
    int fd_ = -1;
};

TEST(PtyServer, ServesTheRadioOnAPseudoTerminal)
{
    radiosim::Radio radio;
    radiosim::PtyServer server(radio);
    QString error;
    ASSERT_TRUE(server.start(&error)) << error.toStdString();
    ASSERT_TRUE(server.slavePath().startsWith(QStringLiteral("/dev/pts/")));
    RawClient client(server.slavePath());
    ASSERT_TRUE(client.ok());
    client.send("PROGRAM");
    EXPECT_EQ(client.receive(3), QByteArray("YK\x06"));
    client.send(QByteArray(1, '\x02'));
    EXPECT_EQ(client.receive(16).size(), 16);
    client.send("END");
    EXPECT_EQ(client.receive(1), QByteArray(1, '\x06'));
}

TEST(PtyServer, KeepsServingAfterAClientHasClosed)
{
    radiosim::Radio radio;
    radiosim::PtyServer server(radio);
    ASSERT_TRUE(server.start());
    {
        RawClient first(server.slavePath());
        first.send("PROGRAM");
        EXPECT_EQ(first.receive(3), QByteArray("YK\x06"));
    }
    testenv::Pump(50);
    RawClient second(server.slavePath());
    second.send("END");
    EXPECT_EQ(second.receive(1), QByteArray(1, '\x06'));
}

// A line set between the terminal and the radio gets the program's bytes instead of the radio,
// and what it passes on reaches the program.
TEST(PtyServer, AReceiverTakesTheProgramsBytesInsteadOfTheRadio)
{
    radiosim::Radio radio;
    radiosim::PtyServer server(radio);
    ASSERT_TRUE(server.start());
    QByteArray taken;
    server.setReceiver([&](const QByteArray &bytes) { taken += bytes; });
    RawClient client(server.slavePath());
    client.send("PROGRAM");
    ASSERT_TRUE(WaitUntil([&] { return taken == "PROGRAM"; }, 3000));
    EXPECT_TRUE(radio.log().isEmpty());
    EXPECT_TRUE(client.receive(1, 100).isEmpty());
    server.writeMaster("YK\x06");
    EXPECT_EQ(client.receive(3), QByteArray("YK\x06"));
}

#ifdef RADIOSIM_CLI
TEST(RadiosimProgram, PrintsItsDeviceAndServesWithFaultsAndSavesTheMemory)
{
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("after.img"));
    QProcess sim;
    sim.setProgram(QStringLiteral(RADIOSIM_CLI));
    sim.setArguments({QStringLiteral("--password"), QStringLiteral("1234"), QStringLiteral("--drop"),
                      QStringLiteral("2"), QStringLiteral("--save"), saved, QStringLiteral("--quiet")});
    sim.start();
    ASSERT_TRUE(sim.waitForStarted(5000));
    ASSERT_TRUE(WaitUntil([&] { return sim.canReadLine(); }, 5000));
    const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();
    ASSERT_TRUE(path.startsWith(QStringLiteral("/dev/")));
    {
        RawClient client(path);
        ASSERT_TRUE(client.ok());
        client.send("PROGRAM");
        EXPECT_EQ(client.receive(3), QByteArray("YK\x06"));
        client.send(QByteArray(1, '\x02'));                      // reply 2 is dropped
        EXPECT_TRUE(client.receive(16, 300).isEmpty());
        client.send(QByteArray("R") + QByteArray::fromHex("004010")); // reply 3
        const QByteArray block = client.receive(22);
        ASSERT_EQ(block.size(), 22);
        EXPECT_EQ(block.mid(16, 4), QByteArray("1234"));
        QByteArray w = QByteArray::fromHex("57011010") + QByteArray(16, '\x01');
        w.append(static_cast<char>((0x01 + 0x10 + 0x10 + 16) & 0xFF));
        w.append('\x06');
        client.send(w);
        EXPECT_EQ(client.receive(1), QByteArray(1, '\x06'));
        client.send("END");
        EXPECT_EQ(client.receive(1), QByteArray(1, '\x06'));
    }
    ASSERT_TRUE(WaitUntil([&] { return QFileInfo::exists(saved); }, 3000));
    QFile f(saved);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray image = f.readAll();
    ASSERT_EQ(image.size(), 16384);
    EXPECT_EQ(image.mid(0x0110, 16), QByteArray(16, '\x01'));
    sim.terminate();
    EXPECT_TRUE(sim.waitForFinished(5000));
}

TEST(RadiosimProgram, RefusesBadOptionsWithAMessage)
{
    QProcess sim;
    sim.start(QStringLiteral(RADIOSIM_CLI), {QStringLiteral("--drop"), QStringLiteral("x")});
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_NE(sim.exitCode(), 0);
    EXPECT_TRUE(sim.readAllStandardError().contains("reply numbers"));
}
#endif

} // namespace
