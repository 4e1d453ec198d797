// Times the main window's redraw of the whole channel grid (ReShowListByData) on a full table of
// 206 channels, every column holding text, and prints the figures. Run it from a release build:
//   QT_QPA_PLATFORM=offscreen ./bench_grid_redraw [rounds]

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench_stats.h"
#include "common/test_env.h"
#include "data/app_state.h"
#include "data/channel_record.h"
#include "data/radio_data.h"
#include "link/link_windows.h"
#include "platform/flex_grid.h"
#include "platform/prompt.h"
#include "shell/channel_grids.h"

namespace {

// A full table: channels 1..200 and the six special channels, with offsets in both directions,
// names, every tone kind and DTMF signalling, so that every column rule runs. Each seed gives
// every channel other values in every column.
void FillFullTable(int seed)
{
    AppState &s = State();
    for (int slot = 0; slot < kChannelSlots; ++slot) {
        const int i = slot + seed;
        ChannelRecord c = NewChannelRecord(static_cast<int16_t>(slot + 1));
        c.Used = 1;
        const int khz = 400000 + i * 125;
        c.RxFrequency.assign(QByteArray::number(khz * 100).rightJustified(9, '0'));
        c.TxOffset.assign("000500000");
        c.OffsetDir = static_cast<int16_t>(i % 3);
        c.Name.assign(QByteArray("CH") + QByteArray::number(i));
        c.StepIndex = static_cast<int16_t>(i % 9);
        c.Bandwidth = static_cast<int16_t>(i % 2);
        c.Power = static_cast<int16_t>(i % 2);
        c.DecodeToneType = static_cast<int16_t>(i % 3);
        c.DecodeCtcssIndex = static_cast<int16_t>(i % 52);
        c.DecodeDcsCode = static_cast<int16_t>(i * 2);
        c.EncodeToneType = static_cast<int16_t>((i + 1) % 3);
        c.EncodeCtcssIndex = static_cast<int16_t>(i % 51);
        c.EncodeDcsCode = static_cast<int16_t>(i);
        c.EncodeDcsInverted = static_cast<int16_t>(i % 2);
        c.OptSig = static_cast<int16_t>(i % 2);
        c.DtmfMemoryIndex = static_cast<int16_t>(i % 16);
        s.ChannelList[static_cast<std::size_t>(slot)] = c;
    }
    s.RadioData.ChannelCount = kChannelSlots;
    SetDefaults(s.RadioData.FmChannelTable);
}

} // namespace

int main(int argc, char **argv)
{
    bench::UseOffscreenByDefault();
    QApplication app(argc, argv);
    InstallQtPrompt();
    RegisterLinkWindows();
    const int rounds = bench::Rounds(argc, argv, 50);

    testenv::TempProgramDir programDir; // the staged language files
    ResetState();
    FillFullTable(0);

    QWidget window;
    window.resize(1300, 800);
    ChannelGrids grids(&window);
    grids.Grid(0)->setGeometry(10, 10, 1250, 760);
    window.show();

    QElapsedTimer timer;
    timer.start();
    grids.ShowListByData();
    const double showMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    QApplication::processEvents();

    // Alternate two tables so that every redraw changes the cells it writes.
    std::vector<double> redraw;
    std::vector<double> withPaint;
    for (int round = 0; round < rounds; ++round) {
        FillFullTable(1 + round % 2);
        timer.restart();
        grids.ReShowListByData();
        redraw.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        QApplication::processEvents(); // the view hears of the changes and repaints
        withPaint.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }

    std::printf("ShowListByData (first build, lists included): %.2f ms\n", showMs);
    std::printf("ReShowListByData, 206 channels x 10 columns, %d rounds: median %.2f ms, worst %.2f ms\n", rounds,
                bench::Median(redraw), bench::Worst(redraw));
    std::printf("  with the repaint that follows: median %.2f ms, worst %.2f ms\n", bench::Median(withPaint),
                bench::Worst(withPaint));
    return 0;
}
