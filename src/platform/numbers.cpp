// STAND-IN until the number helpers land on main: decimal forms only. On merge, take the real file.
#include "platform/numbers.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

bool IsNumeric(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    return re.match(text).hasMatch();
}

double Val(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return 0.0;
    QString t = m.captured(0).trimmed();
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    return ok ? v : 0.0;
}

long long CInt(double value) { return static_cast<long long>(std::nearbyint(value)); }
