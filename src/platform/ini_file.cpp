#include "platform/ini_file.h"

#include <QFile>
#include <QSaveFile>
#include <vector>

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

// One line of the file as it stands: its bytes without the line ending, and the ending ("\n",
// "\r\n" or nothing for a last line without one). Unchanged lines are written back from these bytes.
struct IniLine {
    enum Kind { Other, Section, Key };
    QByteArray text;
    QByteArray eol;
    Kind kind = Other;
    QString name;  // section or key name, trimmed
    QString value; // trimmed value of a key line
};

struct IniText {
    bool bom = false;
    std::vector<IniLine> lines;
};

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n')
        || c == QLatin1Char('\v') || c == QLatin1Char('\f');
}

// Trims only ASCII blanks: an ideographic space at the start of a Chinese text is part of it.
QString TrimBlanks(const QString &s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && IsBlank(s.at(b)))
        ++b;
    while (e > b && IsBlank(s.at(e - 1)))
        --e;
    return s.mid(b, e - b);
}

QString TrimTrailingBlanks(const QString &s)
{
    qsizetype e = s.size();
    while (e > 0 && IsBlank(s.at(e - 1)))
        --e;
    return s.left(e);
}

bool SameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

void Classify(IniLine &line)
{
    const QString text = TrimBlanks(QString::fromUtf8(line.text));
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        line.kind = IniLine::Section;
        line.name = TrimBlanks(close < 0 ? text.mid(1) : text.mid(1, close - 1));
        return;
    }
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq < 0)
        return;
    line.kind = IniLine::Key;
    line.name = TrimBlanks(text.left(eq));
    QString value = TrimBlanks(text.mid(eq + 1));
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
        && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    line.value = value;
}

IniText Parse(const QByteArray &data)
{
    IniText ini;
    qsizetype pos = 0;
    if (data.startsWith(kBom)) {
        ini.bom = true;
        pos = kBom.size();
    }
    while (pos < data.size()) {
        IniLine line;
        const qsizetype nl = data.indexOf('\n', pos);
        const qsizetype end = nl < 0 ? data.size() : nl;
        qsizetype textEnd = end;
        if (textEnd > pos && data.at(textEnd - 1) == '\r')
            --textEnd;
        line.text = data.mid(pos, textEnd - pos);
        line.eol = nl < 0 ? data.mid(textEnd, end - textEnd) : data.mid(textEnd, nl + 1 - textEnd);
        Classify(line);
        ini.lines.push_back(std::move(line));
        pos = nl < 0 ? data.size() : nl + 1;
    }
    return ini;
}

// Reads the file; false when it exists but cannot be read. A missing file is an empty text.
bool Load(const QString &path, IniText &ini)
{
    QFile file(path);
    if (!file.exists()) {
        ini = IniText();
        return true;
    }
    if (!file.open(QIODevice::ReadOnly))
        return false;
    ini = Parse(file.readAll());
    return true;
}

// Index of the first line of key in section, or -1.
qsizetype FindKey(const IniText &ini, const QString &section, const QString &key)
{
    bool inSection = false;
    for (size_t i = 0; i < ini.lines.size(); ++i) {
        const IniLine &line = ini.lines[i];
        if (line.kind == IniLine::Section)
            inSection = SameName(line.name, section);
        else if (inSection && line.kind == IniLine::Key && SameName(line.name, key))
            return static_cast<qsizetype>(i);
    }
    return -1;
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

QByteArray NewlineOf(const IniText &ini)
{
    for (const IniLine &line : ini.lines)
        if (!line.eol.isEmpty())
            return line.eol;
    return QByteArrayLiteral("\n");
}

QString OneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

QString IniFile::Read(const QString &path, const QString &section, const QString &key, const QString &def,
                      int bufferSize)
{
    IniText ini;
    if (Load(path, ini)) {
        const qsizetype at = FindKey(ini, section, key);
        if (at >= 0)
            return CutToBuffer(ini.lines[static_cast<size_t>(at)].value, bufferSize);
    }
    return CutToBuffer(TrimTrailingBlanks(def), bufferSize);
}

bool IniFile::Write(const QString &path, const QString &section, const QString &key, const QString &value)
{
    IniText ini;
    if (!Load(path, ini))
        return false;
    const QByteArray nl = NewlineOf(ini);
    const QString sectionName = OneLine(section);
    const QString keyName = OneLine(key);

    const qsizetype at = FindKey(ini, sectionName, keyName);
    if (at >= 0) {
        IniLine &line = ini.lines[static_cast<size_t>(at)];
        line.text = (line.name + QLatin1Char('=') + OneLine(value)).toUtf8();
    } else {
        IniLine added;
        added.text = (keyName + QLatin1Char('=') + OneLine(value)).toUtf8();
        added.eol = nl;
        // After the last non-blank line of the first section of that name.
        qsizetype insertAfter = -1;
        bool inSection = false;
        for (size_t i = 0; i < ini.lines.size(); ++i) {
            const IniLine &line = ini.lines[i];
            if (line.kind == IniLine::Section) {
                if (insertAfter >= 0)
                    break;
                inSection = SameName(line.name, sectionName);
                if (inSection)
                    insertAfter = static_cast<qsizetype>(i);
            } else if (inSection && !TrimBlanks(QString::fromUtf8(line.text)).isEmpty()) {
                insertAfter = static_cast<qsizetype>(i);
            }
        }
        if (insertAfter < 0) {
            if (!ini.lines.empty() && ini.lines.back().eol.isEmpty())
                ini.lines.back().eol = nl;
            IniLine header;
            header.text = (QLatin1Char('[') + sectionName + QLatin1Char(']')).toUtf8();
            header.eol = nl;
            ini.lines.push_back(std::move(header));
            ini.lines.push_back(std::move(added));
        } else {
            IniLine &before = ini.lines[static_cast<size_t>(insertAfter)];
            if (before.eol.isEmpty())
                before.eol = nl;
            ini.lines.insert(ini.lines.begin() + insertAfter + 1, std::move(added));
        }
    }

    QByteArray out;
    if (ini.bom)
        out += kBom;
    for (const IniLine &line : ini.lines)
        out += line.text + line.eol;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(out) != out.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QStringList IniFile::Keys(const QString &path, const QString &section)
{
    QStringList keys;
    IniText ini;
    if (!Load(path, ini))
        return keys;
    bool inSection = false;
    for (const IniLine &line : ini.lines) {
        if (line.kind == IniLine::Section)
            inSection = SameName(line.name, section);
        else if (inSection && line.kind == IniLine::Key)
            keys << line.name;
    }
    return keys;
}
