#include "platform/dialog_routines.h"

#include "platform/form_kit.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QMouseEvent>

namespace {

int IndexOfItem(const QComboBox *combo, const QString &text)
{
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemText(i) == text)
            return i;
    return -1;
}

// One guard object per guarded box, owned by the box, so that it goes with the box and a restore
// finds it again by name. Swallows the right button and the context menu that the mouse opens.
class RightClickGuard : public QObject {
public:
    explicit RightClickGuard(QObject *box) : QObject(box) { setObjectName(QLatin1String(kName)); }
    static constexpr const char *kName = "RightClickGuard";

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return static_cast<QMouseEvent *>(event)->button() == Qt::RightButton;
        case QEvent::ContextMenu:
            return static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Mouse;
        default:
            return false;
        }
    }
};

RightClickGuard *GuardOf(const QWidget *box)
{
    if (!box)
        return nullptr;
    return dynamic_cast<RightClickGuard *>(
        box->findChild<QObject *>(QLatin1String(RightClickGuard::kName), Qt::FindDirectChildrenOnly));
}

} // namespace

QString FindComboItem(const QComboBox *combo, const QString &text)
{
    if (!combo || combo->count() == 0)
        return QString();
    const int i = IndexOfItem(combo, text);
    return combo->itemText(i < 0 ? 0 : i);
}

QString ComboItemAt(const QComboBox *combo, int index)
{
    if (!combo || combo->count() == 0)
        return QString();
    return combo->itemText(index >= 0 && index < combo->count() ? index : 0);
}

void AddComboItemOnce(ComboBox *combo, const QString &text)
{
    if (combo && IndexOfItem(combo, text) < 0)
        combo->AddItem(text);
}

int FindComboIndex(const QComboBox *combo, const QString &text, int def)
{
    if (!combo || combo->count() == 0 || text.isEmpty())
        return def;
    const int i = IndexOfItem(combo, text);
    return i < 0 ? 0 : i;
}

bool SetButtonCaption(QWidget *form, const QString &name, const QString &caption)
{
    auto *button = form ? form->findChild<QAbstractButton *>(name) : nullptr;
    if (!button)
        return false;
    button->setText(caption);
    return true;
}

void RidTextMenu(QWidget *textBox)
{
    if (!textBox || GuardOf(textBox))
        return;
    textBox->installEventFilter(new RightClickGuard(textBox));
}

void RestoreTextMenu(QWidget *textBox)
{
    RightClickGuard *guard = GuardOf(textBox);
    if (!guard)
        return;
    textBox->removeEventFilter(guard);
    delete guard;
}
