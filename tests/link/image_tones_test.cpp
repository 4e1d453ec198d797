// 2-tone and 5-tone signalling in the memory image.

#include "link/image_codec.h"
#include "link/image_tones.h"
#include "image_test_util.h"

using namespace imagetest;

namespace {

const char *const kTwoToneGeneral = "91 0C 41 24 48 3A 34 14 01 05 06 0A 03 FA 01 07 0C 91 24 41 18 79 4F D6";
const char *const kFiveToneGeneral = "03 01 02 05 46 01 02 03 04 05 00 14 15 0A 01 16 01 0D 0B 17 02 18";

class ImageTonesTest : public ImageTest {
protected:
    void FillTwoTone()
    {
        TwoToneGeneral &g = TwoTone().General;
        g.DecodeTone1 = 3217;
        g.DecodeTone2 = 9281;
        g.DecodeDivisor1 = 14920;
        g.DecodeDivisor2 = 5172;
        g.DecodeResponse = 1;
        g.Time1 = 5;
        g.Time2 = 6;
        g.Time3 = 10;
        g.Interval = 3;
        g.Time4 = 250;
        g.SideTone = 1;
        g.DecodeFormat = 7;
        g.ToneA = 3217;
        g.ToneB = 9281;
        g.ToneC = 6265;
        g.ToneD = 20438;
        for (TwoToneEntry &e : TwoTone().Entries) {
            e = TwoToneEntry{};
            e.Empty = 1;
            e.Name = NulField("", 7);
        }
        TwoToneEntry &first = TwoTone().Entries[0];
        first.Empty = 0;
        first.Divisor1 = 14920;
        first.Divisor2 = 5172;
        first.Tone1 = 3217;
        first.Tone2 = 9281;
        first.Name = Field("CALL1", 7);
        TwoTone().Entries[1].Tone1 = 1000; // not in use, but still sent
        TwoTone().Entries[31].Empty = 0;
    }

