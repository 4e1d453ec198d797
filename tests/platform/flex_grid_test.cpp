#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "common/ui_steps.h"
#include "platform/flex_grid.h"
#include "platform/form_kit.h"

namespace {

QString S(const char *text) { return QString::fromLatin1(text); }

using testenv::Settle;

// A grid on a shown window, as the user sees it.
struct Shown {
    QWidget window;
    FlexGrid *grid;
    Shown(int rows, int cols) : grid(new FlexGrid(rows, cols, &window))
    {
        window.resize(900, 500);
        grid->setGeometry(10, 20, 800, 400);
        testenv::Activate(&window);
        grid->setFocus();
        Settle();
    }
    // The centre of cell (row, col) in the viewport.
    QPoint Centre(int row, int col) const
    {
        return QPoint(grid->columnViewportPosition(col) + grid->columnWidth(col) / 2,
                      grid->rowViewportPosition(row) + grid->rowHeight(row) / 2);
    }
};

// Records the grid's events in order.
struct EventLog {
    QStringList events;
    explicit EventLog(FlexGrid *grid)
    {
        QObject::connect(grid, &FlexGrid::EnterCell, [this, grid] {
            events << QStringLiteral("Enter(%1,%2)").arg(grid->Row()).arg(grid->Col());
        });
        QObject::connect(grid, &FlexGrid::Click, [this] { events << S("Click"); });
        QObject::connect(grid, &FlexGrid::DblClick, [this] { events << S("DblClick"); });
        QObject::connect(grid, &FlexGrid::KeyDown,
                         [this](int &code, int shift) { events << QStringLiteral("KeyDown(%1,%2)").arg(code).arg(shift); });
        QObject::connect(grid, &FlexGrid::KeyPress,
                         [this](int &ascii) { events << QStringLiteral("KeyPress(%1)").arg(ascii); });
    }
};

TEST(FlexGridTest, CellTextsByRowColumnAndByIndex)
{
    FlexGrid grid(5, 4);
    EXPECT_EQ(grid.Rows(), 5);
    EXPECT_EQ(grid.Cols(), 4);
    grid.setTextMatrix(2, 3, S("x"));
    EXPECT_EQ(grid.TextArray(2 * 4 + 3), S("x"));
    grid.setTextArray(0, S("corner"));
    EXPECT_EQ(grid.TextMatrix(0, 0), S("corner"));
    grid.setTextArray(4 * 4 + 1, S("last row"));
    EXPECT_EQ(grid.TextMatrix(4, 1), S("last row"));
    // Outside the grid: reads give "", writes change nothing.
    grid.setTextMatrix(5, 0, S("no"));
    grid.setTextArray(20, S("no"));
    EXPECT_EQ(grid.TextMatrix(5, 0), QString());
    EXPECT_EQ(grid.TextMatrix(-1, 0), QString());
    EXPECT_EQ(grid.TextArray(-1), QString());
    // The model shows the same cells: fixed row 0 as the column headers, fixed column 0 as the
    // row headers, with a CR LF pair as a line break.
    grid.setTextMatrix(0, 2, S("a\r\nb"));
    grid.setTextMatrix(3, 0, S("label"));
    EXPECT_EQ(grid.model()->headerData(2, Qt::Horizontal).toString(), S("a\nb"));
    EXPECT_EQ(grid.TextMatrix(0, 2), S("a\r\nb"));
    EXPECT_EQ(grid.model()->headerData(3, Qt::Vertical).toString(), S("label"));
    EXPECT_EQ(grid.model()->data(grid.model()->index(2, 3)).toString(), S("x"));
}

TEST(FlexGridTest, CurrentCellSetByProgramRaisesEnterCellOncePerChange)
{
    FlexGrid grid(5, 4);
    EventLog log(&grid);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
    grid.setRow(3);
    grid.setRow(3); // unchanged: no event
    grid.setCol(2);
    grid.setRow(0); // the program may make a fixed cell current
    grid.setRow(5); // outside: ignored
    grid.setCol(-1);
    EXPECT_EQ(log.events, QStringList({S("Enter(3,1)"), S("Enter(3,2)"), S("Enter(0,2)")}));
    EXPECT_EQ(grid.Row(), 0);
    grid.setText(S("head"));
    EXPECT_EQ(grid.TextMatrix(0, 2), S("head"));
    EXPECT_EQ(grid.Text(), S("head"));
}

TEST(FlexGridTest, ColoursBelongToCellsAndClearResetsTextsAndColours)
{
    FlexGrid grid(4, 3);
    grid.setRow(2);
    grid.setCol(1);
    grid.setCellForeColor(QColor(0, 0, 255));
    grid.setCellBackColor(QColor(250, 250, 240));
    grid.setText(S("t"));
    grid.setText(S("u"));
    EXPECT_EQ(grid.CellForeColorAt(2, 1), QColor(0, 0, 255));
    EXPECT_EQ(grid.CellBackColor(), QColor(250, 250, 240));
    EXPECT_FALSE(grid.CellForeColorAt(1, 1).isValid());
    const QModelIndex index = grid.model()->index(2, 1);
    EXPECT_EQ(grid.model()->data(index, Qt::BackgroundRole).value<QColor>(), QColor(250, 250, 240));
    grid.setCellForeColorAt(0, 2, QColor(0, 0, 155));
    EXPECT_EQ(grid.model()->headerData(2, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 155));

    grid.setTextMatrix(0, 0, S("corner"));
    grid.setColAlignment(1, flexAlignCenterCenter);
    grid.Clear();
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(grid.TextMatrix(r, c), QString());
            EXPECT_FALSE(grid.CellForeColorAt(r, c).isValid());
            EXPECT_FALSE(grid.CellBackColorAt(r, c).isValid());
        }
    EXPECT_EQ(grid.ColAlignment(1), flexAlignCenterCenter);
    EXPECT_EQ(grid.Row(), 2);
}

