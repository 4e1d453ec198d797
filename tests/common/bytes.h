#pragma once
// Hand-written bytes for the byte-format tests, and files made of them.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstddef>
#include <initializer_list>

namespace testenv {

// The bytes of the given values (0..255).
inline QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

// A string literal's bytes, NULs included, without its terminator.
template <std::size_t N>
QByteArray Raw(const char (&text)[N])
{
    return QByteArray(text, static_cast<qsizetype>(N - 1));
}

// Writes a whole file (replacing what it held); false when it cannot.
inline bool WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace testenv
