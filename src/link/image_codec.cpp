#include "link/image_codec.h"

#include <QString>

#include "data/app_state.h"
#include "data/code_text.h"
#include "data/value_rules.h"
#include "platform/prompt.h"

void FailPack() { throw PackFailure{}; }

void RunPacker(const char *name, const std::function<void()> &body)
{
    try {
        body();
    } catch (const PackFailure &) {
        State().ImagePackOk = false;
        prompt().MsgBox(QString::fromLatin1(name) + QStringLiteral("Error"), vbOKOnly);
    }
}

namespace image {
namespace {
uint8_t &At(int addr)
{
    // Every address is a fixed place of the memory map plus a bounded offset; an address
    // outside the image is a program fault, never something the radio could cause.
    Q_ASSERT(addr >= 0 && addr < kMemoryImageSize);
    return State().MemoryImage[static_cast<size_t>(addr) & (kMemoryImageSize - 1)];
}
} // namespace

uint8_t Byte(int addr) { return At(addr); }

void Put(int addr, long long value)
{
    if (value < 0 || value > 255)
        FailPack();
    At(addr) = static_cast<uint8_t>(value);
}

void Fill(int from, int to, uint8_t value)
{
    for (int a = from; a <= to; ++a)
        At(a) = value;
}

void PutBits(int addr, std::initializer_list<BitField> fields)
{
    long long sum = 0;
    for (const BitField &f : fields) {
        if (f.value < 0 || f.value >= (1LL << f.width))
            FailPack();
        sum += f.value << f.firstBit;
    }
    Put(addr, sum);
}

void PutWord(int addr, int value, bool highFirst)
{
    const auto u = static_cast<uint16_t>(value);
    const uint8_t hi = static_cast<uint8_t>(u >> 8);
    const uint8_t lo = static_cast<uint8_t>(u & 0xFF);
    At(addr) = highFirst ? hi : lo;
    At(addr + 1) = highFirst ? lo : hi;
}

int16_t Word(int addr, bool highFirst)
{
    const uint8_t first = At(addr);
    const uint8_t second = At(addr + 1);
    const uint16_t u = highFirst ? static_cast<uint16_t>(first << 8 | second)
                                 : static_cast<uint16_t>(second << 8 | first);
    return static_cast<int16_t>(u);
}

bool UsageBitSet(int base, int index) { return (At(base + index / 8) >> (index % 8)) & 1; }

void MarkInUse(int base, int index, long long inUse)
{
    if (inUse == 0)
        return;
    if (inUse != 1 || !UsageBitSet(base, index))
        FailPack();
    At(base + index / 8) = static_cast<uint8_t>(At(base + index / 8) & ~(1u << (index % 8)));
}

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

void PutDigitPairs(int addr, const QByteArray &digits, int pairs)
{
    for (int k = 0; k < pairs; ++k) {
        // The pairs before a faulty one are already in the image, as with any failing value.
        if (digits.size() < 2 * k + 2)
            FailPack();
        const int hi = HexDigitValue(digits[2 * k]);
        const int lo = HexDigitValue(digits[2 * k + 1]);
        if (hi < 0 || lo < 0)
            FailPack();
        At(addr + k) = static_cast<uint8_t>(hi * 16 + lo);
    }
}

QByteArray HexDigits(int addr, int count)
{
    QByteArray out;
    for (int k = 0; k < count; ++k)
        out += ByteToHex2(At(addr + k)).toLatin1();
    return out;
}

void PutFrequencyDigits(int addr, const QByteArray &storedText, const QByteArray &emptyAs)
{
    QByteArray t = TrimFixStr(storedText);
    if (t.isEmpty())
        t = emptyAs;
    while (t.size() < 8)
        t += '0';
    PutDigitPairs(addr, t, 4);
}

QByteArray FrequencyDigits(int addr, const QByteArray &notNumber)
{
    const QByteArray t = HexDigits(addr, 4);
    return IsImageNumeric(t) ? t : notNumber;
}

char TenHertzDigit(char hundredHertzDigit)
{
    switch (hundredHertzDigit) {
    case '2':
    case '7': return '5';
    case '3': return '3';
    case '6': return '6';
    default: return '0';
    }
}

bool IsImageNumeric(const QByteArray &text)
{
    int i = 0;
    const int n = static_cast<int>(text.size());
    auto digits = [&] {
        const int start = i;
        while (i < n && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i > start;
    };
    if (!digits())
        return false;
    if (i == n)
        return true;
    const char e = text[i];
    if (e != 'E' && e != 'e' && e != 'D' && e != 'd')
        return false;
    ++i;
    return digits() && i == n;
}

void PutText(int addr, const QByteArray &text, int width, char pad)
{
    for (int k = 0; k < width; ++k)
        At(addr + k) = static_cast<uint8_t>(k < text.size() ? text[k] : pad);
}

void PutName(int addr, const QByteArray &text, int width)
{
    PutText(addr, text, width, text.isEmpty() ? '\0' : ' ');
}

ImageText ReadText(int addr, int maxLen, const std::function<bool(uint8_t)> &isEnd)
{
    ImageText out;
    for (int k = 0; k < maxLen; ++k) {
        const uint8_t b = At(addr + k);
        if (isEnd(b)) {
            out.ended = true;
            break;
        }
        out.text += static_cast<char>(b);
    }
    return out;
}

QByteArray ReadNulEndedName(int addr, int maxLen)
{
    ImageText t = ReadText(addr, maxLen, [](uint8_t b) { return b == 0x00 || b == 0xFF; });
    if (t.ended)
        t.text += '\0';
    return t.text;
}

} // namespace image