TEST(FlexGridTest, AlignmentsGiveTheModelsTextAlignment)
{
    FlexGrid grid(3, 3);
    grid.setTextMatrix(1, 1, S("12.5"));
    grid.setTextMatrix(1, 2, S("abc"));
    const auto align = [&](int r, int c) {
        return grid.model()->data(grid.model()->index(r, c), Qt::TextAlignmentRole).value<Qt::Alignment>();
    };
    // General: numbers right, texts left.
    EXPECT_EQ(align(1, 1), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(align(1, 2), Qt::AlignLeft | Qt::AlignVCenter);
    grid.setColAlignment(2, flexAlignCenterCenter);
    EXPECT_EQ(align(1, 2), Qt::Alignment(Qt::AlignCenter));
    grid.setColAlignment(2, 12); // not an alignment: unchanged
    EXPECT_EQ(grid.ColAlignment(2), flexAlignCenterCenter);
}

TEST(FlexGridTest, SizesInTwipsAndTheCurrentCellsPlace)
{
    Shown s(10, 5);
    FlexGrid &grid = *s.grid;
    grid.setColWidth(0, 600);
    grid.setColWidth(2, 1500);
    grid.setColWidth(3, 0);
    grid.setRowHeight(0, 500);
    EXPECT_EQ(grid.ColWidth(0), 600);
    EXPECT_EQ(grid.ColWidth(2), 1500);
    EXPECT_EQ(grid.ColWidth(3), 0);
    EXPECT_EQ(grid.ColWidth(1), FlexGrid::kDefaultColWidth);
    EXPECT_EQ(grid.RowHeight(0), 495); // 500 twips is 33 pixels
    grid.setColWidth(2, -1);
    EXPECT_EQ(grid.ColWidth(2), FlexGrid::kDefaultColWidth);
    Settle();

    grid.setRow(2);
    grid.setCol(2);
    // The cell's place relative to the grid widget matches where the view draws it.
    const QRect drawn = grid.visualRect(grid.model()->index(2, 2)).translated(grid.viewport()->pos());
    EXPECT_EQ(grid.CellLeft(), PxToTwips(drawn.left()));
    EXPECT_EQ(grid.CellTop(), PxToTwips(drawn.top()));
    // Width and height take in the grid line that the view leaves out of its drawing rectangle.
    EXPECT_EQ(grid.CellWidth(), PxToTwips(grid.columnWidth(2)));
    EXPECT_EQ(grid.CellHeight(), PxToTwips(grid.rowHeight(2)));
    EXPECT_EQ(grid.CellLeft(), PxToTwips(grid.frameWidth()) + 600 + FlexGrid::kDefaultColWidth);
}

TEST(FlexGridTest, ClicksAndDoubleClicksRaiseEnterCellClickAndDblClick)
{
    Shown s(10, 5);
    FlexGrid &grid = *s.grid;
    EventLog log(&grid);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, s.Centre(3, 2));
    EXPECT_EQ(log.events, QStringList({S("Enter(3,2)"), S("Click")}));
    log.events.clear();
    // A click on the current cell: Click only.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, s.Centre(3, 2));
    EXPECT_EQ(log.events, QStringList({S("Click")}));
    log.events.clear();
    // A double click: the first click as above, then DblClick and no second Click.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, s.Centre(4, 4));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, s.Centre(4, 4));
    EXPECT_EQ(log.events, QStringList({S("Enter(4,4)"), S("Click"), S("DblClick")}));
    log.events.clear();
    // A click on a fixed cell: Click, and the current cell stays.
    QTest::mouseClick(grid.horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(grid.verticalHeader()->viewport(), Qt::LeftButton, {}, QPoint(5, 25));
    EXPECT_EQ(log.events, QStringList({S("Click"), S("Click")}));
    EXPECT_EQ(grid.Row(), 4);
    EXPECT_EQ(grid.Col(), 4);
    // The right button moves nothing.
    log.events.clear();
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, s.Centre(1, 1));
    EXPECT_TRUE(log.events.isEmpty());
}

