#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDropEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QWidget>
#include <gtest/gtest.h>

#include "common/ui_steps.h"
#include "platform/form_kit.h"

namespace {

QString S(const char *text) { return QString::fromLatin1(text); }

using testenv::Activate;
using testenv::Settle;

void Key(QWidget *target, int key, const QString &text = QString(), Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(target, &release);
}

void Type(QWidget *target, const QString &text)
{
    for (const QChar c : text)
        Key(target, c.toUpper().unicode(), QString(c));
}

// ---- ComboBox ----

TEST(ComboBoxTest, FillingLeavesNothingSelectedAndRaisesNoClick)
{
    ComboBox combo;
    int clicks = 0;
    QObject::connect(&combo, &ComboBox::Click, [&] { ++clicks; });
    combo.AddItem(S("a"));
    combo.AddItem(S("b"));
    combo.AddItem(S("c"), 0);
    EXPECT_EQ(combo.ListIndex(), -1); // QComboBox would show item 0
    EXPECT_EQ(combo.Text(), QString());
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(combo.ListCount(), 3);
    EXPECT_EQ(combo.List(0), S("c"));
    EXPECT_EQ(combo.List(3), QString());
    EXPECT_EQ(combo.List(-1), QString());
}

TEST(ComboBoxTest, SettingListIndexFromCodeClicksOncePerChange)
{
    ComboBox combo;
    for (const char *t : {"10", "20", "30"})
        combo.AddItem(S(t));
    int clicks = 0;
    int indexSeen = -2;
    QObject::connect(&combo, &ComboBox::Click, [&] {
        ++clicks;
        indexSeen = combo.ListIndex();
    });
    combo.setListIndex(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(indexSeen, 1); // the handler already sees the new index
    combo.setListIndex(1);
    EXPECT_EQ(clicks, 1);
    combo.setListIndex(5); // outside the list: nothing
    combo.setListIndex(-2);
    EXPECT_EQ(combo.ListIndex(), 1);
    EXPECT_EQ(clicks, 1);
    combo.setText(S("30"));
    EXPECT_EQ(combo.ListIndex(), 2);
    EXPECT_EQ(clicks, 2);
    combo.setText(S("99"));
    EXPECT_EQ(combo.ListIndex(), 2);
    combo.setListIndex(-1);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(combo.Text(), QString());
}

TEST(ComboBoxTest, UserChoiceClicksToo)
{
    QWidget window;
    ComboBox *combo = new ComboBox(&window);
    for (const char *t : {"a", "b", "c"})
        combo->AddItem(S(t));
    combo->setListIndex(0);
    int clicks = 0;
    QObject::connect(combo, &ComboBox::Click, [&] { ++clicks; });
    Activate(&window);
    combo->setFocus();
    Key(combo, Qt::Key_Down);
    EXPECT_EQ(combo->ListIndex(), 1);
    EXPECT_EQ(clicks, 1);
}

TEST(ComboBoxTest, AddingAroundASelectionKeepsItAndClearEmptiesSilently)
{
    ComboBox combo;
    for (const char *t : {"a", "b", "c"})
        combo.AddItem(S(t));
    combo.setListIndex(1);
    int clicks = 0;
    QObject::connect(&combo, &ComboBox::Click, [&] { ++clicks; });
    combo.AddItem(S("z"), 0);
    EXPECT_EQ(combo.Text(), S("b"));
    combo.RemoveItem(0);
    EXPECT_EQ(combo.Text(), S("b"));
    combo.setList(1, S("B"));
    EXPECT_EQ(combo.Text(), S("B"));
    combo.RemoveItem(1); // the selected one: nothing selected, QComboBox would pick a neighbour
    EXPECT_EQ(combo.ListIndex(), -1);
    combo.setListIndex(0);
    EXPECT_EQ(clicks, 1);
    combo.Clear();
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(combo.ListCount(), 0);
    EXPECT_EQ(clicks, 1);
}

TEST(ComboBoxTest, EditableBoxKeepsItsTextWhileFilled)
{
    ComboBox combo;
    combo.setEditable(true);
    combo.setText(S("70"));
    combo.AddItem(S("60"));
    combo.AddItem(S("80"));
    EXPECT_EQ(combo.Text(), S("70"));
    EXPECT_EQ(combo.ListIndex(), -1);
    combo.Clear();
    EXPECT_EQ(combo.Text(), QString());
}

// ---- TextBox ----

TEST(TextBoxTest, MaxLengthLimitsTypingOnlyNotTheProgram)
{
    TextBox box;
    box.setMaxLength(9);
    box.setText(S("145.1234567")); // 11 characters: QLineEdit::setMaxLength would cut it
    EXPECT_EQ(box.text(), S("145.1234567"));
    box.end(false);
    Type(&box, S("8"));
    EXPECT_EQ(box.text(), S("145.1234567")); // longer than the limit: typing refused
    box.setText(S("1234567"));
    box.end(false);
    Type(&box, S("89x"));
    EXPECT_EQ(box.text(), S("123456789"));
    box.setSelection(0, 3);
    Type(&box, S("0"));                     // replacing a selection fits
    EXPECT_EQ(box.text(), S("0456789"));
    Key(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), S("456789"));
}

TEST(TextBoxTest, CharRuleAppliesToEveryWayOfEnteringText)
{
    // Typing, the paste key, the context menu's paste, a drop from elsewhere, an input method.
    TextBox box;
    box.setCharRule(TextBox::OnlyChars(S("0123456789*#")));
    QGuiApplication::clipboard()->setText(S("x*9"));

    Type(&box, S("x*9"));
    EXPECT_EQ(box.text(), S("*9"));

    box.clear();
    Key(&box, Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
    EXPECT_EQ(box.text(), S("*9"));

    box.clear();
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(1, 1), QPoint(1, 1));
    QApplication::sendEvent(&box, &menuEvent);
    QMenu *menu = box.findChild<QMenu *>();
    ASSERT_NE(menu, nullptr);
    QAction *paste = nullptr;
    for (QAction *a : menu->actions())
        if (a->objectName() == S("edit-paste"))
            paste = a;
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    EXPECT_EQ(box.text(), S("*9"));
    menu->close();

    box.clear();
    QMimeData mime;
    mime.setText(S("x*9"));
    QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &enter); // a drop is delivered only after an accepted enter
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &drop);
    EXPECT_EQ(box.text(), S("*9"));

    box.clear();
    QInputMethodEvent ime;
    ime.setCommitString(S("x*9"));
    QApplication::sendEvent(&box, &ime);
    EXPECT_EQ(box.text(), S("*9"));

    box.setText(S("abc")); // the program's own text is not filtered
    EXPECT_EQ(box.text(), S("abc"));
}

