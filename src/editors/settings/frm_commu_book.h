#pragma once
// The communication-book editor: the 128 entries of the working book (call ID and name) in a grid,
// edited one cell at a time in a text box laid over the cell, on the program-wide copy
// CommBookEditCopy. OK copies the edit copy back into RadioData, Cancel drops it; whichever way
// the window closes, the working book is then sorted and renumbered. Two buttons import the whole
// book from a ".cb" file into the copy and export the copy to one.

#include <QDialog>
#include <cstdint>

class FlexGrid;
class QPushButton;
class TextBox;

class FrmCommuBook : public QDialog {
    Q_OBJECT
public:
    explicit FrmCommuBook(QWidget *parent = nullptr);

    // CommBook -> CommBookEditCopy, CommBookEditCopy -> CommBook, and the copy into grid rows 1..128.
    void GetBookData();
    void SetBookData();
    void ShowBookData();
    // Reads the book file at path into the copy and shows it; a file that cannot be read or is not
    // a book file shows "file error." and changes nothing. True when the book was taken.
    bool FreLoadBookFile(const QString &path);
    // Commits the open cell, then writes the copy as a book file at path, as a new file that
    // replaces the old one only when complete; "file error." when it cannot. True when written.
    bool FreSaveBookFile(const QString &path);

    // The grid cell the cell editor belongs to; 0 = none.
    int16_t CurBookEditRow = 0;
    int16_t CurBookEditCol = 0;

protected:
    void done(int result) override;

private:
    void Form_Load();
    void InitBookGridHeader();
    void InitBookGrid();
    void SaveBookCell(int row, int col);
    void CommandOK_Click();
    void CommandCancel_Click();
    void CommandInput_Click();
    void CommandOutput_Click();
    void MSFlexGrid1_EnterCell();
    void MSFlexGrid1_Click();
    void MSFlexGrid1_Scroll();

    FlexGrid *MSFlexGrid1 = nullptr;
    TextBox *Text1 = nullptr;
    QPushButton *CommandInput = nullptr;
    QPushButton *CommandOutput = nullptr;
    QPushButton *CommandOK = nullptr;
    QPushButton *CommandCancel = nullptr;
    // False while the window loads: the cell events of drawing the layout do nothing.
    bool BookFormReady = false;
};

// Shows the window modally (menu MnuCommBook, tree node N8).
void ShowFrmCommuBook();
