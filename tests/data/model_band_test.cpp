#include <gtest/gtest.h>

#include "common/test_env.h"
#include "data/app_state.h"
#include "data/model_band.h"

namespace {

TEST(BandRangeText, EightPlansAndNothingElse)
{
    EXPECT_EQ(BandRangeText(0), QStringLiteral("UHF(400 - 480 MHz) VHF(136 - 174 MHz)"));
    EXPECT_EQ(BandRangeText(3), QStringLiteral("UHF(430 - 440 MHz) VHF(144 - 146 MHz)"));
    EXPECT_EQ(BandRangeText(7), QStringLiteral("UHF(446 - 447 MHz) VHF(144 - 146 MHz)"));
    EXPECT_EQ(BandRangeText(8), QString());
    EXPECT_EQ(BandRangeText(-1), QString());
}

class ParseBandLimitsTest : public testenv::AppTest {};

TEST_F(ParseBandLimitsTest, EveryPlanGivesItsLimits)
{
    // index = 2 * uhf + vhf
    const double uhf[4][2] = {{400, 480}, {430, 440}, {400, 520}, {446, 447}};
    const double vhf[2][2] = {{136, 174}, {144, 146}};
    for (int i = 0; i < 8; ++i) {
        State().CurBandPlanText = BandRangeText(i);
        ASSERT_TRUE(ParseBandLimits()) << i;
        const AppState &st = State();
        EXPECT_EQ(st.RxBandLow[0], uhf[i / 2][0]) << i;
        EXPECT_EQ(st.RxBandHigh[0], uhf[i / 2][1]) << i;
        EXPECT_EQ(st.RxBandLow[1], vhf[i % 2][0]) << i;
        EXPECT_EQ(st.RxBandHigh[1], vhf[i % 2][1]) << i;
        EXPECT_EQ(st.TxBandLow, st.RxBandLow);
        EXPECT_EQ(st.TxBandHigh, st.RxBandHigh);
    }
}

TEST_F(ParseBandLimitsTest, FreshStateHoldsThePlanZeroLimits)
{
    const AppState &st = State();
    EXPECT_EQ(st.CurBandPlanIndex, 0);
    EXPECT_EQ(st.CurBandPlanText, BandRangeText(0));
    const std::array<double, 2> low{400, 136}, high{480, 174};
    EXPECT_EQ(st.RxBandLow, low);
    EXPECT_EQ(st.RxBandHigh, high);
    EXPECT_EQ(st.TxBandLow, low);
    EXPECT_EQ(st.TxBandHigh, high);
}

TEST_F(ParseBandLimitsTest, DecimalLimitsAreReadWithAPoint)
{
    State().CurBandPlanText = QStringLiteral("VHF(144.5 - 145.75 MHz) UHF(430.125 - 439.9 MHz)");
    ASSERT_TRUE(ParseBandLimits());
    EXPECT_DOUBLE_EQ(State().RxBandLow[0], 430.125);
    EXPECT_DOUBLE_EQ(State().RxBandHigh[0], 439.9);
    EXPECT_DOUBLE_EQ(State().RxBandLow[1], 144.5);
    EXPECT_DOUBLE_EQ(State().RxBandHigh[1], 145.75);
}

TEST_F(ParseBandLimitsTest, BadTextChangesNoLimit)
{
    State().CurBandPlanText = BandRangeText(5);
    ASSERT_TRUE(ParseBandLimits());
    const char *bad[] = {
        "",                                      // index outside 0..7
        "UHF(400 - 480 MHz)",                    // no VHF range
        "UHF(400 - 480 MHz) VHF(136 - 174 MHz",  // VHF range not closed
        "UHF(400 - 480MHz) VHF(136 - 174 MHz)",  // UHF range lacks its third space
        "UHF(abc - 480 MHz) VHF(136 - 174 MHz)", // not a number
        "VHF(136 - 174 MHz)",
    };
    for (const char *text : bad) {
        State().CurBandPlanText = QString::fromLatin1(text);
        EXPECT_FALSE(ParseBandLimits()) << text;
        const std::array<double, 2> low{400, 144}, high{520, 146};
        EXPECT_EQ(State().RxBandLow, low) << text;
        EXPECT_EQ(State().RxBandHigh, high) << text;
        EXPECT_EQ(State().TxBandLow, low) << text;
        EXPECT_EQ(State().TxBandHigh, high) << text;
    }
}

TEST(ModelDisplayName, Table)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("TORVA6Y"), QStringLiteral("TORVA-6Y")},
        {QStringLiteral("TORVA6Y").leftJustified(16, QLatin1Char(' ')), QStringLiteral("TORVA-6Y")},
        {QStringLiteral("TORVA6Y") + QChar(0) + QStringLiteral("        "), QStringLiteral("TORVA-6Y")},
        {QStringLiteral("K58TXB"), QStringLiteral("K58TX")},
        {QStringLiteral("K58TXC"), QStringLiteral("K58TX")},
        {QStringLiteral("K58TXD   "), QStringLiteral("K58TX")},
        {QStringLiteral("K58TXA"), QStringLiteral("K58TXA")},
        {QStringLiteral("torva6y"), QStringLiteral("torva6y")},
        {QStringLiteral("  X9  "), QStringLiteral("  X9")}, // leading spaces stay
        {QString(), QString()},
    };
    for (const auto &[code, shown] : cases)
        EXPECT_EQ(ModelDisplayName(code), shown) << code.toStdString();
}

TEST(ModelCodeFromDisplayName, OnlyTheOwnModelHasAWayBack)
{
    EXPECT_EQ(ModelCodeFromDisplayName(QStringLiteral("TORVA-6Y")), QStringLiteral("TORVA6Y"));
    EXPECT_EQ(ModelCodeFromDisplayName(QStringLiteral("TORVA-6Y   ")), QStringLiteral("TORVA6Y"));
    EXPECT_EQ(ModelCodeFromDisplayName(QStringLiteral("K58TX")), QStringLiteral("K58TX"));
    EXPECT_EQ(ModelCodeFromDisplayName(QStringLiteral("Other  ")), QStringLiteral("Other"));
}

TEST(IsVersionText, Table)
{
    const std::pair<QString, bool> cases[] = {
        {QStringLiteral("V101"), true},
        {QStringLiteral("V101    "), true},
        {QStringLiteral("V100") + QChar(0), true},
        {QStringLiteral("v101"), false},
        {QStringLiteral("V10"), false},
        {QStringLiteral("V10A"), false},
        {QStringLiteral("V1010"), false},
        {QStringLiteral(" V101"), false},
        {QStringLiteral("X101"), false},
        {QString(), false},
    };
    for (const auto &[text, ok] : cases)
        EXPECT_EQ(IsVersionText(text), ok) << text.toStdString();
}

} // namespace
