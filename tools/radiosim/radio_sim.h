#pragma once
// A simulated TORVA-6Y radio on the programming protocol, for tests and for trying the program
// without hardware. Written from the protocol alone, apart from the program's own frame code, so
// that a mistake made the same way on both sides cannot pass unnoticed.
//
// The protocol, as the radio sees it (9600 baud, 8N1, no flow control, a strict request/reply):
//   "PROGRAM"                    -> "YK" 06, the radio enters programming mode
//   02                           -> "I" model(7) band version(4) options status 06   (16 bytes)
//   "R" ah al n                  -> "W" ah al n data(n) sum 06     sum = ah+al+n+data, low byte
//   "W" ah al n data(n) sum 06   -> 06 when taken, 0A to have it sent again
//   "END"                        -> 06, the radio leaves programming mode
// Outside programming mode only "PROGRAM" (and the factory entry word, when one is set) and
// "END" are answered. The block at 0x0000 holds the radio's 16 calibration bytes (the factory
// test data): it is read like any block, and written only in the factory mode that the entry word
// opens; elsewhere such a write is refused without a reply. A pause of more than 100 ms inside a frame throws the partial frame away.
//
// Faults: each reply gets a number, counted from 1 since the radio was made (or since
// resetReplyCount()); a fault names the replies it applies to.

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <functional>

namespace radiosim {

constexpr int kMemorySize = 16384;
constexpr int kPasswordAddress = 0x004C; // the last four bytes of the block at 0x0040
constexpr int kCalibrationEnd = 0x0010;  // the calibration block: 0x0000 .. 0x000F

struct Identity {
    QByteArray model = "TORVA6Y"; // at most 7 bytes; a shorter code is followed by FF bytes
    uint8_t band = 0;             // band-plan index, a plain number
    QByteArray version = "V101";  // 4 bytes; a shorter one is followed by FF bytes
    uint8_t options = 0;
    bool killed = false;  // status bit 0
    bool stunned = false; // status bit 1
};

struct Faults {
    QSet<int> drop;      // these replies are not sent
    QSet<int> corrupt;   // sent with a wrong checksum (a reply without one: a wrong last byte)
    QSet<int> garbage;   // replaced by as many bytes that are no valid reply
    QMap<int, int> split; // reply -> k: its first k bytes, then after splitGapMs the rest
    int splitGapMs = 50;
    int resendCount = 0;    // the next k write frames (to resendAddress; any when -1) get 0A
    int resendAddress = -1;
    int delayMs = 0;        // every reply starts this many ms after its request
    QMap<int, int> delayAt; // reply -> ms, instead of delayMs
    bool pace = false;      // bytes leave one by one at 9600 baud, 10 bits a byte
};

struct LogEntry {
    double atMs = 0;     // since the radio was made
    QString kind;        // PROGRAM, FACTORY, IDENTIFY, READ, WRITE, END, IGNORED, REFUSED, JUNK
    int address = -1;    // of a read or write
    QByteArray frame;    // the bytes received
    QByteArray reply;    // the reply as the radio meant it (before a fault)
    int replyNumber = 0; // 0: no reply
    QString fault;       // dropped, corrupted, garbage, resend, split, delayed; "" for none
};

class Radio : public QObject {
    Q_OBJECT
public:
    explicit Radio(QObject *parent = nullptr);

    // The radio's memory, 16,384 bytes. The default is an empty radio: no channel, FM-radio,
    // 2-tone or 5-tone entry in use (their usage bitmaps all FF), no password, everything else 0.
    QByteArray memory;
    static QByteArray DefaultMemory();
    // Loads a memory image file of exactly 16,384 bytes; false with a message otherwise.
    bool loadImage(const QString &path, QString *error = nullptr);
    bool saveImage(const QString &path, QString *error = nullptr) const;

    Identity identity;
    Faults faults;

    // The programming password: up to 4 ASCII characters at 0x004C, the rest FF. "" for none.
    void setPassword(const QByteArray &password);
    QByteArray password() const;

    // A 7-byte word that opens the radio's factory mode (answered like "PROGRAM"); "" for none.
    QByteArray factoryWord;

    // Where the radio's bytes go (the host's side of the line).
    void setOutput(std::function<void(const QByteArray &)> output) { output_ = std::move(output); }
    // Bytes from the host, in any pieces.
    void receive(const QByteArray &bytes);

    bool inProgrammingMode() const { return programming_; }
    bool inFactoryMode() const { return programming_ && factory_; }
    int repliesCounted() const { return replyCount_; }
    void resetReplyCount() { replyCount_ = 0; }
    // Replies scheduled but not yet sent.
    bool busy() const { return !queue_.empty(); }

    const QList<LogEntry> &log() const { return log_; }
    void clearLog() { log_.clear(); }
    static QString FormatEntry(const LogEntry &entry);
    QString logText() const;

    // The time one byte takes on the line at 9600 baud with start and stop bit.
    static constexpr double kByteMs = 10.0 * 1000.0 / 9600.0;

signals:
    void frameLogged(int index);
    // "END" was answered: a programming session is over.
    void sessionEnded();

private:
    struct Chunk {
        double dueMs;
        QByteArray bytes;
    };
    void parse();
    bool takeFrame(); // handles one frame at the front of pending_; false when more bytes are needed
    void handle(const QString &kind, const QByteArray &frame, int address);
    QByteArray identifyReply() const;
    QByteArray readReply(int address, int length, bool *ok) const;
    QByteArray writeReply(const QByteArray &frame, int address, QString *fault);
    void reply(LogEntry &entry, const QByteArray &bytes, const QString &presetFault = QString());
    double schedule(const QByteArray &bytes, double startMs); // returns when its last byte is out
    void pump();
    void addLog(const LogEntry &entry);
    double nowMs() const;

    std::function<void(const QByteArray &)> output_;
    QByteArray pending_;
    double lastByteMs_ = -1;
    bool programming_ = false;
    bool factory_ = false;
    int replyCount_ = 0;
    QList<LogEntry> log_;
    QElapsedTimer clock_;
    std::deque<Chunk> queue_;
    double lineFreeMs_ = 0;
    QTimer pump_;
};

} // namespace radiosim
