#include "data/five_tone_codes.h"

#include "data/code_text.h"
#include "data/radio_data.h"
#include "data/value_rules.h"

namespace {

const QLatin1Char kRepeat('E');
constexpr int kCalledDigits = 5;
constexpr int kMessageStart = 9; // position of the first message digit of a data message

bool CarriesFunctionDigit(const QString &code)
{
    // An ANI code of 11 characters (12 with "SelfID") has a function digit "A".."F" at position 6.
    const bool withSelfId = code.endsWith(QLatin1String("SelfID"));
    if (code.size() != (withSelfId ? 12 : 11))
        return false;
    const QChar c = code.at(5);
    return c >= QLatin1Char('A') && c <= QLatin1Char('F');
}

void RewriteForNewOwnId(FiveToneCodeRecord &r, const QString &oldOwnId, const QString &newOwnId)
{
    QString code = ShownText(r.Code);
    if (code.trimmed().size() <= 1)
        return;
    if (code.startsWith(QLatin1String("E2")) || code.startsWith(QLatin1String("E6"))) {
        code = code.left(2) + newOwnId;
        StoreText(r.Code, code);
    }
    const QString t = TrimFixStr(code);
    if (IsSelfIdCode(t, oldOwnId)) {
        QString rewritten = Mid5ToneNoE(code, 1, kCalledDigits);
        if (CarriesFunctionDigit(t))
            rewritten += t.at(5);
        StoreText(r.Code, rewritten + newOwnId);
    }
}

} // namespace

QString Mid5ToneNoE(const QString &code, int start, int count)
{
    QString out;
    for (int p = start; p < start + count; ++p) {
        if (p < 1 || p > code.size())
            continue;
        QChar c = code.at(p - 1);
        if (c == kRepeat && p > 1)
            c = code.at(p - 2);
        out += c;
    }
    return out;
}

QString FiveToneCodeInUse(const QString &stored, int length)
{
    QString code = stored;
    if (code.size() > length)
        code.truncate(length);
    while (code.size() < length)
        code += kRepeat;
    return code;
}

QString DataMessageOf(const QString &code)
{
    QString message;
    for (int p = kMessageStart; p + 1 <= code.size(); p += 2) {
        bool ok = false;
        const int value = code.mid(p - 1, 2).toInt(&ok, 16);
        if (ok)
            message += QChar(value);
    }
    return message;
}

FiveToneCodeView FiveToneCodeShown(const FiveToneCodeRecord &row, const QString &ownId, const QString &messageLabel)
{
    FiveToneCodeView view;
    const QString stored = QString::fromLatin1(row.Code.toByteArray());
    const QString t = stored.trimmed();
    if (t.size() > 1) {
        if (t.startsWith(QLatin1String("E1"))) {
            if (t.size() >= 8) {
                view.kind = KindDataMessage;
                view.codeCell = Mid5ToneNoE(stored, 3, kCalledDigits) + QString(8, QLatin1Char(' ')) + messageLabel +
                                DataMessageOf(t);
            }
        } else if (t.startsWith(QLatin1String("E6")) && t.size() >= 6) {
            view.kind = KindPttId;
            view.codeCell.clear();
        }
        const QString trimmed = ShownText(row.Code);
        if (IsSelfIdCode(trimmed, ownId)) {
            view.kind = KindAni;
            view.codeCell = Mid5ToneNoE(stored, 1, kCalledDigits);
            if (CarriesFunctionDigit(trimmed))
                view.codeCell += trimmed.at(5);
        }
    }
    if (view.kind == KindPlain)
        view.codeCell = FiveToneCodeInUse(ShownText(row.Code), row.CodeLength);
    return view;
}

QString RecodeForOwnId(const QString &storedCode, const QString &ownIdField, const QString &ownId)
{
    QString code = TrimFixStr(storedCode);
    if (code.size() <= 2)
        return storedCode;
    if (code.startsWith(QLatin1String("E2")) || code.startsWith(QLatin1String("E6")))
        code = code.left(2) + ownIdField;
    const QString u = TrimFixStr(code);
    if (IsSelfIdCode(u, ownId))
        code = u.left(u.size() - (u.endsWith(QLatin1String("SelfID")) ? 6 : 5)) + ownIdField;
    return FiveToneTextToCode(code.trimmed(), ownId);
}

void UpdateOwnIdCodes(FiveToneBlock &block, const QString &oldOwnId, const QString &newOwnId)
{
    for (FiveToneCodeRecord &r : block.CodeRows)
        RewriteForNewOwnId(r, oldOwnId, newOwnId);
    RewriteForNewOwnId(block.PttIdBegin, oldOwnId, newOwnId);
    RewriteForNewOwnId(block.PttIdEnd, oldOwnId, newOwnId);
}
