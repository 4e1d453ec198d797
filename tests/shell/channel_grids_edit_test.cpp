#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>

#include "grids_fixture.h"

namespace gridtest {
namespace {

using EditTest = GridsTest;

QByteArray Bytes(const FixStr<9> &f) { return f.toByteArray(); }

// The editor that is open over the channel grid, "" when none is.
QString OpenEditor(const QWidget *window)
{
    QString open;
    for (const char *name : {"TextFreRx", "TextFreTx", "TextName", "ComboStep", "ComboWN", "ComboPower",
                             "ComboDe_CTC_Type", "ComboDe_CTCSS", "ComboDe_CDCSS", "ComboEn_CTC_Type", "ComboEn_CTCSS",
                             "ComboEn_CDCSS", "ComboOptSig"}) {
        if (!window->findChild<QWidget *>(S(name))->isHidden())
            open += (open.isEmpty() ? QString() : S(",")) + S(name);
    }
    return open;
}

// Picks an item of an open list with the mouse, as the user does.
void PickWithMouse(GridCombo *combo, int index)
{
    combo->showPopup();
    // A list takes no release for a moment after it opened (the release of the opening click).
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QAbstractItemView *view = combo->view();
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    view->setCurrentIndex(item); // where the pointer hovers
    const QPoint at(view->viewport()->width() / 2, view->visualRect(item).center().y());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    Settle();

}

TEST_F(EditTest, ADoubleClickOnAnEmptyRowOpensItsReceiveEditorAndEnterCreatesTheChannel)
{
    DoubleClick(10, 7); // the power cell of a row without a channel
    EXPECT_EQ(OpenEditor(window.get()), S("TextFreRx"));
    EXPECT_EQ(State().CurChannelNo, 10);
    EXPECT_EQ(State().CurEditCol, 1);
    TextBox *rx = Text("TextFreRx");
    EXPECT_EQ(Focus(), rx);
    // It lies over the receive cell of that row.
    const QRect cell = G()->visualRect(G()->model()->index(10, 1)).translated(G()->pos() + G()->viewport()->pos());
    EXPECT_EQ(rx->geometry().topLeft(), cell.topLeft());
    EXPECT_EQ(rx->width(), G()->columnWidth(1));

    Type(S("145.5"));
    Press(Qt::Key_Return);
    ASSERT_NE(Channel(10), nullptr);
    EXPECT_EQ(Bytes(Channel(10)->RxFrequency), QByteArray("014550000"));
    EXPECT_EQ(RowTexts(10).mid(0, 2), QStringList({S("145.50000"), S("145.50000")}));
    EXPECT_EQ(G()->TextMatrix(10, 7), S("High"));
    EXPECT_EQ(OpenEditor(window.get()), QString());
    EXPECT_EQ(Focus(), G());
}

TEST_F(EditTest, ReceiveFrequencyIsStoredOnTheRasterWhenCommitted)
{
    DoubleClick(1, 1);
    TextBox *rx = Text("TextFreRx");
    EXPECT_EQ(rx->text(), S("440.00000"));
    EXPECT_EQ(rx->selectedText(), S("440.00000"));
    Type(S("438.501"));
    EXPECT_EQ(Bytes(Channel(1)->RxFrequency), QByteArray("044000000")); // nothing stored while typing
    Press(Qt::Key_Return);
    EXPECT_EQ(Bytes(Channel(1)->RxFrequency), QByteArray("043850000"));
    EXPECT_EQ(G()->TextMatrix(1, 1), S("438.50000"));
}

TEST_F(EditTest, TransmitFrequencyBecomesOffsetAndDirection)
{
    DoubleClick(1, 2);
    EXPECT_EQ(OpenEditor(window.get()), S("TextFreTx"));
    EXPECT_EQ(Text("TextFreTx")->text(), S("440.00000"));
    Type(S("435"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Channel(1)->OffsetDir, OffsetMinus);
    EXPECT_EQ(Bytes(Channel(1)->TxOffset), QByteArray("000500000"));
    EXPECT_EQ(G()->TextMatrix(1, 2), S("435.00000"));
}

TEST_F(EditTest, NameTakesSixCharactersWithoutBackslashOrTilde)
{
    DoubleClick(1, 3);
    EXPECT_EQ(Text("TextName")->text(), QString());
    Type(S("A\\B~CDEFG"));
    EXPECT_EQ(Text("TextName")->text(), S("ABCDEF"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Channel(1)->Name.toByteArray(), QByteArray("ABCDEF"));
    EXPECT_EQ(G()->TextMatrix(1, 3), S("ABCDEF"));
}

TEST_F(EditTest, ListEditorsOpenOnTheCellsItemAndStoreEachChoice)
{
    const struct {
        int column;
        const char *editor;
        const char *opensOn;
        const char *afterDown;
        std::function<int(const ChannelRecord &)> field;
    } cases[] = {
        {4, "ComboStep", "2.5K", "5K", [](const ChannelRecord &c) { return int(c.StepIndex); }},
        {5, "ComboWN", "25KHz", "12.5K", [](const ChannelRecord &c) { return int(c.Bandwidth); }},
        {7, "ComboPower", "High", "Low", [](const ChannelRecord &c) { return int(c.Power); }},
        {10, "ComboOptSig", "Off", "DTMF M1", [](const ChannelRecord &c) { return int(c.OptSig); }},
    };
    for (const auto &k : cases) {
        const ChannelRecord before = *Channel(1);
        DoubleClick(1, k.column);
        GridCombo *combo = Combo(k.editor);
        EXPECT_EQ(OpenEditor(window.get()), S(k.editor)) << k.editor;
        EXPECT_EQ(combo->Text(), S(k.opensOn)) << k.editor;
        EXPECT_EQ(*Channel(1), before) << k.editor; // opening stores nothing
        EXPECT_EQ(Focus(), combo);
        Press(Qt::Key_Down);
        EXPECT_EQ(k.field(*Channel(1)), 1) << k.editor;
        EXPECT_EQ(G()->TextMatrix(1, k.column), S(k.afterDown)) << k.editor;
        Press(Qt::Key_Return);
        EXPECT_EQ(OpenEditor(window.get()), QString()) << k.editor;
        EXPECT_EQ(Focus(), G()) << k.editor;
    }
    // The step list picked by the mouse.
    DoubleClick(1, 4);
    PickWithMouse(Combo("ComboStep"), 4);
    EXPECT_EQ(Channel(1)->StepIndex, 4);
    EXPECT_EQ(G()->TextMatrix(1, 4), S("12.5K"));
}

TEST_F(EditTest, OptionalSignallingEditorOnADtmfChannelShowsTheFirstItemAndChangesNothing)
{
    State().ChannelList[0].OptSig = OptSigDtmf;
    State().ChannelList[0].DtmfMemoryIndex = 3;
    grids->ReShowGrid(0, 1, 0);
    EXPECT_EQ(G()->TextMatrix(1, 10), S("DTMF M4"));
    DoubleClick(1, 10);
    EXPECT_EQ(Combo("ComboOptSig")->ListIndex(), 0);
    EXPECT_EQ(Channel(1)->OptSig, OptSigDtmf);
    EXPECT_EQ(G()->TextMatrix(1, 10), S("DTMF M4"));
    Press(Qt::Key_Down); // "DTMF" chosen again: the memory stays
    EXPECT_EQ(G()->TextMatrix(1, 10), S("DTMF M4"));
    Press(Qt::Key_Up);
    EXPECT_EQ(Channel(1)->OptSig, OptSigOff);
    EXPECT_EQ(G()->TextMatrix(1, 10), S("Off"));
}

TEST_F(EditTest, ChoosingDcsOpensTheCodeListOnTheStoredCodeAndTheInvertedHalfStoresThePolarity)
{
    State().ChannelList[0].DecodeDcsCode = 19;
    DoubleClick(1, 8);
    GridCombo *type = Combo("ComboDe_CTC_Type");
    EXPECT_EQ(type->ListIndex(), 0);
    const QRect typePlace = type->geometry();
    PickWithMouse(type, 2);
    EXPECT_EQ(Channel(1)->DecodeToneType, CtcDcs);
    GridCombo *dcs = Combo("ComboDe_CDCSS");
    EXPECT_EQ(OpenEditor(window.get()), S("ComboDe_CDCSS"));
    EXPECT_EQ(dcs->geometry().topLeft(), typePlace.topLeft());
    EXPECT_EQ(dcs->width(), typePlace.width());
    EXPECT_EQ(dcs->ListIndex(), 19);
    EXPECT_EQ(dcs->Text(), S("D023N"));
    EXPECT_EQ(G()->TextMatrix(1, 8), S("D023N"));
    EXPECT_EQ(Focus(), dcs);

    PickWithMouse(dcs, 531);
    EXPECT_EQ(Channel(1)->DecodeDcsCode, 19);
    EXPECT_EQ(Channel(1)->DecodeDcsInverted, 1);
    EXPECT_EQ(G()->TextMatrix(1, 8), S("D023I"));
    Press(Qt::Key_Return);
    EXPECT_EQ(OpenEditor(window.get()), QString());
    EXPECT_EQ(Focus(), G());

    // Reopened, the type list shows DCS, and DCS again opens the list on the inverted item.
    DoubleClick(1, 8);
    EXPECT_EQ(type->Text(), S("DCS"));
    Press(Qt::Key_Return);
    EXPECT_EQ(OpenEditor(window.get()), S("ComboDe_CDCSS"));
    EXPECT_EQ(dcs->ListIndex(), 531);
}

TEST_F(EditTest, ArrowKeysDropTheToneTypeListDownAndStoreEachStepEnterOpensTheCodeList)
{
    State().ChannelList[0].DecodeDcsCode = 8;
    DoubleClick(1, 8);
    GridCombo *type = Combo("ComboDe_CTC_Type");
    Press(Qt::Key_Down);
    EXPECT_TRUE(type->IsDropped());
    EXPECT_EQ(Channel(1)->DecodeToneType, CtcCtcss);
    EXPECT_EQ(OpenEditor(window.get()), S("ComboDe_CTC_Type")); // no code list while the list is down
    Press(Qt::Key_Down);
    EXPECT_EQ(Channel(1)->DecodeToneType, CtcDcs);
    EXPECT_EQ(G()->TextMatrix(1, 8), S("D010N"));
    Press(Qt::Key_Return);
    EXPECT_FALSE(type->IsDropped());
    EXPECT_EQ(OpenEditor(window.get()), S("ComboDe_CDCSS"));
    EXPECT_EQ(Combo("ComboDe_CDCSS")->ListIndex(), 8);

    // In the code list too, an arrow drops the list and moves one item, which is stored.
    Press(Qt::Key_Down);
    EXPECT_TRUE(Combo("ComboDe_CDCSS")->IsDropped());
    EXPECT_EQ(Channel(1)->DecodeDcsCode, 9);
    Press(Qt::Key_Return);
    EXPECT_EQ(OpenEditor(window.get()), QString());
    EXPECT_EQ(Channel(1)->DecodeDcsCode, 9);
}

TEST_F(EditTest, EncodeCtcssChainShowsTheStoredTone)
{
    DoubleClick(1, 9);
    PickWithMouse(Combo("ComboEn_CTC_Type"), 1);
    EXPECT_EQ(Channel(1)->EncodeToneType, CtcCtcss);
    GridCombo *ctcss = Combo("ComboEn_CTCSS");
    EXPECT_EQ(OpenEditor(window.get()), S("ComboEn_CTCSS"));
    EXPECT_EQ(ctcss->Text(), S("127.3")); // index 20 of the default channel
    EXPECT_EQ(G()->TextMatrix(1, 9), S("127.3"));
    PickWithMouse(ctcss, 51);
    EXPECT_EQ(Channel(1)->EncodeCtcssIndex, 51);
    EXPECT_EQ(G()->TextMatrix(1, 9), S("Custom"));
    // The decode side is untouched.
    EXPECT_EQ(Channel(1)->DecodeToneType, CtcOff);
}

TEST_F(EditTest, TheNoToneItemStoresTypeZeroAndLeavesTheTypeListOpen)
{
    State().ChannelList[0].DecodeToneType = CtcCtcss;
    State().ChannelList[0].DecodeCtcssIndex = 5;
    DoubleClick(1, 8);
    GridCombo *type = Combo("ComboDe_CTC_Type");
    EXPECT_EQ(type->ListIndex(), 1);
    PickWithMouse(type, 0);
    EXPECT_EQ(Channel(1)->DecodeToneType, CtcOff);
    EXPECT_EQ(Channel(1)->DecodeCtcssIndex, 5); // the code stays
    EXPECT_EQ(OpenEditor(window.get()), S("ComboDe_CTC_Type"));
    EXPECT_EQ(G()->TextMatrix(1, 8), S("Off"));
    Press(Qt::Key_Return);
    EXPECT_EQ(OpenEditor(window.get()), QString());
}

TEST_F(EditTest, ClearingAReceiveFrequencyDeletesUnderTheKeepOneRule)
{
    AppState &s = State();
    s.RadioData.SignallingRecord.OptionBlock.MemoryChannel1 = 1; // channel 2
    DoubleClick(2, 1);
    Erase();
    Press(Qt::Key_Return);
    EXPECT_EQ(Channel(2), nullptr);
    EXPECT_EQ(RowTexts(2), QStringList(10, QString()));
    EXPECT_EQ(G()->TextMatrix(2, 0), S("1"));
    EXPECT_EQ(G()->TextMatrix(2, 11), S(">>"));
    // The reference moved to the last channel numbered 203 or less ("PL2").
    EXPECT_EQ(s.RadioData.SignallingRecord.OptionBlock.MemoryChannel1, 202);
    EXPECT_TRUE(script->messages().isEmpty());

    // The only normal channel stays, with its message.
    DoubleClick(1, 1);
    Erase();
    Press(Qt::Key_Return);
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages().at(0).text, S("Must retain the one channels!"));
    EXPECT_EQ(script->messages().at(0).style, vbOKOnly);
    ASSERT_NE(Channel(1), nullptr);
    EXPECT_EQ(G()->TextMatrix(1, 1), S("440.00000"));
}

TEST_F(EditTest, AReceiveTextThatIsNotANumberKeepsTheChannelAsItWas)
{
    const ChannelRecord before = *Channel(2);
    for (const char *typed : {"1.2.3", "."}) {
        SCOPED_TRACE(typed);
        DoubleClick(2, 1);
        Type(S(typed));
        Press(Qt::Key_Return);
        ASSERT_NE(Channel(2), nullptr);
        EXPECT_EQ(*Channel(2), before);
        EXPECT_EQ(G()->TextMatrix(2, 1), S("155.00000")); // redrawn from the channel
        EXPECT_EQ(State().RadioData.ChannelCount, 8);
    }
    EXPECT_TRUE(script->messages().isEmpty());
}

TEST_F(EditTest, SpecialChannelsAreNotDeletedByClearingTheirFrequency)
{
    DoubleClick(205, 1);
    Erase();
    EXPECT_EQ(Text("TextFreRx")->text(), QString());
    Press(Qt::Key_Return);
    EXPECT_NE(Channel(205), nullptr);
    EXPECT_EQ(G()->TextMatrix(205, 1), S("440.00000"));
    EXPECT_TRUE(script->messages().isEmpty());
}

TEST_F(EditTest, AnEmptyOrNonNumericTextOnARowWithoutChannelCreatesNothing)
{
    DoubleClick(20, 1);
    Type(S("."));
    Press(Qt::Key_Return);
    DoubleClick(21, 1);
    Press(Qt::Key_Return);
    EXPECT_EQ(Channel(20), nullptr);
    EXPECT_EQ(Channel(21), nullptr);
    EXPECT_EQ(State().RadioData.ChannelCount, 8);
    EXPECT_TRUE(script->messages().isEmpty());
}

TEST_F(EditTest, ClipboardKeysCopyCutAndPasteWholeChannels)
{
    AppState &s = State();
    s.RadioData.SignallingRecord.OptionBlock.MemoryChannel1 = 149; // channel 150, which does not exist
    Click(0, 3, 5);
    Press(Qt::Key_V, Qt::ControlModifier); // nothing copied yet: no change, but references repaired
    EXPECT_EQ(s.RadioData.ChannelCount, 8);
    EXPECT_EQ(s.RadioData.SignallingRecord.OptionBlock.MemoryChannel1, 202);

    // An empty row copied onto a channel deletes it.
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_NE(s.ClipboardFilled[0], 0);
    Click(0, 2, 5);
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Channel(2), nullptr);
    EXPECT_EQ(G()->TextMatrix(2, 1), QString());

    // A channel copied onto an empty row makes a copy under the row's number.
    s.ChannelList[0].Name.assign("ONE");
    Click(0, 1, 5);
    Press(Qt::Key_C, Qt::ControlModifier);
    Click(0, 9, 5);
    Press(Qt::Key_V, Qt::ControlModifier);
    ASSERT_NE(Channel(9), nullptr);
    EXPECT_EQ(Channel(9)->Name.toByteArray(), QByteArray("ONE   "));
    EXPECT_EQ(G()->TextMatrix(9, 3), S("ONE"));
    EXPECT_EQ(G()->TextMatrix(9, 1), S("440.00000"));

    // Cut: copied and deleted.
    Click(0, 205, 5);
    Press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Channel(205), nullptr);
    EXPECT_EQ(G()->TextMatrix(205, 1), QString());
    EXPECT_EQ(s.ChannelClipboard.Number, 205);
    Click(0, 30, 5);
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_NE(Channel(30), nullptr);

