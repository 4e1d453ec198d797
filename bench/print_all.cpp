// Times a print run of every section of a full data set into a PDF file: 206 channels (42 pages),
// every 2-tone entry, all 100 5-tone code rows, a full communication book. Run it from a release
// build:
//   QT_QPA_PLATFORM=offscreen ./bench_print_all [rounds]

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

#include "bench_stats.h"
#include "common/test_env.h"
#include "data/app_state.h"
#include "data/channel_record.h"
#include "data/defaults.h"
#include "platform/prompt_script.h"
#include "print/print_driver.h"
#include "print/print_texts.h"

namespace {

void FillDataSet()
{
    AppState &st = State();
    st.RadioData.ChannelCount = kChannelSlots;
    for (int n = 1; n <= kChannelSlots; ++n) {
        ChannelRecord &c = st.ChannelList[static_cast<std::size_t>(n - 1)];
        c = NewChannelRecord(static_cast<int16_t>(n));
        c.Used = 1;
        c.RxFrequency = FixStr<9>::fromBytes("045012500");
        c.Name = FixStr<6>::fromBytes("CH" + QByteArray::number(n));
        c.DecodeToneType = CtcCtcss;
        c.DecodeCtcssIndex = static_cast<int16_t>(n % 51);
        c.EncodeToneType = CtcDcs;
        c.EncodeDcsCode = static_cast<int16_t>(n);
    }
    SignallingRecord &s = st.RadioData.SignallingRecord;
    for (TwoToneEntry &e : s.TwoToneBlock.Entries) {
        e.Empty = 0;
        e.Divisor1 = 1000;
        e.Divisor2 = 2000;
        e.Tone1 = 10000;
        e.Tone2 = 5000;
        e.Name = FixStr<7>::fromBytes("TWO");
    }
    for (FiveToneCodeRecord &r : s.FiveToneBlock.CodeRows) {
        r.Empty = 0;
        r.CodeLength = 5;
        r.TonePeriod = 70;
        r.Code = FixStr<40>::fromBytes("12345");
        r.Name = FixStr<7>::fromBytes("FIVE");
    }
    int i = 0;
    for (BookEntry &b : st.RadioData.CommBook) {
        b.Number = static_cast<int16_t>(i);
        b.CallId = FixStr<5>::fromBytes(QByteArray::number(10000 + i++));
        b.Name = FixStr<6>::fromBytes("BOOK");
    }
}

} // namespace

int main(int argc, char **argv)
{
    bench::UseOffscreenByDefault();
    QApplication app(argc, argv);
    const int rounds = bench::Rounds(argc, argv, 5);

    InstallQtPrompt(); // the real service under the scripted one, as the tests have it
    ScriptedPrompt script;
    testenv::TempProgramDir programDir; // the staged language files
    ResetState();
    InitPrintLanguage();
    InitDataBlocks();
    FillDataSet();
    State().PrintItemFlags.fill(1);

    QTemporaryDir dir;
    std::vector<double> times;
    int pages = 0;
    for (int round = 0; round < rounds; ++round) {
        script.answerPrintToFile(dir.filePath(QStringLiteral("all.pdf")));
        CommonDialogState dialog;
        QElapsedTimer timer;
        timer.start();
        PrintSelected(dialog, nullptr);
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (State().PrintDone != 1 || !script.messages().isEmpty()) {
            std::fprintf(stderr, "the print run failed\n");
            return 1;
        }
        pages = 0;
        for (const PrintedText &t : LastPrintRecord())
            pages = std::max(pages, t.page);
    }
    std::printf("every section of a full data set to PDF (%d pages), %d rounds: median %.1f ms, worst %.1f ms\n",
                pages, rounds, bench::Median(times), bench::Worst(times));
    return 0;
}
