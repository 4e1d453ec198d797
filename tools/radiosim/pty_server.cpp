#include "radiosim/pty_server.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include "radiosim/radio_sim.h"

namespace radiosim {

PtyServer::PtyServer(Radio &radio, QObject *parent) : QObject(parent), radio_(radio) {}

PtyServer::~PtyServer() { stop(); }

bool PtyServer::start(QString *error)
{
    stop();
    const auto fail = [&](const char *what) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(QString::fromLatin1(what), QString::fromLocal8Bit(std::strerror(errno)));
        stop();
        return false;
    };
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0)
        return fail("posix_openpt");
    if (::grantpt(master_) != 0)
        return fail("grantpt");
    if (::unlockpt(master_) != 0)
        return fail("unlockpt");
    char name[256] = {};
    if (::ptsname_r(master_, name, sizeof name) != 0)
        return fail("ptsname_r");
    slavePath_ = QString::fromLocal8Bit(name);

    // Holding the slave open keeps the master readable while no program has the terminal open, and
    // raw mode makes it a plain 8-bit line from the start: no echo, no line editing, no CR/LF changes.
    slaveHold_ = ::open(name, O_RDWR | O_NOCTTY);
    if (slaveHold_ < 0)
        return fail("open slave");
    termios tio{};
    if (::tcgetattr(slaveHold_, &tio) != 0)
        return fail("tcgetattr");
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    if (::tcsetattr(slaveHold_, TCSANOW, &tio) != 0)
        return fail("tcsetattr");

    const int flags = ::fcntl(master_, F_GETFL);
    if (flags < 0 || ::fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0)
        return fail("fcntl");

    notifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &PtyServer::readMaster);
    radio_.setOutput([this](const QByteArray &bytes) { writeMaster(bytes); });
    return true;
}

void PtyServer::stop()
{
    if (notifier_) {
        notifier_->setEnabled(false);
        delete notifier_;
        notifier_ = nullptr;
    }
    radio_.setOutput({});
    if (slaveHold_ >= 0)
        ::close(slaveHold_);
    if (master_ >= 0)
        ::close(master_);
    slaveHold_ = -1;
    master_ = -1;
}

void PtyServer::readMaster()
{
    char buffer[512];
    QByteArray got;
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n > 0) {
            got.append(buffer, static_cast<int>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break; // EAGAIN: all read; EIO cannot happen while the slave is held open
    }
    if (got.isEmpty())
        return;
    if (receiver_)
        receiver_(got);
    else
        radio_.receive(got);
}

void PtyServer::writeMaster(const QByteArray &bytes)
{
    if (master_ < 0)
        return;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            pollfd p{master_, POLLOUT, 0};
            if (::poll(&p, 1, 200) > 0)
                continue;
        }
        break; // the line is stuck: the rest is lost, as on a real line
    }
}

} // namespace radiosim
