#include "data/channel_table.h"

#include <array>
#include <cstdlib>

#include "data/app_state.h"
#include "data/hooks.h"
#include "data/value_rules.h"
#include "platform/numbers.h"
#include "platform/prompt.h"

namespace {

// Highest number that NearestChannelNumber accepts: the normal channels, "PL1", "PU1" and "PL2".
constexpr int kNearestChannelBound = SpecialPL2;

const std::array<const char *, 6> kSpecialTexts{"PL1", "PU1", "PL2", "PU2", "VFO1", "VFO2"};

int16_t &ChannelCount() { return State().RadioData.ChannelCount; }

SignallingRecord &Signalling() { return State().RadioData.SignallingRecord; }

QByteArray Latin1(const QString &text) { return text.toLatin1(); }

// A whole number from a cell value, halves to even; false when it is not a number of 16 bits.
bool WholeValue(const QString &value, int &out)
{
    int64_t units = 0;
    if (!ReadUnits(value, 0, units) || units < -32768 || units > 32767)
        return false;
    out = static_cast<int>(units);
    return true;
}

// Appends a channel at the middle of band 0, starting from what the slot held before.
// Stand-in until the new-data-set routines provide AddMidBandChannel: it keeps the slot's DCS
// bit-8 fields, SignalRelation and reserved fields 1-4 and 6, and sets every other field.
void AddMidBandChannel(int number)
{
    const int count = UsedChannelSlots();
    if (count >= kChannelSlots)
        return;
    AppState &s = State();
    const ChannelRecord old = s.ChannelList[count];
    ChannelRecord c;
    c.EncodeDcsBit8 = old.EncodeDcsBit8;
    c.SignalRelation = old.SignalRelation;
    c.DecodeDcsBit8 = old.DecodeDcsBit8;
    c.Reserved1 = old.Reserved1;
    c.Reserved2 = old.Reserved2;
    c.Reserved3 = old.Reserved3;
    c.Reserved4 = old.Reserved4;
    c.Reserved6 = old.Reserved6;
    c.Number = static_cast<int16_t>(number);
    c.Used = 1;
    c.RxFrequency.assign(Latin1(FreTextToStored(FormatNumber((s.RxBandLow[0] + s.RxBandHigh[0]) / 2, QStringLiteral("000.0000")))));
    c.TxOffset.assign("000000000");
    c.Name = FixStr<6>::EmptyNul();
    c.CustomCtcss = 1511;
    c.Code.assign("00000");
    s.ChannelList[count] = c;
    ChannelCount() = static_cast<int16_t>(count + 1);
}

// The first index of a 2-tone or 5-tone list whose entry is in use (Empty 0), else the fallback.
template <typename List>
int FirstInUse(const List &list, int fallback)
{
    for (int i = 0; i < static_cast<int>(list.size()); ++i) {
        if (list[i].Empty == 0)
            return i;
    }
    return fallback;
}

// The index when its entry is in use, else the fallback; an index outside the list names no entry
// in use, so it is re-pointed as well.
template <typename List>
int InUseOr(const List &list, int index, int fallback)
{
    if (index >= 0 && index < static_cast<int>(list.size()) && list[index].Empty == 0)
        return index;
    return fallback;
}

} // namespace

int UsedChannelSlots()
{
    const int count = ChannelCount();
    if (count < 0)
        return 0;
    return count > kChannelSlots ? kChannelSlots : count;
}

int FindChannelSlot(int number)
{
    const auto &list = State().ChannelList;
    const int count = UsedChannelSlots();
    for (int i = 0; i < count; ++i) {
        if (list[i].Number == number)
            return i;
    }
    return -1;
}

bool ChannelExists(int number) { return FindChannelSlot(number) >= 0; }

int CountNormalChannels()
{
    const auto &list = State().ChannelList;
    const int count = UsedChannelSlots();
    int normal = 0;
    for (int i = 0; i < count; ++i) {
        if (list[i].Number < kFirstSpecialChannel)
            ++normal;
    }
    return normal;
}

QString ChannelNumberToText(int number)
{
    if (number >= 1 && number < kFirstSpecialChannel)
        return QString::number(number - 1);
    if (number >= kFirstSpecialChannel && number <= kLastChannelNumber)
        return QLatin1String(kSpecialTexts[number - kFirstSpecialChannel]);
    return QStringLiteral("Unknown");
}

int ChannelTextToNumber(const QString &text)
{
    const QString t = TrimFixStr(text);
    for (int i = 0; i < static_cast<int>(kSpecialTexts.size()); ++i) {
        if (t == QLatin1String(kSpecialTexts[i]))
            return kFirstSpecialChannel + i;
    }
    int n = 0;
    if (WholeValue(t, n) && n + 1 <= 32767)
        return n + 1;
    return 1;
}

