#include "grids_fixture.h"

namespace gridtest {
namespace {

class FmEditTest : public GridsTest {
protected:
    void SetUp() override
    {
        GridsTest::SetUp();
        ShowOnly(2);
        Settle();
    }
    FmChannelEntry &Entry(int index) { return State().RadioData.FmChannelTable[static_cast<std::size_t>(index)]; }
    int16_t &Selected() { return State().RadioData.SignallingRecord.OptionBlock.FmMemoryChannel; }
    // Text2 lies over cell (row, 1).
    bool EditorOver(int row)
    {
        TextBox *box = Text("Text2");
        const QRect cell = G(2)->visualRect(G(2)->model()->index(row, 1)).translated(G(2)->pos() + G(2)->viewport()->pos());
        return !box->isHidden() && box->geometry().topLeft() == cell.topLeft();
    }
};

TEST_F(FmEditTest, AClickOpensTheEditorAndTheNextEntryStoresItsText)
{
    Click(2, 3, 1);
    TextBox *box = Text("Text2");
    EXPECT_TRUE(EditorOver(3));
    EXPECT_EQ(Focus(), box);
    EXPECT_EQ(box->text(), QString());
    EXPECT_EQ(State().FmEditRow, 3);
    Type(S("100.1"));
    Click(2, 7, 1);
    EXPECT_EQ(Entry(2).Used, 1);
    EXPECT_EQ(Entry(2).Number, 3);
    EXPECT_EQ(Entry(2).Frequency.toByteArray(), QByteArray("01001000"));
    EXPECT_EQ(G(2)->TextMatrix(3, 1), S("100.1000"));
    EXPECT_TRUE(EditorOver(7));
    EXPECT_EQ(State().FmEditRow, 7);

    // Reopened on a used cell, the whole text is selected: typing replaces it.
    Click(2, 1, 1);
    EXPECT_EQ(box->text(), S("108.0000"));
    EXPECT_EQ(box->selectedText(), S("108.0000"));
}

TEST_F(FmEditTest, FrequenciesAreBandCheckedAndSnappedWhenStored)
{
    const struct {
        const char *typed;
        const char *stored;
        bool warning;
    } cases[] = {
        {"88.03", "00880500", false}, {"88.02", "00880000", false}, {"107.98", "01080000", false},
        {"87", "00880000", true},     {"109", "01080000", true},     {"95", "00950000", false},
    };
    for (const auto &k : cases) {
        script->clear();
        Click(2, 4, 1);
        Erase();
        Type(S(k.typed));
        Click(2, 5, 1);
        EXPECT_EQ(Entry(3).Frequency.toByteArray(), QByteArray(k.stored)) << k.typed;
        EXPECT_EQ(script->messages().size(), k.warning ? 1 : 0) << k.typed;
        Click(2, 6, 1); // so that row 4 is entered anew next time
    }
}

TEST_F(FmEditTest, EditorTakesSixDigitsOrPoints)
{
    Click(2, 3, 1);
    Type(S("1a0x0.15"));
    EXPECT_EQ(Text("Text2")->text(), S("100.15"));
}

TEST_F(FmEditTest, TheVfoCannotBeEmptied)
{
    Selected() = 100;
    Click(2, 101, 1);
    Erase();
    Click(2, 50, 1);
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages().at(0).text, S("VFO can't be null!"));
    EXPECT_EQ(Entry(100).Used, 1);
    EXPECT_EQ(Entry(100).Frequency.toByteArray(), QByteArray("01080000"));
    EXPECT_EQ(G(2)->TextMatrix(101, 1), S("108.0000"));
    EXPECT_EQ(Selected(), 100);
}

TEST_F(FmEditTest, TheLastFmChannelInUseIsNotEmptied)
{
    Click(2, 1, 1);
    Erase();
    Click(2, 2, 1);
    EXPECT_TRUE(script->messages().isEmpty());
    EXPECT_EQ(Entry(0).Used, 1);
    EXPECT_EQ(Entry(0).Frequency.toByteArray(), QByteArray("01080000"));
    EXPECT_EQ(G(2)->TextMatrix(1, 1), S("108.0000"));
}

TEST_F(FmEditTest, EmptyingTheSelectedChannelMovesTheSelectionToTheFirstInUse)
{
    Entry(5).Used = 1;
    Entry(5).Frequency.assign("00900000");
    Selected() = 5;
    grids->ReShowRadioListByData();
    Click(2, 6, 1);
    Erase();
    Click(2, 9, 1);
    EXPECT_EQ(Entry(5).Used, 0);
    EXPECT_EQ(Entry(5).Frequency.toByteArray(), QByteArray("        "));
    EXPECT_EQ(G(2)->TextMatrix(6, 1), QString());
    EXPECT_EQ(Selected(), 0);
}

TEST_F(FmEditTest, TheVfoStaysSelectedWhenAChannelIsEmptied)
{
    Entry(5).Used = 1;
    Entry(5).Frequency.assign("00900000");
    Selected() = 100;
    Click(2, 1, 1);
    Erase();
    Click(2, 9, 1);
    EXPECT_EQ(Entry(0).Used, 0);
    EXPECT_EQ(Selected(), 100);
}

TEST_F(FmEditTest, LeavingAnUnusedRowEmptyBlanksItsEntry)
{
    Entry(5).Used = 1;
    Entry(5).Frequency.assign("00900000");
    Entry(20).Frequency.assign("00990000"); // not in use
    Click(2, 21, 1);
    Click(2, 22, 1);
    EXPECT_EQ(Entry(20).Used, 0);
    EXPECT_EQ(Entry(20).Frequency.toByteArray(), QByteArray("        "));
}

TEST_F(FmEditTest, EnterCommitsAndMovesOneRowDownFromTheLastRowToTheFirst)
{
    Click(2, 50, 1);
    Type(S("99"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Entry(49).Frequency.toByteArray(), QByteArray("00990000"));
    EXPECT_EQ(G(2)->Row(), 51);
    EXPECT_TRUE(EditorOver(51));
    EXPECT_EQ(Focus(), Text("Text2"));

    Click(2, 101, 1);
    Type(S("100"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Entry(100).Frequency.toByteArray(), QByteArray("01000000"));
    EXPECT_EQ(G(2)->Row(), 1);
    EXPECT_TRUE(EditorOver(1));
    EXPECT_EQ(Text("Text2")->text(), S("108.0000"));
}

TEST_F(FmEditTest, AHiddenEditorReopensOnlyOnAnotherCellAfterStoringItsText)
{
    Click(2, 4, 1);
    Type(S("99"));
    Text("Text2")->hide(); // the navigation tree hides it
    Click(2, 4, 1);
    EXPECT_TRUE(Text("Text2")->isHidden());
    EXPECT_EQ(Entry(3).Used, 0);
    Click(2, 8, 1);
    EXPECT_EQ(Entry(3).Used, 1);
    EXPECT_EQ(Entry(3).Frequency.toByteArray(), QByteArray("00990000"));
    EXPECT_TRUE(EditorOver(8));
}

TEST_F(FmEditTest, CtrlKeysInTheEditorNeverTouchFmData)
{
    Click(2, 1, 1);
    Type(S("95"));
    TextBox *box = Text("Text2");
    EXPECT_EQ(box->text(), S("95"));
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(box->text(), S("95"));
    EXPECT_NE(State().ClipboardFilled[2], 0);
    EXPECT_EQ(State().ClipboardFilled[0], 0);
    Press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(box->text(), S("108.0000")); // the cell's text again, the typing dropped
    Type(S("9"));
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), S("108.0000"));
    EXPECT_EQ(Entry(0).Frequency.toByteArray(), QByteArray("01080000"));
}

TEST_F(FmEditTest, CtrlVBeforeAnyCopyChangesNothing)
{
    Click(2, 1, 1);
    Type(S("95"));
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text("Text2")->text(), S("95"));
}

