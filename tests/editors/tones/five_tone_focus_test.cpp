// The 5-tone editor and its composer driven as a user drives them: shown and active, with mouse
// clicks on the grid and the buttons and keys typed into whatever has the focus. Where the focus
// goes is part of what is checked: a box's leave rules run only when the user leaves it.

#include <QDialog>
#include <QGroupBox>
#include <QScrollBar>
#include <QTest>

#include "common/ui_steps.h"
#include "data/lang_text.h"
#include "editors/tones/five_tone_fixture.h"
#include "editors/tones/frm_5tone_special.h"
#include "shell/grid_combo.h"

namespace fivetone {
namespace {

using testenv::Activate;
using testenv::FocusOn;
using testenv::Settle;

constexpr int kCodeCol = 2;
constexpr int kPeriodCol = 4;
constexpr int kNameCol = 5;

QWidget *Focused() { return QApplication::focusWidget(); }

// Types into the control that has the focus, as the keyboard does.
void Type(const QString &text)
{
    ASSERT_NE(Focused(), nullptr);
    QTest::keyClicks(Focused(), text);
    Settle();
}

void Press(Qt::Key key)
{
    ASSERT_NE(Focused(), nullptr);
    QTest::keyClick(Focused(), key);
    Settle();
}

// Empties the box that has the focus with the keyboard: select all, then delete.
void EmptyBox()
{
    ASSERT_NE(Focused(), nullptr);
    QTest::keyClick(Focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Focused(), Qt::Key_Backspace);
    Settle();
}

void Click(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton);
    Settle();
}

class FiveToneFocusTest : public FiveToneTest {
protected:
    void SetUp() override
    {
        FiveToneTest::SetUp();
        SetOwnId(Block(), "54321");
        SetRow(Block(), 100, "12");
    }

    // Drags the grid's scroll bar to its end, so that the last rows are in sight.
    static void ScrollToEnd(FlexGrid *g)
    {
        g->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
        Settle();
    }

    // Clicks a cell in sight.
    static void ClickCell(FlexGrid *g, int row, int col)
    {
        const QRect cell = g->visualRect(g->model()->index(row, col));
        ASSERT_TRUE(g->viewport()->rect().contains(cell.center())) << row << "," << col;
        QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        Settle();
    }

    // The editor named is shown and laid over the cell (row, col) of the grid.
    static void ExpectOpenOver(Frm5Tone &w, const char *editor, int row, int col)
    {
        QWidget *box = w.findChild<QWidget *>(QLatin1String(editor));
        ASSERT_NE(box, nullptr);
        EXPECT_FALSE(box->isHidden()) << editor;
        FlexGrid *g = Grid(&w);
        const QRect cell = g->visualRect(g->model()->index(row, col));
        const QPoint cellCentre = g->viewport()->mapTo(&w, cell.center());
        EXPECT_TRUE(box->geometry().contains(cellCentre)) << editor << " is not over " << row << "," << col;
    }

    // Shows the window as the active one, scrolls to the last row and clicks its cell in column col.
    static void ClickLastRowCell(Frm5Tone &w, int col)
    {
        Activate(&w);
        ScrollToEnd(Grid(&w));
        ClickCell(Grid(&w), 100, col);
    }

    // Shows the window as the active one and types an own ID into its box, which keeps the focus.
    static TextBox *TypeOwnId(Frm5Tone &w, const QString &id)
    {
        Activate(&w);
        TextBox *ownId = Text(&w, "Text2");
        FocusOn(ownId);
        EmptyBox();
        Type(id);
        return ownId;
    }

