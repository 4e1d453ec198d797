// The send steps and OpenRadioPort on the in-process port.

#include <gtest/gtest.h>

#include "common/test_env.h"
#include "data/app_state.h"
#include "data/lang_text.h"
#include "link/frames.h"
#include "link/radio_port.h"
#include "platform/fake_serial_port.h"

namespace {

class RadioPortTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        InstallRadioPort(&port);
        State().ComPort = 1;
    }
    void TearDown() override
    {
        InstallRadioPort(nullptr);
        AppTest::TearDown();
    }
    FakeSerialPort port;
};

struct ThresholdCase {
    const char *name;
    QByteArray frame;
    AwaitedReply awaited;
    int skipWithEcho;
    int thresholdNoEcho;
    int thresholdWithEcho;
};

TEST_F(RadioPortTest, SendStepsSetEchoSkipAndReceiveThreshold)
{
    const ThresholdCase cases[] = {
        {"program", ProgramCommand(), AwaitedReply::HandshakeAck, 7, 3, 10},
        {"identify", IdentifyRequest(), AwaitedReply::IdentifyReply, 1, 16, 17},
        {"read", ReadRequest(0x0040, 16), AwaitedReply::DataFrame, 4, 22, 26},
        {"write", DataFrame(0x0100, QByteArray(16, '\0')), AwaitedReply::AckByte, 22, 1, 23},
        {"end", EndCommand(), AwaitedReply::AckByte, 3, 1, 4},
    };
    ASSERT_TRUE(port.openPort(1));
    for (const ThresholdCase &c : cases) {
        State().NoEchoFlag = -1;
        State().ReplySkip = 99;
        ASSERT_TRUE(SendLinkFrame(c.frame, c.awaited, {})) << c.name;
        EXPECT_EQ(State().ReplySkip, 0) << c.name;
        EXPECT_EQ(port.receiveThreshold(), c.thresholdNoEcho) << c.name;
        EXPECT_EQ(port.writes.last(), c.frame) << c.name;

        State().NoEchoFlag = 0;
        ASSERT_TRUE(SendLinkFrame(c.frame, c.awaited, {})) << c.name;
        EXPECT_EQ(State().ReplySkip, c.skipWithEcho) << c.name;
        EXPECT_EQ(port.receiveThreshold(), c.thresholdWithEcho) << c.name;
    }
}

TEST_F(RadioPortTest, SendEmptiesBothBuffersAndStartsTheReplyTimerBeforeWriting)
{
    ASSERT_TRUE(port.openPort(1));
    port.setReceiveThreshold(0);
    port.feed(QByteArray::fromHex("0606")); // a late reply of an earlier step
    ASSERT_EQ(port.inBufferCount(), 2);
    int timerStarts = 0;
    int bytesWaitingAtWrite = -1;
    int thresholdAtWrite = -1;
    int skipAtTimer = -1;
    int clearsAtTimer = -1;
    State().ReplySkip = 99; // left from an echoing exchange
    port.onWrite = [&](const QByteArray &) {
        bytesWaitingAtWrite = port.inBufferCount();
        thresholdAtWrite = port.receiveThreshold();
    };
    ASSERT_TRUE(SendLinkFrame(EndCommand(), AwaitedReply::AckByte, [&] {
        ++timerStarts;
        skipAtTimer = State().ReplySkip;
        clearsAtTimer = port.inputClears + port.outputClears;
    }));
    EXPECT_EQ(timerStarts, 1);
    // The echo skip is set before the reply timer starts, the timer before the buffers are
    // emptied, and the threshold before the frame goes out.
    EXPECT_EQ(skipAtTimer, 0);
    EXPECT_EQ(clearsAtTimer, 0);
    EXPECT_EQ(thresholdAtWrite, 1);
    EXPECT_EQ(bytesWaitingAtWrite, 0);
    EXPECT_EQ(port.inputClears, 1);
    EXPECT_EQ(port.outputClears, 1);
    // Only what arrives after the send counts towards the reply.
    int events = 0;
    QObject::connect(&port, &SerialPort::received, [&] { ++events; });
    port.feed(QByteArray::fromHex("06"));
    EXPECT_EQ(events, 1);
    EXPECT_EQ(port.input(), QByteArray::fromHex("06"));
}

TEST_F(RadioPortTest, SendFailsWhenThePortIsClosedOrTheWriteFails)
{
    int timerStarts = 0;
    EXPECT_FALSE(SendLinkFrame(ProgramCommand(), AwaitedReply::HandshakeAck, [&] { ++timerStarts; }));
    EXPECT_EQ(timerStarts, 1); // the reply timer then finds the step unanswered
    ASSERT_TRUE(port.openPort(1));
    port.failWrites = true;
    int lost = 0;
    QObject::connect(&port, &SerialPort::lost, [&] { ++lost; });
    EXPECT_FALSE(SendLinkFrame(ProgramCommand(), AwaitedReply::HandshakeAck, {}));
    // A refused write is a failed device: the port closes and says so.
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(lost, 1);
    EXPECT_EQ(port.lastOpenError(), PortOpenError::Lost);
    EXPECT_TRUE(PortErrorText().endsWith(GetLangText(2023)));
}

struct WalkCase {
    LinkOperation op;
    int start;
    int end;
    int first;
};

