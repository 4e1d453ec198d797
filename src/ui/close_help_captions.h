#pragma once
// Close and Help captions of a window in the current language.

class QAbstractButton;
class QWidget;

// Close and Help captions in the current language, Close first. A null button is left out.
void SetCloseHelpCaptions(QAbstractButton *commandClose, QAbstractButton *commandHelp);
// The same for the buttons named "CommandClose" and "CommandHelp" anywhere in form (by objectName).
void SetCloseHelpCaptions(QWidget *form);
