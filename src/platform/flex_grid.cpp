#include "platform/flex_grid.h"

#include <QAbstractButton>
#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <algorithm>
#include <vector>

#include "platform/form_kit.h"
#include "platform/numbers.h"
#include "platform/vb_keys.h"

// ---- The model: texts and colours of every cell, fixed ones included ----

class FlexGridModel : public QAbstractTableModel {
public:
    struct Cell {
        QString text;
        QRgb fore = 0;
        QRgb back = 0;
        bool hasFore = false;
        bool hasBack = false;
    };

    FlexGridModel(int rows, int cols, QObject *parent)
        : QAbstractTableModel(parent), rows_(rows), cols_(cols),
          cells_(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols)),
          align_(static_cast<std::size_t>(cols), flexAlignGeneral)
    {
    }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : cols_;
    }

    bool Inside(int row, int col) const { return row >= 0 && row < rows_ && col >= 0 && col < cols_; }
    const Cell &At(int row, int col) const
    {
        return cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col)];
    }
    Cell &At(int row, int col)
    {
        return cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col)];
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || !Inside(index.row(), index.column()))
            return QVariant();
        return CellData(index.row(), index.column(), role);
    }

    // Row 0 is the horizontal header, column 0 the vertical one.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        const int row = orientation == Qt::Horizontal ? 0 : section;
        const int col = orientation == Qt::Horizontal ? section : 0;
        if (!Inside(row, col))
            return QVariant();
        if (role == Qt::DisplayRole)
            return DisplayText(row, col);
        return CellData(row, col, role);
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
    }

    // A fixed cell's text shows a CR LF pair as one line break.
    QString DisplayText(int row, int col) const
    {
        QString text = At(row, col).text;
        if (text.contains(QLatin1Char('\r')))
            text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        return text;
    }

    Qt::Alignment QtAlignment(int col, const QString &text) const
    {
        switch (align_[static_cast<std::size_t>(col)]) {
        case flexAlignLeftTop:
            return Qt::AlignLeft | Qt::AlignTop;
        case flexAlignLeftCenter:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case flexAlignLeftBottom:
            return Qt::AlignLeft | Qt::AlignBottom;
        case flexAlignCenterTop:
            return Qt::AlignHCenter | Qt::AlignTop;
        case flexAlignCenterCenter:
            return Qt::AlignCenter;
        case flexAlignCenterBottom:
            return Qt::AlignHCenter | Qt::AlignBottom;
        case flexAlignRightTop:
            return Qt::AlignRight | Qt::AlignTop;
        case flexAlignRightCenter:
            return Qt::AlignRight | Qt::AlignVCenter;
        case flexAlignRightBottom:
            return Qt::AlignRight | Qt::AlignBottom;
        default:
            return (IsNumeric(text) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        }
    }

    QVariant CellData(int row, int col, int role) const
    {
        const Cell &cell = At(row, col);
        switch (role) {
        case Qt::DisplayRole:
            return cell.text;
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(QtAlignment(col, cell.text));
        case Qt::ForegroundRole:
            return cell.hasFore ? QVariant(QColor(cell.fore)) : QVariant();
        case Qt::BackgroundRole:
            return cell.hasBack ? QVariant(QColor(cell.back)) : QVariant();
        default:
            return QVariant();
        }
    }

    int Alignment(int col) const { return align_[static_cast<std::size_t>(col)]; }
    void SetAlignment(int col, int alignment)
    {
        align_[static_cast<std::size_t>(col)] = alignment;
        Touch(0, col);
        Touch(rows_ - 1, col);
    }

    // Marks a cell as changed; the views hear of the changes together, at once when drawing is
    // switched on again, otherwise when control returns to the event loop.
    void Touch(int row, int col)
    {
        if (!dirty_) {
            dirty_ = true;
            top_ = bottom_ = row;
            left_ = right_ = col;
        } else {
            top_ = std::min(top_, row);
            bottom_ = std::max(bottom_, row);
            left_ = std::min(left_, col);
            right_ = std::max(right_, col);
        }
        if (redraw_ && !flushQueued_) {
            flushQueued_ = true;
            QMetaObject::invokeMethod(this, [this] { Flush(); }, Qt::QueuedConnection);
        }
    }

    void Flush()
    {
        flushQueued_ = false;
        if (!dirty_ || !redraw_)
            return;
        dirty_ = false;
        emit dataChanged(index(top_, left_), index(bottom_, right_));
        if (top_ < fixedRows_)
            emit headerDataChanged(Qt::Horizontal, left_, right_);
        if (left_ < fixedCols_)
            emit headerDataChanged(Qt::Vertical, top_, bottom_);
        if (top_ < fixedRows_ && left_ < fixedCols_ && corner_)
            corner_->update();
    }

    void SetRedraw(bool on)
    {
        redraw_ = on;
        if (on)
            Flush();
    }

    void ClearAll()
    {
        for (Cell &cell : cells_)
            cell = Cell();
        Touch(0, 0);
        Touch(rows_ - 1, cols_ - 1);
    }

    QWidget *corner_ = nullptr;
    int fixedRows_ = 1;
    int fixedCols_ = 1;

private:
    int rows_;
    int cols_;
    std::vector<Cell> cells_;
    std::vector<int> align_;
    bool redraw_ = true;
    bool flushQueued_ = false;
    bool dirty_ = false;
    int top_ = 0, left_ = 0, bottom_ = 0, right_ = 0;
};

