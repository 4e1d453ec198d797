#pragma once
// The text forms of a 5-tone code beyond its stored form (code_text.h): the expanded digits, the
// kind of a code (data message, PTT ID, ANI, plain) with the readable text the code list shows
// for it, and the rewrite of the codes that carry the radio's own ID when that ID changes.
// Pure functions of their arguments.

#include <QString>

struct FiveToneBlock;
struct FiveToneCodeRecord;

// count digits of code from position start (1 = first), each repeat digit "E" replaced by the
// digit before it; positions beyond the end add nothing. An "E" in the first position has no
// digit before it and stays "E".
QString Mid5ToneNoE(const QString &code, int start, int count);

// The code in use: the text cut or padded with "E" to length.
QString FiveToneCodeInUse(const QString &stored, int length);

// The message of a data-message code: from position 9 on, each pair of hexadecimal digits is the
// code of one character; a single trailing digit is ignored.
QString DataMessageOf(const QString &code);

enum FiveToneCodeKind : int { KindPlain = 0, KindDataMessage, KindPttId, KindAni };

struct FiveToneCodeView {
    FiveToneCodeKind kind = KindPlain;
    QString codeCell; // the code list's code cell
};

// How the code list shows a row in use: a data message ("E1", at least 8 characters) as the
// called ID, eight spaces, messageLabel and the message; a PTT ID ("E6", at least 6 characters)
// with an empty code cell; an ANI code (IsSelfIdCode) as the called code and its function digit;
// any other code as the code in use (FiveToneCodeInUse).
FiveToneCodeView FiveToneCodeShown(const FiveToneCodeRecord &row, const QString &ownId, const QString &messageLabel);

// The stored code of a row re-derived for the own ID at a write-back: an "E2" or "E6" code gets
// the own ID after its prefix, a code that carries an own ID (or "SelfID") gets ownId in its place,
// and the result is turned into the stored form (FiveToneTextToCode). Codes of at most 2
// characters stay as they are. ownIdField is the 6-character field's text, ownId the typed ID.
QString RecodeForOwnId(const QString &storedCode, const QString &ownIdField, const QString &ownId);

// After the own ID changed from oldOwnId to newOwnId: every code row and both PTT-ID codes that
// begin with "E2" or "E6" get newOwnId after the prefix; codes that carried oldOwnId get the
// expanded called code, their function digit and newOwnId. Lengths are not changed; the codes
// stay expanded until the next write-back re-codes them.
void UpdateOwnIdCodes(FiveToneBlock &block, const QString &oldOwnId, const QString &newOwnId);
