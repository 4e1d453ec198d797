#pragma once
// The DTMF special-call composer: composes a call of the called party's three-digit code, the
// separator and the radio's own ID (120*456) and writes it into the DTMF editor's code box that
// had the focus last. It changes no record: the code reaches the data when the editor's OK
// stores its boxes.

#include <QDialog>

class ComboBox;
class FrmDTMF;
class QFrame;
class QLabel;
class QPushButton;
class TextBox;

class FrmDTMFSpecial : public QDialog {
    Q_OBJECT
public:
    // The editor stays loaded underneath while the composer is up.
    explicit FrmDTMFSpecial(FrmDTMF &editor); // loads the window (Form_Load)

    void Combo1_Click();
    void Text1_LostFocus();
    void CommandOK_Click();
    void CommandCancel_Click();

private:
    void Form_Load();

    FrmDTMF &editor_;
    ComboBox *Combo1 = nullptr; // Combo1(0), the call type
    QLabel *Label1 = nullptr;
    QFrame *Frame1 = nullptr;
    QLabel *Label2 = nullptr;
    TextBox *Text1 = nullptr;
    QPushButton *CommandOK = nullptr;
    QPushButton *CommandCancel = nullptr;
};
