// Channels and the FM-radio table in the radio's memory.

#include <algorithm>
#include <array>

#include "data/app_state.h"
#include "data/value_rules.h"
#include "link/image_codec.h"
#include "link/image_records.h"
#include "link/memory_image.h"

using namespace image;

namespace {
constexpr int kChannelUsage = 0x0100;
constexpr int kChannelScanSkip = 0x0120;
constexpr int kFmUsage = 0x0260;
constexpr int kNameLength = 6;

// Where the record of a channel lies; -1 for a number that names no channel.
int ChannelAddress(int number)
{
    if (number >= 1 && number <= 200)
        return 0x2000 + 32 * (number - 1);
    switch (number) {
    case 201: return 0x0180; // PL1
    case 202: return 0x01A0; // PU1
    case 203: return 0x0280; // PL2
    case 204: return 0x02A0; // PU2
    case 205: return 0x01C0; // VFO1
    case 206: return 0x01E0; // VFO2
    default: return -1;
    }
}

int FmAddress(int entry) { return entry < 100 ? 0x0610 + 4 * entry : 0x0600; }

// Bit 8 of a DCS code, as the radio keeps it apart from the low byte.
long long DcsBit8(int code) { return (code - code % 256) / 256; }

// The radio keeps the offset direction as 0 (none), 2 (minus) or 3 (plus).
long long RadioOffsetDir(int dir) { return dir <= 0 ? 0 : dir + 1; }

void PackChannel(const ChannelRecord &r)
{
    const int number = r.Number;
    const int a = ChannelAddress(number);
    if (a < 0)
        FailPack();
    if (number <= 204) {
        MarkInUse(kChannelUsage, number - 1, r.Used);
        MarkInUse(kChannelScanSkip, number - 1, 1LL - r.ScanSkip);
    }
    PutFrequencyDigits(a, r.RxFrequency, QByteArrayLiteral("FFFFFFFF"));
    PutFrequencyDigits(a + 4, r.TxOffset, QByteArray());
    Put(a + 8, r.StepIndex);
    PutBits(a + 9, {{r.TxInhibit, 0, 1},
                    {r.Reverse, 1, 1},
                    {r.Bandwidth, 2, 2},
                    {r.EncodeDcsInverted, 4, 1},
                    {DcsBit8(r.EncodeDcsCode), 5, 1}});
    PutBits(a + 10, {{RadioOffsetDir(r.OffsetDir), 0, 2},
                     {r.Power, 2, 1},
                     {r.Talkaround, 3, 1},
                     {r.DecodeDcsInverted, 4, 1},
                     {DcsBit8(r.DecodeDcsCode), 5, 1},
                     {r.Compander, 6, 1}});
    PutBits(a + 11, {{r.EncodeToneType, 0, 2}, {r.DecodeToneType, 2, 2}, {r.DtmfMemoryIndex, 4, 4}});
    Put(a + 12, r.EncodeCtcssIndex);
    Put(a + 13, r.DecodeCtcssIndex);
    Put(a + 14, r.EncodeDcsCode % 256);
    Put(a + 15, r.DecodeDcsCode % 256);
    Put(a + 16, r.OptSig);
    Put(a + 17, r.TwoToneIndex);
    Put(a + 18, r.FiveToneIndex);
    Put(a + 25, r.BusyLock);
    PutBits(a + 26, {{r.DtmfPttId, 0, 4}, {r.FiveTonePttId, 4, 4}});
    Put(a + 27, r.SquelchMode);
    PutWord(a + 28, r.CustomCtcss, true);

    // The record's name field is six bytes, so it never needs cutting here.
    PutName(a + 19, TrimFixStr(r.Name), kNameLength);
}

// A stored frequency text from the radio's eight digits and the rebuilt 10 Hz digit.
QByteArray WithTenHertzDigit(const QByteArray &digits) { return digits + TenHertzDigit(digits[7]); }

void UnpackChannelFields(ChannelRecord &r, int a)
{
    r.StepIndex = Byte(a + 8);
    const uint8_t b9 = Byte(a + 9);
    r.TxInhibit = Bits(b9, 0, 1);
    r.Reverse = Bits(b9, 1, 1);
    r.Bandwidth = Bits(b9, 2, 2);
    r.EncodeDcsInverted = Bits(b9, 4, 1);
    r.EncodeDcsBit8 = Bits(b9, 5, 1);
    const uint8_t b10 = Byte(a + 10);
    const int dir = Bits(b10, 0, 2);
    r.OffsetDir = dir > 0 ? dir - 1 : 0;
    r.Power = Bits(b10, 2, 1);
    r.Talkaround = Bits(b10, 3, 1);
    r.DecodeDcsInverted = Bits(b10, 4, 1);
    r.DecodeDcsBit8 = Bits(b10, 5, 1);
    r.Compander = Bits(b10, 6, 1);
    const uint8_t b11 = Byte(a + 11);
    r.EncodeToneType = Bits(b11, 0, 2);
    r.DecodeToneType = Bits(b11, 2, 2);
    r.DtmfMemoryIndex = Bits(b11, 4, 4);
    r.EncodeCtcssIndex = Byte(a + 12);
    r.DecodeCtcssIndex = Byte(a + 13);
    r.EncodeDcsCode = r.EncodeDcsBit8 * 256 + Byte(a + 14);
    r.DecodeDcsCode = r.DecodeDcsBit8 * 256 + Byte(a + 15);
    r.OptSig = Byte(a + 16);
    r.TwoToneIndex = Byte(a + 17);
    r.FiveToneIndex = Byte(a + 18);
    r.BusyLock = Byte(a + 25);
    const uint8_t b26 = Byte(a + 26);
    r.DtmfPttId = Bits(b26, 0, 4);
    r.FiveTonePttId = Bits(b26, 4, 4);
    r.SquelchMode = Byte(a + 27);
    r.CustomCtcss = Word(a + 28, true);

    QByteArray name = TrimFixStr(ReadText(a + 19, kNameLength, [](uint8_t) { return false; }).text);
    if (name.size() < kNameLength)
        name += '\0';
    r.Name = name;
}
} // namespace

