#pragma once
// Enter in a drop-down list or another control that has no Enter of its own moves the focus on as
// Tab would, instead of reaching the dialog (where it would press the default button). Text boxes
// get the same from TextBox::setEnterMovesNext.

class QWidget;

// From now on Enter (with or without the keypad) on control moves the focus to the next control.
void MoveOnWithEnter(QWidget *control);
