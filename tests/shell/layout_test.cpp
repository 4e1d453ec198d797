// The main window's layout: SizeControls' clamps and places, the toolbar and status bar shown and
// hidden, the smallest window width, the splitter drag and the FM editor that follows its cell.

#include <QAction>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

#include "data/app_state.h"
#include "platform/flex_grid.h"
#include "platform/form_kit.h"
#include "shell/channel_grids.h"
#include "shell/frm_main.h"
#include "shell_fixture.h"

namespace {

class LayoutTest : public shelltest::ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        w = std::make_unique<FrmMain>();
        w->show();
        w->resize(1200, 800);
        QCoreApplication::processEvents();
        // The offscreen platform draws a 2-pixel frame: Width 18060 twips, client width 18000.
        ASSERT_EQ(w->frameGeometry().width(), 1204);
        ASSERT_EQ(w->centralWidget()->width(), 1200);
        for (int i = 0; i < 3; ++i)
            grid[i] = w->Grids()->Grid(i);
        ASSERT_TRUE(grid[0] && grid[1] && grid[2]);
        ASSERT_EQ(grid[0]->Cols(), 13);
    }
    void TearDown() override
    {
        w.reset();
        ShellTest::TearDown();
    }
    int ClientHeight() const { return w->centralWidget()->height(); }
    std::unique_ptr<FrmMain> w;
    FlexGrid *grid[3] = {};
};

struct ClampCase {
    float requested;
    float used;
    int treeWidth;        // px
    int gridLeft;         // px
    int gridWidth[3];     // px
};

TEST_F(LayoutTest, SplitterPositionIsClampedAndGridsKeepTheirSmallestWidths)
{
    const ClampCase cases[] = {
        // 18000 - 70 = 17930 twips.
        {10, 30, 2, 5, {1195, 1195, 1195}},
        // 18000 - 2440 = 15560 twips.
        {2400, 2400, 160, 163, {1037, 1037, 1037}},
        // Too close to the right edge: Width - 30; every grid at its smallest width.
        {18050, 18030, 1202, 1205, {763, 138, 122}},
        {18000, 18000, 1200, 1203, {763, 138, 122}},
        // Grid 0 narrower than 11438 twips keeps 11438.
        {9000, 9000, 600, 603, {763, 597, 597}},
    };
    for (const ClampCase &c : cases) {
        float x = c.requested;
        w->SizeControls(x);
        EXPECT_EQ(x, c.used) << c.requested;
        EXPECT_EQ(w->tvTreeView->width(), c.treeWidth) << c.requested;
        EXPECT_EQ(w->imgSplitter->x(), c.treeWidth) << c.requested;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(grid[i]->x(), c.gridLeft) << c.requested << " grid " << i;
            EXPECT_EQ(grid[i]->width(), c.gridWidth[i]) << c.requested << " grid " << i;
        }
    }
}

TEST_F(LayoutTest, SpareGridsLastColumnTakesTheWidthBeyondItsSmallest)
{
    float x = 2400; // grid 1: 15560 - 2070 = 13490 twips (899 px)
    w->SizeControls(x);
    EXPECT_EQ(grid[1]->ColWidth(grid[1]->Cols() - 1), 899 * 15);
}

TEST_F(LayoutTest, ToolbarAndStatusBarDecideTheTreesTopAndHeight)
{
    const int tb = w->tbToolBar->height();
    const int sb = w->sbStatusBar->height();
    ASSERT_GT(tb, 0);
    ASSERT_GT(sb, 0);
    struct Row {
        bool toolBar;
        bool statusBar;
        int top;
        int height;
    };
    const Row rows[] = {
        {true, true, tb, ClientHeight() - sb - tb},
        {false, true, 0, ClientHeight() - sb},
        {true, false, tb, ClientHeight() - tb},
        {false, false, 0, ClientHeight()},
    };
    QAction *toolBarItem = w->findChild<QAction *>(QStringLiteral("MnuViewToolBar"));
    QAction *statusBarItem = w->findChild<QAction *>(QStringLiteral("MnuViewStatusBar"));
    for (const Row &r : rows) {
        if (toolBarItem->isChecked() != r.toolBar)
            toolBarItem->trigger();
        if (statusBarItem->isChecked() != r.statusBar)
            statusBarItem->trigger();
        EXPECT_EQ(w->tbToolBar->isHidden(), !r.toolBar);
        EXPECT_EQ(w->sbStatusBar->isHidden(), !r.statusBar);
        EXPECT_EQ(w->tvTreeView->y(), r.top) << r.toolBar << r.statusBar;
        EXPECT_EQ(w->tvTreeView->height(), r.height) << r.toolBar << r.statusBar;
        EXPECT_EQ(w->imgSplitter->y(), r.top);
        EXPECT_EQ(w->imgSplitter->height(), r.height);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(grid[i]->y(), r.top);
            EXPECT_EQ(grid[i]->height(), r.height - 2); // 30 twips above the tree's bottom
        }
    }
}

