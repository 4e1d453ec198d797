#pragma once
// A named pipe for tests of code that must never wait on one. Nothing writes into it, so code
// that opens it and reads would wait for ever; the watchdog keeps such a test from hanging: once
// the grace time has passed while it lives, it opens the pipe's writing end whenever someone holds
// the reading end (and closes it again), which lets a blocked open or read return, and records
// that it had to. A test asserts !fired(): a regression then fails instead of hanging.

#include <QFile>
#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace testenv {

class FifoWatchdog {
public:
    explicit FifoWatchdog(const QString &path, std::chrono::milliseconds grace = std::chrono::seconds(10))
        : path_(QFile::encodeName(path))
    {
        made_ = ::mkfifo(path_.constData(), 0600) == 0;
        thread_ = std::thread([this, grace] { Watch(grace); });
    }
    ~FifoWatchdog()
    {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    FifoWatchdog(const FifoWatchdog &) = delete;
    FifoWatchdog &operator=(const FifoWatchdog &) = delete;

    bool made() const { return made_; }
    // True when something was still waiting on the pipe after the grace time.
    bool fired() const { return fired_.load(); }

private:
    void Watch(std::chrono::milliseconds grace)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        if (wake_.wait_for(lock, grace, [this] { return stop_; }))
            return;
        while (!stop_) {
            // Opening the writing end without waiting succeeds only while a reader holds the pipe.
            const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                fired_.store(true);
                ::close(fd);
            }
            wake_.wait_for(lock, std::chrono::milliseconds(20), [this] { return stop_; });
        }
    }

    QByteArray path_;
    bool made_ = false;
    std::atomic<bool> fired_{false};
    bool stop_ = false;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::thread thread_;
};

} // namespace testenv
