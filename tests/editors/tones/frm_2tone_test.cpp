#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "common/captions.h"
#include "common/test_env.h"
#include "common/ui_steps.h"
#include "data/app_state.h"
#include "data/channel_record.h"
#include "data/defaults.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/radio_data.h"
#include "editors/tones/frm_2tone.h"
#include "platform/flex_grid.h"
#include "platform/form_kit.h"

namespace {

// Where the 2-tone block lies in the data file: the general settings, then 32 entries of 17 bytes.
constexpr int kGeneralAt = 529;
constexpr int kGeneralSize = 24;
constexpr int kEntrySize = 17;

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

QByteArray GeneralBytes() { return EncodeRadioDataFile(State().RadioData).mid(kGeneralAt, kGeneralSize); }
QByteArray EntryBytes(int entry) // 1..32
{
    return EncodeRadioDataFile(State().RadioData).mid(kGeneralAt + kGeneralSize + (entry - 1) * kEntrySize, kEntrySize);
}

class Frm2ToneTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        InitDataBlocks();
    }
    TwoToneGeneral &General() { return State().RadioData.SignallingRecord.TwoToneBlock.General; }
    TwoToneEntry &Entry(int n) { return State().RadioData.SignallingRecord.TwoToneBlock.Entries[std::size_t(n - 1)]; }

    static TextBox *Box(Frm2Tone &w, const char *name, int index = -1)
    {
        return index < 0 ? w.findChild<TextBox *>(QString::fromLatin1(name))
                         : FindArrayElement<TextBox>(&w, QString::fromLatin1(name), index);
    }
    static ComboBox *Combo(Frm2Tone &w, const char *name, int index)
    {
        return FindArrayElement<ComboBox>(&w, QString::fromLatin1(name), index);
    }
    static FlexGrid *Grid(Frm2Tone &w) { return w.findChild<FlexGrid *>(QStringLiteral("MSHFlexGrid1")); }
    static void Ok(Frm2Tone &w) { w.findChild<QPushButton *>(QStringLiteral("CommandOK"))->click(); }
    // Focuses a tone box, types, and leaves it, as a user would.
    static void TypeAndLeave(Frm2Tone &w, TextBox *box, const QString &text)
    {
        emit box->GotFocus();
        box->selectAll();
        box->EnterText(text);
        emit box->LostFocus();
        (void)w;
    }
    static void EnterCell(Frm2Tone &w, int row, int col)
    {
        Grid(w)->setRow(row);
        Grid(w)->setCol(col);
    }
    static void PressEnter(QWidget *box)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QCoreApplication::sendEvent(box, &press);
    }
};