TEST(FlexGridTest, KeysRaiseKeyDownAndKeyPressThenArrowsMoveAndFixedCellsAreNeverReached)
{
    Shown s(10, 5);
    FlexGrid &grid = *s.grid;
    EventLog log(&grid);
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Right);
    EXPECT_EQ(log.events, QStringList({S("KeyDown(40,0)"), S("Enter(2,1)"), S("KeyDown(39,0)"), S("Enter(2,2)")}));
    log.events.clear();
    // Up twice from row 2: row 1, then nothing further (row 0 is fixed); the same to the left.
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Home);
    QTest::keyClick(&grid, Qt::Key_Left);
    EXPECT_EQ(log.events, QStringList({S("KeyDown(38,0)"), S("Enter(1,2)"), S("KeyDown(38,0)"), S("KeyDown(36,0)"),
                                       S("Enter(1,1)"), S("KeyDown(37,0)")}));
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
    log.events.clear();
    // Enter and characters: KeyDown, then KeyPress; Ctrl+C with its control character (the
    // modifier keys going down have KeyDown events of their own: 17 Ctrl, 16 Shift).
    QTest::keyClick(&grid, Qt::Key_Return);
    QTest::keyClick(&grid, Qt::Key_A, Qt::NoModifier);
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    // Ctrl+Enter types a line feed (10), not Enter's 13.
    QTest::keyClick(&grid, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(log.events,
              QStringList({S("KeyDown(13,0)"), S("KeyPress(13)"), S("KeyDown(65,0)"), S("KeyPress(97)"), S("KeyDown(17,2)"),
                           S("KeyDown(67,2)"), S("KeyPress(3)"), S("KeyDown(16,1)"), S("KeyDown(17,3)"),
                           S("KeyDown(67,3)"), S("KeyPress(3)"), S("KeyDown(17,2)"), S("KeyDown(13,2)"),
                           S("KeyPress(10)")}));
    // Typing neither moves the current cell nor changes a text.
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
}

TEST(FlexGridTest, AKeyDownHandlerCancelsTheKey)
{
    Shown s(10, 5);
    FlexGrid &grid = *s.grid;
    QObject::connect(&grid, &FlexGrid::KeyDown, [](int &code, int) {
        if (code == 40)
            code = 0;
    });
    int presses = 0;
    QObject::connect(&grid, &FlexGrid::KeyPress, [&](int &) { ++presses; });
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.Row(), 1);
    QTest::keyClick(&grid, Qt::Key_Right);
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(presses, 0);
}

TEST(FlexGridTest, ArrowFromAFixedCellGoesToTheNearestCellThatCanBeCurrent)
{
    Shown s(10, 5);
    FlexGrid &grid = *s.grid;
    grid.setRow(0);
    grid.setCol(3);
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 3);
}

