// The program's frames against the simulated radio over a real pseudo-terminal, opened as a port
// number that TORVA_EXTRA_PORTS names.

#include <gtest/gtest.h>

#include "common/test_env.h"
#include "common/wait_until.h"
#include "data/app_state.h"
#include "link/frames.h"
#include "link/radio_port.h"
#include "platform/serial_port.h"
#include "radiosim/pty_server.h"
#include "radiosim/radio_sim.h"

using testenv::WaitUntil;

namespace {

class LinkPtyTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        QString error;
        ASSERT_TRUE(server.start(&error)) << error.toStdString();
        oldExtra = qgetenv("TORVA_EXTRA_PORTS");
        qputenv("TORVA_EXTRA_PORTS", "12=" + server.slavePath().toLocal8Bit());
        InstallRadioPort(&port);
        QObject::connect(&port, &SerialPort::received, &port, [this] { replies.append(port.input()); });
        State().ComPort = 12;
    }
    void TearDown() override
    {
        port.close();
        InstallRadioPort(nullptr);
        qputenv("TORVA_EXTRA_PORTS", oldExtra);
        AppTest::TearDown();
    }
    // Sends by the send steps and waits (bounded) for the next receive event.
    QByteArray exchange(const QByteArray &frame, AwaitedReply awaited)
    {
        const int before = static_cast<int>(replies.size());
        if (!SendLinkFrame(frame, awaited, [this] { ++timerStarts; }))
            return QByteArray("send failed");
        if (!WaitUntil([&] { return replies.size() > before; }, 3000))
            return QByteArray();
        return replies.last();
    }
    radiosim::Radio radio;
    radiosim::PtyServer server{radio};
    SystemSerialPort port;
    QList<QByteArray> replies;
    QByteArray oldExtra;
    int timerStarts = 0;
};

TEST_F(LinkPtyTest, ReadAndWriteBlocksWithTheSimulatedRadio)
{
    radio.setPassword("7Q");
    radio.faults.split = {{3, 11}}; // the password block arrives as 11 + 11 bytes
    radio.faults.splitGapMs = 60;
    State().CurOperation = OpReadRadio;
    ASSERT_TRUE(OpenRadioPort());
    EXPECT_TRUE(script->messages().isEmpty());

    EXPECT_TRUE(IsHandshakeAck(exchange(ProgramCommand(), AwaitedReply::HandshakeAck)));
    EXPECT_TRUE(IsIdentifyReplyFrame(exchange(IdentifyRequest(), AwaitedReply::IdentifyReply)));

    State().LinkAddress = 0x0040;
    const QByteArray block = exchange(ReadRequest(0x0040, State().ReadBlockSize), AwaitedReply::DataFrame);
    testenv::Pump(100);
    EXPECT_EQ(replies.size(), 3); // the split reply raised one event
    ASSERT_TRUE(IsDataFrame(block)) << block.toHex().toStdString();
    EXPECT_TRUE(IsDataFrameFor(block, 0x0040));
    StoreDataFrame(block);
    EXPECT_EQ(State().MemoryImage[0x4C], '7');
    EXPECT_EQ(State().MemoryImage[0x4D], 'Q');
    EXPECT_EQ(State().MemoryImage[0x4E], 0xFF);

    for (int i = 0; i < 16; ++i)
        State().MemoryImage[0x0100 + i] = static_cast<uint8_t>(i * 7);
    EXPECT_TRUE(IsAck(exchange(MemoryDataFrame(0x0100), AwaitedReply::AckByte)));
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(static_cast<uint8_t>(radio.memory.at(0x0100 + i)), i * 7);

    EXPECT_TRUE(IsAck(exchange(EndCommand(), AwaitedReply::AckByte)));
    EXPECT_FALSE(radio.inProgrammingMode());
    EXPECT_EQ(timerStarts, 5);
}

TEST_F(LinkPtyTest, ACorruptedBlockIsNotRecognised)
{
    radio.faults.corrupt = {2};
    State().CurOperation = OpReadRadio;
    ASSERT_TRUE(OpenRadioPort());
    ASSERT_TRUE(IsHandshakeAck(exchange(ProgramCommand(), AwaitedReply::HandshakeAck)));
    State().LinkAddress = 0x0010;
    const QByteArray bad = exchange(ReadRequest(0x0010, 16), AwaitedReply::DataFrame);
    EXPECT_EQ(bad.size(), 22);
    EXPECT_FALSE(IsDataFrame(bad));
    const QByteArray good = exchange(ReadRequest(0x0010, 16), AwaitedReply::DataFrame);
    EXPECT_TRUE(IsDataFrame(good));
}

TEST_F(LinkPtyTest, APortThatTheExtraPortsDoNotNameIsReported)
{
    State().ComPort = 299; // /dev/ttyACM98, which no test system has
    State().CurOperation = OpReadInfo;
    EXPECT_FALSE(OpenRadioPort());
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_TRUE(script->messages().first().text.contains(QStringLiteral("COM299 (/dev/ttyACM98)")));
}

} // namespace
