// Reads and writes a full radio (every channel, FM-radio channel, 2-tone entry and 5-tone row in
// use) through the simulated radio on a pseudo-terminal, with the line paced at 9600 baud 8N1 in
// both directions, and compares each transfer's time with the time its bytes need on the wire:
// bytes x 10 bits / 9600 baud. The program opens the terminal through its real serial port.
//
//   bench_transfer            (prints one line per transfer and the ratio to the bound)

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <stdlib.h>
#include <sys/resource.h>

#include "common/test_env.h"
#include "data/app_state.h"
#include "data/channel_record.h"
#include "data/data_file.h"
#include "data/lang_text.h"
#include "link/link_commands.h"
#include "link/link_windows.h"
#include "link/memory_image.h"
#include "link/radio_port.h"
#include "platform/prompt.h"
#include "platform/prompt_script.h"
#include "platform/serial_port.h"
#include "radiosim/pty_server.h"
#include "radiosim/radio_sim.h"

namespace {

constexpr int kBenchPort = 9;
constexpr double kByteMs = 10.0 * 1000.0 / 9600.0; // start bit, 8 data bits, stop bit
constexpr double kSpinMs = 1.5;

// The line between the program and the radio: the simulated radio's pseudo-terminal, with the
// bytes passed on in both directions only once they would have crossed a 9600-baud line, and
// counted. A piece is passed on when its last byte is through, which is when the other side can
// act on it. Timers of whole milliseconds would make every piece up to a millisecond late, so the
// last stretch before a piece is due is waited out in a busy loop.
class PacedLine : public QObject {
public:
    explicit PacedLine(radiosim::Radio &radio) : radio_(radio), server_(radio)
    {
        clock_.start();
        deliver_.setSingleShot(true);
        deliver_.setTimerType(Qt::PreciseTimer);
        connect(&deliver_, &QTimer::timeout, this, &PacedLine::deliver);
    }

    bool open(QString *error)
    {
        if (!server_.start(error))
            return false;
        server_.setReceiver([this](const QByteArray &bytes) { send(toRadio, toRadioFree_, true, bytes); });
        radio_.setOutput([this](const QByteArray &bytes) { send(fromRadio, fromRadioFree_, false, bytes); });
        return true;
    }
    QString path() const { return server_.slavePath(); }

    std::atomic<qint64> toRadio = 0;   // counted on the line's thread,
    std::atomic<qint64> fromRadio = 0; // read by the program's between transfers

private:
    struct Piece {
        double dueMs;
        bool toRadio;
        QByteArray bytes;
    };

    double nowMs() const { return static_cast<double>(clock_.nsecsElapsed()) / 1.0e6; }

    // Queues a piece behind what the same direction still carries.
    void send(std::atomic<qint64> &count, double &lineFree, bool toRadio, const QByteArray &bytes)
    {
        count += bytes.size();
        lineFree = std::max(nowMs(), lineFree) + static_cast<double>(bytes.size()) * kByteMs;
        pending_.push_back({lineFree, toRadio, bytes});
        std::stable_sort(pending_.begin(), pending_.end(), [](const Piece &a, const Piece &b) { return a.dueMs < b.dueMs; });
        schedule();
    }
    void schedule()
    {
        if (pending_.empty())
            return;
        const double wait = pending_.front().dueMs - nowMs();
        deliver_.start(wait > kSpinMs ? static_cast<int>(wait - kSpinMs) : 0);
    }
    void deliver()
    {
        // The last stretch is waited out here: a timer can wake a millisecond late.
        if (!pending_.empty() && pending_.front().dueMs - nowMs() < kSpinMs)
            while (nowMs() < pending_.front().dueMs) {
            }
        while (!pending_.empty() && pending_.front().dueMs <= nowMs()) {
            const Piece piece = pending_.front();
            pending_.pop_front();
            if (piece.toRadio)
                radio_.receive(piece.bytes);
            else
                server_.writeMaster(piece.bytes);
        }
        schedule();
    }

