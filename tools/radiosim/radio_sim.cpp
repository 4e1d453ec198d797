#include "radiosim/radio_sim.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace radiosim {

namespace {

constexpr double kFrameGapMs = 100.0; // a pause this long inside a frame throws the partial frame away
constexpr uint8_t kAck = 0x06;
constexpr uint8_t kResend = 0x0A;
constexpr uint8_t kIdentify = 0x02;
constexpr char kGarbage = static_cast<char>(0xA5);

const QByteArray &ProgramWord()
{
    static const QByteArray w("PROGRAM");
    return w;
}
const QByteArray &EndWord()
{
    static const QByteArray w("END");
    return w;
}

uint8_t ByteAt(const QByteArray &a, int i) { return static_cast<uint8_t>(a.at(i)); }

// The low byte of the sum of bytes [from, to).
uint8_t SumOf(const QByteArray &a, int from, int to)
{
    unsigned sum = 0;
    for (int i = from; i < to; ++i)
        sum += ByteAt(a, i);
    return static_cast<uint8_t>(sum & 0xFF);
}

bool StartsWithWord(const QByteArray &data, const QByteArray &word)
{
    return !word.isEmpty() && data.startsWith(word);
}

bool IsPrefixOfWord(const QByteArray &data, const QByteArray &word)
{
    return !word.isEmpty() && data.size() < word.size() && word.startsWith(data);
}

QString Hex(const QByteArray &bytes) { return QString::fromLatin1(bytes.toHex(' ').toUpper()); }

} // namespace

Radio::Radio(QObject *parent) : QObject(parent), memory(DefaultMemory())
{
    clock_.start();
    pump_.setSingleShot(true);
    pump_.setTimerType(Qt::PreciseTimer);
    connect(&pump_, &QTimer::timeout, this, &Radio::pump);
}

QByteArray Radio::DefaultMemory()
{
    QByteArray m(kMemorySize, '\0');
    // Usage bitmaps: a set bit marks an entry not in use.
    const auto fill = [&m](int from, int to) {
        for (int a = from; a <= to; ++a)
            m[a] = static_cast<char>(0xFF);
    };
    fill(0x0100, 0x013F); // channel usage and scan-skip bitmaps
    fill(0x0260, 0x026F); // FM-radio usage bitmap
    fill(0x0380, 0x039F); // 2-tone and 5-tone usage bitmaps
    fill(kPasswordAddress, kPasswordAddress + 3); // no password
    return m;
}

bool Radio::loadImage(const QString &path, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot open %1: %2").arg(path, f.errorString());
        return false;
    }
    const QByteArray data = f.read(kMemorySize + 1);
    if (data.size() != kMemorySize) {
        if (error)
            *error = QStringLiteral("%1 holds %2 bytes; a memory image holds exactly %3")
                         .arg(path)
                         .arg(data.size() > kMemorySize ? QStringLiteral("more than %1").arg(kMemorySize)
                                                        : QString::number(data.size()))
                         .arg(kMemorySize);
        return false;
    }
    memory = data;
    return true;
}

bool Radio::saveImage(const QString &path, QString *error) const
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(memory) != memory.size() || !f.commit()) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(path, f.errorString());
        return false;
    }
    return true;
}

void Radio::setPassword(const QByteArray &password)
{
    for (int i = 0; i < 4; ++i)
        memory[kPasswordAddress + i] = i < password.size() ? password.at(i) : static_cast<char>(0xFF);
}

QByteArray Radio::password() const
{
    QByteArray p;
    for (int i = 0; i < 4; ++i) {
        const uint8_t b = ByteAt(memory, kPasswordAddress + i);
        if (b == 0xFF || b == 0x00)
            break;
        p.append(static_cast<char>(b));
    }
    return p;
}

double Radio::nowMs() const { return static_cast<double>(clock_.nsecsElapsed()) / 1.0e6; }

void Radio::receive(const QByteArray &bytes)
{
    const double now = nowMs();
    if (!pending_.isEmpty() && lastByteMs_ >= 0 && now - lastByteMs_ > kFrameGapMs) {
        LogEntry e;
        e.atMs = now;
        e.kind = QStringLiteral("JUNK");
        e.frame = pending_;
        e.fault = QStringLiteral("incomplete frame thrown away");
        addLog(e);
        pending_.clear();
    }
    lastByteMs_ = now;
    pending_.append(bytes);
    parse();
}

