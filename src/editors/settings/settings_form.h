#pragma once
// What the option, alarm and scan editors share: their channel lists, list filling and showing by
// index, caption labels, Enter as Tab on lists and check boxes, and the record of which controls
// the user changed, with which the option and scan editors write a stored value that a list
// cannot show back unchanged unless the user picks another item.

#include <QObject>
#include <QSet>
#include <QString>
#include <vector>

class ComboBox;
class QCheckBox;
class QLabel;
class QWidget;

// The distinct numbers of the used channel slots from 1 up to highest, ascending.
std::vector<int> UsedChannelNumbers(int highest);

// Selects the item at index, or the first item when the index lies outside the list (an empty
// list selects nothing). Unlike selecting by the item's text, two items with one text still show
// the right one.
void ShowListIndex(ComboBox *combo, int index);

// Appends the decimal texts of from, from + step, .. up to to.
void AddNumberItems(ComboBox *combo, int from, int to, int step = 1);

// Tenths as "0.5", "5.0" (exact, no binary fractions).
QString TenthsText(int tenths);

// Creates the lists Combo1(0..count-1) and their caption labels Label1(0..count-1) on the form.
void CreateListArray(QWidget *form, ComboBox **combos, QLabel **labels, int count);
// Places a list (height 300 twips) and, when there is one, its caption label on the row at top.
void PlaceListRow(ComboBox *combo, QLabel *label, int left, int top, int width);

// Gives the label its caption, sizes it to the text and ends it gapTwips left of its control.
void SetCaptionLeftOf(QLabel *label, const QString &caption, const QWidget *control, int gapTwips);

// Enter on a list or a check box moves the focus to the next control of the tab order, as Tab
// does, instead of pressing the dialog's default button. Install on each such control.
class EnterAsTab : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Notes which lists and check boxes change once Arm() has been called: the load's own
// selections do not count, the user's choices and what they set off do.
class UserChanges : public QObject {
public:
    using QObject::QObject;
    void Watch(ComboBox *combo);
    void Watch(QCheckBox *box);
    void Arm() { armed_ = true; }
    bool Changed(const QObject *control) const { return changed_.contains(control); }
    // Stores value into field when the user changed the control; otherwise the field keeps
    // what it holds.
    template <class T>
    void Take(const QObject *control, T &field, int value) const
    {
        if (Changed(control))
            field = static_cast<T>(value);
    }

private:
    void Note(const QObject *control);
    bool armed_ = false;
    QSet<const QObject *> changed_;
};
