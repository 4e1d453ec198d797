#pragma once
// Serves a simulated radio on a pseudo-terminal: the program opens the terminal's slave device
// (slavePath(), for example "/dev/pts/5") as if it were the programming cable.

#include <QObject>
#include <QString>

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

private:
    void readMaster();
    void writeMaster(const QByteArray &bytes);

    Radio &radio_;
    int master_ = -1;
    int slaveHold_ = -1; // keeps the terminal alive between the program's opens
    QString slavePath_;
    QSocketNotifier *notifier_ = nullptr;
};

} // namespace radiosim