TEST(TextBoxTest, PastedTextIsCutToTheRoomLeft)
{
    TextBox box;
    box.setMaxLength(6);
    box.setText(S("1234"));
    box.end(false);
    QGuiApplication::clipboard()->setText(S("56789"));
    Key(&box, Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
    EXPECT_EQ(box.text(), S("123456"));
}

TEST(TextBoxTest, ARuleMayChangeTheCharacter)
{
    TextBox box;
    box.setCharRule([](QChar c) { return c == u'a' ? QChar(u'A') : (c.isDigit() ? c : QChar()); });
    Type(&box, S("1a2b"));
    EXPECT_EQ(box.text(), S("1A2"));
}

TEST(TextBoxTest, BlockedClipboardKeysDoNothing)
{
    TextBox box;
    box.setClipboardKeysBlocked(true);
    QGuiApplication::clipboard()->setText(S("555"));
    box.setText(S("12"));
    Key(&box, Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
    box.selectAll();
    Key(&box, Qt::Key_X, QString(QChar(24)), Qt::ControlModifier);
    EXPECT_EQ(box.text(), S("12"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), S("555"));
}

class FocusTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        first = new TextBox(&window);
        second = new TextBox(&window);
        first->setObjectName(S("first"));
        second->setObjectName(S("second"));
        second->move(0, 40);
        Activate(&window);
        first->setFocus(Qt::OtherFocusReason);
        Settle();
        QObject::connect(first, &TextBox::LostFocus, [this] { ++lost; });
    }
    QWidget window;
    TextBox *first = nullptr;
    TextBox *second = nullptr;
    int lost = 0;
};

TEST_F(FocusTest, LostFocusRunsForAnotherControlOfTheWindow)
{
    ASSERT_TRUE(first->hasFocus());
    second->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(lost, 1);
}

TEST_F(FocusTest, LostFocusDoesNotRunForAMessageBox)
{
    ASSERT_TRUE(first->hasFocus());
    QMessageBox box(QMessageBox::Warning, S("t"), S("m"), QMessageBox::Ok);
    Activate(&box);
    ASSERT_FALSE(first->hasFocus());
    EXPECT_EQ(lost, 0);
    box.close();
    Activate(&window);
    EXPECT_TRUE(first->hasFocus());
    second->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(lost, 1);
}

