#pragma once
// The main window's grid pane: the channel grid (MSFlexGrid1(0)), the spare grid (MSFlexGrid1(1)),
// the FM-radio grid (MSFlexGrid1(2)), their in-place editors (Text1, Text2, the combo editors) and
// everything that draws the grids from the data and stores what is edited in them.
// frmMain creates it on its grid pane, places the grids (SizeControls) and fills the redraw hooks
// with these operations.

#include <QObject>

class QWidget;

class ChannelGrids : public QObject {
    Q_OBJECT
public:
    explicit ChannelGrids(QWidget *pane);
    ~ChannelGrids() override;

    // The grid widget of MSFlexGrid1(index), index 0..2.
    QWidget *Grid(int index) const;

    // Drawing from the data.
    void InitShowListContent();
    void LoadShowList();
    void ShowListByData();
    void ReShowListByData();
    void ReShowRadioListByData();
    void ReShowGrid(int grid, int row, int col);

    // Commit the open in-place editor of the channel grid / of the FM-radio grid.
    void SaveOldData();
    void SaveOldGridData();

    // The channel grid's double-click handling for its current cell (also the edit-channel menu command).
    void MSFlexGrid1_DblClick(int index);

private:
    QWidget *pane_;
    QWidget *grids_[3] = {nullptr, nullptr, nullptr};
};