    static bool AnyEditorOpen(Frm5Tone &w)
    {
        for (const char *name : {"Text3", "Combo2", "Combo3", "Text6"})
            if (!w.findChild<QWidget *>(QLatin1String(name))->isHidden())
                return true;
        return false;
    }
};

TEST_F(FiveToneFocusTest, EnterInThePeriodListOfTheLastRowOpensTheCodeEditorOnRowOne)
{
    Frm5Tone w;
    ClickLastRowCell(w, kPeriodCol);
    FlexGrid *g = Grid(&w);
    auto *period = w.findChild<GridCombo *>("Combo3");
    ASSERT_EQ(Focused(), period);
    Press(Qt::Key_Down); // 71
    Press(Qt::Key_Return);

    EXPECT_EQ(g->Row(), 1);
    EXPECT_EQ(g->Col(), kCodeCol);
    EXPECT_EQ(w.CurTone5Row, 1);
    EXPECT_EQ(w.CurTone5Col, kCodeCol);
    ExpectOpenOver(w, "Text3", 1, kCodeCol);
    TextBox *code = Text(&w, "Text3");
    EXPECT_EQ(Focused(), code);
    Type("1123");
    EXPECT_EQ(code->text(), "1123");
    Press(Qt::Key_Return); // on to the standard, which commits the code
    EXPECT_EQ(Stored(Edit().CodeRows[0]), "1E23");
    EXPECT_EQ(Focused(), w.findChild<GridCombo *>("Combo2"));
    EXPECT_EQ(Edit().CodeRows[99].TonePeriod, 71);
    EXPECT_EQ(Stored(Edit().CodeRows[99]), "12");
    EXPECT_TRUE(script->calls.isEmpty());
}

TEST_F(FiveToneFocusTest, EnterInAnEmptiedCodeBoxOfTheLastRowOpensTheCodeEditorOnRowOne)
{
    Frm5Tone w;
    ClickLastRowCell(w, kCodeCol);
    FlexGrid *g = Grid(&w);
    TextBox *code = Text(&w, "Text3");
    ASSERT_EQ(Focused(), code);
    EXPECT_EQ(code->selectedText(), "12"); // the whole text is chosen on entry
    Press(Qt::Key_Backspace);
    EXPECT_EQ(code->text(), "");
    Press(Qt::Key_Return);

    EXPECT_EQ(g->Row(), 1);
    EXPECT_EQ(g->Col(), kCodeCol);
    EXPECT_EQ(Edit().CodeRows[99].Empty, 1);
    EXPECT_EQ(Cell(&w, 100, kCodeCol), "");
    ExpectOpenOver(w, "Text3", 1, kCodeCol);
    EXPECT_EQ(Focused(), code);
    Type("5");
    EXPECT_EQ(code->text(), "5");
    EXPECT_TRUE(script->calls.isEmpty());
}

TEST_F(FiveToneFocusTest, EnterInTheNameEditorOfTheLastRowOpensNothing)
{
    Frm5Tone w;
    ClickLastRowCell(w, kNameCol);
    FlexGrid *g = Grid(&w);
    ASSERT_EQ(Focused(), Text(&w, "Text6"));
    Type("Abc");
    Press(Qt::Key_Return);
    EXPECT_EQ(g->Row(), 1);
    EXPECT_EQ(g->Col(), 1);
    EXPECT_FALSE(AnyEditorOpen(w));
    EXPECT_EQ(ShownText(Edit().CodeRows[99].Name), "Abc");
    EXPECT_EQ(Focused(), g); // the grid keeps the keyboard, no box of the window is passed through
    EXPECT_TRUE(script->calls.isEmpty());
}

TEST_F(FiveToneFocusTest, EnterInACodeCellKeepsTheChosenInformationCode)
{
    Frm5Tone w;
    Activate(&w);
    ComboBox *which = Combo(&w, "Combo6");
    FocusOn(which);
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    ASSERT_EQ(which->ListIndex(), 2);
    FocusOn(Text(&w, "Text5"));
    Type("abc");
    ASSERT_EQ(Text(&w, "Text5")->text(), "ABC");

    FlexGrid *g = Grid(&w);
    ClickCell(g, 2, kCodeCol);
    ASSERT_EQ(Focused(), Text(&w, "Text3"));
    Type("123");
    Press(Qt::Key_Return);
    EXPECT_EQ(g->Col(), 3);
    EXPECT_EQ(Focused(), w.findChild<GridCombo *>("Combo2"));
    EXPECT_EQ(Stored(Edit().CodeRows[1]), "123");

    EXPECT_EQ(which->ListIndex(), 2);
    EXPECT_EQ(w.CurInfoCodeID, 3);
    EXPECT_TRUE(w.findChild<QGroupBox *>("Frame3")->title().endsWith("3"));
    EXPECT_EQ(Text(&w, "Text5")->text(), "ABC");
    Click(Button(&w, "CommandOK"));
    EXPECT_EQ(w.result(), int(QDialog::Accepted));
    const InfoCodeRecord &third = Block().InfoCodes[2];
    EXPECT_EQ(QString::fromLatin1(third.Code.toByteArray()).left(third.CodeLength), "ABC");
    EXPECT_TRUE(script->calls.isEmpty());
}

TEST_F(FiveToneFocusTest, ScrollingWithAnEditorOpenLeavesTheKeyboardWithTheGrid)
{
    Frm5Tone w;
    Activate(&w);
    FocusOn(Combo(&w, "Combo6"));
    Press(Qt::Key_Down);
    ASSERT_EQ(Combo(&w, "Combo6")->ListIndex(), 1);
    FlexGrid *g = Grid(&w);
    ClickCell(g, 3, kCodeCol);
    ASSERT_EQ(Focused(), Text(&w, "Text3"));
    Type("77");
    ScrollToEnd(g);
    EXPECT_TRUE(Text(&w, "Text3")->isHidden());
    EXPECT_EQ(Stored(Edit().CodeRows[2]), "7E");
    EXPECT_EQ(Focused(), g);
    // A click on a cell now leaves no box behind whose leave rules would run.
    ClickCell(g, 100, kCodeCol);
    EXPECT_EQ(Focused(), Text(&w, "Text3"));
    EXPECT_EQ(Combo(&w, "Combo6")->ListIndex(), 1);
    EXPECT_TRUE(script->calls.isEmpty());
}

TEST_F(FiveToneFocusTest, ARefusedOkShowsItsMessageOncePerClick)
{
    const QByteArray before = State().RadioData.SignallingRecord.FiveToneBlock.OwnId.toByteArray();
    Frm5Tone w;
    TextBox *ownId = TypeOwnId(w, "1234");
    for (int i = 0; i < 3; ++i)
        script->answer(vbOK);
    QPushButton *ok = Button(&w, "CommandOK");
    Click(ok);
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text, GetMsgText(0x900C, kLangTextLongBuffer));
    EXPECT_EQ(script->messages()[0].style, int(vbOKOnly));
    EXPECT_EQ(Focused(), ownId);
    EXPECT_FALSE(w.isHidden());
    Click(ok);
    EXPECT_EQ(script->messages().size(), 2);
    EXPECT_EQ(Focused(), ownId);
    EXPECT_EQ(State().RadioData.SignallingRecord.FiveToneBlock.OwnId.toByteArray(), before);

