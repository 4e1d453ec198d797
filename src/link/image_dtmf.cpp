// DTMF settings and the communication book in the radio's memory.

#include <algorithm>
#include <array>

#include "data/app_state.h"
#include "data/comm_book_order.h"
#include "data/value_rules.h"
#include "link/image_codec.h"
#include "link/image_records.h"
#include "link/memory_image.h"

using namespace image;

namespace {
constexpr int kOwnIdLengthAddr = 0x02E6;
constexpr int kOwnIdAddr = 0x02E7;
constexpr int kOwnIdWidth = 3;
constexpr int kCodeDigits = 24;   // a code memory or PTT-ID code
constexpr int kRemoteDigits = 14; // a remote-kill or remote-stun code
constexpr int kCallIdAddr = 0x1980;
constexpr int kCallIdWidth = 5;
constexpr int kBookNameAddr = 0x1C00;
constexpr int kBookNameWidth = 6;

struct CodePlace {
    int addr;
    int lengthAddr;
};
constexpr CodePlace kPttIdBegin{0x0340, 0x034C};
constexpr CodePlace kPttIdEnd{0x0350, 0x035C};
constexpr CodePlace kRemoteKill{0x02F0, 0x02F7};
constexpr CodePlace kRemoteStun{0x02F8, 0x02FF};
constexpr CodePlace CodeMemoryPlace(int k) { return {0x0400 + 16 * k, 0x040C + 16 * k}; }

bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

// A byte above max reads as 0, and the image keeps the repaired value.
uint8_t RepairedByte(int addr, int max)
{
    if (Byte(addr) > max)
        Put(addr, 0);
    return Byte(addr);
}

// One code as digit pairs with its length byte. A length beyond the area counts as no code.
// A code memory is filled up to its length with "0"; a remote code is not, so a length that its
// text does not reach fails the packer.
void PackCode(const QByteArray &code, int length, CodePlace place, int maxDigits, bool fillToLength)
{
    int n = length > maxDigits ? 0 : length;
    QByteArray t = TrimFixStr(code);
    if (fillToLength)
        while (t.size() < n)
            t += '0';
    if (t.size() % 2 != 0)
        t += '0';
    Put(place.lengthAddr, n);
    if (n % 2 != 0)
        ++n;
    PutDigitPairs(place.addr, t, n / 2);
}

// A code and its length from the radio; a length beyond the area reads as no code.
template <std::size_t N>
void UnpackCode(FixStr<N> &code, int16_t &length, CodePlace place, int maxDigits)
{
    int n = Byte(place.lengthAddr);
    if (n > maxDigits)
        n = 0;
    length = static_cast<int16_t>(n);
    QByteArray t = HexDigits(place.addr, (n + 1) / 2).left(n);
    if (t.size() < maxDigits)
        t += '\0';
    code = t;
}
} // namespace

void SetCommDataByDTMF()
{
    RunPacker("SetCommDataByDTMF", [] {
        const DtmfBlock d = Dtmf();
        Put(0x02E0, InRange(d.Separator, 10, 15) ? d.Separator : 14);
        Put(0x02E1, InRange(d.GroupCode, 10, 15) ? d.GroupCode : 255);
        Put(0x02E2, d.DecodeResponse > 2 ? 0 : d.DecodeResponse);
        Put(0x02E3, d.PreSendDelay);
        Put(0x02E4, d.FirstDigitDelay > 250 ? 0 : d.FirstDigitDelay);
        Put(0x02E5, d.ResetTime);

        // The radio wants three digits: a short own ID is completed with "0", anything that is
        // not a number becomes "000", and the working data keep the completed ID.
        QByteArray id = TrimFixStr(d.OwnId);
        if (IsImageNumeric(id))
            while (id.size() < kOwnIdWidth)
                id += '0';
        else
            id = "000";
        Put(kOwnIdLengthAddr, id.size());
        Dtmf().OwnId = id;
        for (int k = 0; k < id.size(); ++k) {
            if (id[k] < '0' || id[k] > '9')
                FailPack();
            Put(kOwnIdAddr + k, id[k] - '0');
        }

        Put(0x02ED, d.SideTone);
        Put(0x02EE, d.PostSendDelay);
        Put(0x02EF, d.PauseTime);

        PackCode(d.PttIdBegin.Code, d.PttIdBegin.Length, kPttIdBegin, kCodeDigits, true);
        PackCode(d.PttIdEnd.Code, d.PttIdEnd.Length, kPttIdEnd, kCodeDigits, true);
        for (int k = 0; k < kDtmfCodeMemories; ++k)
            PackCode(d.CodeMemory[k].Code, d.CodeMemory[k].Length, CodeMemoryPlace(k), kCodeDigits, true);
        PackCode(d.RemoteKill.Code, d.RemoteKill.Length, kRemoteKill, kRemoteDigits, false);
        PackCode(d.RemoteStun.Code, d.RemoteStun.Length, kRemoteStun, kRemoteDigits, false);
    });
}

