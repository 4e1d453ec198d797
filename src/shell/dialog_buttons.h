#pragma once
// The command buttons of the shell's small dialogs, placed in twips.

class QPushButton;
class QWidget;

// A push button named name at left, top (twips), width x 375 twips. The default button is pressed
// by Enter; the others are not pressed by Enter at all.
QPushButton *NewCommandButton(QWidget *parent, const char *name, int left, int top, bool isDefault = false,
                              int width = 1200);
