// STAND-IN until the INI reader lands on main: reading only. On merge, take the real file.
#include "platform/ini_file.h"

#include <QFile>
#include <QStringList>

QString IniFile::Read(const QString &path, const QString &section, const QString &key, const QString &def,
                      int bufferSize)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return def.left(bufferSize - 1);
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    bool inSection = false;
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inSection = line.mid(1, line.indexOf(QLatin1Char(']')) - 1).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (inSection && eq > 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return line.mid(eq + 1).trimmed().left(bufferSize - 1);
    }
    return def.left(bufferSize - 1);
}

bool IniFile::Write(const QString &, const QString &, const QString &, const QString &) { return false; }
