#include "platform/program_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ProgramDir()
{
    const QByteArray over = qgetenv("TORVA_PROGRAM_DIR");
    QString dir;
    if (!over.isEmpty())
        dir = QString::fromLocal8Bit(over);
    else if (QCoreApplication::instance())
        dir = QCoreApplication::applicationDirPath();
    else
        dir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    return dir;
}

QString ProgramPath(const QString &relative) { return ProgramDir() + QLatin1Char('/') + relative; }