int NearestChannelNumber(int number, int bandFilter)
{
    const auto &list = State().ChannelList;
    const int count = UsedChannelSlots();
    int last = 0;
    for (int i = 0; i < count; ++i) {
        const ChannelRecord &c = list[i];
        if (bandFilter > 0 && GetFreBand(FreStoredToText(c.RxFrequency.toByteArray())) != bandFilter)
            continue;
        if (c.Number <= kNearestChannelBound) {
            last = c.Number;
            if (c.Number == number)
                return number;
        }
    }
    return last > 0 ? last : 0;
}

void RepairChannelIndexes()
{
    SignallingRecord &sig = Signalling();
    auto repaired = [](int v) {
        const int r = NearestChannelNumber(v + 1, 0);
        return r != 0 ? r - 1 : 0;
    };
    sig.OptionBlock.MemoryChannel1 = static_cast<int16_t>(repaired(sig.OptionBlock.MemoryChannel1));
    sig.OptionBlock.MemoryChannel2 = static_cast<int16_t>(repaired(sig.OptionBlock.MemoryChannel2));
    sig.AlertBlock.EmergencyChannel = static_cast<uint8_t>(repaired(sig.AlertBlock.EmergencyChannel));
    sig.ScanBlock.PriorityChannel1 = static_cast<uint8_t>(repaired(sig.ScanBlock.PriorityChannel1));
    sig.ScanBlock.PriorityChannel2 = static_cast<uint8_t>(repaired(sig.ScanBlock.PriorityChannel2));
}

void RepairOptionRefs() {}

int FirstUsedTwoToneEntry(int fallback) { return FirstInUse(Signalling().TwoToneBlock.Entries, fallback); }
int FirstUsedFiveToneRow(int fallback) { return FirstInUse(Signalling().FiveToneBlock.CodeRows, fallback); }

int TwoToneEntryOrFallback(int index, int fallback)
{
    return InUseOr(Signalling().TwoToneBlock.Entries, index, fallback);
}

int FiveToneRowOrFallback(int index, int fallback)
{
    return InUseOr(Signalling().FiveToneBlock.CodeRows, index, fallback);
}

void RepairSignalRefs()
{
    const int f2 = FirstUsedTwoToneEntry(0);
    const int f5 = FirstUsedFiveToneRow(0);
    auto &list = State().ChannelList;
    const int count = UsedChannelSlots();
    for (int i = 0; i < count; ++i) {
        ChannelRecord &c = list[i];
        if (c.OptSig == OptSig2Tone)
            c.TwoToneIndex = static_cast<int16_t>(TwoToneEntryOrFallback(c.TwoToneIndex, f2));
        else if (c.OptSig == OptSig5Tone)
            c.FiveToneIndex = static_cast<int16_t>(FiveToneRowOrFallback(c.FiveToneIndex, f5));
    }
    CallHook(Hooks().ReShowListByData);
}

void RepairFiveToneRef()
{
    AlertBlock &alert = Signalling().AlertBlock;
    if (alert.IdType == 2)
        alert.IdEntry = static_cast<uint8_t>(FiveToneRowOrFallback(alert.IdEntry, FirstUsedFiveToneRow(0)));
}

void CopyChannel(int grid, int number)
{
    if (grid != 0)
        return;
    AppState &s = State();
    const int count = UsedChannelSlots();
    for (int i = 0; i < count; ++i) {
        if (s.ChannelList[i].Number == number && s.ChannelList[i].Used == 1) {
            s.ChannelClipboard = s.ChannelList[i];
            return;
        }
    }
    s.ChannelClipboard.Used = 0;
}

void CutChannel(int grid, int number)
{
    if (grid != 0)
        return;
    CopyChannel(grid, number);
    if (State().ChannelClipboard.Used == 1)
        DeleteChannel(number);
}

void PasteChannel(int grid, int number)
{
    if (grid != 0)
        return;
    AppState &s = State();
    if (s.ChannelClipboard.Used != 1) {
        DeleteChannel(number);
        return;
    }
    const int slot = FindChannelSlot(number);
    if (slot >= 0) {
        s.ChannelList[slot] = s.ChannelClipboard;
        s.ChannelList[slot].Number = static_cast<int16_t>(number);
        return;
    }
    const int count = UsedChannelSlots();
    if (count >= kChannelSlots)
        return; // a full table takes no further channel
    s.ChannelList[count] = s.ChannelClipboard;
    s.ChannelList[count].Number = static_cast<int16_t>(number);
    ChannelCount() = static_cast<int16_t>(count + 1);
}