// ---- The headers: they draw the fixed cells of their sections ----

class FlexGridHeader : public QHeaderView {
public:
    FlexGridHeader(Qt::Orientation orientation, FlexGrid *grid) : QHeaderView(orientation, grid), grid_(grid) {}

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        if (rect.isValid())
            grid_->PaintFixedSection(painter, viewport(), orientation(), rect, logicalIndex);
    }

private:
    FlexGrid *grid_;
};

// ---- FlexGrid ----

namespace {
int Twips(int px) { return PxToTwips(px); }

int SumOfFirst(const std::vector<int> &sizes, int count)
{
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += sizes[static_cast<std::size_t>(i)];
    return sum;
}
} // namespace

FlexGrid::FlexGrid(int rows, int cols, QWidget *parent)
    : QTableView(parent), model_(new FlexGridModel(std::max(rows, 2), std::max(cols, 2), this))
{
    setModel(model_);
    setHorizontalHeader(new FlexGridHeader(Qt::Horizontal, this));
    setVerticalHeader(new FlexGridHeader(Qt::Vertical, this));
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setAutoScroll(false); // the program's moves do not scroll; the user's key moves scroll themselves
    setWordWrap(false);
    setCornerButtonEnabled(false);

    const int rowPx = std::max(TwipsToPx(240), fontMetrics().height() + 4);
    for (QHeaderView *header : {horizontalHeader(), verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
        header->setMinimumSectionSize(0);
        header->viewport()->installEventFilter(this);
    }
    horizontalHeader()->setDefaultSectionSize(TwipsToPx(kDefaultColWidth));
    verticalHeader()->setDefaultSectionSize(rowPx);
    colPx_.assign(static_cast<std::size_t>(Cols()), TwipsToPx(kDefaultColWidth));
    rowPx_.assign(static_cast<std::size_t>(Rows()), rowPx);
    ApplyFixed();
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &FlexGrid::Scroll);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &FlexGrid::Scroll);

    // The corner button shows cell (0, 0).
    for (QAbstractButton *button : findChildren<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (button->metaObject()->className() == QByteArrayLiteral("QTableCornerButton")) {
            corner_ = button;
            corner_->installEventFilter(this);
            model_->corner_ = corner_;
        }
    }
    selectionModel()->setCurrentIndex(model_->index(row_, col_), QItemSelectionModel::NoUpdate);
}

FlexGrid::~FlexGrid() = default;

int FlexGrid::Rows() const { return model_->rowCount(); }
int FlexGrid::Cols() const { return model_->columnCount(); }

void FlexGrid::setFixedRows(int rows)
{
    if (rows < 0 || rows >= Rows() || rows == fixedRows_)
        return;
    fixedRows_ = rows;
    ApplyFixed();
    if (row_ < fixedRows_)
        MoveTo(fixedRows_, col_);
}

