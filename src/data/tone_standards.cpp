#include "data/tone_standards.h"

#include <array>
#include <cstdlib>

#include "data/lang_text.h"
#include "data/radio_data.h"

namespace {

constexpr int kDigits = 16;

struct StandardColumn {
    const char *name;
    int period;
    std::array<const char *, kDigits> digits; // "0".."9", "A".."F"
};

// Each cell is the exact text the sheet shows for the digit.
const std::array<StandardColumn, kToneStandardCount> &Table()
{
    static const std::array<StandardColumn, kToneStandardCount> table{{
        {"ZVEI1", 70, {"2400", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "2200", "2800", "810", "970", "885", "2600", "680"}},
        {"ZVEI2", 70, {"2400", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "2200", "885", "810", "740", "680", "970", "2600"}},
        {"ZVEI3", 70, {"2200", "970", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "885", "", "", "", "2400", ""}},
        {"PZVEI", 70, {"2400", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "2200", "970", "810", "2800", "885", "2600", "680"}},
        {"DZVEI", 70, {"2200", "970", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "825/885", "740", "2600", "885", "2400", "680"}},
        {"PDZVEI", 70, {"2200", "970", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "825", "886", "2600", "856", "2400", ""}},
        {"CCIR1", 100, {"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860", "2400", "930", "2247", "991", "2110", "1055"}},
        {"CCIR2", 70, {"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860", "2400", "930", "2247", "991", "2110", "1055"}},
        {"PCCIR", 100, {"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860", "1050", "930", "2400", "991", "2110", ""}},
        {"EEA", 40, {"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860", "1055", "930", "2400", "991", "2110", "2247"}},
        {"EURO SIGNAL", 100, {"979.8", "903.1", "832.5", "767.4", "707.4", "652.0", "601.0", "554.0", "510.7", "470.8", "", "", "", "", "1062.9", ""}},
        {"NATEL", 70, {"1633", "631", "697", "770", "852", "941", "1040", "1209", "1336", "1477", "1995", "571", "2205", "2437", "1805", "2694"}},
        {"MODAT", 40, {"637.5", "787.5", "937.5", "1087.5", "1237.5", "1387.5", "1537.5", "1687.5", "1837.5", "1987.5", "", "", "", "", "487.5", ""}},
        {"CCITT", 70, {"400.0", "697.0", "770.0", "852.0", "941.0", "1209.0", "1335.0", "1477.0", "1663.0", "1800.0", "1900.0", "2000.0", "2100.0", "2200.0", "2300.0", "0.0"}},
        {"EIA", 33, {"600.0", "741.0", "882.0", "1023.0", "1164.0", "1305.0", "1446.0", "1587.0", "1728.0", "1869.0", "2151.0", "2433.0", "2010.0", "2292.0", "459.0", "1091.0"}},
    }};
    return table;
}

const QString kSheetLineEnd = QStringLiteral("\r\n");

} // namespace

const QStringList &ToneStandardNames()
{
    static const QStringList names = [] {
        QStringList out;
        for (const StandardColumn &c : Table())
            out << QString::fromLatin1(c.name);
        return out;
    }();
    return names;
}

QString ToneStandardName(int standard)
{
    return standard >= 0 && standard < kToneStandardCount ? ToneStandardNames().at(standard) : QString();
}

int ToneStandardOfName(const QString &name)
{
    return int(ToneStandardNames().indexOf(name));
}

int DefaultTonePeriod(const QString &name)
{
    const int standard = ToneStandardOfName(name);
    return standard < 0 ? kUserStandardPeriod : Table()[std::size_t(standard)].period;
}

QString ToneStandardDigitText(int standard, int digit)
{
    if (standard < 0 || standard >= kToneStandardCount || digit < 0 || digit >= kDigits)
        return QString();
    return QString::fromLatin1(Table()[std::size_t(standard)].digits[std::size_t(digit)]);
}

QString UserToneText(int16_t tenthsHz)
{
    // Whole units of 0.1 Hz, so the text is exact: no binary fraction in between.
    const int v = tenthsHz;
    const int magnitude = std::abs(v);
    QString text = v < 0 ? QStringLiteral("-") : QString();
    if (magnitude >= 10)
        text += QString::number(magnitude / 10);
    return text + QLatin1Char('.') + QString::number(magnitude % 10);
}

QString ToneStandardSheet(const QString &name, const UserToneStandard &user)
{
    const QString frequencyLabel = GetOptionText(60085);
    const QString periodLabel = GetOptionText(60086);
    const QString startLabel = GetOptionText(60087);
    const QString repeatLabel = GetOptionText(60088);

    const int standard = ToneStandardOfName(name);
    QString sheet = name + kSheetLineEnd;
    sheet += frequencyLabel + QStringLiteral("(Hz)") + kSheetLineEnd;
    for (int digit = 0; digit < kDigits; ++digit) {
        const QString frequency = standard >= 0 ? ToneStandardDigitText(standard, digit)
                                                : UserToneText(user.Tones[std::size_t(digit)]);
        sheet += QString::number(digit, 16).toUpper() + QLatin1Char(' ') + frequency + kSheetLineEnd;
    }
    const int period = standard >= 0 ? Table()[std::size_t(standard)].period : kUserStandardPeriod;
    sheet += periodLabel + QStringLiteral("(ms) ") + QString::number(period) + kSheetLineEnd;
    sheet += startLabel + QStringLiteral(" A") + kSheetLineEnd;
    sheet += repeatLabel + QStringLiteral(" E") + kSheetLineEnd;
    return sheet;
}
