// Frames, checksum and reply checks against hand-written bytes.

#include <gtest/gtest.h>

#include "common/test_env.h"
#include "data/app_state.h"
#include "link/frames.h"

namespace {

QByteArray Hex(const char *hex) { return QByteArray::fromHex(hex); }

// 57 00 40 10, sixteen FF, checksum 40, 06: the read reply of block 0x0040 with all bytes FF.
const char *const kBlock0040AllFF = "57004010FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF4006";

class FramesTest : public testenv::AppTest {};

TEST_F(FramesTest, FramesToTheRadioByteByByte)
{
    EXPECT_EQ(ProgramCommand(), Hex("50524F4752414D"));
    EXPECT_EQ(IdentifyRequest(), Hex("02"));
    EXPECT_EQ(ReadRequest(0x0040, 16), Hex("52004010"));
    EXPECT_EQ(ReadRequest(0x3900, 16), Hex("52390010"));
    EXPECT_EQ(EndCommand(), Hex("454E44"));
    EXPECT_EQ(DataFrame(0x0040, QByteArray(16, static_cast<char>(0xFF))), Hex(kBlock0040AllFF));
    EXPECT_EQ(DataFrame(0x0100, Hex("000102030405060708090A0B0C0D0E0F")),
              Hex("57010010000102030405060708090A0B0C0D0E0F" "89" "06"));
}

TEST_F(FramesTest, MemoryDataFrameSendsTheImageBlock)
{
    for (int i = 0; i < 16; ++i)
        State().MemoryImage[0x3900 + i] = static_cast<uint8_t>(0xF0 + i);
    EXPECT_EQ(MemoryDataFrame(0x3900), Hex("57390010F0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFF" "C1" "06"));
    EXPECT_TRUE(MemoryDataFrame(0x3FF8).isEmpty()); // would run past the image
    EXPECT_TRUE(MemoryDataFrame(-16).isEmpty());
}

struct ChecksumCase {
    const char *frame;
    int start;
    int sum;
};

TEST_F(FramesTest, FrameChecksumSumsFromStartToTheLastDataByte)
{
    const ChecksumCase cases[] = {
        {kBlock0040AllFF, 1, 0x40},
        {"57004010FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF0006", 1, 0x40}, // the checksum byte itself is not summed
        {"5700000000000000000000000000000000000000AA06", 1, 0x00},
        {"0000570102030000", 3, 0x06},                            // an echo of two bytes in front
        {"570106", 1, 0x00},                                      // nothing between start and checksum
    };
    for (const ChecksumCase &c : cases)
        EXPECT_EQ(FrameChecksum(Hex(c.frame), c.start), c.sum) << c.frame;
}

TEST_F(FramesTest, SetFrameChecksumFillsTheByteBeforeTheLast)
{
    QByteArray f = Hex("57004010FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF0006");
    SetFrameChecksum(f, 1);
    EXPECT_EQ(f, Hex(kBlock0040AllFF));
    QByteArray tiny = Hex("57");
    SetFrameChecksum(tiny, 1); // too short to hold a checksum: left alone
    EXPECT_EQ(tiny, Hex("57"));
}

TEST_F(FramesTest, IsFrameChecksumOk)
{
    EXPECT_TRUE(IsFrameChecksumOk(Hex(kBlock0040AllFF), 1));
    EXPECT_FALSE(IsFrameChecksumOk(Hex("57004010FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF4106"), 1));
    EXPECT_FALSE(IsFrameChecksumOk(Hex("57"), 1));
    EXPECT_FALSE(IsFrameChecksumOk(QByteArray(), 0));
}

TEST_F(FramesTest, SingleByteAndHandshakeReplies)
{
    EXPECT_TRUE(IsAck(Hex("06")));
    EXPECT_FALSE(IsAck(Hex("0606")));
    EXPECT_FALSE(IsAck(QByteArray()));
    EXPECT_FALSE(IsAck(Hex("0A")));
    EXPECT_TRUE(IsRepeatRequest(Hex("0A")));
    EXPECT_FALSE(IsRepeatRequest(Hex("0A0A")));
    EXPECT_TRUE(IsHandshakeAck(Hex("594B06")));
    EXPECT_FALSE(IsHandshakeAck(Hex("594B")));
    EXPECT_FALSE(IsHandshakeAck(Hex("594B0606")));
    EXPECT_FALSE(IsHandshakeAck(Hex("594C06")));
    // 06 06 is nothing at all.
    const QByteArray twoAcks = Hex("0606");
    EXPECT_FALSE(IsAck(twoAcks) || IsRepeatRequest(twoAcks) || IsHandshakeAck(twoAcks) ||
                 IsIdentifyReplyFrame(twoAcks) || IsDataFrame(twoAcks));
}

TEST_F(FramesTest, RepliesAfterAnEcho)
{
    State().ReplySkip = 3;
    EXPECT_TRUE(IsAck(Hex("454E4406")));
    EXPECT_FALSE(IsAck(Hex("06")));
    EXPECT_TRUE(IsHandshakeAck(Hex("414243594B06")));
    EXPECT_FALSE(IsHandshakeAck(Hex("594B06")));

    // After an identify request: its echo 02, then the 16-byte reply, 17 bytes in all.
    State().ReplySkip = 1;
    const QByteArray identify = Hex("49544F52564136590056313031000006");
    EXPECT_TRUE(IsIdentifyReplyFrame(Hex("02") + identify));
    EXPECT_FALSE(IsIdentifyReplyFrame(identify));
    EXPECT_FALSE(IsIdentifyReplyFrame(Hex("02") + identify + Hex("06")));

    // After a write frame: its 22-byte echo, then 06 or 0A.
    State().ReplySkip = 22;
    const QByteArray echo = Hex(kBlock0040AllFF);
    EXPECT_TRUE(IsAck(echo + Hex("06")));
    EXPECT_TRUE(IsRepeatRequest(echo + Hex("0A")));
    EXPECT_FALSE(IsRepeatRequest(echo + Hex("0A0A")));
    EXPECT_FALSE(IsAck(echo)); // the echo's own last byte is 06, but no reply has come
}

TEST_F(FramesTest, IdentifyReplyShape)
{
    // "I", "TORVA6Y", band 0, "V101", options 0, status 0, 06.
    const QByteArray okReply = Hex("49544F52564136590056313031000006");
    ASSERT_EQ(okReply.size(), 16);
    EXPECT_TRUE(IsIdentifyReplyFrame(okReply));
    EXPECT_FALSE(IsIdentifyReplyFrame(okReply + Hex("06"))); // 17 bytes
    EXPECT_FALSE(IsIdentifyReplyFrame(okReply.left(15)));
    QByteArray badEnd = okReply;
    badEnd[15] = 0x07;
    EXPECT_FALSE(IsIdentifyReplyFrame(badEnd));
    QByteArray badTag = okReply;
    badTag[0] = 'J';
    EXPECT_FALSE(IsIdentifyReplyFrame(badTag));
}

struct DataFrameCase {
    const char *name;
    QByteArray reply;
    bool accepted;
};

TEST_F(FramesTest, IsDataFrameComparesExactLengthAddressAndChecksum)
{
    State().LinkAddress = 0x0040;
    const QByteArray good = Hex(kBlock0040AllFF);
    QByteArray badSum = good;
    badSum[20] = 0x41;
    QByteArray badEnd = good;
    badEnd[21] = 0x07;
    QByteArray badTag = good;
    badTag[0] = 'X';
    QByteArray lenByte = good;
    lenByte[3] = 0x0F; // length 15 with 16 data bytes
    // A frame for the block before (a late reply), with its own right checksum.
    const QByteArray previous = Hex("57003010FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF3006");
    const DataFrameCase cases[] = {
        {"whole", good, true},
        {"one byte short", good.left(21), false},
        {"one byte long", good + Hex("06"), false},
        {"wrong checksum", badSum, false},
        {"wrong end byte", badEnd, false},
        {"wrong tag", badTag, false},
        {"wrong length byte", lenByte, false},
        {"other address", previous, false},
        {"empty", QByteArray(), false},
    };
    for (const DataFrameCase &c : cases)
        EXPECT_EQ(IsDataFrame(c.reply), c.accepted) << c.name;
}

TEST_F(FramesTest, IsDataFrameWithEchoReadsTheFrameAfterTheRequest)
{
    State().LinkAddress = 0x0040;
    State().ReplySkip = 4;
    const QByteArray withEcho = Hex("52004010") + Hex(kBlock0040AllFF);
    EXPECT_TRUE(IsDataFrame(withEcho));
    EXPECT_FALSE(IsDataFrame(Hex(kBlock0040AllFF)));
    EXPECT_FALSE(IsDataFrame(withEcho.left(25)));
}

TEST_F(FramesTest, IsDataFrameForTakesTheFramesOwnLength)
{
    EXPECT_TRUE(IsDataFrameFor(Hex(kBlock0040AllFF), 0x0040));
    EXPECT_FALSE(IsDataFrameFor(Hex(kBlock0040AllFF), 0x0000));
    // Length 17 with 17 data bytes is a whole frame for this check.
    const QByteArray longer = DataFrame(0x0000, QByteArray(17, '\x01'));
    EXPECT_EQ(longer.size(), 23);
    EXPECT_TRUE(IsDataFrameFor(longer, 0x0000));
    // A length below 16 makes the frame shorter than the 22 bytes every data frame has.
    EXPECT_FALSE(IsDataFrameFor(DataFrame(0x0000, QByteArray(15, '\x01')), 0x0000));
}

TEST_F(FramesTest, StoreDataFrameCopiesTheDataAtLinkAddress)
{
    State().LinkAddress = 0x0040;
    State().MemoryImage[0x3F] = 0x11;
    State().MemoryImage[0x50] = 0x22;
    StoreDataFrame(Hex(kBlock0040AllFF));
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(State().MemoryImage[0x40 + i], 0xFF);
    EXPECT_EQ(State().MemoryImage[0x3F], 0x11);
    EXPECT_EQ(State().MemoryImage[0x50], 0x22);

    State().LinkAddress = 0x3FF8; // the block would run past the image: nothing is copied
    StoreDataFrame(Hex(kBlock0040AllFF));
    EXPECT_EQ(State().MemoryImage[0x3FF8], 0x00);
}

} // namespace