void FlexGrid::setFixedCols(int cols)
{
    if (cols < 0 || cols >= Cols() || cols == fixedCols_)
        return;
    fixedCols_ = cols;
    ApplyFixed();
    if (col_ < fixedCols_)
        MoveTo(row_, fixedCols_);
}

int FlexGrid::FixedWidthPx() const { return SumOfFirst(colPx_, fixedCols_); }
int FlexGrid::FixedHeightPx() const { return SumOfFirst(rowPx_, fixedRows_); }

void FlexGrid::ApplyFixed()
{
    model_->fixedRows_ = fixedRows_;
    model_->fixedCols_ = fixedCols_;
    for (int r = 0; r < Rows(); ++r) {
        const bool fixed = r < fixedRows_;
        if (fixed == isRowHidden(r))
            continue;
        setRowHidden(r, fixed);
        if (!fixed)
            verticalHeader()->resizeSection(r, rowPx_[static_cast<std::size_t>(r)]);
    }
    for (int c = 0; c < Cols(); ++c) {
        const bool fixed = c < fixedCols_;
        if (fixed == isColumnHidden(c))
            continue;
        setColumnHidden(c, fixed);
        if (!fixed)
            horizontalHeader()->resizeSection(c, colPx_[static_cast<std::size_t>(c)]);
    }
    verticalHeader()->setFixedWidth(FixedWidthPx());
    horizontalHeader()->setFixedHeight(FixedHeightPx());
    verticalHeader()->viewport()->update();
    horizontalHeader()->viewport()->update();
    if (corner_)
        corner_->update();
}

void FlexGrid::setRow(int row) { MoveTo(row, col_); }
void FlexGrid::setCol(int col) { MoveTo(row_, col); }

void FlexGrid::MoveTo(int row, int col)
{
    if (!model_->Inside(row, col) || (row == row_ && col == col_))
        return;
    row_ = row;
    col_ = col;
    selectionModel()->setCurrentIndex(model_->index(row, col), QItemSelectionModel::NoUpdate);
    emit EnterCell();
}

QString FlexGrid::TextMatrix(int row, int col) const
{
    return model_->Inside(row, col) ? model_->At(row, col).text : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString &text)
{
    if (!model_->Inside(row, col))
        return;
    QString &cell = model_->At(row, col).text;
    if (cell == text)
        return;
    cell = text;
    model_->Touch(row, col);
}

QString FlexGrid::TextArray(int index) const
{
    return index < 0 ? QString() : TextMatrix(index / Cols(), index % Cols());
}

void FlexGrid::setTextArray(int index, const QString &text)
{
    if (index >= 0)
        setTextMatrix(index / Cols(), index % Cols(), text);
}

QColor FlexGrid::CellForeColorAt(int row, int col) const
{
    if (!model_->Inside(row, col) || !model_->At(row, col).hasFore)
        return QColor();
    return QColor(model_->At(row, col).fore);
}

QColor FlexGrid::CellBackColorAt(int row, int col) const
{
    if (!model_->Inside(row, col) || !model_->At(row, col).hasBack)
        return QColor();
    return QColor(model_->At(row, col).back);
}

void FlexGrid::setCellForeColorAt(int row, int col, const QColor &color)
{
    if (!model_->Inside(row, col))
        return;
    FlexGridModel::Cell &cell = model_->At(row, col);
    cell.hasFore = color.isValid();
    cell.fore = color.isValid() ? color.rgb() : 0;
    model_->Touch(row, col);
}

void FlexGrid::setCellBackColorAt(int row, int col, const QColor &color)
{
    if (!model_->Inside(row, col))
        return;
    FlexGridModel::Cell &cell = model_->At(row, col);
    cell.hasBack = color.isValid();
    cell.back = color.isValid() ? color.rgb() : 0;
    model_->Touch(row, col);
}

int FlexGrid::CellLeft() const
{
    if (col_ < fixedCols_)
        return Twips(frameWidth() + SumOfFirst(colPx_, col_));
    return Twips(frameWidth() + FixedWidthPx() + columnViewportPosition(col_));
}

int FlexGrid::CellTop() const
{
    if (row_ < fixedRows_)
        return Twips(frameWidth() + SumOfFirst(rowPx_, row_));
    return Twips(frameWidth() + FixedHeightPx() + rowViewportPosition(row_));
}

