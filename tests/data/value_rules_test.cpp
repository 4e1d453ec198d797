#include <QString>

#include "common/test_env.h"
#include "data/app_state.h"
#include "data/lang_text.h"
#include "data/value_rules.h"

using testenv::AppTest;

namespace {

QString S(const char *text) { return QString::fromLatin1(text); }

// Band plan 0 (UHF 400-480, VHF 136-174 MHz) is the state's starting band plan.
class ValueRulesTest : public AppTest {
protected:
    int bandWarnings() const
    {
        int n = 0;
        for (const PromptCall &c : script->messages()) {
            if (c.text == GetLangText(2001) && c.style == vbOKOnly + vbExclamation)
                ++n;
        }
        return n;
    }
    int notNumericMessages() const
    {
        int n = 0;
        for (const PromptCall &c : script->messages()) {
            if (c.text == S("Not IsNumeric") && c.style == vbOKOnly)
                ++n;
        }
        return n;
    }
};

TEST_F(ValueRulesTest, BandWarningIsTheLanguageTextWithTheExclamationIcon)
{
    NormaliseRxFreText(S("500"), true);
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_FALSE(script->messages()[0].text.isEmpty());
    EXPECT_EQ(script->messages()[0].text, GetLangText(2001));
    EXPECT_EQ(script->messages()[0].style, vbOKOnly + vbExclamation);
}

TEST_F(ValueRulesTest, ReceiveTextsAreSnappedOrReplacedByTheFarthestEdge)
{
    const struct {
        const char *in;
        bool warn;
        const char *out;
        int warnings;
    } cases[] = {
        {"438.501", true, "438.50000", 0},    // neither raster: down onto 2.5 kHz
        {"438.50625", true, "438.50625", 0},  // on the 6.25 kHz raster
        {"146.0125", true, "146.01250", 0},   // on both rasters
        {"136.0025", true, "136.00250", 0},   // VHF, 2.5 kHz from the lower limit
        {"400.00124", false, "400.00000", 0}, // 1.24 kHz off the raster
        {"400.006245", true, "400.00500", 0}, // 10 Hz half rounds to even (624), then snaps down
        {"479.999996", true, "480.00000", 0}, // in band, rounds up onto the upper limit
        {"480", true, "480.00000", 0},        // upper limit belongs to the band
        {"480.000004", true, "136.00000", 1}, // above the band before any rounding
        {"500", true, "136.00000", 1},
        {"100", true, "480.00000", 1},
        {"300", true, "480.00000", 1},
        {"308", true, "480.00000", 1},       // 172 MHz from both 480 and 136: the earlier edge
        {"174.00001", true, "480.00000", 1}, // just above VHF
        {"500", false, "136.00000", 0},
        {"", true, "400.00000", 1},          // empty is not a number
        {"", false, "400.00000", 0},
        {"abc", true, "400.00000", 1},
        {" 438.5 ", false, "438.50000", 0},
    };
    for (const auto &c : cases) {
        script->clear();
        EXPECT_EQ(NormaliseRxFreText(S(c.in), c.warn), S(c.out)) << c.in;
        EXPECT_EQ(bandWarnings(), c.warnings) << c.in;
        EXPECT_EQ(script->messages().size(), c.warnings) << c.in;
    }
}

TEST_F(ValueRulesTest, TransmitTextsUseTheTransmitLimits)
{
    State().TxBandLow = {410.0, 140.0};
    EXPECT_EQ(NormaliseTxFreText(S(""), false), S("410.00000"));
    EXPECT_EQ(NormaliseTxFreText(S("405"), false), S("140.00000")); // outside TX band 0 now
    EXPECT_EQ(NormaliseRxFreText(S("405"), false), S("405.00000"));
    EXPECT_EQ(NormaliseFreText(S("405"), 0, false), S("140.00000"));
    EXPECT_EQ(NormaliseFreText(S("405"), 1, false), S("405.00000"));
    // The raster counts from the transmit lower limit: 410.00125 is 1.25 kHz off it.
    EXPECT_EQ(NormaliseTxFreText(S("410.00125"), false), S("410.00000"));
}

TEST_F(ValueRulesTest, NumbersHeldAsDoublesAreNormalisedToo)
{
    // A start frequency plus three 12.5 kHz steps, as a batch computes it.
    const double f = 146.0125 + 0.0125 * 3;
    EXPECT_EQ(NormaliseFreText(f, 1, false), S("146.05000"));
    EXPECT_EQ(NormaliseFreText(500.0, 0, true), S("136.00000"));
    EXPECT_EQ(bandWarnings(), 1);
}

TEST_F(ValueRulesTest, NumericRoutinesOnDoubles)
{
    EXPECT_DOUBLE_EQ(SnapRxToRaster(438.501, 0), 438.5);
    EXPECT_DOUBLE_EQ(SnapRxToRaster(438.50625, 0), 438.50625);
    EXPECT_DOUBLE_EQ(SnapTxToRaster(146.0137, 1), 146.0125);
    EXPECT_DOUBLE_EQ(ValidateRxFre(155.0, true), 155.0);
    EXPECT_DOUBLE_EQ(ValidateTxFre(50.0, false), 480.0);
    EXPECT_DOUBLE_EQ(FarthestBandEdge(500.0, false, 0), 136.0);
    EXPECT_DOUBLE_EQ(FarthestBandEdge(150.0, false, 1), 480.0);
    EXPECT_DOUBLE_EQ(RxFallbackFre(false), 400.0);
    EXPECT_DOUBLE_EQ(TxFallbackFre(false), 400.0);
    EXPECT_EQ(bandWarnings(), 0);
    // Any other kind gives 0, after the warning it was asked for.
    EXPECT_DOUBLE_EQ(FarthestBandEdge(150.0, true, 2), 0.0);
    EXPECT_EQ(bandWarnings(), 1);
}

TEST_F(ValueRulesTest, FrequencyTextToStoredDigits)
{
    const struct {
        const char *in;
        const char *out;
    } cases[] = {
        {"146.123456", "014612345"}, // sixth decimal dropped, not rounded
        {"146.99999999", "014699999"},
        {"146", "014600000"},
        {"", ""},
        {"0.29", "000029000"},       // 0.29 * 100000 is 28999.999... in binary
        {"145.29", "014529000"},
        {"438.50625", "043850625"},
        {"1460", "146000000"},       // a whole number of MHz, however long
        {"abc", "FFFFFFFFF"},
        {"-5", "000000000"},         // never more than nine digits
        {"12345", "999999999"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FreTextToStored(S(c.in)), S(c.out)) << c.in;
}

TEST_F(ValueRulesTest, StoredDigitsToShownTexts)
{
    const struct {
        const char *in;
        const char *rx;
        const char *tx;
    } cases[] = {
        {"014612500", "146.12500", "146.12500"},
        {"043850625", "438.50625", "438.50625"},
        {"000500000", "005.00000", "5.00000"},
        {"FFFFFFFFF", "", "0.00000"},
        {"", "", "0.00000"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(FreStoredToText(S(c.in)), S(c.rx)) << c.in;
        EXPECT_EQ(TxStoredToText(S(c.in)), S(c.tx)) << c.in;
    }
    EXPECT_EQ(FreStoredToText(QByteArray("014612500")), S("146.12500"));
    EXPECT_EQ(notNumericMessages(), 0);
}

TEST_F(ValueRulesTest, GarbageInAStoredFieldIsReportedAndShownAsTheFallback)
{
    EXPECT_EQ(FreStoredToText(S("12AB45678")), S("400"));
    EXPECT_EQ(notNumericMessages(), 1);
    EXPECT_EQ(TxStoredToText(QByteArray("\0\0\0\0\0\0\0\0\0", 9)), S("0.00000"));
    EXPECT_EQ(notNumericMessages(), 2);
    State().RxBandLow[0] = 438.5;
    EXPECT_EQ(FreStoredToText(S("xyz")), S("438.5"));
    EXPECT_EQ(script->messages().size(), 3);
}

TEST_F(ValueRulesTest, FmTextsAreKeptInTheBandOnTheRaster)
{
    const struct {
        const char *in;
        const char *out;
        int warnings;
    } cases[] = {
        {"88.03", "88.0500", 0},   {"88.02", "88.0000", 0},   {"107.98", "108.0000", 0},
        {"108", "108.0000", 0},    {"88", "88.0000", 0},      {"100.1", "100.1000", 0},
        {"88.025", "88.0000", 0},  // half of 10 kHz rounds to even (8802), then down onto 50 kHz
        {"87", "88.0000", 1},      {"87.99", "88.0000", 1},   {"108.01", "108.0000", 1},
        {"abc", "88.0000", 1},     {"", "88.0000", 1},
    };
    for (const auto &c : cases) {
        script->clear();
        EXPECT_EQ(CheckFmFreText(S(c.in)), S(c.out)) << c.in;
        EXPECT_EQ(bandWarnings(), c.warnings) << c.in;
    }
    EXPECT_DOUBLE_EQ(SnapFmToRaster(96.32), 96.3);
    EXPECT_DOUBLE_EQ(SnapFmToRaster(96.33), 96.35);
    EXPECT_DOUBLE_EQ(ValidateFmFre(120.0), 108.0);
}

TEST_F(ValueRulesTest, FmStoredForms)
{
    const struct {
        const char *in;
        const char *out;
    } toStored[] = {
        {"108", "01080000"}, {"88.05", "00880500"}, {"", ""}, {"abc", "FFFFFFFF"},
        {"88.00005", "00880000"}, // half of 100 Hz rounds to even
        {"88.00015", "00880002"},
    };
    for (const auto &c : toStored)
        EXPECT_EQ(FmFreToStored(S(c.in)), S(c.out)) << c.in;

    const struct {
        const char *in;
        const char *out;
    } toText[] = {
        {"01080000", "108.0000"}, {"00880500", "88.0500"}, {"FFFFFFFF", ""}, {"", ""},
        {"88.5", "88.5"},          // a text with a point comes back as it is
        {"880500", "880500.0000"}, // not eight characters: read as a plain number
    };
    for (const auto &c : toText)
        EXPECT_EQ(FmStoredToText(S(c.in)), S(c.out)) << c.in;
    EXPECT_EQ(notNumericMessages(), 0);
    EXPECT_EQ(FmStoredToText(S("ABCDEFGH")), S("88.0000"));
    EXPECT_EQ(notNumericMessages(), 1);
}

TEST_F(ValueRulesTest, CustomCtcss)
{
    const struct {
        const char *in;
        const char *out;
    } cases[] = {
        {"62.5", "62.5"},   {"254.1", "254.1"}, {"254.15", "151.1"}, {"62.49", "151.1"},
        {"100", "100.0"},   {"", "151.1"},      {"abc", "151.1"},    {"88.45", "88.4"},
        {"88.55", "88.6"},  {" 71.9 ", "71.9"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CheckCustomCtcss(S(c.in)), S(c.out)) << c.in;
}

TEST_F(ValueRulesTest, TrimFixStrCutsTrailingSpacesThenAtTheFirstNul)
{
    const struct {
        QByteArray in;
        QByteArray out;
    } cases[] = {
        {QByteArray("\0     ", 6), ""},
        {"AB  ", "AB"},
        {"  AB", "  AB"},
        {QByteArray("A \0B ", 5), "A "},
        {QByteArray("AB\0", 3), "AB"},
        {"", ""},
        {"\t ", "\t"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(TrimFixStr(c.in), c.out);
        EXPECT_EQ(TrimFixStr(QString::fromLatin1(c.in)), QString::fromLatin1(c.out));
    }
}

TEST_F(ValueRulesTest, FrequencyBands)
{
    const struct {
        QString in;
        FreBand band;
    } cases[] = {
        {S(" 438.5"), BandUhf}, {S("175"), BandNone},   {S("136"), BandVhf}, {S("480"), BandUhf},
        {S("174"), BandVhf},    {S("399.99999"), BandNone}, {S(""), BandNone}, {S("abc"), BandNone},
        {QString::fromLatin1(QByteArray("146\0  ", 6)), BandVhf},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GetFreBand(c.in), c.band) << c.in.toStdString();
}

TEST_F(ValueRulesTest, OffsetKeepsTheTransmitFrequencyInTheBand)
{
    const struct {
        const char *offset;
        const char *rx;
        int dir;
        const char *out;
        int warnings;
    } cases[] = {
        {"5", "146.00000", OffsetPlus, "005.00000", 0},
        {"5", "146.00000", OffsetMinus, "005.00000", 0},
        {"5", "146.00000", OffsetNone, "005.00000", 0},
        {"10", "470.00000", OffsetPlus, "010.00000", 0},       // exactly onto the upper limit
        {"0.00375", "400.00625", OffsetPlus, "000.00375", 0},
        {"30", "146.00000", OffsetPlus, "334.00000", 1},       // 176 is outside: the farthest edge, 480
        {"abc", "146.00000", OffsetMinus, "000.00000", 0},
        {"5", "", OffsetMinus, "000.00000", 0},
        {"", "146.00000", OffsetPlus, "000.00000", 0},
    };
    for (const auto &c : cases) {
        script->clear();
        EXPECT_EQ(NormaliseOffset(S(c.offset), S(c.rx), c.dir, true), S(c.out)) << c.offset << " " << c.rx;
        EXPECT_EQ(bandWarnings(), c.warnings) << c.offset << " " << c.rx;
    }
}

TEST_F(ValueRulesTest, AnOffsetIsNeverNegative)
{
    // 470 + 20 lies above UHF; its farthest band edge, 136 MHz, lies below the receive frequency,
    // which no upward offset reaches: the transmitter stays on the receive frequency.
    EXPECT_EQ(NormaliseOffset(S("20"), S("470.00000"), OffsetPlus, true), S("000.00000"));
    EXPECT_EQ(bandWarnings(), 1);
    // 140 - 10 lies below VHF; the farthest edge is 480, above the receive frequency.
    EXPECT_EQ(NormaliseOffset(S("10"), S("140.00000"), OffsetMinus, false), S("000.00000"));
    // Snapping down onto the raster can pass below a receive frequency on the 6.25 kHz raster.
    EXPECT_EQ(NormaliseOffset(S("0.00075"), S("400.00625"), OffsetPlus, false), S("000.00000"));
    EXPECT_EQ(FreTextToStored(NormaliseOffset(S("20"), S("470.00000"), OffsetPlus, false)), S("000000000"));
}

TEST_F(ValueRulesTest, ExactUnitHelpers)
{
    int64_t u = 0;
    ASSERT_TRUE(ReadUnits(S("146.000015"), 5, u));
    EXPECT_EQ(u, 14600002); // half to even
    ASSERT_TRUE(ReadUnits(S("-0.000025"), 5, u));
    EXPECT_EQ(u, -2);
    EXPECT_FALSE(ReadUnits(S("1.2.3"), 5, u));
    EXPECT_EQ(FormatUnits(500000, 5, 1), S("5.00000"));
    EXPECT_EQ(FormatUnits(14612500, 5, 3), S("146.12500"));
    EXPECT_EQ(FormatUnits(-125, 5, 3), S("-000.00125"));
    EXPECT_EQ(FormatUnits(5, 1, 0), S(".5"));
    EXPECT_EQ(FormatUnits(880000, 0, 8), S("00880000"));
}

} // namespace
