#pragma once
// Combo-box lookups with a fallback to the first item, and the text-box guard that keeps the
// right mouse button from opening a text box's context menu. Item indexes count from 0; text
// comparisons are exact and case-sensitive.

#include <QString>

class ComboBox;
class QComboBox;
class QWidget;

// "" for an empty list; the first item equal to text; otherwise the first item of the list.
QString FindComboItem(const QComboBox *combo, const QString &text);
// "" for an empty list; the item at index when it exists; otherwise the first item.
QString ComboItemAt(const QComboBox *combo, int index);
// Appends text unless an item equal to it is there (the list's AddItem: no Click, the selection
// stays as it was).
void AddComboItemOnce(ComboBox *combo, const QString &text);
// def for an empty list or an empty text; the index of the first item equal to text; 0 when none is.
int FindComboIndex(const QComboBox *combo, const QString &text, int def);

// Sets the caption of the form's button with the given objectName; false when there is none.
bool SetButtonCaption(QWidget *form, const QString &name, const QString &caption);

// Guards a text box: from now on a press, release or double click of the right mouse button on
// it reaches nothing and no context menu opens from the mouse. Everything else behaves as before.
// Guarding a guarded box again changes nothing.
void RidTextMenu(QWidget *textBox);
// Gives a guarded text box its normal behaviour back; a box that is not guarded is left alone.
void RestoreTextMenu(QWidget *textBox);
