// radiosim: a simulated radio on a pseudo-terminal. Prints the terminal's device path on the first
// line of standard output, then serves until it is stopped (Ctrl+C, SIGTERM). Frames it sees are
// logged to standard error (or --log FILE).
//
//   radiosim [--image FILE] [--save FILE] [--model CODE] [--band N] [--firmware V] [--options B]
//            [--killed] [--stunned] [--password TEXT] [--factory-word WORD]
//            [--drop N,..] [--corrupt N,..] [--garbage N,..] [--split N:K,..] [--split-gap MS]
//            [--resend K[@ADDR]] [--delay MS] [--delay-at N:MS,..] [--pace] [--log FILE] [--quiet]

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <unistd.h>

#include "radiosim/pty_server.h"
#include "radiosim/radio_sim.h"

namespace {

int g_signalPipe[2] = {-1, -1};

void OnSignal(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &c, 1);
}

bool ParseNumber(const QString &text, int &out)
{
    bool ok = false;
    out = text.trimmed().toInt(&ok, 0); // decimal, 0x.. hexadecimal
    return ok;
}

bool ParseList(const QString &text, QSet<int> &out)
{
    for (const QString &item : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        int n = 0;
        if (!ParseNumber(item, n) || n < 1)
            return false;
        out.insert(n);
    }
    return true;
}

bool ParsePairs(const QString &text, QMap<int, int> &out)
{
    for (const QString &item : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(QLatin1Char(':'));
        int a = 0, b = 0;
        if (parts.size() != 2 || !ParseNumber(parts[0], a) || !ParseNumber(parts[1], b) || a < 1 || b < 0)
            return false;
        out.insert(a, b);
    }
    return true;
}

