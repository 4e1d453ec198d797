#include "data/radio_data.h"

#include "data/field_io.h"

// ---------------------------------------------------------------------------------------------
// Defaults

void SetDefaults(DtmfBlock &b)
{
    // The DTMF codes are blank as spaces only, not NUL and spaces.
    for (DtmfCodeMemory &m : b.CodeMemory)
        m = DtmfCodeMemory{FixStr<24>::Spaces(), 0};
    b.PttIdBegin = DtmfCodeMemory{FixStr<24>::Spaces(), 0};
    b.PttIdEnd = DtmfCodeMemory{FixStr<24>::Spaces(), 0};
    b.RemoteKill = DtmfRemoteCode{FixStr<14>::Spaces(), 0};
    b.RemoteStun = DtmfRemoteCode{FixStr<14>::Spaces(), 0};
    b.Ani = 0;
    b.SendTime = 1;
    b.PttIdMode = 3;
    b.OwnId.assign("000");
    b.Separator = 14;
    b.GroupCode = 10;
    b.DecodeResponse = 0;
    b.FirstDigitDelay = 20;
    b.PreSendDelay = 20;
    b.ResetTime = 0;
    b.PostSendDelay = 20;
    b.PauseTime = 10;
    b.SideTone = 0;
}

void SetDefaults(TwoToneGeneral &g)
{
    g.DecodeTone1 = 3217;
    g.DecodeTone2 = 9281;
    g.DecodeFormat = 0;
    g.DecodeDivisor1 = 14920;
    g.DecodeDivisor2 = 5172;
    g.Time4 = 0;
    g.DecodeResponse = 0;
    g.SideTone = 0;
    g.ToneA = 3217;
    g.ToneB = 9281;
    g.ToneC = 6265;
    g.ToneD = 20438;
    g.Time1 = 5;
    g.Time2 = 5;
    g.Time3 = 10;
    g.Interval = 0;
}

void SetDefaults(TwoToneEntries &entries)
{
    for (TwoToneEntry &e : entries) {
        e.Empty = 1;
        e.Divisor1 = e.Divisor2 = e.Tone1 = e.Tone2 = 0;
    }
    // The first call's divisors are on the decode-divisor scale, 9,600,000 / (2 * f), as the
    // radio has always been given them; kept as these constants.
    TwoToneEntry &first = entries[0];
    first.Empty = 0;
    first.Divisor1 = 14920;
    first.Divisor2 = 5172;
    first.Tone1 = 3217;
    first.Tone2 = 9281;
}

void SetDefaults(FiveToneBlock &b)
{
    b.Reserved = 0;
    b.OwnDecodeResponse = 0;
    b.StandardIndex = 0;
    b.OwnIdLength = 0;
    b.TonePeriod = 70;
    b.OwnId = FixStr<6>::EmptyNul();
    b.Setting1 = 0;
    b.Setting2 = 20;
    b.Setting3 = 20;
    b.Setting4 = 10;
    b.FirstDigitDelay = 20;
    b.PauseTime = 20;
    b.PauseDigit = 0;
    b.DelayAfterPause = 20;
    b.SideTone = 0;
    b.SpecialSeparator = 13;
    for (InfoCodeRecord &c : b.InfoCodes) {
        c.Function = c.Response = c.CodeLength = 0;
        c.Code = FixStr<12>::EmptyNul();
    }
    for (FiveToneCodeRecord &row : b.CodeRows) {
        row.Empty = 1;
        row.Reserved = 0;
        row.StandardIndex = 0;
        row.CodeLength = 0;
        row.TonePeriod = 70;
        row.Code = FixStr<40>::Spaces();
    }
    // Digits "0".."F", 0.1 Hz.
    b.UserStandard.Tones = {24000, 10600, 11600, 12700, 14000, 15300, 16700, 18300,
                            20000, 22000, 28000, 8100,  9700,  8850,  26000, 9300};
}

void SetDefaults(OptionBlock &b)
{
    b = OptionBlock{};
    b.PowerOnPassword = FixStr<12>::EmptyNul();
}

void SetDefaults(ScanBlock &b)
{
    b = ScanBlock{};
    b.ScanBackTimeA = 5;
    b.ScanBackTimeB = 5;
}

void SetDefaults(AlertBlock &b)
{
    b = AlertBlock{};
    b.PreAlertTime = 1;
    b.LoneWorkerTime = 5;
}

