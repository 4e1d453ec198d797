#pragma once
// Tables of (field, file offset, byte order) written out by hand, and the checks that run a record
// codec against them: each field gets a value of its own, and its bytes must stand at its offset.

#include <QByteArray>
#include <cstdint>
#include <algorithm>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "data/fix_str.h"

namespace fieldrows {

using FieldRef = std::variant<int16_t *, uint8_t *, uint16_t *, std::span<uint8_t>>;

inline FieldRef Ref(int16_t &v) { return &v; }
inline FieldRef Ref(uint8_t &v) { return &v; }
inline FieldRef Ref(uint16_t &v) { return &v; }
template <std::size_t N>
FieldRef Ref(FixStr<N> &f) { return std::span<uint8_t>(f.bytes); }

template <class R>
struct Row {
    std::string name;
    int offset;
    bool bigEndian; // only for 16-bit pairs stored high byte first
    std::function<FieldRef(R &)> field;
};

// A value that no other row gets (the low byte of 16-bit values, the byte of 8-bit values and the
// first byte of texts are all different per row), with high and low bytes that differ, and text
// bytes that include NUL and bytes above 127.
inline void SetDistinct(const FieldRef &f, int i)
{
    const auto lo = static_cast<uint8_t>(i + 1);
    auto hi = static_cast<uint8_t>(i * 7 + 0x81);
    if (hi == lo)
        hi ^= 0x55;
    const auto v16 = static_cast<uint16_t>(hi << 8 | lo);
    if (auto p = std::get_if<int16_t *>(&f))
        **p = static_cast<int16_t>(v16);
    else if (auto p = std::get_if<uint16_t *>(&f))
        **p = v16;
    else if (auto p = std::get_if<uint8_t *>(&f))
        **p = static_cast<uint8_t>(i * 37 + 11);
    else
        for (std::size_t k = 0; k < std::get<std::span<uint8_t>>(f).size(); ++k)
            std::get<std::span<uint8_t>>(f)[k] = static_cast<uint8_t>(i * 29 + static_cast<int>(k) * 11 + 1);
}

// The bytes a file holds for the field's value: Integers low byte first, marked pairs high byte
// first, texts byte for byte.
inline QByteArray FileBytes(const FieldRef &f, bool bigEndian)
{
    QByteArray b;
    auto pair = [&](uint16_t v) {
        const char lo = static_cast<char>(v & 0xFF), hi = static_cast<char>(v >> 8);
        b.append(bigEndian ? hi : lo).append(bigEndian ? lo : hi);
    };
    if (auto p = std::get_if<int16_t *>(&f))
        pair(static_cast<uint16_t>(**p));
    else if (auto p = std::get_if<uint16_t *>(&f))
        pair(**p);
    else if (auto p = std::get_if<uint8_t *>(&f))
        b.append(static_cast<char>(**p));
    else
        for (uint8_t c : std::get<std::span<uint8_t>>(f))
            b.append(static_cast<char>(c));
    return b;
}

inline QByteArray Hex(const QByteArray &b) { return b.toHex(' '); }

// Fills every row's field of r with its own value and returns the expected bytes per row.
template <class R>
std::vector<QByteArray> FillRows(const std::vector<Row<R>> &rows, R &r)
{
    std::vector<QByteArray> expected;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const FieldRef f = rows[static_cast<std::size_t>(i)].field(r);
        SetDistinct(f, i);
        expected.push_back(FileBytes(f, rows[static_cast<std::size_t>(i)].bigEndian));
    }
    return expected;
}

// Encoding a record whose rows hold their own values puts each value's bytes at its offset.
template <class R, class Encode>
void ExpectEncodeMatches(const std::vector<Row<R>> &rows, Encode encode, int size)
{
    R r{};
    const std::vector<QByteArray> expected = FillRows(rows, r);
    const QByteArray file = encode(r);
    ASSERT_EQ(file.size(), size);
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(Hex(file.mid(rows[i].offset, expected[i].size())), Hex(expected[i]))
            << rows[i].name << " at " << rows[i].offset;
}

// A buffer of zeros with each row's bytes laid in by hand decodes into those values.
template <class R, class Decode>
void ExpectDecodeMatches(const std::vector<Row<R>> &rows, Decode decode, int size)
{
    R scratch{};
    const std::vector<QByteArray> expected = FillRows(rows, scratch);
    QByteArray file(size, '\0');
    for (std::size_t i = 0; i < rows.size(); ++i)
        file.replace(rows[i].offset, expected[i].size(), expected[i]);
    ASSERT_EQ(file.size(), size);
    R r{};
    ASSERT_TRUE(decode(file, r));
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(Hex(FileBytes(rows[i].field(r), rows[i].bigEndian)), Hex(expected[i]))
            << rows[i].name << " at " << rows[i].offset;
}

// Pseudo-random buffers decode and encode again into the same bytes: every byte lands in some
// field and comes back unchanged.
template <class R, class Encode, class Decode>
void ExpectBytesComeBack(Encode encode, Decode decode, int size)
{
    for (uint32_t seed : {1u, 77u, 4242u}) {
        QByteArray file(size, '\0');
        for (int i = 0; i < size; ++i) {
            seed = seed * 1103515245u + 12345u;
            file[i] = static_cast<char>(seed >> 16);
        }
        R r{};
        ASSERT_TRUE(decode(file, r));
        EXPECT_EQ(Hex(encode(r)), Hex(file));
    }
}

// Buffers of any other size (a good record's bytes, cut or lengthened) are refused and leave the
// record as it was.
template <class R, class Encode, class Decode>
void ExpectWrongSizesRefused(const std::vector<Row<R>> &rows, Encode encode, Decode decode, int size,
                             std::initializer_list<int> otherSizes)
{
    R filled{};
    FillRows(rows, filled);
    const QByteArray good = encode(R{});
    for (int n : otherSizes) {
        QByteArray bad(n, '\x5A');
        bad.replace(0, std::min(n, size), good.left(n));
        R r = filled;
        EXPECT_FALSE(decode(bad, r)) << n;
        EXPECT_TRUE(r == filled) << n;
    }
}

} // namespace fieldrows

// One row: the field expression of record r, its offset, its byte order.
#define FIELD_ROW(Rec, off, expr) \
    fieldrows::Row<Rec> { #expr, off, false, [](Rec &r) { return fieldrows::Ref(r.expr); } }
#define FIELD_ROW_BE(Rec, off, expr) \
    fieldrows::Row<Rec> { #expr, off, true, [](Rec &r) { return fieldrows::Ref(r.expr); } }