    radiosim::Radio &radio_;
    radiosim::PtyServer server_; // the radio outlives the line
    QElapsedTimer clock_;
    QTimer deliver_;
    double toRadioFree_ = 0;
    double fromRadioFree_ = 0;
    std::deque<Piece> pending_;
};

// CPU time of this process (program, line and radio together), in ms.
double CpuMs()
{
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return (static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}

// Records with every table entry in use.
void FillAllInUse()
{
    AppState &st = State();
    RadioDataRecord &r = st.RadioData;
    SignallingRecord &sig = r.SignallingRecord;
    SetDefaults(sig.DtmfBlock);
    SetDefaults(sig.TwoToneBlock.General);
    SetDefaults(sig.TwoToneBlock.Entries);
    SetDefaults(sig.FiveToneBlock);
    SetDefaults(sig.OptionBlock);
    SetDefaults(sig.ScanBlock);
    SetDefaults(sig.AlertBlock);
    SetDefaults(r.FmChannelTable);
    SetDefaults(r.CommBook);
    for (auto &e : sig.TwoToneBlock.Entries) {
        e = sig.TwoToneBlock.Entries[0];
    }
    for (auto &row : sig.FiveToneBlock.CodeRows)
        row.Empty = 0;
    for (int i = 0; i < 100; ++i) {
        r.FmChannelTable[i].Used = 1;
        r.FmChannelTable[i].Frequency = QByteArray("00880000");
    }
    r.ChannelCount = 200;
    for (int n = 1; n <= 200; ++n) {
        ChannelRecord c = NewChannelRecord(static_cast<int16_t>(n));
        c.Used = 1;
        c.RxFrequency = QByteArray("043000000");
        c.TxOffset = QByteArray("000000000");
        st.ChannelList[static_cast<size_t>(n - 1)] = c;
    }
}

struct Result {
    double ms = 0;
    double cpuMs = 0;
    qint64 bytes = 0;
    bool ok = false;
};

// Runs one command with its confirmation answered and its progress window's own loop.
Result Run(void (*command)(), PacedLine &line, ScriptedPrompt &script, const QString &doneText)
{
    script.clear();
    script.answer(vbOK);
    script.onModal([](QDialog *d) {
        QTimer::singleShot(600000, d, [d] { d->done(QDialog::Rejected); });
        return ScriptedPrompt::Exec(d);
    });
    const qint64 before = line.toRadio + line.fromRadio;
    const double cpu = CpuMs();
    QElapsedTimer t;
    t.start();
    command();
    Result r;
    r.ms = static_cast<double>(t.nsecsElapsed()) / 1.0e6;
    r.cpuMs = CpuMs() - cpu;
    r.bytes = line.toRadio + line.fromRadio - before;
    const auto messages = script.messages();
    r.ok = !messages.isEmpty() && messages.last().text == doneText;
    return r;
}

void Report(QTextStream &out, const char *what, const Result &r, int exchanges)
{
    const double bound = static_cast<double>(r.bytes) * kByteMs;
    out << QStringLiteral("%1: %2 bytes on the wire, bound %3 s, took %4 s = %5 % of the bound (CPU %6 s)%7")
               .arg(QString::fromLatin1(what))
               .arg(r.bytes)
               .arg(bound / 1000.0, 0, 'f', 3)
               .arg(r.ms / 1000.0, 0, 'f', 3)
               .arg(r.ms / bound * 100.0, 0, 'f', 1)
               .arg(r.cpuMs / 1000.0, 0, 'f', 3)
               .arg(r.ok ? QString() : QStringLiteral("  (FAILED)"))
        << Qt::endl;
    out << QStringLiteral("       %1 requests taken by the radio, %2 ms each beyond the wire time")
               .arg(exchanges)
               .arg((r.ms - bound) / exchanges, 0, 'f', 3)
        << Qt::endl;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    InstallQtPrompt();
    RegisterLinkWindows();
    QTextStream out(stdout);
    testenv::TempProgramDir programDir;
    ScriptedPrompt script;

    // The radio and the line run in a thread of their own, so that the program's work never holds
    // up the line's timing and the line's waiting never holds up the program.
    QThread lineThread;
    lineThread.start();
    QObject inThread;
    inThread.moveToThread(&lineThread);
    std::unique_ptr<radiosim::Radio> radio;
    std::unique_ptr<PacedLine> line;
    QString error;
    bool opened = false;
    const auto onLineThread = [&inThread](const std::function<void()> &f) {
        QMetaObject::invokeMethod(&inThread, f, Qt::BlockingQueuedConnection);
    };
    onLineThread([&] {
        radio = std::make_unique<radiosim::Radio>();
        line = std::make_unique<PacedLine>(*radio);
        opened = line->open(&error);
    });
    if (!opened) {
        out << "cannot make a pseudo-terminal: " << error << Qt::endl;
        return 2;
    }
    qputenv("TORVA_EXTRA_PORTS", QStringLiteral("%1=%2").arg(kBenchPort).arg(line->path()).toLocal8Bit());
    SystemSerialPort serial;
    InstallRadioPort(&serial);
    State().ComPort = kBenchPort;

    FillAllInUse();
    SnapshotToSaved(); // no unsaved changes: the read asks nothing about saving
    // Every request the radio took, counted from its frame log.
    const auto takeExchanges = [&] {
        qsizetype n = 0;
        onLineThread([&] {
            n = radio->log().size();
            radio->clearLog();
        });
        return static_cast<int>(n);
    };
    takeExchanges();
    const Result write = Run(WriteRadioCommand, *line, script, GetLangText(2005));
    const int writeExchanges = takeExchanges();
    const Result read = Run(ReadRadioCommand, *line, script, GetLangText(2004));
    const int readExchanges = takeExchanges();
    InstallRadioPort(nullptr);
    const QString path = line->path();
    onLineThread([&] {
        line.reset();
        radio.reset();
    });
    lineThread.quit();
    lineThread.wait();

    double load[1] = {0};
    ::getloadavg(load, 1);
    out << "9600 baud 8N1, pseudo-terminal " << path << ", load average " << load[0] << Qt::endl;
    Report(out, "write", write, writeExchanges);
    Report(out, "read ", read, readExchanges);
    return write.ok && read.ok ? 0 : 1;
}
