#include "platform/form_kit.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QSignalBlocker>
#include <QTimer>
#include <utility>

#include "platform/numbers.h"

// ---- Geometry ----

int TwipsToPx(double twips)
{
    return static_cast<int>(CInt(twips / kTwipsPerPixel));
}

void SetGeometryTwips(QWidget *widget, double left, double top, double width, double height)
{
    widget->setGeometry(TwipsToPx(left), TwipsToPx(top), TwipsToPx(width), TwipsToPx(height));
}

void PlaceCaptionLabel(QLabel *label, const QWidget *control, int gapTwips)
{
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    int controlLeft = control->x();
    QWidget *labelParent = label->parentWidget();
    const QWidget *controlParent = control->parentWidget();
    if (labelParent != controlParent && labelParent && controlParent)
        controlLeft = labelParent->mapFromGlobal(controlParent->mapToGlobal(control->pos())).x();
    label->move(controlLeft - label->width() - TwipsToPx(gapTwips), label->y());
}

// ---- Control arrays ----

QString ArrayName(const QString &name, int index)
{
    return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

void SetArrayName(QObject *element, const QString &name, int index)
{
    element->setObjectName(ArrayName(name, index));
}

namespace {
// Splits "Name(index)"; false for any other form.
bool SplitArrayName(const QString &full, QString &name, int &index)
{
    const qsizetype open = full.lastIndexOf(QLatin1Char('('));
    if (open <= 0 || !full.endsWith(QLatin1Char(')')))
        return false;
    const QStringView digits = QStringView(full).mid(open + 1, full.size() - open - 2);
    if (digits.isEmpty() || digits.size() > 9)
        return false;
    for (const QChar c : digits)
        if (c < u'0' || c > u'9')
            return false;
    name = full.left(open);
    index = digits.toInt();
    return true;
}
} // namespace

int ArrayIndex(const QObject *element)
{
    QString name;
    int index = -1;
    return element && SplitArrayName(element->objectName(), name, index) ? index : -1;
}

QString ArrayBaseName(const QObject *element)
{
    if (!element)
        return QString();
    QString name;
    int index = -1;
    return SplitArrayName(element->objectName(), name, index) ? name : element->objectName();
}

// ---- Check boxes ----

int CheckValue(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

void SetCheckValue(QCheckBox *box, int value)
{
    static const char *const kHooked = "torvaCheckValueHooked";
    if (!box->property(kHooked).toBool()) {
        box->setProperty(kHooked, true);
        // Leaving grey (by the user's click or the program) ends the three-state cycle.
        QObject::connect(box, &QCheckBox::stateChanged, box, [box](int state) {
            if (state != Qt::PartiallyChecked)
                box->setTristate(false);
        });
    }
    if (value == 2) {
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
    } else {
        box->setCheckState(value == 1 ? Qt::Checked : Qt::Unchecked);
        box->setTristate(false);
    }
}

// ---- ComboBox ----

ComboBox::ComboBox(QWidget *parent) : QComboBox(parent)
{
    // The list's own changes run with signals blocked, so every change that gets here is one
    // of ListIndex, by the user or the program.
    connect(this, &QComboBox::currentIndexChanged, this, &ComboBox::Click);
}

void ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= count())
        return;
    setCurrentIndex(index);
}

void ComboBox::setText(const QString &text)
{
    if (isEditable()) {
        setEditText(text);
        return;
    }
    const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        setListIndex(index);
}

QString ComboBox::List(int index) const
{
    return index >= 0 && index < count() ? itemText(index) : QString();
}

void ComboBox::setList(int index, const QString &text)
{
    if (index >= 0 && index < count())
        setItemText(index, text);
}

void ComboBox::AddItem(const QString &text, int index)
{
    const int selected = currentIndex();
    const QString editText = isEditable() ? currentText() : QString();
    const QSignalBlocker blocker(this);
    insertItem(index < 0 || index > count() ? count() : index, text);
    if (selected < 0)
        setCurrentIndex(-1);
    if (isEditable())
        setEditText(editText);
}

void ComboBox::RemoveItem(int index)
{
    if (index < 0 || index >= count())
        return;
    const int selected = currentIndex();
    const QString editText = isEditable() ? currentText() : QString();
    const QSignalBlocker blocker(this);
    removeItem(index);
    if (index == selected)
        setCurrentIndex(-1);
    if (isEditable())
        setEditText(editText);
}

void ComboBox::Clear()
{
    const QSignalBlocker blocker(this);
    clear();
    if (isEditable())
        clearEditText();
}

// ---- TextBox ----

TextBox::CharRule TextBox::OnlyChars(const QString &allowed)
{
    return [allowed](QChar c) { return allowed.contains(c) ? c : QChar(); };
}

TextBox::TextBox(QWidget *parent) : QLineEdit(parent) {}

QString TextBox::Filtered(const QString &text) const
{
    if (!rule_)
        return text;
    QString out;
    for (const QChar c : text) {
        const QChar taken = rule_(c);
        if (!taken.isNull())
            out.append(taken);
    }
    return out;
}

int TextBox::Room(int replaced) const
{
    if (maxLength_ <= 0)
        return INT_MAX;
    const int room = maxLength_ - (static_cast<int>(text().size()) - replaced);
    return room < 0 ? 0 : room;
}

