// The channel section: every used channel in number order, five blocks to a page, each a heading
// and ten rows of labels and values in the dialog's own words.

#include <gtest/gtest.h>

#include "data/app_state.h"
#include "data/channel_record.h"
#include "data/lang_text.h"
#include "print_fixture.h"

namespace {

using printtest::PrintTest;

class PrintChannelsTest : public PrintTest {
protected:
    void SetUp() override
    {
        PrintTest::SetUp();
        State().RadioData.ChannelCount = 0;
    }
    // Appends a used channel with a receive frequency.
    ChannelRecord &Add(int number)
    {
        AppState &st = State();
        ChannelRecord &c = st.ChannelList[std::size_t(st.RadioData.ChannelCount++)];
        c = NewChannelRecord(int16_t(number));
        c.Used = 1;
        c.RxFrequency = FixStr<9>::fromBytes("045000000");
        return c;
    }
    static QString Heading(const QString &channelText) { return GetLangText(1751) + QLatin1Char(' ') + channelText; }
    // The value printed at percent on the row of the block headed by channelText, row n (1..10).
    static QString Cell(const QString &channelText, int row, double percent)
    {
        const PrintedText *h = Find(Heading(channelText));
        if (!h)
            return QStringLiteral("<no block>");
        QList<double> rows;
        for (const PrintedText &t : LastPrintRecord())
            if (t.page == h->page && t.y > h->y && !rows.contains(t.y))
                rows.append(t.y);
        std::sort(rows.begin(), rows.end());
        if (row > rows.size())
            return QStringLiteral("<no row>");
        for (const PrintedText &t : LastPrintRecord())
            if (t.page == h->page && t.y == rows[row - 1] && std::abs(t.xPercent() - percent) < 0.01)
                return t.text;
        return QString();
    }
};

TEST_F(PrintChannelsTest, NoChannelStillPrintsItsPage)
{
    Run({0});
    ASSERT_EQ(State().PrintDone, 1);
    EXPECT_EQ(LastPage(), 1);
    EXPECT_NE(Find(GetLangText(3009), 1), nullptr);
    EXPECT_NE(Find(QStringLiteral("- 1 -"), 1), nullptr);
}

TEST_F(PrintChannelsTest, BlocksInNumberOrderFiveToAPage)
{
    for (int n : {5, 201, 2, 7, 9, 3})
        Add(n);
    Run({0});
    ASSERT_EQ(State().PrintDone, 1);
    EXPECT_EQ(LastPage(), 2);
    EXPECT_EQ(PdfPages(), 2);
    const PrintedText *first = Find(Heading(QStringLiteral("1")));
    const PrintedText *second = Find(Heading(QStringLiteral("2")));
    ASSERT_TRUE(first && second);
    EXPECT_LT(first->y, second->y);
    EXPECT_NEAR(first->xPercent(), 5, 0.01);
    EXPECT_EQ(first->page, 1);
    const PrintedText *special = Find(Heading(QStringLiteral("PL1")));
    ASSERT_NE(special, nullptr);
    EXPECT_EQ(special->page, 2);
    EXPECT_NE(Find(GetLangText(3009), 2), nullptr);
}

TEST_F(PrintChannelsTest, ValuesOfABlock)
{
    ChannelRecord &c = Add(1);
    c.Name = FixStr<6>::fromBytes("CALL1");
    c.DecodeToneType = CtcCtcss;
    c.DecodeCtcssIndex = 60; // beyond the list: the first tone
    c.EncodeToneType = CtcDcs;
    c.EncodeDcsCode = 600;
    c.EncodeDcsInverted = 1;
    c.OptSig = OptSigDtmf;
    c.DtmfMemoryIndex = 15;
    c.TxInhibit = 1;
    ChannelRecord &d = Add(2);
    d.EncodeToneType = CtcDcs;
    d.EncodeDcsCode = 19;
    d.OptSig = OptSig2Tone;
    d.TwoToneIndex = 3;
    Run({0});
    ASSERT_EQ(State().PrintDone, 1);
    EXPECT_EQ(Cell("0", 1, 10), GetLangText(1101));
    EXPECT_EQ(Cell("0", 1, 30), "450.00000 MHz");
    EXPECT_EQ(Cell("0", 2, 30), "CALL1");
    EXPECT_EQ(Cell("0", 4, 30), "62.5");
    EXPECT_EQ(Cell("0", 4, 75), "D000I");
    EXPECT_EQ(Cell("0", 5, 30), "DTMF M16");
    EXPECT_EQ(Cell("0", 8, 30), "ON");
    EXPECT_EQ(Cell("0", 8, 75), "OFF");
    EXPECT_EQ(Cell("1", 4, 30), GetLangText(1206));
    EXPECT_EQ(Cell("1", 4, 75), "D023N");
    EXPECT_EQ(Cell("1", 5, 30), "2tone 3");
}

TEST_F(PrintChannelsTest, ToneIndexesOutsideTheirListsAreRepairedOnBothSides)
{
    struct Case {
        int16_t type, ctcss, dcs, inverted;
        const char *text;
    };
    const Case cases[] = {
        {CtcCtcss, -1, 0, 0, "62.5"},    {CtcCtcss, -300, 0, 0, "62.5"}, {CtcCtcss, 53, 0, 0, "62.5"},
        {CtcCtcss, 50, 0, 0, "254.1"},   {CtcDcs, 0, -1, 0, "D000N"},    {CtcDcs, 0, -512, 1, "D000I"},
        {CtcDcs, 0, 512, 0, "D000N"},    {CtcDcs, 0, 511, 0, "D777N"},
    };
    for (const Case &k : cases) {
        State().RadioData.ChannelCount = 0;
        ChannelRecord &c = Add(1);
        c.DecodeToneType = k.type;
        c.DecodeCtcssIndex = k.ctcss;
        c.DecodeDcsCode = k.dcs;
        c.DecodeDcsInverted = k.inverted;
        Run({0});
        ASSERT_EQ(State().PrintDone, 1);
        EXPECT_EQ(Cell("0", 4, 30), k.text) << k.ctcss << " " << k.dcs;
        EXPECT_EQ(State().ChannelList[0].DecodeCtcssIndex, k.ctcss); // repaired in the block's copy only
    }
}

TEST_F(PrintChannelsTest, OnOffInChinese)
{
    Add(1).ScanSkip = 1;
    SetLanguage(LangChinese);
    Run({0});
    EXPECT_EQ(Cell("0", 10, 30), QString::fromUtf8("开"));
    EXPECT_EQ(Cell("0", 9, 30), QString::fromUtf8("关"));
}

TEST_F(PrintChannelsTest, AllSlotsInUseFillFortyTwoPages)
{
    for (int n = 1; n <= kChannelSlots; ++n)
        Add(n);
    Run({0});
    ASSERT_EQ(State().PrintDone, 1);
    EXPECT_EQ(LastPage(), 42);
    const PrintedText *vfo2 = Find(Heading(QStringLiteral("VFO2")));
    ASSERT_NE(vfo2, nullptr);
    EXPECT_EQ(vfo2->page, 42);
}

} // namespace