// The 5-tone code grid: 101 x 6 with two fixed columns (row numbers and the call kind).
TEST(FlexGridTest, TwoFixedColumnsAreDrawnAsFixedAndNeverReachedByTheUser)
{
    Shown s(101, 6);
    FlexGrid &grid = *s.grid;
    EventLog log(&grid);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.FixedRows(), 1);
    grid.setFixedCols(2);
    EXPECT_EQ(grid.FixedCols(), 2);
    // The current cell was in the column that became fixed: it moves to the first one that is not.
    EXPECT_EQ(log.events, QStringList({S("Enter(1,2)")}));
    const int widths[] = {400, 1200, 4300, 1600, 1800, 1050};
    for (int c = 0; c < 6; ++c)
        grid.setColWidth(c, widths[c]);
    grid.setRowHeight(0, 500);
    for (int r = 1; r < 101; ++r) {
        grid.setTextMatrix(r, 0, QString::number(r - 1));
        grid.setTextMatrix(r, 1, S("kind"));
    }
    Settle();
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(grid.ColWidth(c), PxToTwips(TwipsToPx(widths[c]))) << c;
    // Both fixed columns are drawn beside the rows, outside the scrolling cells.
    EXPECT_TRUE(grid.isColumnHidden(0));
    EXPECT_TRUE(grid.isColumnHidden(1));
    EXPECT_FALSE(grid.isColumnHidden(2));
    EXPECT_EQ(grid.verticalHeader()->width(), TwipsToPx(400) + TwipsToPx(1200));
    EXPECT_EQ(grid.model()->data(grid.model()->index(7, 1)).toString(), S("kind"));

    // A change of a cell in the second fixed column shows in the fixed area, in that column only.
    const int rowMiddle = grid.rowViewportPosition(3) + grid.rowHeight(3) / 2;
    const QRect kindCell(TwipsToPx(400) + 2, rowMiddle - 3, TwipsToPx(1200) - 4, 6);
    const QRect numberCell(2, rowMiddle - 3, TwipsToPx(400) - 4, 6);
    const QImage before = grid.verticalHeader()->viewport()->grab().toImage();
    grid.setTextMatrix(3, 1, S("WWWWWWWW"));
    Settle();
    const QImage after = grid.verticalHeader()->viewport()->grab().toImage();
    EXPECT_NE(before.copy(kindCell), after.copy(kindCell));
    EXPECT_EQ(before.copy(numberCell), after.copy(numberCell));

    // Keys: Home, Left and Ctrl+Home stop at column 2; End reaches the last column.
    log.events.clear();
    QTest::keyClick(&grid, Qt::Key_End);
    QTest::keyClick(&grid, Qt::Key_Home);
    QTest::keyClick(&grid, Qt::Key_Left);
    QTest::keyClick(&grid, Qt::Key_PageDown);
    QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 2);
    QStringList enters;
    for (const QString &event : log.events)
        if (event.startsWith(S("Enter")))
            enters << event;
    ASSERT_EQ(enters.size(), 4);
    EXPECT_EQ(enters[0], S("Enter(1,5)"));
    EXPECT_EQ(enters[1], S("Enter(1,2)"));
    EXPECT_EQ(enters[3], S("Enter(1,2)"));
    // The mouse: a click on a fixed cell of column 1 makes no cell current.
    log.events.clear();
    QTest::mouseClick(grid.verticalHeader()->viewport(), Qt::LeftButton, {}, kindCell.center());
    EXPECT_EQ(log.events, QStringList({S("Click")}));
    EXPECT_EQ(grid.Col(), 2);

    // The program may still make a fixed cell current; its place is in the fixed area.
    grid.setRow(4);
    grid.setCol(1);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.CellLeft(), PxToTwips(grid.frameWidth() + TwipsToPx(400)));
    EXPECT_EQ(grid.CellWidth(), PxToTwips(TwipsToPx(1200)));
    grid.setCol(2);
    EXPECT_EQ(grid.CellLeft(), PxToTwips(grid.frameWidth() + TwipsToPx(400) + TwipsToPx(1200)));
    // An arrow from the fixed column lands on the nearest cell that can be current.
    grid.setCol(1);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.Row(), 5);
    EXPECT_EQ(grid.Col(), 2);
}

