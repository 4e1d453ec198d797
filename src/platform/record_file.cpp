#include "platform/record_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

void ByteWriter::put(char byte)
{
    if (pos_ >= out_.size())
        out_.append(QByteArray(pos_ - static_cast<int>(out_.size()) + 1, '\0'));
    out_[pos_++] = byte;
}

void ByteWriter::u8(uint8_t v) { put(static_cast<char>(v)); }

void ByteWriter::u16le(uint16_t v)
{
    put(static_cast<char>(v & 0xFF));
    put(static_cast<char>(v >> 8));
}

void ByteWriter::u16be(uint16_t v)
{
    put(static_cast<char>(v >> 8));
    put(static_cast<char>(v & 0xFF));
}

void ByteWriter::u32le(uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        put(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void ByteWriter::bytes(const QByteArray &data, int len, char pad)
{
    for (int i = 0; i < len; ++i)
        put(i < data.size() ? data[i] : pad);
}

void ByteWriter::fill(int len, char value)
{
    for (int i = 0; i < len; ++i)
        put(value);
}

uint8_t ByteReader::get()
{
    if (pos_ >= in_.size()) {
        overrun_ = true;
        ++pos_;
        return 0;
    }
    return static_cast<uint8_t>(in_[pos_++]);
}

uint8_t ByteReader::u8() { return get(); }

uint16_t ByteReader::u16le()
{
    const uint16_t lo = get();
    const uint16_t hi = get();
    return static_cast<uint16_t>(lo | (hi << 8));
}

uint16_t ByteReader::u16be()
{
    const uint16_t hi = get();
    const uint16_t lo = get();
    return static_cast<uint16_t>(lo | (hi << 8));
}

uint32_t ByteReader::u32le()
{
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<uint32_t>(get()) << (8 * i);
    return v;
}

QByteArray ByteReader::bytes(int len)
{
    QByteArray out;
    out.reserve(len > 0 ? len : 0);
    for (int i = 0; i < len; ++i)
        out.append(static_cast<char>(get()));
    return out;
}

namespace RecordFile {

bool Exists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

int64_t Length(const QString &path)
{
    return Exists(path) ? QFileInfo(path).size() : -1;
}

bool Read(const QString &path, int recLen, int recNo, QByteArray &out)
{
    out = QByteArray(recLen > 0 ? recLen : 0, '\0');
    if (recLen < 1 || recNo < 1 || !Exists(path))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 offset = static_cast<qint64>(recNo - 1) * recLen;
    if (offset >= file.size())
        return true;
    if (!file.seek(offset))
        return false;
    const QByteArray got = file.read(recLen);
    if (got.size() < std::min<qint64>(recLen, file.size() - offset))
        return false;
    out.replace(0, got.size(), got);
    return true;
}

bool Write(const QString &path, int recLen, int recNo, const QByteArray &data)
{
    if (recLen < 1 || recNo < 1 || data.size() > recLen)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) // creates a missing file, never truncates
        return false;
    const qint64 offset = static_cast<qint64>(recNo - 1) * recLen;
    // Seeking past the end leaves the gap undefined on some systems: fill it with zeros.
    if (file.size() < offset && !file.resize(offset))
        return false;
    QByteArray record = data;
    record.append(QByteArray(recLen - static_cast<int>(data.size()), '\0'));
    if (!file.seek(offset) || file.write(record) != recLen || !file.flush())
        return false;
    file.close();
    return file.error() == QFileDevice::NoError;
}

} // namespace RecordFile

// ---------------------------------------------------------------------------------------------
// Replacing a set of files

namespace {

// Creates a new, empty file beside target, named ".<name>.<random>.<kind>", with the default
// permissions; file is left open for writing. Empty when none can be created.
QString CreateBeside(const QString &target, QLatin1StringView kind, QFile &file)
{
    const QFileInfo info(target);
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QString name = info.dir().filePath(
            QStringLiteral(".%1.%2.%3")
                .arg(info.fileName())
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))
                .arg(kind));
        file.setFileName(name);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return name;
        if (!QFileInfo::exists(name))
            break; // not a name clash: the folder cannot take a file
    }
    return QString();
}

// Writes the bytes, makes sure they reached the disk and closes the file.
bool WriteWhole(QFile &file, const QByteArray &bytes)
{
    if (file.write(bytes) != bytes.size() || !file.flush())
        return false;
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0)
        return false;
#endif
    file.close();
    return file.error() == QFileDevice::NoError;
}

// Puts from in the place of to in one step (rename replaces an existing file on POSIX systems).
bool RenameOver(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

} // namespace

bool ReplaceFilesAtomically(const std::vector<std::pair<QString, QByteArray>> &files)
{
    struct Entry {
        QString target;
        QString fresh; // the new contents, beside the target
        QString old;   // a copy of the old contents when the target is a file
    };
    std::vector<Entry> entries;
    QStringList leftovers; // removed on every way out
    const auto finish = [&](bool ok) {
        for (const QString &path : std::as_const(leftovers))
            QFile::remove(path);
        return ok;
    };

    // Every new file written in full, and a copy of every old one, before any target is touched.
    for (const auto &[target, bytes] : files) {
        Entry e{target, QString(), QString()};
        QFile fresh;
        e.fresh = CreateBeside(target, QLatin1StringView("new"), fresh);
        if (e.fresh.isEmpty())
            return finish(false);
        leftovers << e.fresh;
        if (!WriteWhole(fresh, bytes))
            return finish(false);
        const QFileInfo info(target);
        if (info.isFile()) {
            QFile current(target);
            if (!current.open(QIODevice::ReadOnly))
                return finish(false);
            const QByteArray oldBytes = current.readAll();
            if (current.error() != QFileDevice::NoError)
                return finish(false);
            QFile old;
            e.old = CreateBeside(target, QLatin1StringView("old"), old);
            if (e.old.isEmpty())
                return finish(false);
            leftovers << e.old;
            const QFileDevice::Permissions permissions = info.permissions();
            if (!WriteWhole(old, oldBytes) || !QFile::setPermissions(e.old, permissions) ||
                !QFile::setPermissions(e.fresh, permissions))
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
                QFile::remove(e.target); // it did not exist before
            else if (!RenameOver(e.old, e.target))
                leftovers.removeAll(e.old); // the old contents survive in the copy
        }
        return finish(false);
    }
    return finish(true);
}
