#pragma once
// OK and Cancel captions of a dialog in the current language.

class QWidget;

// Captions the form's buttons named "CommandOK" (language key 101) and "CommandCancel" (key 102),
// in this order; a form without one of them is left as it is.
void SetOkCancelCaptions(QWidget *form);
