#pragma once
// Files of fixed-length records and the explicit little-endian byte codec used for every record.
// Never copy a struct into a file or use QDataStream: each field is written with its width and
// byte order, so the bytes are the same on every compiler and machine.

#include <QByteArray>
#include <QString>
#include <cstdint>

// Writes fields into a byte array. Constructed without a position it appends at the end;
// with a position it writes over what is there from that position on (a fixed-size image such
// as the radio's memory). A field that runs past the end grows the array, zero-filled.
class ByteWriter {
public:
    explicit ByteWriter(QByteArray &out) : out_(out), pos_(static_cast<int>(out.size())) {}
    ByteWriter(QByteArray &out, int pos) : out_(out), pos_(pos < 0 ? 0 : pos) {}
    void u8(uint8_t v);
    void u16le(uint16_t v);
    void u16be(uint16_t v);
    void u32le(uint32_t v);
    void i16le(int16_t v) { u16le(static_cast<uint16_t>(v)); }
    void i32le(int32_t v) { u32le(static_cast<uint32_t>(v)); }
    // Exactly len bytes: the data's bytes, cut to len or padded with pad.
    void bytes(const QByteArray &data, int len, char pad = '\0');
    // len bytes of value.
    void fill(int len, char value = '\0');
    // Where the next field goes.
    int pos() const { return pos_; }
    void seek(int pos) { pos_ = pos < 0 ? 0 : pos; }
    // Size of the whole array.
    int size() const { return static_cast<int>(out_.size()); }

private:
    void put(char byte);
    QByteArray &out_;
    int pos_;
};

// Reads fields from a byte array (held by value, so a temporary is safe to pass). Reading past
// the end gives zeros, so a short file or reply never reads memory it does not own; callers that
// must refuse short input check the length first (or atEnd / overrun afterwards).
class ByteReader {
public:
    explicit ByteReader(const QByteArray &in, int pos = 0) : in_(in), pos_(pos < 0 ? 0 : pos) {}
    uint8_t u8();
    uint16_t u16le();
    uint16_t u16be();
    uint32_t u32le();
    int16_t i16le() { return static_cast<int16_t>(u16le()); }
    int32_t i32le() { return static_cast<int32_t>(u32le()); }
    QByteArray bytes(int len); // exactly len bytes, zero-filled past the end
    void skip(int len) { pos_ += len; }
    void seek(int pos) { pos_ = pos < 0 ? 0 : pos; }
    int pos() const { return pos_; }
    bool atEnd() const { return pos_ >= in_.size(); }
    // True when some read went past the end of the data (and got zeros for it).
    bool overrun() const { return overrun_; }

private:
    uint8_t get();
    const QByteArray in_;
    int pos_;
    bool overrun_ = false;
};

// Files made of records of one fixed length, numbered from 1 (record n starts at byte
// (n - 1) * recLen). Used for the small settings files and the data files.
namespace RecordFile {
// True when path names an existing regular file.
bool Exists(const QString &path);
// File length in bytes, -1 when the file does not exist.
int64_t Length(const QString &path);
// Reads record recNo (1-based) of recLen bytes into out, which always gets exactly recLen bytes:
// the part of the record past the end of the file reads as zeros. False (out all zeros) when
// the file is missing or cannot be read, or recLen / recNo are below 1.
bool Read(const QString &path, int recLen, int recNo, QByteArray &out);
// Writes record recNo (1-based) in place: data padded with zeros to recLen (false when it is
// longer). The file is created when missing; a gap before the record is filled with zeros;
// the file is never shortened, so the other records keep their bytes. False on any failure.
bool Write(const QString &path, int recLen, int recNo, const QByteArray &data);
} // namespace RecordFile
