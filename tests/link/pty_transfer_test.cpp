// Transfers over a pseudo-terminal: the program's real serial port (QSerialPort) talks to the
// simulated radio, in process and as the command-line program.

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include "common/test_env.h"
#include "common/wait_until.h"
#include "data/app_state.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "link/link_commands.h"
#include "link/radio_link.h"
#include "link/radio_port.h"
#include "link_fixture.h"
#include "platform/serial_port.h"
#include "radiosim/pty_server.h"
#include "radiosim/radio_sim.h"

using namespace linktest;

namespace {

constexpr int kPtyPort = 9;

class PtyTransferTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        testenv::AppTest::SetUp();
        oldExtra_ = qgetenv("TORVA_EXTRA_PORTS");
        InstallRadioPort(&serial);
        State().ComPort = kPtyPort;
    }
    void TearDown() override
    {
        serial.close();
        InstallRadioPort(nullptr);
        qputenv("TORVA_EXTRA_PORTS", oldExtra_);
        testenv::AppTest::TearDown();
    }
    void UseDevice(const QString &path)
    {
        qputenv("TORVA_EXTRA_PORTS", QStringLiteral("%1=%2").arg(kPtyPort).arg(path).toLocal8Bit());
    }
    void RunProgressWindow()
    {
        script->onModal([](QDialog *d) { return ExecBounded(d, 60000); });
    }
    QStringList Messages() const { return MessageTexts(*script); }
    SystemSerialPort serial;

private:
    QByteArray oldExtra_;
};

// The simulated radio served in process.
class InProcessPtyTest : public PtyTransferTest {
protected:
    void SetUp() override
    {
        PtyTransferTest::SetUp();
        QString error;
        ASSERT_TRUE(server.start(&error)) << error.toStdString();
        UseDevice(server.slavePath());
    }
    QStringList Frames() const { return FrameList(radio); }
    radiosim::Radio radio;
    radiosim::PtyServer server{radio};
};

TEST_F(InProcessPtyTest, ReadOverThePseudoTerminal)
{
    for (int i = 0x0010; i < 0x3910; ++i)
        if (!(i >= 0x0100 && i <= 0x013F) && !(i >= 0x0260 && i <= 0x026F) && !(i >= 0x0380 && i <= 0x039F) &&
            !(i >= 0x004C && i <= 0x004F))
            radio.memory[i] = static_cast<char>(i * 13);
    radio.memory[0x0100] = static_cast<char>(0xFE); // channel 1 in use
    std::array<uint8_t, kMemoryImageSize> arrived{};
    QObject::connect(&radio, &radiosim::Radio::sessionEnded, [&] { arrived = State().MemoryImage; });
    script->answer(vbOK);
    RunProgressWindow();
    ReadRadioCommand();
    const QStringList frames = Frames();
    ASSERT_GE(frames.size(), 5);
    EXPECT_EQ(frames.mid(0, 4), (QStringList{"PROGRAM", "IDENTIFY", "READ 0040", "READ 0010"}));
    // Distinct requests: on a loaded machine a late reply may have a request sent twice.
    EXPECT_EQ(QSet<QString>(frames.begin(), frames.end()).size(), 3 + 57 + (855 - 25 - 32 - 200 - 398)); // PROGRAM IDENTIFY END
    EXPECT_TRUE(frames.contains("READ 2010"));
    EXPECT_FALSE(frames.contains("READ 2020"));
    EXPECT_EQ(frames.last(), "END");
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(arrived.data()) + 0x2000, 32), radio.memory.mid(0x2000, 32));
    EXPECT_EQ(Messages().last(), GetLangText(2004));
    EXPECT_FALSE(serial.isOpen());
}

TEST_F(InProcessPtyTest, WriteOverThePseudoTerminal)
{
    State().RadioData.ChannelCount = 1;
    State().ChannelList[0].Number = 7;
    script->answer(vbOK);
    RunProgressWindow();
    WriteRadioCommand();
    EXPECT_EQ(Messages().last(), GetLangText(2005));
    const QStringList writes = Frames().filter("WRITE");
    EXPECT_EQ(QSet<QString>(writes.begin(), writes.end()).size(), State().ProgressTotal);
    for (const QString &f : writes) {
        const int a = f.mid(6).toInt(nullptr, 16);
        EXPECT_EQ(radio.memory.mid(a, 16), QByteArray(reinterpret_cast<const char *>(State().MemoryImage.data()) + a, 16)) << f.toStdString();
    }
}

