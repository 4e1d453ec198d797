// Times the batch editor's Apply over all 206 channels with every item ticked (random tones,
// numbered names, own TX start and step, clearing outside the range), starting each round from a
// table of channel 1 and the six special channels so that 199 channels are created. The channel
// grid's redraw is not part of it (bench_grid_redraw times that). Run it from a release build:
//   QT_QPA_PLATFORM=offscreen ./bench_batch_apply [rounds]

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>
#include <vector>

#include "bench_stats.h"
#include "common/test_env.h"
#include "data/app_state.h"
#include "data/batch_fun_flags.h"
#include "editors/channel/ch_batch_table.h"
#include "editors/channel/frm_ch_batch.h"
#include "platform/form_kit.h"

int main(int argc, char **argv)
{
    bench::UseOffscreenByDefault();
    QApplication app(argc, argv);
    const int rounds = bench::Rounds(argc, argv, 50);

    testenv::TempProgramDir programDir; // the staged language files
    ResetState();
    State().BatchFunFlags.fill(1);
    State().RadioData.SignallingRecord.DtmfBlock.CodeMemory[0].Length = 3;

    QElapsedTimer timer;
    timer.start();
    FrmCHBatch window;
    const double loadMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    const auto text2 = [&](int i) { return FindArrayElement<TextBox>(&window, QStringLiteral("Text2"), i); };
    const auto element = [&](const char *name, int i) {
        return FindArrayElement<QAbstractButton>(&window, QString::fromLatin1(name), i);
    };
    text2(1)->setText(QStringLiteral("12.5"));
    element("Option3", 2)->setChecked(true);
    text2(3)->setText(QStringLiteral("410"));
    text2(4)->setText(QStringLiteral("25"));
    SetCheckValue(qobject_cast<QCheckBox *>(element("Check3", 0)), 1);
    SetCheckValue(qobject_cast<QCheckBox *>(element("Check3", 2)), 0);
    SetCheckValue(qobject_cast<QCheckBox *>(element("Check3", 1)), 1);
    element("Option6", 1)->setChecked(true);
    text2(7)->setText(QStringLiteral("CH"));
    text2(8)->setText(QStringLiteral("001"));
    text2(9)->setText(QStringLiteral("1"));
    SetCheckValue(window.findChild<QCheckBox *>(QStringLiteral("Check4")), 1);
    window.findChild<TextBox *>(QStringLiteral("Text3"))->setText(QStringLiteral("88.5"));
    auto *apply = window.findChild<QPushButton *>(QStringLiteral("CommandApply"));

    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        chbatch::SetTable({1, 201, 202, 203, 204, 205, 206});
        timer.restart();
        apply->click();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("FrmCHBatch load (lists included): %.2f ms\n", loadMs);
    std::printf("Apply, every item, 200 channels walked (199 created), %d rounds: median %.2f ms, worst %.2f ms\n",
                rounds, bench::Median(times), bench::Worst(times));
    std::printf("channels in use afterwards: %d\n", State().RadioData.ChannelCount);
    return 0;
}
