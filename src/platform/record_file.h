#pragma once
// Files of fixed-length records and the explicit little-endian byte codec used for every record.
// Never copy a struct into a file: each field is written with its width and byte order.

#include <QByteArray>
#include <QString>
#include <cstdint>

// Writes fields into a growing byte array.
class ByteWriter {
public:
    explicit ByteWriter(QByteArray &out) : out_(out) {}
    void u8(uint8_t v);
    void u16le(uint16_t v);
    void u16be(uint16_t v);
    void u32le(uint32_t v);
    void i16le(int16_t v) { u16le(static_cast<uint16_t>(v)); }
    // Exactly len bytes: the text's bytes, cut or padded with pad.
    void bytes(const QByteArray &data, int len, char pad = '\0');
    int size() const { return static_cast<int>(out_.size()); }

private:
    QByteArray &out_;
};

// Reads fields from a byte array; reading past the end gives zeros.
class ByteReader {
public:
    explicit ByteReader(const QByteArray &in, int pos = 0) : in_(in), pos_(pos) {}
    uint8_t u8();
    uint16_t u16le();
    uint16_t u16be();
    uint32_t u32le();
    int16_t i16le() { return static_cast<int16_t>(u16le()); }
    QByteArray bytes(int len); // exactly len bytes, zero-filled past the end
    void skip(int len) { pos_ += len; }
    int pos() const { return pos_; }

private:
    const QByteArray &in_;
    int pos_;
};

namespace RecordFile {
bool Exists(const QString &path);
// File length in bytes, -1 when the file does not exist.
int64_t Length(const QString &path);
// Record recNo (1-based) of recLen bytes; a record past the end reads as zeros (and returns true
// as the original "Get" did for a partly present record only when some bytes were there: see cpp).
bool Read(const QString &path, int recLen, int recNo, QByteArray &out);
// Writes record recNo in place: the file is created when missing and never shortened.
bool Write(const QString &path, int recLen, int recNo, const QByteArray &data);
} // namespace RecordFile
