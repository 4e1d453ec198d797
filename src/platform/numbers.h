#pragma once
// Number text with "." as the decimal separator whatever the locale, with the rules of the
// original platform's conversion functions. Never use strtod, printf("%f") or locale-aware
// QString conversions for program values.

#include <QString>
#include <cstdint>

// True when the text reads as a number (optional spaces, sign, digits, one ".", optional exponent;
// "&H" hexadecimal forms too). "" and "." are not numeric.
bool IsNumeric(const QString &text);
// The number at the start of the text; stops at the first character that cannot continue it; 0 for none.
double Val(const QString &text);
// Half-to-even rounding to an integer (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
long long CInt(double value);
// Formats with a pattern such as "000.00000", "0.00000", "#0.00000", "#0.0000", "#.0", "#0.0", "00".
// Rounds half away from zero on the decimal digits as the original formatter did... see numbers.cpp.
QString FormatNumber(double value, const QString &pattern);

// Exact decimal parsing: the text (digits with at most one ".") as a whole number of units of
// 10^-decimals. truncate: extra decimal digits are dropped; otherwise they round half to even.
// False when the text is not such a number.
bool ParseScaled(const QString &text, int decimals, int64_t &out, bool truncate);