TEST_F(InProcessPtyTest, InformationReadOverThePseudoTerminal)
{
    int shown = 0;
    Hooks().ShowFrmEMG = [&] { ++shown; };
    ReadRMGDataFromRadio();
    ASSERT_TRUE(testenv::WaitUntil([] { return State().CurOperation == OpIdle; }, 20000));
    EXPECT_EQ(shown, 1);
    const QStringList reads = Frames().filter("READ");
    EXPECT_EQ(QSet<QString>(reads.begin(), reads.end()).size(), 15); // 0x0040 is the password block too
}

TEST_F(InProcessPtyTest, LostRepliesOnABlockThenRetry)
{
    radio.faults.drop = {8, 9, 10}; // 0x0050
    script->answer(vbOK);
    script->answer(vbRetry);
    RunProgressWindow();
    ReadRadioCommand();
    const QStringList frames = Frames();
    const int restart = static_cast<int>(frames.indexOf("END"));
    ASSERT_GT(restart, 0);
    EXPECT_EQ(frames.mid(restart, 5), (QStringList{"END", "PROGRAM", "IDENTIFY", "READ 0040", "READ 0050"}));
    EXPECT_EQ(Messages().last(), GetLangText(2004));
}

#ifdef RADIOSIM_CLI
// The simulated radio as its own program, with its faults given on the command line.
class ProgramPtyTest : public PtyTransferTest {
protected:
    bool StartSim(const QStringList &arguments)
    {
        sim.setProgram(QStringLiteral(RADIOSIM_CLI));
        sim.setArguments(arguments + QStringList{QStringLiteral("--quiet")});
        sim.start();
        if (!sim.waitForStarted(5000) || !testenv::WaitUntil([&] { return sim.canReadLine(); }, 5000))
            return false;
        UseDevice(QString::fromLocal8Bit(sim.readLine()).trimmed());
        return true;
    }
    void TearDown() override
    {
        sim.terminate();
        sim.waitForFinished(5000);
        PtyTransferTest::TearDown();
    }
    QProcess sim;
};

TEST_F(ProgramPtyTest, WriteThroughTheSimulatorProgramReachesItsMemory)
{
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("after.img"));
    ASSERT_TRUE(StartSim({QStringLiteral("--save"), saved, QStringLiteral("--drop"), QStringLiteral("5")}));
    State().RadioData.ChannelCount = 1;
    State().ChannelList[0].Number = 2;
    script->answer(vbOK);
    RunProgressWindow();
    WriteRadioCommand();
    EXPECT_EQ(Messages().last(), GetLangText(2005));
    ASSERT_TRUE(testenv::WaitUntil([&] { return QFile(saved).size() == kMemoryImageSize; }, 5000));
    const QByteArray image = testenv::ReadAll(saved);
    // Channel 2 and the settings blocks went; channel 1 did not.
    for (int a : {0x0100, 0x0220, 0x2020, 0x2030, 0x3900})
        EXPECT_EQ(image.mid(a, 16), QByteArray(reinterpret_cast<const char *>(State().MemoryImage.data()) + a, 16)) << a;
    EXPECT_EQ(image.mid(0x2000, 32), QByteArray(32, '\0'));
}

TEST_F(ProgramPtyTest, ASilentRadioProgramEndsInTheQuestion)
{
    ASSERT_TRUE(StartSim({QStringLiteral("--drop"), QStringLiteral("1,2,3")}));
    script->answer(vbOK);
    script->answer(vbCancel);
    RunProgressWindow();
    ReadRadioCommand();
    EXPECT_EQ(Messages().mid(1), (QStringList{GetLangText(2003), GetLangText(2006)}));
}
#endif

} // namespace