int FlexGrid::CellWidth() const { return ColWidth(col_); }
int FlexGrid::CellHeight() const { return RowHeight(row_); }

void FlexGrid::setRedraw(bool on)
{
    redraw_ = on;
    model_->SetRedraw(on);
}

void FlexGrid::Clear() { model_->ClearAll(); }

int FlexGrid::ColWidth(int col) const
{
    if (col < 0 || col >= Cols())
        return 0;
    return Twips(colPx_[static_cast<std::size_t>(col)]);
}

void FlexGrid::setColWidth(int col, int twips)
{
    if (col < 0 || col >= Cols())
        return;
    const int px = twips < 0 ? TwipsToPx(kDefaultColWidth) : TwipsToPx(twips);
    colPx_[static_cast<std::size_t>(col)] = px;
    if (col < fixedCols_) {
        verticalHeader()->setFixedWidth(FixedWidthPx());
        verticalHeader()->viewport()->update();
        if (corner_)
            corner_->update();
    } else {
        horizontalHeader()->resizeSection(col, px);
    }
}

int FlexGrid::ColAlignment(int col) const
{
    return col >= 0 && col < Cols() ? model_->Alignment(col) : flexAlignGeneral;
}

void FlexGrid::setColAlignment(int col, int alignment)
{
    if (col >= 0 && col < Cols() && alignment >= flexAlignLeftTop && alignment <= flexAlignGeneral)
        model_->SetAlignment(col, alignment);
}

int FlexGrid::RowHeight(int row) const
{
    if (row < 0 || row >= Rows())
        return 0;
    return Twips(rowPx_[static_cast<std::size_t>(row)]);
}

void FlexGrid::setRowHeight(int row, int twips)
{
    if (row < 0 || row >= Rows())
        return;
    const int px = TwipsToPx(std::max(twips, 0));
    rowPx_[static_cast<std::size_t>(row)] = px;
    if (row < fixedRows_) {
        horizontalHeader()->setFixedHeight(FixedHeightPx());
        horizontalHeader()->viewport()->update();
        if (corner_)
            corner_->update();
    } else {
        verticalHeader()->resizeSection(row, px);
    }
}

void FlexGrid::ShowCell(int row, int col)
{
    if (row >= fixedRows_ && col >= fixedCols_ && model_->Inside(row, col))
        scrollTo(model_->index(row, col));
}

void FlexGrid::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    int keyCode = VbKeyCode(event);
    if (keyCode != 0) {
        emit KeyDown(keyCode, VbShiftState(event->modifiers()));
        if (keyCode == 0)
            return;
    }
    int keyAscii = VbKeyAscii(event);
    if (keyAscii != 0) {
        emit KeyPress(keyAscii);
        return;
    }

    CursorAction action;
    switch (event->key()) {
    case Qt::Key_Up:
        action = MoveUp;
        break;
    case Qt::Key_Down:
        action = MoveDown;
        break;
    case Qt::Key_Left:
        action = MoveLeft;
        break;
    case Qt::Key_Right:
        action = MoveRight;
        break;
    case Qt::Key_PageUp:
        action = MovePageUp;
        break;
    case Qt::Key_PageDown:
        action = MovePageDown;
        break;
    case Qt::Key_Home:
        action = MoveHome;
        break;
    case Qt::Key_End:
        action = MoveEnd;
        break;
    default:
        event->ignore();
        return;
    }
    // From a fixed cell a move starts at the nearest cell that can be current.
    selectionModel()->setCurrentIndex(model_->index(std::max(row_, fixedRows_), std::max(col_, fixedCols_)),
                                      QItemSelectionModel::NoUpdate);
    const QModelIndex target = moveCursor(action, event->modifiers());
    selectionModel()->setCurrentIndex(model_->index(row_, col_), QItemSelectionModel::NoUpdate);
    if (!target.isValid() || target.row() < fixedRows_ || target.column() < fixedCols_)
        return;
    scrollTo(target);
    MoveTo(target.row(), target.column());
}

