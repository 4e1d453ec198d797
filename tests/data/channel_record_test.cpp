#include <QByteArray>
#include <gtest/gtest.h>

#include "data/channel_record.h"
#include "field_rows.h"

using fieldrows::Hex;

namespace {

#define C_(off, expr) FIELD_ROW(ChannelRecord, off, expr)

// Offsets counted by hand: three Integers, three texts, 37 Integers, the code.
const std::vector<fieldrows::Row<ChannelRecord>> &Rows()
{
    static const std::vector<fieldrows::Row<ChannelRecord>> rows = {
        C_(0, Number),
        C_(2, Used),
        C_(4, ScanSkip),
        C_(6, RxFrequency),
        C_(15, TxOffset),
        C_(24, Name),
        C_(30, StepIndex),
        C_(32, TxInhibit),
        C_(34, Reverse),
        C_(36, Bandwidth),
        C_(38, EncodeDcsInverted),
        C_(40, EncodeDcsBit8),
        C_(42, SignalRelation),
        C_(44, OffsetDir),
        C_(46, Power),
        C_(48, Talkaround),
        C_(50, DecodeDcsInverted),
        C_(52, DecodeDcsBit8),
        C_(54, Compander),
        C_(56, EncodeToneType),
        C_(58, DecodeToneType),
        C_(60, Reserved1),
        C_(62, EncodeCtcssIndex),
        C_(64, DecodeCtcssIndex),
        C_(66, EncodeDcsCode),
        C_(68, DecodeDcsCode),
        C_(70, OptSig),
        C_(72, TwoToneIndex),
        C_(74, FiveToneIndex),
        C_(76, Scrambler),
        C_(78, DtmfPttId),
        C_(80, FiveTonePttId),
        C_(82, SquelchMode),
        C_(84, CustomCtcss),
        C_(86, PttIdFlag),
        C_(88, Reserved3),
        C_(90, Reserved4),
        C_(92, Reserved5),
        C_(94, DtmfMemoryIndex),
        C_(96, ExtraDisplay),
        C_(98, BusyLock),
        C_(100, Reserved6),
        C_(102, PttIdDecode),
        C_(104, Code),
    };
    return rows;
}

#undef C_

bool DecodeExact(const QByteArray &data, ChannelRecord &c) { return DecodeChannelRecord(data, c); }

TEST(ChannelFile, EachFieldAtItsOffset)
{
    fieldrows::ExpectEncodeMatches(Rows(), EncodeChannelRecord, kChannelRecordSize);
}

TEST(ChannelFile, HandMadeRecordDecodesIntoEachField)
{
    fieldrows::ExpectDecodeMatches(Rows(), DecodeExact, kChannelRecordSize);
}

TEST(ChannelFile, EveryByteComesBackUnchanged)
{
    fieldrows::ExpectBytesComeBack<ChannelRecord>(EncodeChannelRecord, DecodeExact, kChannelRecordSize);
}

TEST(ChannelFile, BlankRecordBytes)
{
    const QByteArray expected = QByteArray("\xC9\x00" "\x00\x00" "\x00\x00", 6) + "FFFFFFFFF" + "000000000"
                                + "      " + QByteArray(54, '\0') + QByteArray("\xE7\x05", 2)
                                + QByteArray(18, '\0') + "00000";
    ASSERT_EQ(expected.size(), kChannelRecordSize);
    EXPECT_EQ(Hex(EncodeChannelRecord(NewChannelRecord(201))), Hex(expected));
}

TEST(ChannelFile, BlankRecordFields)
{
    const ChannelRecord c = NewChannelRecord(7);
    ChannelRecord expected;
    expected.Number = 7;
    expected.RxFrequency = FixStr<9>::fromBytes("FFFFFFFFF");
    expected.TxOffset = FixStr<9>::fromBytes("000000000");
    expected.Name = FixStr<6>::Spaces();
    expected.CustomCtcss = 1511;
    expected.Code = FixStr<5>::fromBytes("00000");
    EXPECT_EQ(c, expected);
    EXPECT_EQ(c.Used, 0);
    EXPECT_EQ(c.OffsetDir, OffsetNone);
}

TEST(ChannelFile, ShortDataReadsMissingBytesAsZero)
{
    ChannelRecord src;
    fieldrows::FillRows(Rows(), src);
    const QByteArray full = EncodeChannelRecord(src);
    const ChannelRecord c = DecodeChannelRecord(full.left(31)); // up to the low byte of StepIndex
    EXPECT_EQ(c.Number, src.Number);
    EXPECT_EQ(c.Name, src.Name);
    EXPECT_EQ(c.StepIndex, static_cast<int16_t>(static_cast<uint8_t>(full[30])));
    EXPECT_EQ(c.TxInhibit, 0);
    EXPECT_EQ(c.Code, FixStr<5>{});
    // Bytes after the record are not read.
    EXPECT_EQ(DecodeChannelRecord(full + QByteArray("extra")), src);
}

TEST(ChannelFile, WrongSizesAreRefusedAndChangeNothing)
{
    fieldrows::ExpectWrongSizesRefused(Rows(), EncodeChannelRecord, DecodeExact, kChannelRecordSize,
                                       {0, 1, kChannelRecordSize - 1, kChannelRecordSize + 1, 2 * kChannelRecordSize});
}

} // namespace
