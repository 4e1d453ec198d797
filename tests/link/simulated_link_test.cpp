// The program's frames and send steps against the simulated radio on the in-process port: a walk
// over blocks in both directions, with lost replies and resend requests on the way.

#include <gtest/gtest.h>

#include "common/simulated_link.h"
#include "common/test_env.h"
#include "common/wait_until.h"
#include "data/app_state.h"
#include "link/frames.h"
#include "link/radio_port.h"

using testenv::WaitUntil;

namespace {

class SimulatedLinkTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        InstallRadioPort(&link.port);
        QObject::connect(&link.port, &SerialPort::received, &link.port,
                         [this] { replies.append(link.port.input()); });
        State().ComPort = 1;
    }
    void TearDown() override
    {
        InstallRadioPort(nullptr);
        AppTest::TearDown();
    }
    // Sends and waits up to 300 ms for the reply, like the reply timer; empty when none came.
    QByteArray request(const QByteArray &frame, AwaitedReply awaited)
    {
        replies.clear();
        if (!SendLinkFrame(frame, awaited, {}))
            return QByteArray();
        WaitUntil([&] { return !replies.isEmpty(); }, 300);
        return replies.isEmpty() ? QByteArray() : replies.first();
    }
    testenv::SimulatedLink link;
    QList<QByteArray> replies;
};

TEST_F(SimulatedLinkTest, ReadsBlocksIntoTheImageThroughLostAndSpoiltReplies)
{
    for (int a = 0x0010; a < 0x0100; ++a)
        link.radio.memory[a] = static_cast<char>(a * 3 + 1);
    link.radio.setPassword("PW");
    link.radio.faults.drop = {4};    // the read of 0x0020 goes unanswered once
    link.radio.faults.corrupt = {7}; // the read of 0x0040 comes back with a wrong checksum once
    State().CurOperation = OpReadInfo;
    ASSERT_TRUE(OpenRadioPort());
    ASSERT_TRUE(IsHandshakeAck(request(ProgramCommand(), AwaitedReply::HandshakeAck)));
    ASSERT_TRUE(IsIdentifyReplyFrame(request(IdentifyRequest(), AwaitedReply::IdentifyReply)));

    int sends = 0;
    for (State().LinkAddress = 0x0010; State().LinkAddress <= 0x00F0; State().LinkAddress += 16) {
        QByteArray reply;
        for (int tries = 0; tries < 3 && !IsDataFrame(reply); ++tries, ++sends)
            reply = request(ReadRequest(State().LinkAddress, State().ReadBlockSize), AwaitedReply::DataFrame);
        ASSERT_TRUE(IsDataFrame(reply)) << std::hex << State().LinkAddress;
        StoreDataFrame(reply);
    }
    EXPECT_EQ(sends, 17); // 15 blocks and two sends again
    for (int a = 0x0010; a < 0x0100; ++a)
        ASSERT_EQ(State().MemoryImage[a], static_cast<uint8_t>(link.radio.memory.at(a))) << std::hex << a;
    EXPECT_EQ(State().MemoryImage[0x4C], 'P');
    EXPECT_TRUE(IsAck(request(EndCommand(), AwaitedReply::AckByte)));
}

TEST_F(SimulatedLinkTest, WritesBlocksAndObeysResendRequests)
{
    for (int a = 0x0100; a < 0x0200; ++a)
        State().MemoryImage[a] = static_cast<uint8_t>(0xFF - a);
    link.radio.faults.resendCount = 2;
    link.radio.faults.resendAddress = 0x0150;
    State().CurOperation = OpWriteRadio;
    ASSERT_TRUE(OpenRadioPort());
    ASSERT_TRUE(IsHandshakeAck(request(ProgramCommand(), AwaitedReply::HandshakeAck)));

    int resends = 0;
    for (int a = 0x0100; a <= 0x01F0; a += 16) {
        QByteArray reply = request(MemoryDataFrame(a), AwaitedReply::AckByte);
        while (IsRepeatRequest(reply) && resends < 10) {
            ++resends;
            reply = request(MemoryDataFrame(a), AwaitedReply::AckByte);
        }
        ASSERT_TRUE(IsAck(reply)) << std::hex << a;
    }
    EXPECT_EQ(resends, 2);
    for (int a = 0x0100; a < 0x0200; ++a)
        ASSERT_EQ(static_cast<uint8_t>(link.radio.memory.at(a)), State().MemoryImage[a]) << std::hex << a;
    EXPECT_TRUE(IsAck(request(EndCommand(), AwaitedReply::AckByte)));
}

TEST_F(SimulatedLinkTest, GarbageAndSilenceAreNotTakenForReplies)
{
    link.radio.faults.garbage = {1};
    State().CurOperation = OpReadRadio;
    ASSERT_TRUE(OpenRadioPort());
    // Before the handshake the radio stays silent.
    EXPECT_TRUE(request(IdentifyRequest(), AwaitedReply::IdentifyReply).isEmpty());
    const QByteArray garbage = request(ProgramCommand(), AwaitedReply::HandshakeAck);
    EXPECT_EQ(garbage.size(), 3);
    EXPECT_FALSE(IsHandshakeAck(garbage));
    EXPECT_TRUE(IsHandshakeAck(request(ProgramCommand(), AwaitedReply::HandshakeAck)));
}

} // namespace
