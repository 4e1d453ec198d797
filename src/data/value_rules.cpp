#include "data/value_rules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "data/app_state.h"
#include "data/lang_text.h"
#include "platform/numbers.h"
#include "platform/prompt.h"

namespace {

constexpr int kNanoDecimals = 9;
constexpr double kNanoLimit = 1e9; // |value| below this fits in nano units with room for sums

int64_t Pow10(int n)
{
    int64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// A number as the program reads it, with its exact decimal value when the text was a plain
// decimal number. nano is the value in units of 10^-9 (of whatever the value counts: MHz, Hz).
struct Num {
    double value = 0.0;
    bool hasNano = false;
    int64_t nano = 0;
};

Num NumFromDouble(double v)
{
    Num n;
    n.value = v;
    if (std::isfinite(v) && std::fabs(v) < kNanoLimit) {
        n.hasNano = true;
        n.nano = static_cast<int64_t>(std::nearbyint(v * 1e9));
    }
    return n;
}

// Reads a value that "reads as a number". Plain decimal texts (optional sign, digits, one point)
// are read exactly; other numeric forms (exponents, hexadecimal) through Val.
bool ReadNum(const QString &text, Num &out)
{
    if (!IsNumeric(text))
        return false;
    out = NumFromDouble(Val(text));
    constexpr int64_t kNanoMax = static_cast<int64_t>(kNanoLimit) * 1000000000;
    int64_t nano = 0;
    if (ParseScaled(text, kNanoDecimals, nano, false) && nano > -kNanoMax && nano < kNanoMax) {
        out.hasNano = true;
        out.nano = nano;
    }
    return true;
}

// Half-to-even division of a by a positive divisor.
int64_t DivRoundEven(int64_t a, int64_t divisor)
{
    int64_t q = a / divisor;
    int64_t r = a % divisor;
    int64_t twice = 2 * std::llabs(r);
    if (twice > divisor || (twice == divisor && (q % 2) != 0))
        q += (a < 0) ? -1 : 1;
    return q;
}

int64_t ClampToUnits(double v)
{
    constexpr double kMax = 1e17;
    if (!std::isfinite(v))
        return v < 0 ? static_cast<int64_t>(-kMax) : static_cast<int64_t>(kMax);
    if (v > kMax)
        v = kMax;
    if (v < -kMax)
        v = -kMax;
    return static_cast<int64_t>(v);
}

// The value in whole units of 10^-decimals, halves to even.
int64_t RoundUnits(const Num &n, int decimals)
{
    if (n.hasNano)
        return DivRoundEven(n.nano, Pow10(kNanoDecimals - decimals));
    return ClampToUnits(std::nearbyint(n.value * static_cast<double>(Pow10(decimals))));
}

// The value in whole units of 10^-decimals, further digits dropped.
int64_t TruncUnits(const Num &n, int decimals)
{
    if (n.hasNano)
        return n.nano / Pow10(kNanoDecimals - decimals);
    return ClampToUnits(std::trunc(n.value * static_cast<double>(Pow10(decimals))));
}

Num NumFromUnits(int64_t units, int decimals)
{
    Num n;
    const int64_t scale = Pow10(decimals);
    n.value = static_cast<double>(units) / static_cast<double>(scale);
    if (std::llabs(units) < static_cast<int64_t>(kNanoLimit) * scale) {
        n.hasNano = true;
        n.nano = units * Pow10(kNanoDecimals - decimals);
    }
    return n;
}

// -1, 0, 1 as the value is below, at or above the limit (a band limit in the same unit).
int Compare(const Num &n, double limit)
{
    if (n.hasNano && std::fabs(limit) < kNanoLimit) {
        const int64_t l = static_cast<int64_t>(std::nearbyint(limit * 1e9));
        return n.nano < l ? -1 : (n.nano > l ? 1 : 0);
    }
    return n.value < limit ? -1 : (n.value > limit ? 1 : 0);
}

Num Add(const Num &a, const Num &b, int sign)
{
    Num r;
    r.value = a.value + sign * b.value;
    if (a.hasNano && b.hasNano) {
        r.hasNano = true;
        r.nano = a.nano + sign * b.nano;
    }
    return r;
}

QString FormatNum(const Num &n, int decimals, int minIntDigits)
{
    return FormatUnits(RoundUnits(n, decimals), decimals, minIntDigits);
}

// "000.00000", the shown form of channel frequencies and of offsets under validation.
QString FreText(const Num &n) { return FormatNum(n, 5, 3); }

struct Limits {
    std::array<double, 2> low;
    std::array<double, 2> high;
};

// kind 0 the receive limits, 1 the transmit limits.
Limits BandLimits(int kind)
{
    const AppState &s = State();
    if (kind == 1)
        return {s.TxBandLow, s.TxBandHigh};
    return {s.RxBandLow, s.RxBandHigh};
}

Num SnapToRaster(const Num &f, double bandLow)
{
    const int64_t b = static_cast<int64_t>(std::nearbyint(bandLow * 1e5));
    return NumFromUnits(SnapUnitsToRaster(RoundUnits(f, 5), b), 5);
}

double FarthestEdge(const Num &f, bool warn, int kind)
{
    if (warn)
        ShowBandWarning();
    if (kind != 0 && kind != 1)
        return 0.0;
    const Limits lim = BandLimits(kind);
    const std::array<double, 4> edges{lim.low[0], lim.high[0], lim.low[1], lim.high[1]};
    // Exact distances when the value and every edge fit in nano units, else plain doubles.
    bool exact = f.hasNano;
    for (double e : edges)
        exact = exact && std::fabs(e) < kNanoLimit;
    double best = edges[0];
    if (exact) {
        auto dist = [&](double e) {
            return std::llabs(f.nano - static_cast<int64_t>(std::nearbyint(e * 1e9)));
        };
        int64_t bestDist = dist(best);
        for (int i = 1; i < 4; ++i) {
            if (dist(edges[i]) > bestDist) {
                best = edges[i];
                bestDist = dist(best);
            }
        }
    } else {
        double bestDist = std::fabs(f.value - best);
        for (int i = 1; i < 4; ++i) {
            if (std::fabs(f.value - edges[i]) > bestDist) {
                best = edges[i];
                bestDist = std::fabs(f.value - best);
            }
        }
    }
    return best;
}

Num ValidateFre(const Num &f, bool warn, int kind)
{
    const Limits lim = BandLimits(kind);
    for (int i = 0; i < 2; ++i) {
        if (Compare(f, lim.low[i]) >= 0 && Compare(f, lim.high[i]) <= 0)
            return SnapToRaster(f, lim.low[i]);
    }
    return NumFromDouble(FarthestEdge(f, warn, kind));
}

double FallbackFre(bool warn, int kind)
{
    if (warn)
        ShowBandWarning();
    return BandLimits(kind).low[0];
}

QString NormaliseText(const QString &value, bool warn, int kind)
{
    Num n;
    if (ReadNum(value, n))
        return FreText(ValidateFre(n, warn, kind));
    return FreText(NumFromDouble(FallbackFre(warn, kind)));
}

Num SnapFm(const Num &f)
{
    int64_t n = RoundUnits(f, 2);
    const int64_t r = n % 5;
    if (r == 1 || r == 2)
        n -= r;
    else if (r == 3 || r == 4)
        n = n - r + 5;
    return NumFromUnits(n, 2);
}

Num ValidateFm(const Num &f)
{
    const AppState &s = State();
    if (Compare(f, s.FmBandLow) < 0) {
        ShowBandWarning();
        return NumFromDouble(s.FmBandLow);
    }
    if (Compare(f, s.FmBandHigh) <= 0)
        return SnapFm(f);
    ShowBandWarning();
    return NumFromDouble(s.FmBandHigh);
}

void ShowNotNumeric() { prompt().MsgBox(QStringLiteral("Not IsNumeric"), vbOKOnly); }

// A stored digit text split after its fourth character into whole and fraction ("014612500"
// reads as 0146.12500). False when the text is not a number.
bool ReadStoredSplit(const QString &stored, Num &out)
{
    if (!IsNumeric(stored))
        return false;
    return ReadNum(stored.left(4) + QLatin1Char('.') + stored.mid(4), out);
}

bool IsNoValue(const QString &stored, int digits)
{
    return stored.isEmpty() || stored == QString(digits, QLatin1Char('F'));
}

// A value text as a stored field of `digits` decimal digits in units of 10^-decimals, the value
// kept within what the field can hold (below 0 gives all zeros). "" stays ""; a text that is not
// a number gives the field's "no value", all "F".
QString StoredDigits(const QString &text, int decimals, int digits, bool truncate)
{
    if (text.isEmpty())
        return QString();
    Num n;
    if (!ReadNum(text, n))
        return QString(digits, QLatin1Char('F'));
    const int64_t units = truncate ? TruncUnits(n, decimals) : RoundUnits(n, decimals);
    return FormatUnits(std::clamp<int64_t>(units, 0, Pow10(digits) - 1), 0, digits);
}

} // namespace

int64_t SnapUnitsToRaster(int64_t units, int64_t baseUnits)
{
    const int64_t diff = units - baseUnits;
    const int64_t e = diff % 250;
    if (e != 0 && diff % 625 != 0)
        return units - e;
    return units;
}

bool ReadUnits(const QString &text, int decimals, int64_t &units)
{
    Num n;
    if (!ReadNum(text, n))
        return false;
    units = RoundUnits(n, decimals);
    return true;
}

// "0" positions of a pattern are minIntDigits; "#" positions add none.
QString FormatUnits(int64_t units, int decimals, int minIntDigits)
{
    const bool negative = units < 0;
    const uint64_t mag = negative ? 0 - static_cast<uint64_t>(units) : static_cast<uint64_t>(units);
    const uint64_t scale = static_cast<uint64_t>(Pow10(decimals));
    QString whole = QString::number(mag / scale);
    if (whole == QLatin1String("0") && minIntDigits == 0)
        whole.clear();
    whole = whole.rightJustified(minIntDigits, QLatin1Char('0'));
    QString result = negative ? QStringLiteral("-") + whole : whole;
    if (decimals > 0)
        result += QLatin1Char('.') + QString::number(mag % scale).rightJustified(decimals, QLatin1Char('0'));
    return result;
}

QString TrimFixStr(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    QString s = text.left(end);
    const qsizetype nul = s.indexOf(QChar(u'\0'));
    return nul >= 0 ? s.left(nul) : s;
}

QByteArray TrimFixStr(const QByteArray &bytes)
{
    qsizetype end = bytes.size();
    while (end > 0 && bytes.at(end - 1) == ' ')
        --end;
    QByteArray s = bytes.left(end);
    const qsizetype nul = s.indexOf('\0');
    return nul >= 0 ? s.left(nul) : s;
}

void ShowBandWarning() { prompt().MsgBox(GetLangText(2001), vbOKOnly + vbExclamation); }

FreBand GetFreBand(const QString &text)
{
    Num n;
    const QString s = TrimFixStr(text);
    if (s.isEmpty() || !ReadNum(s, n))
        return BandNone;
    const Limits lim = BandLimits(0);
    if (Compare(n, lim.low[0]) >= 0 && Compare(n, lim.high[0]) <= 0)
        return BandUhf;
    if (Compare(n, lim.low[1]) >= 0 && Compare(n, lim.high[1]) <= 0)
        return BandVhf;
    return BandNone;
}

QString CheckCustomCtcss(const QString &text)
{
    Num n;
    if (ReadNum(text, n) && Compare(n, 62.5) >= 0 && Compare(n, 254.1) <= 0)
        return FormatNum(n, 1, 0);
    return QStringLiteral("151.1");
}

QString FreTextToStored(const QString &text)
{
    // Whole numbers of MHz and decimal texts alike count 10 Hz units; decimals beyond the fifth
    // are dropped.
    return StoredDigits(text, 5, 9, true);
}

QString FreStoredToText(const QString &stored)
{
    if (IsNoValue(stored, 9))
        return QString();
    Num n;
    if (ReadStoredSplit(stored, n))
        return FreText(n);
    ShowNotNumeric();
    return NumberText(State().RxBandLow[0]);
}

QString FreStoredToText(const QByteArray &stored) { return FreStoredToText(QString::fromLatin1(stored)); }

QString TxStoredToText(const QString &stored)
{
    if (IsNoValue(stored, 9))
        return QStringLiteral("0.00000");
    Num n;
    if (ReadStoredSplit(stored, n))
        return FormatNum(n, 5, 1);
    ShowNotNumeric();
    return QStringLiteral("0.00000");
}

QString TxStoredToText(const QByteArray &stored) { return TxStoredToText(QString::fromLatin1(stored)); }

QString FmFreToStored(const QString &text) { return StoredDigits(text, 4, 8, false); }

QString FmStoredToText(const QString &stored)
{
    if (IsNoValue(stored, 8))
        return QString();
    Num n;
    if (!ReadNum(stored, n)) {
        ShowNotNumeric();
        return FormatNum(NumFromDouble(State().FmBandLow), 4, 1);
    }
    if (stored.contains(QLatin1Char('.')))
        return stored;
    Num split;
    if (stored.size() == 8 && ReadNum(stored.left(4) + QLatin1Char('.') + stored.right(4), split))
        return FormatNum(split, 4, 1);
    return FormatNum(n, 4, 1);
}

QString FmStoredToText(const QByteArray &stored) { return FmStoredToText(QString::fromLatin1(stored)); }

QString NormaliseRxFreText(const QString &value, bool warn) { return NormaliseText(value, warn, 0); }
QString NormaliseTxFreText(const QString &value, bool warn) { return NormaliseText(value, warn, 1); }

QString NormaliseRxFreText(double value, bool warn)
{
    return FreText(ValidateFre(NumFromDouble(value), warn, 0));
}

QString NormaliseTxFreText(double value, bool warn)
{
    return FreText(ValidateFre(NumFromDouble(value), warn, 1));
}

QString NormaliseFreText(const QString &value, int rxFlag, bool warn)
{
    return rxFlag != 0 ? NormaliseRxFreText(value, warn) : NormaliseTxFreText(value, warn);
}

QString NormaliseFreText(double value, int rxFlag, bool warn)
{
    return rxFlag != 0 ? NormaliseRxFreText(value, warn) : NormaliseTxFreText(value, warn);
}

QString NormaliseOffset(const QString &offset, const QString &rxText, int offsetDir, bool warn)
{
    const QString zero = QStringLiteral("000.00000");
    Num o;
    Num r;
    if (!ReadNum(offset, o) || !ReadNum(rxText, r))
        return zero;
    const bool up = offsetDir == 0 || offsetDir == 2;
    const Num t = Add(r, o, up ? 1 : -1);
    // The transmit frequency as it will be shown and stored: validated, at 10 Hz.
    const Num tValid = NumFromUnits(RoundUnits(ValidateFre(t, warn, 1), 5), 5);
    const Num result = up ? Add(tValid, r, -1) : Add(r, tValid, -1);
    // The offset is a distance in the given direction. When the band edge put in place of the
    // transmit frequency lies on the other side of the receive frequency, no distance in that
    // direction reaches it: transmit on the receive frequency, which is within the band.
    if (RoundUnits(result, 5) < 0)
        return zero;
    return FreText(result);
}

double ValidateRxFre(double mhz, bool warn) { return ValidateFre(NumFromDouble(mhz), warn, 0).value; }
double ValidateTxFre(double mhz, bool warn) { return ValidateFre(NumFromDouble(mhz), warn, 1).value; }

double SnapRxToRaster(double mhz, int bandIndex)
{
    if (bandIndex != 0 && bandIndex != 1)
        return mhz;
    return SnapToRaster(NumFromDouble(mhz), State().RxBandLow[bandIndex]).value;
}

double SnapTxToRaster(double mhz, int bandIndex)
{
    if (bandIndex != 0 && bandIndex != 1)
        return mhz;
    return SnapToRaster(NumFromDouble(mhz), State().TxBandLow[bandIndex]).value;
}

double FarthestBandEdge(double mhz, bool warn, int kind) { return FarthestEdge(NumFromDouble(mhz), warn, kind); }

double RxFallbackFre(bool warn) { return FallbackFre(warn, 0); }
double TxFallbackFre(bool warn) { return FallbackFre(warn, 1); }

QString CheckFmFreText(const QString &value)
{
    Num n;
    if (ReadNum(value, n))
        return FormatNum(ValidateFm(n), 4, 1);
    return FormatNum(NumFromDouble(FmFallbackFre()), 4, 1);
}

double ValidateFmFre(double mhz) { return ValidateFm(NumFromDouble(mhz)).value; }
double SnapFmToRaster(double mhz) { return SnapFm(NumFromDouble(mhz)).value; }

double FmFallbackFre()
{
    ShowBandWarning();
    return State().FmBandLow;
}
