#pragma once
#include <QString>

// The program folder: the executable's folder, or TORVA_PROGRAM_DIR when that is set (tests).
// Returned without a trailing "/".
QString ProgramDir();
// A path inside the program folder ("language/english.ini" -> "<dir>/language/english.ini").
QString ProgramPath(const QString &relative);
