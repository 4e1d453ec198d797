#include "platform/numbers.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

// A decimal number as written: sign, digits before and after the point, exponent.
struct DecimalText {
    bool negative = false;
    std::string intDigits;
    std::string fracDigits;
    long exponent = 0;
};

// Reads a decimal number from s at pos (sign, digits, one ".", optional "e"/"d" exponent) and
// leaves pos behind it. An exponent letter without digits is not taken (pos stays before it).
// False when no mantissa digit was found.
bool ScanDecimal(const QString &s, int &pos, DecimalText &out)
{
    int i = pos;
    const int n = static_cast<int>(s.size());
    if (i < n && (s[i] == u'+' || s[i] == u'-')) {
        out.negative = s[i] == u'-';
        ++i;
    }
    while (i < n && IsDigit(s[i]))
        out.intDigits.push_back(static_cast<char>(s[i++].unicode()));
    if (i < n && s[i] == u'.') {
        ++i;
        while (i < n && IsDigit(s[i]))
            out.fracDigits.push_back(static_cast<char>(s[i++].unicode()));
    }
    if (out.intDigits.empty() && out.fracDigits.empty())
        return false;
    pos = i;
    if (i < n && (s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D')) {
        int j = i + 1;
        bool expNegative = false;
        if (j < n && (s[j] == u'+' || s[j] == u'-')) {
            expNegative = s[j] == u'-';
            ++j;
        }
        if (j < n && IsDigit(s[j])) {
            long e = 0;
            while (j < n && IsDigit(s[j])) {
                if (e < 100000000L) // far beyond any double; keeps the sum from overflowing
                    e = e * 10 + (s[j].unicode() - u'0');
                ++j;
            }
            out.exponent = expNegative ? -e : e;
            pos = j;
        }
    }
    return true;
}

// The double nearest to the decimal number; +-infinity beyond the double range, 0 below it.
double DecimalValue(const DecimalText &d)
{
    // Work on the significant digits only so that the exponent stays small for from_chars.
    std::string digits = d.intDigits + d.fracDigits;
    long exponent = d.exponent - static_cast<long>(d.fracDigits.size());
    const size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return d.negative ? -0.0 : 0.0;
    digits.erase(0, first);
    const long magnitude = exponent + static_cast<long>(digits.size()); // value < 10^magnitude
    double value;
    if (magnitude > 400)
        value = HUGE_VAL;
    else if (magnitude < -400)
        value = 0.0;
    else {
        const std::string token = digits + 'e' + std::to_string(exponent);
        const auto res = std::from_chars(token.data(), token.data() + token.size(), value);
        if (res.ec == std::errc::result_out_of_range)
            value = magnitude > 0 ? HUGE_VAL : 0.0;
    }
    return d.negative ? -value : value;
}

// Reads "&H" hexadecimal or "&O" octal digits at pos. Returns false when s has no such prefix;
// otherwise pos goes behind the digits, digitCount counts them and value saturates at UINT64_MAX.
bool ScanRadix(const QString &s, int &pos, uint64_t &value, int &digitCount)
{
    const int n = static_cast<int>(s.size());
    if (pos + 1 >= n || s[pos] != u'&')
        return false;
    const QChar kind = s[pos + 1].toUpper();
    int base;
    if (kind == u'H')
        base = 16;
    else if (kind == u'O')
        base = 8;
    else
        return false;
    int i = pos + 2;
    value = 0;
    digitCount = 0;
    for (; i < n; ++i) {
        const char16_t c = s[i].unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            break;
        if (digit >= base)
            break;
        value = value > (UINT64_MAX - static_cast<uint64_t>(digit)) / static_cast<uint64_t>(base)
                    ? UINT64_MAX
                    : value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        ++digitCount;
    }
    pos = i;
    return true;
}

// "&H" and "&O" values are typed by their size: 16 bits signed, else 32 bits signed.
double RadixValue(uint64_t v)
{
    if (v <= 0xFFFFu)
        return static_cast<int16_t>(static_cast<uint16_t>(v));
    if (v <= 0xFFFFFFFFu)
        return static_cast<int32_t>(static_cast<uint32_t>(v));
    return static_cast<double>(v);
}

// The value's 15 significant decimal digits and the place of the decimal point among them
// (pointPos digits stand before the point; it may be <= 0 or beyond the digits).
struct Digits15 {
    std::string digits;
    int pointPos = 0;
};

Digits15 SignificantDigits(double magnitude)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14);
    const std::string text(buf, res.ptr); // d.ddddddddddddddde+XX
    const size_t e = text.find('e');
    Digits15 out;
    out.digits = text.substr(0, 1) + text.substr(2, e - 2);
    out.pointPos = std::stoi(text.substr(e + 1)) + 1;
    return out;
}

