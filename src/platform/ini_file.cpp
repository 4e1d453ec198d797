#include "platform/ini_file.h"

#include <vector>

#include "platform/whole_file.h"

// Lines are handled as bytes: names compare without decoding (keys are mostly numbers and every
// window reads dozens of them), only the value that is asked for is decoded, and lines that are
// not changed are written back exactly as they were, whatever their encoding.

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// Trims only ASCII blanks (UTF-8 sequences hold no ASCII bytes): an ideographic space at the
// start of a Chinese text is part of the text.
QByteArrayView TrimBlanks(QByteArrayView s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return s.sliced(b, e - b);
}

bool IsAscii(QByteArrayView s)
{
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

bool SameName(QByteArrayView name, QByteArrayView wanted)
{
    if (name.size() == wanted.size() && qstrnicmp(name.data(), name.size(), wanted.data(), wanted.size()) == 0)
        return true;
    if (IsAscii(name) && IsAscii(wanted))
        return false;
    return QString::fromUtf8(name).compare(QString::fromUtf8(wanted), Qt::CaseInsensitive) == 0;
}

// What one line is: a section header (name), a key line (name and trimmed value) or anything else.
struct LineParts {
    enum Kind { Other, Section, Key };
    Kind kind = Other;
    QByteArrayView name;
    QByteArrayView value;
};

LineParts Classify(QByteArrayView line)
{
    LineParts parts;
    const QByteArrayView text = TrimBlanks(line);
    if (text.startsWith('[')) {
        const qsizetype close = text.indexOf(']');
        parts.kind = LineParts::Section;
        parts.name = TrimBlanks(close < 0 ? text.sliced(1) : text.sliced(1, close - 1));
        return parts;
    }
    const qsizetype eq = text.indexOf('=');
    if (eq < 0)
        return parts;
    parts.kind = LineParts::Key;
    parts.name = TrimBlanks(text.first(eq));
    parts.value = TrimBlanks(text.sliced(eq + 1));
    return parts;
}

// Calls visit(text, eol) for each line; text is the line without its ending, eol the ending
// ("\r\n", a bare "\n" or a bare "\r", or empty for a last line without one), so that files
// written on any system, or with mixed endings, read the same lines that a write keeps. Stops
// when visit returns false.
template <typename Visit>
void ForEachLine(QByteArrayView data, Visit visit)
{
    qsizetype pos = data.startsWith(kBom) ? kBom.size() : 0;
    while (pos < data.size()) {
        qsizetype textEnd = pos;
        while (textEnd < data.size() && data[textEnd] != '\n' && data[textEnd] != '\r')
            ++textEnd;
        qsizetype next = textEnd;
        if (next < data.size())
            next += (data[next] == '\r' && next + 1 < data.size() && data[next + 1] == '\n') ? 2 : 1;
        if (!visit(data.sliced(pos, textEnd - pos), data.sliced(textEnd, next - textEnd)))
            return;
        pos = next;
    }
}

// The largest INI file that is read: the program's own are a few kilobytes.
constexpr qint64 kIniFileLimit = qint64(4) << 20;

// Reads the file; false when something is there that cannot be read (not a file, too large).
// A missing file is an empty text.
bool Load(const QString &path, QByteArray &data)
{
    const WholeFileRead result = ReadWholeFile(path, kIniFileLimit, data);
    return result == WholeFileRead::Ok || result == WholeFileRead::Missing;
}

QString DecodeValue(QByteArrayView value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return QString::fromUtf8(value);
}

// What a buffer of bufferSize characters keeps of the text: bufferSize - 1 characters, never half
// of a surrogate pair.
QString CutToBuffer(const QString &text, int bufferSize)
{
    if (bufferSize <= 0)
        return QString();
    qsizetype keep = bufferSize - 1;
    if (text.size() <= keep)
        return text;
    if (keep > 0 && text.at(keep - 1).isHighSurrogate())
        --keep;
    return text.left(keep);
}

QString TrimTrailingBlanks(QString s)
{
    while (!s.isEmpty() && s.back().unicode() < 0x80 && IsBlank(static_cast<char>(s.back().unicode())))
        s.chop(1);
    return s;
}

QByteArray OneLine(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    bytes.replace('\r', ' ');
    bytes.replace('\n', ' ');
    return bytes;
}

} // namespace

