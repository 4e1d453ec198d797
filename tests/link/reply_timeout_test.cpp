// Replies that do not come, come spoilt or come as a resend request: the send counters, the three
// kinds of Retry/Cancel question, the restart with the end command, and what a failed transfer
// leaves behind.

#include <QTimer>

#include "data/hooks.h"
#include "data/lang_text.h"
#include "link/frames.h"
#include "link/link_commands.h"
#include "link/radio_link.h"
#include "link_fixture.h"

using namespace linktest;

namespace {

class ReplyTimeoutTest : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        FillRadioPattern();
        UseChannel(1);
        // Something to tell whether a failed read touched the records.
        State().RadioData.Pf1KeyFunction = 4;
        State().SavedRadioData.Pf1KeyFunction = 4;
        State().ChannelList[0].Number = 9;
        State().SavedChannelList[0].Number = 9;
        State().CurFileName = "/data/mine.dat";
        State().FileUntitled = false;
        before_ = State().RadioData;
        savedBefore_ = State().SavedRadioData;
        channelsBefore_ = State().ChannelList;
        // Whether the port was open when each question was asked.
        script->onMessage = [this](const PromptCall &c) {
            if (c.text == GetLangText(2003))
                portOpenAtQuestion << port.isOpen();
        };
    }

    void ExpectNothingTaken()
    {
        EXPECT_EQ(State().RadioData, before_);
        EXPECT_EQ(State().SavedRadioData, savedBefore_);
        EXPECT_EQ(State().ChannelList, channelsBefore_);
        EXPECT_EQ(State().CurFileName, "/data/mine.dat");
        EXPECT_FALSE(State().FileUntitled);
    }

    int Questions() const { return static_cast<int>(Messages().count(GetLangText(2003))); }

    void Read(std::initializer_list<int> answers)
    {
        script->answer(vbOK);
        for (int a : answers)
            script->answer(a);
        RunProgressWindow();
        ReadRadioCommand();
    }

    QList<bool> portOpenAtQuestion;
    RadioDataRecord before_, savedBefore_;
    std::array<ChannelRecord, kChannelSlots> channelsBefore_;
};

TEST_F(ReplyTimeoutTest, SilentRadioCostsThreeHandshakesThenAsksWithThePortClosed)
{
    port.onWrite = nullptr; // nothing reaches the radio
    // Each handshake waits out the 300 ms reply timer, a precise one (a coarse timer may fire up
    // to 5 % early).
    EXPECT_EQ(Link().WaitTimer.interval(), 300);
    EXPECT_EQ(Link().WaitTimer.timerType(), Qt::PreciseTimer);
    Read({vbCancel});
    EXPECT_EQ(port.writes, (QList<QByteArray>{"PROGRAM", "PROGRAM", "PROGRAM"}));
    EXPECT_EQ(Questions(), 1);
    EXPECT_EQ(script->messages()[1].style, vbRetryCancel);
    EXPECT_EQ(portOpenAtQuestion, (QList<bool>{false}));
    EXPECT_EQ(Messages().last(), GetLangText(2006));
    ExpectNothingTaken();
    EXPECT_EQ(State().CurOperation, OpIdle);
}

TEST_F(ReplyTimeoutTest, RetryAfterASilentHandshakeReopensThePortAndRestartsWithEnd)
{
    const auto connectRadio = [this] { port.onWrite = [this](const QByteArray &b) { radio.receive(b); }; };
    port.onWrite = nullptr;
    script->onMessage = [&, connectRadio](const PromptCall &c) {
        if (c.text == GetLangText(2003)) {
            portOpenAtQuestion << port.isOpen();
            connectRadio(); // the user switches the radio on
        }
    };
    Read({vbRetry});
    EXPECT_EQ(port.opens.size(), 2);
    EXPECT_EQ(Frames().mid(0, 4), (QStringList{"END", "PROGRAM", "IDENTIFY", "READ 0040"}));
    EXPECT_EQ(Messages().last(), GetLangText(2004));
    EXPECT_EQ(portOpenAtQuestion, (QList<bool>{false}));
}