bool FlexGrid::event(QEvent *event)
{
    // The clipboard chords belong to the grid's own key handler while it has the focus, not to
    // a window shortcut with the same keys.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (VbShiftState(key->modifiers()) == vbCtrlMask &&
            (key->key() == Qt::Key_C || key->key() == Qt::Key_V || key->key() == Qt::Key_X)) {
            event->accept();
            return true;
        }
    }
    return QTableView::event(event);
}

void FlexGrid::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    if (focusPolicy() & Qt::ClickFocus)
        setFocus(Qt::MouseFocusReason);
    pressed_ = true;
    afterDblClick_ = false;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        MoveTo(index.row(), index.column());
    event->accept();
}

void FlexGrid::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    if (afterDblClick_) {
        afterDblClick_ = false;
        return;
    }
    emit Click();
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        MoveTo(index.row(), index.column());
    pressed_ = true;
    afterDblClick_ = true;
    emit DblClick();
}

void FlexGrid::mouseMoveEvent(QMouseEvent *event)
{
    // No drag selection: the current cell changes by clicks and keys only.
    event->accept();
}

bool FlexGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == corner_ && event->type() == QEvent::Paint) {
        PaintCorner(corner_);
        return true;
    }
    if (watched != corner_ && watched != horizontalHeader()->viewport() && watched != verticalHeader()->viewport())
        return QTableView::eventFilter(watched, event);
    // A click on a fixed cell is a click on the grid; it makes no cell current.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            if (focusPolicy() & Qt::ClickFocus)
                setFocus(Qt::MouseFocusReason);
            pressed_ = true;
            afterDblClick_ = false;
        }
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && pressed_) {
            pressed_ = false;
            emit Click();
        }
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void FlexGrid::PaintCorner(QWidget *corner)
{
    QPainter painter(corner);
    int top = 0;
    for (int r = 0; r < fixedRows_; ++r) {
        const int height = rowPx_[static_cast<std::size_t>(r)];
        int left = 0;
        for (int c = 0; c < fixedCols_; ++c) {
            const int width = colPx_[static_cast<std::size_t>(c)];
            PaintFixedCell(&painter, corner, QRect(left, top, width, height), r, c);
            left += width;
        }
        top += height;
    }
}

void FlexGrid::PaintFixedSection(QPainter *painter, QWidget *header, Qt::Orientation orientation, const QRect &rect,
                                 int section) const
{
    // A column's section holds its fixed rows one below the other, a row's section its fixed
    // columns side by side.
    if (orientation == Qt::Horizontal) {
        int top = rect.top();
        for (int r = 0; r < fixedRows_; ++r) {
            const int height = rowPx_[static_cast<std::size_t>(r)];
            PaintFixedCell(painter, header, QRect(rect.left(), top, rect.width(), height), r, section);
            top += height;
        }
    } else {
        int left = rect.left();
        for (int c = 0; c < fixedCols_; ++c) {
            const int width = colPx_[static_cast<std::size_t>(c)];
            PaintFixedCell(painter, header, QRect(left, rect.top(), width, rect.height()), section, c);
            left += width;
        }
    }
}

void FlexGrid::PaintFixedCell(QPainter *painter, QWidget *widget, const QRect &rect, int row, int col) const
{
    if (rect.isEmpty() || !model_->Inside(row, col))
        return;
    QStyleOptionHeader opt;
    opt.initFrom(widget);
    opt.state |= QStyle::State_Raised;
    opt.rect = rect;
    // Drawn as a middle section of a row of headings, so that every fixed cell gets the
    // separating lines on both of its ends, also beside another fixed cell.
    opt.orientation = Qt::Horizontal;
    opt.position = QStyleOptionHeader::Middle;
    opt.text = model_->DisplayText(row, col);
    opt.textAlignment = model_->QtAlignment(col, opt.text);
    const FlexGridModel::Cell &cell = model_->At(row, col);
    if (cell.hasFore)
        opt.palette.setColor(QPalette::ButtonText, QColor(cell.fore));
    if (cell.hasBack) {
        opt.palette.setColor(QPalette::Button, QColor(cell.back));
        opt.palette.setColor(QPalette::Window, QColor(cell.back));
    }
    painter->save();
    painter->setClipRect(rect, Qt::IntersectClip);
    style()->drawControl(QStyle::CE_Header, &opt, painter, widget);
    painter->restore();
}
