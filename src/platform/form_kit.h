#pragma once
// The form kit: the few controls and helpers through which every window gets the behaviour its
// controls must have where plain Qt widgets behave differently. Each section says
// which Qt behaviour it corrects. Windows use ComboBox and TextBox instead of QComboBox and
// QLineEdit, and the helpers below for check boxes, twips and control arrays.

#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QObject>
#include <QString>
#include <functional>

class QCheckBox;
class QLabel;
class QWidget;

// ---------------------------------------------------------------------------------------------
// Geometry. Window layouts are given in twips; 15 twips make one logical pixel.
// ---------------------------------------------------------------------------------------------
inline constexpr int kTwipsPerPixel = 15;
// Twips to logical pixels, rounded to the nearest pixel (an exact half to the even pixel).
int TwipsToPx(double twips);
// Logical pixels to twips.
inline int PxToTwips(int px) { return px * kTwipsPerPixel; }
// Sets a widget's geometry from twips (relative to its parent, as QWidget::setGeometry).
void SetGeometryTwips(QWidget *widget, double left, double top, double width, double height);

// Places a caption label left of its control: the label's text is right-aligned and its right
// edge ends gapTwips left of the control's left edge (label left = control left - label width
// - gap). The label keeps its width and top; a label that sizes itself to its text calls
// adjustSize() first. Label and control may have different parents within one window.
void PlaceCaptionLabel(QLabel *label, const QWidget *control, int gapTwips);

// ---------------------------------------------------------------------------------------------
// Control arrays. An element of a control array is named "Name(index)" in its objectName, so
// that tests and the print-out find it by name and index.
// ---------------------------------------------------------------------------------------------
QString ArrayName(const QString &name, int index); // "Text1", 5 -> "Text1(5)"
void SetArrayName(QObject *element, const QString &name, int index);
// The index of an element named "Name(index)", -1 for any other name.
int ArrayIndex(const QObject *element);
// The name without the index ("Text1(5)" -> "Text1"); the whole name when it has no index.
QString ArrayBaseName(const QObject *element);

// The element Name(index) among root's descendants, nullptr when there is none.
template <class T>
T *FindArrayElement(const QObject *root, const QString &name, int index)
{
    return root ? root->findChild<T *>(ArrayName(name, index)) : nullptr;
}

// Every element of the array Name among root's descendants, by index from lowest to highest.
template <class T>
QMap<int, T *> FindArray(const QObject *root, const QString &name)
{
    QMap<int, T *> out;
    if (!root)
        return out;
    for (T *element : root->findChildren<T *>()) {
        const int index = ArrayIndex(element);
        if (index >= 0 && ArrayBaseName(element) == name)
            out.insert(index, element);
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// Check boxes. A check box Value is 0 unchecked, 1 checked, 2 grey; Qt's Qt::CheckState puts
// PartiallyChecked at 1 and Checked at 2, so never cast between them: use these two helpers.
// Grey is a state only the program sets: the user's click on a grey box checks it, and from
// then on clicks toggle between checked and unchecked only (Qt would cycle through grey).
// A window's Check_Click handler connects to QCheckBox::stateChanged, which like the original
// Click runs for the program's changes of the value as well as the user's (clicked does not).
// ---------------------------------------------------------------------------------------------
int CheckValue(const QCheckBox *box);
// Values other than 0, 1 and 2 count as 0.
void SetCheckValue(QCheckBox *box, int value);

// ---------------------------------------------------------------------------------------------
// ComboBox: a drop-down list with list semantics.
// - After filling, nothing is selected (ListIndex -1); QComboBox selects item 0 as soon as the
//   first item is added. AddItem, RemoveItem and Clear run with the signals blocked, keep no
//   item selected that was not selected before, and raise no Click.
// - Click is emitted whenever ListIndex changes, by the program (setListIndex, setText) as well
//   as by the user. Setting ListIndex to the value it already has, or the user's picking the
//   item already shown, emits nothing.
// - RemoveItem of the selected item leaves nothing selected (QComboBox selects a neighbour).
// - An editable box keeps its edit text while items are added (QComboBox replaces it).
// ---------------------------------------------------------------------------------------------
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget *parent = nullptr);

    int ListIndex() const { return currentIndex(); }
    // -1 selects nothing; an index outside -1..ListCount()-1 changes nothing.
    void setListIndex(int index);
    // The selected item's text ("" when none); the edit text of an editable box.
    QString Text() const { return currentText(); }
    // Editable box: sets the edit text, ListIndex unchanged. Drop-down list: selects the first
    // item equal to the text (nothing changes when there is none).
    void setText(const QString &text);
    // Item text; "" outside the list.
    QString List(int index) const;
    // Replaces an item's text (nothing outside the list).
    void setList(int index, const QString &text);
    int ListCount() const { return count(); }
    // Appends the text, or inserts it at index (0..ListCount()).
    void AddItem(const QString &text, int index = -1);
    void RemoveItem(int index);
    // Empties the list: ListIndex -1, an editable box's text "".
    void Clear();

signals:
    void Click();
};