int Fail(const QString &message)
{
    QTextStream(stderr) << "radiosim: " << message << Qt::endl;
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("radiosim"));

    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral("A simulated TORVA-6Y radio on a pseudo-terminal."));
    p.addHelpOption();
    const QCommandLineOption image({QStringLiteral("image")}, QStringLiteral("Memory image to serve (16384 bytes)."), QStringLiteral("file"));
    const QCommandLineOption save({QStringLiteral("save")}, QStringLiteral("Write the memory to this file after every session."), QStringLiteral("file"));
    const QCommandLineOption model({QStringLiteral("model")}, QStringLiteral("Model code (default TORVA6Y)."), QStringLiteral("code"));
    const QCommandLineOption band({QStringLiteral("band")}, QStringLiteral("Band-plan index byte (default 0)."), QStringLiteral("n"));
    const QCommandLineOption firmware({QStringLiteral("firmware")}, QStringLiteral("Firmware version (default V101)."), QStringLiteral("v"));
    const QCommandLineOption options({QStringLiteral("options")}, QStringLiteral("Option byte of the identify reply."), QStringLiteral("byte"));
    const QCommandLineOption killed({QStringLiteral("killed")}, QStringLiteral("The radio reports itself killed."));
    const QCommandLineOption stunned({QStringLiteral("stunned")}, QStringLiteral("The radio reports itself stunned."));
    const QCommandLineOption password({QStringLiteral("password")}, QStringLiteral("Programming password (up to 4 characters)."), QStringLiteral("text"));
    const QCommandLineOption factory({QStringLiteral("factory-word")}, QStringLiteral("7-letter word that opens the factory mode."), QStringLiteral("word"));
    const QCommandLineOption drop({QStringLiteral("drop")}, QStringLiteral("Replies not to send (numbers from 1)."), QStringLiteral("n,.."));
    const QCommandLineOption corrupt({QStringLiteral("corrupt")}, QStringLiteral("Replies to send with a wrong checksum."), QStringLiteral("n,.."));
    const QCommandLineOption garbage({QStringLiteral("garbage")}, QStringLiteral("Replies to replace by garbage."), QStringLiteral("n,.."));
    const QCommandLineOption split({QStringLiteral("split")}, QStringLiteral("Send reply n in two pieces, the first k bytes first."), QStringLiteral("n:k,.."));
    const QCommandLineOption splitGap({QStringLiteral("split-gap")}, QStringLiteral("Pause between the two pieces (default 50 ms)."), QStringLiteral("ms"));
    const QCommandLineOption resend({QStringLiteral("resend")}, QStringLiteral("Answer the next k write frames (to address) with the resend byte."), QStringLiteral("k[@addr]"));
    const QCommandLineOption delay({QStringLiteral("delay")}, QStringLiteral("Delay before every reply."), QStringLiteral("ms"));
    const QCommandLineOption delayAt({QStringLiteral("delay-at")}, QStringLiteral("Delay before reply n."), QStringLiteral("n:ms,.."));
    const QCommandLineOption pace({QStringLiteral("pace")}, QStringLiteral("Send bytes at 9600 baud (10 bits a byte)."));
    const QCommandLineOption logFile({QStringLiteral("log")}, QStringLiteral("Write the frame log to this file."), QStringLiteral("file"));
    const QCommandLineOption quiet({QStringLiteral("quiet")}, QStringLiteral("No frame log."));
    for (const auto *o : {&image, &save, &model, &band, &firmware, &options, &killed, &stunned, &password, &factory,
                          &drop, &corrupt, &garbage, &split, &splitGap, &resend, &delay, &delayAt, &pace, &logFile, &quiet})
        p.addOption(*o);
    p.process(app);

    radiosim::Radio radio;
    QString error;
    if (p.isSet(image) && !radio.loadImage(p.value(image), &error))
        return Fail(error);
    if (p.isSet(model)) {
        radio.identity.model = p.value(model).toLatin1();
        if (radio.identity.model.size() > 7)
            return Fail(QStringLiteral("a model code has at most 7 characters"));
    }
    int n = 0;
    if (p.isSet(band)) {
        if (!ParseNumber(p.value(band), n) || n < 0 || n > 255)
            return Fail(QStringLiteral("--band takes a byte value"));
        radio.identity.band = static_cast<uint8_t>(n);
    }
    if (p.isSet(firmware)) {
        radio.identity.version = p.value(firmware).toLatin1();
        if (radio.identity.version.size() > 4)
            return Fail(QStringLiteral("a firmware version has at most 4 characters"));
    }
    if (p.isSet(options)) {
        if (!ParseNumber(p.value(options), n) || n < 0 || n > 255)
            return Fail(QStringLiteral("--options takes a byte value"));
        radio.identity.options = static_cast<uint8_t>(n);
    }
    radio.identity.killed = p.isSet(killed);
    radio.identity.stunned = p.isSet(stunned);
    if (p.isSet(password)) {
        if (p.value(password).toLatin1().size() > 4)
            return Fail(QStringLiteral("a password has at most 4 characters"));
        radio.setPassword(p.value(password).toLatin1());
    }
    if (p.isSet(factory)) {
        radio.factoryWord = p.value(factory).toLatin1();
        if (radio.factoryWord.size() != 7)
            return Fail(QStringLiteral("the factory word has exactly 7 characters"));
    }
    radiosim::Faults &f = radio.faults;
    if ((p.isSet(drop) && !ParseList(p.value(drop), f.drop)) ||
        (p.isSet(corrupt) && !ParseList(p.value(corrupt), f.corrupt)) ||
        (p.isSet(garbage) && !ParseList(p.value(garbage), f.garbage)))
        return Fail(QStringLiteral("reply numbers are whole numbers from 1, separated by commas"));
    if ((p.isSet(split) && !ParsePairs(p.value(split), f.split)) ||
        (p.isSet(delayAt) && !ParsePairs(p.value(delayAt), f.delayAt)))
        return Fail(QStringLiteral("expected pairs n:value separated by commas"));
    if (p.isSet(splitGap) && (!ParseNumber(p.value(splitGap), f.splitGapMs) || f.splitGapMs < 0))
        return Fail(QStringLiteral("--split-gap takes milliseconds"));
    if (p.isSet(delay) && (!ParseNumber(p.value(delay), f.delayMs) || f.delayMs < 0))
        return Fail(QStringLiteral("--delay takes milliseconds"));
    if (p.isSet(resend)) {
        const QStringList parts = p.value(resend).split(QLatin1Char('@'));
        if (!ParseNumber(parts[0], f.resendCount) || f.resendCount < 0 || parts.size() > 2 ||
            (parts.size() == 2 && !ParseNumber(parts[1], f.resendAddress)))
            return Fail(QStringLiteral("--resend takes k or k@address"));
    }
    f.pace = p.isSet(pace);

    QFile logOut;
    if (p.isSet(logFile)) {
        logOut.setFileName(p.value(logFile));
        if (!logOut.open(QIODevice::WriteOnly | QIODevice::Text))
            return Fail(QStringLiteral("cannot write %1").arg(p.value(logFile)));
    } else {
        if (!logOut.open(stderr, QIODevice::WriteOnly | QIODevice::Text))
            return Fail(QStringLiteral("cannot write the log"));
    }
    if (!p.isSet(quiet)) {
        QObject::connect(&radio, &radiosim::Radio::frameLogged, &radio, [&](int index) {
            logOut.write(radiosim::Radio::FormatEntry(radio.log().at(index)).toUtf8() + '\n');
            logOut.flush();
        });
    }
    if (p.isSet(save)) {
        const QString path = p.value(save);
        QObject::connect(&radio, &radiosim::Radio::sessionEnded, &radio, [&radio, path] {
            QString e;
            if (!radio.saveImage(path, &e))
                QTextStream(stderr) << "radiosim: " << e << Qt::endl;
        });
    }

    radiosim::PtyServer server(radio);
    if (!server.start(&error))
        return Fail(error);

    if (::pipe(g_signalPipe) == 0) {
        auto *notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
        std::signal(SIGINT, OnSignal);
        std::signal(SIGTERM, OnSignal);
    }

    QTextStream out(stdout);
    out << server.slavePath() << Qt::endl;
    out << "Use it with: TORVA_EXTRA_PORTS=9=" << server.slavePath() << " (then choose COM9)" << Qt::endl;

    const int rc = QCoreApplication::exec();
    server.stop();
    return rc;
}