void Radio::parse()
{
    QByteArray junk;
    const auto flushJunk = [&] {
        if (junk.isEmpty())
            return;
        LogEntry e;
        e.atMs = nowMs();
        e.kind = QStringLiteral("JUNK");
        e.frame = junk;
        addLog(e);
        junk.clear();
    };
    // Only a word of seven letters opens the factory mode.
    const QByteArray factory = factoryWord.size() == 7 ? factoryWord : QByteArray();
    while (!pending_.isEmpty()) {
        const uint8_t tag = ByteAt(pending_, 0);
        int length = -1; // > 0: a whole frame; 0: wait for more bytes; < 0: not a frame start
        QString kind;
        if (StartsWithWord(pending_, ProgramWord())) {
            length = 7;
            kind = QStringLiteral("PROGRAM");
        } else if (StartsWithWord(pending_, factory)) {
            length = 7;
            kind = QStringLiteral("FACTORY");
        } else if (StartsWithWord(pending_, EndWord())) {
            length = 3;
            kind = QStringLiteral("END");
        } else if (IsPrefixOfWord(pending_, ProgramWord()) || IsPrefixOfWord(pending_, factory) ||
                   IsPrefixOfWord(pending_, EndWord())) {
            // The start of a word, which may begin like a frame tag (a factory word "R..."): wait
            // for the rest. A request's second byte, an address high byte (below 0x40), is never a letter.
            length = 0;
        } else if (tag == kIdentify) {
            length = 1;
            kind = QStringLiteral("IDENTIFY");
        } else if (tag == 'R') {
            length = pending_.size() >= 4 ? 4 : 0;
            kind = QStringLiteral("READ");
        } else if (tag == 'W') {
            length = pending_.size() >= 4 ? ByteAt(pending_, 3) + 6 : 0;
            if (length > pending_.size())
                length = 0;
            kind = QStringLiteral("WRITE");
        }
        if (length == 0)
            break;
        if (length < 0) {
            junk.append(pending_.at(0));
            pending_.remove(0, 1);
            continue;
        }
        flushJunk();
        const QByteArray frame = pending_.left(length);
        pending_.remove(0, length);
        const int address = (kind == QLatin1String("READ") || kind == QLatin1String("WRITE"))
                                ? (ByteAt(frame, 1) << 8 | ByteAt(frame, 2))
                                : -1;
        handle(kind, frame, address);
    }
    flushJunk();
}

void Radio::handle(const QString &kind, const QByteArray &frame, int address)
{
    LogEntry e;
    e.atMs = nowMs();
    e.kind = kind;
    e.frame = frame;
    e.address = address;

    if (kind == QLatin1String("PROGRAM") || kind == QLatin1String("FACTORY")) {
        programming_ = true;
        factory_ = kind == QLatin1String("FACTORY");
        reply(e, QByteArray("YK") + static_cast<char>(kAck));
        return;
    }
    if (kind == QLatin1String("END")) {
        programming_ = false;
        factory_ = false;
        reply(e, QByteArray(1, static_cast<char>(kAck)));
        emit sessionEnded();
        return;
    }
    if (!programming_) {
        e.kind = QStringLiteral("IGNORED");
        e.fault = kind + QStringLiteral(" outside programming mode");
        addLog(e);
        return;
    }
    if (kind == QLatin1String("IDENTIFY")) {
        reply(e, identifyReply());
    } else if (kind == QLatin1String("READ")) {
        bool ok = false;
        const QByteArray r = readReply(address, ByteAt(frame, 3), &ok);
        if (!ok) {
            e.kind = QStringLiteral("REFUSED");
            e.fault = QStringLiteral("read outside the memory");
            addLog(e);
            return;
        }
        reply(e, r);
    } else if (kind == QLatin1String("WRITE")) {
        // The calibration block (the test data at 0x0000) takes writes only in factory mode.
        if (address >= 0 && address < kCalibrationEnd && !factory_) {
            e.kind = QStringLiteral("REFUSED");
            e.fault = QStringLiteral("test-data write outside factory mode");
            addLog(e);
            return;
        }
        QString fault;
        const QByteArray r = writeReply(frame, address, &fault);
        reply(e, r, fault);
    }
}

QByteArray Radio::identifyReply() const
{
    QByteArray r;
    r.append('I');
    for (int i = 0; i < 7; ++i)
        r.append(i < identity.model.size() ? identity.model.at(i) : static_cast<char>(0xFF));
    r.append(static_cast<char>(identity.band));
    for (int i = 0; i < 4; ++i)
        r.append(i < identity.version.size() ? identity.version.at(i) : static_cast<char>(0xFF));
    r.append(static_cast<char>(identity.options));
    r.append(static_cast<char>((identity.killed ? 0x01 : 0x00) | (identity.stunned ? 0x02 : 0x00)));
    r.append(static_cast<char>(kAck));
    return r;
}

QByteArray Radio::readReply(int address, int length, bool *ok) const
{
    *ok = length > 0 && address >= 0 && address + length <= kMemorySize;
    if (!*ok)
        return QByteArray();
    QByteArray r;
    r.append('W');
    r.append(static_cast<char>(address >> 8));
    r.append(static_cast<char>(address & 0xFF));
    r.append(static_cast<char>(length));
    r.append(memory.mid(address, length));
    r.append(static_cast<char>(SumOf(r, 1, static_cast<int>(r.size()))));
    r.append(static_cast<char>(kAck));
    return r;
}

