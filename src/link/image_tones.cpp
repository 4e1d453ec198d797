// 2-tone and 5-tone signalling in the radio's memory.

#include <algorithm>
#include <array>

#include "data/app_state.h"
#include "data/code_text.h"
#include "data/value_rules.h"
#include "link/image_codec.h"
#include "link/image_records.h"
#include "link/image_tones.h"
#include "link/memory_image.h"

using namespace image;

namespace {
constexpr int kTwoToneUsage = 0x0380;
constexpr int kTwoToneNameWidth = 7;
constexpr int kFiveToneUsage = 0x0390;
constexpr int kFiveToneNameWidth = 7;
constexpr int kFiveToneOwnIdAddr = 0x0325;
constexpr int kFiveToneOwnIdDigits = 5; // digits sent to the radio
constexpr int kFiveToneOwnIdRoom = 6;   // digits the radio's area can hold when read
constexpr int kPttIdBeginAddr = 0x0360;
constexpr int kPttIdEndAddr = 0x0370;
constexpr int kInfoCodeDigits = 12;
constexpr int kInfoNameWidth = 7;
constexpr int kCodeRowDigits = 40; // 20 bytes from +4 to +23
constexpr int kPttIdDigits = 24;   // 12 bytes from +4 up to the next area

int TwoToneEntryAddr(int e) { return 0x0B00 + 16 * e; }   // e counted from 0
int FiveToneRowAddr(int r) { return 0x0D00 + 32 * r; }    // r counted from 0
int InfoCodeAddr(int k) { return 0x0500 + 32 * k; }       // k counted from 0

int TonePeriodOrDefault(int period) { return period >= 30 && period <= 100 ? period : 70; }

// The 5-tone general bytes 0x032B-0x0335 with their fields; FiveToneDecodeTime lives outside the block.
template <typename Block, typename Data, typename Visit>
void FiveToneGeneral(Block &b, Data &rd, Visit visit)
{
    visit(0x032B, b.Setting2);
    visit(0x032C, b.Setting3);
    visit(0x032D, b.Setting4);
    visit(0x032E, b.Setting1);
    visit(0x032F, b.FirstDigitDelay);
    visit(0x0330, b.SideTone);
    visit(0x0331, b.SpecialSeparator);
    visit(0x0332, b.PauseDigit);
    visit(0x0333, b.PauseTime);
    visit(0x0334, rd.FiveToneDecodeTime);
    visit(0x0335, b.DelayAfterPause);
}
} // namespace

void PackFiveToneCode(const FiveToneCodeRecord &rec, int a, bool withName, int maxDigits)
{
    // A length beyond the room of the area is cut to it, so that no digit lands in the next area.
    const int length = std::min<int>(rec.CodeLength, maxDigits);
    Put(a + 1, rec.StandardIndex);
    Put(a + 2, length);
    Put(a + 3, TonePeriodOrDefault(rec.TonePeriod));
    QByteArray t = TrimFixStr(rec.Code);
    while (t.size() < length)
        t += 'E';
    t = t.left(length);
    if (length % 2 != 0)
        t += 'E';
    PutDigitPairs(a + 4, t, static_cast<int>(t.size()) / 2);
    if (withName)
        PutName(a + 24, TrimFixStr(rec.Name), kFiveToneNameWidth);
}

void UnpackFiveToneCode(FiveToneCodeRecord &rec, int a, bool withName, int maxDigits)
{
    const int length = std::min<int>(Byte(a + 2), maxDigits);
    rec.StandardIndex = Byte(a + 1);
    rec.CodeLength = static_cast<uint8_t>(length);
    rec.TonePeriod = static_cast<uint8_t>(TonePeriodOrDefault(Byte(a + 3)));
    rec.Code = HexDigits(a + 4, (length + 1) / 2).left(length);
    if (withName)
        rec.Name = ReadNulEndedName(a + 24, kFiveToneNameWidth);
}