// ---------------------------------------------------------------------------------------------
// TextBox: a one-line text box.
// - MaxLength limits what the user enters only. QLineEdit::setMaxLength also cuts every
//   setText, so a stored value longer than the box would be lost: here setText keeps the whole
//   text. Typing that would make the text longer than MaxLength is refused; pasted, dropped and
//   input-method text is cut to the room that is left.
// - A per-box character rule applies alike to typing, pasting (keys, context menu, middle
//   button), dropping and input-method text, not only to key presses, so no path brings in a
//   character the box does not take. It does not apply to the program's own setText.
// - Getting the focus selects the whole text, also by a mouse click (Qt does it only for Tab),
//   deferred by a zero timer so that the click's own cursor placement does not undo it.
// - With EnterMovesNext, Enter moves the focus on as Tab would, after returnPressed has run.
//   Without it Enter goes on to the window as in QLineEdit (note: a QDialog presses its
//   autoDefault push button then; windows without a default button switch autoDefault off).
// - GotFocus and LostFocus run only when the focus moves between widgets of the same window:
//   not when it goes to or comes back from a message box, another window or a popup menu or
//   list (focusInEvent / focusOutEvent also come for those). LostFocus runs only for a box that
//   had the focus: when a handler takes the focus back while it is on its way to another box
//   (a refused leave check), Qt tells that other box it lost a focus it never had.
// - RefuseLeave is how a LostFocus check that refuses takes the focus back. The box then keeps
//   it until the user's action that moved it is over: the moves the program itself makes in the
//   same action (a grid giving the editor of the clicked cell the focus) are undone without a
//   second run of the check, so one click gives one refusal.
// ---------------------------------------------------------------------------------------------
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    // Gives the character to put into the box for c, or a null QChar to refuse c.
    using CharRule = std::function<QChar(QChar)>;
    // A rule that takes exactly the characters of allowed.
    static CharRule OnlyChars(const QString &allowed);

    explicit TextBox(QWidget *parent = nullptr);

    // 0 means no limit. These hide QLineEdit's maxLength()/setMaxLength(), which stay at Qt's
    // default: never call those through a QLineEdit pointer.
    int MaxLength() const { return maxLength_; }
    void setMaxLength(int length) { maxLength_ = length < 0 ? 0 : length; }
    // An empty rule takes every character.
    void setCharRule(CharRule rule) { rule_ = std::move(rule); }
    void setEnterMovesNext(bool on) { enterMovesNext_ = on; }
    bool EnterMovesNext() const { return enterMovesNext_; }
    void setSelectOnFocus(bool on) { selectOnFocus_ = on; }
    // Swallows the copy, cut and paste keys (the context menu still offers them).
    void setClipboardKeysBlocked(bool on) { clipboardKeysBlocked_ = on; }

    // Enters text as the user would: the rule, then the room left by MaxLength; replaces the
    // selection. Returns what was entered ("" when nothing was, the selection then stays).
    QString EnterText(const QString &text);

    // Called by a LostFocus handler: takes the focus back (see above).
    void RefuseLeave();

signals:
    void GotFocus();
    void LostFocus();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString Filtered(const QString &text) const;
    int Room(int replaced) const;

    int maxLength_ = 0;
    CharRule rule_;
    bool enterMovesNext_ = false;
    bool selectOnFocus_ = true;
    bool clipboardKeysBlocked_ = false;
    bool hasFocus_ = false;     // from its focus-in until it hands the focus to a control of the window
    bool holdingFocus_ = false; // from RefuseLeave until the events waiting then have run
};

// ---------------------------------------------------------------------------------------------
// In-place editors. A control laid over a grid cell is put away when another cell is entered or
// the grid scrolls, often while it holds the keyboard focus. Qt then hands the focus along the
// tab order to the next control that takes it, so the focus would pass through boxes the user
// never went to and run their GotFocus and LostFocus rules (an own-ID check, a re-show of the
// whole window). HideCellEditor gives the focus to the grid first, then hides the editor; a
// dropped-down list of the editor is closed.
// ---------------------------------------------------------------------------------------------
void HideCellEditor(QWidget *editor, QWidget *grid);
