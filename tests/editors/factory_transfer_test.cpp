// The factory test data carried by reads and writes against the simulated radio, with the
// program's own factory frames (registered as the editors register them): the frame order, the
// bytes that reach the radio and the program, byte 0 kept from the radio, and the time-outs.

#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QPushButton>

#include "common/bytes.h"
#include "data/data_file.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "editors/editor_hooks.h"
#include "editors/settings/test_data_mode.h"
#include "link/frames.h"
#include "link/frm_pass_word.h"
#include "link/link_commands.h"
#include "platform/form_kit.h"
#include "link/link_fixture.h"
#include "link/radio_port.h"
#include "platform/serial_port.h"

using namespace linktest;
using testenv::Bytes;

namespace {

const QByteArray kRadioTestData = Bytes({0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xAA, 0xAB, 0xAC,
                                         0xAD, 0xAE, 0xAF});
const TestDataBlock kPcTestData{0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17,
                                0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F};

QByteArray BlockBytes(const TestDataBlock &b) { return QByteArray(reinterpret_cast<const char *>(b.data()), 16); }

class FactoryTransferTest : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        RegisterEditorHooks();
        Hooks().ShowFrmEMG = nullptr;
        State().TestModeFlag = true;
        State().RadioData.ChannelCount = 0;
        State().CurTestData = kPcTestData;
        State().SavedTestData = kPcTestData;
        radio.factoryWord = FactoryEntryWord();
        radio.memory.replace(0, 16, kRadioTestData);
    }
    void Write()
    {
        script->answer(vbOK);
        RunProgressWindow();
        WriteRadioCommand();
    }
    void Read()
    {
        script->answer(vbOK);
        RunProgressWindow();
        ReadRadioCommand();
    }
    // The test data the write left in the radio: its own byte 0, the PC's bytes 1..15.
    static QByteArray Mixed() { return kRadioTestData.left(1) + BlockBytes(kPcTestData).mid(1); }
};

TEST_F(FactoryTransferTest, AReadTakesAllSixteenBytesAfterThePasswordBlock)
{
    Read();
    const QStringList frames = Frames();
    EXPECT_EQ(frames.mid(0, 5), (QStringList{"PROGRAM", "IDENTIFY", "READ 0040", "READ 0000", "READ 0010"}));
    EXPECT_EQ(frames.count("READ 0000"), 1);
    EXPECT_FALSE(frames.contains("FACTORY"));
    EXPECT_EQ(BlockBytes(State().CurTestData), kRadioTestData);
    EXPECT_EQ(BlockBytes(State().SavedTestData), kRadioTestData);
    EXPECT_FALSE(IsDataModified());
    EXPECT_EQ(Messages().last(), GetLangText(2004));
}

TEST_F(FactoryTransferTest, AWriteRunsTheFactoryPassAndTheRadioKeepsItsByteZero)
{
    Write();
    const QStringList frames = Frames();
    EXPECT_EQ(frames.mid(0, 9), (QStringList{"FACTORY", "IDENTIFY", "READ 0040", "READ 0000", "WRITE 0000", "PROGRAM",
                                             "IDENTIFY", "READ 0040", "WRITE 0100"}));
    EXPECT_EQ(frames.last(), "END");
    // The test-data write frame, byte for byte.
    QByteArray expected = Bytes({'W', 0x00, 0x00, 0x10}) + Mixed();
    int sum = 0;
    for (int i = 1; i < expected.size(); ++i)
        sum += static_cast<uint8_t>(expected[i]);
    expected += Bytes({sum & 0xFF, 0x06});
    EXPECT_EQ(radio.log()[4].frame, expected);
    EXPECT_EQ(radio.log()[0].frame, FactoryEntryWord());
    EXPECT_EQ(radio.memory.left(16), Mixed());
    EXPECT_EQ(BlockBytes(State().CurTestData), Mixed());
    // The radio's byte 0 differs from the saved copy: an unsaved change.
    EXPECT_TRUE(IsDataModified());
    EXPECT_FALSE(State().FactorySessionFlag);
    EXPECT_EQ(Messages().last(), GetLangText(2005));
}

