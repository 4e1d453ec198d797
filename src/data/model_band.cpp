#include "data/model_band.h"

#include <array>

#include "data/app_state.h"
#include "data/value_rules.h"
#include "platform/numbers.h"

namespace {

const char *const kBandPlans[kBandPlanCount] = {
    "UHF(400 - 480 MHz) VHF(136 - 174 MHz)", "UHF(400 - 480 MHz) VHF(144 - 146 MHz)",
    "UHF(430 - 440 MHz) VHF(136 - 174 MHz)", "UHF(430 - 440 MHz) VHF(144 - 146 MHz)",
    "UHF(400 - 520 MHz) VHF(136 - 174 MHz)", "UHF(400 - 520 MHz) VHF(144 - 146 MHz)",
    "UHF(446 - 447 MHz) VHF(136 - 174 MHz)", "UHF(446 - 447 MHz) VHF(144 - 146 MHz)",
};

// The range text between "<band>(" and the next ")": the low limit stands before its first space,
// the high limit between its second and third space ("400 - 480 MHz").
bool ParseRange(const QString &plan, const QString &band, double &low, double &high)
{
    const QString open = band + QLatin1Char('(');
    const qsizetype start = plan.indexOf(open);
    if (start < 0)
        return false;
    const qsizetype from = start + open.size();
    const qsizetype close = plan.indexOf(QLatin1Char(')'), from);
    if (close < 0)
        return false;
    const QString range = plan.mid(from, close - from);
    const qsizetype s1 = range.indexOf(QLatin1Char(' '));
    const qsizetype s2 = s1 < 0 ? -1 : range.indexOf(QLatin1Char(' '), s1 + 1);
    const qsizetype s3 = s2 < 0 ? -1 : range.indexOf(QLatin1Char(' '), s2 + 1);
    if (s3 < 0)
        return false;
    const QString lowText = range.left(s1);
    const QString highText = range.mid(s2 + 1, s3 - s2 - 1);
    if (!IsNumeric(lowText) || !IsNumeric(highText))
        return false;
    low = Val(lowText);
    high = Val(highText);
    return true;
}

} // namespace

QString BandRangeText(int index)
{
    if (index < 0 || index >= kBandPlanCount)
        return QString();
    return QString::fromLatin1(kBandPlans[index]);
}

bool ParseBandLimits()
{
    AppState &st = State();
    std::array<double, 2> low{}, high{};
    if (!ParseRange(st.CurBandPlanText, QStringLiteral("UHF"), low[0], high[0]) ||
        !ParseRange(st.CurBandPlanText, QStringLiteral("VHF"), low[1], high[1]))
        return false;
    st.RxBandLow = low;
    st.RxBandHigh = high;
    st.TxBandLow = low;
    st.TxBandHigh = high;
    return true;
}

QString ModelDisplayName(const QString &code)
{
    const QString c = TrimFixStr(code);
    if (c == QLatin1String("TORVA6Y"))
        return QStringLiteral("TORVA-6Y");
    if (c == QLatin1String("K58TXB") || c == QLatin1String("K58TXC") || c == QLatin1String("K58TXD"))
        return QStringLiteral("K58TX");
    return c;
}

QString ModelCodeFromDisplayName(const QString &displayName)
{
    const QString d = TrimFixStr(displayName);
    if (d == QLatin1String("TORVA-6Y"))
        return QStringLiteral("TORVA6Y");
    return d;
}

bool IsVersionText(const QString &text)
{
    const QString t = TrimFixStr(text);
    return t.size() == 4 && t.front() == QLatin1Char('V') && IsNumeric(t.right(3));
}
