#include "common/io_faults.h"

#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

namespace {

std::atomic<int> g_step{-1}; // the armed Step, -1 for none
char g_prefix[512];          // ".<name>." of the target; written only while nothing is armed
std::atomic<int> g_hits{0};
std::atomic<bool> g_cutShort{false}; // a ShortWrite has taken its part

template <typename Fn>
Fn Next(const char *name)
{
    return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}

bool IsArmed(iofault::Step step) { return g_step.load(std::memory_order_acquire) == static_cast<int>(step); }

// ".<name>.<8 hex digits>.new" beside the target.
bool IsNewFileOfTarget(const char *path)
{
    const char *slash = std::strrchr(path, '/');
    const char *base = slash ? slash + 1 : path;
    const size_t prefix = std::strlen(g_prefix);
    const size_t length = std::strlen(base);
    return length == prefix + 8 + 4 && std::strncmp(base, g_prefix, prefix) == 0 &&
           std::strcmp(base + length - 4, ".new") == 0;
}

bool IsNewFileOfTarget(int fd)
{
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char path[4096];
    const ssize_t n = ::readlink(link, path, sizeof path - 1);
    if (n <= 0)
        return false;
    path[n] = '\0';
    return IsNewFileOfTarget(path);
}

int Fail(int error)
{
    g_hits.fetch_add(1);
    errno = error;
    return -1;
}

} // namespace

namespace iofault {

Armed::Armed(Step step, const QString &target)
{
    g_step.store(-1);
    std::snprintf(g_prefix, sizeof g_prefix, ".%s.", QFile::encodeName(QFileInfo(target).fileName()).constData());
    g_hits.store(0);
    g_cutShort.store(false);
    g_step.store(static_cast<int>(step), std::memory_order_release);
}

Armed::~Armed() { g_step.store(-1); }

int Armed::hits() const { return g_hits.load(); }

} // namespace iofault

// The C library's calls, as this program sees them.

extern "C" ssize_t write(int fd, const void *buf, size_t count)
{
    static const auto real = Next<ssize_t (*)(int, const void *, size_t)>("write");
    const bool whole = IsArmed(iofault::Step::Write);
    const bool part = IsArmed(iofault::Step::ShortWrite);
    if ((whole || part) && count > 0 && IsNewFileOfTarget(fd)) {
        if (whole)
            return Fail(EIO);
        if (count > 1 && !g_cutShort.exchange(true))
            return real(fd, buf, count / 2);
        return Fail(ENOSPC);
    }
    return real(fd, buf, count);
}

extern "C" int fsync(int fd)
{
    static const auto real = Next<int (*)(int)>("fsync");
    if (IsArmed(iofault::Step::Sync) && IsNewFileOfTarget(fd))
        return Fail(EIO);
    return real(fd);
}

extern "C" int close(int fd)
{
    static const auto real = Next<int (*)(int)>("close");
    if (IsArmed(iofault::Step::Close) && IsNewFileOfTarget(fd)) {
        real(fd); // the descriptor is gone, as after any close
        return Fail(EIO);
    }
    return real(fd);
}

extern "C" int rename(const char *from, const char *to) __THROW
{
    static const auto real = Next<int (*)(const char *, const char *)>("rename");
    if (IsArmed(iofault::Step::Rename) && IsNewFileOfTarget(from))
        return Fail(EIO);
    return real(from, to);
}