TEST_F(FocusTest, LostFocusDoesNotRunForAPopup)
{
    ASSERT_TRUE(first->hasFocus());
    QMenu menu;
    menu.addAction(S("x"));
    menu.popup(QPoint(10, 10));
    Settle();
    QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason); // what a popup sends, also when the
    QApplication::sendEvent(first, &out);                    // platform gives it no focus
    EXPECT_EQ(lost, 0);
    menu.close();
    Settle();
    EXPECT_EQ(lost, 0);
}

TEST_F(FocusTest, FocusByMouseSelectsTheWholeText)
{
    second->setText(S("145.12500"));
    second->setFocus(Qt::MouseFocusReason); // QLineEdit selects only on Tab
    EXPECT_FALSE(second->hasSelectedText()); // deferred
    Settle();
    EXPECT_EQ(second->selectedText(), S("145.12500"));
}

TEST_F(FocusTest, EnterMovesToTheNextControlAfterReturnPressed)
{
    first->setEnterMovesNext(true);
    bool returnSeen = false;
    QObject::connect(first, &QLineEdit::returnPressed, [&] {
        returnSeen = true;
        EXPECT_TRUE(first->hasFocus()); // the handler runs before the move
    });
    Key(first, Qt::Key_Return, S("\r"));
    EXPECT_TRUE(returnSeen);
    Settle();
    EXPECT_TRUE(second->hasFocus());
    EXPECT_EQ(lost, 1);
    // Without the flag Enter leaves the focus where it is.
    Key(second, Qt::Key_Return, S("\r"));
    Settle();
    EXPECT_TRUE(second->hasFocus());
}

TEST_F(FocusTest, ABoxTheFocusNeverReachedDoesNotLoseIt)
{
    // A leave check that refuses: the focus goes back to the box it was leaving.
    QObject::connect(first, &TextBox::LostFocus, first, [this] { first->setFocus(Qt::OtherFocusReason); });
    int secondGot = 0;
    int secondLost = 0;
    QObject::connect(second, &TextBox::GotFocus, [&] { ++secondGot; });
    QObject::connect(second, &TextBox::LostFocus, [&] { ++secondLost; });
    second->setFocus(Qt::MouseFocusReason);
    Settle();
    EXPECT_EQ(lost, 1);
    EXPECT_TRUE(first->hasFocus());
    EXPECT_EQ(secondGot, 0);
    EXPECT_EQ(secondLost, 0);
}

TEST_F(FocusTest, ARefusedLeaveHoldsTheFocusForTheRestOfTheAction)
{
    QObject::connect(first, &TextBox::LostFocus, first, [this] { first->RefuseLeave(); });
    int secondLost = 0;
    QObject::connect(second, &TextBox::LostFocus, [&] { ++secondLost; });
    second->setFocus(Qt::MouseFocusReason); // the user's click, refused
    second->setFocus(Qt::OtherFocusReason); // what the program does next in the same action
    EXPECT_EQ(lost, 1);
    EXPECT_TRUE(first->hasFocus());
    Settle(); // the action is over: the next move runs the check again
    second->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(lost, 2);
    EXPECT_TRUE(first->hasFocus());
    EXPECT_EQ(secondLost, 0);
}

TEST_F(FocusTest, AHiddenCellEditorHandsTheFocusToItsGrid)
{
    // first stands for the grid, second for the box next in the tab order after the editor.
    auto *editor = new TextBox(&window);
    QWidget::setTabOrder(first, editor);
    QWidget::setTabOrder(editor, second);
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
    Settle();
    ASSERT_TRUE(editor->hasFocus());
    int secondGot = 0;
    int secondLost = 0;
    QObject::connect(second, &TextBox::GotFocus, [&] { ++secondGot; });
    QObject::connect(second, &TextBox::LostFocus, [&] { ++secondLost; });
    HideCellEditor(editor, first);
    Settle();
    EXPECT_TRUE(editor->isHidden());
    EXPECT_TRUE(first->hasFocus());
    EXPECT_EQ(secondGot, 0);
    EXPECT_EQ(secondLost, 0);
    // An editor without the focus is put away without moving it.
    editor->show();
    second->setFocus(Qt::TabFocusReason);
    Settle();
    HideCellEditor(editor, first);
    EXPECT_TRUE(editor->isHidden());
    EXPECT_TRUE(second->hasFocus());
}

// ---- Check boxes ----