TEST_F(LayoutTest, TooNarrowWindowSnapsBackToTheSmallestWidth)
{
    w->resize(100, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(w->frameGeometry().width(), 200); // 3000 twips
    w->resize(300, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(w->frameGeometry().width(), 304);
}

TEST_F(LayoutTest, DraggingStopsAtHalfTheWindowAndLaysOutOnceAtMouseUp)
{
    const auto send = [this](QEvent::Type type, int x) {
        QMouseEvent e(type, QPointF(x, 5), w->imgSplitter->mapToGlobal(QPointF(x, 5)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w->imgSplitter, &e);
    };
    const int treeWidth = w->tvTreeView->width();
    send(QEvent::MouseButtonPress, 1);
    EXPECT_TRUE(w->SplitterMoving);
    EXPECT_FALSE(w->picSplitter->isHidden());
    EXPECT_EQ(w->picSplitter->x(), w->imgSplitter->x());
    EXPECT_EQ(w->picSplitter->height(), TwipsToPx(w->imgSplitter->height() * 15 - 20));

    send(QEvent::MouseMove, 900);
    EXPECT_EQ(w->picSplitter->x(), 602); // Width / 2 = 9030 twips
    EXPECT_EQ(w->tvTreeView->width(), treeWidth); // nothing else moves during the drag

    send(QEvent::MouseButtonRelease, 900);
    EXPECT_FALSE(w->SplitterMoving);
    EXPECT_TRUE(w->picSplitter->isHidden());
    EXPECT_EQ(w->tvTreeView->width(), 602);
    EXPECT_EQ(w->imgSplitter->x(), 602);

    send(QEvent::MouseButtonPress, 0);
    send(QEvent::MouseMove, -2000);
    EXPECT_EQ(w->picSplitter->x(), 2); // 30 twips
    send(QEvent::MouseButtonRelease, -2000);
    EXPECT_EQ(w->tvTreeView->width(), 2);
}

TEST_F(LayoutTest, MouseMoveWithoutMouseDownMovesNothing)
{
    w->imgSplitter_MouseMove(3000);
    EXPECT_TRUE(w->picSplitter->isHidden());
    EXPECT_FALSE(w->SplitterMoving);
}

TEST_F(LayoutTest, OpenFmEditorFollowsItsCellWhenTheWindowIsResized)
{
    w->tvTreeView_NodeClick(QStringLiteral("N3"));
    grid[2]->setRow(3); // entering an FM cell opens its editor
    auto *text2 = w->centralWidget()->findChild<QWidget *>(QStringLiteral("Text2"));
    ASSERT_NE(text2, nullptr);
    ASSERT_FALSE(text2->isHidden());
    const auto cell = [this] {
        return QRect(grid[2]->x() + TwipsToPx(grid[2]->CellLeft()), grid[2]->y() + TwipsToPx(grid[2]->CellTop()),
                     TwipsToPx(grid[2]->CellWidth()), TwipsToPx(grid[2]->CellHeight()));
    };
    const QRect before = text2->geometry();

    float x = 4000;
    w->SizeControls(x);
    EXPECT_EQ(text2->geometry(), cell());
    EXPECT_NE(text2->geometry(), before);

    w->resize(1000, 700);
    QCoreApplication::processEvents();
    x = w->SplitterLeft();
    w->SizeControls(x); // the editor goes by the grid's top of the previous layout: lay out twice
    EXPECT_EQ(text2->geometry(), cell());
}

TEST_F(LayoutTest, HiddenFmEditorStaysWhereItIs)
{
    auto *text2 = w->centralWidget()->findChild<QWidget *>(QStringLiteral("Text2"));
    ASSERT_NE(text2, nullptr);
    text2->setGeometry(3, 4, 50, 20);
    text2->hide();
    float x = 4000;
    w->SizeControls(x);
    EXPECT_EQ(text2->geometry(), QRect(3, 4, 50, 20));
}

TEST_F(LayoutTest, OpenChannelEditorIsNotMovedByTheLayout)
{
    auto *editor = w->centralWidget()->findChild<QWidget *>(QStringLiteral("TextFreRx"));
    ASSERT_NE(editor, nullptr);
    editor->setGeometry(300, 100, 80, 20);
    editor->show();
    float x = 4000;
    w->SizeControls(x);
    EXPECT_EQ(editor->geometry(), QRect(300, 100, 80, 20));
}

} // namespace
