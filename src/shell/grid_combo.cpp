#include "shell/grid_combo.h"

#include <QAbstractItemView>
#include <QKeyEvent>

#include "platform/vb_keys.h"

GridCombo::GridCombo(QWidget *parent) : ComboBox(parent)
{
    // Installed after the list's own container filter, so it sees the keys first.
    view()->installEventFilter(this);
    // The list's window also closes by itself (a click outside it), without hidePopup.
    if (QWidget *container = view()->parentWidget())
        container->installEventFilter(this);
}

void GridCombo::showPopup()
{
    dropped_ = true;
    ComboBox::showPopup();
    // Again in front of the list's own filter, which the list may have put back in front.
    view()->installEventFilter(this);
}

void GridCombo::hidePopup()
{
    dropped_ = false;
    ComboBox::hidePopup();
}

bool GridCombo::RaiseKeyEvents(QKeyEvent *event, int &keyAscii)
{
    int keyCode = VbKeyCode(event);
    if (keyCode != 0) {
        emit KeyDown(keyCode, VbShiftState(event->modifiers()));
        if (keyCode == 0)
            return false;
    }
    keyAscii = VbKeyAscii(event);
    if (keyAscii != 0) {
        emit KeyPress(keyAscii);
        if (keyAscii == 0)
            return false;
    }
    return true;
}

void GridCombo::Step(int delta)
{
    const int index = std::clamp(ListIndex() + delta, 0, ListCount() - 1);
    if (index < 0)
        return;
    setListIndex(index);
    view()->setCurrentIndex(model()->index(index, modelColumn(), rootModelIndex()));
}

namespace {
int ArrowStep(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        return -1;
    case Qt::Key_Down:
    case Qt::Key_Right:
        return 1;
    default:
        return 0;
    }
}
} // namespace

void GridCombo::keyPressEvent(QKeyEvent *event)
{
    int keyAscii = 0;
    if (!RaiseKeyEvents(event, keyAscii)) {
        event->accept();
        return;
    }
    const int step = event->modifiers() & Qt::AltModifier ? 0 : ArrowStep(event->key());
    if (step != 0 && arrowsDropDown_) {
        if (!dropped_)
            showPopup();
        Step(step);
        event->accept();
        return;
    }
    if (keyAscii == 13) { // Enter belongs to the handlers, not to a dialog's default button
        event->accept();
        return;
    }
    ComboBox::keyPressEvent(event);
}

bool GridCombo::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && watched == view()->parentWidget())
        dropped_ = false;
    // Enter in an open list: the list's own filter would take it as a shortcut and close the
    // list before the key arrives; claiming it lets the key come to the handlers below.
    if (watched == view() && event->type() == QEvent::ShortcutOverride && dropped_) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            event->accept();
            return true;
        }
    }
    if (watched == view() && event->type() == QEvent::KeyPress && dropped_) {
        auto *key = static_cast<QKeyEvent *>(event);
        const int step = key->modifiers() & Qt::AltModifier ? 0 : ArrowStep(key->key());
        if (step != 0) {
            int code = VbKeyCode(key);
            emit KeyDown(code, VbShiftState(key->modifiers()));
            if (code != 0)
                Step(step);
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // The highlighted item becomes the selection while the list is still down, the list
            // closes, then the key goes to the handlers as in a closed list.
            const QModelIndex highlighted = view()->currentIndex();
            if (highlighted.isValid())
                setListIndex(highlighted.row());
            hidePopup();
            int keyAscii = 0;
            RaiseKeyEvents(key, keyAscii);
            return true;
        }
    }
    return ComboBox::eventFilter(watched, event);
}
