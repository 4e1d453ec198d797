#include <gtest/gtest.h>

#include "data/self_kill_stun.h"

namespace {

QString S(const char *text) { return QString::fromLatin1(text); }

TEST(SelfKillStunTest, BumpRaisesTheLastHexDigitOfAnEqualCode)
{
    struct Case {
        const char *reference, *code, *expected;
    };
    const Case cases[] = {
        {"123", "123", "124"}, {"129", "129", "12A"}, {"12D", "12D", "12E"}, {"12E", "12E", "12F"},
        {"12F", "12F", "120"}, {"123", "124", "124"}, {"", "", ""},          {"12", "12 ", "12 "},
        {"1X", "1X", "11"}, // a character that is no hex digit counts as 0
    };
    for (const Case &c : cases) {
        QString code = S(c.code);
        BumpLastHexDigitIfEqual(S(c.reference), code);
        EXPECT_EQ(code, S(c.expected)) << c.reference << " / " << c.code;
    }
}

TEST(SelfKillStunTest, DistinctCodesCompareTrimmedTextsOnceEachInOrder)
{
    QString kill = S("123   ");
    QString stun = S("123");
    MakeDtmfCodesDistinct(S("123"), kill, stun);
    EXPECT_EQ(kill, S("124")); // equal to the own ID: raised
    EXPECT_EQ(stun, S("125")); // equal to the own ID, then to the raised kill code

    kill = S("124");
    stun = S("123");
    MakeDtmfCodesDistinct(S("124"), kill, stun);
    EXPECT_EQ(kill, S("125"));
    EXPECT_EQ(stun, S("123"));
}

TEST(SelfKillStunTest, IdsAreDecimalDigitsFilledOnTheRight)
{
    EXPECT_TRUE(IsDecimalDigits(S("007")));
    for (const char *t : {"", "1E2", " 12", "12 ", "1.5", "-1", "&H1"})
        EXPECT_FALSE(IsDecimalDigits(S(t))) << t;
    EXPECT_EQ(FillDtmfId(S("")), S("000"));
    EXPECT_EQ(FillDtmfId(S("7")), S("700"));
    EXPECT_EQ(FillDtmfId(S("12")), S("120"));
    EXPECT_EQ(FillDtmfId(S("1234")), S("1234"));
}

} // namespace