    void FillFiveTone()
    {
        FiveToneBlock &b = FiveTone();
        b.Reserved = 3;
        b.OwnDecodeResponse = 1;
        b.StandardIndex = 2;
        b.OwnIdLength = 5;
        b.TonePeriod = 70;
        b.OwnId = Field("12345", 6);
        b.Setting1 = 1;
        b.Setting2 = 20;
        b.Setting3 = 21;
        b.Setting4 = 10;
        b.FirstDigitDelay = 22;
        b.SideTone = 1;
        b.SpecialSeparator = 13;
        b.PauseDigit = 11;
        b.PauseTime = 23;
        b.DelayAfterPause = 24;
        State().RadioData.FiveToneDecodeTime = 2;

        b.PttIdBegin.StandardIndex = 1;
        b.PttIdBegin.CodeLength = 5;
        b.PttIdBegin.TonePeriod = 20; // sent as 70, kept in the record
        b.PttIdBegin.Code = Field("12345", 40);
        b.PttIdEnd.CodeLength = 30; // more than the 24 digits its area holds
        b.PttIdEnd.TonePeriod = 70;
        b.PttIdEnd.Code = Field("0123456789ABCDEF0123456789ABCD", 40);

        for (InfoCodeRecord &c : b.InfoCodes) {
            c = InfoCodeRecord{};
            c.Name = NulField("", 7);
        }
        b.InfoCodes[0].Function = 2;
        b.InfoCodes[0].Response = 1;
        b.InfoCodes[0].CodeLength = 3;
        b.InfoCodes[0].Code = Field("A1", 12);
        b.InfoCodes[0].Name = Field("AB", 7);
        b.InfoCodes[7].CodeLength = 13; // more than the 12 digits its area holds
        b.InfoCodes[7].Code = "123456789ABC";

        for (FiveToneCodeRecord &r : b.CodeRows) {
            r = FiveToneCodeRecord{};
            r.Empty = 1;
            r.TonePeriod = 70;
            r.Code = QByteArray(40, ' ');
            r.Name = NulField("", 7);
        }
        FiveToneCodeRecord &row1 = b.CodeRows[0];
        row1.Empty = 0;
        row1.StandardIndex = 4;
        row1.CodeLength = 4;
        row1.TonePeriod = 100;
        row1.Code = Field("12", 40);
        row1.Name = Field("AB", 7);
        FiveToneCodeRecord &row100 = b.CodeRows[99];
        row100.CodeLength = 41; // more than the 40 digits a row holds
        row100.Code = "0123456789012345678901234567890123456789";
    }
};

TEST_F(ImageTonesTest, PacksTheTwoToneSettings)
{
    FillTwoTone();
    SetCommDataBy2Tone();
    ASSERT_TRUE(State().ImagePackOk);
    EXPECT_EQ(ImageHex(0x0300, 24), kTwoToneGeneral);
    EXPECT_EQ(ImageHex(0x0380, 4), "FE FF FF 7F");
    EXPECT_EQ(ImageHex(0x0B00, 16), "48 3A 34 14 91 0C 41 24 43 41 4C 4C 31 20 20 00");
    EXPECT_EQ(ImageHex(0x0B10, 16), "00 00 00 00 E8 03 00 00 00 00 00 00 00 00 00 00");
}

TEST_F(ImageTonesTest, UnpacksTheTwoToneSettings)
{
    FillImage(0x0380, 4, 0xFF);
    SetImage(0x0300, Hex(kTwoToneGeneral));
    SetImage(0x0380, Hex("FE FF FF 7F"));
    SetImage(0x0B00, Hex("48 3A 34 14 91 0C 41 24 43 41 4C 4C 31 20 20 00"));
    SetImage(0x0B10, Hex("00 00 00 00 E8 03 00 00 41 FF 42 00 00 00 00 00"));
    SetImage(0x0CF0, Hex("01 02 03 04 05 06 07 08 41 42 43 44 45 46 47 48")); // entry 32
    GetCommDataBy2Tone();

    const TwoToneGeneral &g = TwoTone().General;
    EXPECT_EQ(g.DecodeTone1, 3217);
    EXPECT_EQ(g.DecodeTone2, 9281);
    EXPECT_EQ(g.DecodeDivisor1, 14920);
    EXPECT_EQ(g.DecodeDivisor2, 5172);
    EXPECT_EQ(g.DecodeResponse, 1);
    EXPECT_EQ(g.Time1, 5);
    EXPECT_EQ(g.Time2, 6);
    EXPECT_EQ(g.Time3, 10);
    EXPECT_EQ(g.Interval, 3);
    EXPECT_EQ(g.Time4, 250);
    EXPECT_EQ(g.SideTone, 1);
    EXPECT_EQ(g.DecodeFormat, 7);
    EXPECT_EQ(g.ToneA, 3217);
    EXPECT_EQ(g.ToneB, 9281);
    EXPECT_EQ(g.ToneC, 6265);
    EXPECT_EQ(g.ToneD, 20438);

    const TwoToneEntries &e = TwoTone().Entries;
    EXPECT_EQ(e[0].Empty, 0);
    EXPECT_EQ(e[0].Divisor1, 14920);
    EXPECT_EQ(e[0].Divisor2, 5172);
    EXPECT_EQ(e[0].Tone1, 3217);
    EXPECT_EQ(e[0].Tone2, 9281);
    EXPECT_EQ(e[0].Name, Field("CALL1", 7));
    EXPECT_EQ(e[1].Empty, 1); // not in use, its bytes still come back
    EXPECT_EQ(e[1].Tone1, 1000);
    EXPECT_EQ(e[1].Name, NulField("A", 7));
    EXPECT_EQ(e[31].Empty, 0);
    EXPECT_EQ(e[31].Divisor1, 0x0201);
    EXPECT_EQ(e[31].Tone2, 0x0807);
    EXPECT_EQ(e[31].Name, QByteArray("ABCDEFG"));
    EXPECT_EQ(e[2].Name, NulField("", 7)); // seven 0x00
}

TEST_F(ImageTonesTest, DecodeFormatAbove14ReadsAsZero)
{
    State().MemoryImage[0x030F] = 15;
    GetCommDataBy2Tone();
    EXPECT_EQ(TwoTone().General.DecodeFormat, 0);
    State().MemoryImage[0x030F] = 14;
    GetCommDataBy2Tone();
    EXPECT_EQ(TwoTone().General.DecodeFormat, 14);
}

TEST_F(ImageTonesTest, TwoToneEntryFlagOtherThanZeroOrOneFailsThePacker)
{
    FillTwoTone();
    TwoTone().Entries[4].Empty = -1;
    const TwoToneBlock before = TwoTone();
    SetCommDataBy2Tone();
    EXPECT_FALSE(State().ImagePackOk);
    EXPECT_EQ(Messages(), QStringList{QStringLiteral("SetCommDataBy2ToneError")});
    EXPECT_EQ(TwoTone(), before);
}

TEST_F(ImageTonesTest, PacksTheFiveToneSettings)
{
    FillFiveTone();
    SetCommDataBy5Tone();
    ASSERT_TRUE(State().ImagePackOk);
    EXPECT_EQ(ImageHex(0x0320, 22), kFiveToneGeneral);
    EXPECT_EQ(ImageHex(0x0360, 16), "00 01 05 46 12 34 5E 00 00 00 00 00 00 00 00 00");
    // A PTT-ID code longer than its area is cut to 24 digits and its length to match.
    EXPECT_EQ(ImageHex(0x0370, 16), "00 00 18 46 01 23 45 67 89 AB CD EF 01 23 45 67");
    EXPECT_EQ(ImageHex(0x0380, 4), "FF FF FF FF"); // the next area is untouched
    EXPECT_EQ(ImageHex(0x0500, 32), "02 01 03 0A 01 0E 00 00 00 00 00 00 00 00 00 00"
                                    " 41 42 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    EXPECT_EQ(ImageHex(0x05E0, 16), "00 00 0C 01 02 03 04 05 06 07 08 09 0A 0B 0C 00");
    EXPECT_EQ(ImageHex(0x0D00, 32), "00 04 04 64 12 EE 00 00 00 00 00 00 00 00 00 00"
                                    " 00 00 00 00 00 00 00 00 41 42 20 20 20 20 20 00");
    EXPECT_EQ(ImageHex(0x0D00 + 32 * 99, 32), "00 00 28 46 01 23 45 67 89 01 23 45 67 89 01 23"
                                              " 45 67 89 01 23 45 67 89 00 00 00 00 00 00 00 00");
    EXPECT_EQ(ImageHex(0x0390, 13), "FE FF FF FF FF FF FF FF FF FF FF FF FF");
    EXPECT_EQ(FiveTone().PttIdBegin.TonePeriod, 20); // the record keeps its value
    EXPECT_EQ(FiveTone().PttIdEnd.CodeLength, 30);
}

TEST_F(ImageTonesTest, UnpacksTheFiveToneSettings)
{
    SetImage(0x0320, Hex(kFiveToneGeneral));
    SetImage(0x0360, Hex("00 01 05 78 12 34 5E"));
    SetImage(0x0500, Hex("02 01 03 0A 01 0E 00 00 00 00 00 00 00 00 00 00 41 42 00 00 00 00 00"));
    SetImage(0x0D00, Hex("00 04 04 64 12 EE 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 41 42 FF"));
    SetImage(0x0390, Hex("FE"));
    FiveTone().UserStandard.Tones[15] = 9300; // never in the radio: kept
    FiveTone().CodeRows[0].Reserved = 9;
    GetCommDataBy5Tone();

    const FiveToneBlock &b = FiveTone();
    EXPECT_EQ(b.Reserved, 3);
    EXPECT_EQ(b.OwnDecodeResponse, 1);
    EXPECT_EQ(b.StandardIndex, 2);
    EXPECT_EQ(b.OwnIdLength, 5);
    EXPECT_EQ(b.TonePeriod, 70);
    EXPECT_EQ(b.OwnId, NulField("12345", 6));
    EXPECT_EQ(b.Setting1, 1);
    EXPECT_EQ(b.Setting2, 20);
    EXPECT_EQ(b.Setting3, 21);
    EXPECT_EQ(b.Setting4, 10);
    EXPECT_EQ(b.FirstDigitDelay, 22);
    EXPECT_EQ(b.SideTone, 1);
    EXPECT_EQ(b.SpecialSeparator, 13);
    EXPECT_EQ(b.PauseDigit, 11);
    EXPECT_EQ(b.PauseTime, 23);
    EXPECT_EQ(b.DelayAfterPause, 24);
    EXPECT_EQ(State().RadioData.FiveToneDecodeTime, 2);
    EXPECT_EQ(b.PttIdBegin.StandardIndex, 1);
    EXPECT_EQ(b.PttIdBegin.CodeLength, 5);
    EXPECT_EQ(b.PttIdBegin.TonePeriod, 70); // 120 is outside 30..100
    EXPECT_EQ(b.PttIdBegin.Code, Field("12345", 40));
    EXPECT_EQ(b.InfoCodes[0].Function, 2);
    EXPECT_EQ(b.InfoCodes[0].Response, 1);
    EXPECT_EQ(b.InfoCodes[0].CodeLength, 3);
    EXPECT_EQ(b.InfoCodes[0].Code, Field("A1E", 12));
    EXPECT_EQ(b.InfoCodes[0].Name, NulField("AB", 7));
    EXPECT_EQ(b.InfoCodes[1].Name, NulField("", 7));
    EXPECT_EQ(b.CodeRows[0].Empty, 0);
    EXPECT_EQ(b.CodeRows[0].StandardIndex, 4);
    EXPECT_EQ(b.CodeRows[0].TonePeriod, 100);
    EXPECT_EQ(b.CodeRows[0].Code, Field("12EE", 40));
    EXPECT_EQ(b.CodeRows[0].Name, NulField("AB", 7));
    EXPECT_EQ(b.CodeRows[0].Reserved, 9);
    EXPECT_EQ(b.CodeRows[1].Empty, 1);
    EXPECT_EQ(b.UserStandard.Tones[15], 9300);
}

TEST_F(ImageTonesTest, FiveToneOwnIdForms)
{
    struct Case {
        QByteArray id;
        int length;
        const char *bytes; // empty: the packer fails
    };
    const Case cases[] = {
        {Field("1234", 6), 5, "01 02 03 04 00"},
        {Field("1234", 6), 4, "01 02 03 04 00"},
        {Field("12345", 6), 3, "01 02 03 00 00"},
        {Field("12", 6), 5, ""},
        {Field("12A45", 6), 5, ""},
    };
    for (const Case &c : cases) {
        Fresh();
        FiveTone().OwnId = c.id;
        FiveTone().OwnIdLength = static_cast<uint8_t>(c.length);
        SetCommDataBy5Tone();
        if (*c.bytes) {
            EXPECT_TRUE(State().ImagePackOk) << c.id.constData();
            EXPECT_EQ(ImageHex(0x0325, 5), c.bytes) << c.id.constData();
        } else {
            EXPECT_FALSE(State().ImagePackOk) << c.id.constData();
            EXPECT_EQ(Messages(), QStringList{QStringLiteral("SetCommDataBy5ToneError")});
        }
    }
}

TEST_F(ImageTonesTest, FiveToneOwnIdFromTheRadio)
{
    struct Case {
        const char *bytes; // length byte, then bytes from 0x0324 (period) to 0x032A
        QByteArray id;
        int lengthKept;
    };
    const Case cases[] = {
        {"03 46 01 02 03 04 05 06", NulField("123", 6), 3},
        {"02 46 0C 07 00 00 00 00", NulField("127", 6), 2},     // a byte 12 gives "12"
        {"06 46 01 02 03 04 05 06", QByteArray("123456"), 6},   // the sixth digit at 0x032A
        {"C8 46 01 02 03 04 05 06", QByteArray("123456"), 200}, // no more than the area holds
    };
    for (const Case &c : cases) {
        SetImage(0x0323, Hex(c.bytes));
        GetCommDataBy5Tone();
        EXPECT_EQ(FiveTone().OwnId, c.id) << c.bytes;
        EXPECT_EQ(FiveTone().OwnIdLength, c.lengthKept) << c.bytes;
    }
}

TEST_F(ImageTonesTest, CodeRecordsPackedAndReadBack)
{
    struct Case {
        int length;
        QByteArray code;
        const char *digitBytes;
        QByteArray back;
    };
    const Case cases[] = {
        {5, "12345", "12 34 5E", "12345"},
        {4, "12", "12 EE", "12EE"},
        {2, "12345", "12", "12"},
        {0, "12", "", ""},
    };
    for (const Case &c : cases) {
        ResetMemoryImage();
        FiveToneCodeRecord rec;
        rec.CodeLength = static_cast<uint8_t>(c.length);
        rec.TonePeriod = 70;
        rec.Code = c.code;
        RunPacker("test", [&] { PackFiveToneCode(rec, 0x0D00, true, 40); });
        ASSERT_TRUE(State().ImagePackOk);
        const int n = (c.length + 1) / 2;
        if (n > 0) {
            EXPECT_EQ(ImageHex(0x0D04, n), c.digitBytes) << c.length;
        }
        EXPECT_EQ(State().MemoryImage[0x0D04 + n], 0) << c.length;
        FiveToneCodeRecord back;
        UnpackFiveToneCode(back, 0x0D00, true, 40);
        EXPECT_EQ(back.Code, Field(c.back, 40)) << c.length;
    }
}

TEST_F(ImageTonesTest, OversizedLengthsFromTheRadioAreClampedToTheArea)
{
    // Row 1 with length 254: only its own 20 code bytes are read.
    SetImage(0x0D00, Hex("00 00 FE 46"));
    FillImage(0x0D04, 20, 0x11);
    FillImage(0x0D18, 40, 0x99); // its name and the next row
    SetImage(0x0D18, Hex("41 00"));
    // Information code 2 with length 254 and a digit byte above 15.
    SetImage(0x0520, Hex("FF FF FE 1F 02"));
    FillImage(0x0525, 20, 0x03);
    // Information code 3 with length 0xFF.
    SetImage(0x0540, Hex("01 02 FF 05"));
    GetCommDataBy5Tone();

    const FiveToneBlock &b = FiveTone();
    EXPECT_EQ(b.CodeRows[0].CodeLength, 40);
    EXPECT_EQ(b.CodeRows[0].Code, QByteArray(40, '1'));
    EXPECT_EQ(b.InfoCodes[1].Function, 0);
    EXPECT_EQ(b.InfoCodes[1].Response, 0);
    EXPECT_EQ(b.InfoCodes[1].CodeLength, 12);
    EXPECT_EQ(b.InfoCodes[1].Code, QByteArray("1F2333333333"));
    EXPECT_EQ(b.InfoCodes[2].Function, 1);
    EXPECT_EQ(b.InfoCodes[2].CodeLength, 0);
    EXPECT_EQ(b.InfoCodes[2].Code, Field("", 12));
}

TEST_F(ImageTonesTest, FaultyFiveToneValuesFailThePacker)
{
    const std::pair<const char *, std::function<void()>> cases[] = {
        {"row code with a letter beyond F",
         [] {
             FiveTone().CodeRows[3].CodeLength = 2;
             FiveTone().CodeRows[3].Code = "1G";
         }},
        {"information code with a letter beyond F",
         [] {
             FiveTone().InfoCodes[2].CodeLength = 2;
             FiveTone().InfoCodes[2].Code = "X1";
         }},
        {"row flag 2", [] { FiveTone().CodeRows[7].Empty = 2; }},
        {"value beyond a byte", [] { FiveTone().PauseTime = 256; }},
    };
    for (const auto &[what, change] : cases) {
        Fresh();
        for (FiveToneCodeRecord &r : FiveTone().CodeRows)
            r.Empty = 1;
        change();
        const FiveToneBlock before = FiveTone();
        SetCommDataBy5Tone();
        EXPECT_FALSE(State().ImagePackOk) << what;
        EXPECT_EQ(Messages(), QStringList{QStringLiteral("SetCommDataBy5ToneError")}) << what;
        EXPECT_EQ(FiveTone(), before) << what;
    }
}

} // namespace
