#include <QDialog>
#include <QKeyEvent>

#include "common/captions.h"
#include "data/lang_text.h"
#include "editors/tones/five_tone_fixture.h"
#include "editors/tones/frm_5tone_def_ts.h"
#include "editors/tones/frm_5tone_special.h"
#include "platform/vb_keys.h"
#include "shell/grid_combo.h"

namespace fivetone {
namespace {

class FiveToneGridTest : public FiveToneTest {
protected:
    void SetUp() override
    {
        FiveToneTest::SetUp();
        SetOwnId(Block(), "54321");
    }
    // Makes a cell current, as the user's click does.
    static void Enter(Frm5Tone &w, int row, int col)
    {
        Grid(&w)->setRow(row);
        Grid(&w)->setCol(col);
    }
    static bool Open(Frm5Tone &w, const char *editor) { return !w.findChild<QWidget *>(QLatin1String(editor))->isHidden(); }
};

TEST_F(FiveToneGridTest, CodeEditorCommitsTheStoredForm)
{
    Frm5Tone w;
    Enter(w, 3, 2);
    ASSERT_TRUE(Open(w, "Text3"));
    EXPECT_EQ(w.CurTone5Row, 3);
    TextBox *code = Text(&w, "Text3");
    EXPECT_EQ(code->EnterText("11a3g3"), "11A33");
    Enter(w, 4, 2);
    const FiveToneCodeRecord &row = Edit().CodeRows[2];
    EXPECT_EQ(Stored(row), "1EA3E");
    EXPECT_EQ(row.CodeLength, 5);
    EXPECT_EQ(row.Empty, 0);
    EXPECT_EQ(Cell(&w, 3, 2), "1EA3E");
}

TEST_F(FiveToneGridTest, EnterMovesThroughTheRowAndWrapsAround)
{
    SetRow(Block(), 100, "12");
    Frm5Tone w;
    Enter(w, 100, 2);
    TextBox *code = Text(&w, "Text3");
    code->setText("789");
    w.Text3_Enter(); // a code: on to the standard
    EXPECT_EQ(Grid(&w)->Col(), 3);
    EXPECT_TRUE(Open(w, "Combo2"));
    EXPECT_EQ(Stored(Edit().CodeRows[99]), "789");
    int key = vbKeyReturn;
    w.Combo2_KeyPress(key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(Grid(&w)->Col(), 4);
    EXPECT_TRUE(Open(w, "Combo3"));
    auto *period = w.findChild<GridCombo *>("Combo3");
    period->setText("45");
    key = vbKeyReturn;
    w.Combo3_KeyPress(key);
    EXPECT_EQ(Grid(&w)->Row(), 1);
    EXPECT_EQ(Grid(&w)->Col(), 2);
    EXPECT_EQ(Edit().CodeRows[99].TonePeriod, 45);
    EXPECT_TRUE(Open(w, "Text3"));
    EXPECT_EQ(w.CurTone5Row, 1);

    // An empty code moves down the same column, from row 100 to row 1.
    Enter(w, 100, 2);
    code->setText(QString());
    w.Text3_Enter();
    EXPECT_EQ(Grid(&w)->Row(), 1);
    EXPECT_EQ(Grid(&w)->Col(), 2);
    EXPECT_EQ(Edit().CodeRows[99].Empty, 1);
    EXPECT_EQ(Edit().CodeRows[99].CodeLength, 0);
    EXPECT_EQ(Cell(&w, 100, 2), "");

    // The name editor moves down to the kind column and opens nothing.
    SetRow(Edit(), 100, "33"); // a code so that the name cell opens
    Grid(&w)->setTextMatrix(100, 2, "3E");
    Enter(w, 100, 5);
    ASSERT_TRUE(Open(w, "Text6"));
    TextBox *name = Text(&w, "Text6");
    EXPECT_EQ(name->EnterText("A\\b~c"), "Abc");
    w.Text6_Enter();
    EXPECT_EQ(Grid(&w)->Row(), 1);
    EXPECT_EQ(Grid(&w)->Col(), 1);
    EXPECT_EQ(ShownText(Edit().CodeRows[99].Name), "Abc");
    EXPECT_FALSE(Open(w, "Text6"));
    EXPECT_FALSE(Open(w, "Text3"));
}

TEST_F(FiveToneGridTest, SpecialRowsOpenNoCodeEditorAndResetOnDoubleClick)
{
    SetRow(Block(), 2, "E654321");
    SetRow(Block(), 3, "1234554321", 2, 60);
    Frm5Tone w;
    Enter(w, 5, 2);
    Text(&w, "Text3")->setText("7");
    Enter(w, 3, 2); // ANI row: nothing opens, the open editor stays uncommitted
    EXPECT_EQ(w.CurTone5Row, 5);
    EXPECT_EQ(Edit().CodeRows[4].Empty, 1);
    Enter(w, 2, 4); // a PTT-ID row's other cells open
    EXPECT_TRUE(Open(w, "Combo3"));
    EXPECT_EQ(Stored(Edit().CodeRows[4]), "7");
    Enter(w, 6, 4); // an empty plain row: committed, nothing opens, the editor stays
    EXPECT_EQ(w.CurTone5Row, 2);
    EXPECT_TRUE(Open(w, "Combo3"));

    Enter(w, 3, 2);
    script->answer(vbCancel);
    w.MSHFlexGrid1_DblClick();
    EXPECT_EQ(Cell(&w, 3, 1), "ANI");
    script->answer(vbOK);
    w.MSHFlexGrid1_DblClick();
    ASSERT_EQ(script->messages().size(), 2);
    EXPECT_EQ(script->messages()[1].text, "Reset Special Call of this channel,OK or Not?");
    EXPECT_EQ(Cell(&w, 3, 1), "");
    EXPECT_EQ(Cell(&w, 3, 2), "");
    EXPECT_EQ(Cell(&w, 3, 3), "ZVEI3");
    EXPECT_EQ(Edit().CodeRows[2].CodeLength, 0);
    EXPECT_EQ(Edit().CodeRows[2].Empty, 0);
    EXPECT_TRUE(Open(w, "Text3"));
    EXPECT_EQ(Text(&w, "Text3")->text(), "");
    Enter(w, 4, 2);
    EXPECT_EQ(Edit().CodeRows[2].Empty, 1);
}

TEST_F(FiveToneGridTest, StandardEditorGivesTheRowItsDefaultPeriodAtOnce)
{
    SetRow(Block(), 5, "123", 0, 55);
    Frm5Tone w;
    auto *standard = w.findChild<GridCombo *>("Combo2");
    standard->setListIndex(8); // no editor opened yet: nothing happens
    EXPECT_EQ(Edit().CodeRows[4].TonePeriod, 55);
    EXPECT_EQ(w.SheetText().section("\r\n", 0, 0), "ZVEI1");
    Enter(w, 5, 3);
    EXPECT_EQ(standard->Text(), "ZVEI1");
    standard->setText("PCCIR");
    EXPECT_EQ(Cell(&w, 5, 4), "100");
    EXPECT_EQ(Edit().CodeRows[4].TonePeriod, 100);
    EXPECT_EQ(Edit().CodeRows[4].StandardIndex, 0); // stored by the commit
    EXPECT_EQ(w.SheetText().section("\r\n", 0, 0), "PCCIR");
    Enter(w, 6, 2);
    EXPECT_EQ(Edit().CodeRows[4].StandardIndex, 8);
    EXPECT_EQ(Cell(&w, 5, 3), "PCCIR");
}

TEST_F(FiveToneGridTest, StandardListsProposeTheirPeriods)
{
    Frm5Tone w;
    Combo(&w, "Combo1", 1)->setText("EIA");
    EXPECT_EQ(Combo(&w, "Combo1", 3)->Text(), "33");
    EXPECT_EQ(w.SheetText().section("\r\n", 0, 0), "EIA");
    Combo(&w, "Combo1", 1)->setText("MODAT");
    EXPECT_EQ(Combo(&w, "Combo1", 3)->Text(), "40");
    Combo(&w, "Combo4", 1)->setText("EURO SIGNAL");
    EXPECT_EQ(Combo(&w, "Combo5", 1)->Text(), "100");
    EXPECT_EQ(Combo(&w, "Combo5", 0)->Text(), "70");
    EXPECT_EQ(Combo(&w, "Combo1", 3)->Text(), "40");
    EXPECT_EQ(w.SheetText().section("\r\n", 0, 0), "EURO SIGNAL");
}

TEST_F(FiveToneGridTest, ScrollCommitsAndTheComposerIsNotOverwrittenLater)
{
    Frm5Tone w;
    Enter(w, 3, 2);
    Text(&w, "Text3")->setText("111");
    emit Grid(&w)->Scroll();
    EXPECT_FALSE(Open(w, "Text3"));
    EXPECT_EQ(Stored(Edit().CodeRows[2]), "1E1");
    EXPECT_EQ(w.CurTone5Row, 3);

    // The composer writes a PTT-ID code into the row whose editor scrolling hid.
    script->onModal([](QDialog *d) {
        FindArrayElement<ComboBox>(d, "Combo1", 0)->setListIndex(2);
        FindArrayElement<ComboBox>(d, "Combo1", 1)->setListIndex(CallTypePttId);
        d->findChild<QPushButton *>("CommandOK")->click();
        return d->result();
    });
    Button(&w, "Command1")->click();
    EXPECT_EQ(State().SpecialCallTarget, TargetCodeRow);
    EXPECT_EQ(Stored(Edit().CodeRows[2]), "E6SelfID");
    EXPECT_EQ(w.CurTone5Row, 0);
    Enter(w, 7, 2); // entering another cell must not bring back "1E1"
    EXPECT_EQ(Stored(Edit().CodeRows[2]), "E6SelfID");
    EXPECT_EQ(Cell(&w, 3, 1), "PTTID");
    Button(&w, "CommandOK")->click();
    ASSERT_EQ(w.result(), int(QDialog::Accepted));
    EXPECT_EQ(Stored(Block().CodeRows[2]), "E654321");
    EXPECT_EQ(Block().CodeRows[2].CodeLength, 7);
    EXPECT_EQ(script->unscriptedCount(), 0);
}

TEST_F(FiveToneGridTest, ScrollLeavesTheNameEditorOpenForItsOwnRow)
{
    SetRow(Block(), 4, "12");
    Frm5Tone w;
    Enter(w, 4, 5);
    Text(&w, "Text6")->setText("NAME");
    emit Grid(&w)->Scroll();
    EXPECT_TRUE(Open(w, "Text6"));
    Enter(w, 9, 2);
    EXPECT_EQ(ShownText(Edit().CodeRows[3].Name), "NAME");
}

TEST_F(FiveToneGridTest, UserStandardButtonRedrawsTheSheet)
{
    Block().StandardIndex = 15;
    Frm5Tone w;
    script->onModal([](QDialog *d) {
        FindArrayElement<TextBox>(d, "Text1", 0)->setText("1000");
        d->findChild<QPushButton *>("CommandOK")->click();
        return d->result();
    });
    w.Command4_Click();
    EXPECT_EQ(Edit().UserStandard.Tones[0], 10000);
    EXPECT_EQ(w.SheetText().section("\r\n", 2, 2), "0 1000.0");
    EXPECT_EQ(Block().UserStandard.Tones[0], 24000);
}

// ---------------------------------------------------------------------------------------------
// The user-standard dialog

class UserStandardTest : public FiveToneTest {};

TEST_F(UserStandardTest, RangeRuleOnLeavingABox)
{
    Frm5ToneDefTS d;
    TextBox *box = FindArrayElement<TextBox>(&d, "Text1", 3);
    const std::vector<std::pair<QString, QString>> cases = {
        {"5000", "3106.0"}, {"12", "288.5"},   {"", "288.5"},   {"288.5", "288.5"}, {"3106", "3106"},
        {"288.4", "288.5"}, {"3106.1", "3106.0"}, {"1.2.3", "288.5"}, {".", "288.5"},  {"1000", "1000"},
    };
    for (const auto &[typed, shown] : cases) {
        box->setText(typed);
        d.Text1_LostFocus(3);
        EXPECT_EQ(box->text(), shown) << typed.toStdString();
    }
    box->setText(QString());
    EXPECT_EQ(box->EnterText("1a2-3,4 .5678"), "1234.5");
}

TEST_F(UserStandardTest, OkStoresRoundedValuesAndCancelNothing)
{
    State().SignallingEditCopy = State().RadioData.SignallingRecord;
    State().SignallingEditCopy.FiveToneBlock.UserStandard.Tones[2] = 0;
    {
        Frm5ToneDefTS d;
        EXPECT_EQ(FindArrayElement<TextBox>(&d, "Text1", 0)->text(), "2400.0");
        EXPECT_EQ(FindArrayElement<TextBox>(&d, "Text1", 2)->text(), ".0");
        FindArrayElement<TextBox>(&d, "Text1", 0)->setText("300.25");
        FindArrayElement<TextBox>(&d, "Text1", 1)->setText("300.75");
        d.findChild<QPushButton *>("CommandCancel")->click();
    }
    UserToneStandard &user = State().SignallingEditCopy.FiveToneBlock.UserStandard;
    EXPECT_EQ(user.Tones[0], 24000);
    {
        Frm5ToneDefTS d;
        FindArrayElement<TextBox>(&d, "Text1", 0)->setText("300.25");
        FindArrayElement<TextBox>(&d, "Text1", 1)->setText("300.75");
        d.findChild<QPushButton *>("CommandOK")->click();
    }
    EXPECT_EQ(user.Tones[0], 3002);
    EXPECT_EQ(user.Tones[1], 3008);
    EXPECT_EQ(user.Tones[2], 0); // a box that never had the focus gives back its value
    EXPECT_EQ(user.Tones[15], 9300);
    testenv::ExpectCaptionsInBothLanguages([] { return std::make_unique<Frm5ToneDefTS>(); },
                                           {"Label1(0)", "Label1(1)", "Label1(2)", "Label1(3)", "Label1(4)",
                                            "Label1(5)", "Label1(6)", "Label1(7)", "Label1(8)", "Label1(9)"});
}

TEST_F(UserStandardTest, EnterAtOnceStoresEveryValueUnchanged)
{
    State().SignallingEditCopy = State().RadioData.SignallingRecord;
    const UserToneStandard before = State().SignallingEditCopy.FiveToneBlock.UserStandard;
    Frm5ToneDefTS d;
    d.show();
    d.activateWindow();
    QApplication::setActiveWindow(&d);
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    QPushButton *ok = d.findChild<QPushButton *>("CommandOK");
    ASSERT_EQ(QApplication::focusWidget(), ok);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(ok, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(ok, &release);
    EXPECT_EQ(d.result(), int(QDialog::Accepted));
    EXPECT_EQ(State().SignallingEditCopy.FiveToneBlock.UserStandard, before);
}

} // namespace
} // namespace fivetone
