#include <gtest/gtest.h>

#include "data/tone_tables.h"
#include "data/value_rules.h"

namespace {

TEST(ToneTables, TextsAtTheEndsAndOutside)
{
    EXPECT_EQ(CtcssToneText(0), "62.5");
    EXPECT_EQ(CtcssToneText(13), "100.0");
    EXPECT_EQ(CtcssToneText(50), "254.1");
    EXPECT_EQ(CtcssToneText(-1), "");
    EXPECT_EQ(CtcssToneText(51), "");
    EXPECT_EQ(DcsCodeText(0), "000N");
    EXPECT_EQ(DcsCodeText(19), "023N");
    EXPECT_EQ(DcsCodeText(511), "777N");
    EXPECT_EQ(DcsCodeText(512), "");
    EXPECT_EQ(StepText(0), "2.5K");
    EXPECT_EQ(StepText(2), "6.25K");
    EXPECT_EQ(StepText(8), "50K");
    EXPECT_EQ(StepText(9), "");
}

TEST(RecordText, ShownAndStoredByteForByte)
{
    FixStr<6> name = FixStr<6>::fromBytes(QByteArray("A\xE9 B\0 ", 6));
    EXPECT_EQ(ShownText(name), QString::fromLatin1("A\xE9 B"));

    StoreText(name, QString::fromLatin1("\xFFXY"));
    EXPECT_EQ(name.toByteArray(), QByteArray("\xFFXY   ", 6));
    StoreText(name, QStringLiteral("1234567"), '\0');
    EXPECT_EQ(name.toByteArray(), QByteArray("123456", 6));
    StoreText(name, QStringLiteral("ab"), '\0');
    EXPECT_EQ(name.toByteArray(), QByteArray("ab\0\0\0\0", 6));
}

} // namespace