void GetCommDataByDTMF()
{
    // Ani and SendTime came with the option settings; PttIdMode never reaches the radio.
    DtmfBlock d = Dtmf();
    uint8_t b = Byte(0x02E0);
    d.Separator = InRange(b, 10, 15) ? b : 14;
    b = Byte(0x02E1);
    d.GroupCode = InRange(b, 10, 15) ? b : 255;
    d.DecodeResponse = RepairedByte(0x02E2, 2);
    d.PreSendDelay = Byte(0x02E3);
    d.FirstDigitDelay = RepairedByte(0x02E4, 250);
    d.ResetTime = Byte(0x02E5);

    const int count = std::clamp<int>(Byte(kOwnIdLengthAddr), 3, 5);
    QByteArray id;
    for (int k = 0; k < count; ++k) {
        const uint8_t digit = Byte(kOwnIdAddr + k);
        if (digit > 9) {
            id = "000";
            break;
        }
        id += QByteArray::number(digit);
    }
    d.OwnId = id;

    d.SideTone = Byte(0x02ED);
    d.PostSendDelay = Byte(0x02EE);
    d.PauseTime = Byte(0x02EF);

    UnpackCode(d.PttIdBegin.Code, d.PttIdBegin.Length, kPttIdBegin, kCodeDigits);
    UnpackCode(d.PttIdEnd.Code, d.PttIdEnd.Length, kPttIdEnd, kCodeDigits);
    UnpackCode(d.RemoteKill.Code, d.RemoteKill.Length, kRemoteKill, kRemoteDigits);
    UnpackCode(d.RemoteStun.Code, d.RemoteStun.Length, kRemoteStun, kRemoteDigits);
    for (int k = 0; k < kDtmfCodeMemories; ++k)
        UnpackCode(d.CodeMemory[k].Code, d.CodeMemory[k].Length, CodeMemoryPlace(k), kCodeDigits);
    Dtmf() = d;
}

void SetCommDataByDTMFCommuBook()
{
    RunPacker("SetCommDataByDTMFCommuBook", [] {
        SortCommBook();
        for (int i = 0; i < kCommBookEntries; ++i) {
            const auto &e = Book()[i];
            QByteArray id = TrimFixStr(e.CallId);
            if (id.isEmpty() || !IsImageNumeric(id))
                id.clear();
            PutText(kCallIdAddr + kCallIdWidth * i, id, kCallIdWidth, '\0');
            PutText(kBookNameAddr + 8 * i, TrimFixStr(e.Name), kBookNameWidth, ' ');
        }
    });
}

void GetCommDataByDTMFCommuBook()
{
    for (int i = 0; i < kCommBookEntries; ++i) {
        BookEntry e{};
        e.Number = static_cast<int16_t>(i);

        ImageText id = ReadText(kCallIdAddr + kCallIdWidth * i, kCallIdWidth,
                                [](uint8_t c) { return c < '0' || c > '9'; });
        if (id.ended)
            id.text += '\0';
        e.CallId = id.text;

        ImageText name = ReadText(kBookNameAddr + 8 * i, kBookNameWidth, [](uint8_t c) { return c == 0xFF; });
        if (name.ended)
            name.text += '\0';
        QByteArray n = TrimFixStr(name.text);
        if (n.size() < kBookNameWidth)
            n += '\0';
        e.Name = n;
        Book()[i] = e;
    }
}