    // With Shift, or another letter, nothing is copied.
    Click(0, 4, 5);
    Press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    Press(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(s.ChannelClipboard.Number, 205);
    EXPECT_EQ(s.ChannelClipboard.Used, 1);
}

TEST_F(EditTest, MovingToAnotherCellCommitsTheOpenTextEditorFirst)
{
    DoubleClick(1, 3);
    Type(S("XY"));
    Click(0, 2, 5);
    EXPECT_EQ(Channel(1)->Name.toByteArray(), QByteArray("XY    "));
    EXPECT_EQ(OpenEditor(window.get()), QString());
    DoubleClick(2, 4);
    EXPECT_EQ(OpenEditor(window.get()), S("ComboStep"));
}

TEST_F(EditTest, AClickThatLeavesTheReceiveCellCurrentKeepsItsEditorOpen)
{
    DoubleClick(1, 1);
    Type(S("14"));
    QTest::mouseClick(G()->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    Settle();
    EXPECT_EQ(OpenEditor(window.get()), S("TextFreRx"));
    EXPECT_EQ(Text("TextFreRx")->text(), S("14"));
    EXPECT_EQ(Bytes(Channel(1)->RxFrequency), QByteArray("044000000"));

    // The same click with the name editor open commits and closes it.
    DoubleClick(1, 3); // commits the receive text first (14 MHz lies in no band)
    Type(S("N"));
    QTest::mouseClick(G()->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    Settle();
    EXPECT_EQ(OpenEditor(window.get()), QString());
    EXPECT_EQ(Channel(1)->Name.toByteArray(), QByteArray("N     "));
}

TEST_F(EditTest, TheEditColumnOpensTheChannelDialogForTheRowsNumber)
{
    int shown = 0;
    int channel = 0;
    int column = 0;
    Hooks().ShowFrmCHEdit = [&] {
        ++shown;
        channel = State().CurChannelNo;
        column = State().CurEditCol;
    };
    DoubleClick(1, 3);
    Type(S("Q"));
    DoubleClick(5, 11); // a row without a channel
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(channel, 5);
    EXPECT_EQ(column, 11);
    EXPECT_EQ(Channel(1)->Name.toByteArray(), QByteArray("Q     ")); // the open editor was committed first
    EXPECT_EQ(OpenEditor(window.get()), QString());
    // Enter on the cell does the same; so does the edit-channel menu command.
    Press(Qt::Key_Return);
    grids->MSFlexGrid1_DblClick(0);
    EXPECT_EQ(shown, 3);
}

TEST_F(EditTest, TheRelationAndFillerColumnsOpenNothing)
{
    G()->setFocus();
    G()->setRow(1);
    G()->setCol(6);
    Press(Qt::Key_Return);
    EXPECT_EQ(OpenEditor(window.get()), QString());
    G()->setCol(12);
    grids->MSFlexGrid1_DblClick(0);
    EXPECT_EQ(OpenEditor(window.get()), QString());
    EXPECT_EQ(State().CurEditCol, 12);
}

TEST_F(EditTest, KeyMovesStayOnTheColumnsThatAreSeen)
{
    // End and Ctrl+End stop at ">>", never on the empty filler column; the arrows pass over the
    // relation column that is never seen.
    G()->setFocus();
    G()->setRow(1);
    G()->setCol(5);
    Press(Qt::Key_Right);
    EXPECT_EQ(G()->Col(), 7);
    Press(Qt::Key_Left);
    EXPECT_EQ(G()->Col(), 5);
    Press(Qt::Key_End);
    EXPECT_EQ(G()->Col(), 11);
    Press(Qt::Key_Right);
    EXPECT_EQ(G()->Col(), 11);
    G()->setCol(1);
    Press(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(G()->Row(), 206);
    EXPECT_EQ(G()->Col(), 11);
}

TEST_F(EditTest, ListEditorsAreNoTallerThanTheirRow)
{
    const int row = TwipsToPx(G()->RowHeight(1));
    for (const auto &[column, name] : {std::pair{4, "ComboStep"}, {5, "ComboWN"}, {7, "ComboPower"}, {8, "ComboDe_CTC_Type"},
                                       {10, "ComboOptSig"}}) {
        SCOPED_TRACE(name);
        DoubleClick(1, column);
        ASSERT_EQ(OpenEditor(window.get()), S(name));
        EXPECT_LE(Combo(name)->height(), row);
        EXPECT_EQ(Combo(name)->y(), G()->y() + G()->visualRect(G()->model()->index(1, column)).top() +
                                        G()->viewport()->y());
    }
    // The code list that takes the tone type's place keeps its size.
    DoubleClick(1, 8);
    PickWithMouse(Combo("ComboDe_CTC_Type"), CtcDcs);
    ASSERT_EQ(OpenEditor(window.get()), S("ComboDe_CDCSS"));
    EXPECT_LE(Combo("ComboDe_CDCSS")->height(), row);
}

TEST_F(EditTest, EnterOnTheGridOpensTheCurrentCellsEditor)
{
    Click(0, 1, 4);
    Press(Qt::Key_Return);
    EXPECT_EQ(OpenEditor(window.get()), S("ComboStep"));
    // Typing on the grid opens nothing.
    Click(0, 2, 3);
    Type(S("a"));
    EXPECT_EQ(OpenEditor(window.get()), QString());
    // Ctrl+Enter is a line feed, not Enter: it opens nothing either.
    Press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(OpenEditor(window.get()), QString());
}

TEST_F(EditTest, FrequencyEditorsTakeDigitsAndPointsOnlyNineAtMost)
{
    DoubleClick(20, 1);
    TextBox *rx = Text("TextFreRx");
    Type(S("1a4b5.5"));
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, S("\xc3\xa9"));
    QApplication::sendEvent(rx, &accented);
    EXPECT_EQ(rx->text(), S("145.5"));
    Type(S("12345"));
    EXPECT_EQ(rx->text(), S("145.51234")); // the tenth character is refused
    Press(Qt::Key_Backspace);
    EXPECT_EQ(rx->text(), S("145.5123"));
    // Ctrl+V pastes nothing.
    QGuiApplication::clipboard()->setText(S("9"));
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(rx->text(), S("145.5123"));
    Press(Qt::Key_Escape); // no meaning of its own
    EXPECT_EQ(OpenEditor(window.get()), S("TextFreRx"));
}

TEST_F(EditTest, PastingThroughTheContextMenuPassesTheSameRules)
{
    QGuiApplication::clipboard()->setText(S("14x6.0 MHz 123456"));
    DoubleClick(20, 1);
    TextBox *rx = Text("TextFreRx");
    QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(5, 5), rx->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(rx, &menuEvent);
    Settle();
    QMenu *menu = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *m = qobject_cast<QMenu *>(w); m && m->isVisible())
            menu = m;
    ASSERT_NE(menu, nullptr);
    QAction *paste = menu->findChild<QAction *>(S("edit-paste"));
    if (!paste)
        for (QAction *a : menu->actions())
            if (a->objectName() == S("edit-paste"))
                paste = a;
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
    Settle();
    EXPECT_EQ(rx->text(), S("146.01234")); // letters and spaces dropped, cut to nine characters
    Press(Qt::Key_Return);
    ASSERT_NE(Channel(20), nullptr);
    EXPECT_EQ(Bytes(Channel(20)->RxFrequency), QByteArray("014601000")); // on the 2.5 kHz raster
}

TEST_F(EditTest, AWholeTableRedrawClosesAnOpenEditorWithoutStoringIt)
{
    DoubleClick(1, 3);
    Type(S("LOST"));
    // Other data arrive (an opened file, a radio read, a new data set).
    State().ChannelList[0].Name.assign("NEW");
    grids->ReShowListByData();
    EXPECT_EQ(OpenEditor(window.get()), QString());
    Click(0, 2, 5);
    DoubleClick(2, 4);
    EXPECT_EQ(Channel(1)->Name.toByteArray(), QByteArray("NEW   "));
    EXPECT_EQ(G()->TextMatrix(1, 3), S("NEW"));

    // The same for a receive editor on a row without a channel: nothing is created later.
    DoubleClick(40, 1);
    Type(S("440"));
    grids->ReShowListByData();
    Click(0, 41, 5);
    EXPECT_EQ(Channel(40), nullptr);
}

TEST_F(EditTest, CellEntriesDoNothingBeforeTheWindowHasLoaded)
{
    grids->setMainWindowLoaded(false);
    DoubleClick(1, 3);
    Type(S("AB"));
    Click(0, 2, 5); // would commit
    EXPECT_EQ(OpenEditor(window.get()), S("TextName"));
    grids->setMainWindowLoaded(true);
    Click(0, 3, 5);
    EXPECT_EQ(Channel(1)->Name.toByteArray(), QByteArray("AB    "));
}

} // namespace
} // namespace gridtest
