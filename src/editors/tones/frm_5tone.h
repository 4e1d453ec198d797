#pragma once
// The 5-tone editor: the radio's own ID, tone standard, timings and decode settings, the eight
// information codes, the PTT-ID begin and end codes and the 100-row code list, edited on
// State().SignallingEditCopy. OK checks the own ID and the information codes, copies the whole
// signalling record and the decode time back into RadioData and re-points channels and the alarm
// that named an emptied row; Cancel and closing change nothing. The load runs fully whether or not
// the window is shown (the print-out reads it hidden).

#include <QDialog>
#include <array>
#include <cstdint>

class ComboBox;
class FlexGrid;
class GridCombo;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class TextBox;
struct FiveToneBlock;

class Frm5Tone : public QDialog {
    Q_OBJECT
public:
    explicit Frm5Tone(QWidget *parent = nullptr); // loads the window (Form_Load)
    ~Frm5Tone() override;

    // The cell whose editor was opened last (0 = none) and the information code shown (1..8, 0 none).
    int16_t CurTone5Row = 0;
    int16_t CurTone5Col = 0;
    int16_t CurInfoCodeID = 0;

    // Controls the special-call composer reads and writes.
    FlexGrid *Grid() const { return MSHFlexGrid1; }
    QString OwnIdText() const;
    TextBox *PttIdBox(int index) const { return Text4[std::size_t(index)]; }
    // The standard sheet as last drawn (lines ended by CR LF).
    QString SheetText() const { return sheet_; }

    // Settings and grid to and from the edit copy.
    void ShowFiveToneData();
    void SaveFiveToneData();
    void SaveFiveToneCell(int row, int col);
    void SaveInfoCode(int id);
    void ShowInfoCode();
    bool IsInfoKillStunWakenOK();
    void ShowToneStandard(const QString &name);

    // Event handlers.
    void CommandOK_Click();
    void CommandCancel_Click();
    void Combo1_Click(int index);
    void Combo2_Click();
    void Combo4_Click(int index);
    void Combo6_Click();
    void Combo7_Click(int index);
    void Combo2_KeyPress(int &keyAscii);
    void Combo3_KeyPress(int &keyAscii);
    void Text2_LostFocus();
    void Text4_LostFocus(int index);
    void Text3_Enter();
    void Text6_Enter();
    void MSHFlexGrid1_EnterCell();
    void MSHFlexGrid1_Click();
    void MSHFlexGrid1_DblClick();
    void MSHFlexGrid1_Scroll();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

protected:
    void done(int result) override; // Form_Unload

private:
    void CreateControls();
    void Form_Load();
    void InitFiveToneLists();
    void InitFiveToneGrid();
    void ShowCodeRows(FiveToneBlock &f);
    void SaveCodeRows(FiveToneBlock &f);
    void OpenCellEditor(int row, int col);
    void ShowSpecialComposer(int target);
    FiveToneBlock &EditBlock() const;

    std::array<QLabel *, 13> Label1{};
    std::array<ComboBox *, 13> Combo1{}; // indexes 1..12
    TextBox *Text2 = nullptr;
    QCheckBox *Check1 = nullptr;
    QFrame *Frame2 = nullptr;
    QLabel *Label3 = nullptr;
    ComboBox *Combo6 = nullptr;
    QGroupBox *Frame3 = nullptr;
    std::array<QLabel *, 4> Label4{};
    std::array<ComboBox *, 2> Combo7{};
    TextBox *Text5 = nullptr;
    TextBox *Text7 = nullptr;
    FlexGrid *MSHFlexGrid1 = nullptr;
    TextBox *Text3 = nullptr;
    GridCombo *Combo2 = nullptr;
    GridCombo *Combo3 = nullptr;
    TextBox *Text6 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *CommandOK = nullptr;
    QPushButton *CommandCancel = nullptr;
    std::array<QGroupBox *, 2> Frame1{};
    std::array<QLabel *, 2> Label2{};
    std::array<TextBox *, 2> Text4{};
    std::array<ComboBox *, 2> Combo4{};
    std::array<ComboBox *, 2> Combo5{};
    QPlainTextEdit *Text1 = nullptr;

    bool GridReady = false;
    bool scrollingToCell_ = false;
    QString OldOwnId;
    QString sheet_;
    // The decode time as edited: it reaches RadioData only with an OK that passes its checks.
    uint8_t decodeTime_ = 0;
    // The side-tone value as stored and as the box showed it, so that a value the box cannot
    // show goes back unchanged when the user leaves the box alone.
    int16_t sideToneStored_ = 0;
    int sideToneShown_ = 0;
};

// Shows the 5-tone editor modally (the hook ShowFrm5Tone).
int ShowFrm5Tone(QWidget *parent = nullptr);
