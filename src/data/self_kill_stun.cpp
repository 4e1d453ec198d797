#include "data/self_kill_stun.h"

#include "data/value_rules.h"

bool IsDecimalDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QString FillDtmfId(const QString &text)
{
    QString id = text;
    while (id.size() < 3)
        id += u'0';
    return id;
}

void BumpLastHexDigitIfEqual(const QString &reference, QString &code)
{
    if (reference.isEmpty() || code.isEmpty() || reference != code)
        return;
    static const QString kHexDigits = QStringLiteral("0123456789ABCDEF");
    const int digit = kHexDigits.indexOf(code.back().toUpper());
    code.back() = kHexDigits.at((digit < 0 ? 1 : digit + 1) % 16);
}

void MakeDtmfCodesDistinct(const QString &ownId, QString &killCode, QString &stunCode)
{
    const QString a = TrimFixStr(ownId);
    QString b = TrimFixStr(killCode);
    QString c = TrimFixStr(stunCode);
    BumpLastHexDigitIfEqual(a, b);
    BumpLastHexDigitIfEqual(a, c);
    BumpLastHexDigitIfEqual(b, c);
    killCode = b;
    stunCode = c;
}