void DeleteChannel(int number)
{
    if (CountNormalChannels() <= 1) {
        prompt().MsgBox(QStringLiteral("Must retain the one channels!"), vbOKOnly);
        return;
    }
    const int slot = FindChannelSlot(number);
    if (slot < 0)
        return;
    auto &list = State().ChannelList;
    const int count = UsedChannelSlots();
    for (int i = slot; i < count - 1; ++i)
        list[i] = list[i + 1];
    ChannelCount() = static_cast<int16_t>(count - 1);
}

void AddChannelWithFre(int number, const QString &rxText)
{
    const int count = UsedChannelSlots();
    if (count >= kChannelSlots)
        return;
    AddMidBandChannel(number);
    State().ChannelList[count].RxFrequency.assign(Latin1(FreTextToStored(NormaliseRxFreText(rxText, true))));
}

void SetChannelColumn(int number, QString &value, int column, int toneField)
{
    const int slot = FindChannelSlot(number);
    if (slot < 0) {
        prompt().MsgBox(QStringLiteral("No Find Data!"), vbOKOnly);
        return;
    }
    ChannelRecord c = State().ChannelList[slot];
    c.Used = 1;
    int whole = 0;
    switch (column) {
    case ColRx:
        c.RxFrequency.assign(Latin1(FreTextToStored(NormaliseRxFreText(value, true))));
        break;
    case ColTx: {
        const QString rx = FreStoredToText(c.RxFrequency.toByteArray());
        const QString tx = NormaliseTxFreText(value, true);
        int64_t rxUnits = 0;
        int64_t txUnits = 0;
        if (!rx.isEmpty() && !tx.isEmpty() && ReadUnits(rx, 5, rxUnits) && ReadUnits(tx, 5, txUnits)) {
            c.OffsetDir = rxUnits == txUnits ? OffsetNone : (rxUnits > txUnits ? OffsetMinus : OffsetPlus);
            value = FormatUnits(std::llabs(txUnits - rxUnits), 5, 1);
        } else {
            value = QString();
        }
        c.TxOffset.assign(Latin1(FreTextToStored(NormaliseOffset(value, rx, c.OffsetDir, true))));
        break;
    }
    case ColName:
        c.Name.assign(Latin1(TrimFixStr(value).left(FixStr<6>::Size)), ' ');
        break;
    case ColStep:
    case ColWN:
    case ColPower:
    case ColOptSig:
    case ColCustomCtcss:
        // A value that is not a whole number of 16 bits leaves the field as it was.
        if (WholeValue(value, whole)) {
            int16_t &field = column == ColStep ? c.StepIndex
                             : column == ColWN ? c.Bandwidth
                             : column == ColPower ? c.Power
                             : column == ColOptSig ? c.OptSig
                                                   : c.CustomCtcss;
            field = static_cast<int16_t>(whole);
        }
        break;
    case ColDecode:
    case ColEncode:
        if (WholeValue(value, whole)) {
            const bool decode = column == ColDecode;
            if (toneField == ToneFieldType) {
                (decode ? c.DecodeToneType : c.EncodeToneType) = static_cast<int16_t>(whole);
            } else if (toneField == ToneFieldCtcss) {
                (decode ? c.DecodeCtcssIndex : c.EncodeCtcssIndex) = static_cast<int16_t>(whole);
            } else if (toneField == ToneFieldDcs) {
                (decode ? c.DecodeDcsCode : c.EncodeDcsCode) = static_cast<int16_t>(whole & 511);
                (decode ? c.DecodeDcsInverted : c.EncodeDcsInverted) = static_cast<int16_t>(whole / 512);
            }
        }
        break;
    default:
        break;
    }
    State().ChannelList[slot] = c;
}

void SetChannelColumn(int number, int value, int column, int toneField)
{
    QString text = QString::number(value);
    SetChannelColumn(number, text, column, toneField);
}

int GetToneField(int number, const QString &key)
{
    const int slot = FindChannelSlot(number);
    if (slot < 0)
        return 0;
    const ChannelRecord &c = State().ChannelList[slot];
    if (key == QLatin1String("De_CTC_Type"))
        return c.DecodeToneType;
    if (key == QLatin1String("De_CTCSS"))
        return c.DecodeCtcssIndex;
    if (key == QLatin1String("De_CDCSS"))
        return c.DecodeDcsInverted * 512 + c.DecodeDcsCode;
    if (key == QLatin1String("En_CTC_Type"))
        return c.EncodeToneType;
    if (key == QLatin1String("En_CTCSS"))
        return c.EncodeCtcssIndex;
    if (key == QLatin1String("En_CDCSS"))
        return c.EncodeDcsInverted * 512 + c.EncodeDcsCode;
    return 0;
}
