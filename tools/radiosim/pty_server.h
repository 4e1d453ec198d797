#pragma once
// Serves a simulated radio on a pseudo-terminal: the program opens the terminal's slave device
// (slavePath(), for example "/dev/pts/5") as if it were the programming cable.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

class QSocketNotifier;

namespace radiosim {

class Radio;

class PtyServer : public QObject {
    Q_OBJECT
public:
    explicit PtyServer(Radio &radio, QObject *parent = nullptr);
    ~PtyServer() override;

    // Creates the pseudo-terminal and starts serving; false with a message on failure.
    bool start(QString *error = nullptr);
    void stop();
    bool running() const { return master_ >= 0; }
    QString slavePath() const { return slavePath_; }

    // What the program sends goes straight to the radio unless a receiver is set: a line between
    // them (one that paces the bytes, say) takes them instead and hands them on itself.
    void setReceiver(std::function<void(const QByteArray &)> receiver) { receiver_ = std::move(receiver); }
    // Passes bytes to the program, as the radio's replies are passed.
    void writeMaster(const QByteArray &bytes);

private:
    void readMaster();

    Radio &radio_;
    int master_ = -1;
    int slaveHold_ = -1; // keeps the terminal alive between the program's opens
    QString slavePath_;
    QSocketNotifier *notifier_ = nullptr;
    std::function<void(const QByteArray &)> receiver_;
};

} // namespace radiosim
