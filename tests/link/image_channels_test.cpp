// Channels and the FM-radio table in the memory image.

#include "image_test_util.h"

using namespace imagetest;

namespace {

// The 32 bytes of the channel used by several tests (channel number 3, memory channel "2").
const char *const kChannel3Bytes = "04 35 01 25 00 05 00 00 05 35 57 96 0C 33 A5 13"
                                   " 01 07 2A 41 42 20 20 20 20 02 23 04 05 E7 00 00";

ChannelRecord Channel(int number, const char *rx)
{
    ChannelRecord r;
    r.Number = static_cast<int16_t>(number);
    r.Used = 1;
    r.RxFrequency = rx;
    r.TxOffset = "000000000";
    r.Name = NulField("", 6);
    return r;
}

ChannelRecord Channel3()
{
    ChannelRecord r = Channel(3, "043501250");
    r.TxOffset = "000500000";
    r.StepIndex = 5;
    r.TxInhibit = 1;
    r.Bandwidth = 1;
    r.EncodeDcsInverted = 1;
    r.EncodeDcsCode = 0x1A5;
    r.OffsetDir = 2;
    r.Power = 1;
    r.DecodeDcsInverted = 1;
    r.DecodeDcsCode = 19;
    r.Compander = 1;
    r.EncodeToneType = 2;
    r.DecodeToneType = 1;
    r.DtmfMemoryIndex = 9;
    r.EncodeCtcssIndex = 12;
    r.DecodeCtcssIndex = 51;
    r.OptSig = 1;
    r.TwoToneIndex = 7;
    r.FiveToneIndex = 42;
    r.Name = Field("AB", 6);
    r.BusyLock = 2;
    r.DtmfPttId = 3;
    r.FiveTonePttId = 2;
    r.SquelchMode = 4;
    r.CustomCtcss = 1511;
    return r;
}

class ImageChannelsTest : public ImageTest {
protected:
    void SetChannels(std::initializer_list<ChannelRecord> channels)
    {
        int slot = 0;
        for (const ChannelRecord &r : channels)
            State().ChannelList[slot++] = r;
        State().RadioData.ChannelCount = static_cast<int16_t>(slot);
    }
    // An image in which the radio holds no channel and no FM entry.
    void EmptyRadio()
    {
        FillImage(0x0100, 0x1A, 0xFF);
        FillImage(0x01E0, 4, 0xFF); // VFO2 without a frequency
        FillImage(0x01C0, 4, 0xFF); // VFO1 without a frequency
    }
};

TEST_F(ImageChannelsTest, PacksEveryFieldOfTheChannelRecord)
{
    SetChannels({Channel3()});
    SetCommDataByFrequency();
    ASSERT_TRUE(State().ImagePackOk);
    EXPECT_EQ(ImageHex(0x2040, 32), kChannel3Bytes);
    EXPECT_EQ(ImageHex(0x0100, 1), "FB"); // in use: bit 2 clear
    EXPECT_EQ(ImageHex(0x0120, 1), "FB"); // not skipped by scanning: bit 2 clear
}

TEST_F(ImageChannelsTest, UnpacksEveryFieldOfTheChannelRecord)
{
    EmptyRadio();
    SetImage(0x2040, Hex(kChannel3Bytes));
    SetImage(0x0100, Hex("FB"));
    SetImage(0x0120, Hex("FF"));
    GetCommDataByFrequency();

    ASSERT_EQ(State().RadioData.ChannelCount, 1);
    const ChannelRecord &r = State().ChannelList[0];
    ChannelRecord expected = Channel3();
    expected.ScanSkip = 1;
    expected.EncodeDcsBit8 = 1;
    expected.Name = NulField("AB", 6);
    EXPECT_EQ(r.Number, 3);
    EXPECT_EQ(r.Used, 1);
    EXPECT_EQ(r.ScanSkip, 1);
    EXPECT_EQ(r.RxFrequency, expected.RxFrequency);
    EXPECT_EQ(r.TxOffset, expected.TxOffset);
    EXPECT_EQ(r.Name, expected.Name);
    const std::pair<const char *, std::pair<int, int>> fields[] = {
        {"StepIndex", {r.StepIndex, 5}},          {"TxInhibit", {r.TxInhibit, 1}},
        {"Reverse", {r.Reverse, 0}},              {"Bandwidth", {r.Bandwidth, 1}},
        {"EncodeDcsInverted", {r.EncodeDcsInverted, 1}}, {"EncodeDcsBit8", {r.EncodeDcsBit8, 1}},
        {"OffsetDir", {r.OffsetDir, 2}},          {"Power", {r.Power, 1}},
        {"Talkaround", {r.Talkaround, 0}},        {"DecodeDcsInverted", {r.DecodeDcsInverted, 1}},
        {"DecodeDcsBit8", {r.DecodeDcsBit8, 0}},  {"Compander", {r.Compander, 1}},
        {"EncodeToneType", {r.EncodeToneType, 2}}, {"DecodeToneType", {r.DecodeToneType, 1}},
        {"DtmfMemoryIndex", {r.DtmfMemoryIndex, 9}}, {"EncodeCtcssIndex", {r.EncodeCtcssIndex, 12}},
        {"DecodeCtcssIndex", {r.DecodeCtcssIndex, 51}}, {"EncodeDcsCode", {r.EncodeDcsCode, 0x1A5}},
        {"DecodeDcsCode", {r.DecodeDcsCode, 19}}, {"OptSig", {r.OptSig, 1}},
        {"TwoToneIndex", {r.TwoToneIndex, 7}},    {"FiveToneIndex", {r.FiveToneIndex, 42}},
        {"BusyLock", {r.BusyLock, 2}},            {"DtmfPttId", {r.DtmfPttId, 3}},
        {"FiveTonePttId", {r.FiveTonePttId, 2}},  {"SquelchMode", {r.SquelchMode, 4}},
        {"CustomCtcss", {r.CustomCtcss, 1511}},
    };
    for (const auto &[name, values] : fields)
        EXPECT_EQ(values.first, values.second) << name;
}

TEST_F(ImageChannelsTest, EachChannelNumberHasItsPlaceAndBitmapBits)
{
    struct Case {
        int number;
        int addr;
        int bitmapByte; // -1: no bit written
        const char *bitmapAfter;
    };
    const Case cases[] = {
        {1, 0x2000, 0x0100, "FE"},   {200, 0x38E0, 0x0118, "7F"}, {201, 0x0180, 0x0119, "FE"},
        {202, 0x01A0, 0x0119, "FD"}, {203, 0x0280, 0x0119, "FB"}, {204, 0x02A0, 0x0119, "F7"},
        {205, 0x01C0, -1, nullptr},  {206, 0x01E0, -1, nullptr},
    };
    for (const Case &c : cases) {
        ResetMemoryImage();
        ChannelRecord r = Channel(c.number, "014500000");
        SetChannels({r});
        SetCommDataByFrequency();
        ASSERT_TRUE(State().ImagePackOk) << c.number;
        EXPECT_EQ(ImageHex(c.addr, 4), "01 45 00 00") << c.number;
        if (c.bitmapByte >= 0) {
            EXPECT_EQ(ImageHex(c.bitmapByte, 1), c.bitmapAfter) << c.number;
            EXPECT_EQ(ImageHex(c.bitmapByte + 0x20, 1), c.bitmapAfter) << c.number;
        } else {
            EXPECT_EQ(ImageHex(0x0100, 0x1A), ImageHex(0x0120, 0x1A));
            EXPECT_EQ(State().MemoryImage[0x0119], 0xFF) << c.number;
            EXPECT_EQ(State().MemoryImage[0x0139], 0xFF) << c.number;
        }
    }
}

TEST_F(ImageChannelsTest, FrequencyDigitsAndTheRebuiltTenHertzDigit)
{
    struct Case {
        const char *rx, *offset;
        const char *bytes;
        const char *rxBack, *offsetBack;
    };
    const Case cases[] = {
        {"014500000", "000000000", "01 45 00 00 00 00 00 00", "014500000", "000000000"},
        {"043500625", "000000000", "04 35 00 62 00 00 00 00", "043500625", "000000000"},
        {"043501875", "000762500", "04 35 01 87 00 07 62 50", "043501875", "000762500"},
        {"043501250", "         ", "04 35 01 25 00 00 00 00", "043501250", "000000000"}, // empty offset
        {"4351", "0", "43 51 00 00 00 00 00 00", "435100000", "000000000"},               // short texts
    };
    for (const Case &c : cases) {
        ResetMemoryImage();
        ChannelRecord r = Channel(1, c.rx);
        r.TxOffset = c.offset;
        SetChannels({r});
        SetCommDataByFrequency();
        ASSERT_TRUE(State().ImagePackOk) << c.rx;
        EXPECT_EQ(ImageHex(0x2000, 8), c.bytes) << c.rx;
        GetCommDataByFrequency();
        EXPECT_EQ(State().ChannelList[0].RxFrequency, QByteArray(c.rxBack)) << c.rx;
        EXPECT_EQ(State().ChannelList[0].TxOffset, QByteArray(c.offsetBack)) << c.rx;
    }
}

TEST_F(ImageChannelsTest, OffsetOfFFBytesReadsAsZeroOffset)
{
    EmptyRadio();
    SetImage(0x0100, Hex("FE"));
    SetImage(0x2000, Hex("01 45 00 00 FF FF FF FF"));
    GetCommDataByFrequency();
    ASSERT_EQ(State().RadioData.ChannelCount, 1);
    EXPECT_EQ(State().ChannelList[0].TxOffset, QByteArray("000000000"));
}

TEST_F(ImageChannelsTest, EmptyReceiveFrequencyIsSentAsFFAndNotTakenBack)
{
    ChannelRecord r = Channel(1, "FFFFFFFFF");
    ChannelRecord blank = Channel(2, "         ");
    SetChannels({r, blank});
    SetCommDataByFrequency();
    EXPECT_EQ(ImageHex(0x2000, 4), "FF FF FF FF");
    EXPECT_EQ(ImageHex(0x2020, 4), "FF FF FF FF");
    EXPECT_EQ(ImageHex(0x0100, 1), "FC"); // their usage bits are clear...
    FillImage(0x01C0, 4, 0xFF);
    FillImage(0x01E0, 4, 0xFF);
    GetCommDataByFrequency();
    EXPECT_EQ(State().RadioData.ChannelCount, 0); // ...but a read leaves them out
}

TEST_F(ImageChannelsTest, NonNumericReceiveDigitsLeaveTheChannelOut)
{
    EmptyRadio();
    SetImage(0x0100, Hex("FC"));
    SetImage(0x2000, Hex("01 4A 00 00"));
    SetImage(0x2020, Hex("01 08 E0 00")); // an exponent form passes the numeric test
    GetCommDataByFrequency();
    ASSERT_EQ(State().RadioData.ChannelCount, 1);
    EXPECT_EQ(State().ChannelList[0].Number, 2);
    EXPECT_EQ(State().ChannelList[0].RxFrequency, QByteArray("0108E0000"));
}

TEST_F(ImageChannelsTest, ReadTakesTheRadiosChannelsInNumberOrder)
{
    EmptyRadio();
    SetImage(0x0100, Hex("EE")); // channels 1 and 5
    SetImage(0x2000 + 32 * 4, Hex("04 40 00 00"));
    SetImage(0x2000, Hex("01 55 00 00"));
    SetImage(0x01C0, Hex("04 40 00 00")); // VFO1
    SetImage(0x0139, Hex("EF"));          // VFO1 not skipped by scanning
    State().ChannelList[3].Number = 77;   // a slot beyond the new count keeps its contents
    State().ChannelList[3].Code = "12345";
    State().ChannelList[1].Code = "ABCDE"; // fields the radio does not hold stay as the slot had them
    GetCommDataByFrequency();

    ASSERT_EQ(State().RadioData.ChannelCount, 3);
    EXPECT_EQ(State().ChannelList[0].Number, 1);
    EXPECT_EQ(State().ChannelList[1].Number, 5);
    EXPECT_EQ(State().ChannelList[2].Number, 205);
    EXPECT_EQ(State().ChannelList[0].ScanSkip, 1);
    EXPECT_EQ(State().ChannelList[2].ScanSkip, 0);
    EXPECT_EQ(State().ChannelList[1].Code, QByteArray("ABCDE"));
    EXPECT_EQ(State().ChannelList[3].Number, 77);
    EXPECT_EQ(State().ChannelList[3].Code, QByteArray("12345"));
}

TEST_F(ImageChannelsTest, Vfo2KeepsItsScanSkipAndIsAlwaysConsidered)
{
    EmptyRadio();
    SetImage(0x01E0, Hex("01 46 00 00"));
    SetImage(0x0139, Hex("00")); // bits 0-7 clear, yet VFO2 has no bit of its own
    State().ChannelList[0].ScanSkip = 1;
    GetCommDataByFrequency();
    ASSERT_EQ(State().RadioData.ChannelCount, 1);
    EXPECT_EQ(State().ChannelList[0].Number, 206);
    EXPECT_EQ(State().ChannelList[0].ScanSkip, 1);
}

TEST_F(ImageChannelsTest, NameForms)
{
    struct Case {
        QByteArray name;
        const char *bytes;
        QByteArray back;
    };
    const Case cases[] = {
        {Field("AB", 6), "41 42 20 20 20 20", NulField("AB", 6)},
        {NulField("", 6), "00 00 00 00 00 00", NulField("", 6)},
        {Field("", 6), "00 00 00 00 00 00", NulField("", 6)},
        {QByteArray("ABCDEF"), "41 42 43 44 45 46", QByteArray("ABCDEF")}, // full: no NUL
        {QByteArray(" A", 2) + QByteArray(4, ' '), "20 41 20 20 20 20", NulField(" A", 6)},
    };
    for (const Case &c : cases) {
        ResetMemoryImage();
        ChannelRecord r = Channel(1, "014500000");
        r.Name = c.name;
        SetChannels({r});
        SetCommDataByFrequency();
        EXPECT_EQ(ImageHex(0x2013, 6), c.bytes);
        GetCommDataByFrequency();
        EXPECT_EQ(State().ChannelList[0].Name, c.back) << c.bytes;
    }
    ResetMemoryImage();
    FillImage(0x2013, 6, 0x20);
    SetImage(0x2000, Hex("01 45 00 00"));
    SetImage(0x0100, Hex("FE"));
    GetCommDataByFrequency();
    EXPECT_EQ(State().ChannelList[0].Name, NulField("", 6)); // six spaces read back as no name
}

TEST_F(ImageChannelsTest, OffsetDirectionInTheRadio)
{
    const std::pair<int, int> packed[] = {{-1, 0}, {0, 0}, {1, 2}, {2, 3}};
    for (const auto &[dir, bits] : packed) {
        ResetMemoryImage();
        ChannelRecord r = Channel(1, "014500000");
        r.OffsetDir = static_cast<int16_t>(dir);
        SetChannels({r});
        SetCommDataByFrequency();
        EXPECT_EQ(State().MemoryImage[0x200A] & 3, bits) << dir;
    }
    const std::pair<int, int> unpacked[] = {{0, 0}, {1, 0}, {2, 1}, {3, 2}};
    for (const auto &[bits, dir] : unpacked) {
        State().MemoryImage[0x200A] = static_cast<uint8_t>(bits);
        GetCommDataByFrequency();
        EXPECT_EQ(State().ChannelList[0].OffsetDir, dir) << bits;
    }
}

TEST_F(ImageChannelsTest, ValuesThatDoNotFitTheirBitsFailThePacker)
{
    struct Case {
        const char *what;
        std::function<void(ChannelRecord &)> change;
    };
    const Case cases[] = {
        {"bandwidth 4", [](ChannelRecord &r) { r.Bandwidth = 4; }},
        {"offset direction 3", [](ChannelRecord &r) { r.OffsetDir = 3; }},
        {"DCS code 512", [](ChannelRecord &r) { r.EncodeDcsCode = 512; }},
        {"negative DCS code", [](ChannelRecord &r) { r.DecodeDcsCode = -1; }},
        {"DTMF memory 16", [](ChannelRecord &r) { r.DtmfMemoryIndex = 16; }},
        {"PTT-ID 16", [](ChannelRecord &r) { r.FiveTonePttId = 16; }},
        {"power 2", [](ChannelRecord &r) { r.Power = 2; }},
        {"step 256", [](ChannelRecord &r) { r.StepIndex = 256; }},
        {"used 2", [](ChannelRecord &r) { r.Used = 2; }},
        {"scan skip 2", [](ChannelRecord &r) { r.ScanSkip = 2; }},
        {"number 0", [](ChannelRecord &r) { r.Number = 0; }},
        {"number 207", [](ChannelRecord &r) { r.Number = 207; }},
        {"frequency with a letter", [](ChannelRecord &r) { r.RxFrequency = "1X5000000"; }},
    };
    for (const Case &c : cases) {
        ResetMemoryImage();
        State().ImagePackOk = true;
        script->clear();
        ChannelRecord good = Channel(2, "014500000");
        ChannelRecord bad = Channel(1, "014500000");
        c.change(bad);
        SetChannels({good, bad});
        SetCommDataByFrequency();
        EXPECT_FALSE(State().ImagePackOk) << c.what;
        EXPECT_EQ(Messages(), QStringList{QStringLiteral("SetCommDataByFrequencyError")}) << c.what;
        EXPECT_EQ(ImageHex(0x2020, 4), "01 45 00 00") << c.what; // packed before the failure: stays
        EXPECT_EQ(ImageHex(0x0600, 4), "00 00 00 00") << c.what; // FM table not reached
    }
}

TEST_F(ImageChannelsTest, TwoChannelsWithTheSameNumberFailThePacker)
{
    SetChannels({Channel(4, "014500000"), Channel(4, "014600000")});
    SetCommDataByFrequency();
    EXPECT_FALSE(State().ImagePackOk);
    EXPECT_EQ(ImageHex(0x0100, 1), "F7"); // no other channel's bit was touched
}

TEST_F(ImageChannelsTest, FmTablePackAndUnpack)
{
    auto &fm = FmTable();
    for (int i = 0; i <= 100; ++i) {
        fm[i].Number = static_cast<int16_t>(i + 1);
        fm[i].Used = 0;
        fm[i].Frequency = "FFFFFFFF";
    }
    fm[0] = FmEntry(1, 1, "00880000");
    fm[9] = FmEntry(10, 0, "01005000"); // a frequency, but not in use
    fm[99] = FmEntry(100, 1, "0107995");
    fm[100] = FmEntry(101, 1, "01080000");
    SetChannels({});
    SetCommDataByFrequency();
    ASSERT_TRUE(State().ImagePackOk);
    EXPECT_EQ(ImageHex(0x0260, 13), "FE FF FF FF FF FF FF FF FF FF FF FF F7");
    EXPECT_EQ(ImageHex(0x0610, 4), "00 88 00 00");
    EXPECT_EQ(ImageHex(0x0610 + 4 * 9, 4), "01 00 50 00");
    EXPECT_EQ(ImageHex(0x0610 + 4 * 99, 4), "01 07 99 50");
    EXPECT_EQ(ImageHex(0x0600, 4), "01 08 00 00");
    EXPECT_EQ(ImageHex(0x0614, 4), "FF FF FF FF");

    for (auto &e : fm)
        e = FmEntry(0, 0, "00000000");
    GetCommDataByFrequency();
    EXPECT_EQ(fm[0].Used, 1);
    EXPECT_EQ(fm[0].Frequency, QByteArray("00880000"));
    EXPECT_EQ(fm[9].Used, 0);
    EXPECT_EQ(fm[9].Frequency, QByteArray("01005000"));
    EXPECT_EQ(fm[99].Frequency, QByteArray("01079950"));
    EXPECT_EQ(fm[100].Used, 1);
    EXPECT_EQ(fm[1].Used, 0);
    EXPECT_EQ(fm[1].Frequency, QByteArray("FFFFFFFF"));
    for (int i = 0; i <= 100; ++i)
        EXPECT_EQ(fm[i].Number, i + 1);
}

TEST_F(ImageChannelsTest, FmEntriesFromSkippedBlocksReadAsUnused)
{
    // Blocks that a read skips keep the start value 0x00; the usage bits stay set.
    GetCommDataByFrequency();
    EXPECT_EQ(FmTable()[5].Used, 0);
    EXPECT_EQ(FmTable()[5].Frequency, QByteArray("00000000"));
    EXPECT_EQ(FmTable()[100].Used, 1); // entry 100 has no bit: in use whenever it is a number
}

TEST_F(ImageChannelsTest, FmUsedFlagOtherThanZeroOrOneFailsThePacker)
{
    SetChannels({});
    FmTable()[3].Used = 2;
    SetCommDataByFrequency();
    EXPECT_FALSE(State().ImagePackOk);
    EXPECT_EQ(ImageHex(0x0260, 1), "FF");
}

} // namespace