TEST(CheckValueTest, GreyIsTwoBothWays)
{
    QCheckBox box;
    SetCheckValue(&box, 2);
    EXPECT_EQ(box.checkState(), Qt::PartiallyChecked); // Qt's 1
    EXPECT_EQ(CheckValue(&box), 2);
    SetCheckValue(&box, 1);
    EXPECT_EQ(box.checkState(), Qt::Checked); // Qt's 2
    EXPECT_EQ(CheckValue(&box), 1);
    SetCheckValue(&box, 0);
    EXPECT_EQ(CheckValue(&box), 0);
    SetCheckValue(&box, 7);
    EXPECT_EQ(CheckValue(&box), 0);
}

TEST(CheckValueTest, UserClicksNeverMakeItGrey)
{
    QCheckBox box;
    SetCheckValue(&box, 2);
    box.click();
    EXPECT_EQ(CheckValue(&box), 1);
    box.click();
    EXPECT_EQ(CheckValue(&box), 0);
    box.click();
    EXPECT_EQ(CheckValue(&box), 1);
    SetCheckValue(&box, 0);
    box.click();
    EXPECT_EQ(CheckValue(&box), 1);
}

// ---- Geometry ----

TEST(TwipsTest, FifteenTwipsAPixel)
{
    EXPECT_EQ(TwipsToPx(1500), 100);
    EXPECT_EQ(TwipsToPx(100), 7); // 6.67
    EXPECT_EQ(TwipsToPx(50), 3);  // 3.33
    EXPECT_EQ(TwipsToPx(7.5), 0); // a half goes to the even pixel
    EXPECT_EQ(TwipsToPx(22.5), 2);
    EXPECT_EQ(PxToTwips(7), 105);
    QWidget w;
    SetGeometryTwips(&w, 120, 840, 9375, 6855);
    EXPECT_EQ(w.geometry(), QRect(8, 56, 625, 457));
}

TEST(TwipsTest, CaptionLabelEndsTheGapLeftOfItsControl)
{
    QWidget window;
    QLabel *label = new QLabel(S("RX"), &window);
    QWidget *control = new QWidget(&window);
    label->setGeometry(0, 20, 60, 18);
    control->setGeometry(200, 20, 80, 20);
    PlaceCaptionLabel(label, control, 100);
    EXPECT_EQ(label->geometry(), QRect(200 - 60 - 7, 20, 60, 18));
    EXPECT_TRUE(label->alignment() & Qt::AlignRight);

    QWidget *frame = new QWidget(&window); // control inside a frame, label outside it
    frame->setGeometry(50, 100, 300, 100);
    control->setParent(frame);
    control->move(100, 10);
    PlaceCaptionLabel(label, control, 30);
    EXPECT_EQ(label->x(), 150 - 60 - 2);
}

// ---- Control arrays ----

TEST(ControlArrayTest, ElementsAreFoundByNameAndIndex)
{
    QWidget window;
    TextBox *t5 = new TextBox(&window);
    SetArrayName(t5, S("Text1"), 5);
    TextBox *t0 = new TextBox(&window);
    SetArrayName(t0, S("Text1"), 0);
    TextBox *other = new TextBox(&window);
    SetArrayName(other, S("Text10"), 1);
    QWidget *frame = new QWidget(&window);
    ComboBox *c = new ComboBox(frame);
    SetArrayName(c, S("Combo1"), 12);

    EXPECT_EQ(t5->objectName(), S("Text1(5)"));
    EXPECT_EQ(FindArrayElement<TextBox>(&window, S("Text1"), 5), t5);
    EXPECT_EQ(FindArrayElement<TextBox>(&window, S("Text1"), 1), nullptr);
    EXPECT_EQ(FindArrayElement<ComboBox>(&window, S("Combo1"), 12), c);
    EXPECT_EQ(ArrayIndex(t5), 5);
    EXPECT_EQ(ArrayBaseName(other), S("Text10"));
    QLabel plain;
    plain.setObjectName(S("Label1"));
    EXPECT_EQ(ArrayIndex(&plain), -1);
    EXPECT_EQ(ArrayBaseName(&plain), S("Label1"));
    for (const char *bad : {"Text1()", "Text1(x)", "(3)", "Text1(3", "Text1(-1)"}) {
        plain.setObjectName(S(bad));
        EXPECT_EQ(ArrayIndex(&plain), -1) << bad;
    }

    const QMap<int, TextBox *> array = FindArray<TextBox>(&window, S("Text1"));
    ASSERT_EQ(array.size(), 2);
    EXPECT_EQ(array.firstKey(), 0);
    EXPECT_EQ(array.first(), t0);
    EXPECT_EQ(array.last(), t5);
}

} // namespace
