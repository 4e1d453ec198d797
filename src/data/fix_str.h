#pragma once
// A text field of exactly N bytes, as data files and the radio hold it: one byte per character,
// no length, no terminator. The bytes are kept as they are (NULs and spaces included), so any
// byte survives open, save, read and write; turning them into display text is the caller's job.

#include <QByteArray>
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

template <std::size_t N>
struct FixStr {
    static constexpr int Size = static_cast<int>(N);

    std::array<uint8_t, N> bytes{};

    bool operator==(const FixStr &) const = default;

    uint8_t &operator[](std::size_t i) { return bytes[i]; }
    uint8_t operator[](std::size_t i) const { return bytes[i]; }

    // All N bytes.
    QByteArray toByteArray() const
    {
        return QByteArray(reinterpret_cast<const char *>(bytes.data()), Size);
    }

    // Stores the text's bytes, cut to N or padded on the right with pad.
    void assign(const QByteArray &text, char pad = ' ')
    {
        const auto n = std::min<qsizetype>(text.size(), Size);
        for (qsizetype i = 0; i < n; ++i)
            bytes[static_cast<std::size_t>(i)] = static_cast<uint8_t>(text[i]);
        std::fill(bytes.begin() + n, bytes.end(), static_cast<uint8_t>(pad));
    }

    // Assigning a text cuts or pads it with spaces, as a fixed-length text field does.
    FixStr &operator=(const QByteArray &text)
    {
        assign(text);
        return *this;
    }
    operator QByteArray() const { return toByteArray(); }

    static FixStr fromBytes(const QByteArray &text, char pad = ' ')
    {
        FixStr f;
        f.assign(text, pad);
        return f;
    }

    // The empty field most defaults write: one NUL followed by spaces.
    static FixStr EmptyNul()
    {
        FixStr f = Spaces();
        if constexpr (N > 0)
            f.bytes[0] = 0;
        return f;
    }

    // The empty field of the DTMF codes and the 5-tone code rows: spaces only.
    static FixStr Spaces()
    {
        FixStr f;
        f.bytes.fill(static_cast<uint8_t>(' '));
        return f;
    }
};