void SetCommDataByFrequency()
{
    RunPacker("SetCommDataByFrequency", [] {
        AppState &s = State();
        const int count = std::clamp<int>(s.RadioData.ChannelCount, 0, kChannelSlots);
        for (int slot = 0; slot < count; ++slot)
            PackChannel(s.ChannelList[slot]);

        for (int i = 0; i <= 100; ++i) {
            const auto &e = FmTable()[i];
            if (i < 100)
                MarkInUse(kFmUsage, i, e.Used);
            PutFrequencyDigits(FmAddress(i), e.Frequency, QByteArrayLiteral("FFFFFFFF"));
        }
    });
}

void GetCommDataByFrequency()
{
    AppState &s = State();
    int count = 0;
    s.RadioData.ChannelCount = 0;
    for (int i = 0; i < kChannelSlots; ++i) {
        const int number = i + 1;
        const int a = ChannelAddress(number);
        if (number <= 204 && UsageBitSet(kChannelUsage, i))
            continue;
        const QByteArray rx = FrequencyDigits(a, QByteArrayLiteral("FFFFFFFF"));
        if (rx == "FFFFFFFF")
            continue;

        // Fields the radio does not keep stay as the slot held them before the read.
        ChannelRecord r = s.ChannelList[count];
        r.Number = number;
        r.Used = 1;
        if (number <= 205)
            r.ScanSkip = UsageBitSet(kChannelScanSkip, i);
        r.RxFrequency = WithTenHertzDigit(rx);
        r.TxOffset = WithTenHertzDigit(FrequencyDigits(a + 4, QByteArrayLiteral("00000000")));
        UnpackChannelFields(r, a);
        s.ChannelList[count] = r;
        ++count;
    }
    s.RadioData.ChannelCount = count;

    for (int i = 0; i <= 100; ++i) {
        auto &e = FmTable()[i];
        const QByteArray t = FrequencyDigits(FmAddress(i), QByteArrayLiteral("FFFFFFFF"));
        e.Frequency = t;
        e.Number = i + 1;
        const bool bitSaysUsed = i == 100 || !UsageBitSet(kFmUsage, i);
        e.Used = (t != "FFFFFFFF" && !TrimFixStr(t).isEmpty() && bitSaysUsed) ? 1 : 0;
    }
}
