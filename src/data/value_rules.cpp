// STAND-IN until the value rules land on main. On merge, take the real file.
#include "data/value_rules.h"

QString TrimFixStr(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' '))
        --end;
    QString t = text.left(end);
    const qsizetype nul = t.indexOf(QChar(0));
    return nul < 0 ? t : t.left(nul);
}