TEST_F(FactoryTransferTest, OutsideFactoryModeNoTestDataFrameIsSent)
{
    State().TestModeFlag = false;
    Write();
    Read();
    for (const QString &f : Frames()) {
        EXPECT_NE(f, "FACTORY");
        EXPECT_NE(f, "READ 0000");
        EXPECT_NE(f, "WRITE 0000");
    }
    EXPECT_EQ(Frames().first(), "PROGRAM");
    EXPECT_EQ(radio.memory.left(16), kRadioTestData);
    EXPECT_EQ(State().CurTestData, kPcTestData);
}

TEST_F(FactoryTransferTest, NoTestDataReplyEndsAReadAtOnceAndChangesNothing)
{
    radio.faults.drop = {4};
    Read();
    EXPECT_EQ(Frames().last(), "READ 0000");
    EXPECT_EQ(Messages().mid(1), (QStringList{GetLangText(2006)}));
    EXPECT_EQ(State().CurTestData, kPcTestData);
}

TEST_F(FactoryTransferTest, TheEntryWordIsSentThreeTimesBeforeTheQuestion)
{
    radio.faults.drop = {1, 2, 3};
    script->answer(vbOK);
    script->answer(vbCancel);
    RunProgressWindow();
    WriteRadioCommand();
    EXPECT_EQ(Frames(), (QStringList{"FACTORY", "FACTORY", "FACTORY"}));
    EXPECT_EQ(Messages().mid(1), (QStringList{GetLangText(2003), GetLangText(2007)}));
    EXPECT_EQ(radio.memory.left(16), kRadioTestData);
}

// A time-out at the test-data step asks at once; Retry starts the write again with its factory
// pass, so the write never succeeds without the test data. Cancel fails it.
TEST_F(FactoryTransferTest, ATestDataTimeOutAsksAtOnceAndRetryKeepsTheFactoryPass)
{
    radio.faults.drop = {4};
    script->answer(vbOK);
    script->answer(vbRetry);
    RunProgressWindow();
    WriteRadioCommand();
    const QStringList frames = Frames();
    EXPECT_EQ(frames.mid(0, 12), (QStringList{"FACTORY", "IDENTIFY", "READ 0040", "READ 0000", "END", "FACTORY",
                                              "IDENTIFY", "READ 0040", "READ 0000", "WRITE 0000", "PROGRAM", "IDENTIFY"}));
    EXPECT_EQ(Messages().count(GetLangText(2003)), 1);
    EXPECT_EQ(Messages().last(), GetLangText(2005));
    EXPECT_EQ(radio.memory.left(16), Mixed());

    script->clear();
    radio.clearLog();
    radio.resetReplyCount();
    radio.memory.replace(0, 16, kRadioTestData);
    script->answer(vbOK);
    script->answer(vbCancel);
    RunProgressWindow();
    WriteRadioCommand();
    EXPECT_EQ(Frames(), (QStringList{"FACTORY", "IDENTIFY", "READ 0040", "READ 0000"}));
    EXPECT_EQ(Messages().last(), GetLangText(2007));
    EXPECT_EQ(radio.memory.left(16), kRadioTestData);
}

// Once the test data were written, a Retry in the ordinary write does not send them again.
TEST_F(FactoryTransferTest, ARetryAfterTheFactoryPassRestartsTheOrdinaryWriteOnly)
{
    radio.faults.drop = {9, 10, 11}; // the three sends of the first memory block
    script->answer(vbOK);
    script->answer(vbRetry);
    RunProgressWindow();
    WriteRadioCommand();
    const QStringList frames = Frames();
    EXPECT_EQ(frames.mid(8, 8), (QStringList{"WRITE 0100", "WRITE 0100", "WRITE 0100", "END", "PROGRAM", "IDENTIFY",
                                             "READ 0040", "WRITE 0100"}));
    EXPECT_EQ(frames.count("FACTORY"), 1);
    EXPECT_EQ(frames.count("WRITE 0000"), 1);
    EXPECT_EQ(Messages().last(), GetLangText(2005));
    EXPECT_EQ(radio.memory.left(16), Mixed());
}

TEST_F(FactoryTransferTest, APasswordRestartKeepsTheFactoryPass)
{
    radio.setPassword("12AB");
    script->answer(vbOK);
    RunProgressWindow();
    script->onModal([](QDialog *d) {
        auto *w = qobject_cast<FrmPassWord *>(d);
        w->Text1->setText("12AB");
        w->CommandOK->click();
        return d->result();
    });
    WriteRadioCommand();
    EXPECT_EQ(Frames().mid(0, 10), (QStringList{"FACTORY", "IDENTIFY", "READ 0040", "END", "FACTORY", "IDENTIFY",
                                                "READ 0040", "READ 0000", "WRITE 0000", "PROGRAM"}));
    EXPECT_EQ(Messages().last(), GetLangText(2005));
    EXPECT_EQ(radio.memory.left(16), Mixed());
}

