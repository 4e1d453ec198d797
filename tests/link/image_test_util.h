#pragma once
// Helpers for the image codec tests: bytes of the memory image written and compared as
// hexadecimal text ("01 45 00 00"), and a fixture with a freshly reset image.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <string>

#include "common/test_env.h"
#include "data/app_state.h"
#include "link/image_records.h"
#include "link/memory_image.h"

namespace imagetest {

// "01 45 0a" -> the bytes 0x01 0x45 0x0A.
inline QByteArray Hex(const char *text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }

// The image bytes at addr as upper-case hexadecimal pairs separated by spaces.
inline std::string ImageHex(int addr, int count)
{
    QStringList out;
    for (int k = 0; k < count; ++k)
        out << QStringLiteral("%1").arg(State().MemoryImage[addr + k], 2, 16, QLatin1Char('0')).toUpper();
    return out.join(QLatin1Char(' ')).toStdString();
}

inline void SetImage(int addr, const QByteArray &bytes)
{
    for (int k = 0; k < bytes.size(); ++k)
        State().MemoryImage[addr + k] = static_cast<uint8_t>(bytes[k]);
}

inline void FillImage(int addr, int count, uint8_t value)
{
    for (int k = 0; k < count; ++k)
        State().MemoryImage[addr + k] = value;
}

// A fixed text field: the bytes followed by spaces up to width.
inline QByteArray Field(const QByteArray &text, int width) { return text + QByteArray(width - text.size(), ' '); }
// A fixed text field holding a text ended by a NUL.
inline QByteArray NulField(const QByteArray &text, int width)
{
    return text.size() >= width ? text.left(width) : Field(text + '\0', width);
}

inline FmChannelEntry FmEntry(int number, int used, const QByteArray &frequency)
{
    FmChannelEntry e;
    e.Number = static_cast<int16_t>(number);
    e.Used = static_cast<int16_t>(used);
    e.Frequency = frequency;
    return e;
}

inline BookEntry Entry(int number, const QByteArray &callId, const QByteArray &name)
{
    BookEntry e;
    e.Number = static_cast<int16_t>(number);
    e.CallId = callId;
    e.Name = name;
    return e;
}

class ImageTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        testenv::AppTest::SetUp();
        ResetMemoryImage();
        State().ImagePackOk = true;
    }
    // Starts a case of a table over: default records, a reset image, no messages.
    void Fresh()
    {
        State().RadioData = RadioDataRecord{};
        ResetMemoryImage();
        State().ImagePackOk = true;
        script->clear();
    }
    // The texts of the message boxes shown so far.
    QStringList Messages() const
    {
        QStringList out;
        for (const auto &c : script->messages())
            out << c.text;
        return out;
    }
};

} // namespace imagetest