bool IsPattern(const QString &pattern)
{
    int points = 0;
    for (const QChar c : pattern) {
        if (c == u'.')
            ++points;
        else if (c != u'0' && c != u'#')
            return false;
    }
    return points <= 1;
}

} // namespace

bool IsNumeric(const QString &text)
{
    // The original conversion read its argument as a C string: a NUL ends the text.
    const qsizetype nul = text.indexOf(QChar(0));
    QStringView view = nul < 0 ? QStringView(text) : QStringView(text).left(nul);
    while (!view.isEmpty() && IsBlank(view.front()))
        view = view.mid(1);
    while (!view.isEmpty() && IsBlank(view.back()))
        view.chop(1);
    const QString s = view.toString();
    if (s.isEmpty())
        return false;
    int pos = 0;
    uint64_t radix = 0;
    int radixDigits = 0;
    if (ScanRadix(s, pos, radix, radixDigits))
        return radixDigits > 0 && pos == s.size() && radix <= 0xFFFFFFFFu;
    DecimalText d;
    if (!ScanDecimal(s, pos, d) || pos != s.size())
        return false;
    return std::isfinite(DecimalValue(d));
}

double Val(const QString &text)
{
    QString s;
    s.reserve(text.size());
    for (const QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n')
            s.append(c);
    int pos = 0;
    uint64_t radix = 0;
    int radixDigits = 0;
    if (ScanRadix(s, pos, radix, radixDigits))
        return RadixValue(radix);
    DecimalText d;
    if (!ScanDecimal(s, pos, d))
        return 0.0;
    return DecimalValue(d);
}

long long CInt(double value)
{
    if (std::isnan(value))
        return 0;
    const double r = std::nearbyint(value);
    if (r >= 9223372036854775807.0)
        return LLONG_MAX;
    if (r <= -9223372036854775808.0)
        return LLONG_MIN;
    return static_cast<long long>(r);
}

QString FormatNumber(double value, const QString &pattern)
{
    if (!std::isfinite(value))
        return QString();
    if (!IsPattern(pattern))
        return NumberText(value);
    const int point = static_cast<int>(pattern.indexOf(u'.'));
    const QString intPattern = point < 0 ? pattern : pattern.left(point);
    const QString fracPattern = point < 0 ? QString() : pattern.mid(point + 1);
    const int minInt = static_cast<int>(intPattern.count(u'0'));
    const int fracLen = static_cast<int>(fracPattern.size());
    const int minFrac = static_cast<int>(fracPattern.lastIndexOf(u'0')) + 1;

    Digits15 d = SignificantDigits(std::fabs(value));
    std::string &digits = d.digits;
    if (d.pointPos < 1) {
        digits.insert(0, static_cast<size_t>(1 - d.pointPos), '0');
        d.pointPos = 1;
    }
    const size_t keep = static_cast<size_t>(d.pointPos + fracLen);
    if (digits.size() < keep + 1)
        digits.append(keep + 1 - digits.size(), '0');
    // Round half away from zero at the last place shown.
    const bool up = digits[keep] >= '5';
    digits.resize(keep);
    if (up) {
        int i = static_cast<int>(keep) - 1;
        for (; i >= 0 && digits[static_cast<size_t>(i)] == '9'; --i)
            digits[static_cast<size_t>(i)] = '0';
        if (i >= 0)
            ++digits[static_cast<size_t>(i)];
        else {
            digits.insert(digits.begin(), '1');
            ++d.pointPos;
        }
    }
    std::string intPart = digits.substr(0, static_cast<size_t>(d.pointPos));
    std::string fracPart = digits.substr(static_cast<size_t>(d.pointPos));
    const bool allZero = digits.find_first_not_of('0') == std::string::npos;

    intPart.erase(0, std::min(intPart.find_first_not_of('0'), intPart.size()));
    if (static_cast<int>(intPart.size()) < minInt)
        intPart.insert(0, static_cast<size_t>(minInt) - intPart.size(), '0');
    while (static_cast<int>(fracPart.size()) > minFrac && fracPart.back() == '0')
        fracPart.pop_back();

    std::string out = (value < 0 && !allZero) ? "-" : "";
    out += intPart;
    if (point >= 0)
        out += '.' + fracPart;
    return QString::fromLatin1(out.data(), static_cast<qsizetype>(out.size()));
}

QString NumberText(double value)
{
    if (!std::isfinite(value))
        return QString();
    if (value == 0)
        return QStringLiteral("0");
    Digits15 d = SignificantDigits(std::fabs(value));
    std::string digits = d.digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent = d.pointPos - 1;
    std::string out = value < 0 ? "-" : "";
    if (exponent >= 15 || exponent < -5) {
        out += digits.substr(0, 1);
        if (digits.size() > 1)
            out += '.' + digits.substr(1);
        const int e = std::abs(exponent);
        out += std::string(exponent < 0 ? "E-" : "E+") + (e < 10 ? "0" : "") + std::to_string(e);
    } else if (d.pointPos <= 0) {
        out += "0." + std::string(static_cast<size_t>(-d.pointPos), '0') + digits;
    } else if (static_cast<int>(digits.size()) <= d.pointPos) {
        out += digits + std::string(static_cast<size_t>(d.pointPos) - digits.size(), '0');
    } else {
        out += digits.substr(0, static_cast<size_t>(d.pointPos)) + '.' + digits.substr(static_cast<size_t>(d.pointPos));
    }
    return QString::fromLatin1(out.data(), static_cast<qsizetype>(out.size()));
}

bool ParseScaled(const QString &text, int decimals, int64_t &out, bool truncate)
{
    if (decimals < 0 || decimals > 18)
        return false;
    const QString s = text.trimmed();
    int i = 0;
    const int n = static_cast<int>(s.size());
    bool negative = false;
    if (i < n && (s[i] == u'+' || s[i] == u'-'))
        negative = s[i++] == u'-';
    uint64_t units = 0;
    int fracSeen = -1; // -1 before the point, else decimal digits read after it
    int digitCount = 0;
    int roundDigit = -1;  // first dropped digit
    bool droppedRest = false; // any non-zero digit after it
    const uint64_t limit = static_cast<uint64_t>(INT64_MAX);
    for (; i < n; ++i) {
        const QChar c = s[i];
        if (c == u'.') {
            if (fracSeen >= 0)
                return false;
            fracSeen = 0;
            continue;
        }
        if (!IsDigit(c))
            return false;
        const int digit = c.unicode() - u'0';
        ++digitCount;
        if (fracSeen >= decimals) {
            if (roundDigit < 0)
                roundDigit = digit;
            else if (digit != 0)
                droppedRest = true;
            continue;
        }
        if (units > (limit - digit) / 10)
            return false;
        units = units * 10 + digit;
        if (fracSeen >= 0)
            ++fracSeen;
    }
    if (digitCount == 0)
        return false;
    for (int k = fracSeen < 0 ? 0 : fracSeen; k < decimals; ++k) {
        if (units > limit / 10)
            return false;
        units *= 10;
    }
    if (!truncate && roundDigit >= 0) {
        const bool up = roundDigit > 5 || (roundDigit == 5 && (droppedRest || (units & 1) != 0));
        if (up) {
            if (units == limit)
                return false;
            ++units;
        }
    }
    out = negative ? -static_cast<int64_t>(units) : static_cast<int64_t>(units);
    return true;
}