void PackInfoCode(const InfoCodeRecord &rec, int a)
{
    const int length = std::min<int>(rec.CodeLength, kInfoCodeDigits);
    Put(a, rec.Function);
    Put(a + 1, rec.Response);
    Put(a + 2, length);
    QByteArray t = TrimFixStr(rec.Code);
    while (t.size() < length)
        t += 'E';
    for (int k = 0; k < length; ++k) {
        const int v = HexDigitValue(t[k]);
        if (v < 0)
            FailPack();
        Put(a + 3 + k, v);
    }
    PutText(a + 16, TrimFixStr(rec.Name), kInfoNameWidth, '\0');
}

void UnpackInfoCode(InfoCodeRecord &rec, int a)
{
    auto orZero = [](uint8_t b) { return static_cast<uint8_t>(b == 0xFF ? 0 : b); };
    rec.Function = orZero(Byte(a));
    rec.Response = orZero(Byte(a + 1));
    const int length = std::min<int>(orZero(Byte(a + 2)), kInfoCodeDigits);
    rec.CodeLength = static_cast<uint8_t>(length);
    QByteArray code;
    for (int k = 0; k < length; ++k) {
        const uint8_t b = Byte(a + 3 + k);
        const QByteArray hex = ByteToHex2(b).toLatin1();
        code += b < 16 ? hex.right(1) : hex;
    }
    rec.Code = code.left(length);
    rec.Name = ReadNulEndedName(a + 16, kInfoNameWidth);
}

void SetCommDataBy2Tone()
{
    RunPacker("SetCommDataBy2Tone", [] {
        const TwoToneBlock b = TwoTone();
        const auto &g = b.General;
        // The decode tones and divisors go low byte first, the tone table high byte first.
        PutWord(0x0300, g.DecodeTone1, false);
        PutWord(0x0302, g.DecodeTone2, false);
        PutWord(0x0304, g.DecodeDivisor1, false);
        PutWord(0x0306, g.DecodeDivisor2, false);
        Put(0x0308, g.DecodeResponse);
        Put(0x0309, g.Time1);
        Put(0x030A, g.Time2);
        Put(0x030B, g.Time3);
        Put(0x030C, g.Interval);
        Put(0x030D, g.Time4);
        Put(0x030E, g.SideTone);
        Put(0x030F, g.DecodeFormat);
        PutWord(0x0310, g.ToneA, true);
        PutWord(0x0312, g.ToneB, true);
        PutWord(0x0314, g.ToneC, true);
        PutWord(0x0316, g.ToneD, true);

        for (int e = 0; e < kTwoToneEntries; ++e) {
            const auto &entry = b.Entries[e];
            const int a = TwoToneEntryAddr(e);
            MarkInUse(kTwoToneUsage, e, 1LL - entry.Empty);
            PutWord(a, entry.Divisor1, false);
            PutWord(a + 2, entry.Divisor2, false);
            PutWord(a + 4, entry.Tone1, false);
            PutWord(a + 6, entry.Tone2, false);
            PutName(a + 8, TrimFixStr(entry.Name), kTwoToneNameWidth);
        }
    });
}

void GetCommDataBy2Tone()
{
    TwoToneBlock b{};
    auto &g = b.General;
    g.DecodeTone1 = Word(0x0300, false);
    g.DecodeTone2 = Word(0x0302, false);
    g.DecodeDivisor1 = Word(0x0304, false);
    g.DecodeDivisor2 = Word(0x0306, false);
    g.DecodeResponse = Byte(0x0308);
    g.Time1 = Byte(0x0309);
    g.Time2 = Byte(0x030A);
    g.Time3 = Byte(0x030B);
    g.Interval = Byte(0x030C);
    g.Time4 = Byte(0x030D);
    g.SideTone = Byte(0x030E);
    g.DecodeFormat = Byte(0x030F) > 14 ? 0 : Byte(0x030F);
    g.ToneA = Word(0x0310, true);
    g.ToneB = Word(0x0312, true);
    g.ToneC = Word(0x0314, true);
    g.ToneD = Word(0x0316, true);

    for (int e = 0; e < kTwoToneEntries; ++e) {
        auto &entry = b.Entries[e];
        const int a = TwoToneEntryAddr(e);
        entry.Empty = UsageBitSet(kTwoToneUsage, e) ? 1 : 0;
        entry.Divisor1 = Word(a, false);
        entry.Divisor2 = Word(a + 2, false);
        entry.Tone1 = Word(a + 4, false);
        entry.Tone2 = Word(a + 6, false);
        entry.Name = ReadNulEndedName(a + 8, kTwoToneNameWidth);
    }
    TwoTone() = b;
}