#ifdef RADIOSIM_CLI
// A factory write through the real serial port to the simulated radio as its own program.
class FactoryProgramPtyTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        RegisterEditorHooks();
        oldExtra_ = qgetenv("TORVA_EXTRA_PORTS");
        InstallRadioPort(&serial);
        State().ComPort = 9;
        State().TestModeFlag = true;
        State().RadioData.ChannelCount = 0;
        State().CurTestData = kPcTestData;
    }
    void TearDown() override
    {
        sim.terminate();
        sim.waitForFinished(5000);
        serial.close();
        InstallRadioPort(nullptr);
        qputenv("TORVA_EXTRA_PORTS", oldExtra_);
        AppTest::TearDown();
    }
    QProcess sim;
    SystemSerialPort serial;

private:
    QByteArray oldExtra_;
};

TEST_F(FactoryProgramPtyTest, TheTestDataReachTheRadioProgram)
{
    QTemporaryDir dir;
    const QString before = dir.filePath(QStringLiteral("before.img"));
    const QString after = dir.filePath(QStringLiteral("after.img"));
    QByteArray image = radiosim::Radio::DefaultMemory();
    image.replace(0, 16, kRadioTestData);
    ASSERT_TRUE(testenv::WriteAll(before, image));
    sim.setProgram(QStringLiteral(RADIOSIM_CLI));
    sim.setArguments({QStringLiteral("--image"), before, QStringLiteral("--save"), after, QStringLiteral("--factory-word"),
                      QString::fromLatin1(FactoryEntryWord()), QStringLiteral("--quiet")});
    sim.start();
    ASSERT_TRUE(sim.waitForStarted(5000));
    ASSERT_TRUE(testenv::WaitUntil([&] { return sim.canReadLine(); }, 5000));
    qputenv("TORVA_EXTRA_PORTS", "9=" + sim.readLine().trimmed());

    script->answer(vbOK);
    script->onModal([](QDialog *d) { return ExecBounded(d, 60000); });
    WriteRadioCommand();
    EXPECT_EQ(MessageTexts(*script).last(), GetLangText(2005));
    ASSERT_TRUE(testenv::WaitUntil([&] { return QFile(after).size() == kMemoryImageSize; }, 5000));
    EXPECT_EQ(testenv::ReadAll(after).left(16), kRadioTestData.left(1) + BlockBytes(kPcTestData).mid(1));
    EXPECT_EQ(State().CurTestData[0], 0xA0);
}
#endif

// A reply is the test data only with address 0000, its own length of at least 16 matching its
// size, the end byte and a right checksum.
class TestDataReplyTest : public testenv::AppTest {};

TEST_F(TestDataReplyTest, OnlyAWholeFrameForAddressZeroIsTaken)
{
    State().ReplySkip = 0;
    const QByteArray good = DataFrame(0x0000, kRadioTestData);
    QByteArray badSum = good;
    badSum[20] = static_cast<char>(badSum[20] + 1);
    QByteArray noEnd = good;
    noEnd[21] = 0x07;
    const struct {
        const char *what;
        QByteArray reply;
        bool taken;
    } cases[] = {
        {"good", good, true},
        {"address 0001", DataFrame(0x0001, kRadioTestData), false},
        {"wrong checksum", badSum, false},
        {"no end byte", noEnd, false},
        {"one byte longer", good + '\x06', false},
        {"one byte shorter", good.left(21), false},
        {"length below 16", DataFrame(0x0000, kRadioTestData.left(15)), false},
        {"longer block, own length", DataFrame(0x0000, kRadioTestData + 'x'), true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsTestDataReply(c.reply), c.taken) << c.what;

    State().CurTestData = kPcTestData;
    TakeTestDataFirstByte(good);
    EXPECT_EQ(BlockBytes(State().CurTestData), kRadioTestData.left(1) + BlockBytes(kPcTestData).mid(1));
    TakeTestDataReply(good);
    EXPECT_EQ(BlockBytes(State().CurTestData), kRadioTestData);
}

} // namespace