    // Leaving the box by the keyboard is refused with one message, and the focus stays.
    Press(Qt::Key_Tab);
    EXPECT_EQ(script->messages().size(), 3);
    EXPECT_EQ(Focused(), ownId);

    Press(Qt::Key_End);
    Type("5");
    Click(ok);
    EXPECT_EQ(script->messages().size(), 3);
    EXPECT_EQ(w.result(), int(QDialog::Accepted));
    EXPECT_EQ(ShownText(Block().OwnId), "12345");
    EXPECT_EQ(script->unscriptedCount(), 0);
}

// A click on a cell while the own ID is short: one message, and the focus stays in the own-ID box
// although the grid goes on to open the editor of the clicked cell.
TEST_F(FiveToneFocusTest, AShortOwnIdRefusesAClickOnTheGridOnce)
{
    Frm5Tone w;
    TextBox *ownId = TypeOwnId(w, "1234");
    FlexGrid *g = Grid(&w);
    ClickCell(g, 3, kCodeCol);
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text, GetMsgText(0x900C, kLangTextLongBuffer));
    EXPECT_EQ(Focused(), ownId);
    EXPECT_EQ(ShownText(Edit().OwnId), "54321");

    // Completed, the own ID lets the focus go; the clicked cell's editor takes it.
    Press(Qt::Key_End);
    Type("5");
    ClickCell(g, 3, kCodeCol);
    EXPECT_EQ(script->messages().size(), 1);
    EXPECT_EQ(ShownText(Edit().OwnId), "12345");
    ExpectOpenOver(w, "Text3", 3, kCodeCol);
    EXPECT_EQ(Focused(), Text(&w, "Text3"));
}

TEST_F(FiveToneFocusTest, ARefusedOkInTheComposerShowsItsMessageOnce)
{
    Frm5Tone w;
    Activate(&w);
    int messagesWhileOpen = -1;
    bool stayedOpen = false;
    script->onModal([&](QDialog *d) {
        Activate(d);
        TextBox *code = FindArrayElement<TextBox>(d, "Text1", 0);
        FocusOn(code);
        EmptyBox();
        Type("12");
        script->answer(vbOK);
        Click(d->findChild<QPushButton *>("CommandOK"));
        messagesWhileOpen = int(script->messages().size());
        stayedOpen = !d->isHidden() && d->result() == 0;
        Click(d->findChild<QPushButton *>("CommandCancel"));
        return d->result();
    });
    Click(Button(&w, "Command1"));
    ASSERT_EQ(messagesWhileOpen, 1);
    EXPECT_EQ(script->messages()[0].text, GetMsgText(0x900C, kLangTextLongBuffer));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->unscriptedCount(), 0);
}

} // namespace
} // namespace fivetone
