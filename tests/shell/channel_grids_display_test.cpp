#include <QHeaderView>
#include <functional>

#include "data/lang_text.h"
#include "grids_fixture.h"

namespace gridtest {
namespace {

using DisplayTest = GridsTest;

TEST_F(DisplayTest, CaptionNamesModelBandPlanAndFile)
{
    EXPECT_EQ(window->windowTitle(), S("TORVA_6Y[TORVA-6Y:UHF(400 - 480 MHz) VHF(136 - 174 MHz)][File:new.dat]"));
    State().CurFileName = S("/home/user/radios/site A.dat");
    State().CurBandPlanText = S("UHF(446 - 447 MHz) VHF(136 - 174 MHz)");
    grids->ReShowListByData();
    EXPECT_EQ(window->windowTitle(),
              S("TORVA_6Y[TORVA-6Y:UHF(446 - 447 MHz) VHF(136 - 174 MHz)][File:/home/user/radios/site A.dat]"));
}

TEST_F(DisplayTest, RowLabelsAndTheEditColumn)
{
    const struct {
        int row;
        const char *label;
    } labels[] = {{1, "0"}, {2, "1"}, {100, "99"}, {200, "199"}, {201, "PL1"}, {202, "PU1"},
                  {203, "PL2"}, {204, "PU2"}, {205, "VFO1"}, {206, "VFO2"}};
    for (const auto &l : labels) {
        EXPECT_EQ(G()->TextMatrix(l.row, 0), S(l.label)) << l.row;
        EXPECT_EQ(G()->TextMatrix(l.row, 11), S(">>")) << l.row;
        EXPECT_EQ(G()->TextMatrix(l.row, 12), QString()) << l.row;
    }
    EXPECT_EQ(G(2)->TextMatrix(1, 0), S("0"));
    EXPECT_EQ(G(2)->TextMatrix(100, 0), S("99"));
    EXPECT_EQ(G(2)->TextMatrix(101, 0), S("VFO"));
    EXPECT_EQ(G(0)->Rows(), 207);
    EXPECT_EQ(G(0)->Cols(), 13);
    EXPECT_EQ(G(1)->Rows(), 130);
    EXPECT_EQ(G(1)->Cols(), 3);
    EXPECT_EQ(G(2)->Rows(), 102);
    EXPECT_EQ(G(2)->Cols(), 2);
}

TEST_F(DisplayTest, DefaultDataSetRows)
{
    EXPECT_EQ(RowTexts(1), QStringList({S("440.00000"), S("440.00000"), S(""), S("2.5K"), S("25K"), S("And"),
                                        S("High"), S("Off"), S("Off"), S("Off")}));
    EXPECT_EQ(RowTexts(2).mid(0, 2), QStringList({S("155.00000"), S("155.00000")}));
    EXPECT_EQ(RowTexts(205).at(0), S("440.00000"));
    EXPECT_EQ(RowTexts(3), QStringList(10, QString()));
    // FM: entries 0 and 100 used at 108 MHz, the rest empty.
    EXPECT_EQ(G(2)->TextMatrix(1, 1), S("108.0000"));
    EXPECT_EQ(G(2)->TextMatrix(101, 1), S("108.0000"));
    for (int r = 2; r <= 100; ++r)
        EXPECT_EQ(G(2)->TextMatrix(r, 1), QString()) << r;
}

TEST_F(DisplayTest, HeadersInBothLanguages)
{
    const QStringList english{S("CH"),        S("RX Freq"),  S("TX Freq"),          S("Name"),
                              S("Step"),      S("Bandwidth"), S("Relation"),        S("Power"),
                              S("CTC/DCS\r\nDecode"), S("CTC/DCS\r\nEncode"), S("Opt Signal"), S("Edit")};
    for (int c = 0; c < 12; ++c)
        EXPECT_EQ(G()->TextMatrix(0, c), english[c]) << c;
    EXPECT_EQ(G()->TextMatrix(0, 12), QString());
    EXPECT_EQ(G(2)->TextMatrix(0, 0), S("ID"));
    EXPECT_EQ(G(2)->TextMatrix(0, 1), S("RX Freq"));
    EXPECT_EQ(List("ComboCTCSS")->List(51), S("Custom"));

    // A language change rebuilds headers, lists and rows; the custom-tone item keeps the first
    // language's text.
    SetLanguage(LangChinese);
    grids->ShowListByData();
    EXPECT_EQ(G()->TextMatrix(0, 1), S("接收频率"));
    EXPECT_EQ(G()->TextMatrix(0, 8), S("亚音\r\n解码"));
    EXPECT_EQ(G()->TextMatrix(0, 9), S("亚音\r\n编码"));
    EXPECT_EQ(G(2)->TextMatrix(0, 0), S("ID"));
    EXPECT_EQ(G(2)->TextMatrix(0, 1), S("接收频率"));
    EXPECT_EQ(G()->TextMatrix(1, 7), S("高"));
    EXPECT_EQ(G()->TextMatrix(1, 8), S("关"));
    EXPECT_EQ(Combo("ComboPower")->List(1), S("低"));
    EXPECT_EQ(Combo("ComboDe_CTC_Type")->List(0), S("关"));
    for (const char *name : {"ComboCTCSS"}) {
        EXPECT_EQ(List(name)->ListCount(), 52);
        EXPECT_EQ(List(name)->List(51), S("Custom"));
    }
    for (const char *name : {"ComboDe_CTCSS", "ComboEn_CTCSS"}) {
        EXPECT_EQ(Combo(name)->ListCount(), 52);
        EXPECT_EQ(Combo(name)->List(51), S("Custom"));
    }
}

TEST_F(DisplayTest, EditorListsAndHiddenLists)
{
    EXPECT_EQ(Combo("ComboStep")->ListCount(), 9);
    EXPECT_EQ(Combo("ComboStep")->List(2), S("6.25K"));
    EXPECT_EQ(Combo("ComboStep")->List(8), S("50K"));
    EXPECT_EQ(Combo("ComboWN")->List(1), S("12.5KHz"));
    EXPECT_EQ(Combo("ComboPower")->List(0), S("High"));
    EXPECT_EQ(Combo("ComboEn_CTC_Type")->List(2), S("DCS"));
    EXPECT_EQ(Combo("ComboOptSig")->List(0), S("Off"));
    EXPECT_EQ(Combo("ComboOptSig")->List(1), S("DTMF"));
    for (const char *name : {"ComboDe_CDCSS", "ComboEn_CDCSS"}) {
        GridCombo *dcs = Combo(name);
        ASSERT_EQ(dcs->ListCount(), 1024);
        EXPECT_EQ(dcs->List(0), S("D000N"));
        EXPECT_EQ(dcs->List(19), S("D023N"));
        EXPECT_EQ(dcs->List(511), S("D777N"));
        EXPECT_EQ(dcs->List(512), S("D000I"));
        EXPECT_EQ(dcs->List(531), S("D023I"));
    }
    EXPECT_EQ(List("ComboDCS")->ListCount(), 512);
    EXPECT_EQ(List("ComboDCS")->List(8), S("010N"));
    EXPECT_EQ(List("ComboDTMF")->List(7), S("CP"));
    EXPECT_EQ(List("ComboCTCSS")->List(0), S("62.5"));
    EXPECT_EQ(List("ComboCTCSS")->List(50), S("254.1"));
    // The custom item is added only once, however often the lists are loaded.
    grids->LoadShowList();
    EXPECT_EQ(List("ComboCTCSS")->ListCount(), 52);
    for (const char *name : {"Combo1", "ComboCTCSS", "ComboDCS", "ComboDTMF", "Text1", "Text2", "TextFreRx",
                             "ComboStep", "ComboDe_CDCSS"})
        EXPECT_TRUE(window->findChild<QWidget *>(S(name))->isHidden()) << name;
}

TEST_F(DisplayTest, ColoursOfHeadersLabelsAndEvenRows)
{
    const QColor header(0, 0, 155), label(0, 0, 255), even(250, 250, 240);
    for (int g : {0, 1, 2}) {
        FlexGrid *grid = G(g);
        for (int c = 0; c < grid->Cols(); ++c)
            EXPECT_EQ(grid->CellForeColorAt(0, c), header) << g << "," << c;
        for (int r = 1; r < grid->Rows(); ++r) {
            EXPECT_EQ(grid->CellForeColorAt(r, 0), label) << g << "," << r;
            EXPECT_FALSE(grid->CellBackColorAt(r, 0).isValid()) << g << "," << r;
            for (int c = 1; c < grid->Cols(); ++c)
                EXPECT_EQ(grid->CellBackColorAt(r, c), r % 2 == 0 ? even : QColor()) << g << "," << r << "," << c;
        }
    }
    // Redrawing texts keeps the colours; the current cell ends on the last cell coloured.
    grids->ReShowListByData();
    EXPECT_EQ(G()->CellBackColorAt(2, 5), even);
    EXPECT_EQ(G()->Row(), 206);
    EXPECT_EQ(G()->Col(), 12);
    EXPECT_EQ(G(2)->Row(), 100);
    EXPECT_EQ(G(2)->Col(), 1);
}

TEST_F(DisplayTest, LayoutWidthsAndAlignment)
{
    // Set widths in twips, to the pixel.
    for (const auto &[c, width] : {std::pair{0, 600}, {5, 1500}, {6, 0}, {7, 1200}, {8, 1400}, {9, 1400}})
        EXPECT_EQ(G()->ColWidth(c), PxToTwips(TwipsToPx(width))) << c;
    // The others are as wide as their widest text and their header, so none is cut.
    const QFontMetrics cells = G()->fontMetrics();
    const QFontMetrics headers = G()->horizontalHeader()->fontMetrics();
    for (const auto &[c, widest] : {std::pair{1, "145.50000"}, {2, "145.50000"}, {3, "WWWWWW"}, {4, "6.25K"},
                                    {10, "DTMF M16"}, {11, ">>"}}) {
        const int px = TwipsToPx(G()->ColWidth(c));
        EXPECT_GT(px, cells.horizontalAdvance(S(widest))) << c;
        EXPECT_GT(px, headers.horizontalAdvance(G()->TextMatrix(0, c))) << c;
    }
    // The relation column and the empty filler column are never seen, so no move reaches them.
    for (int c = 0; c < 13; ++c)
        EXPECT_EQ(G()->isColumnHidden(c), c == 0 || c == 6 || c == 12) << c;
    EXPECT_EQ(G()->RowHeight(0), 495); // 500 twips, to the pixel
    EXPECT_EQ(G(2)->ColWidth(0), 600);
    EXPECT_EQ(G(1)->ColWidth(0), 600);
    for (int c = 0; c < 13; ++c)
        EXPECT_EQ(G()->ColAlignment(c), flexAlignCenterCenter);
}

// One channel with a field changed, and what its row shows.
struct CellCase {
    const char *what;
    std::function<void(ChannelRecord &)> change;
    int column;
    const char *shown;
};

TEST_F(DisplayTest, EveryColumnRule)
{
    const CellCase cases[] = {
        {"receive", [](ChannelRecord &c) { c.RxFrequency.assign("014550000"); }, 1, "145.50000"},
        {"no receive frequency", [](ChannelRecord &c) { c.RxFrequency.assign("FFFFFFFFF"); }, 1, ""},
        {"offset below",
         [](ChannelRecord &c) {
             c.RxFrequency.assign("014550000");
             c.TxOffset.assign("000500000");
             c.OffsetDir = OffsetMinus;
         },
         2, "140.50000"},
        {"offset above",
         [](ChannelRecord &c) {
             c.RxFrequency.assign("014550000");
             c.TxOffset.assign("000500000");
             c.OffsetDir = OffsetPlus;
         },
         2, "150.50000"},
        {"no offset direction",
         [](ChannelRecord &c) {
             c.RxFrequency.assign("014550000");
             c.TxOffset.assign("000500000");
             c.OffsetDir = OffsetNone;
         },
         2, "145.50000"},
        {"unknown offset direction",
         [](ChannelRecord &c) {
             c.RxFrequency.assign("014550000");
             c.TxOffset.assign("000500000");
             c.OffsetDir = 7;
         },
         2, "145.50000"},
        {"below 1 MHz",
         [](ChannelRecord &c) {
             c.RxFrequency.assign("000100000");
             c.TxOffset.assign("000050000");
             c.OffsetDir = OffsetMinus;
         },
         2, ".50000"},
        {"negative",
         [](ChannelRecord &c) {
             c.RxFrequency.assign("000100000");
             c.TxOffset.assign("000200000");
             c.OffsetDir = OffsetMinus;
         },
         2, "-1.00000"},
        {"offset without receive frequency",
         [](ChannelRecord &c) {
             c.RxFrequency.assign("FFFFFFFFF");
             c.TxOffset.assign("000500000");
             c.OffsetDir = OffsetPlus;
         },
         2, ""},
        {"name cut at NUL", [](ChannelRecord &c) { c.Name.assign(QByteArray("AB\0CD ", 6)); }, 3, "AB"},
        {"name with spaces", [](ChannelRecord &c) { c.Name.assign(" A B  "); }, 3, " A B"},
        {"name bytes", [](ChannelRecord &c) { c.Name.assign("\xe9t\xe9"); }, 3, "\xc3\xa9t\xc3\xa9"},
        {"step", [](ChannelRecord &c) { c.StepIndex = 4; }, 4, "12.5K"},
        {"step 8", [](ChannelRecord &c) { c.StepIndex = 8; }, 4, "50K"},
        {"step out of range", [](ChannelRecord &c) { c.StepIndex = 9; }, 4, ""},
        {"bandwidth 0", [](ChannelRecord &c) { c.Bandwidth = 0; }, 5, "25K"},
        {"bandwidth 1", [](ChannelRecord &c) { c.Bandwidth = 1; }, 5, "12.5K"},
        {"bandwidth 7", [](ChannelRecord &c) { c.Bandwidth = 7; }, 5, "12.5K"},
        {"relation 1", [](ChannelRecord &c) { c.SignalRelation = 1; }, 6, "Or"},
        {"relation 5", [](ChannelRecord &c) { c.SignalRelation = 5; }, 6, "And"},
        {"power 1", [](ChannelRecord &c) { c.Power = 1; }, 7, "Low"},
        {"power 2", [](ChannelRecord &c) { c.Power = 2; }, 7, "High"},
        {"decode DCS",
         [](ChannelRecord &c) {
             c.DecodeToneType = CtcDcs;
             c.DecodeDcsCode = 19;
         },
         8, "D023N"},
        {"decode DCS inverted",
         [](ChannelRecord &c) {
             c.DecodeToneType = CtcDcs;
             c.DecodeDcsCode = 19;
             c.DecodeDcsInverted = 1;
         },
         8, "D023I"},
        {"decode DCS inverted 3",
         [](ChannelRecord &c) {
             c.DecodeToneType = CtcDcs;
             c.DecodeDcsCode = 511;
             c.DecodeDcsInverted = 3;
         },
         8, "D777I"},
        {"decode DCS out of range",
         [](ChannelRecord &c) {
             c.DecodeToneType = CtcDcs;
             c.DecodeDcsCode = 600;
         },
         8, "D000N"},
        {"decode CTCSS",
         [](ChannelRecord &c) {
             c.DecodeToneType = CtcCtcss;
             c.DecodeCtcssIndex = 20;
         },
         8, "127.3"},
        {"decode custom tone",
         [](ChannelRecord &c) {
             c.DecodeToneType = CtcCtcss;
             c.DecodeCtcssIndex = 51;
             c.CustomCtcss = 885;
         },
         8, "Custom"},
        {"decode CTCSS 52",
         [](ChannelRecord &c) {
             c.DecodeToneType = CtcCtcss;
             c.DecodeCtcssIndex = 52;
         },
         8, ""},
        {"decode CTCSS 60",
         [](ChannelRecord &c) {
             c.DecodeToneType = CtcCtcss;
             c.DecodeCtcssIndex = 60;
         },
         8, "62.5"},
        {"decode type 3", [](ChannelRecord &c) { c.DecodeToneType = 3; }, 8, "Off"},
        {"encode DCS",
         [](ChannelRecord &c) {
             c.EncodeToneType = CtcDcs;
             c.EncodeDcsCode = 8;
             c.EncodeDcsInverted = 1;
         },
         9, "D010I"},
        {"encode CTCSS",
         [](ChannelRecord &c) {
             c.EncodeToneType = CtcCtcss;
             c.EncodeCtcssIndex = 50;
         },
         9, "254.1"},
        {"encode off, decode set",
         [](ChannelRecord &c) {
             c.DecodeToneType = CtcCtcss;
             c.EncodeToneType = CtcOff;
         },
         9, "Off"},
        {"DTMF",
         [](ChannelRecord &c) {
             c.OptSig = OptSigDtmf;
             c.DtmfMemoryIndex = 15;
         },
         10, "DTMF M16"},
        {"DTMF M1", [](ChannelRecord &c) { c.OptSig = OptSigDtmf; }, 10, "DTMF M1"},
        {"2-tone", [](ChannelRecord &c) { c.OptSig = OptSig2Tone; }, 10, "Off"},
        {"5-tone", [](ChannelRecord &c) { c.OptSig = OptSig5Tone; }, 10, "Off"},
    };
    for (const CellCase &k : cases) {
        ChannelRecord c = DefaultChannel(1, "044000000");
        k.change(c);
        const ChannelRecord before = c;
        State().ChannelList[0] = c;
        grids->ReShowListByData();
        EXPECT_EQ(G()->TextMatrix(1, k.column), S(k.shown)) << k.what;
        // Drawing never changes the record.
        EXPECT_EQ(State().ChannelList[0], before) << k.what;
    }
}

TEST_F(DisplayTest, NegativePowerLeavesTheCellAsItWas)
{
    State().ChannelList[0].Power = 1;
    grids->ReShowListByData();
    EXPECT_EQ(G()->TextMatrix(1, 7), S("Low"));
    State().ChannelList[0].Power = -1;
    grids->ReShowListByData();
    EXPECT_EQ(G()->TextMatrix(1, 7), S("Low"));
}

TEST_F(DisplayTest, ARowShowsItsChannelWhicheverSlotHoldsIt)
{
    AppState &s = State();
    s.RadioData.ChannelCount = 0;
    AddChannel(DefaultChannel(205, "014600000"));
    AddChannel(DefaultChannel(50, "043812500"));
    grids->ReShowListByData();
    EXPECT_EQ(G()->TextMatrix(205, 1), S("146.00000"));
    EXPECT_EQ(G()->TextMatrix(205, 0), S("VFO1"));
    EXPECT_EQ(G()->TextMatrix(50, 1), S("438.12500"));
    // Rows whose channels went are emptied; labels and ">>" stay.
    EXPECT_EQ(RowTexts(1), QStringList(10, QString()));
    EXPECT_EQ(RowTexts(206), QStringList(10, QString()));
    EXPECT_EQ(G()->TextMatrix(1, 0), S("0"));
    EXPECT_EQ(G()->TextMatrix(1, 11), S(">>"));
}

TEST_F(DisplayTest, EmptyTableEmptiesEveryRowAndSetsTheCaption)
{
    window->setWindowTitle(QString());
    State().RadioData.ChannelCount = 0;
    grids->ReShowListByData();
    EXPECT_FALSE(window->windowTitle().isEmpty());
    for (int r = 1; r <= 206; ++r) {
        EXPECT_EQ(RowTexts(r), QStringList(10, QString())) << r;
        EXPECT_EQ(G()->TextMatrix(r, 11), S(">>"));
    }
}

TEST_F(DisplayTest, ReShowGridDrawsOneRowOnly)
{
    AppState &s = State();
    s.ChannelList[0].RxFrequency.assign("043000000");
    s.ChannelList[1].RxFrequency.assign("014000000");
    window->setWindowTitle(S("unchanged"));
    grids->ReShowGrid(0, 1, 5);
    EXPECT_EQ(G()->TextMatrix(1, 1), S("430.00000"));
    EXPECT_EQ(G()->TextMatrix(2, 1), S("155.00000")); // not redrawn
    EXPECT_EQ(window->windowTitle(), S("unchanged"));

    // A deleted channel's row is emptied; label and ">>" stay.
    s.ChannelList[0] = s.ChannelList[7];
    s.RadioData.ChannelCount = 7;
    grids->ReShowGrid(0, 1, 0);
    EXPECT_EQ(RowTexts(1), QStringList(10, QString()));
    EXPECT_EQ(G()->TextMatrix(1, 0), S("0"));
    EXPECT_EQ(G()->TextMatrix(1, 11), S(">>"));

    // Grid 1 and rows outside the grid do nothing.
    grids->ReShowGrid(1, 2, 0);
    grids->ReShowGrid(0, 0, 0);
    grids->ReShowGrid(0, 207, 0);
    EXPECT_EQ(G()->TextMatrix(2, 1), S("155.00000"));
    EXPECT_EQ(G()->TextMatrix(0, 1), S("RX Freq"));
}

TEST_F(DisplayTest, StoredFrequencyThatIsNotANumberShowsTheFallbackAfterItsMessage)
{
    State().ChannelList[0].RxFrequency.assign("01X550000");
    grids->ReShowListByData();
    EXPECT_EQ(G()->TextMatrix(1, 1), S("400"));
    ASSERT_GE(script->messages().size(), 1);
    EXPECT_EQ(script->messages().at(0).text, S("Not IsNumeric"));
}

TEST_F(DisplayTest, FmRowsFollowTheTable)
{
    FmChannelTable &t = State().RadioData.FmChannelTable;
    t[5].Used = 1;
    t[5].Frequency.assign("00881500");
    t[6].Used = 0;
    t[6].Frequency.assign("01000000"); // digits, but not in use
    t[100].Frequency.assign("01079500");
    grids->ReShowRadioListByData();
    EXPECT_EQ(G(2)->TextMatrix(6, 1), S("88.1500"));
    EXPECT_EQ(G(2)->TextMatrix(7, 1), QString());
    EXPECT_EQ(G(2)->TextMatrix(101, 1), S("107.9500"));
    EXPECT_EQ(G(2)->TextMatrix(101, 0), S("VFO"));

    // One row; while the editor is open it shows the redrawn text too.
    t[5].Frequency.assign("00900000");
    grids->ReShowGrid(2, 6, 0);
    EXPECT_EQ(G(2)->TextMatrix(6, 1), S("90.0000"));
    EXPECT_TRUE(Text("Text2")->isHidden());
    EXPECT_EQ(Text("Text2")->text(), QString());
    Text("Text2")->show();
    t[5].Frequency.assign("00950000");
    grids->ReShowGrid(2, 6, 0);
    EXPECT_EQ(Text("Text2")->text(), S("95.0000"));
    grids->ReShowGrid(2, 102, 0); // outside: nothing
}

} // namespace
} // namespace gridtest
