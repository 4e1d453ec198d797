#pragma once
// The radio-password window: the user types the radio's programming password, which every later
// transfer compares with the one the radio holds. Shown by a transfer whose radio holds another
// password, and from the main window's menu at any time.

#include <QDialog>

class QLabel;
class QPushButton;
class TextBox;

class FrmPassWord : public QDialog {
    Q_OBJECT
public:
    explicit FrmPassWord(QWidget *parent = nullptr);

    // Shows the window modally; true when it was closed with OK (the link's AskRadioPassword).
    static bool Ask();

    TextBox *Text1 = nullptr;     // at most 4 characters, each shown as "*"
    QLabel *Label1 = nullptr;
    QPushButton *CommandOK = nullptr;
    QPushButton *CommandCancel = nullptr;

    void CommandOK_Click();
    void CommandCancel_Click();

private:
    void Form_Load();
    void InitPassWordCaptions();
    void ShowPasswordEntry();
};
