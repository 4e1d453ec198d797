#pragma once
// Bounded waits for tests that run the event loop (serial ports, timers): never longer than the
// given time, so a missing reply fails the test instead of hanging it.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <functional>

namespace testenv {

// Runs the event loop until done() is true or timeoutMs have passed; returns done().
inline bool WaitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return done();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(200);
    }
    return true;
}

// Runs the event loop for ms milliseconds.
inline void Pump(int ms)
{
    WaitUntil([] { return false; }, ms);
}

} // namespace testenv
