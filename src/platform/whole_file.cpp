#include "platform/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Plain POSIX calls throughout: every step of a read or a replace is one system call whose result
// is checked here, with nothing in between that could buffer a write or swallow a failed sync.

namespace {

// Files this large are never read whole, whatever a caller allows.
constexpr qint64 kLargestRead = qint64(1) << 30;
// The most of an old file that a replace keeps a copy of, to put it back when the set cannot be
// replaced whole. Far above any file the program replaces; a larger file at a target is left
// alone and the replace fails rather than read it into memory.
constexpr qint64 kOldCopyLimit = qint64(64) << 20;

bool IsMissing(int error) { return error == ENOENT || error == ENOTDIR; }

class FdCloser {
public:
    explicit FdCloser(int fd) : fd_(fd) {}
    ~FdCloser() { ::close(fd_); }
    FdCloser(const FdCloser &) = delete;
    FdCloser &operator=(const FdCloser &) = delete;

private:
    int fd_;
};

// Reads fd to its end, at most limit bytes; false on a read error or when there is more.
bool ReadToEnd(int fd, qint64 expected, qint64 limit, QByteArray &out)
{
    QByteArray data(std::min(expected, limit) + 1, Qt::Uninitialized);
    qint64 got = 0;
    for (;;) {
        if (got == data.size()) {
            if (got > limit)
                return false; // grown past the limit since it was looked at
            data.resize(std::min<qint64>(got + 65536, limit + 1));
        }
        const ssize_t n = ::read(fd, data.data() + got, static_cast<size_t>(data.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        got += n;
    }
    if (got > limit)
        return false;
    data.resize(got);
    out = data;
    return true;
}

} // namespace

WholeFileRead ReadWholeFile(const QString &path, qint64 sizeLimit, QByteArray &bytes)
{
    bytes.clear();
    const qint64 limit = std::clamp<qint64>(sizeLimit, 0, kLargestRead);
    const QByteArray name = QFile::encodeName(path);
    // A look first, so that a device is not even opened (opening a serial port raises its lines).
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return IsMissing(errno) ? WholeFileRead::Missing : WholeFileRead::Refused;
    if (!S_ISREG(st.st_mode) || st.st_size > limit)
        return WholeFileRead::Refused;
    // What is opened may not be what was looked at: the open never waits, and the opened file
    // itself is checked again.
    int fd = -1;
    do {
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return IsMissing(errno) ? WholeFileRead::Missing : WholeFileRead::Refused;
    const FdCloser closer(fd);
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > limit)
        return WholeFileRead::Refused;
    return ReadToEnd(fd, st.st_size, limit, bytes) ? WholeFileRead::Ok : WholeFileRead::Refused;
}

// ---------------------------------------------------------------------------------------------
// Replacing a set of files

namespace {

// A target that is a symbolic link to a file stands for that file, so that the link stays.
QString FollowLink(const QString &target)
{
    const QFileInfo info(target);
    if (info.isSymLink()) {
        const QString file = info.canonicalFilePath();
        if (!file.isEmpty())
            return file;
    }
    return target;
}

// Creates a new, empty file beside target, named ".<name>.<random>.<kind>", with the default
// permissions, open for writing; -1 (name empty) when none can be created.
int CreateBeside(const QString &target, const char *kind, QByteArray &name)
{
    const QFileInfo info(target);
    for (int attempt = 0; attempt < 8; ++attempt) {
        name = QFile::encodeName(info.dir().filePath(
            QStringLiteral(".%1.%2.%3")
                .arg(info.fileName())
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))
                .arg(QLatin1String(kind))));
        int fd = -1;
        do {
            fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        } while (fd < 0 && errno == EINTR);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST)
            break; // not a name clash: the folder cannot take a file
    }
    name.clear();
    return -1;
}

// Gives fd the permissions (when there are old ones to keep), writes all of bytes, syncs them to
// the disk and closes fd, which is closed whatever fails. False when any step failed.
bool WriteSyncClose(int fd, const QByteArray &bytes, const mode_t *permissions)
{
    bool ok = !permissions || ::fchmod(fd, *permissions) == 0;
    qsizetype done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0)
            done += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else
            ok = false; // an error, or a disk that takes no more
    }
    ok = ok && ::fsync(fd) == 0;
    // The close may report a write that the system had put off (network file systems do).
    if (::close(fd) != 0)
        ok = false;
    return ok;
}

// Writes bytes as a new file beside target; its name (empty when none was created) goes to name.
bool WriteBeside(const QString &target, const char *kind, const QByteArray &bytes, const mode_t *permissions,
                 QByteArray &name)
{
    const int fd = CreateBeside(target, kind, name);
    return fd >= 0 && WriteSyncClose(fd, bytes, permissions);
}

// Puts from in the place of to in one step (rename replaces an existing file).
bool RenameOver(const QByteArray &from, const QByteArray &to) { return ::rename(from.constData(), to.constData()) == 0; }

} // namespace

bool ReplaceFilesAtomically(const std::vector<std::pair<QString, QByteArray>> &files)
{
    struct Entry {
        QByteArray target;
        QByteArray fresh; // the new contents, beside the target
        QByteArray old;   // a copy of the old contents when the target is a file
    };
    std::vector<Entry> entries;
    std::vector<QByteArray> leftovers; // removed on every way out
    const auto finish = [&](bool ok) {
        for (const QByteArray &path : leftovers)
            ::unlink(path.constData());
        return ok;
    };

    // Every new file written in full, and a copy of every old one, before any target is touched.
    for (const auto &[path, bytes] : files) {
        const QString target = FollowLink(path);
        Entry e{QFile::encodeName(target), QByteArray(), QByteArray()};
        QByteArray oldBytes;
        const WholeFileRead old = ReadWholeFile(target, kOldCopyLimit, oldBytes);
        if (old == WholeFileRead::Refused)
            return finish(false);
        struct stat st {};
        if (old == WholeFileRead::Ok && ::stat(e.target.constData(), &st) != 0)
            return finish(false);
        const mode_t permissions = st.st_mode & 07777;
        const mode_t *keep = old == WholeFileRead::Ok ? &permissions : nullptr;

        const bool written = WriteBeside(target, "new", bytes, keep, e.fresh);
        if (!e.fresh.isEmpty())
            leftovers.push_back(e.fresh);
        if (!written)
            return finish(false);
        if (keep) {
            const bool copied = WriteBeside(target, "old", oldBytes, keep, e.old);
            if (!e.old.isEmpty())
                leftovers.push_back(e.old);
            if (!copied)
                return finish(false);
        }
        entries.push_back(e);
    }

    // Into place, in order; a failure puts back what was already replaced.
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (RenameOver(entries[i].fresh, entries[i].target))
            continue;
        for (std::size_t j = i; j-- > 0;) {
            const Entry &e = entries[j];
            if (e.old.isEmpty())
                ::unlink(e.target.constData()); // it did not exist before
            else if (!RenameOver(e.old, e.target))
                std::erase(leftovers, e.old); // the old contents survive in the copy
        }
        return finish(false);
    }
    return finish(true);
}

bool ReplaceFile(const QString &path, const QByteArray &bytes) { return ReplaceFilesAtomically({{path, bytes}}); }
