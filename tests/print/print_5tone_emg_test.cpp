// The 5-tone and embedded-information sections.

#include <gtest/gtest.h>

#include "data/app_state.h"
#include "data/lang_text.h"
#include "print_fixture.h"

namespace {

using printtest::PrintTest;

class PrintFiveToneTest : public PrintTest {
protected:
    FiveToneBlock &Block() { return State().RadioData.SignallingRecord.FiveToneBlock; }
    void UseRow(int position, const char *code, int period)
    {
        FiveToneCodeRecord &r = Block().CodeRows[std::size_t(position - 1)];
        r.Empty = 0;
        r.Code = FixStr<40>::fromBytes(code);
        r.CodeLength = uint8_t(qstrlen(code));
        r.TonePeriod = uint8_t(period);
        r.Name = FixStr<7>::fromBytes("R" + QByteArray::number(position));
    }
};

TEST_F(PrintFiveToneTest, CodeRowsAsStoredWithTheirNumbersAndPeriods)
{
    for (FiveToneCodeRecord &r : Block().CodeRows)
        r.CodeLength = 0;
    UseRow(1, "12345", 20);
    UseRow(100, "54321", 100);
    Block().CodeRows[49].Name = FixStr<7>::fromBytes("NOCODE"); // length 0: not printed
    InfoCodeRecord &info = Block().InfoCodes[0];
    info.Code = FixStr<12>::fromBytes("123456789ABC");
    info.CodeLength = 5;
    Run({6});
    ASSERT_EQ(State().PrintDone, 1);
    EXPECT_EQ(LastPage(), 1);
    const PrintedText *first = FindAt(QStringLiteral("12345"), 15);
    ASSERT_NE(first, nullptr);
    const PrintedText *number = FindAt(QStringLiteral("0"), 10);
    ASSERT_NE(number, nullptr);
    EXPECT_NE(FindAt(QStringLiteral("99"), 10), nullptr);
    EXPECT_NE(FindAt(QStringLiteral("100"), 70), nullptr);
    bool period70 = false;
    for (const PrintedText &t : LastPrintRecord())
        period70 |= t.y == first->y && t.text == "70" && std::abs(t.xPercent() - 70) < 0.01;
    EXPECT_TRUE(period70);
    EXPECT_EQ(Find(QStringLiteral("NOCODE")), nullptr);
    EXPECT_NE(FindAt(QStringLiteral("12345"), 60), nullptr); // the information code's five characters
}

TEST_F(PrintFiveToneTest, AFullListRunsOverPagesUnderAShortTitle)
{
    for (int j = 1; j <= kFiveToneRows; ++j)
        UseRow(j, "12345", 70);
    Run({6});
    ASSERT_EQ(State().PrintDone, 1);
    ASSERT_GE(LastPage(), 2);
    EXPECT_EQ(PdfPages(), LastPage());
    for (int page = 2; page <= LastPage(); ++page) {
        EXPECT_NE(FindAt(QStringLiteral("5Tone"), 5), nullptr);
        EXPECT_NE(Find(QStringLiteral("- %1 -").arg(page), page), nullptr) << page;
    }
    int rows = 0;
    for (const PrintedText &t : LastPrintRecord())
        rows += t.text.startsWith(QLatin1Char('R')) && std::abs(t.xPercent() - 92) < 0.01;
    EXPECT_EQ(rows, kFiveToneRows);
}

TEST_F(PrintTest, EmbeddedInformationRowsInBothLanguages)
{
    Run({8});
    ASSERT_EQ(State().PrintDone, 1);
    EXPECT_NE(Find(QStringLiteral("Embedded Message")), nullptr);
    EXPECT_NE(Find(QStringLiteral("Maintained Description")), nullptr);
    EXPECT_NE(Find(QStringLiteral("Area Code")), nullptr);
    SetLanguage(LangChinese);
    Run({8});
    EXPECT_NE(Find(QString::fromUtf8("嵌入信息")), nullptr);
    EXPECT_NE(Find(QString::fromUtf8("维修原因 ")), nullptr);
}

} // namespace