TEST_F(ReplyTimeoutTest, EachStepAsksItsKindOfQuestionAfterThreeSends)
{
    struct Case {
        QSet<int> drop;        // replies the radio loses
        QString step;          // the frame sent three times
        bool portOpen;         // at the question
    };
    // Replies: 1 handshake, 2 identify, 3 password block, 4.. the blocks from 0x0010 (0x0050 is 8).
    const Case cases[] = {
        {{2, 3, 4}, "IDENTIFY", false},
        {{3, 4, 5}, "READ 0040", true},
        {{8, 9, 10}, "READ 0050", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.step.toStdString());
        radio.faults.drop = c.drop;
        radio.resetReplyCount();
        radio.clearLog();
        script->clear();
        portOpenAtQuestion.clear();
        Read({vbCancel});
        EXPECT_EQ(Frames().count(c.step), 3);
        EXPECT_EQ(Frames().last(), c.step); // nothing after the question: no end command
        EXPECT_EQ(portOpenAtQuestion, (QList<bool>{c.portOpen}));
        EXPECT_EQ(Messages().last(), GetLangText(2006));
        EXPECT_FALSE(port.isOpen());
        ExpectNothingTaken();
    }
}

TEST_F(ReplyTimeoutTest, RetryOnABlockResumesWithThatSameBlock)
{
    radio.faults.drop = {8, 9, 10}; // block 0x0050, three times
    Read({vbRetry});
    const QStringList frames = Frames();
    const int restart = static_cast<int>(frames.indexOf("END"));
    ASSERT_GT(restart, 0);
    EXPECT_EQ(frames.mid(restart, 6), (QStringList{"END", "PROGRAM", "IDENTIFY", "READ 0040", "READ 0050", "READ 0060"}));
    EXPECT_EQ(frames.count("READ 0050"), 4);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(State().MemoryImage.data()) + 0x50, 16), radio.memory.mid(0x50, 16));
    EXPECT_EQ(Messages().last(), GetLangText(2004));
    EXPECT_EQ(portOpenAtQuestion, (QList<bool>{true}));
    // The block went twice but counted once: the second pass ends on its own total.
    EXPECT_EQ(State().ProgressCount, State().ProgressTotal);
    const QStringList expected = QStringList{"PROGRAM", "IDENTIFY", "READ 0040", "READ 0010", "READ 0020",
                                             "READ 0030", "READ 0040", "READ 0050", "READ 0050", "READ 0050",
                                             "END", "PROGRAM", "IDENTIFY", "READ 0040"} +
                                 ExpectedReadWalk().mid(4) + QStringList{"END"};
    EXPECT_EQ(frames, expected);
}

TEST_F(ReplyTimeoutTest, RetryOnAWriteBlockSendsThatBlockAgain)
{
    State().RadioData.ChannelCount = 0;
    radio.faults.drop = {5, 6, 7}; // the acknowledgement of the second frame, 0x0110
    script->answer(vbOK);
    script->answer(vbRetry);
    RunProgressWindow();
    WriteRadioCommand();
    const QStringList frames = Frames();
    const int restart = static_cast<int>(frames.indexOf("END"));
    EXPECT_EQ(frames.mid(restart, 6), (QStringList{"END", "PROGRAM", "IDENTIFY", "READ 0040", "WRITE 0110", "WRITE 0120"}));
    EXPECT_EQ(Messages().last(), GetLangText(2005));
}

TEST_F(ReplyTimeoutTest, EachBlockHasItsOwnCounter)
{
    // Two lost replies on 0x0050, one on each of 0x0060 and 0x0070.
    radio.faults.drop = {8, 9, 11, 13};
    Read({});
    EXPECT_EQ(Questions(), 0);
    EXPECT_EQ(Frames().count("READ 0050"), 3);
    EXPECT_EQ(Frames().count("READ 0060"), 2);
    EXPECT_EQ(Messages().last(), GetLangText(2004));
}

TEST_F(ReplyTimeoutTest, ASpoiltReplyIsAskedForAgain)
{
    radio.faults.corrupt = {8};      // a wrong checksum on 0x0050
    radio.faults.garbage = {11};     // noise instead of 0x0070
    radio.faults.split = {{13, 10}}; // 0x0080 in two pieces: still one reply
    Read({});
    EXPECT_EQ(Frames().count("READ 0050"), 2);
    EXPECT_EQ(Frames().count("READ 0070"), 2);
    EXPECT_EQ(Frames().count("READ 0080"), 1);
    EXPECT_EQ(Questions(), 0);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(State().MemoryImage.data()) + 0x50, 16), radio.memory.mid(0x50, 16));
    EXPECT_EQ(Messages().last(), GetLangText(2004));
}

