#pragma once
// A grid pane on a plain window, as frmMain holds it, with the redraw hooks filled, the default
// data set of band plan 0, and helpers that click, double-click and type as a user does.

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QWidget>
#include <memory>

#include "common/test_env.h"
#include "data/app_state.h"
#include "data/channel_table.h"
#include "data/hooks.h"
#include "common/ui_steps.h"
#include "data/radio_data.h"
#include "platform/flex_grid.h"
#include "platform/form_kit.h"
#include "shell/channel_grids.h"
#include "shell/grid_combo.h"

namespace gridtest {

inline QString S(const char *text) { return QString::fromUtf8(text); }

using testenv::Settle;

// A channel as the default data set makes it: used, skipped by scan, the receive frequency
// given as its nine stored digits, zero offset, empty name, CTCSS indexes 20, custom tone 151.1.
inline ChannelRecord DefaultChannel(int number, const char *rxStored)
{
    ChannelRecord c;
    c.Number = static_cast<int16_t>(number);
    c.Used = 1;
    c.ScanSkip = 1;
    c.RxFrequency.assign(QByteArray(rxStored));
    c.TxOffset.assign("000000000");
    c.Name = FixStr<6>::EmptyNul();
    c.EncodeCtcssIndex = 20;
    c.DecodeCtcssIndex = 20;
    c.CustomCtcss = 1511;
    c.Code.assign("00000");
    return c;
}

// The default data set of band plan 0: channels 1, 2 and the six special channels on 440 and
// 155 MHz in turn, the FM table with entries 0 and 100 on 108 MHz.
inline void LoadDefaultData()
{
    AppState &s = State();
    const int numbers[8] = {1, 2, 201, 202, 203, 204, 205, 206};
    for (int i = 0; i < 8; ++i)
        s.ChannelList[static_cast<std::size_t>(i)] = DefaultChannel(numbers[i], i % 2 == 0 ? "044000000" : "015500000");
    s.RadioData.ChannelCount = 8;
    SetDefaults(s.RadioData.FmChannelTable);
    s.CurFileName = S("new.dat");
}

// Appends a channel to the table.
inline ChannelRecord &AddChannel(const ChannelRecord &c)
{
    AppState &s = State();
    const int slot = s.RadioData.ChannelCount++;
    s.ChannelList[static_cast<std::size_t>(slot)] = c;
    return s.ChannelList[static_cast<std::size_t>(slot)];
}

// The channel with this number, nullptr when there is none.
inline const ChannelRecord *Channel(int number)
{
    const int slot = FindChannelSlot(number);
    return slot < 0 ? nullptr : &State().ChannelList[static_cast<std::size_t>(slot)];
}

class GridsTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        window = std::make_unique<QWidget>();
        window->resize(1300, 760);
        grids = new ChannelGrids(window.get());
        for (int i = 0; i < 3; ++i)
            grids->Grid(i)->setGeometry(10, 10, 1250, 700);
        HookRegistry &h = Hooks();
        h.ReShowListByData = [this] { grids->ReShowListByData(); };
        h.ReShowRadioListByData = [this] { grids->ReShowRadioListByData(); };
        h.ReShowGrid = [this](int grid, int row, int col) { grids->ReShowGrid(grid, row, col); };
        LoadDefaultData();
        grids->ShowListByData();
        ShowOnly(0);
        testenv::Activate(window.get());
    }

    void TearDown() override
    {
        window.reset();
        AppTest::TearDown();
    }

    // Shows one grid, as the navigation tree does.
    void ShowOnly(int index)
    {
        for (int i = 0; i < 3; ++i)
            grids->Grid(i)->setVisible(i == index);
        grids->Grid(index)->raise();
    }

    FlexGrid *G(int index = 0) const { return grids->Grid(index); }
    TextBox *Text(const char *name) const { return window->findChild<TextBox *>(S(name)); }
    GridCombo *Combo(const char *name) const { return window->findChild<GridCombo *>(S(name)); }
    ComboBox *List(const char *name) const { return window->findChild<ComboBox *>(S(name)); }

    QPoint CellCentre(int grid, int row, int col) const
    {
        FlexGrid *g = G(grid);
        g->ShowCell(row, col);
        return g->visualRect(g->model()->index(row, col)).center();
    }
    void Click(int grid, int row, int col)
    {
        QTest::mouseClick(G(grid)->viewport(), Qt::LeftButton, {}, CellCentre(grid, row, col));
        Settle();
    }
    void DoubleClick(int row, int col)
    {
        const QPoint at = CellCentre(0, row, col);
        QTest::mouseClick(G(0)->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(G(0)->viewport(), Qt::LeftButton, {}, at);
        Settle();
    }
    // Keys and text go where the focus is, as the keyboard's do: into an open list first.
    static QWidget *Focus()
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            return popup->focusWidget() ? popup->focusWidget() : popup;
        return QApplication::focusWidget();
    }
    static void Type(const QString &text)
    {
        QTest::keyClicks(Focus(), text);
        Settle();
    }
    static void Press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(Focus(), key, mods);
        Settle();
    }
    // Clears an open text editor by keys: select all, Delete.
    static void Erase()
    {
        Press(Qt::Key_End);
        Press(Qt::Key_Home, Qt::ShiftModifier);
        Press(Qt::Key_Delete);
    }
    // The texts of columns from..to of a channel-grid row.
    QStringList RowTexts(int row, int from = 1, int to = 10) const
    {
        QStringList out;
        for (int c = from; c <= to; ++c)
            out << G(0)->TextMatrix(row, c);
        return out;
    }

    std::unique_ptr<QWidget> window;
    ChannelGrids *grids = nullptr;
};

} // namespace gridtest
