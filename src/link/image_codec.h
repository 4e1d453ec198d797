#pragma once
// The conventions that every region of the radio's memory image shares: single bytes and bit
// fields that must fit, usage bitmaps, hexadecimal digit pairs, frequency digits and text bytes.
// Used only by the image codec (memory_image.h) and its tests.
//
// A packer stops at the first value that cannot be stored as the radio expects: the helpers
// throw PackFailure, and RunPacker turns it into the packer's error message. The exception never
// leaves the codec.

#include <QByteArray>
#include <cstdint>
#include <functional>
#include <initializer_list>

struct PackFailure {};
[[noreturn]] void FailPack();

// Runs a packer's body. When it fails: ImagePackOk := false and a message box (OK only, the
// program's title) with the packer's name followed by "Error". The bytes written so far stay.
void RunPacker(const char *name, const std::function<void()> &body);

namespace image {

// --- plain bytes -------------------------------------------------------------------------------
uint8_t Byte(int addr);
// Stores a one-byte setting; a value outside 0..255 fails the packer.
void Put(int addr, long long value);
void Fill(int from, int to, uint8_t value); // inclusive range

// Several fields sharing one byte, each at its first bit with its width. A value that does not
// fit its bits fails the packer instead of spilling into the neighbouring field.
struct BitField {
    long long value;
    int firstBit;
    int width;
};
void PutBits(int addr, std::initializer_list<BitField> fields);
// The value of width bits of a byte, starting at firstBit.
inline int Bits(uint8_t byte, int firstBit, int width) { return (byte >> firstBit) & ((1 << width) - 1); }

// Two bytes of a 16-bit value, high byte at addr when highFirst. The value's 16 bits are stored
// as they are, so a value read back from the radio goes out again unchanged.
void PutWord(int addr, int value, bool highFirst);
int16_t Word(int addr, bool highFirst);

// --- usage bitmaps: entry i at byte base + i / 8, bit i % 8; a set bit means "not in use" ------
bool UsageBitSet(int base, int index);
// Clears the entry's bit when inUse is 1; 0 leaves it. Any other in-use value, or a bit that is
// already clear (a second entry with the same index), fails the packer.
void MarkInUse(int base, int index, long long inUse);

// --- hexadecimal digit pairs, first digit in the high half ------------------------------------
// Stores the first 2 * pairs characters as pairs from addr; a pair that is not two hexadecimal
// digits, or a pair the text has no characters for, fails the packer.
void PutDigitPairs(int addr, const QByteArray &digits, int pairs);
// count bytes from addr, each as two upper-case hexadecimal digits.
QByteArray HexDigits(int addr, int count);
// Value of one hexadecimal digit, -1 for another character.
int HexDigitValue(char c);

// --- frequency digits: the first eight characters of the text as four digit pairs --------------
// An empty text becomes emptyAs (before the "0" filling); "0" is appended up to eight characters.
void PutFrequencyDigits(int addr, const QByteArray &storedText, const QByteArray &emptyAs);
// The eight digits at addr; "notNumber" when they do not pass the numeric test.
QByteArray FrequencyDigits(int addr, const QByteArray &notNumber);
// The 10 Hz digit that the radio does not keep, rebuilt from the 100 Hz digit.
char TenHertzDigit(char hundredHertzDigit);

// --- numeric test of a text rebuilt from image bytes -------------------------------------------
// Decimal digits, or digits, one "E" or "D", digits (an exponent form such as 0108E000).
bool IsImageNumeric(const QByteArray &text);

// --- text bytes ---------------------------------------------------------------------------------
// The text's first width bytes from addr, the rest filled with pad.
void PutText(int addr, const QByteArray &text, int width, char pad);
// A name: width zero bytes when empty, else the text padded with spaces.
void PutName(int addr, const QByteArray &text, int width);

// Bytes from addr, at most maxLen, until a byte for which isEnd holds. ended tells whether such a
// byte stopped the text (the end byte itself is not part of text).
struct ImageText {
    QByteArray text;
    bool ended = false;
};
ImageText ReadText(int addr, int maxLen, const std::function<bool(uint8_t)> &isEnd);
// The usual name rule: bytes up to maxLen, a 0x00 or 0xFF ends the text and adds a NUL.
QByteArray ReadNulEndedName(int addr, int maxLen);

} // namespace image
