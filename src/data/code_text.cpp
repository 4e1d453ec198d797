#include "data/code_text.h"

#include <cmath>
#include <limits>

#include "data/value_rules.h"
#include "platform/numbers.h"

namespace {

QString SwapChars(QString text, QChar from1, QChar to1, QChar from2, QChar to2)
{
    for (QChar &c : text) {
        if (c == from1)
            c = to1;
        else if (c == from2)
            c = to2;
    }
    return text;
}

const QChar kRepeatTone = QLatin1Char('E');

bool IsFunctionDigit(QChar c)
{
    const char l = c.toLatin1();
    return (l >= 'A' && l <= 'F') || (l >= 'a' && l <= 'f');
}

} // namespace

QString DtmfCodeToText(const QString &code)
{
    return SwapChars(code, QLatin1Char('E'), QLatin1Char('*'), QLatin1Char('F'), QLatin1Char('#'));
}

QString DtmfTextToCode(const QString &text)
{
    return SwapChars(text, QLatin1Char('*'), QLatin1Char('E'), QLatin1Char('#'), QLatin1Char('F'));
}

QString FiveToneRepeatCode(const QString &code, const QString &predecessor)
{
    if (code.isEmpty())
        return QString();
    // An empty predecessor counts as none: putting nothing in front and then dropping the first
    // character would lose a tone of the code.
    const bool withPredecessor = !predecessor.isEmpty() && predecessor != QLatin1String("X");
    QString s = TrimFixStr(code);
    if (withPredecessor)
        s.prepend(predecessor);
    if (s.isEmpty())
        return QString();

    const bool keepsTail = s.startsWith(QLatin1String("E1"));
    QString r(s.front());
    for (qsizetype i = 1; i < s.size(); ++i) { // i is the 0-based index; position i + 1
        if (keepsTail && i + 1 > 8)
            r.append(s[i]);
        else if (s[i] == r.back())
            r.append(kRepeatTone);
        else
            r.append(s[i]);
    }
    if (withPredecessor)
        r.remove(0, 1);
    return r;
}

QString FiveToneSelfIdCode(const QString &code)
{
    if (code.isEmpty())
        return QString();
    const bool withFunctionDigit = code.size() == 11;
    QString r(code.front());
    for (qsizetype i = 1; i < code.size(); ++i) {
        const qsizetype pos = i + 1;
        if (withFunctionDigit && (pos == 6 || pos == 7))
            r.append(code[i]);
        else if (code[i] == r.back())
            r.append(kRepeatTone);
        else
            r.append(code[i]);
    }
    return r;
}

bool IsSelfIdCode(const QString &code, const QString &ownId)
{
    const qsizetype len = code.size();
    if (len < 10)
        return false;
    auto functionDigitOk = [&code] { return IsFunctionDigit(code[5]); };

    if (code.endsWith(QLatin1String("SelfID"))) {
        if (len == 11)
            return true;
        if (len == 12)
            return functionDigitOk();
        return false;
    }

    if (ownId.size() != 5)
        return false;
    const QString tail = code.right(5);
    const QString before(code[len - 6]);
    if (tail != ownId && tail != FiveToneRepeatCode(ownId, QStringLiteral("X")) &&
        tail != FiveToneRepeatCode(ownId, before))
        return false;
    if (len == 10)
        return true;
    if (len == 11)
        return functionDigitOk();
    return false;
}

QString FiveToneTextToCode(const QString &code, const QString &ownId)
{
    if (IsSelfIdCode(code, ownId))
        return FiveToneSelfIdCode(code);
    return FiveToneRepeatCode(code, QStringLiteral("X"));
}

QString ByteToHex2(uint8_t value)
{
    return QStringLiteral("%1").arg(unsigned(value), 2, 16, QLatin1Char('0')).toUpper();
}

QString OctPadded(int value, int length)
{
    const unsigned bits = value < 0 ? unsigned(uint16_t(value)) : unsigned(value);
    QString text = QString::number(bits, 8);
    if (text.size() < length)
        text.prepend(QString(length - text.size(), QLatin1Char('0')));
    return text;
}

int32_t NumOrDefault(const QString &text, int32_t def)
{
    if (text.isEmpty() || !IsNumeric(text))
        return def;
    const double v = std::nearbyint(Val(text));
    if (!std::isfinite(v) || v < double(std::numeric_limits<int32_t>::min()) ||
        v > double(std::numeric_limits<int32_t>::max()))
        return def;
    return int32_t(CInt(v));
}

QString FileNameOfPath(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return cut < 0 ? path : path.mid(cut + 1);
}
