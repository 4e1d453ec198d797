#include "editors/settings/frm_commu_book.h"

#include <QPushButton>
#include <QScrollBar>

#include "data/app_state.h"
#include "data/comm_book_order.h"
#include "data/lang_text.h"
#include "data/message_table.h"
#include "ui/ok_cancel_captions.h"
#include "data/value_rules.h"
#include "editors/editor_files.h"
#include "platform/flex_grid.h"
#include "platform/form_kit.h"
#include "platform/prompt.h"
#include "platform/whole_file.h"

namespace {

constexpr int kGridRows = kCommBookEntries + 1;
constexpr int kCallIdCol = 1;
constexpr int kNameCol = 2;
constexpr int kColWidth[3] = {500, 1000, 1500}; // twips
const QColor kHeaderColor(0, 0, 155);
const QColor kNumberColor(0, 0, 255);

// Stores an edited text into a book field: the text cut with TrimFixStr; a shorter text is
// followed by one NUL and spaces, an empty one is emptyNuls NULs and spaces, a longer one is cut.
template <std::size_t N>
void StoreBookField(FixStr<N> &field, const QString &text, int emptyNuls)
{
    QByteArray stored = TrimFixStr(text).toLatin1();
    if (stored.isEmpty())
        stored = QByteArray(emptyNuls, '\0');
    else if (stored.size() < FixStr<N>::Size)
        stored.append('\0');
    field.assign(stored, ' ');
}

// A call ID takes digits only.
QChar CallIdChar(QChar c) { return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ? c : QChar(); }

// A name takes capital letters, digits and the space; small letters become capitals.
QChar NameChar(QChar c)
{
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
        return c.toUpper();
    if ((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || CallIdChar(c) == c || c == QLatin1Char(' '))
        return c;
    return QChar();
}

} // namespace

FrmCommuBook::FrmCommuBook(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmCommuBook"));
    setFixedSize(TwipsToPx(5160), TwipsToPx(5220));
    MSFlexGrid1 = new FlexGrid(kGridRows, 3, this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    SetGeometryTwips(MSFlexGrid1, 120, 120, 3480, 4920);
    Text1 = new TextBox(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setClipboardKeysBlocked(true);
    Text1->setEnterMovesNext(true);

    const auto button = [this](const char *name, int top) {
        auto *b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false); // Enter in the cell editor moves on, it presses no button
        SetGeometryTwips(b, 3780, top, 1200, 375);
        return b;
    };
    CommandInput = button("CommandInput", 120);
    CommandOutput = button("CommandOutput", 600);
    CommandOK = button("CommandOK", 4185);
    CommandCancel = button("CommandCancel", 4665);

    connect(CommandOK, &QPushButton::clicked, this, &FrmCommuBook::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmCommuBook::CommandCancel_Click);
    connect(CommandInput, &QPushButton::clicked, this, &FrmCommuBook::CommandInput_Click);
    connect(CommandOutput, &QPushButton::clicked, this, &FrmCommuBook::CommandOutput_Click);
    connect(MSFlexGrid1, &FlexGrid::EnterCell, this, &FrmCommuBook::MSFlexGrid1_EnterCell);
    connect(MSFlexGrid1, &FlexGrid::Click, this, &FrmCommuBook::MSFlexGrid1_Click);
    // The cell editor floats over its cell: when the grid scrolls the cell is committed and the
    // editor put away, so that it never stands over another entry than the one it edits.
    for (QScrollBar *bar : {MSFlexGrid1->verticalScrollBar(), MSFlexGrid1->horizontalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, &FrmCommuBook::MSFlexGrid1_Scroll);
    Form_Load();
}

void FrmCommuBook::Form_Load()
{
    BookFormReady = false;
    Text1->hide();
    CurBookEditRow = 0;
    CurBookEditCol = 0;
    InitBookGridHeader();
    InitBookGrid();
    GetBookData();
    ShowBookData();
    BookFormReady = true;
}

void FrmCommuBook::InitBookGridHeader()
{
    setWindowTitle(GetLangText(1800));
    MSFlexGrid1->setTextMatrix(0, 0, GetLangText(3007));
    MSFlexGrid1->setTextMatrix(0, kCallIdCol, QStringLiteral("Call ID"));
    MSFlexGrid1->setTextMatrix(0, kNameCol, GetLangText(1801));
    CommandInput->setText(GetLangText(1802));
    CommandOutput->setText(GetLangText(1803));
    SetOkCancelCaptions(this);
}

void FrmCommuBook::InitBookGrid()
{
    for (int col = 0; col < 3; ++col) {
        MSFlexGrid1->setColWidth(col, kColWidth[col]);
        MSFlexGrid1->setColAlignment(col, flexAlignCenterCenter);
        MSFlexGrid1->setCellForeColorAt(0, col, kHeaderColor);
    }
    for (int row = 1; row < kGridRows; ++row)
        MSFlexGrid1->setCellForeColorAt(row, 0, kNumberColor);
}

void FrmCommuBook::GetBookData() { State().CommBookEditCopy = State().RadioData.CommBook; }

void FrmCommuBook::SetBookData() { State().RadioData.CommBook = State().CommBookEditCopy; }

void FrmCommuBook::ShowBookData()
{
    const CommBook &book = State().CommBookEditCopy;
    MSFlexGrid1->setRedraw(false);
    for (int row = 1; row < kGridRows; ++row) {
        const BookEntry &e = book[static_cast<std::size_t>(row - 1)];
        MSFlexGrid1->setTextMatrix(row, 0, QString::number(row - 1));
        MSFlexGrid1->setTextMatrix(row, kCallIdCol, ShownText(e.CallId));
        MSFlexGrid1->setTextMatrix(row, kNameCol, ShownText(e.Name));
    }
    MSFlexGrid1->setRedraw(true);
}

void FrmCommuBook::SaveBookCell(int row, int col)
{
    if (row < 1 || row >= kGridRows || (col != kCallIdCol && col != kNameCol))
        return;
    BookEntry &e = State().CommBookEditCopy[static_cast<std::size_t>(row - 1)];
    if (col == kCallIdCol) {
        StoreBookField(e.CallId, Text1->text(), 2);
        MSFlexGrid1->setTextMatrix(row, col, ShownText(e.CallId));
    } else {
        StoreBookField(e.Name, Text1->text(), 1);
        MSFlexGrid1->setTextMatrix(row, col, ShownText(e.Name));
    }
}

void FrmCommuBook::MSFlexGrid1_EnterCell()
{
    if (!BookFormReady)
        return;
    const int row = MSFlexGrid1->Row();
    const int col = MSFlexGrid1->Col();
    if (row == CurBookEditRow && col == CurBookEditCol)
        return;
    SaveBookCell(CurBookEditRow, CurBookEditCol);
    CurBookEditRow = static_cast<int16_t>(row);
    CurBookEditCol = static_cast<int16_t>(col);
    HideCellEditor(Text1, MSFlexGrid1);
    if (row < 1 || (col != kCallIdCol && col != kNameCol))
        return;
    // Help contexts 3702 (call ID) and 3703 (name) have no help file to open in this program.
    const bool callId = col == kCallIdCol;
    Text1->setCharRule(callId ? TextBox::CharRule(CallIdChar) : TextBox::CharRule(NameChar));
    Text1->setMaxLength(callId ? FixStr<5>::Size : FixStr<6>::Size);
    Text1->setText(MSFlexGrid1->Text());
    MSFlexGrid1->ShowCell(row, col); // the editor goes where the cell can be seen
    Text1->setGeometry(MSFlexGrid1->x() + TwipsToPx(MSFlexGrid1->CellLeft()),
                       MSFlexGrid1->y() + TwipsToPx(MSFlexGrid1->CellTop()),
                       TwipsToPx(MSFlexGrid1->CellWidth()), TwipsToPx(MSFlexGrid1->CellHeight()));
    Text1->show();
    Text1->raise();
    Text1->setFocus(Qt::OtherFocusReason);
}

void FrmCommuBook::MSFlexGrid1_Click() { MSFlexGrid1_EnterCell(); }

void FrmCommuBook::MSFlexGrid1_Scroll()
{
    if (!BookFormReady || Text1->isHidden())
        return;
    SaveBookCell(CurBookEditRow, CurBookEditCol);
    HideCellEditor(Text1, MSFlexGrid1);
    // A click on the same cell opens the editor again.
    CurBookEditRow = 0;
    CurBookEditCol = 0;
}

void FrmCommuBook::CommandOK_Click()
{
    SaveBookCell(CurBookEditRow, CurBookEditCol);
    SetBookData();
    accept();
}

void FrmCommuBook::CommandCancel_Click() { reject(); }

void FrmCommuBook::done(int result)
{
    QDialog::done(result);
    // However the window closes, the working book (not the edit copy) is sorted and renumbered.
    SortCommBook();
}

void FrmCommuBook::CommandInput_Click()
{
    const QString path = prompt().GetOpenFileName(this, QString(), QString(), QString());
    if (path.isEmpty())
        return;
    FreLoadBookFile(path);
}

bool FrmCommuBook::FreLoadBookFile(const QString &path)
{
    // A book file is exactly one record; anything else (shorter, longer, not a file, unreadable,
    // missing) is refused before the book is touched.
    QByteArray bytes;
    CommBook book{};
    if (ReadWholeFile(path, kCommBookFileSize, bytes) != WholeFileRead::Ok || !DecodeCommBookFile(bytes, book)) {
        ShowFileError();
        return false;
    }
    // Numbered by position, whatever the file says, so that the sort on closing finds every entry
    // once (a file from elsewhere may repeat or skip numbers).
    for (int i = 0; i < kCommBookEntries; ++i)
        book[static_cast<std::size_t>(i)].Number = static_cast<int16_t>(i);
    State().CommBookEditCopy = book;
    State().CurBookFileName = path;
    ShowBookData();
    // An open cell editor now shows the imported cell, so its old text never reaches the new book.
    if (!Text1->isHidden())
        Text1->setText(MSFlexGrid1->TextMatrix(CurBookEditRow, CurBookEditCol));
    return true;
}

void FrmCommuBook::CommandOutput_Click()
{
    const QString path = prompt().GetSaveFileName(this, QString(), State().CurBookFileName, QString());
    if (path.isEmpty())
        return;
    if (ConfirmReplaceFile(path))
        FreSaveBookFile(path);
}

bool FrmCommuBook::FreSaveBookFile(const QString &path)
{
    SaveBookCell(CurBookEditRow, CurBookEditCol);
    if (!ReplaceFile(path, EncodeCommBookFile(State().CommBookEditCopy))) {
        ShowFileError();
        return false;
    }
    State().CurBookFileName = path;
    return true;
}

void ShowFrmCommuBook()
{
    FrmCommuBook window;
    prompt().ShowModal(&window);
}
