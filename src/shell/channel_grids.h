#pragma once
// The main window's grid pane: the channel grid (MSFlexGrid1(0)), the spare grid (MSFlexGrid1(1)),
// the FM-radio grid (MSFlexGrid1(2)), their in-place editors and the hidden lists the channel grid
// takes its texts from, with everything that draws the grids from the data and stores what is
// edited in them.
//
// frmMain creates it on its grid pane (the grids and editors become children of the pane, named
// as their controls: "MSFlexGrid1(0)", "TextFreRx", "ComboDe_CTCSS", "Text2", "Combo1",
// "ComboCTCSS", ...), places the grids (SizeControls), fills the redraw hooks with these
// operations, sets MainWindowLoaded around its load and calls ShowListByData. The constructor
// already does the load's part for the grids: the hidden lists (FillHiddenLists) and the column
// layout (LayoutGrids); both may be run again.
//
// Editing follows the grid handlers: a double click or Enter opens the editor of a channel cell
// (or the single-channel dialog from the ">>" column); a combo editor stores each choice at once,
// a text editor when it is committed by SaveOldData, which every move to another cell runs.
// The FM-radio grid's editor opens on every cell entered and is committed on the next entry.
// A redraw of a whole table (ReShowListByData, ReShowRadioListByData) closes the open editors of
// the grid it redraws without storing them, so a half-typed value never lands in other data.

#include <QObject>
#include <QString>

class ComboBox;
class FlexGrid;
class GridCombo;
class QWidget;
class TextBox;
struct ChannelRecord;

class ChannelGrids : public QObject {
    Q_OBJECT
public:
    explicit ChannelGrids(QWidget *pane);
    ~ChannelGrids() override;

    // The grid MSFlexGrid1(index), index 0..2; nullptr for any other index.
    FlexGrid *Grid(int index) const;

    // The load's steps for the grids: the hidden lists ComboCTCSS, ComboDCS and ComboDTMF, and
    // the grids' column layout (centred texts, column 0 600 twips, the channel grid's header
    // row and columns 5 to 9).
    void FillHiddenLists();
    void LayoutGrids();
    // The channel grid's columns of no set width (receive, transmit, name, step, optional
    // signalling, ">>") become as wide as their widest text and their header need in the grid's
    // font, so that none is cut and, at the default window size, every column up to ">>" is seen
    // without scrolling. LayoutGrids runs it; run again after a change of font or language.
    void FitChannelColumns();
    // The channel grid's smallest width (twips); the layout gives it no less.
    static constexpr int kChannelGridSmallestWidth = 11438;

    // frmMain's load state: cell entries do nothing until the window has loaded. A pane made
    // outside frmMain counts as loaded.
    bool MainWindowLoaded() const { return mainWindowLoaded_; }
    void setMainWindowLoaded(bool loaded) { mainWindowLoaded_ = loaded; }
    // True while the program itself sets an in-place combo editor's selection.
    bool ComboFilling() const { return comboFilling_; }
    // True while InitShowListContent lays the grids out.
    bool GridsFilling() const { return gridsFilling_; }

    // Drawing from the data.
    void ShowListByData();
    void InitShowListContent();
    void LoadShowList();
    void ReShowListByData();
    void ReShowRadioListByData();
    // Grid 0: the row of channel number `row`; grid 2: the frequency cell of FM row `row`; any
    // other grid: nothing. The column is not used.
    void ReShowGrid(int grid, int row, int col);

    // Commit the open in-place editor of the channel grid / of the FM-radio grid (index 2; any
    // other index does nothing).
    void SaveOldData();
    void SaveOldGridData(int index = 2);

    // The grids' event handlers (index: the grid). Double click and Enter open the channel
    // grid's editor of the current cell; the edit-channel menu command runs MSFlexGrid1_DblClick(0).
    void MSFlexGrid1_EnterCell(int index);
    void MSFlexGrid1_Click(int index);
    void MSFlexGrid1_DblClick(int index);
    void MSFlexGrid1_KeyPress(int index, int &keyAscii);
    void MSFlexGrid1_KeyDown(int index, int &keyCode, int shift);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Texts of one drawing pass, read once from the language file.
    struct RowTexts;
    RowTexts ReadRowTexts() const;
    void DrawChannelRow(int row, const ChannelRecord &c, const RowTexts &texts);
    void ClearChannelRow(int row);
    QString ToneText(int type, int ctcssIndex, int dcsCode, int inverted, const RowTexts &texts) const;
    void DrawFmRow(int row);
    void SetCaption();

    void CreateEditors();
    void ConnectGrid(int index);
    bool CheckRowFreRx(int row);
    void OpenTextEditor(TextBox *editor);
    void OpenComboEditor(GridCombo *editor, const QString &selection);
    void PlaceOverCell(QWidget *editor, int grid);
    // Hides an editor; the grid gets the focus first when the editor holds it.
    void HideEditor(QWidget *editor, int grid);
    void HideChannelEditors();
    // Enter in an editor: the queued move of the focus to the next control (the grid).
    void QueueTab();
    void ComboChoice(GridCombo *combo, int column, int toneField);
    void ShowToneCombo(bool decode);
    void ToneTypeEnter(bool decode);
    void Text2_KeyPress();
    void Text2_KeyDown(int keyCode, int shift);

    QWidget *pane_;
    FlexGrid *grids_[3] = {nullptr, nullptr, nullptr};

    // Hidden lists.
    ComboBox *Combo1 = nullptr;
    ComboBox *ComboCTCSS = nullptr;
    ComboBox *ComboDCS = nullptr;
    ComboBox *ComboDTMF = nullptr;

    // Editors of the channel grid.
    TextBox *TextFreRx = nullptr;
    TextBox *TextFreTx = nullptr;
    TextBox *TextName = nullptr;
    GridCombo *ComboStep = nullptr;
    GridCombo *ComboWN = nullptr;
    GridCombo *ComboPower = nullptr;
    GridCombo *ComboDe_CTC_Type = nullptr;
    GridCombo *ComboDe_CTCSS = nullptr;
    GridCombo *ComboDe_CDCSS = nullptr;
    GridCombo *ComboEn_CTC_Type = nullptr;
    GridCombo *ComboEn_CTCSS = nullptr;
    GridCombo *ComboEn_CDCSS = nullptr;
    GridCombo *ComboOptSig = nullptr;
    // Editors of the spare grid and of the FM-radio grid.
    TextBox *Text1 = nullptr;
    TextBox *Text2 = nullptr;

    bool mainWindowLoaded_ = true;
    bool comboFilling_ = false;
    bool gridsFilling_ = false;
};
