// The whole image: pack order, failures that stop a write, side effects on the working data,
// bytes kept from a read to the next write, and a full data set there and back.

#include "image_test_util.h"

using namespace imagetest;

namespace {

ChannelRecord MakeChannel(int number, const char *rx, int variant)
{
    ChannelRecord r;
    r.Number = static_cast<int16_t>(number);
    r.Used = 1;
    r.ScanSkip = static_cast<int16_t>(variant % 2);
    r.RxFrequency = rx;
    r.TxOffset = variant % 3 == 0 ? "000000000" : "000500000";
    r.OffsetDir = static_cast<int16_t>(variant % 3);
    r.Name = variant % 4 == 0 ? NulField("", 6) : NulField(QByteArray("CH") + QByteArray::number(number), 6);
    r.StepIndex = static_cast<int16_t>(variant % 8);
    r.TxInhibit = static_cast<int16_t>(variant % 5 == 1);
    r.Reverse = static_cast<int16_t>(variant % 5 == 2);
    r.Bandwidth = static_cast<int16_t>(variant % 2);
    r.Power = static_cast<int16_t>((variant + 1) % 2);
    r.Talkaround = static_cast<int16_t>(variant % 7 == 3);
    r.Compander = static_cast<int16_t>(variant % 6 == 2);
    r.EncodeToneType = static_cast<int16_t>(variant % 3);
    r.DecodeToneType = static_cast<int16_t>((variant + 1) % 3);
    r.EncodeCtcssIndex = static_cast<int16_t>(variant * 3 % 52);
    r.DecodeCtcssIndex = static_cast<int16_t>(variant * 5 % 52);
    r.EncodeDcsCode = static_cast<int16_t>(variant * 37 % 512);
    r.DecodeDcsCode = static_cast<int16_t>(variant * 71 % 512);
    r.EncodeDcsBit8 = static_cast<int16_t>(r.EncodeDcsCode >= 256);
    r.DecodeDcsBit8 = static_cast<int16_t>(r.DecodeDcsCode >= 256);
    r.EncodeDcsInverted = static_cast<int16_t>(variant % 4 == 1);
    r.DecodeDcsInverted = static_cast<int16_t>(variant % 4 == 2);
    r.OptSig = static_cast<int16_t>(variant % 4);
    r.DtmfMemoryIndex = static_cast<int16_t>(variant % 16);
    r.TwoToneIndex = static_cast<int16_t>(variant % 32);
    r.FiveToneIndex = static_cast<int16_t>(variant % 100);
    r.BusyLock = static_cast<int16_t>(variant % 3);
    r.DtmfPttId = static_cast<int16_t>(variant % 4);
    r.FiveTonePttId = static_cast<int16_t>((variant + 2) % 4);
    r.SquelchMode = static_cast<int16_t>(variant % 5);
    r.CustomCtcss = static_cast<int16_t>(625 + variant * 17);
    return r;
}

// A realistic data set, with every field the radio does not keep left at zero and every text in
// the form a read gives it (so that the data come back exactly).
void BuildDataSet()
{
    AppState &s = State();
    s.RadioData = RadioDataRecord{};
    s.ChannelList = {};
    const std::pair<int, const char *> channels[] = {
        {1, "043500000"},   {2, "014600000"},   {3, "043501250"},   {17, "043500625"},  {50, "014512500"},
        {128, "014403125"}, {199, "046250000"}, {200, "016999750"}, {201, "040000000"}, {202, "013600000"},
        {203, "043000000"}, {204, "014400000"}, {205, "044000000"}, {206, "015500000"},
    };
    int slot = 0;
    for (const auto &[number, rx] : channels)
        s.ChannelList[slot] = MakeChannel(number, rx, slot), ++slot;
    // VFO1's scan-skip bit is read but never written, so it comes back set; VFO2 has none, and a
    // read keeps what the slot held (0 here).
    s.ChannelList[slot - 2].ScanSkip = 1;
    s.ChannelList[slot - 1].ScanSkip = 0;
    s.RadioData.ChannelCount = static_cast<int16_t>(slot);

    for (int i = 0; i < kFmChannelEntries; ++i)
        FmTable()[i] = FmEntry(i + 1, 0, "FFFFFFFF");
    FmTable()[0] = FmEntry(1, 1, "01080000");
    FmTable()[5] = FmEntry(6, 1, "00885000");
    FmTable()[7] = FmEntry(8, 0, "00900000"); // a frequency kept, not in use
    FmTable()[99] = FmEntry(100, 1, "01079500");
    FmTable()[100] = FmEntry(101, 1, "00975000");

    for (int i = 0; i < kCommBookEntries; ++i)
        Book()[i] = Entry(i, NulField("", 5), NulField("", 6));
    Book()[0] = Entry(0, "10001", NulField("BOSS", 6));
    Book()[1] = Entry(1, NulField("12", 5), QByteArray("DESK 2"));
    Book()[2] = Entry(2, NulField("555", 5), NulField("GATE", 6));

    DtmfBlock &d = Dtmf();
    for (int k = 0; k < kDtmfCodeMemories; ++k) {
        const QByteArray code = QByteArray("0123456789ABCDEF").left(k + 1);
        d.CodeMemory[k].Code = NulField(code, 24);
        d.CodeMemory[k].Length = static_cast<int16_t>(code.size());
    }
    d.PttIdBegin.Code = NulField("E1F", 24);
    d.PttIdBegin.Length = 3;
    d.PttIdEnd.Code = QByteArray("012345678901234567890123");
    d.PttIdEnd.Length = 24;
    d.RemoteKill.Code = NulField("13579", 14);
    d.RemoteKill.Length = 5;
    d.RemoteStun.Code = NulField("", 14);
    d.Ani = 1;
    d.SendTime = 2;
    d.OwnId = "123";
    d.Separator = 14;
    d.GroupCode = 255;
    d.DecodeResponse = 1;
    d.FirstDigitDelay = 20;
    d.PreSendDelay = 20;
    d.ResetTime = 3;
    d.PostSendDelay = 21;
    d.PauseTime = 10;
    d.SideTone = 1;

    OptionBlock &o = Options();
    o.DisplayMode = 1;
    o.MemoryChannel1 = 16;
    o.MemoryChannel2 = 200;
    o.FmMemoryChannel = 100;
    o.SquelchLevel1 = 5;
    o.SquelchLevel2 = 3;
    o.Backlight = 2;
    o.TailElimination = 1;
    o.VoicePrompt = 1;
    o.Tot = 6;
    o.PowerSave = 2;
    o.TbstFrequency = 1;
    o.VoxLevel = 4;
    o.InternalFunctionOperation = 1;
    o.PowerOnPassword = NulField("8888", 12);
    s.RadioData.Pf1KeyFunction = 3;
    s.RadioData.Pf2KeyFunction = 1;
    s.RadioData.FmRadioEnable = 1;

    Scan() = ScanBlock{1, 1, 4, 5, 5, 2, 3, 1, 1, 4, 0x77, 16, 0x88, 199};
    Alert() = AlertBlock{1, 2, 7, 3, 4, 5, 1, 16, 2, 1, 1, 5};

    SetDefaults(TwoTone().General);
    SetDefaults(TwoTone().Entries);
    for (TwoToneEntry &e : TwoTone().Entries)
        e.Name = NulField("", 7);
    TwoTone().Entries[0].Name = Field("HQ", 7); // names go to the radio padded with spaces
    TwoTone().Entries[6].Empty = 0;
    TwoTone().Entries[6].Tone1 = 10600;
    TwoTone().Entries[6].Divisor1 = 566;
    TwoTone().Entries[6].Name = QByteArray("YARD  7");

    FiveToneBlock &b = FiveTone();
    SetDefaults(b);
    b.UserStandard = UserToneStandard{}; // never in the radio
    b.OwnIdLength = 5;
    b.OwnId = NulField("12345", 6);
    for (InfoCodeRecord &c : b.InfoCodes) {
        c.Code = Field("", 12); // a read gives the digits padded with spaces
        c.Name = NulField("", 7);
    }
    b.InfoCodes[0].CodeLength = 5;
    b.InfoCodes[0].Code = "1234F";
    b.InfoCodes[0].Name = NulField("STUN", 7);
    b.PttIdBegin.CodeLength = 5;
    b.PttIdBegin.TonePeriod = 70;
    b.PttIdBegin.Code = "12345";
    b.PttIdEnd.TonePeriod = 40;
    b.PttIdEnd.Code = Field("", 40);
    for (FiveToneCodeRecord &r : b.CodeRows)
        r.Name = NulField("", 7);
    b.CodeRows[0].Empty = 0;
    b.CodeRows[0].CodeLength = 7;
    b.CodeRows[0].Code = "1234567";
    b.CodeRows[0].Name = Field("ALL", 7);
    b.CodeRows[41].Empty = 0;
    b.CodeRows[41].StandardIndex = 3;
    b.CodeRows[41].TonePeriod = 100;
    b.CodeRows[41].CodeLength = 40;
    b.CodeRows[41].Code = "0123456789ABCDEF0123456789ABCDEF01234567";
    b.CodeRows[41].Name = QByteArray("ROW  42");
    s.RadioData.FiveToneDecodeTime = 2;
}

class MemoryImageTest : public ImageTest {};

TEST_F(MemoryImageTest, FullDataSetComesBackUnchanged)
{
    BuildDataSet();
    const RadioDataRecord data = State().RadioData;
    const auto channels = State().ChannelList;

    PackMemoryImage();
    ASSERT_TRUE(State().ImagePackOk);
    EXPECT_TRUE(script->messages().isEmpty());
    EXPECT_EQ(State().RadioData, data); // already complete and sorted: packing changed nothing
    const auto image = State().MemoryImage;

    State().RadioData = RadioDataRecord{};
    State().ChannelList = {};
    UnpackMemoryImage();
    EXPECT_EQ(State().RadioData.SignallingRecord.DtmfBlock, data.SignallingRecord.DtmfBlock);
    EXPECT_EQ(State().RadioData.SignallingRecord.TwoToneBlock, data.SignallingRecord.TwoToneBlock);
    EXPECT_EQ(State().RadioData.SignallingRecord.FiveToneBlock, data.SignallingRecord.FiveToneBlock);
    EXPECT_EQ(State().RadioData.SignallingRecord.OptionBlock, data.SignallingRecord.OptionBlock);
    EXPECT_EQ(State().RadioData.SignallingRecord.ScanBlock, data.SignallingRecord.ScanBlock);
    EXPECT_EQ(State().RadioData.SignallingRecord.AlertBlock, data.SignallingRecord.AlertBlock);
    EXPECT_EQ(State().RadioData.FmChannelTable, data.FmChannelTable);
    EXPECT_EQ(State().RadioData.CommBook, data.CommBook);
    EXPECT_EQ(State().RadioData, data);
    ASSERT_EQ(State().RadioData.ChannelCount, data.ChannelCount);
    for (int i = 0; i < data.ChannelCount; ++i)
        EXPECT_EQ(State().ChannelList[i], channels[i]) << "slot " << i;

    ResetMemoryImage();
    PackMemoryImage();
    EXPECT_EQ(State().MemoryImage, image);
}

TEST_F(MemoryImageTest, TwoWritesInARowSendTheSameImage)
{
    BuildDataSet();
    Dtmf().OwnId = Field("4", 3);
    std::swap(Book()[0], Book()[2]);
    PackMemoryImage();
    ASSERT_TRUE(State().ImagePackOk);
    const auto first = State().MemoryImage;
    EXPECT_EQ(Dtmf().OwnId, QByteArray("400"));
    EXPECT_EQ(Book()[0].CallId, QByteArray("10001"));

    ResetMemoryImage();
    PackMemoryImage();
    EXPECT_EQ(State().MemoryImage, first);
}

TEST_F(MemoryImageTest, BytesNotModelledGoBackAsTheRadioGaveThem)
{
    BuildDataSet();
    // Right after start-up they are zeros.
    PackMemoryImage();
    EXPECT_EQ(ImageHex(0x0140, 32), ImageHex(0x0160, 32));
    EXPECT_EQ(State().MemoryImage[0x0140], 0);

    // A read brought them; the next write keeps them.
    FillImage(0x0140, 32, 0xC3);
    FillImage(0x0000, 16, 0x3C);
    ResetMemoryImage();
    PackMemoryImage();
    for (int a = 0x0140; a <= 0x015F; ++a)
        ASSERT_EQ(State().MemoryImage[a], 0xC3) << std::hex << a;
    for (int a = 0x0000; a <= 0x000F; ++a)
        ASSERT_EQ(State().MemoryImage[a], 0x3C) << std::hex << a;
}

TEST_F(MemoryImageTest, FailingChannelPackerStopsTheWriteBeforeAnySideEffect)
{
    BuildDataSet();
    Dtmf().OwnId = Field("4", 3);
    std::swap(Book()[0], Book()[2]);
    State().ChannelList[3].Bandwidth = 4;
    const RadioDataRecord before = State().RadioData;
    PackMemoryImage();

    EXPECT_FALSE(State().ImagePackOk);
    EXPECT_EQ(Messages(), QStringList{QStringLiteral("SetCommDataByFrequencyError")});
    EXPECT_EQ(State().RadioData, before); // own ID not completed, book not sorted
    EXPECT_EQ(ImageHex(0x03B0, 1), "01"); // scan and alarm were packed before it
    EXPECT_EQ(ImageHex(0x03A1, 1), "02");
    EXPECT_EQ(ImageHex(0x2000, 4), "04 35 00 00"); // so were the channels before the faulty one
    EXPECT_EQ(ImageHex(0x0220, 1), "00");          // the option packer never ran
}

TEST_F(MemoryImageTest, EachFailingPackerStopsThoseAfterIt)
{
    struct Case {
        const char *message;
        std::function<void()> fault;
        bool ownIdCompleted;
    };
    const Case cases[] = {
        {"SetCommDataByOptionError", [] { Options().Alarm = 2; }, false},
        {"SetCommDataBy5ToneError", [] { FiveTone().OwnIdLength = 6; FiveTone().OwnId = Field("1", 6); }, false},
        {"SetCommDataBy2ToneError", [] { TwoTone().Entries[3].Empty = 5; }, false},
        {"SetCommDataByDTMFError", [] { Dtmf().PauseTime = 999; }, true},
    };
    for (const Case &c : cases) {
        Fresh();
        BuildDataSet();
        Dtmf().OwnId = Field("4", 3);
        std::swap(Book()[0], Book()[2]);
        c.fault();
        PackMemoryImage();
        EXPECT_FALSE(State().ImagePackOk) << c.message;
        EXPECT_EQ(Messages(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_EQ(Dtmf().OwnId, QByteArray(c.ownIdCompleted ? "400" : "4  ")) << c.message;
        EXPECT_EQ(Book()[0].CallId, NulField("555", 5)) << c.message; // the book is never sorted
        EXPECT_EQ(ImageHex(0x1980, 5), "00 00 00 00 00") << c.message;
    }
}

TEST_F(MemoryImageTest, UnpackOrderLetsTheDtmfUnpackerKeepTheOptionBits)
{
    SetImage(0x0230, Hex("08")); // ANI on
    SetImage(0x0236, Hex("05")); // send time
    UnpackMemoryImage();
    EXPECT_EQ(Dtmf().Ani, 1);
    EXPECT_EQ(Dtmf().SendTime, 5);
}

} // namespace

namespace {

class AdoptRadioModelTest : public ImageTest {};

TEST_F(AdoptRadioModelTest, RadiosModelAndBandPlanBecomeTheProgramsOwn)
{
    State().RadioModelCode = QStringLiteral("K58TXC");
    State().RadioBandCode = 5;
    State().RadioBandText = QStringLiteral("UHF(400 - 520 MHz) VHF(144 - 146 MHz)");
    AdoptRadioModel();
    const AppState &s = State();
    EXPECT_EQ(s.CurModelCode, QStringLiteral("K58TXC"));
    EXPECT_EQ(s.CurModelDisplay, QStringLiteral("K58TX"));
    EXPECT_EQ(s.CurBandPlanIndex, 5);
    EXPECT_EQ(s.CurBandPlanText, QStringLiteral("UHF(400 - 520 MHz) VHF(144 - 146 MHz)"));
    EXPECT_EQ(s.RxBandLow, (std::array<double, 2>{400.0, 144.0}));
    EXPECT_EQ(s.RxBandHigh, (std::array<double, 2>{520.0, 146.0}));
    EXPECT_EQ(s.TxBandLow, s.RxBandLow);
    EXPECT_EQ(s.TxBandHigh, s.RxBandHigh);
}

TEST_F(AdoptRadioModelTest, BandCodeOutsideTheBandPlansKeepsTheProgramsBandPlan)
{
    State().CurBandPlanIndex = 2;
    State().CurBandPlanText = QStringLiteral("UHF(430 - 440 MHz) VHF(136 - 174 MHz)");
    State().RxBandLow = {430.0, 136.0};
    State().RxBandHigh = {440.0, 174.0};
    State().TxBandLow = State().RxBandLow;
    State().TxBandHigh = State().RxBandHigh;
    const AppState before = State();

    for (int code : {48, 53, -1, 8}) {
        State().RadioModelCode = QStringLiteral("TORVA6Y");
        State().RadioBandCode = static_cast<int16_t>(code);
        State().RadioBandText.clear();
        AdoptRadioModel();
        EXPECT_EQ(State().CurModelDisplay, QStringLiteral("TORVA-6Y")) << code;
        EXPECT_EQ(State().CurBandPlanIndex, 2) << code;
        EXPECT_EQ(State().CurBandPlanText, before.CurBandPlanText) << code;
        EXPECT_EQ(State().RxBandLow, before.RxBandLow) << code;
        EXPECT_EQ(State().RxBandHigh, before.RxBandHigh) << code;
    }
}

} // namespace