QString IniFile::Read(const QString &path, const QString &section, const QString &key, const QString &def,
                      int bufferSize)
{
    QByteArray data;
    if (Load(path, data)) {
        const QByteArray wantedSection = section.toUtf8();
        const QByteArray wantedKey = key.toUtf8();
        bool inSection = false;
        bool found = false;
        QString value;
        ForEachLine(data, [&](QByteArrayView text, QByteArrayView) {
            const LineParts parts = Classify(text);
            if (parts.kind == LineParts::Section) {
                inSection = SameName(parts.name, wantedSection);
            } else if (inSection && parts.kind == LineParts::Key && SameName(parts.name, wantedKey)) {
                value = DecodeValue(parts.value);
                found = true;
            }
            return !found;
        });
        if (found)
            return CutToBuffer(value, bufferSize);
    }
    return CutToBuffer(TrimTrailingBlanks(def), bufferSize);
}

bool IniFile::Write(const QString &path, const QString &section, const QString &key, const QString &value)
{
    QByteArray data;
    if (!Load(path, data))
        return false;
    const QByteArray wantedSection = OneLine(section);
    const QByteArray wantedKey = OneLine(key);

    struct Line {
        QByteArray text;
        QByteArray eol;
    };
    std::vector<Line> lines;
    QByteArray nl;
    qsizetype keyLine = -1;     // the first line of the key in a section of that name
    qsizetype sectionEnd = -1;  // last non-blank line of the first section of that name
    QByteArray keyAsSpelt;
    bool inSection = false;
    bool sectionDone = false;
    ForEachLine(data, [&](QByteArrayView text, QByteArrayView eol) {
        const qsizetype index = static_cast<qsizetype>(lines.size());
        lines.push_back({text.toByteArray(), eol.toByteArray()});
        if (nl.isEmpty())
            nl = eol.toByteArray();
        const LineParts parts = Classify(text);
        if (parts.kind == LineParts::Section) {
            sectionDone = sectionDone || sectionEnd >= 0;
            inSection = SameName(parts.name, wantedSection);
            if (inSection && !sectionDone)
                sectionEnd = index;
            return true;
        }
        if (!inSection)
            return true;
        if (!sectionDone && !TrimBlanks(text).isEmpty())
            sectionEnd = index;
        if (keyLine < 0 && parts.kind == LineParts::Key && SameName(parts.name, wantedKey)) {
            keyLine = index;
            keyAsSpelt = parts.name.toByteArray();
        }
        return true;
    });
    if (nl.isEmpty())
        nl = QByteArrayLiteral("\n");

    const QByteArray newValue = OneLine(value);
    if (keyLine >= 0) {
        lines[static_cast<size_t>(keyLine)].text = keyAsSpelt + '=' + newValue;
    } else {
        if (sectionEnd < 0) {
            lines.push_back({'[' + wantedSection + ']', nl});
            sectionEnd = static_cast<qsizetype>(lines.size()) - 1;
        }
        lines.insert(lines.begin() + sectionEnd + 1, {wantedKey + '=' + newValue, nl});
    }
    // Every line but the last ends with a line break, also where the file's last line had none.
    for (size_t i = 0; i + 1 < lines.size(); ++i)
        if (lines[i].eol.isEmpty())
            lines[i].eol = nl;

    QByteArray out;
    if (data.startsWith(kBom))
        out += kBom;
    for (const Line &line : lines)
        out += line.text + line.eol;

    return ReplaceFile(path, out);
}

QStringList IniFile::Keys(const QString &path, const QString &section)
{
    QStringList keys;
    QByteArray data;
    if (!Load(path, data))
        return keys;
    const QByteArray wantedSection = section.toUtf8();
    bool inSection = false;
    ForEachLine(data, [&](QByteArrayView text, QByteArrayView) {
        const LineParts parts = Classify(text);
        if (parts.kind == LineParts::Section)
            inSection = SameName(parts.name, wantedSection);
        else if (inSection && parts.kind == LineParts::Key)
            keys << QString::fromUtf8(parts.name);
        return true;
    });
    return keys;
}
