#pragma once
// The user-defined tone standard: the sixteen digit frequencies of UserToneStandard in the 5-tone
// editor's edit copy, in Hz with one decimal. A box that loses the focus is brought into
// 288.5 .. 3106 Hz; OK stores every box that holds a number (0.1 Hz, halves to even), Cancel
// stores nothing.

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class TextBox;

class Frm5ToneDefTS : public QDialog {
    Q_OBJECT
public:
    explicit Frm5ToneDefTS(QWidget *parent = nullptr); // loads the window (Form_Load)
    ~Frm5ToneDefTS() override;

    void Text1_LostFocus(int index);
    void CommandOK_Click();
    void CommandCancel_Click();

private:
    void Form_Load();
    void InitUserStandardDialog();
    void ShowUserStandard();

    std::array<QLabel *, 16> Label1{};
    std::array<TextBox *, 16> Text1{};
    QPushButton *CommandOK = nullptr;
    QPushButton *CommandCancel = nullptr;
};

int ShowFrm5ToneDefTS(QWidget *parent = nullptr);
