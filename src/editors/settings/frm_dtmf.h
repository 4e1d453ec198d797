#pragma once
// The DTMF editor: the sixteen code memories M1..M16, the PTT-ID begin and end codes, the remote
// kill and stun codes, the radio's own DTMF ID and the DTMF option and timing values of
// DtmfBlock in RadioData.
//
// The editor keeps no edit copy. Its load repairs out-of-range values straight in RadioData (also
// when the window is then cancelled or only loaded hidden, as the print-out does); a value that is
// valid is never touched. A stored value that a list cannot show and that the load does not
// repair is shown as the list's first item and stored back unchanged unless the user picks
// another item. OK checks the remote codes and starts OKTimer; its tick, 50 ms later, stores every
// control, keeps the own ID and the remote codes apart, and only then closes the window.

#include <QDialog>
#include <array>
#include <cstdint>

class ComboBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTimer;
class TextBox;

class FrmDTMF : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCodeBoxes = 20;   // Text2(0..15) M1..M16, (16)(17) PTT-ID, (18)(19) remote
    static constexpr int kComposedBoxes = 18; // the boxes that hold composed codes: M1..M16, PTT-ID
    static constexpr int kRemoteKillBox = 18;
    static constexpr int kRemoteStunBox = 19;
    static constexpr int kCombos = 13;

    explicit FrmDTMF(QWidget *parent = nullptr); // loads the window (Form_Load)
    ~FrmDTMF() override;

    // The index (0..19) of the code box that last had the focus; 0 after the load.
    int CurDTMFEditID = 0;

    // What the special-call composer reads and writes.
    QString SeparatorText() const;
    QString OwnIdText() const;
    TextBox *CodeBox(int index) const;

    void Text2_GotFocus(int index);
    void Text3_LostFocus();
    void Combo1_Click(int index);
    void CommandOK_Click();
    void OKTimer_Timer();
    void CommandCancel_Click();
    void CommandSpecial_Click();

protected:
    void done(int result) override;

private:
    void Form_Load();
    void InitDtmfLists();
    void ShowDtmfData();
    void BuildControls();

    void ShowByPosition(int combo, int16_t &field, int maxValue);
    void ShowByText(int combo, const QString &text);
    void StoreChosen(int combo, int16_t &field, int value) const;
    void StoreCodes();

    std::array<TextBox *, kCodeBoxes> Text2{};
    std::array<QLabel *, kCodeBoxes> Label1{};
    std::array<ComboBox *, kCombos> Combo1{};
    std::array<QLabel *, kCombos> Label3{};
    TextBox *Text3 = nullptr;
    TextBox *Text1 = nullptr;
    QCheckBox *Check1 = nullptr;
    QLabel *Label2 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QTabWidget *SSTab1 = nullptr;
    QPushButton *CommandSpecial = nullptr;
    QPushButton *CommandOK = nullptr;
    QPushButton *CommandCancel = nullptr;
    QTimer *OKTimer = nullptr;

    bool loaded_ = false;
    // A list whose shown item stands in for a stored value it cannot show: OK keeps the stored
    // value until the user picks an item. Likewise for the side-tone box.
    std::array<bool, kCombos> keepStored_{};
    bool keepSideTone_ = false;
};

// Shows the DTMF editor modally (MnuViewDTMF and the tree node N5).
void ShowFrmDTMF();
