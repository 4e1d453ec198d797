#include "platform/record_file.h"

// Only the byte codec is here for now; the record-file routines come with the file layer.

void ByteWriter::u8(uint8_t v) { out_.append(static_cast<char>(v)); }

void ByteWriter::u16le(uint16_t v)
{
    u8(static_cast<uint8_t>(v & 0xFF));
    u8(static_cast<uint8_t>(v >> 8));
}

void ByteWriter::u16be(uint16_t v)
{
    u8(static_cast<uint8_t>(v >> 8));
    u8(static_cast<uint8_t>(v & 0xFF));
}

void ByteWriter::u32le(uint32_t v)
{
    u16le(static_cast<uint16_t>(v & 0xFFFF));
    u16le(static_cast<uint16_t>(v >> 16));
}

void ByteWriter::bytes(const QByteArray &data, int len, char pad)
{
    if (len <= 0)
        return;
    const int n = static_cast<int>(qMin<qsizetype>(data.size(), len));
    out_.append(data.constData(), n);
    out_.append(len - n, pad);
}

uint8_t ByteReader::u8()
{
    const int p = pos_++;
    return (p >= 0 && p < in_.size()) ? static_cast<uint8_t>(in_[p]) : 0;
}

uint16_t ByteReader::u16le()
{
    const uint16_t lo = u8();
    const uint16_t hi = u8();
    return static_cast<uint16_t>(lo | (hi << 8));
}

uint16_t ByteReader::u16be()
{
    const uint16_t hi = u8();
    const uint16_t lo = u8();
    return static_cast<uint16_t>(lo | (hi << 8));
}

uint32_t ByteReader::u32le()
{
    const uint32_t lo = u16le();
    const uint32_t hi = u16le();
    return lo | (hi << 16);
}

QByteArray ByteReader::bytes(int len)
{
    QByteArray out;
    for (int i = 0; i < len; ++i)
        out.append(static_cast<char>(u8()));
    return out;
}