TEST_F(ReplyTimeoutTest, ResendRequestsOfAWriteAreObeyedWithoutCounting)
{
    radio.faults.resendCount = 5;
    radio.faults.resendAddress = 0x0100;
    script->answer(vbOK);
    RunProgressWindow();
    WriteRadioCommand();
    EXPECT_EQ(Frames().count("WRITE 0100"), 6);
    EXPECT_EQ(Questions(), 0);
    EXPECT_EQ(Messages().last(), GetLangText(2005));
}

TEST_F(ReplyTimeoutTest, ARadioThatAlwaysAsksAgainIsLeftByClosingTheWindow)
{
    radio.faults.resendCount = 1 << 30;
    script->answer(vbOK);
    script->onModal([](QDialog *d) {
        QTimer::singleShot(400, d, &QDialog::reject);
        return ExecBounded(d);
    });
    WriteRadioCommand();
    EXPECT_GT(Frames().count("WRITE 0100"), 3);
    EXPECT_EQ(Messages().last(), GetLangText(2007));
    EXPECT_EQ(State().CurOperation, OpIdle);
    EXPECT_FALSE(port.isOpen());
}

TEST_F(ReplyTimeoutTest, NoAnswerToTheFinalEndStillCountsAsDone)
{
    port.onWrite = [this](const QByteArray &b) {
        if (b != "END")
            radio.receive(b);
    };
    script->answer(vbOK);
    RunProgressWindow();
    WriteRadioCommand();
    EXPECT_EQ(port.writes.count("END"), 1);
    EXPECT_EQ(Messages().last(), GetLangText(2005));
}

TEST_F(ReplyTimeoutTest, NoAnswerToTheEndOfARestartAsksAtOnceWithThePortOpen)
{
    radio.faults.drop = {2, 3, 4}; // identify: question A
    port.onWrite = [this](const QByteArray &b) {
        if (b != "END")
            radio.receive(b);
    };
    Read({vbRetry, vbCancel});
    EXPECT_EQ(Questions(), 2);
    EXPECT_EQ(portOpenAtQuestion, (QList<bool>{false, true}));
    EXPECT_EQ(port.writes.count("END"), 1);
    EXPECT_EQ(Messages().last(), GetLangText(2006));
    ExpectNothingTaken();
}

TEST_F(ReplyTimeoutTest, InformationReadAsksNothingAndFails)
{
    radio.faults.drop = {8, 9, 10};
    int shown = 0;
    Hooks().ShowFrmEMG = [&] { ++shown; };
    ReadRMGDataFromRadio();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Questions(), 0);
    EXPECT_EQ(Messages(), (QStringList{GetLangText(2008)}));
    EXPECT_EQ(shown, 0);
}

TEST_F(ReplyTimeoutTest, RepliesThatComeWhileAQuestionIsOpenAreDropped)
{
    radio.faults.drop = {8, 9, 10};
    script->onMessage = [this](const PromptCall &c) {
        if (c.text != GetLangText(2003))
            return;
        // The lost reply turns up late, while the user is being asked.
        port.feed(DataFrame(0x0050, radio.memory.mid(0x50, 16)));
        EXPECT_EQ(State().CurLinkState, LsBlocks);
        EXPECT_EQ(State().LinkAddress, 0x0050);
    };
    Read({vbCancel});
    EXPECT_EQ(Messages().last(), GetLangText(2006));
    EXPECT_EQ(Frames().last(), "READ 0050");
}

TEST_F(ReplyTimeoutTest, APortThatCannotBeReopenedAtARetryIsReportedAndEndsTheTransfer)
{
    port.onWrite = nullptr;
    script->onMessage = [this](const PromptCall &c) {
        if (c.text == GetLangText(2003))
            port.openFailure = PortOpenError::NotFound; // the cable was pulled
    };
    Read({vbRetry});
    const QStringList m = Messages();
    ASSERT_EQ(m.size(), 4);
    EXPECT_EQ(m[1], GetLangText(2003));
    EXPECT_TRUE(m[2].startsWith(GetLangText(2002)));
    EXPECT_EQ(m[3], GetLangText(2006));
    // Nothing was sent after the question: only the three handshakes before it.
    EXPECT_EQ(port.writes, (QList<QByteArray>{"PROGRAM", "PROGRAM", "PROGRAM"}));
    EXPECT_FALSE(port.isOpen());
    ExpectNothingTaken();
    EXPECT_EQ(State().CurOperation, OpIdle);
}

