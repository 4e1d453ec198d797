#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>
#include <gtest/gtest.h>

#include "platform/dialog_routines.h"
#include "platform/form_kit.h"

namespace {

ComboBox *MakeCombo(QWidget *parent, const QStringList &items)
{
    auto *combo = new ComboBox(parent);
    for (const QString &item : items)
        combo->AddItem(item);
    return combo;
}

TEST(ComboRoutines, LookupsFallBackToTheFirstItem)
{
    QWidget form;
    ComboBox *ab = MakeCombo(&form, {QStringLiteral("A"), QStringLiteral("B")});
    ComboBox *empty = MakeCombo(&form, {});

    EXPECT_EQ(FindComboItem(ab, QStringLiteral("B")), QStringLiteral("B"));
    EXPECT_EQ(FindComboItem(ab, QStringLiteral("C")), QStringLiteral("A"));
    EXPECT_EQ(FindComboItem(ab, QStringLiteral("b")), QStringLiteral("A")); // case-sensitive
    EXPECT_EQ(FindComboItem(empty, QStringLiteral("A")), QString());

    const std::pair<int, const char *> at[] = {{0, "A"}, {1, "B"}, {-1, "A"}, {2, "A"}, {100, "A"}};
    for (const auto &[index, item] : at)
        EXPECT_EQ(ComboItemAt(ab, index), QString::fromLatin1(item)) << index;
    EXPECT_EQ(ComboItemAt(empty, 0), QString());

    EXPECT_EQ(FindComboIndex(ab, QStringLiteral("B"), 9), 1);
    EXPECT_EQ(FindComboIndex(ab, QString(), 9), 9);
    EXPECT_EQ(FindComboIndex(ab, QStringLiteral("C"), 9), 0);
    EXPECT_EQ(FindComboIndex(empty, QStringLiteral("A"), 9), 9);
}

TEST(ComboRoutines, AddOnceKeepsTheSelectionAndSignalsNothing)
{
    QWidget form;
    ComboBox *empty = MakeCombo(&form, {});
    int changes = 0;
    QObject::connect(empty, &ComboBox::Click, [&changes] { ++changes; });
    AddComboItemOnce(empty, QStringLiteral("x"));
    AddComboItemOnce(empty, QStringLiteral("y"));
    AddComboItemOnce(empty, QStringLiteral("x"));
    EXPECT_EQ(empty->count(), 2);
    EXPECT_EQ(empty->itemText(1), QStringLiteral("y"));
    EXPECT_EQ(empty->currentIndex(), -1); // still nothing selected
    EXPECT_EQ(changes, 0);

    ComboBox *chosen = MakeCombo(&form, {QStringLiteral("a"), QStringLiteral("b")});
    chosen->setListIndex(1);
    AddComboItemOnce(chosen, QStringLiteral("c"));
    EXPECT_EQ(chosen->currentIndex(), 1);
    EXPECT_EQ(chosen->count(), 3);
}

// A text box that notes which events reach its own handlers.
class NotingLineEdit : public QLineEdit {
public:
    QStringList seen;

protected:
    void mousePressEvent(QMouseEvent *e) override
    {
        seen << (e->button() == Qt::RightButton ? QStringLiteral("right press") : QStringLiteral("left press"));
        QLineEdit::mousePressEvent(e);
    }
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::RightButton)
            seen << QStringLiteral("right release");
        QLineEdit::mouseReleaseEvent(e);
    }
    void contextMenuEvent(QContextMenuEvent *e) override
    {
        seen << QStringLiteral("context menu");
        QLineEdit::contextMenuEvent(e);
    }
};

class TextGuardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.resize(300, 100);
        box = new NotingLineEdit;
        box->setParent(&form);
        box->setGeometry(10, 10, 200, 24);
        box->setObjectName(QStringLiteral("Text1"));
        form.show();
        QApplication::processEvents();
    }
    void TearDown() override { CloseMenus(); }

    // A click as the window system delivers it: to the window, which routes it to the box and
    // raises the context menu the platform way.
    void Click(Qt::MouseButton button)
    {
        QWindow *window = form.windowHandle();
        ASSERT_NE(window, nullptr);
        const QPointF local(20, 20);
        const QPointF global = window->mapToGlobal(local);
        QMouseEvent press(QEvent::MouseButtonPress, local, local, global, button, button, Qt::NoModifier);
        QApplication::sendEvent(window, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, local, local, global, button, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window, &release);
        QApplication::processEvents();
    }
    void Type(const QString &text)
    {
        for (QChar c : text) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(box, &key);
        }
    }
    static int OpenMenus()
    {
        int n = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<QMenu *>(w) && w->isVisible())
                ++n;
        return n;
    }
    static void CloseMenus()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<QMenu *>(w))
                w->close();
        QApplication::processEvents();
    }

    QWidget form;
    NotingLineEdit *box = nullptr;
};

TEST_F(TextGuardTest, UnguardedBoxOpensItsMenu)
{
    Click(Qt::RightButton);
    EXPECT_TRUE(box->seen.contains(QStringLiteral("right press")));
    EXPECT_TRUE(box->seen.contains(QStringLiteral("context menu")));
    EXPECT_EQ(OpenMenus(), 1);
}

TEST_F(TextGuardTest, GuardedBoxSwallowsTheRightButton)
{
    RidTextMenu(box);
    Click(Qt::RightButton);
    QContextMenuEvent direct(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    QApplication::sendEvent(box, &direct);
    QApplication::processEvents();
    EXPECT_TRUE(box->seen.isEmpty()) << box->seen.join(QLatin1Char(',')).toStdString();
    EXPECT_EQ(OpenMenus(), 0);

    // Everything else behaves as before.
    Click(Qt::LeftButton);
    EXPECT_EQ(box->seen, QStringList{QStringLiteral("left press")});
    Type(QStringLiteral("ab1"));
    EXPECT_EQ(box->text(), QStringLiteral("ab1"));
    QContextMenuEvent keyboard(QContextMenuEvent::Keyboard, QPoint(5, 5), QPoint(5, 5));
    QApplication::sendEvent(box, &keyboard);
    EXPECT_TRUE(box->seen.contains(QStringLiteral("context menu"))); // the menu key is no mouse button
}

TEST_F(TextGuardTest, RestoreBringsTheMenuBack)
{
    RidTextMenu(box);
    RidTextMenu(box); // twice is once
    RestoreTextMenu(box);
    Click(Qt::RightButton);
    EXPECT_TRUE(box->seen.contains(QStringLiteral("right press")));
    EXPECT_EQ(OpenMenus(), 1);
    CloseMenus();

    RestoreTextMenu(box); // a box that is not guarded is left alone
    box->seen.clear();
    Click(Qt::RightButton);
    EXPECT_TRUE(box->seen.contains(QStringLiteral("context menu")));
}

TEST_F(TextGuardTest, SeveralBoxesAreGuardedAndRestoredEachOnItsOwn)
{
    auto *other = new NotingLineEdit;
    other->setParent(&form);
    other->setGeometry(10, 50, 200, 24);
    other->show();
    RidTextMenu(box);
    RidTextMenu(other);
    RestoreTextMenu(other);
    Click(Qt::RightButton); // on box, still guarded
    EXPECT_TRUE(box->seen.isEmpty());
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    QApplication::sendEvent(other, &menu);
    EXPECT_EQ(other->seen, QStringList{QStringLiteral("context menu")});
}

TEST_F(TextGuardTest, FormKitTextBoxToo)
{
    auto *kitBox = new TextBox(&form);
    kitBox->setGeometry(10, 10, 200, 24); // over the other box, so the click lands on it
    kitBox->show();
    kitBox->raise();
    RidTextMenu(kitBox);
    Click(Qt::RightButton);
    EXPECT_EQ(OpenMenus(), 0);
    RestoreTextMenu(kitBox);
    Click(Qt::RightButton);
    EXPECT_EQ(OpenMenus(), 1);
    EXPECT_TRUE(box->seen.isEmpty()); // every click went to the kit's box
}

TEST(TextGuard, GoesWithItsBox)
{
    auto *box = new QLineEdit;
    RidTextMenu(box);
    delete box; // the guard is owned by the box: nothing dangles, nothing leaks
    RidTextMenu(nullptr);
    RestoreTextMenu(nullptr);
}

} // namespace
