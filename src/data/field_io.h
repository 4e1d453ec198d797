#pragma once
// Two adaptors with the same field methods, one writing and one reading, so that a record's
// layout is written down once (a template walking its fields) and serves both directions.
// Integers are 16-bit little-endian, a byte is one byte, a 16-bit pair is written in the byte
// order its field asks for, a text of N bytes is N bytes unchanged.

#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "data/fix_str.h"
#include "platform/record_file.h"

class FieldWriter {
public:
    explicit FieldWriter(QByteArray &out) : w_(out) {}
    void i16(int16_t v) { w_.i16le(v); }
    void u8(uint8_t v) { w_.u8(v); }
    void u16le(uint16_t v) { w_.u16le(v); }
    void u16be(uint16_t v) { w_.u16be(v); }
    template <std::size_t N>
    void text(const FixStr<N> &f) { w_.bytes(f.toByteArray(), FixStr<N>::Size); }

private:
    ByteWriter w_;
};

class FieldReader {
public:
    explicit FieldReader(const QByteArray &in) : r_(in) {}
    void i16(int16_t &v) { v = r_.i16le(); }
    void u8(uint8_t &v) { v = r_.u8(); }
    void u16le(uint16_t &v) { v = r_.u16le(); }
    void u16be(uint16_t &v) { v = r_.u16be(); }
    template <std::size_t N>
    void text(FixStr<N> &f) { f.assign(r_.bytes(FixStr<N>::Size)); }

private:
    ByteReader r_;
};

// A record's bytes; walk(io, record) lists its fields.
template <class T, class Walk>
QByteArray WriteFields(const T &record, int size, Walk walk)
{
    QByteArray out;
    out.reserve(size);
    FieldWriter w(out);
    walk(w, record);
    return out;
}

// A record from bytes; a short array reads as zeros past its end, extra bytes are not read.
template <class T, class Walk>
T ReadFields(const QByteArray &data, Walk walk)
{
    T record{};
    FieldReader r(data);
    walk(r, record);
    return record;
}