// OK on the default data set rewrites the same bytes, but for the second decode divisor: the
// default carries 5172, near 9,600,000 / (2 x 928.1), and OK stores the whole part, 5171.
TEST_F(Frm2ToneTest, DefaultDataSurviveOkButForTheTruncatedDecodeDivisor)
{
    QByteArray expected = EncodeRadioDataFile(State().RadioData);
    ASSERT_EQ(expected.mid(kGeneralAt + 7, 2), Bytes({0x14, 0x34}));
    expected[kGeneralAt + 8] = char(0x33);
    Frm2Tone w;
    Ok(w);
    EXPECT_EQ(EncodeRadioDataFile(State().RadioData), expected);
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(Frm2ToneTest, ListsAndShowOfTheStoredValues)
{
    General().Time3 = 200;   // out of range: "1.0"
    General().Interval = 25; // out of range: "1000"
    General().SideTone = 7;
    General().ToneC = 200;   // high byte 0: the default tone
    General().DecodeFormat = 20;
    Frm2Tone w;
    EXPECT_EQ(Combo(w, "Combo1", 0)->ListCount(), 96);
    EXPECT_EQ(Combo(w, "Combo1", 0)->List(0), "0.5");
    EXPECT_EQ(Combo(w, "Combo1", 0)->List(95), "10.0");
    EXPECT_EQ(Combo(w, "Combo1", 3)->ListCount(), 21);
    EXPECT_EQ(Combo(w, "Combo1", 3)->List(20), "2000");
    EXPECT_EQ(Combo(w, "Combo1", 4)->ListCount(), 251);
    EXPECT_EQ(Combo(w, "Combo1", 4)->List(250), "25.0");
    EXPECT_EQ(Combo(w, "Combo2", 0)->ListCount(), 15);
    EXPECT_EQ(Combo(w, "Combo2", 0)->List(14), "Long C");

    EXPECT_EQ(Combo(w, "Combo1", 2)->Text(), "1.0");
    EXPECT_EQ(Combo(w, "Combo1", 3)->Text(), "1000");
    EXPECT_EQ(CheckValue(w.findChild<QCheckBox *>(QStringLiteral("Check1"))), 0);
    EXPECT_EQ(Box(w, "Text2", 2)->text(), "626.5");
    EXPECT_EQ(Combo(w, "Combo2", 0)->Text(), "A-B");
    for (int j = 0; j < 4; ++j)
        EXPECT_FALSE(Box(w, "Text2", j)->isEnabled()) << j;
    // The repairs stay in the edit copy; the data change only with OK.
    EXPECT_EQ(General().ToneC, 200);
    EXPECT_EQ(General().SideTone, 7);

    Ok(w);
    EXPECT_EQ(General().Time3, 10);
    EXPECT_EQ(General().Interval, 10);
    EXPECT_EQ(General().SideTone, 0);
    EXPECT_EQ(General().ToneC, 6265);
    EXPECT_EQ(General().DecodeFormat, 0);
}

TEST_F(Frm2ToneTest, DecodeFormatEnablesItsBoxes)
{
    Frm2Tone w;
    const struct {
        int format;
        std::array<bool, 4> enabled;
    } cases[] = {{10, {false, true, false, true}}, {14, {false, false, true, false}}, {0, {true, true, false, false}}};
    for (const auto &c : cases) {
        Combo(w, "Combo2", 0)->setListIndex(c.format);
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(Box(w, "Text2", j)->isEnabled(), c.enabled[std::size_t(j)]) << c.format << " box " << j;
    }
}

TEST_F(Frm2ToneTest, ToneBoxClampsWhenLeft)
{
    Frm2Tone w;
    TextBox *a = Box(w, "Text2", 0);
    const std::pair<const char *, const char *> cases[] = {{"3500", "3116"}, {"100", "288"}, {"", "288"},
                                                           {"321.70", "321.7"}, {"3116", "3116"}};
    for (const auto &[typed, shown] : cases) {
        TypeAndLeave(w, a, QString::fromLatin1(typed));
        EXPECT_EQ(a->text(), shown) << typed;
    }
    // Only digits and the point get in, typed or pasted.
    a->selectAll();
    a->EnterText(QStringLiteral("1a2-3.4"));
    EXPECT_EQ(a->text(), "123.4");
}

TEST_F(Frm2ToneTest, CAFormatStoresDecodeTonesHighByteFirstAndTonesLowByteFirst)
{
    Frm2Tone w;
    Combo(w, "Combo2", 0)->setText(QStringLiteral("C-A"));
    Box(w, "Text2", 2)->setText(QStringLiteral("626.5"));
    Box(w, "Text2", 0)->setText(QStringLiteral("321.7"));
    Box(w, "Text2", 1)->setText(QStringLiteral("321.75"));
    Box(w, "Text2", 3)->setText(QStringLiteral("321.25"));
    Combo(w, "Combo1", 0)->setText(QStringLiteral("0.7"));
    Combo(w, "Combo1", 4)->setText(QStringLiteral("2.5"));
    Ok(w);
    EXPECT_EQ(General().DecodeTone1, 6265);
    EXPECT_EQ(General().DecodeDivisor1, 7661);
    EXPECT_EQ(General().DecodeTone2, 3217);
    EXPECT_EQ(General().DecodeDivisor2, 14920);
    EXPECT_EQ(General().ToneB, 3218); // halves to even
    EXPECT_EQ(General().ToneD, 3212);
    EXPECT_EQ(GeneralBytes(), Bytes({0x18, 0x79, 0x0C, 0x91, 6, 0x1D, 0xED, 0x3A, 0x48, 25, 0, 0,
                                     0x91, 0x0C, 0x92, 0x0C, 0x79, 0x18, 0x8C, 0x0C, 7, 5, 10, 0}));
}

TEST_F(Frm2ToneTest, LongFormatHasNoSecondTone)
{
    Frm2Tone w;
    Combo(w, "Combo2", 0)->setText(QStringLiteral("Long B"));
    Box(w, "Text2", 1)->setText(QStringLiteral("928.1"));
    Box(w, "Text2", 0)->setText(QStringLiteral("281.5")); // never focused: kept down to 280 at OK
    Box(w, "Text2", 2)->setText(QStringLiteral("1.2.3")); // not a number: 2000 at OK
    Box(w, "Text2", 3)->setText(QStringLiteral("9999"));
    Ok(w);
    EXPECT_EQ(General().DecodeTone1, 9281);
    EXPECT_EQ(General().DecodeDivisor1, 5171);
    EXPECT_EQ(General().DecodeTone2, 0);
    EXPECT_EQ(General().DecodeDivisor2, 0);
    EXPECT_EQ(General().ToneA, 2815);
    EXPECT_EQ(General().ToneC, 20000);
    EXPECT_EQ(General().ToneD, 31160);
    EXPECT_EQ(GeneralBytes().left(9), Bytes({0x24, 0x41, 0, 0, 13, 0x14, 0x33, 0, 0}));
}

TEST_F(Frm2ToneTest, CancelChangesNothing)
{
    const RadioDataRecord before = State().RadioData;
    {
        Frm2Tone w;
        Box(w, "Text2", 0)->setText(QStringLiteral("1000"));
        EnterCell(w, 3, 1);
        Box(w, "Text1")->setText(QStringLiteral("500"));
        EnterCell(w, 4, 1);
        w.findChild<QPushButton *>(QStringLiteral("CommandCancel"))->click();
        EXPECT_EQ(w.result(), QDialog::Rejected);
    }
    EXPECT_TRUE(State().RadioData == before);
    Frm2Tone again;
    EXPECT_EQ(Grid(again)->TextMatrix(3, 1), "");
}

TEST_F(Frm2ToneTest, GridShowsEntriesByTheirDivisors)
{
    Entry(2) = {0, 600, 0, 250, 0, FixStr<7>::fromBytes("NAME")}; // in use, 25.0 Hz, no tone B
    Entry(3) = {0, 0, 0, 3217, 0, FixStr<7>::fromBytes("HIDDEN")}; // in use but no divisor
    Frm2Tone w;
    FlexGrid *g = Grid(w);
    EXPECT_EQ(g->Rows(), 33);
    EXPECT_EQ(g->Cols(), 4);
    EXPECT_EQ(g->TextMatrix(32, 0), "31");
    EXPECT_EQ(g->ColWidth(1), PxToTwips(TwipsToPx(1378)));
    EXPECT_EQ(g->TextMatrix(1, 1), "321.7");
    EXPECT_EQ(g->TextMatrix(1, 2), "928.1");
    EXPECT_EQ(g->TextMatrix(2, 1), "25.0");
    EXPECT_EQ(g->TextMatrix(2, 2), "");
    EXPECT_EQ(g->TextMatrix(2, 3), "NAME");
    EXPECT_EQ(g->TextMatrix(3, 3), "");
    EXPECT_TRUE(Box(w, "Text1")->isHidden());
    EXPECT_TRUE(Box(w, "Text3")->isHidden());

    // Entering and leaving the 25.0 Hz cell without typing stores the lowest tone.
    EnterCell(w, 2, 1);
    EXPECT_FALSE(Box(w, "Text1")->isHidden());
    EnterCell(w, 5, 1);
    EXPECT_EQ(g->TextMatrix(2, 1), "288.0");
    Ok(w);
    EXPECT_EQ(Entry(2).Tone1, 2880);
    EXPECT_EQ(Entry(2).Divisor1, 2083);
}

TEST_F(Frm2ToneTest, EnterInToneACommitsAndMovesToToneB)
{
    Frm2Tone w;
    EnterCell(w, 5, 1);
    TextBox *t1 = Box(w, "Text1");
    t1->EnterText(QStringLiteral("1000"));
    PressEnter(t1);
    EXPECT_EQ(Grid(w)->Row(), 5);
    EXPECT_EQ(Grid(w)->Col(), 2);
    EXPECT_EQ(Grid(w)->TextMatrix(5, 1), "1000.0");
    EXPECT_FALSE(t1->isHidden());
    t1->selectAll();
    t1->EnterText(QStringLiteral("321.7"));
    PressEnter(t1); // to the name, which commits tone B
    EXPECT_EQ(Grid(w)->Col(), 3);
    TextBox *t3 = Box(w, "Text3");
    EXPECT_FALSE(t3->isHidden());
    t3->EnterText(QStringLiteral("A\\B~C"));
    EXPECT_EQ(t3->text(), "ABC");
    PressEnter(t3); // next row, tone A
    EXPECT_EQ(Grid(w)->Row(), 6);
    EXPECT_EQ(Grid(w)->Col(), 1);
    Ok(w);
    EXPECT_EQ(EntryBytes(5), Bytes({0, 0, 0x02, 0x58, 0x07, 0x49, 0x27, 0x10, 0x0C, 0x91, 'A', 'B', 'C', ' ', ' ', ' ', ' '}));
}

TEST_F(Frm2ToneTest, EnterOnAnEmptyToneAWalksDownAndWraps)
{
    Frm2Tone w;
    EnterCell(w, 31, 1);
    PressEnter(Box(w, "Text1"));
    EXPECT_EQ(Grid(w)->Row(), 32);
    PressEnter(Box(w, "Text1"));
    EXPECT_EQ(Grid(w)->Row(), 1);
    EXPECT_EQ(Grid(w)->Col(), 1);
}

TEST_F(Frm2ToneTest, ToneBAndNameNeedAToneA)
{
    Frm2Tone w;
    FlexGrid *g = Grid(w);
    // An empty row: tone B and the name lead to its tone A.
    EnterCell(w, 7, 3);
    EXPECT_EQ(g->Row(), 7);
    EXPECT_EQ(g->Col(), 1);
    // A typed tone A is committed when the user goes straight on to tone B of the same row.
    Box(w, "Text1")->EnterText(QStringLiteral("5000"));
    g->setCol(2);
    EXPECT_EQ(g->Col(), 2);
    EXPECT_EQ(g->TextMatrix(7, 1), "3116.0");
    // Tone B of another empty row: the typed value is committed, then its tone A opens.
    Box(w, "Text1")->EnterText(QStringLiteral("100"));
    g->setRow(9);
    EXPECT_EQ(g->Row(), 9);
    EXPECT_EQ(g->Col(), 1);
    EXPECT_EQ(g->TextMatrix(7, 2), "288.0");
    Ok(w);
    EXPECT_EQ(Entry(7).Empty, 0);
    EXPECT_EQ(Entry(7).Tone1, 31160);
    EXPECT_EQ(Entry(7).Divisor1, 192);
    EXPECT_EQ(Entry(7).Tone2, 2880);
    EXPECT_EQ(Entry(7).Divisor2, 2083);
}

TEST_F(Frm2ToneTest, ClearingTonesEmptiesTheEntryOrOnlyToneB)
{
    Frm2Tone w;
    FlexGrid *g = Grid(w);
    EnterCell(w, 1, 2); // tone B of the default entry
    Box(w, "Text1")->setText(QString());
    EnterCell(w, 1, 3);
    EXPECT_EQ(g->TextMatrix(1, 2), "");
    EXPECT_EQ(g->TextMatrix(1, 1), "321.7");
    EXPECT_EQ(State().SignallingEditCopy.TwoToneBlock.Entries[0].Tone2, 0);
    EXPECT_EQ(State().SignallingEditCopy.TwoToneBlock.Entries[0].Empty, 0);

    Box(w, "Text3")->setText(QStringLiteral("KEEP"));
    EnterCell(w, 1, 1);
    Box(w, "Text1")->setText(QString());
    EnterCell(w, 2, 1);
    for (int c = 1; c <= 3; ++c)
        EXPECT_EQ(g->TextMatrix(1, c), "") << c;
    Ok(w);
    EXPECT_EQ(EntryBytes(1), Bytes({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, ' ', ' ', ' ', ' ', ' ', ' ', ' '}));
}

TEST_F(Frm2ToneTest, OkRepairsChannelsCallingAnEmptiedEntry)
{
    BuildDefaultChannels();
    ASSERT_GT(State().RadioData.ChannelCount, 0);
    ChannelRecord &c = State().ChannelList[0];
    c.OptSig = OptSig2Tone;
    c.TwoToneIndex = 0;
    Entry(4) = {0, 600, 0, 10000, 0, FixStr<7>::Spaces()};
    int redraws = 0;
    Hooks().ReShowListByData = [&] { ++redraws; };
    Frm2Tone w;
    EnterCell(w, 2, 1);
    EnterCell(w, 1, 1);
    Box(w, "Text1")->setText(QString());
    Ok(w);
    EXPECT_EQ(Entry(1).Empty, 1);
    EXPECT_EQ(State().ChannelList[0].TwoToneIndex, 3);
    EXPECT_EQ(redraws, 1);
}

TEST_F(Frm2ToneTest, ScrollCommitsTheToneEditorButKeepsTheNameEditor)
{
    Frm2Tone w;
    FlexGrid *g = Grid(w);
    EnterCell(w, 2, 1);
    EnterCell(w, 1, 1);
    Box(w, "Text1")->setText(QStringLiteral("700"));
    emit g->Scroll();
    EXPECT_TRUE(Box(w, "Text1")->isHidden());
    EXPECT_EQ(g->TextMatrix(1, 1), "700.0");
    EnterCell(w, 1, 3);
    emit g->Scroll();
    EXPECT_FALSE(Box(w, "Text3")->isHidden());
}

// Shown and active, driven by mouse and keys: the keyboard stays in the table while its editors
// open and close, and a scroll leaves it with the grid, not with OK, the next control in the tab
// order, where a space would close the window.
TEST_F(Frm2ToneTest, TheKeyboardStaysInTheTableWhileItsEditorsComeAndGo)
{
    Frm2Tone w;
    QDialog *closed = nullptr;
    QObject::connect(&w, &QDialog::finished, &w, [&] { closed = &w; });
    testenv::Activate(&w);
    FlexGrid *g = Grid(w);
    const QRect cell = g->visualRect(g->model()->index(3, 1));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    testenv::Settle();
    TextBox *tone = Box(w, "Text1");
    ASSERT_EQ(QApplication::focusWidget(), tone);
    QTest::keyClicks(tone, QStringLiteral("1000"));
    QTest::keyClick(tone, Qt::Key_Return);
    testenv::Settle();
    EXPECT_EQ(g->Col(), 2);
    EXPECT_EQ(QApplication::focusWidget(), tone); // the same editor, now over tone B
    QTest::keyClicks(tone, QStringLiteral("700"));
    g->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    testenv::Settle();
    EXPECT_TRUE(tone->isHidden());
    EXPECT_EQ(g->TextMatrix(3, 2), "700.0");
    EXPECT_EQ(QApplication::focusWidget(), g);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    testenv::Settle();
    EXPECT_EQ(closed, nullptr);
    EXPECT_TRUE(script->calls.isEmpty());
}

TEST_F(Frm2ToneTest, HookOpensTheEditorAndCaptionsAreFilled)
{
    int shown = 0;
    script->onModal([&](QDialog *d) {
        shown += d->objectName() == "Frm2Tone";
        return QDialog::Rejected;
    });
    Hooks().ShowFrm2Tone = [] { ShowFrm2Tone(); };
    CallHook(Hooks().ShowFrm2Tone);
    EXPECT_EQ(shown, 1);

    testenv::ExpectCaptionsInBothLanguages([] { return std::make_unique<Frm2Tone>(); });
    SetLanguage(LangChinese);
    Frm2Tone w;
    EXPECT_EQ(w.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->tabText(0), QString::fromUtf8("编码"));
    EXPECT_EQ(FindArrayElement<QLabel>(&w, QStringLiteral("Label3"), 1)->text(), QString::fromUtf8("B音(Hz)"));
}

} // namespace