TEST_F(RadioPortTest, OpenRadioPortSetsTheBlockWalkAndOpensTheChosenPort)
{
    const WalkCase cases[] = {
        {OpReadRadio, 0x0010, 0x3900, 0x0000},
        {OpWriteRadio, 0x0100, 0x3900, 0x00F0},
        {OpReadInfo, 0x0010, 0x00FF, 0x0000},
    };
    for (const WalkCase &c : cases) {
        State().CurOperation = c.op;
        State().CurLinkState = LsBlocks;
        State().LastPercent = 57;
        State().ComPort = 102;
        int stops = 0;
        int resets = 0;
        LinkEngineSteps engine;
        engine.StopLinkTimers = [&] { ++stops; };
        engine.ResetRetryCounters = [&] { ++resets; };
        ASSERT_TRUE(OpenRadioPort(engine));
        EXPECT_EQ(State().LinkStartAddress, c.start);
        EXPECT_EQ(State().LinkEndAddress, c.end);
        EXPECT_EQ(State().LinkAddress, c.first);
        EXPECT_EQ(State().CurLinkState, LsIdle);
        EXPECT_EQ(State().LastPercent, 0);
        EXPECT_EQ(stops, 1);
        EXPECT_EQ(resets, 1);
        EXPECT_TRUE(port.isOpen());
        EXPECT_EQ(port.opens.last(), QStringLiteral("/dev/ttyUSB1"));
        EXPECT_EQ(port.receiveThreshold(), 1);
        const PortSettings s = port.settings();
        EXPECT_EQ(s.baudRate, 9600);
        EXPECT_EQ(s.dataBits, 8);
        EXPECT_EQ(s.stopBits, 1);
        EXPECT_EQ(s.handshaking, 0);
    }
    EXPECT_TRUE(script->messages().isEmpty());
}

TEST_F(RadioPortTest, OpenRadioPortStopsTheTimersWithThePortStillOpenAndResetsTheCountersBeforeOpening)
{
    ASSERT_TRUE(port.openPort(1));
    State().CurOperation = OpReadRadio;
    State().CurLinkState = LsBlocks;
    bool openAtStop = false;
    bool openAtReset = true;
    int stateAtReset = -1;
    LinkEngineSteps engine;
    engine.StopLinkTimers = [&] { openAtStop = port.isOpen(); };
    engine.ResetRetryCounters = [&] {
        openAtReset = port.isOpen();
        stateAtReset = State().CurLinkState;
    };
    ASSERT_TRUE(OpenRadioPort(engine));
    EXPECT_TRUE(openAtStop);
    EXPECT_FALSE(openAtReset);
    EXPECT_EQ(stateAtReset, LsIdle);
    EXPECT_TRUE(port.isOpen());
}

TEST_F(RadioPortTest, AFailedOpenKeepsTheLastPercentButHasSetTheWalk)
{
    port.openFailure = PortOpenError::Busy;
    State().CurOperation = OpWriteRadio;
    State().LastPercent = 40;
    int resets = 0;
    LinkEngineSteps engine;
    engine.ResetRetryCounters = [&] { ++resets; };
    EXPECT_FALSE(OpenRadioPort(engine));
    EXPECT_EQ(State().LastPercent, 40);
    EXPECT_EQ(State().LinkAddress, 0x00F0);
    EXPECT_EQ(State().CurLinkState, LsIdle);
    EXPECT_EQ(resets, 1);
}

TEST_F(RadioPortTest, OpenRadioPortIgnoresTheAutoDetectSettings)
{
    State().CurOperation = OpReadRadio;
    State().LinkHandshaking = 2;
    State().LinkStopBits = 2;
    ASSERT_TRUE(OpenRadioPort());
    EXPECT_EQ(port.settings().handshaking, 0);
    EXPECT_EQ(port.settings().stopBits, 1);
}

TEST_F(RadioPortTest, OpenRadioPortClosesAnOpenPortFirst)
{
    ASSERT_TRUE(port.openPort(1));
    port.feed("stale");
    State().CurOperation = OpWriteRadio;
    ASSERT_TRUE(OpenRadioPort());
    EXPECT_GE(port.closeCount, 1);
    EXPECT_EQ(port.inBufferCount(), 0);
}

struct OpenFailureCase {
    PortOpenError error;
    int reasonKey; // 0: no second line
};

TEST_F(RadioPortTest, OpenFailureShowsThePortErrorWithItsReason)
{
    const OpenFailureCase cases[] = {
        {PortOpenError::NotFound, 2020},
        {PortOpenError::NoPermission, 2021},
        {PortOpenError::Busy, 2022},
        {PortOpenError::BadSetting, 0},
    };
    for (const OpenFailureCase &c : cases) {
        script->clear();
        port.openFailure = c.error;
        State().CurOperation = OpReadRadio;
        State().ComPort = 3;
        EXPECT_FALSE(OpenRadioPort());
        EXPECT_FALSE(port.isOpen());
        ASSERT_EQ(script->messages().size(), 1);
        const PromptCall call = script->messages().first();
        EXPECT_EQ(call.style, vbOKOnly);
        EXPECT_TRUE(call.text.startsWith(GetLangText(2002)));
        if (c.reasonKey) {
            EXPECT_TRUE(call.text.contains(QStringLiteral("COM3 (/dev/ttyS2): ") + GetLangText(c.reasonKey)))
                << call.text.toStdString();
        } else {
            EXPECT_EQ(call.text, GetLangText(2002));
        }
    }
}

TEST_F(RadioPortTest, NoPortChosenIsAMissingDevice)
{
    State().ComPort = 0;
    State().CurOperation = OpReadRadio;
    EXPECT_FALSE(OpenRadioPort());
    EXPECT_EQ(port.lastOpenError(), PortOpenError::NotFound);
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_TRUE(script->messages().first().text.contains(GetLangText(2020)));
}

} // namespace
