#pragma once
// STAND-IN until the value rules land on main: only the text cut that this branch uses.
// On merge, take the real file.

#include <QString>

// The text without trailing spaces, then cut before its first NUL character.
QString TrimFixStr(const QString &text);
