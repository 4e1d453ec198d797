// The channel section: every used channel in number order, five blocks to a page, each a heading
// and ten rows of labels and values in the dialog's own words.

#include <gtest/gtest.h>

#include "data/app_state.h"
#include "data/channel_record.h"
#include "data/lang_text.h"
#include "editors/channel/frm_ch_edit.h"
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

TEST_F(PrintChannelsTest, EveryRowInItsOrderInTheDialogsWords)
{
    ChannelRecord &c = Add(1);
    c.OffsetDir = OffsetPlus;
    c.TxOffset = FixStr<9>::fromBytes("000500000");
    c.StepIndex = 2;
    c.Bandwidth = 1;
    c.Power = 1;
    c.DtmfPttId = 1;
    c.FiveTonePttId = 2;
    c.BusyLock = 2;
    c.Scrambler = 1;
    c.Compander = 1;
    c.Talkaround = 1;
    c.SquelchMode = 9; // beyond the list: an empty text
    Run({0});
    ASSERT_EQ(State().PrintDone, 1);
    FrmCHEdit edit; // the captions and lists the section reads
    const auto label = [&edit](const char *name, int i = -1) { return CaptionOf(&edit, QString::fromLatin1(name), i); };
    const auto item = [&edit](const char *name, int i, int n) { return ListItemOf(&edit, QString::fromLatin1(name), i, n); };
    // Row 1 ends with the offset's direction and the offset itself: the record stores the offset.
    const QString rows[10][4] = {
        {GetLangText(1101), "450.00000 MHz", GetLangText(1102), item("Combo2", -1, OffsetPlus) + " 5.00000 MHz"},
        {label("Label1", 2), "", GetLangText(1104), item("Combo1", 0, 2)},
        {GetLangText(1106), item("Combo1", 1, 1), GetLangText(1109), item("Combo1", 2, 1)},
        {label("Label2", 5), GetLangText(1206), label("Label2", 10), GetLangText(1206)},
        {label("Label2", 4), GetLangText(1206), label("Label2", 9), ""},
        {label("Label2", 7), item("Combo1", 7, 1), label("Label2", 8), item("Combo1", 8, 2)},
        {label("Label2", 13), item("Combo1", 13, 2), label("Label2", 6), item("Combo1", 6, 1)},
        {label("Check1"), "OFF", label("Check5"), "ON"},
        {label("Check4", 0), "OFF", label("Check4", 1), "ON"},
        {label("Check6"), "OFF", "", ""},
    };
    const double columns[4] = {10, 30, 55, 75};
    for (int r = 0; r < 10; ++r)
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(Cell("0", r + 1, columns[k]), rows[r][k]) << "row " << r + 1 << " at " << columns[k] << " %";
    EXPECT_FALSE(item("Combo1", 13, 2).isEmpty());
    EXPECT_FALSE(item("Combo1", 6, 1).isEmpty());
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
        {CtcDcs, 0, 512, 0, "D000N"},    {CtcDcs, 0, 511, 0, "D777N"},    {CtcCtcss, 52, 0, 0, ""},
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
    // Index 51 is the custom tone's item of the tone list.
    State().RadioData.ChannelCount = 0;
    ChannelRecord &c = Add(1);
    c.DecodeToneType = CtcCtcss;
    c.DecodeCtcssIndex = 51;
    Run({0});
    EXPECT_EQ(Cell("0", 4, 30), GetLangText(4031));
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
