// The option, DTMF and alarm sections: what the windows show, at the places the page lays out.

#include <gtest/gtest.h>

#include "data/app_state.h"
#include "data/lang_text.h"
#include "print_fixture.h"

namespace {

using printtest::PrintTest;

class PrintSettingsTest : public PrintTest {
protected:
    // The text printed on the same row as the label, right of it.
    static QString ValueBeside(const QString &label)
    {
        const PrintedText *l = Find(label);
        if (!l)
            return QStringLiteral("<no label>");
        for (const PrintedText &t : LastPrintRecord())
            if (t.page == l->page && t.y == l->y && t.x > l->x)
                return t.text;
        return QString();
    }
};

TEST_F(PrintSettingsTest, OptionRowsFromTheWindow)
{
    OptionBlock &o = State().RadioData.SignallingRecord.OptionBlock;
    o.PowerOnPassword = FixStr<12>::fromBytes("A C");
    o.DisplayMode = 1;
    o.UnlabelledChoice = 1;
    Run({3});
    ASSERT_EQ(State().PrintDone, 1);
    EXPECT_NE(FindAt(GetLangText(1701), 5), nullptr); // the title
    // Seven boxes joined, an empty box as a space.
    EXPECT_EQ(ValueBeside(GetLangText(1739)), "A C    ");
    EXPECT_NE(FindAt(QStringLiteral("A C    "), 35), nullptr);
    // Display mode item 1 runs together with its second list.
    EXPECT_EQ(ValueBeside(GetLangText(1702)), GetLangText(1751) + GetLangText(1797));
    EXPECT_EQ(Find(GetLangText(1706)), nullptr); // Label1(4) is not printed
    EXPECT_NE(Find(GetLangText(1705)), nullptr); // Label1(3) is
    const PrintedText *check = Find(GetLangText(1731));
    ASSERT_NE(check, nullptr);
    EXPECT_NEAR(check->xPercent(), 10, 0.01);
}

TEST_F(PrintSettingsTest, OptionTextLongerThanSevenIsCut)
{
    State().RadioData.SignallingRecord.OptionBlock.PowerOnPassword = FixStr<12>::fromBytes("ABCDEFGHIJKL");
    Run({3});
    EXPECT_EQ(ValueBeside(GetLangText(1739)), "ABCDEFG");
}

TEST_F(PrintSettingsTest, DtmfRowsAndTitleInBothLanguages)
{
    DtmfBlock &d = State().RadioData.SignallingRecord.DtmfBlock;
    d.SideTone = 1;
    SetLanguage(LangChinese);
    Run({4});
    ASSERT_EQ(State().PrintDone, 1);
    EXPECT_NE(FindAt(QStringLiteral("DTMF"), 5), nullptr);
    EXPECT_EQ(ValueBeside(GetLangText(1612)), QString::fromUtf8("开"));
    // All twenty code rows, empty codes too.
    for (int i = 1; i <= 16; ++i)
        EXPECT_NE(FindAt(QStringLiteral("M%1").arg(i), 10), nullptr) << i;
    EXPECT_NE(FindAt(GetOptionText(60093), 10), nullptr);
    EXPECT_EQ(Find(GetLangText(1710)), nullptr); // the current group is not printed
}

TEST_F(PrintSettingsTest, AlarmRowsLeaveOutTheChannelGroupList)
{
    Run({9});
    ASSERT_EQ(State().PrintDone, 1);
    EXPECT_NE(FindAt(GetLangText(2600), 5), nullptr);
    for (int i = 0; i <= 9; ++i) {
        if (i == 7)
            EXPECT_EQ(Find(GetLangText(2602 + i)), nullptr);
        else
            EXPECT_NE(FindAt(GetLangText(2602 + i), 10), nullptr) << i;
    }
    EXPECT_NE(FindAt(GetLangText(2612), 10), nullptr);
    EXPECT_NE(FindAt(GetLangText(2613), 15), nullptr);
    EXPECT_NE(FindAt(QStringLiteral("OFF"), 50), nullptr);
    EXPECT_NE(FindAt(GetLangText(2614), 15), nullptr);
}

TEST_F(PrintSettingsTest, SectionsFollowEachOtherWithRunningPageNumbers)
{
    Run({3, 4, 9});
    ASSERT_EQ(State().PrintDone, 1);
    EXPECT_NE(Find(GetLangText(1701), 1), nullptr);
    EXPECT_NE(Find(QStringLiteral("DTMF"), 2), nullptr);
    EXPECT_NE(Find(GetLangText(2600), 3), nullptr);
    EXPECT_NE(Find(QStringLiteral("- 3 -"), 3), nullptr);
    EXPECT_EQ(PdfPages(), 3);
}

} // namespace
