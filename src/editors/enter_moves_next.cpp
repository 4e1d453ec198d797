#include "editors/enter_moves_next.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {

class EnterMovesNextFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                !(key->modifiers() & ~Qt::KeypadModifier)) {
                QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
                QCoreApplication::sendEvent(watched, &tab);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void MoveOnWithEnter(QWidget *control)
{
    control->installEventFilter(new EnterMovesNextFilter(control));
}