void SetDefaults(FmChannelTable &t)
{
    for (int i = 0; i < kFmChannelEntries; ++i) {
        FmChannelEntry &e = t[static_cast<std::size_t>(i)];
        e.Number = static_cast<int16_t>(i + 1);
        e.Used = 0;
        e.Frequency.assign("00000000");
    }
    for (FmChannelEntry *e : {&t.front(), &t.back()}) {
        e->Used = 1;
        e->Frequency.assign("01080000");
    }
}

void SetDefaults(CommBook &book)
{
    for (int i = 0; i < kCommBookEntries; ++i) {
        BookEntry &e = book[static_cast<std::size_t>(i)];
        e.Number = static_cast<int16_t>(i);
        e.CallId = FixStr<5>::EmptyNul();
        e.Name = FixStr<6>::EmptyNul();
    }
}

// ---------------------------------------------------------------------------------------------
// Data-file form. Each Walk function lists a record's fields once, in file order; IO is a
// FieldWriter (with const records) or a FieldReader.

namespace {

template <class IO, class T>
void WalkDtmfCode(IO &io, T &c)
{
    io.text(c.Code);
    io.i16(c.Length);
}

template <class IO, class T>
void WalkDtmf(IO &io, T &b)
{
    for (auto &m : b.CodeMemory)
        WalkDtmfCode(io, m);
    WalkDtmfCode(io, b.PttIdBegin);
    WalkDtmfCode(io, b.PttIdEnd);
    WalkDtmfCode(io, b.RemoteKill);
    WalkDtmfCode(io, b.RemoteStun);
    io.i16(b.Ani);
    io.i16(b.SendTime);
    io.i16(b.PttIdMode);
    io.text(b.OwnId);
    io.i16(b.Separator);
    io.i16(b.GroupCode);
    io.i16(b.DecodeResponse);
    io.i16(b.FirstDigitDelay);
    io.i16(b.PreSendDelay);
    io.i16(b.ResetTime);
    io.i16(b.PostSendDelay);
    io.i16(b.PauseTime);
    io.i16(b.SideTone);
}

template <class IO, class T>
void WalkTwoTone(IO &io, T &b)
{
    auto &g = b.General;
    io.u16be(g.DecodeTone1);
    io.u16be(g.DecodeTone2);
    io.u8(g.DecodeFormat);
    io.u16be(g.DecodeDivisor1);
    io.u16be(g.DecodeDivisor2);
    io.u8(g.Time4);
    io.u8(g.DecodeResponse);
    io.u8(g.SideTone);
    io.u16le(g.ToneA);
    io.u16le(g.ToneB);
    io.u16le(g.ToneC);
    io.u16le(g.ToneD);
    io.u8(g.Time1);
    io.u8(g.Time2);
    io.u8(g.Time3);
    io.u8(g.Interval);
    for (auto &e : b.Entries) {
        io.i16(e.Empty);
        io.u16be(e.Divisor1);
        io.u16be(e.Divisor2);
        io.u16be(e.Tone1);
        io.u16be(e.Tone2);
        io.text(e.Name);
    }
}

template <class IO, class T>
void WalkFiveToneCode(IO &io, T &c)
{
    io.i16(c.Empty);
    io.u8(c.Reserved);
    io.u8(c.StandardIndex);
    io.u8(c.CodeLength);
    io.u8(c.TonePeriod);
    io.text(c.Code);
    io.text(c.Name);
}

template <class IO, class T>
void WalkFiveTone(IO &io, T &b)
{
    io.u8(b.Reserved);
    io.u8(b.OwnDecodeResponse);
    io.u8(b.StandardIndex);
    io.u8(b.OwnIdLength);
    io.u8(b.TonePeriod);
    io.text(b.OwnId);
    io.u8(b.Setting1);
    io.u8(b.Setting2);
    io.u8(b.Setting3);
    io.u8(b.Setting4);
    io.i16(b.FirstDigitDelay);
    io.i16(b.PauseTime);
    io.i16(b.PauseDigit);
    io.i16(b.DelayAfterPause);
    io.i16(b.SideTone);
    io.i16(b.SpecialSeparator);
    for (auto &c : b.InfoCodes) {
        io.u8(c.Function);
        io.u8(c.Response);
        io.u8(c.CodeLength);
        io.text(c.Code);
        io.text(c.Name);
    }
    WalkFiveToneCode(io, b.PttIdBegin);
    WalkFiveToneCode(io, b.PttIdEnd);
    for (auto &row : b.CodeRows)
        WalkFiveToneCode(io, row);
    for (auto &tone : b.UserStandard.Tones)
        io.i16(tone);
}

template <class IO, class T>
void WalkOption(IO &io, T &b)
{
    for (auto *v : {&b.DisplayMode, &b.DisplayStyle1, &b.DisplayStyle2, &b.FmDisplayMode,
                    &b.MemoryChannel1, &b.MemoryChannel2, &b.FmMemoryChannel, &b.SquelchLevel1,
                    &b.SquelchLevel2, &b.ScanTime, &b.FunctionKeyTime, &b.Backlight,
                    &b.BacklightColour, &b.SubDisplayMode, &b.SqlKeyFunction, &b.TailElimination,
                    &b.FullBand, &b.MainChannel, &b.Alarm, &b.VoicePrompt, &b.UnlabelledChoice,
                    &b.Tot, &b.AutoPowerOff, &b.BusyLock, &b.PowerSave, &b.TbstFrequency,
                    &b.VoxLevel, &b.VoxDelay, &b.TailEliminationMode, &b.FunctionOperation,
                    &b.InternalFunctionOperation, &b.InitialiseKey})
        io.i16(*v);
    io.text(b.PowerOnPassword);
}

template <class IO, class T>
void WalkScan(IO &io, T &b)
{
    for (auto *v : {&b.ScanMode, &b.PriorityChannel, &b.ReturnChannel, &b.ScanBackTimeA,
                    &b.ScanBackTimeB, &b.RxResumeDelay, &b.TxResumeDelay, &b.ScanType,
                    &b.EntryTone, &b.WaitTime, &b.Reserved1, &b.PriorityChannel1, &b.Reserved2,
                    &b.PriorityChannel2})
        io.u8(*v);
}

template <class IO, class T>
void WalkAlert(IO &io, T &b)
{
    for (auto *v : {&b.AlarmMode, &b.IdType, &b.IdEntry, &b.AlarmTime, &b.TxTime, &b.RxTime,
                    &b.ChannelChoice, &b.EmergencyChannel, &b.Cycles, &b.AutoDetect,
                    &b.PreAlertTime, &b.LoneWorkerTime})
        io.u8(*v);
}

// The communication book: 128 entries of 13 bytes (number, call ID, name), in both the data file
// and the book file.
template <class IO, class T>
void WalkCommBook(IO &io, T &book)
{
    for (auto &e : book) {
        io.i16(e.Number);
        io.text(e.CallId);
        io.text(e.Name);
    }
}

template <class IO, class T>
void WalkRadioData(IO &io, T &r)
{
    io.i16(r.BandPlanIndex);
    auto &s = r.SignallingRecord;
    WalkDtmf(io, s.DtmfBlock);
    WalkTwoTone(io, s.TwoToneBlock);
    WalkFiveTone(io, s.FiveToneBlock);
    WalkOption(io, s.OptionBlock);
    WalkScan(io, s.ScanBlock);
    WalkAlert(io, s.AlertBlock);
    io.i16(r.ChannelCount);
    for (auto &e : r.FmChannelTable) {
        io.i16(e.Number);
        io.i16(e.Used);
        io.text(e.Frequency);
    }
    WalkCommBook(io, r.CommBook);
    io.u8(r.FiveToneDecodeTime);
    io.u8(r.Pf1KeyFunction);
    io.u8(r.FmRadioEnable);
    io.text(r.ModelName);
    io.text(r.FileVersion);
    io.u8(r.Pf2KeyFunction);
}

} // namespace

QByteArray EncodeRadioDataFile(const RadioDataRecord &r)
{
    return WriteFields(r, kRadioDataFileSize, [](auto &io, auto &rec) { WalkRadioData(io, rec); });
}

bool DecodeRadioDataFile(const QByteArray &data, RadioDataRecord &r)
{
    if (data.size() != kRadioDataFileSize)
        return false;
    r = ReadFields<RadioDataRecord>(data, [](auto &io, auto &rec) { WalkRadioData(io, rec); });
    return true;
}

QByteArray EncodeCommBookFile(const CommBook &book)
{
    return WriteFields(book, kCommBookFileSize, [](auto &io, auto &rec) { WalkCommBook(io, rec); });
}

bool DecodeCommBookFile(const QByteArray &data, CommBook &book)
{
    if (data.size() != kCommBookFileSize)
        return false;
    book = ReadFields<CommBook>(data, [](auto &io, auto &rec) { WalkCommBook(io, rec); });
    return true;
}
