#pragma once
// FlexGrid: a grid of text cells with the behaviour the program's grid handlers rely on, on a
// QTableView with a light model of its own (one text and two optional colours per cell, no item
// objects, so a redraw of a few thousand cells costs little).
//
// Rows and columns are numbered as the handlers number them: the first FixedRows() rows and the
// first FixedCols() columns are fixed (one of each unless the program sets other counts), so
// row 0 is a header row and column 0 a label column. Fixed cells are drawn as headings, stay in
// place while the rest scrolls (they are drawn by the view's headers and corner) and can never
// become current by a user's move (arrows, Home/End, Page keys, mouse); the program may still
// make them current (Row = 0), as the colouring walk does. Model index (r, c) is grid cell
// (r, c), so a QTableView's own row and column numbers are the grid's.
//
// Events (signals):
// - EnterCell: the current cell changed, by the user (mouse, arrow keys) or by the program
//   (setRow, setCol), each time it changes.
// - Click: a mouse click on the grid (after the press made the clicked cell current), also on a
//   fixed cell; not for the second click of a double click.
// - DblClick: the second click of a double click on a cell.
// - Scroll: either scroll bar's value changed (by the user or by a move that scrolled).
// - KeyDown(keyCode, shift) for every key, then KeyPress(keyAscii) for a key that gives a
//   character (vb_keys.h); a handler that sets the code to 0 cancels the key. Arrow, page, Home
//   and End keys then move the current cell. Tab moves the focus on (not through the cells), and
//   typing does not search or edit: the grid only shows texts.
// Measures are in twips (15 per pixel): column widths, row heights, and the current cell's
// left, top, width and height relative to the grid widget's own top-left corner, so that
// grid left + CellLeft places a control of the grid's parent over the cell.

#include <QColor>
#include <QString>
#include <QTableView>
#include <vector>

class FlexGridModel;
class QPainter;

// Column alignments, by the numbers the program's layout code uses.
enum FlexAlignment : int {
    flexAlignLeftTop = 0,
    flexAlignLeftCenter = 1,
    flexAlignLeftBottom = 2,
    flexAlignCenterTop = 3,
    flexAlignCenterCenter = 4,
    flexAlignCenterBottom = 5,
    flexAlignRightTop = 6,
    flexAlignRightCenter = 7,
    flexAlignRightBottom = 8,
    flexAlignGeneral = 9, // texts left, numbers right
};

class FlexGrid : public QTableView {
    Q_OBJECT
public:
    // The width of a column that has not been given one (twips). Rows are 240 twips high, or as
    // high as the font needs.
    static constexpr int kDefaultColWidth = 1200;

    // A grid of rows x cols cells (at least 2 x 2), one fixed row and one fixed column.
    FlexGrid(int rows, int cols, QWidget *parent = nullptr);
    ~FlexGrid() override;

    int Rows() const;
    int Cols() const;
    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    // The number of fixed rows (columns), from 0 to Rows() - 1 (Cols() - 1); other counts change
    // nothing. A current cell that becomes fixed moves to the nearest cell that is not (EnterCell).
    void setFixedRows(int rows);
    void setFixedCols(int cols);

    // The current cell. Setting a value outside the grid changes nothing; a change raises EnterCell.
    int Row() const { return row_; }
    int Col() const { return col_; }
    void setRow(int row);
    void setCol(int col);

    // Cell texts; reads outside the grid give "", writes there change nothing.
    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString &text);
    // By index: row x Cols() + col.
    QString TextArray(int index) const;
    void setTextArray(int index, const QString &text);
    // The current cell's text.
    QString Text() const { return TextMatrix(row_, col_); }
    void setText(const QString &text) { setTextMatrix(row_, col_, text); }

    // Colours of the current cell; an invalid colour is the grid's own. Colours belong to the
    // cell and stay when its text changes.
    QColor CellForeColor() const { return CellForeColorAt(row_, col_); }
    QColor CellBackColor() const { return CellBackColorAt(row_, col_); }
    void setCellForeColor(const QColor &color) { setCellForeColorAt(row_, col_, color); }
    void setCellBackColor(const QColor &color) { setCellBackColorAt(row_, col_, color); }
    QColor CellForeColorAt(int row, int col) const;
    QColor CellBackColorAt(int row, int col) const;
    void setCellForeColorAt(int row, int col, const QColor &color);
    void setCellBackColorAt(int row, int col, const QColor &color);

    // The current cell's place and size in twips (see above).
    int CellLeft() const;
    int CellTop() const;
    int CellWidth() const;
    int CellHeight() const;

    // Drawing: while off, changes are kept and shown together when it is switched on again.
    bool Redraw() const { return redraw_; }
    void setRedraw(bool on);

    // Every cell's text, fixed cells included, becomes empty and every cell's colours the grid's
    // own. Sizes, alignments and the current cell stay.
    void Clear();

    // Column width in twips; -1 gives the column the default width again.
    int ColWidth(int col) const;
    void setColWidth(int col, int twips);
    int ColAlignment(int col) const;
    void setColAlignment(int col, int alignment);
    // Row height in twips.
    int RowHeight(int row) const;
    void setRowHeight(int row, int twips);

    // Scrolls so that the cell can be seen; the current cell does not change.
    void ShowCell(int row, int col);

signals:
    void Scroll();
    void Click();
    void DblClick();
    void EnterCell();
    void KeyDown(int &keyCode, int shift);
    void KeyPress(int &keyAscii);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Makes (row, col) current; raises EnterCell when that changed the current cell.
    void MoveTo(int row, int col);
    // Hides the fixed rows and columns from the view (the headers draw them) and sizes the headers.
    void ApplyFixed();
    void PaintCorner(QWidget *corner);
    // Draws the fixed cells of one header section: a column's fixed rows or a row's fixed columns.
    void PaintFixedSection(QPainter *painter, QWidget *header, Qt::Orientation orientation, const QRect &rect,
                           int section) const;
    void PaintFixedCell(QPainter *painter, QWidget *widget, const QRect &rect, int row, int col) const;
    int FixedWidthPx() const;
    int FixedHeightPx() const;

    friend class FlexGridHeader;

    FlexGridModel *model_;
    QWidget *corner_ = nullptr;
    // Sizes in pixels of every column and row as last set; the header sections of the cells that
    // scroll follow them, the fixed ones are drawn from them.
    std::vector<int> colPx_;
    std::vector<int> rowPx_;
    int fixedRows_ = 1;
    int fixedCols_ = 1;
    int row_ = 1;
    int col_ = 1;
    bool redraw_ = true;
    bool pressed_ = false;        // a left press on the grid waits for its release
    bool afterDblClick_ = false;  // the release ending a double click raises no Click
};
