// The engine's side of the factory test data: where the test-data steps come in a read and a
// write, that a read takes the test data only when it succeeds, and a time-out at the test-data
// step. The test-data routines themselves belong to the factory mode; here they are played by
// small stand-ins on the engine's own send steps.

#include "data/hooks.h"
#include "data/lang_text.h"
#include "link/frames.h"
#include "link/link_commands.h"
#include "link/radio_link.h"
#include "link_fixture.h"

using namespace linktest;

namespace {

class FactoryPassTest : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        State().TestModeFlag = true;
        radio.factoryWord = "FACTORY";
        radio.memory.replace(0, 16, QByteArray("0123456789ABCDEF"));
        Hooks().SendTestDataRead = [] { LinkSend(ReadRequest(0x0000, 16), AwaitedReply::DataFrame); };
        Hooks().IsTestDataReply = [](const QByteArray &r) { return IsDataFrameFor(r, 0x0000); };
        Hooks().TakeTestDataReply = [this](const QByteArray &r) { taken << r.mid(4, 16); };
        Hooks().TakeTestDataFirstByte = [this](const QByteArray &r) { firstBytes << r.mid(4, 1); };
        Hooks().SendTestDataWrite = [] { LinkSend(DataFrame(0x0000, QByteArray(16, 'x')), AwaitedReply::AckByte); };
        Hooks().StartFactorySession = [] {
            AppState &st = State();
            st.LastPercent = 0;
            st.CurLinkState = LsHandshake;
            st.FactorySessionFlag = true;
            LinkSend(QByteArrayLiteral("FACTORY"), AwaitedReply::HandshakeAck);
        };
        // Taken only before the read's closing message.
        script->onMessage = [this](const PromptCall &c) {
            if (c.text == GetLangText(2004))
                takenAtMessage = static_cast<int>(taken.size());
        };
    }
    QList<QByteArray> taken, firstBytes;
    int takenAtMessage = -1;
};

TEST_F(FactoryPassTest, AReadFetchesTheTestDataAfterThePasswordAndTakesItOnSuccess)
{
    script->answer(vbOK);
    RunProgressWindow();
    ReadRadioCommand();
    EXPECT_EQ(Frames().mid(0, 5), (QStringList{"PROGRAM", "IDENTIFY", "READ 0040", "READ 0000", "READ 0010"}));
    EXPECT_EQ(taken, (QList<QByteArray>{"0123456789ABCDEF"}));
    EXPECT_EQ(takenAtMessage, 1);
    EXPECT_EQ(Messages().last(), GetLangText(2004));
}

TEST_F(FactoryPassTest, AFailedReadLeavesTheTestDataAlone)
{
    radio.faults.drop = {9, 10, 11}; // 0x0050, after the test data arrived
    script->answer(vbOK);
    script->answer(vbCancel);
    RunProgressWindow();
    ReadRadioCommand();
    EXPECT_TRUE(Frames().contains("READ 0000"));
    EXPECT_TRUE(taken.isEmpty());
    EXPECT_EQ(Messages().last(), GetLangText(2006));
}

TEST_F(FactoryPassTest, NoTestDataReplyEndsTheReadAtOnceWithoutAQuestion)
{
    radio.faults.drop = {4};
    script->answer(vbOK);
    RunProgressWindow();
    ReadRadioCommand();
    EXPECT_EQ(Frames().last(), "READ 0000");
    EXPECT_EQ(Messages().mid(1), (QStringList{GetLangText(2006)}));
}

TEST_F(FactoryPassTest, AWriteRunsTheFactoryPassThenTheOrdinaryExchange)
{
    State().RadioData.ChannelCount = 0;
    script->answer(vbOK);
    RunProgressWindow();
    WriteRadioCommand();
    const QStringList frames = Frames();
    EXPECT_EQ(frames.mid(0, 9), (QStringList{"FACTORY", "IDENTIFY", "READ 0040", "READ 0000", "WRITE 0000", "PROGRAM",
                                             "IDENTIFY", "READ 0040", "WRITE 0100"}));
    EXPECT_EQ(firstBytes, (QList<QByteArray>{"0"}));
    EXPECT_TRUE(taken.isEmpty());
    EXPECT_FALSE(State().FactorySessionFlag);
    EXPECT_EQ(Messages().last(), GetLangText(2005));
}

// Retry starts the write again with its factory pass, so that it never ends without the test data.
TEST_F(FactoryPassTest, NoTestDataReplyInAWriteAsksAtOnceAndRetryKeepsTheFactoryPass)
{
    radio.faults.drop = {4};
    State().RadioData.ChannelCount = 0;
    script->answer(vbOK);
    script->answer(vbRetry);
    RunProgressWindow();
    WriteRadioCommand();
    const QStringList frames = Frames();
    EXPECT_EQ(frames.count("READ 0000"), 2);
    EXPECT_EQ(frames.mid(4, 9), (QStringList{"END", "FACTORY", "IDENTIFY", "READ 0040", "READ 0000", "WRITE 0000",
                                             "PROGRAM", "IDENTIFY", "READ 0040"}));
    EXPECT_EQ(firstBytes, (QList<QByteArray>{"0"}));
    EXPECT_EQ(Messages().count(GetLangText(2003)), 1);
    EXPECT_EQ(Messages().last(), GetLangText(2005));
}

class PackFailureTest : public LinkTest {};

TEST_F(PackFailureTest, AWriteWhosePackingFailsSendsNothing)
{
    AppState &st = State();
    st.RadioData.ChannelCount = 1;
    st.ChannelList[0] = NewChannelRecord(1);
    st.ChannelList[0].RxFrequency = QByteArray("4X0000000");
    script->answer(vbOK);
    WriteRadioCommand();
    EXPECT_EQ(Messages().last(), "SetCommDataByFrequencyError");
    EXPECT_TRUE(port.writes.isEmpty());
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(st.CurOperation, OpIdle);
    for (const PromptCall &c : script->calls)
        EXPECT_NE(c.kind, "Modal");
}

} // namespace
