#pragma once
// The 2-tone editor: the decode tones A to D, the decode format and response on one page; the
// encode times, the side tone and the 32-entry code table on the other. It works on the program's
// signalling edit copy and copies it back into the data only on OK.

#include <QDialog>
#include <array>

class ComboBox;
class FlexGrid;
class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QWidget;
class TextBox;

class Frm2Tone : public QDialog {
    Q_OBJECT
public:
    explicit Frm2Tone(QWidget *parent = nullptr);

    // Commits the editor of the cell (row, col) into the table entry and the cell; does nothing
    // while no cell editor has been opened.
    void SaveTwoToneCell(int row, int col);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void InitTwoToneLists();
    void InitTwoToneGrid();
    void ShowTwoToneData();
    void ShowTwoToneRows();
    void EnableDecodePair(int format);
    void SaveTwoToneGeneral();
    void NormaliseToneBox(TextBox *box);

    void CommandOK_Click();
    void CommandCancel_Click();
    void Combo2_Click(int index);
    void Text2_LostFocus(int index);
    void SSTab1_Click();
    void MSHFlexGrid1_EnterCell();
    void MSHFlexGrid1_Click();
    void MSHFlexGrid1_Scroll();
    void Text1_Enter();
    void Text3_Enter();
    void OpenCellEditor(TextBox *editor);
    void MoveToNextRow(int col);

    QWidget *Picture1 = nullptr;
    QTabWidget *SSTab1 = nullptr;
    std::array<QLabel *, 5> Label1{};
    std::array<ComboBox *, 5> Combo1{};
    QCheckBox *Check1 = nullptr;
    FlexGrid *MSHFlexGrid1 = nullptr;
    TextBox *Text1 = nullptr;
    TextBox *Text3 = nullptr;
    std::array<QLabel *, 2> Label2{};
    std::array<ComboBox *, 2> Combo2{};
    std::array<QLabel *, 4> Label3{};
    std::array<TextBox *, 4> Text2{};
    QPushButton *CommandOK = nullptr;
    QPushButton *CommandCancel = nullptr;

    int CurTone2Row = 0;
    int CurTone2Col = 0;
    bool GridReady = false;
};

int ShowFrm2Tone(QWidget *parent = nullptr);