QByteArray Radio::writeReply(const QByteArray &frame, int address, QString *fault)
{
    const int length = ByteAt(frame, 3);
    const int size = static_cast<int>(frame.size());
    if (faults.resendCount > 0 && (faults.resendAddress < 0 || faults.resendAddress == address)) {
        --faults.resendCount;
        *fault = QStringLiteral("resend");
        return QByteArray(1, static_cast<char>(kResend));
    }
    const bool whole = ByteAt(frame, size - 1) == kAck && SumOf(frame, 1, size - 2) == ByteAt(frame, size - 2) &&
                       address + length <= kMemorySize;
    if (!whole) {
        *fault = QStringLiteral("bad frame, asked again");
        return QByteArray(1, static_cast<char>(kResend));
    }
    memory.replace(address, length, frame.mid(4, length));
    return QByteArray(1, static_cast<char>(kAck));
}

void Radio::reply(LogEntry &e, const QByteArray &bytes, const QString &presetFault)
{
    e.reply = bytes;
    e.replyNumber = ++replyCount_;
    const int n = e.replyNumber;
    QStringList notes;
    if (!presetFault.isEmpty())
        notes << presetFault;
    if (faults.drop.contains(n)) {
        notes << QStringLiteral("dropped");
        e.fault = notes.join(QStringLiteral(", "));
        addLog(e);
        return;
    }
    QByteArray out = bytes;
    if (faults.garbage.contains(n)) {
        out = QByteArray(out.size(), kGarbage);
        notes << QStringLiteral("garbage");
    } else if (faults.corrupt.contains(n) && !out.isEmpty()) {
        // A data frame's checksum sits before the end byte; other replies carry none, so their
        // last byte is spoilt instead.
        const int at = (out.at(0) == 'W' && out.size() >= 6) ? static_cast<int>(out.size()) - 2
                                                              : static_cast<int>(out.size()) - 1;
        out[at] = static_cast<char>(ByteAt(out, at) + 1);
        notes << QStringLiteral("corrupted");
    }
    const int delay = faults.delayAt.value(n, faults.delayMs);
    if (delay > 0)
        notes << QStringLiteral("delayed %1 ms").arg(delay);
    const double start = nowMs() + delay;
    const int k = faults.split.value(n, 0);
    if (k > 0 && k < out.size()) {
        notes << QStringLiteral("split after %1").arg(k);
        const double firstEnd = schedule(out.left(k), start);
        schedule(out.mid(k), std::max(start, firstEnd) + faults.splitGapMs);
    } else {
        schedule(out, start);
    }
    e.fault = notes.join(QStringLiteral(", "));
    addLog(e);
}

double Radio::schedule(const QByteArray &bytes, double startMs)
{
    const auto insert = [this](double due, const QByteArray &b) {
        const auto at = std::upper_bound(queue_.begin(), queue_.end(), due,
                                         [](double d, const Chunk &c) { return d < c.dueMs; });
        queue_.insert(at, Chunk{due, b});
    };
    double end = startMs;
    if (faults.pace) {
        // A byte is there once its stop bit has passed; the line carries one byte at a time.
        double t = std::max(startMs, lineFreeMs_);
        for (const char c : bytes) {
            t += kByteMs;
            insert(t, QByteArray(1, c));
        }
        lineFreeMs_ = t;
        end = t;
    } else {
        insert(startMs, bytes);
    }
    const double wait = queue_.front().dueMs - nowMs();
    pump_.start(wait > 0 ? static_cast<int>(std::ceil(wait)) : 0);
    return end;
}

void Radio::pump()
{
    const double now = nowMs();
    QByteArray out;
    while (!queue_.empty() && queue_.front().dueMs <= now + 0.05) {
        out.append(queue_.front().bytes);
        queue_.pop_front();
    }
    if (!queue_.empty()) {
        const double wait = queue_.front().dueMs - now;
        pump_.start(wait > 0 ? static_cast<int>(std::ceil(wait)) : 0);
    }
    if (!out.isEmpty() && output_)
        output_(out);
}

void Radio::addLog(const LogEntry &entry)
{
    log_.append(entry);
    emit frameLogged(static_cast<int>(log_.size()) - 1);
}

QString Radio::FormatEntry(const LogEntry &e)
{
    QString line = QStringLiteral("%1 ms  %2").arg(e.atMs, 10, 'f', 3).arg(e.kind, -8);
    if (e.address >= 0)
        line += QLatin1Char(' ') + QStringLiteral("%1").arg(e.address, 4, 16, QLatin1Char('0')).toUpper();
    line += QStringLiteral("  in: ") + Hex(e.frame);
    if (e.replyNumber > 0)
        line += QStringLiteral("  reply #%1: %2").arg(e.replyNumber).arg(Hex(e.reply));
    if (!e.fault.isEmpty())
        line += QStringLiteral("  [") + e.fault + QLatin1Char(']');
    return line;
}

QString Radio::logText() const
{
    QStringList lines;
    for (const LogEntry &e : log_)
        lines << FormatEntry(e);
    return lines.join(QLatin1Char('\n'));
}

} // namespace radiosim