TEST(FlexGridTest, FixedRowsAndColumnsCanBeSetFromNoneToAllButOne)
{
    Shown s(10, 5);
    FlexGrid &grid = *s.grid;
    grid.setFixedRows(2);
    EXPECT_EQ(grid.FixedRows(), 2);
    EXPECT_EQ(grid.Row(), 2);
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(grid.Row(), 2);
    grid.setRowHeight(0, 300);
    grid.setRow(1);
    EXPECT_EQ(grid.CellTop(), PxToTwips(grid.frameWidth() + TwipsToPx(300)));
    // Counts that leave no cell to move to, or are negative, change nothing.
    grid.setFixedRows(10);
    grid.setFixedCols(5);
    grid.setFixedCols(-1);
    EXPECT_EQ(grid.FixedRows(), 2);
    EXPECT_EQ(grid.FixedCols(), 1);
    // No fixed column: column 0 is a cell like the others.
    grid.setFixedCols(0);
    grid.setFixedRows(1);
    grid.setRow(3);
    grid.setCol(1);
    QTest::keyClick(&grid, Qt::Key_Left);
    EXPECT_EQ(grid.Col(), 0);
    EXPECT_EQ(grid.CellLeft(), PxToTwips(grid.frameWidth()));
    // Row 1 is an ordinary row again and can be reached.
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(grid.Row(), 1);
}

TEST(FlexGridTest, ScrollIsRaisedWhenEitherScrollBarMoves)
{
    Shown s(101, 6);
    FlexGrid &grid = *s.grid;
    for (int c = 1; c < 6; ++c)
        grid.setColWidth(c, 4000);
    Settle();
    int scrolls = 0;
    QObject::connect(&grid, &FlexGrid::Scroll, [&] { ++scrolls; });
    // The program's moves do not scroll.
    grid.setRow(90);
    Settle();
    EXPECT_EQ(scrolls, 0);
    grid.verticalScrollBar()->setValue(10);
    EXPECT_EQ(scrolls, 1);
    grid.horizontalScrollBar()->setValue(1);
    EXPECT_EQ(scrolls, 2);
    // A user's move that leaves the visible rows scrolls, and so raises Scroll.
    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_GT(scrolls, 2);
    EXPECT_EQ(grid.Row(), 100);
}

TEST(FlexGridTest, ChangesAreAnnouncedTogetherAndOnlyWhileDrawingIsOn)
{
    FlexGrid grid(50, 13);
    QSignalSpy spy(grid.model(), &QAbstractItemModel::dataChanged);
    grid.setRedraw(false);
    for (int r = 1; r < 50; ++r)
        for (int c = 1; c < 13; ++c)
            grid.setTextMatrix(r, c, S("x"));
    Settle();
    EXPECT_EQ(spy.count(), 0);
    grid.setRedraw(true);
    EXPECT_EQ(spy.count(), 1);
    // While drawing is on, changes made in one go are announced once, from the event loop.
    grid.setTextMatrix(3, 3, S("y"));
    grid.setTextMatrix(7, 9, S("z"));
    grid.setTextMatrix(7, 9, S("z")); // the same text: no change
    EXPECT_EQ(spy.count(), 1);
    Settle();
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(1).at(0).value<QModelIndex>(), grid.model()->index(3, 3));
    EXPECT_EQ(spy.at(1).at(1).value<QModelIndex>(), grid.model()->index(7, 9));
}

TEST(FlexGridTest, WritingAWholeChannelTableIsFast)
{
    FlexGrid grid(207, 13);
    QStringList texts;
    for (int i = 0; i < 13; ++i)
        texts << QStringLiteral("145.%1").arg(i);
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < 10; ++round)
        for (int r = 1; r < 207; ++r)
            for (int c = 1; c < 13; ++c)
                grid.setTextMatrix(r, c, texts[(r + c + round) % 13]);
    Settle();
    // Ten full tables; a sanitizer build is slow, so the bound is loose: one table well under 20 ms.
    EXPECT_LT(timer.elapsed(), 200);
}

} // namespace
