#pragma once
// The 5-tone special-call composer: a data message ("E1", a called ID, "E", the message as pairs
// of hexadecimal digits), an ANI code (a called code, an optional separator "A".."F", the own ID)
// or a PTT-ID code ("E6" and the own ID), put into a row of the 5-tone code list or into the
// PTT-ID begin or end box of the 5-tone editor, as State().SpecialCallTarget says. It writes into
// the editor's controls and State().SignallingEditCopy only; the editor's OK or Cancel decides.

#include <QDialog>
#include <array>

class ComboBox;
class Frm5Tone;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class TextBox;

// Values of State().SpecialCallTarget.
enum SpecialCallTarget : int { TargetCodeRow = 0, TargetPttIdBegin = 1, TargetPttIdEnd = 2 };
// The call types, the list index of the composer's Combo1(1).
enum SpecialCallType : int { CallTypeE1 = 0, CallTypeAni = 1, CallTypePttId = 2 };

class FrmSpecial : public QDialog {
    Q_OBJECT
public:
    explicit FrmSpecial(Frm5Tone *editor); // loads the window (Form_Load)
    ~FrmSpecial() override;

    void Combo1_Click(int index);
    void CommandOK_Click();
    void CommandCancel_Click();
    void Text1_LostFocus(int index);
    void ShowSpecialSeparator();

private:
    void Form_Load();
    void InitInfoCodeList();
    // False (after the message) when the code box holds fewer than five characters.
    bool CodeBoxFilled(int index);

    Frm5Tone *editor_;
    QFrame *Frame1 = nullptr;
    std::array<QLabel *, 2> Label1{};
    std::array<ComboBox *, 2> Combo1{};
    QPushButton *CommandOK = nullptr;
    QPushButton *CommandCancel = nullptr;
    QGroupBox *Frame2 = nullptr;
    QGroupBox *Frame4 = nullptr;
    std::array<QLabel *, 2> Label2{};
    std::array<TextBox *, 2> Text1{};
    QLabel *Label3 = nullptr;
    TextBox *Text2 = nullptr;
    QLabel *Label5 = nullptr;
    ComboBox *Combo3 = nullptr;
};

int ShowFrmSpecial(Frm5Tone *editor);
