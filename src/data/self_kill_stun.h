#pragma once
// The DTMF rules that tie the radio's own ID to its codes: the three-digit DTMF IDs (the own ID,
// the called code of a special call) and the de-duplication that keeps the remote kill and stun
// codes apart from the own ID and from each other, so that the radio can tell the three calls
// apart. Pure functions of their arguments.

#include <QString>

// True for a non-empty text of the decimal digits "0".."9" only. The general number test is too
// wide for IDs: it takes "1E2" or " 12", which the radio's three digit cells cannot hold.
bool IsDecimalDigits(const QString &text);

// A DTMF ID filled up to three characters by appending "0" on the right: "7" -> "700", "" -> "000".
// A text of three or more characters is returned as it is.
QString FillDtmfId(const QString &text);

// When reference and code are both non-empty and equal, the code's last character, read as a
// hexadecimal digit d (a character that is none counts as 0), becomes the upper-case hexadecimal
// digit of (d + 1) mod 16: "9" -> "A", "D" -> "E" (the star), "E" -> "F" (the hash), "F" -> "0".
// Otherwise the code stays as it is.
void BumpLastHexDigitIfEqual(const QString &reference, QString &code);

// The own ID and the two remote codes in their stored forms. The three are cut with TrimFixStr;
// then the kill code is bumped when it equals the own ID, the stun code when it equals the own ID,
// and the stun code when it equals the kill code as it now stands, once each in this order. The
// kill and stun texts take the trimmed, possibly bumped codes; the own ID is only read. No code
// changes its length.
void MakeDtmfCodesDistinct(const QString &ownId, QString &killCode, QString &stunCode);
