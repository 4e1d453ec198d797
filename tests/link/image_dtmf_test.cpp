// DTMF settings and the communication book in the memory image.

#include "image_test_util.h"

using namespace imagetest;

namespace {

const char *const kDtmfGeneral = "0B FF 02 07 1E 04 03 01 02 00 00 00 00 01 08 19"
                                 " 12 34 56 00 00 00 00 06 AB C0 00 00 00 00 00 03";

class ImageDtmfTest : public ImageTest {
protected:
    void FillDtmf()
    {
        DtmfBlock &d = Dtmf();
        d.Separator = 11;
        d.GroupCode = 255;
        d.DecodeResponse = 2;
        d.PreSendDelay = 7;
        d.FirstDigitDelay = 30;
        d.ResetTime = 4;
        d.OwnId = Field("12", 3);
        d.SideTone = 1;
        d.PostSendDelay = 8;
        d.PauseTime = 25;
        d.RemoteKill.Code = Field("123456", 14);
        d.RemoteKill.Length = 6;
        d.RemoteStun.Code = Field("ABC", 14);
        d.RemoteStun.Length = 3;
        d.PttIdBegin.Code = Field("E1F", 24);
        d.PttIdBegin.Length = 3;
        d.PttIdEnd.Code = Field("12", 24);
        d.PttIdEnd.Length = 5;
        d.CodeMemory[0].Code = Field("123", 24);
        d.CodeMemory[0].Length = 3;
        d.CodeMemory[1].Code = Field("123", 24);
        d.CodeMemory[1].Length = 30;
        d.CodeMemory[15].Code = "0123456789ABCDEF01234567";
        d.CodeMemory[15].Length = 24;
    }
};

TEST_F(ImageDtmfTest, PacksTheDtmfSettings)
{
    FillDtmf();
    SetCommDataByDTMF();
    ASSERT_TRUE(State().ImagePackOk);
    EXPECT_EQ(ImageHex(0x02E0, 32), kDtmfGeneral);
    EXPECT_EQ(ImageHex(0x0340, 16), "E1 F0 00 00 00 00 00 00 00 00 00 00 03 00 00 00");
    EXPECT_EQ(ImageHex(0x0350, 16), "12 00 00 00 00 00 00 00 00 00 00 00 05 00 00 00");
    EXPECT_EQ(ImageHex(0x0400, 16), "12 30 00 00 00 00 00 00 00 00 00 00 03 00 00 00");
    EXPECT_EQ(ImageHex(0x0410, 16), "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"); // length 30: no code
    EXPECT_EQ(ImageHex(0x04F0, 16), "01 23 45 67 89 AB CD EF 01 23 45 67 18 00 00 00");
    // The completed own ID is stored back; the other repairs act on a copy only.
    EXPECT_EQ(Dtmf().OwnId, QByteArray("120"));
    EXPECT_EQ(Dtmf().GroupCode, 255);
    EXPECT_EQ(Dtmf().CodeMemory[1].Length, 30);
}

TEST_F(ImageDtmfTest, UnpacksTheDtmfSettings)
{
    SetImage(0x02E0, Hex(kDtmfGeneral));
    SetImage(0x0340, Hex("E1 F0 00 00 00 00 00 00 00 00 00 00 03"));
    SetImage(0x0350, Hex("12 00 00 00 00 00 00 00 00 00 00 00 05"));
    SetImage(0x0400, Hex("12 30 00 00 00 00 00 00 00 00 00 00 03"));
    SetImage(0x0410, Hex("12 30 00 00 00 00 00 00 00 00 00 00 1E"));
    SetImage(0x04F0, Hex("01 23 45 67 89 AB CD EF 01 23 45 67 18"));
    Dtmf().Ani = 1;       // came with the option settings
    Dtmf().SendTime = 9;  // likewise
    Dtmf().PttIdMode = 2; // never reaches the radio
    GetCommDataByDTMF();

    const DtmfBlock &d = Dtmf();
    EXPECT_EQ(d.Separator, 11);
    EXPECT_EQ(d.GroupCode, 255);
    EXPECT_EQ(d.DecodeResponse, 2);
    EXPECT_EQ(d.PreSendDelay, 7);
    EXPECT_EQ(d.FirstDigitDelay, 30);
    EXPECT_EQ(d.ResetTime, 4);
    EXPECT_EQ(d.OwnId, QByteArray("120"));
    EXPECT_EQ(d.SideTone, 1);
    EXPECT_EQ(d.PostSendDelay, 8);
    EXPECT_EQ(d.PauseTime, 25);
    EXPECT_EQ(d.RemoteKill.Code, NulField("123456", 14));
    EXPECT_EQ(d.RemoteKill.Length, 6);
    EXPECT_EQ(d.RemoteStun.Code, NulField("ABC", 14));
    EXPECT_EQ(d.RemoteStun.Length, 3);
    EXPECT_EQ(d.PttIdBegin.Code, NulField("E1F", 24));
    EXPECT_EQ(d.PttIdEnd.Code, NulField("12000", 24));
    EXPECT_EQ(d.PttIdEnd.Length, 5);
    EXPECT_EQ(d.CodeMemory[0].Code, NulField("123", 24));
    EXPECT_EQ(d.CodeMemory[1].Code, NulField("", 24)); // length byte 30: no code
    EXPECT_EQ(d.CodeMemory[1].Length, 0);
    EXPECT_EQ(d.CodeMemory[15].Code, QByteArray("0123456789ABCDEF01234567"));
    EXPECT_EQ(d.CodeMemory[15].Length, 24);
    EXPECT_EQ(d.Ani, 1);
    EXPECT_EQ(d.SendTime, 9);
    EXPECT_EQ(d.PttIdMode, 2);
}

TEST_F(ImageDtmfTest, OwnIdIsCompletedToThreeDigits)
{
    const std::pair<QByteArray, const char *> cases[] = {
        {Field("12", 3), "120"}, {QByteArray("7\0 ", 3), "700"}, {Field("AB", 3), "000"},
        {Field("", 3), "000"},   {QByteArray("1 2"), "000"},     {QByteArray("987"), "987"},
    };
    for (const auto &[id, completed] : cases) {
        Fresh();
        Dtmf().OwnId = id;
        SetCommDataByDTMF();
        ASSERT_TRUE(State().ImagePackOk) << completed;
        EXPECT_EQ(Dtmf().OwnId, QByteArray(completed));
        QByteArray expected = "03";
        for (char c : QByteArray(completed))
            expected += " 0" + QByteArray(1, c);
        EXPECT_EQ(ImageHex(0x02E6, 4), expected.toStdString());
    }
}

TEST_F(ImageDtmfTest, OwnIdFromTheRadio)
{
    struct Case {
        const char *bytes; // length byte and five digit bytes
        const char *id;
    };
    const Case cases[] = {
        {"00 04 05 06 07 08", "456"}, // length 0 reads three digits
        {"09 01 02 03 04 05", "123"}, // length 9 reads five, three fit the field
        {"03 01 0A 03 00 00", "000"}, // a byte above 9 gives "000"
        {"05 01 02 03 04 0C", "000"}, // also among the fourth and fifth digits
    };
    for (const Case &c : cases) {
        SetImage(0x02E6, Hex(c.bytes));
        GetCommDataByDTMF();
        EXPECT_EQ(Dtmf().OwnId, QByteArray(c.id)) << c.bytes;
    }
}

TEST_F(ImageDtmfTest, RepairsOfTheGeneralBytes)
{
    struct Case {
        int addr;
        uint8_t byte;
        std::function<int()> field;
        int expected;
        int imageAfter;
    };
    const Case cases[] = {
        {0x02E0, 0x09, [] { return Dtmf().Separator; }, 14, 0x09},
        {0x02E0, 0x0F, [] { return Dtmf().Separator; }, 15, 0x0F},
        {0x02E1, 0xFF, [] { return Dtmf().GroupCode; }, 255, 0xFF},
        {0x02E1, 0x0C, [] { return Dtmf().GroupCode; }, 12, 0x0C},
        {0x02E1, 0x05, [] { return Dtmf().GroupCode; }, 255, 0x05},
        {0x02E2, 0x03, [] { return Dtmf().DecodeResponse; }, 0, 0x00},
        {0x02E4, 0xFB, [] { return Dtmf().FirstDigitDelay; }, 0, 0x00},
        {0x02E4, 0xFA, [] { return Dtmf().FirstDigitDelay; }, 250, 0xFA},
    };
    for (const Case &c : cases) {
        State().MemoryImage[c.addr] = c.byte;
        GetCommDataByDTMF();
        EXPECT_EQ(c.field(), c.expected) << std::hex << c.addr << " " << int(c.byte);
        EXPECT_EQ(State().MemoryImage[c.addr], c.imageAfter) << std::hex << c.addr << " " << int(c.byte);
    }
    // The packed repairs act on the copy that is sent.
    Dtmf().Separator = 3;
    Dtmf().GroupCode = 0;
    Dtmf().DecodeResponse = 3;
    Dtmf().FirstDigitDelay = 251;
    SetCommDataByDTMF();
    EXPECT_EQ(ImageHex(0x02E0, 5), "0E FF 00 00 00");
    EXPECT_EQ(Dtmf().Separator, 3);
}

TEST_F(ImageDtmfTest, OversizedLengthBytesFromTheRadioReadAsNoCode)
{
    SetImage(0x02F0, Hex("12 34 56 78 9A BC DE 0F"));
    SetImage(0x034C, Hex("19"));
    GetCommDataByDTMF();
    EXPECT_EQ(Dtmf().RemoteKill.Length, 0);
    EXPECT_EQ(Dtmf().RemoteKill.Code, NulField("", 14));
    EXPECT_EQ(Dtmf().PttIdBegin.Length, 0);
}

TEST_F(ImageDtmfTest, FaultyCodesFailThePacker)
{
    const std::pair<const char *, std::function<void()>> cases[] = {
        {"remote length beyond its text",
         [] {
             Dtmf().RemoteKill.Code = Field("12", 14);
             Dtmf().RemoteKill.Length = 4;
         }},
        {"code character not a hex digit",
         [] {
             Dtmf().CodeMemory[3].Code = Field("12*", 24);
             Dtmf().CodeMemory[3].Length = 3;
         }},
        {"negative length", [] { Dtmf().PttIdEnd.Length = -1; }},
        {"value beyond a byte", [] { Dtmf().PauseTime = 300; }},
    };
    for (const auto &[what, change] : cases) {
        Fresh();
        Dtmf().OwnId = Field("7", 3);
        change();
        SetCommDataByDTMF();
        EXPECT_FALSE(State().ImagePackOk) << what;
        EXPECT_EQ(Messages(), QStringList{QStringLiteral("SetCommDataByDTMFError")}) << what;
        EXPECT_EQ(Dtmf().OwnId, QByteArray("700")) << what; // already stored back
    }
}

TEST_F(ImageDtmfTest, RemoteLengthBeyondItsTextWritesTheLengthAndTheFullPairs)
{
    // Length byte first, then the pairs: "12" goes out, the second pair has no characters.
    Dtmf().OwnId = Field("7", 3);
    Dtmf().RemoteKill.Code = Field("12", 14);
    Dtmf().RemoteKill.Length = 4;
    SetCommDataByDTMF();
    EXPECT_FALSE(State().ImagePackOk);
    EXPECT_EQ(ImageHex(0x02F0, 8), "12 00 00 00 00 00 00 04");
}

TEST_F(ImageDtmfTest, BookIsSortedThenPacked)
{
    auto &book = Book();
    for (int i = 0; i < 128; ++i)
        book[i] = Entry(i, NulField("", 5), NulField("", 6));
    book[0] = Entry(0, Field("123", 5), Field("X", 6));
    book[1] = Entry(1, QByteArray("12345"), Field("AB", 6));
    book[2] = Entry(2, Field("1A2", 5), Field("L", 6));
    book[5] = Entry(5, Field("12", 5), NulField("", 6));
    SetCommDataByDTMFCommuBook();
    ASSERT_TRUE(State().ImagePackOk);

    // Sorted and renumbered in the working data.
    EXPECT_EQ(book[0].CallId, QByteArray("12345"));
    EXPECT_EQ(book[1].CallId, Field("123", 5));
    EXPECT_EQ(book[1].Name, Field("X", 6));
    EXPECT_EQ(book[2].CallId, Field("12", 5));
    EXPECT_EQ(book[3].CallId, Field("1A2", 5));
    for (int i = 0; i < 128; ++i)
        EXPECT_EQ(book[i].Number, i);

    EXPECT_EQ(ImageHex(0x1980, 20), "31 32 33 34 35 31 32 33 00 00 31 32 00 00 00 00 00 00 00 00");
    EXPECT_EQ(ImageHex(0x1C00, 32), "41 42 20 20 20 20 00 00 58 20 20 20 20 20 00 00"
                                    " 20 20 20 20 20 20 00 00 4C 20 20 20 20 20 00 00");
    EXPECT_EQ(ImageHex(0x1980 + 5 * 127, 5), "00 00 00 00 00");
    EXPECT_EQ(ImageHex(0x1C00 + 8 * 127, 8), "20 20 20 20 20 20 00 00");
}

TEST_F(ImageDtmfTest, BookFromTheRadio)
{
    SetImage(0x1980, Hex("31 32 33 00 00 31 32 33 34 35 39 41 32 00 00 00 00 00 00 00"));
    SetImage(0x1C00, Hex("41 42 20 20 20 20 00 00 FF FF FF FF FF FF 00 00 41 20 FF 42 43 44 00 00"));
    SetImage(0x1C18, Hex("20 20 20 20 20 20"));
    Book()[7].Number = 99;
    GetCommDataByDTMFCommuBook();
    const auto &book = Book();
    EXPECT_EQ(book[0].CallId, NulField("123", 5));
    EXPECT_EQ(book[1].CallId, QByteArray("12345"));
    EXPECT_EQ(book[2].CallId, NulField("9", 5)); // a letter ends the call ID
    EXPECT_EQ(book[3].CallId, NulField("", 5));
    EXPECT_EQ(book[0].Name, NulField("AB", 6));
    EXPECT_EQ(book[1].Name, NulField("", 6)); // six 0xFF: no name
    EXPECT_EQ(book[2].Name, NulField("A ", 6));
    EXPECT_EQ(book[3].Name, NulField("", 6)); // six spaces: no name
    EXPECT_EQ(book[7].Number, 7);
}

TEST_F(ImageDtmfTest, CallIdWithALetterTravelsAsNoCallId)
{
    auto &book = Book();
    for (int i = 0; i < 128; ++i)
        book[i] = Entry(i, NulField("", 5), NulField("", 6));
    book[0] = Entry(0, Field("1A", 5), Field("N", 6));
    SetCommDataByDTMFCommuBook();
    EXPECT_EQ(ImageHex(0x1980, 5), "00 00 00 00 00");
    GetCommDataByDTMFCommuBook();
    EXPECT_EQ(book[0].CallId, NulField("", 5));
    EXPECT_EQ(book[0].Name, NulField("N", 6));
}

} // namespace
