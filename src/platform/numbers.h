#pragma once
// Number text with "." as the decimal separator whatever the locale, with the rules of the
// conversion functions the program was first written against (IsNumeric, Val, CInt, Format).
//
// Why not plain C++/Qt: QApplication sets the C library locale from the environment, so strtod,
// printf("%f"), std::to_string(double) and locale-aware QString conversions would read or write
// "," on a German desktop. Everything here goes through std::from_chars / std::to_chars, which
// never look at the locale. Never convert program values any other way.

#include <QString>
#include <cstdint>

// True when the whole text reads as a number: optional spaces or tabs around, an optional sign,
// digits with at most one "." (at least one digit), an optional exponent ("e" or "d", optional
// sign, digits); or "&H" hexadecimal / "&O" octal digits (at most 32 bits). A NUL character ends
// the text, as the original conversion read its argument as a C string. "", " ", ".", "-", "1e",
// "1.2.3", "1,5", "1 2" and "12abc" are not numbers; a value beyond the double range is not either.
// For a text that IsNumeric accepts, Val gives its value.
bool IsNumeric(const QString &text);

// The number at the start of the text, 0 when there is none. Spaces, tabs and line feeds are
// skipped wherever they stand (" 1 2" is 12); then an optional sign, digits with one ".", an
// optional exponent ("e" or "d"); the first character that cannot continue the number ends it
// ("12abc" is 12, "1.2.3" is 1.2). "&H1F" is 31 and "&O17" is 15; such a value that fits 16 bits is
// read as a signed 16-bit number ("&HFFFF" is -1), one that fits 32 bits as a signed 32-bit number.
// A value beyond the double range gives +-infinity.
double Val(const QString &text);

// Rounds to the nearest whole number, an exact half to the even neighbour (2.5 -> 2, 3.5 -> 4,
// -2.5 -> -2), as the original CInt and every rounding of the program does (never std::round or
// qRound, which round halves away from zero). NaN gives 0; values beyond the long long range are
// clamped. Callers that need a 16-bit result check or clamp the range themselves.
long long CInt(double value);

// Formats with a numeric picture: "0" is a digit always written, "#" a digit written only when
// significant, "." the decimal point; for example "000.00000", "0.00000", "#0.00000", "#.00000",
// "#0.0000", "000.0000", "#0.0", "0.0", "#.0", "00", "0000", "000000000".
// - The integer part gets at least as many digits as the pattern has "0" before the point, and
//   every digit it needs beyond that; with no "0" there a zero integer part is left out
//   ("#.0" of 0.5 is ".5", of 0 is ".0").
// - The fraction gets as many digits as the pattern has after the point; trailing zeros under
//   "#" places are dropped (the point stays: "#.##" of 5 is "5.").
// - The shown value is rounded to the last place written, an exact half away from zero
//   ("0" of 2.5 is "3", "#0.0" of 321.25 is "321.3"), taken on the value's 15 significant decimal
//   digits as the original formatter did, so binary noise does not show
//   ("0.00" of 1.005 is "1.01", "000000000" of 145.12345 * 100000 is "014512345").
// - A negative value gets a leading "-" unless what is shown is all zeros (no "-0.0").
// - NaN and infinity give "". A pattern with other characters is not supported and gives
//   NumberText(value).
QString FormatNumber(double value, const QString &pattern);

// The plain decimal text of a value, as the original's conversion of a number to text wrote it:
// at most 15 significant digits, no trailing zeros, no point for a whole number ("400", "12.5",
// "0.5", "-3"); an exponent form only for very large or very small values ("1E+20", "1E-07").
QString NumberText(double value);

// Exact decimal parsing, with no binary double in between: the text (optional spaces around, an
// optional sign, digits with at most one ".", at least one digit) as a whole number of units of
// 10^-decimals ("145.12345" with 5 decimals is 14512345). Extra decimal digits are dropped when
// truncate is true, otherwise they round the last unit, an exact half to the even unit.
// decimals is 0..18. False, leaving out unchanged, when the text is not such a number or the
// result does not fit 64 bits.
bool ParseScaled(const QString &text, int decimals, int64_t &out, bool truncate);
