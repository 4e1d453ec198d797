#pragma once
// Conversions between the stored and the shown form of signalling codes, and the small text
// helpers that the windows share (hexadecimal and octal texts, a path's file name, a number read
// with a fallback). Pure functions of their arguments.

#include <QString>
#include <cstdint>

// DTMF codes are stored with "E" for the key "*" and "F" for "#"; shown and typed with the keys.
QString DtmfCodeToText(const QString &code);
QString DtmfTextToCode(const QString &text);

// A 5-tone code as stored: a tone equal to the tone sent just before it becomes the repeat
// tone "E". predecessor is the tone sent before the code, or "X" (or "") when there is none.
// A code that begins with "E1" keeps its digits from position 9 on as typed.
QString FiveToneRepeatCode(const QString &code, const QString &predecessor);
// Stored form of a self-ID code: like the repeat rule, but an 11-character code keeps its function
// digit (position 6) and the first digit of the own ID (position 7) as typed.
QString FiveToneSelfIdCode(const QString &code);
// True when the code ends in the radio's own ID (as typed or in its stored form) or in "SelfID",
// after five tones and an optional function digit "A".."F".
bool IsSelfIdCode(const QString &code, const QString &ownId);
// The stored form of a typed 5-tone code.
QString FiveToneTextToCode(const QString &code, const QString &ownId);

// Two upper-case hexadecimal digits ("0A", "FF").
QString ByteToHex2(uint8_t value);
// Octal digits of the value, padded with "0" in front to at least length characters. A negative
// value is taken as its 16-bit two's complement.
QString OctPadded(int value, int length);
// The text's value rounded half to even; def when the text is empty, not a number or out of range.
int32_t NumOrDefault(const QString &text, int32_t def);
// The part of a path behind its last "\" or "/"; the whole text when it holds neither.
QString FileNameOfPath(const QString &path);