QString TextBox::EnterText(const QString &text)
{
    if (isReadOnly())
        return QString();
    QString entered = Filtered(text);
    entered.truncate(std::min<qsizetype>(entered.size(), Room(static_cast<int>(selectedText().size()))));
    if (!entered.isEmpty())
        insert(entered);
    return entered;
}

namespace {
// What QLineEdit takes as typed text (the rule of its own input control): printable characters
// and format characters, not the Ctrl and Ctrl+Shift chords.
bool IsTypedText(const QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty())
        return false;
    const QChar c = text.at(0);
    if (c.category() == QChar::Other_Format)
        return true;
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (mods == Qt::ControlModifier || mods == (Qt::ShiftModifier | Qt::ControlModifier))
        return false;
    return c.isPrint() || c.category() == QChar::Other_PrivateUse ||
           (c.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate());
}

// Focus reasons that belong to another window or a popup, not to a move inside the window.
bool IsOutsideReason(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}
} // namespace

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const bool clipboardKey = event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
                              event->matches(QKeySequence::Paste);
    if (clipboardKey && clipboardKeysBlocked_) {
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        EnterText(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && enterMovesNext_) {
        QLineEdit::keyPressEvent(event); // returnPressed and editingFinished first
        event->accept();
        // As a queued Tab keystroke: it goes to whatever has the focus once the handlers ran.
        QTimer::singleShot(0, this, [this] {
            QWidget *target = QApplication::focusWidget();
            if (!target || target->window() != window())
                target = window()->focusWidget();
            if (!target)
                target = this;
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(target, &tab);
        });
        return;
    }
    if (IsTypedText(event)) {
        EnterText(event->text());
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (isReadOnly() || event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QString commit = Filtered(event->commitString());
    commit.truncate(std::min<qsizetype>(
        commit.size(), Room(static_cast<int>(selectedText().size()) + event->replacementLength())));
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(commit, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
    event->setAccepted(filtered.isAccepted());
}

void TextBox::dropEvent(QDropEvent *event)
{
    // A move or copy inside the box brings in nothing new; anything else passes rule and room.
    if (isReadOnly() || !event->mimeData()->hasText() || event->source() == this) {
        QLineEdit::dropEvent(event);
        return;
    }
    QString text = Filtered(event->mimeData()->text());
    text.truncate(std::min<qsizetype>(text.size(), Room(0)));
    if (text.isEmpty()) {
        event->ignore();
        return;
    }
    QMimeData mime;
    mime.setText(text);
    QDropEvent filtered(event->position(), event->possibleActions(), &mime, event->buttons(), event->modifiers(),
                        event->type());
    filtered.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&filtered);
    event->setDropAction(filtered.dropAction());
    event->setAccepted(filtered.isAccepted());
}

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    // The X11 selection pasted by the middle button.
    if (event->button() == Qt::MiddleButton && !isReadOnly() && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        EnterText(QGuiApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TextBox::contextMenuEvent(QContextMenuEvent *event)
{
    if (contextMenuPolicy() != Qt::DefaultContextMenu) {
        event->ignore();
        return;
    }
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The standard menu's paste action is the one wired to QLineEdit::paste (its text is
    // translated, so it is found by that connection); it is rewired to enter filtered text.
    for (QAction *action : menu->actions()) {
        const bool wasPaste = QObject::disconnect(action, &QAction::triggered, this, &QLineEdit::paste) ||
                              QObject::disconnect(action, SIGNAL(triggered()), this, SLOT(paste()));
        if (wasPaste) {
            action->setObjectName(QStringLiteral("edit-paste"));
            connect(action, &QAction::triggered, this, [this] { EnterText(QGuiApplication::clipboard()->text()); });
        }
    }
    menu->popup(event->globalPos());
}

void TextBox::focusInEvent(QFocusEvent *event)
{
    hasFocus_ = true;
    QLineEdit::focusInEvent(event);
    if (IsOutsideReason(event->reason()))
        return;
    if (selectOnFocus_) {
        QTimer::singleShot(0, this, [this] {
            if (hasFocus())
                selectAll();
        });
    }
    emit GotFocus();
}

void TextBox::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (IsOutsideReason(event->reason()))
        return;
    // Cleared before the handlers run: one that takes the focus back sets it again.
    if (!std::exchange(hasFocus_, false))
        return;
    // By now the application's focus widget is the one that takes the focus.
    const QWidget *next = QApplication::focusWidget();
    if (!next || next == this || next->window() != window())
        return;
    if (holdingFocus_) {
        setFocus(Qt::OtherFocusReason);
        return;
    }
    emit LostFocus();
}

void TextBox::RefuseLeave()
{
    holdingFocus_ = true;
    setFocus(Qt::OtherFocusReason);
    // A zero timer runs once the action that moved the focus has been handled (after the message
    // box that told the user why, which has its own event loop, has closed).
    QTimer::singleShot(0, this, [this] { holdingFocus_ = false; });
}

// ---- In-place editors ----

void HideCellEditor(QWidget *editor, QWidget *grid)
{
    if (auto *combo = qobject_cast<QComboBox *>(editor); combo && combo->view()->isVisible())
        combo->hidePopup();
    const QWidget *focus = QApplication::focusWidget();
    if (grid && focus && (focus == editor || editor->isAncestorOf(focus)))
        grid->setFocus(Qt::OtherFocusReason);
    editor->hide();
}