void SetCommDataBy5Tone()
{
    RunPacker("SetCommDataBy5Tone", [] {
        const FiveToneBlock b = FiveTone();
        const RadioDataRecord &rd = State().RadioData;
        Put(0x0320, b.Reserved);
        Put(0x0321, b.OwnDecodeResponse);
        Put(0x0322, b.StandardIndex);
        Put(0x0323, b.OwnIdLength);
        Put(0x0324, b.TonePeriod);

        QByteArray id = TrimFixStr(b.OwnId);
        if (id.size() < b.OwnIdLength)
            id += '0';
        for (int i = 0; i < kFiveToneOwnIdDigits; ++i) {
            if (i >= b.OwnIdLength) {
                Put(kFiveToneOwnIdAddr + i, 0);
                continue;
            }
            if (i >= id.size() || id[i] < '0' || id[i] > '9')
                FailPack();
            Put(kFiveToneOwnIdAddr + i, id[i] - '0');
        }

        FiveToneGeneral(b, rd, [](int addr, const auto &field) { Put(addr, field); });
        PackFiveToneCode(b.PttIdBegin, kPttIdBeginAddr, false, kPttIdDigits);
        PackFiveToneCode(b.PttIdEnd, kPttIdEndAddr, false, kPttIdDigits);
        for (int k = 0; k < kInfoCodes; ++k)
            PackInfoCode(b.InfoCodes[k], InfoCodeAddr(k));
        for (int r = 0; r < kFiveToneRows; ++r) {
            MarkInUse(kFiveToneUsage, r, 1LL - b.CodeRows[r].Empty);
            PackFiveToneCode(b.CodeRows[r], FiveToneRowAddr(r), true, kCodeRowDigits);
        }
    });
}

void GetCommDataBy5Tone()
{
    // UserStandard and the rows' Reserved bytes never reach the radio and stay as they are.
    FiveToneBlock b = FiveTone();
    RadioDataRecord &rd = State().RadioData;
    b.Reserved = Byte(0x0320);
    b.OwnDecodeResponse = Byte(0x0321);
    b.StandardIndex = Byte(0x0322);
    b.OwnIdLength = Byte(0x0323);
    b.TonePeriod = Byte(0x0324);

    // The length byte is kept as read, but only the digits that the area holds are read.
    QByteArray id;
    const int digits = std::min<int>(b.OwnIdLength, kFiveToneOwnIdRoom);
    for (int i = 0; i < digits; ++i)
        id += QByteArray::number(Byte(kFiveToneOwnIdAddr + i));
    id += '\0';
    b.OwnId = id;

    FiveToneGeneral(b, rd, [](int addr, auto &field) { field = Byte(addr); });
    UnpackFiveToneCode(b.PttIdBegin, kPttIdBeginAddr, false, kPttIdDigits);
    UnpackFiveToneCode(b.PttIdEnd, kPttIdEndAddr, false, kPttIdDigits);
    for (int k = 0; k < kInfoCodes; ++k)
        UnpackInfoCode(b.InfoCodes[k], InfoCodeAddr(k));
    for (int r = 0; r < kFiveToneRows; ++r) {
        b.CodeRows[r].Empty = UsageBitSet(kFiveToneUsage, r) ? 1 : 0;
        UnpackFiveToneCode(b.CodeRows[r], FiveToneRowAddr(r), true, kCodeRowDigits);
    }
    FiveTone() = b;
}
