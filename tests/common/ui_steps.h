#pragma once
// What a user does to a window in a headless test: bring it to the front, move the focus, click a
// button, paste through a text box's context menu. Each step runs the pending events before it
// returns.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QString>
#include <QTest>
#include <QWidget>

namespace testenv {

// Runs the events that are waiting (focus changes, zero timers).
inline void Settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// Shows a top-level window as the active one, as the user's desktop would.
inline void Activate(QWidget *window)
{
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    Settle();
}

// Moves the focus inside the window as the user's Tab does.
inline void FocusOn(QWidget *control)
{
    control->setFocus(Qt::TabFocusReason);
    Settle();
}

// Clicks a button with the left mouse button, as the user does.
inline void ClickButton(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
    Settle();
}

// Puts text on the clipboard and pastes it with the box's context menu; false when the menu or its
// paste entry is missing.
inline bool PasteByMenu(QLineEdit *box, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(1, 1), QPoint(1, 1));
    QApplication::sendEvent(box, &menuEvent);
    QMenu *menu = box->findChild<QMenu *>();
    if (!menu)
        return false;
    QAction *paste = nullptr;
    for (QAction *a : menu->actions())
        if (a->objectName() == QLatin1String("edit-paste"))
            paste = a;
    if (paste)
        paste->trigger();
    menu->close();
    Settle();
    return paste != nullptr;
}

} // namespace testenv