TEST_F(FmEditTest, ATableRedrawDropsTheEditorsTextInsteadOfStoringItLater)
{
    Click(2, 3, 1);
    Type(S("99"));
    grids->ReShowRadioListByData(); // other data arrived
    EXPECT_TRUE(Text("Text2")->isHidden());
    Click(2, 8, 1);
    EXPECT_EQ(Entry(2).Used, 0);
    EXPECT_EQ(G(2)->TextMatrix(3, 1), QString());
    EXPECT_TRUE(EditorOver(8));
    // The cell it was on opens again when entered.
    Click(2, 3, 1);
    EXPECT_TRUE(EditorOver(3));
}

TEST_F(FmEditTest, NothingOpensBeforeTheWindowHasLoaded)
{
    grids->setMainWindowLoaded(false);
    Click(2, 3, 1);
    EXPECT_TRUE(Text("Text2")->isHidden());
    EXPECT_EQ(State().CurFmRow, 0);
}

TEST_F(FmEditTest, TheSpareGridOpensNothing)
{
    ShowOnly(1);
    Click(1, 3, 1);
    EXPECT_TRUE(Text("Text1")->isHidden());
    EXPECT_TRUE(Text("Text2")->isHidden());
    grids->SaveOldGridData(1);
    EXPECT_EQ(State().RadioData.FmChannelTable, [] {
        FmChannelTable t;
        SetDefaults(t);
        return t;
    }());
}

} // namespace
} // namespace gridtest