// A port lost while a question about a silent block is open (the port stays open for that kind)
// is reopened by the Retry before anything is sent, and the read goes on.
TEST_F(ReplyTimeoutTest, RetryReopensAPortLostDuringTheQuestionBeforeSending)
{
    radio.faults.drop = {5, 6, 7}; // the block after the first one is lost three times
    QList<int> opensAtWrite;
    port.onWrite = [this, &opensAtWrite](const QByteArray &b) {
        opensAtWrite << static_cast<int>(port.opens.size());
        radio.receive(b);
    };
    script->onMessage = [this](const PromptCall &c) {
        if (c.text == GetLangText(2003)) {
            portOpenAtQuestion << port.isOpen();
            port.loseDevice();
        }
    };
    Read({vbRetry});
    EXPECT_EQ(portOpenAtQuestion, (QList<bool>{true}));
    ASSERT_EQ(port.opens.size(), 2);
    // Every frame after the question went out on the reopened port.
    const int question = static_cast<int>(port.writes.lastIndexOf("END", port.writes.size() - 2));
    ASSERT_GT(question, 0);
    EXPECT_EQ(opensAtWrite[question - 1], 1);
    EXPECT_EQ(opensAtWrite[question], 2);
    EXPECT_EQ(Messages().last(), GetLangText(2004));
}

// A port that fails during a transfer (an unplugged adapter) is noticed at once: no question and
// no waiting for replies that cannot come; the port closes, key 2002 says why, and the transfer
// ends as failed with nothing taken.
TEST_F(ReplyTimeoutTest, APortThatFailsDuringATransferEndsItAtOnce)
{
    enum class Fault { WriteFails, PortError };
    const struct {
        Fault fault;
        bool write;
    } cases[] = {{Fault::WriteFails, false}, {Fault::PortError, false}, {Fault::WriteFails, true}, {Fault::PortError, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "write " << c.write << ", fault " << static_cast<int>(c.fault));
        ResetState();
        State().MSComm1 = &port;
        State().ComPort = kTestPort;
        State().CurFileName = "/data/mine.dat";
        State().FileUntitled = false;
        before_ = State().RadioData;
        savedBefore_ = State().SavedRadioData;
        channelsBefore_ = State().ChannelList;
        script->clear();
        port.writes.clear();
        port.failWrites = false;
        const QByteArray radioBefore = radio.memory;
        int frames = 0;
        port.onWrite = [&](const QByteArray &b) {
            // The adapter goes at the fourth block of the walk.
            if (++frames == 7) {
                if (c.fault == Fault::WriteFails)
                    port.failWrites = true;
                else
                    QTimer::singleShot(0, &port, [this] { port.loseDevice(); });
            }
            radio.receive(b);
        };
        const int closesBefore = port.closeCount;
        script->answer(vbOK);
        RunProgressWindow();
        if (c.write)
            WriteRadioCommand();
        else
            ReadRadioCommand();
        const QStringList m = Messages();
        ASSERT_EQ(m.size(), 3) << m.join(" | ").toStdString();
        EXPECT_TRUE(m[1].startsWith(GetLangText(2002)));
        EXPECT_TRUE(m[1].endsWith(GetLangText(2023))) << m[1].toStdString();
        EXPECT_EQ(m[2], GetLangText(c.write ? 2007 : 2006));
        EXPECT_EQ(Questions(), 0);
        EXPECT_FALSE(port.isOpen());
        EXPECT_GT(port.closeCount, closesBefore);
        // Nothing was sent after the failure.
        EXPECT_LE(port.writes.size(), 7);
        EXPECT_FALSE(Link().WaitTimer.isActive());
        EXPECT_EQ(State().CurOperation, OpIdle);
        if (c.write) {
            // A write reads nothing into the records (its packing may tidy RadioData as on any write).
            EXPECT_EQ(State().ChannelList, channelsBefore_);
            EXPECT_EQ(State().CurFileName, "/data/mine.dat");
            EXPECT_FALSE(State().FileUntitled);
        } else {
            ExpectNothingTaken();
        }
        radio.memory = radioBefore;
        port.failWrites = false;
    }
}

} // namespace
