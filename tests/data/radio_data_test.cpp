#include <QByteArray>
#include <gtest/gtest.h>

#include "data/radio_data.h"
#include "field_rows.h"

using fieldrows::Hex;

namespace {

#define R_(off, expr) FIELD_ROW(RadioDataRecord, off, expr)
#define RBE(off, expr) FIELD_ROW_BE(RadioDataRecord, off, expr)
#define S_ SignallingRecord

// Offsets counted by hand from the file layout: every field of the record once, and for the
// lists their first, second and last elements.
const std::vector<fieldrows::Row<RadioDataRecord>> &Rows()
{
    static const std::vector<fieldrows::Row<RadioDataRecord>> rows = {
        R_(0, BandPlanIndex),
        // DTMF, from 2: 18 codes of 26 bytes, 2 remote codes of 16 bytes, then the settings.
        R_(2, S_.DtmfBlock.CodeMemory[0].Code),
        R_(26, S_.DtmfBlock.CodeMemory[0].Length),
        R_(28, S_.DtmfBlock.CodeMemory[1].Code),
        R_(52, S_.DtmfBlock.CodeMemory[1].Length),
        R_(392, S_.DtmfBlock.CodeMemory[15].Code),
        R_(416, S_.DtmfBlock.CodeMemory[15].Length),
        R_(418, S_.DtmfBlock.PttIdBegin.Code),
        R_(442, S_.DtmfBlock.PttIdBegin.Length),
        R_(444, S_.DtmfBlock.PttIdEnd.Code),
        R_(468, S_.DtmfBlock.PttIdEnd.Length),
        R_(470, S_.DtmfBlock.RemoteKill.Code),
        R_(484, S_.DtmfBlock.RemoteKill.Length),
        R_(486, S_.DtmfBlock.RemoteStun.Code),
        R_(500, S_.DtmfBlock.RemoteStun.Length),
        R_(502, S_.DtmfBlock.Ani),
        R_(504, S_.DtmfBlock.SendTime),
        R_(506, S_.DtmfBlock.PttIdMode),
        R_(508, S_.DtmfBlock.OwnId),
        R_(511, S_.DtmfBlock.Separator),
        R_(513, S_.DtmfBlock.GroupCode),
        R_(515, S_.DtmfBlock.DecodeResponse),
        R_(517, S_.DtmfBlock.FirstDigitDelay),
        R_(519, S_.DtmfBlock.PreSendDelay),
        R_(521, S_.DtmfBlock.ResetTime),
        R_(523, S_.DtmfBlock.PostSendDelay),
        R_(525, S_.DtmfBlock.PauseTime),
        R_(527, S_.DtmfBlock.SideTone),
        // 2-tone, from 529: decode tones and divisors high byte first, the tone table low byte first.
        RBE(529, S_.TwoToneBlock.General.DecodeTone1),
        RBE(531, S_.TwoToneBlock.General.DecodeTone2),
        R_(533, S_.TwoToneBlock.General.DecodeFormat),
        RBE(534, S_.TwoToneBlock.General.DecodeDivisor1),
        RBE(536, S_.TwoToneBlock.General.DecodeDivisor2),
        R_(538, S_.TwoToneBlock.General.Time4),
        R_(539, S_.TwoToneBlock.General.DecodeResponse),
        R_(540, S_.TwoToneBlock.General.SideTone),
        R_(541, S_.TwoToneBlock.General.ToneA),
        R_(543, S_.TwoToneBlock.General.ToneB),
        R_(545, S_.TwoToneBlock.General.ToneC),
        R_(547, S_.TwoToneBlock.General.ToneD),
        R_(549, S_.TwoToneBlock.General.Time1),
        R_(550, S_.TwoToneBlock.General.Time2),
        R_(551, S_.TwoToneBlock.General.Time3),
        R_(552, S_.TwoToneBlock.General.Interval),
        R_(553, S_.TwoToneBlock.Entries[0].Empty),
        RBE(555, S_.TwoToneBlock.Entries[0].Divisor1),
        RBE(557, S_.TwoToneBlock.Entries[0].Divisor2),
        RBE(559, S_.TwoToneBlock.Entries[0].Tone1),
        RBE(561, S_.TwoToneBlock.Entries[0].Tone2),
        R_(563, S_.TwoToneBlock.Entries[0].Name),
        R_(570, S_.TwoToneBlock.Entries[1].Empty),
        RBE(572, S_.TwoToneBlock.Entries[1].Divisor1),
        R_(580, S_.TwoToneBlock.Entries[1].Name),
        R_(1080, S_.TwoToneBlock.Entries[31].Empty),
        RBE(1082, S_.TwoToneBlock.Entries[31].Divisor1),
        RBE(1084, S_.TwoToneBlock.Entries[31].Divisor2),
        RBE(1086, S_.TwoToneBlock.Entries[31].Tone1),
        RBE(1088, S_.TwoToneBlock.Entries[31].Tone2),
        R_(1090, S_.TwoToneBlock.Entries[31].Name),
        // 5-tone, from 1,097.
        R_(1097, S_.FiveToneBlock.Reserved),
        R_(1098, S_.FiveToneBlock.OwnDecodeResponse),
        R_(1099, S_.FiveToneBlock.StandardIndex),
        R_(1100, S_.FiveToneBlock.OwnIdLength),
        R_(1101, S_.FiveToneBlock.TonePeriod),
        R_(1102, S_.FiveToneBlock.OwnId),
        R_(1108, S_.FiveToneBlock.Setting1),
        R_(1109, S_.FiveToneBlock.Setting2),
        R_(1110, S_.FiveToneBlock.Setting3),
        R_(1111, S_.FiveToneBlock.Setting4),
        R_(1112, S_.FiveToneBlock.FirstDigitDelay),
        R_(1114, S_.FiveToneBlock.PauseTime),
        R_(1116, S_.FiveToneBlock.PauseDigit),
        R_(1118, S_.FiveToneBlock.DelayAfterPause),
        R_(1120, S_.FiveToneBlock.SideTone),
        R_(1122, S_.FiveToneBlock.SpecialSeparator),
        R_(1124, S_.FiveToneBlock.InfoCodes[0].Function),
        R_(1125, S_.FiveToneBlock.InfoCodes[0].Response),
        R_(1126, S_.FiveToneBlock.InfoCodes[0].CodeLength),
        R_(1127, S_.FiveToneBlock.InfoCodes[0].Code),
        R_(1139, S_.FiveToneBlock.InfoCodes[0].Name),
        R_(1146, S_.FiveToneBlock.InfoCodes[1].Function),
        R_(1149, S_.FiveToneBlock.InfoCodes[1].Code),
        R_(1278, S_.FiveToneBlock.InfoCodes[7].Function),
        R_(1279, S_.FiveToneBlock.InfoCodes[7].Response),
        R_(1280, S_.FiveToneBlock.InfoCodes[7].CodeLength),
        R_(1281, S_.FiveToneBlock.InfoCodes[7].Code),
        R_(1293, S_.FiveToneBlock.InfoCodes[7].Name),
        R_(1300, S_.FiveToneBlock.PttIdBegin.Empty),
        R_(1302, S_.FiveToneBlock.PttIdBegin.Reserved),
        R_(1303, S_.FiveToneBlock.PttIdBegin.StandardIndex),
        R_(1304, S_.FiveToneBlock.PttIdBegin.CodeLength),
        R_(1305, S_.FiveToneBlock.PttIdBegin.TonePeriod),
        R_(1306, S_.FiveToneBlock.PttIdBegin.Code),
        R_(1346, S_.FiveToneBlock.PttIdBegin.Name),
        R_(1353, S_.FiveToneBlock.PttIdEnd.Empty),
        R_(1355, S_.FiveToneBlock.PttIdEnd.Reserved),
        R_(1356, S_.FiveToneBlock.PttIdEnd.StandardIndex),
        R_(1357, S_.FiveToneBlock.PttIdEnd.CodeLength),
        R_(1358, S_.FiveToneBlock.PttIdEnd.TonePeriod),
        R_(1359, S_.FiveToneBlock.PttIdEnd.Code),
        R_(1399, S_.FiveToneBlock.PttIdEnd.Name),
        R_(1406, S_.FiveToneBlock.CodeRows[0].Empty),
        R_(1408, S_.FiveToneBlock.CodeRows[0].Reserved),
        R_(1409, S_.FiveToneBlock.CodeRows[0].StandardIndex),
        R_(1410, S_.FiveToneBlock.CodeRows[0].CodeLength),
        R_(1411, S_.FiveToneBlock.CodeRows[0].TonePeriod),
        R_(1412, S_.FiveToneBlock.CodeRows[0].Code),
        R_(1452, S_.FiveToneBlock.CodeRows[0].Name),
        R_(1459, S_.FiveToneBlock.CodeRows[1].Empty),
        R_(1465, S_.FiveToneBlock.CodeRows[1].Code),
        R_(6653, S_.FiveToneBlock.CodeRows[99].Empty),
        R_(6655, S_.FiveToneBlock.CodeRows[99].Reserved),
        R_(6656, S_.FiveToneBlock.CodeRows[99].StandardIndex),
        R_(6657, S_.FiveToneBlock.CodeRows[99].CodeLength),
        R_(6658, S_.FiveToneBlock.CodeRows[99].TonePeriod),
        R_(6659, S_.FiveToneBlock.CodeRows[99].Code),
        R_(6699, S_.FiveToneBlock.CodeRows[99].Name),
        R_(6706, S_.FiveToneBlock.UserStandard.Tones[0]),
        R_(6708, S_.FiveToneBlock.UserStandard.Tones[1]),
        R_(6736, S_.FiveToneBlock.UserStandard.Tones[15]),
        // Options, from 6,738: 32 Integers and the password.
        R_(6738, S_.OptionBlock.DisplayMode),
        R_(6740, S_.OptionBlock.DisplayStyle1),
        R_(6742, S_.OptionBlock.DisplayStyle2),
        R_(6744, S_.OptionBlock.FmDisplayMode),
        R_(6746, S_.OptionBlock.MemoryChannel1),
        R_(6748, S_.OptionBlock.MemoryChannel2),
        R_(6750, S_.OptionBlock.FmMemoryChannel),
        R_(6752, S_.OptionBlock.SquelchLevel1),
        R_(6754, S_.OptionBlock.SquelchLevel2),
        R_(6756, S_.OptionBlock.ScanTime),
        R_(6758, S_.OptionBlock.FunctionKeyTime),
        R_(6760, S_.OptionBlock.Backlight),
        R_(6762, S_.OptionBlock.BacklightColour),
        R_(6764, S_.OptionBlock.SubDisplayMode),
        R_(6766, S_.OptionBlock.SqlKeyFunction),
        R_(6768, S_.OptionBlock.TailElimination),
        R_(6770, S_.OptionBlock.FullBand),
        R_(6772, S_.OptionBlock.MainChannel),
        R_(6774, S_.OptionBlock.Alarm),
        R_(6776, S_.OptionBlock.VoicePrompt),
        R_(6778, S_.OptionBlock.UnlabelledChoice),
        R_(6780, S_.OptionBlock.Tot),
        R_(6782, S_.OptionBlock.AutoPowerOff),
        R_(6784, S_.OptionBlock.BusyLock),
        R_(6786, S_.OptionBlock.PowerSave),
        R_(6788, S_.OptionBlock.TbstFrequency),
        R_(6790, S_.OptionBlock.VoxLevel),
        R_(6792, S_.OptionBlock.VoxDelay),
        R_(6794, S_.OptionBlock.TailEliminationMode),
        R_(6796, S_.OptionBlock.FunctionOperation),
        R_(6798, S_.OptionBlock.InternalFunctionOperation),
        R_(6800, S_.OptionBlock.InitialiseKey),
        R_(6802, S_.OptionBlock.PowerOnPassword),
        // Scan, from 6,814, and alarm, from 6,828: one byte each.
        R_(6814, S_.ScanBlock.ScanMode),
        R_(6815, S_.ScanBlock.PriorityChannel),
        R_(6816, S_.ScanBlock.ReturnChannel),
        R_(6817, S_.ScanBlock.ScanBackTimeA),
        R_(6818, S_.ScanBlock.ScanBackTimeB),
        R_(6819, S_.ScanBlock.RxResumeDelay),
        R_(6820, S_.ScanBlock.TxResumeDelay),
        R_(6821, S_.ScanBlock.ScanType),
        R_(6822, S_.ScanBlock.EntryTone),
        R_(6823, S_.ScanBlock.WaitTime),
        R_(6824, S_.ScanBlock.Reserved1),
        R_(6825, S_.ScanBlock.PriorityChannel1),
        R_(6826, S_.ScanBlock.Reserved2),
        R_(6827, S_.ScanBlock.PriorityChannel2),
        R_(6828, S_.AlertBlock.AlarmMode),
        R_(6829, S_.AlertBlock.IdType),
        R_(6830, S_.AlertBlock.IdEntry),
        R_(6831, S_.AlertBlock.AlarmTime),
        R_(6832, S_.AlertBlock.TxTime),
        R_(6833, S_.AlertBlock.RxTime),
        R_(6834, S_.AlertBlock.ChannelChoice),
        R_(6835, S_.AlertBlock.EmergencyChannel),
        R_(6836, S_.AlertBlock.Cycles),
        R_(6837, S_.AlertBlock.AutoDetect),
        R_(6838, S_.AlertBlock.PreAlertTime),
        R_(6839, S_.AlertBlock.LoneWorkerTime),
        // After the signalling blocks.
        R_(6840, ChannelCount),
        R_(6842, FmChannelTable[0].Number),
        R_(6844, FmChannelTable[0].Used),
        R_(6846, FmChannelTable[0].Frequency),
        R_(6854, FmChannelTable[1].Number),
        R_(6858, FmChannelTable[1].Frequency),
        R_(8042, FmChannelTable[100].Number),
        R_(8044, FmChannelTable[100].Used),
        R_(8046, FmChannelTable[100].Frequency),
        R_(8054, CommBook[0].Number),
        R_(8056, CommBook[0].CallId),
        R_(8061, CommBook[0].Name),
        R_(8067, CommBook[1].Number),
        R_(8069, CommBook[1].CallId),
        R_(9705, CommBook[127].Number),
        R_(9707, CommBook[127].CallId),
        R_(9712, CommBook[127].Name),
        R_(9718, FiveToneDecodeTime),
        R_(9719, Pf1KeyFunction),
        R_(9720, FmRadioEnable),
        R_(9721, ModelName),
        R_(9737, FileVersion),
        R_(9741, Pf2KeyFunction),
    };
    return rows;
}

#undef R_
#undef RBE
#undef S_

TEST(RadioDataFile, EachFieldAtItsOffsetWithItsByteOrder)
{
    fieldrows::ExpectEncodeMatches(Rows(), EncodeRadioDataFile, kRadioDataFileSize);
}

TEST(RadioDataFile, HandMadeFileDecodesIntoEachField)
{
    fieldrows::ExpectDecodeMatches(Rows(), DecodeRadioDataFile, kRadioDataFileSize);
}

TEST(RadioDataFile, EveryByteComesBackUnchanged)
{
    fieldrows::ExpectBytesComeBack<RadioDataRecord>(EncodeRadioDataFile, DecodeRadioDataFile, kRadioDataFileSize);
}

TEST(RadioDataFile, ZeroRecordIsAllZeroBytes)
{
    EXPECT_EQ(EncodeRadioDataFile(RadioDataRecord{}), QByteArray(kRadioDataFileSize, '\0'));
}

TEST(RadioDataFile, VersionAndLastKeyCloseTheFile)
{
    RadioDataRecord r;
    r.FileVersion.assign("V101");
    r.Pf2KeyFunction = 5;
    r.ModelName.assign("TORVA6Y");
    const QByteArray file = EncodeRadioDataFile(r);
    EXPECT_EQ(file.mid(9721), QByteArray("TORVA6Y         V101\x05"));
}

TEST(RadioDataFile, WrongSizesAreRefusedAndChangeNothing)
{
    // 9,720 bytes is the older version's file.
    fieldrows::ExpectWrongSizesRefused(Rows(), EncodeRadioDataFile, DecodeRadioDataFile, kRadioDataFileSize,
                                       {0, 1, 9720, kRadioDataFileSize - 1, kRadioDataFileSize + 1,
                                        2 * kRadioDataFileSize});
}

TEST(RadioDataRecordValue, CopiesCompareEqualAndOneByteMakesADifference)
{
    RadioDataRecord a;
    fieldrows::FillRows(Rows(), a);
    RadioDataRecord b = a;
    EXPECT_EQ(a, b);
    b.SignallingRecord.FiveToneBlock.CodeRows[57].Name[6] ^= 1;
    EXPECT_NE(a, b);
    b = a;
    b.CommBook[64].CallId[0] ^= 1;
    EXPECT_NE(a, b);
}

// ---------------------------------------------------------------------------------------------
// Defaults

TEST(RadioDataDefaults, TwoToneGeneralBytesInTheFile)
{
    RadioDataRecord r;
    SetDefaults(r.SignallingRecord.TwoToneBlock.General);
    const QByteArray general = EncodeRadioDataFile(r).mid(529, 24);
    // Decode tones and divisors high byte first, the tone table low byte first.
    const QByteArray expected("\x0C\x91" "\x24\x41" "\x00" "\x3A\x48" "\x14\x34" "\x00\x00\x00"
                              "\x91\x0C" "\x41\x24" "\x79\x18" "\xD6\x4F" "\x05\x05\x0A\x00",
                              24);
    EXPECT_EQ(Hex(general), Hex(expected));
}

TEST(RadioDataDefaults, TwoToneListFirstEntryInUseNamesKept)
{
    TwoToneEntries entries{};
    for (TwoToneEntry &e : entries) {
        e.Name.assign("NAME");
        e.Divisor1 = e.Tone2 = 99;
    }
    SetDefaults(entries);
    EXPECT_EQ(entries[0].Empty, 0);
    EXPECT_EQ(entries[0].Divisor1, 14920);
    EXPECT_EQ(entries[0].Divisor2, 5172);
    EXPECT_EQ(entries[0].Tone1, 3217);
    EXPECT_EQ(entries[0].Tone2, 9281);
    for (int i = 1; i < kTwoToneEntries; ++i) {
        const TwoToneEntry &e = entries[static_cast<std::size_t>(i)];
        EXPECT_EQ(e.Empty, 1) << i;
        EXPECT_EQ(e.Divisor1 | e.Divisor2 | e.Tone1 | e.Tone2, 0) << i;
    }
    for (const TwoToneEntry &e : entries)
        EXPECT_EQ(e.Name.toByteArray(), QByteArray("NAME   "));
}

TEST(RadioDataDefaults, FiveToneBlockLeavesNamesAndPttIdRecords)
{
    FiveToneBlock b;
    b.PttIdBegin.Empty = 7;
    b.PttIdEnd.Code.assign("12345");
    b.CodeRows[3].Name.assign("ROW4");
    b.InfoCodes[2].Name.assign("INFO3");
    const FiveToneBlock before = b;
    SetDefaults(b);
    EXPECT_EQ(b.PttIdBegin, before.PttIdBegin);
    EXPECT_EQ(b.PttIdEnd, before.PttIdEnd);
    EXPECT_EQ(b.CodeRows[3].Name, before.CodeRows[3].Name);
    EXPECT_EQ(b.InfoCodes[2].Name, before.InfoCodes[2].Name);

    EXPECT_EQ(b.TonePeriod, 70);
    EXPECT_EQ(b.OwnId.toByteArray(), QByteArray("\0     ", 6));
    EXPECT_EQ((std::array<int, 4>{b.Setting1, b.Setting2, b.Setting3, b.Setting4}),
              (std::array<int, 4>{0, 20, 20, 10}));
    EXPECT_EQ((std::array<int, 6>{b.FirstDigitDelay, b.PauseTime, b.PauseDigit, b.DelayAfterPause,
                                  b.SideTone, b.SpecialSeparator}),
              (std::array<int, 6>{20, 20, 0, 20, 0, 13}));
    for (const InfoCodeRecord &c : b.InfoCodes) {
        EXPECT_EQ(c.Function | c.Response | c.CodeLength, 0);
        EXPECT_EQ(c.Code, FixStr<12>::EmptyNul());
    }
    for (const FiveToneCodeRecord &row : b.CodeRows) {
        EXPECT_EQ(row.Empty, 1);
        EXPECT_EQ(row.TonePeriod, 70);
        EXPECT_EQ(row.Reserved | row.StandardIndex | row.CodeLength, 0);
        EXPECT_EQ(row.Code.toByteArray(), QByteArray(40, ' ')); // spaces only, no NUL
    }
    const std::array<int16_t, 16> tones = {24000, 10600, 11600, 12700, 14000, 15300, 16700, 18300,
                                           20000, 22000, 28000, 8100,  9700,  8850,  26000, 9300};
    EXPECT_EQ(b.UserStandard.Tones, tones);
    EXPECT_EQ(b.UserStandard.Tones[15], 9300); // digit "F" is 930.0 Hz
}

TEST(RadioDataDefaults, DtmfBlock)
{
    DtmfBlock b;
    b.CodeMemory[5].Length = 9;
    b.RemoteStun.Code.assign("123");
    SetDefaults(b);
    for (const DtmfCodeMemory &m : b.CodeMemory)
        EXPECT_EQ(m, (DtmfCodeMemory{FixStr<24>::Spaces(), 0}));
    EXPECT_EQ(b.PttIdBegin, (DtmfCodeMemory{FixStr<24>::Spaces(), 0}));
    EXPECT_EQ(b.PttIdEnd, (DtmfCodeMemory{FixStr<24>::Spaces(), 0}));
    EXPECT_EQ(b.RemoteKill, (DtmfRemoteCode{FixStr<14>::Spaces(), 0}));
    EXPECT_EQ(b.RemoteStun, (DtmfRemoteCode{FixStr<14>::Spaces(), 0}));
    EXPECT_EQ(b.OwnId.toByteArray(), QByteArray("000"));
    EXPECT_EQ((std::array<int, 12>{b.Ani, b.SendTime, b.PttIdMode, b.Separator, b.GroupCode,
                                   b.DecodeResponse, b.FirstDigitDelay, b.PreSendDelay, b.ResetTime,
                                   b.PostSendDelay, b.PauseTime, b.SideTone}),
              (std::array<int, 12>{0, 1, 3, 14, 10, 0, 20, 20, 0, 20, 10, 0}));
}

TEST(RadioDataDefaults, OptionScanAlertBlocksInTheFile)
{
    RadioDataRecord r;
    fieldrows::FillRows(Rows(), r);
    SetDefaults(r.SignallingRecord.OptionBlock);
    SetDefaults(r.SignallingRecord.ScanBlock);
    SetDefaults(r.SignallingRecord.AlertBlock);
    const QByteArray file = EncodeRadioDataFile(r);
    EXPECT_EQ(Hex(file.mid(6738, 64)), Hex(QByteArray(64, '\0')));
    EXPECT_EQ(file.mid(6802, 12), QByteArray("\0           ", 12));
    EXPECT_EQ(Hex(file.mid(6814, 14)), Hex(QByteArray("\0\0\0\x05\x05\0\0\0\0\0\0\0\0\0", 14)));
    EXPECT_EQ(Hex(file.mid(6828, 12)), Hex(QByteArray("\0\0\0\0\0\0\0\0\0\0\x01\x05", 12)));
}

TEST(RadioDataDefaults, FmTableHasTwoUsedEntries)
{
    FmChannelTable t{};
    t[50].Used = 1;
    SetDefaults(t);
    for (int i = 0; i < kFmChannelEntries; ++i) {
        const FmChannelEntry &e = t[static_cast<std::size_t>(i)];
        const bool used = i == 0 || i == 100;
        EXPECT_EQ(e.Number, i + 1);
        EXPECT_EQ(e.Used, used ? 1 : 0) << i;
        EXPECT_EQ(e.Frequency.toByteArray(), QByteArray(used ? "01080000" : "00000000")) << i;
    }
}

TEST(RadioDataDefaults, CommBookNumberedAndEmpty)
{
    CommBook book{};
    book[9].Number = 3;
    book[9].CallId.assign("12345");
    SetDefaults(book);
    for (int i = 0; i < kCommBookEntries; ++i) {
        const BookEntry &e = book[static_cast<std::size_t>(i)];
        EXPECT_EQ(e.Number, i);
        EXPECT_EQ(e.CallId.toByteArray(), QByteArray("\0    ", 5));
        EXPECT_EQ(e.Name.toByteArray(), QByteArray("\0     ", 6));
    }
}

TEST(FixStrBytes, CutPadAndRawBytes)
{
    EXPECT_EQ(FixStr<4>::fromBytes("V1").toByteArray(), QByteArray("V1  "));
    EXPECT_EQ(FixStr<4>::fromBytes("V1", '\0').toByteArray(), QByteArray("V1\0\0", 4));
    EXPECT_EQ(FixStr<4>::fromBytes("V1019").toByteArray(), QByteArray("V101"));
    const QByteArray raw("\xFF\x00\x80\x7F", 4);
    EXPECT_EQ(FixStr<4>::fromBytes(raw).toByteArray(), raw);
    EXPECT_EQ(FixStr<3>::EmptyNul().toByteArray(), QByteArray("\0  ", 3));
    EXPECT_EQ(FixStr<3>::Spaces().toByteArray(), QByteArray("   "));
    FixStr<6> name;
    name = "AB";
    EXPECT_EQ(QByteArray(name), QByteArray("AB    "));
    name = QByteArray("ABCDEFGH");
    EXPECT_EQ(QByteArray(name), QByteArray("ABCDEF"));
}

} // namespace
