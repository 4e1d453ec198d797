// Option, scan and emergency-alarm settings in the memory image.

#include "image_test_util.h"

using namespace imagetest;

namespace {

class ImageOptionsTest : public ImageTest {
protected:
    // Distinct values in every option field.
    void FillOptions()
    {
        OptionBlock &o = Options();
        int16_t v = 1;
        for (int16_t *f : {&o.DisplayMode, &o.DisplayStyle1, &o.DisplayStyle2, &o.FmDisplayMode, &o.MemoryChannel1,
                           &o.MemoryChannel2, &o.FmMemoryChannel, &o.SquelchLevel1, &o.SquelchLevel2, &o.ScanTime,
                           &o.FunctionKeyTime, &o.Backlight, &o.BacklightColour, &o.SubDisplayMode})
            *f = v++; // 1..14
        o.Tot = 21;
        o.AutoPowerOff = 22;
        o.BusyLock = 2;
        o.PowerSave = 4;
        o.TbstFrequency = 3;
        o.VoxLevel = 9;
        o.VoxDelay = 25;
        o.TailEliminationMode = 26;
        o.UnlabelledChoice = 1;
        o.SqlKeyFunction = 1;
        o.TailElimination = 0;
        o.FullBand = 1;
        o.MainChannel = 1;
        o.Alarm = 0;
        o.VoicePrompt = 1;
        o.FunctionOperation = 1;
        o.InternalFunctionOperation = 0;
        o.InitialiseKey = 1;
        o.PowerOnPassword = Field("1234", 12);
        Dtmf().Ani = 1;
        Dtmf().SendTime = 17;
        State().RadioData.Pf1KeyFunction = 3;
        State().RadioData.Pf2KeyFunction = 5;
        State().RadioData.FmRadioEnable = 0;
    }
};

const char *const kOptionBytes = "01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 00 03"
                                 " AD 01 15 05 16 02 11 04 03 09 19 1A 09";

TEST_F(ImageOptionsTest, PacksTheOptionSettings)
{
    FillOptions();
    SetCommDataByOption();
    ASSERT_TRUE(State().ImagePackOk);
    EXPECT_EQ(ImageHex(0x0220, 29), kOptionBytes);
    EXPECT_EQ(ImageHex(0x03E0, 12), "31 32 33 34 00 00 00 00 00 00 00 00");
}

TEST_F(ImageOptionsTest, UnpacksTheOptionSettings)
{
    SetImage(0x0220, Hex(kOptionBytes));
    SetImage(0x03E0, Hex("31 32 33 34 00 35"));
    GetCommDataByOption();
    const OptionBlock &o = Options();
    EXPECT_EQ(o.DisplayMode, 1);
    EXPECT_EQ(o.SubDisplayMode, 14);
    EXPECT_EQ(o.MemoryChannel2, 6);
    EXPECT_EQ(o.Tot, 21);
    EXPECT_EQ(o.AutoPowerOff, 22);
    EXPECT_EQ(o.BusyLock, 2);
    EXPECT_EQ(o.PowerSave, 4);
    EXPECT_EQ(o.TbstFrequency, 3);
    EXPECT_EQ(o.VoxLevel, 9);
    EXPECT_EQ(o.VoxDelay, 25);
    EXPECT_EQ(o.TailEliminationMode, 26);
    EXPECT_EQ(o.UnlabelledChoice, 1);
    EXPECT_EQ(o.SqlKeyFunction, 1);
    EXPECT_EQ(o.TailElimination, 0);
    EXPECT_EQ(o.FullBand, 1);
    EXPECT_EQ(o.MainChannel, 1);
    EXPECT_EQ(o.Alarm, 0);
    EXPECT_EQ(o.VoicePrompt, 1);
    EXPECT_EQ(o.FunctionOperation, 1);
    EXPECT_EQ(o.InternalFunctionOperation, 0);
    EXPECT_EQ(o.InitialiseKey, 1);
    EXPECT_EQ(o.PowerOnPassword, NulField("1234", 12));
    EXPECT_EQ(Dtmf().Ani, 1);
    EXPECT_EQ(Dtmf().SendTime, 17);
    EXPECT_EQ(State().RadioData.Pf1KeyFunction, 3);
    EXPECT_EQ(State().RadioData.Pf2KeyFunction, 5);
    EXPECT_EQ(State().RadioData.FmRadioEnable, 0);
}

TEST_F(ImageOptionsTest, ByteAt0x022EIsAlwaysZeroAndIgnored)
{
    State().MemoryImage[0x022E] = 0x77;
    SetCommDataByOption();
    EXPECT_EQ(State().MemoryImage[0x022E], 0);
}

TEST_F(ImageOptionsTest, RepairsOfOutOfRangeRadioBytes)
{
    struct Case {
        int addr;
        uint8_t byte;
        std::function<int()> field;
        int expected;
    };
    const Case cases[] = {
        {0x022F, 7, [] { return State().RadioData.Pf1KeyFunction; }, 0},
        {0x022F, 5, [] { return State().RadioData.Pf1KeyFunction; }, 5},
        {0x0233, 7, [] { return State().RadioData.Pf2KeyFunction; }, 0},
        {0x0233, 5, [] { return State().RadioData.Pf2KeyFunction; }, 5},
        {0x0231, 2, [] { return Options().UnlabelledChoice; }, 0},
        {0x0224, 250, [] { return Options().MemoryChannel1; }, 250}, // kept as read
    };
    for (const Case &c : cases) {
        State().MemoryImage[c.addr] = c.byte;
        GetCommDataByOption();
        EXPECT_EQ(c.field(), c.expected) << std::hex << c.addr << " " << int(c.byte);
    }
}

TEST_F(ImageOptionsTest, FlagBytesSetEveryBitField)
{
    State().MemoryImage[0x0230] = 0xFF;
    State().MemoryImage[0x023C] = 0x0F;
    GetCommDataByOption();
    const OptionBlock &o = Options();
    for (int v : {int(o.SqlKeyFunction), int(o.TailElimination), int(o.FullBand), int(Dtmf().Ani),
                  int(State().RadioData.FmRadioEnable), int(o.MainChannel), int(o.Alarm), int(o.VoicePrompt),
                  int(o.FunctionOperation), int(o.InternalFunctionOperation), int(o.InitialiseKey)})
        EXPECT_EQ(v, 1);
    // Bit 2 of 0x023C is ignored, and a write never sets it.
    SetCommDataByOption();
    EXPECT_EQ(ImageHex(0x0230, 1), "FF");
    EXPECT_EQ(ImageHex(0x023C, 1), "0B");
}

TEST_F(ImageOptionsTest, PowerOnPasswordForms)
{
    const std::pair<const char *, QByteArray> cases[] = {
        {"41 42 43 44 45 46 47 48 49 4A 4B 4C", QByteArray("ABCDEFGHIJKL")}, // twelve bytes: no NUL
        {"41 42 FF 43 00 00 00 00 00 00 00 00", NulField("AB", 12)},
        {"00 41 00 00 00 00 00 00 00 00 00 00", NulField("", 12)},
    };
    for (const auto &[bytes, text] : cases) {
        SetImage(0x03E0, Hex(bytes));
        GetCommDataByOption();
        EXPECT_EQ(Options().PowerOnPassword, text) << bytes;
    }
    Options().PowerOnPassword = NulField("", 12);
    SetCommDataByOption();
    EXPECT_EQ(ImageHex(0x03E0, 12), "00 00 00 00 00 00 00 00 00 00 00 00");
}

TEST_F(ImageOptionsTest, ValuesThatDoNotFitFailThePacker)
{
    const std::pair<const char *, std::function<void()>> cases[] = {
        {"byte field 256", [] { Options().Tot = 256; }},
        {"negative byte field", [] { Options().DisplayMode = -1; }},
        {"flag 2", [] { Options().VoicePrompt = 2; }},
        {"ANI 2", [] { Dtmf().Ani = 2; }},
        {"key flag 2", [] { Options().InitialiseKey = 2; }},
        {"send time 300", [] { Dtmf().SendTime = 300; }},
    };
    for (const auto &[what, change] : cases) {
        Fresh();
        change();
        SetCommDataByOption();
        EXPECT_FALSE(State().ImagePackOk) << what;
        EXPECT_EQ(Messages(), QStringList{QStringLiteral("SetCommDataByOptionError")}) << what;
    }
}

TEST_F(ImageOptionsTest, AFailingValueLeavesTheBytesAfterItUnwritten)
{
    // The option bytes go out in address order: those before the faulty one are written, the
    // faulty one and those after it (and the password) keep what the image held.
    struct Case {
        const char *what;
        std::function<void()> fault;
        const char *bytes; // 0x0220-0x023C
    };
    const Case cases[] = {
        {"flag at 0x0230", [] { Options().Alarm = 2; },
         "01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 00 03 EE EE EE EE EE EE EE EE EE EE EE EE EE"},
        {"time-out timer at 0x0232", [] { Options().Tot = 256; },
         "01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 00 03 AD 01 EE EE EE EE EE EE EE EE EE EE EE"},
        {"VOX level at 0x0239", [] { Options().VoxLevel = 300; },
         "01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 00 03 AD 01 15 05 16 02 11 04 03 EE EE EE EE"},
    };
    for (const Case &c : cases) {
        Fresh();
        FillOptions();
        c.fault();
        FillImage(0x0220, 29, 0xEE);
        FillImage(0x03E0, 12, 0xEE);
        SetCommDataByOption();
        EXPECT_FALSE(State().ImagePackOk) << c.what;
        EXPECT_EQ(ImageHex(0x0220, 29), c.bytes) << c.what;
        EXPECT_EQ(ImageHex(0x03E0, 1), "EE") << c.what;
    }
}

TEST_F(ImageOptionsTest, ScanSettingsAreCopiedByteForByte)
{
    ScanBlock &s = Scan();
    uint8_t v = 0xA0;
    for (uint8_t *f : {&s.ScanMode, &s.PriorityChannel, &s.ReturnChannel, &s.ScanBackTimeA, &s.ScanBackTimeB,
                       &s.RxResumeDelay, &s.TxResumeDelay, &s.ScanType, &s.EntryTone, &s.WaitTime, &s.Reserved1,
                       &s.PriorityChannel1, &s.Reserved2, &s.PriorityChannel2})
        *f = v++;
    SetCommDataByScan();
    EXPECT_EQ(ImageHex(0x03B0, 14), "A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 AA AB AC AD");
    EXPECT_EQ(ImageHex(0x03BE, 2), "00 00");

    SetImage(0x03B0, Hex("10 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D"));
    GetCommDataByScan();
    EXPECT_EQ(s.ScanMode, 0x10);
    EXPECT_EQ(s.Reserved1, 0x1A); // reserved bytes travel unchanged
    EXPECT_EQ(s.Reserved2, 0x1C);
    EXPECT_EQ(s.PriorityChannel2, 0x1D);
}

TEST_F(ImageOptionsTest, AlarmSettingsSkipTheGapAt0x03A7)
{
    AlertBlock &a = Alert();
    uint8_t v = 1;
    for (uint8_t *f : {&a.AlarmMode, &a.IdType, &a.IdEntry, &a.AlarmTime, &a.TxTime, &a.RxTime, &a.ChannelChoice,
                       &a.EmergencyChannel, &a.Cycles, &a.AutoDetect, &a.PreAlertTime, &a.LoneWorkerTime})
        *f = v++;
    SetCommDataByAlert();
    EXPECT_EQ(ImageHex(0x03A0, 13), "01 02 03 04 05 06 07 00 08 09 0A 0B 0C");

    SetImage(0x03A0, Hex("21 22 23 24 25 26 27 EE 28 29 2A 2B 2C"));
    GetCommDataByAlert();
    EXPECT_EQ(a.AlarmMode, 0x21);
    EXPECT_EQ(a.ChannelChoice, 0x27);
    EXPECT_EQ(a.EmergencyChannel, 0x28);
    EXPECT_EQ(a.LoneWorkerTime, 0x2C);
}

} // namespace
