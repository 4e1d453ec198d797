#include "platform/record_file.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

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
