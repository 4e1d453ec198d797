#pragma once
// The factory test-data window: the 16 calibration bytes as two hexadecimal digits each (byte 0
// in a hidden box, so that it passes through unchanged), loaded from and saved to ".ted" files of
// the user's choice. OK stores the bytes into CurTestData; Cancel drops them.

#include <QDialog>

#include "editors/settings/test_data_mode.h"

class QFrame;
class QLabel;
class QPushButton;
class TextBox;

class FrmTestData : public QDialog {
    Q_OBJECT
public:
    explicit FrmTestData(QWidget *parent = nullptr);

private:
    void Form_Load();
    void InitTestDataCaptions();
    void ShowTestData();
    // Reads every box into TestDataEditCopy; when a box is empty or not hexadecimal nothing is
    // stored and its index is returned, else -1.
    int CollectTestData();
    void CommandOK_Click();
    void CommandCancel_Click();
    void Command1_Click(int index);

    QFrame *Frame1 = nullptr;
    TextBox *Text1[16] = {};
    QLabel *Label1[16] = {};
    QPushButton *Command1[2] = {};
    QPushButton *CommandOK = nullptr;
    QPushButton *CommandCancel = nullptr;
    TestDataBlock TestDataEditCopy{};
    QString filter_;
};

// Shows the window modally (menu mnuTestData, tree node N14; factory mode only).
void ShowFrmTestData();
