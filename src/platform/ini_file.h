#pragma once
// INI files with the semantics of the Windows profile API: section and key names compare without
// case, values are trimmed at both ends and cut to the caller's buffer, a missing file, section or
// key reads as the default, and a write changes only its own line (or adds the key, or the section
// and the key), keeping every other line, comment and order. Files are read and written as UTF-8.

#include <QString>

class IniFile {
public:
    // Value of key in section, read into a buffer of bufferSize characters (so at most
    // bufferSize - 1 characters of value), trimmed. def when the file, section or key is missing.
    static QString Read(const QString &path, const QString &section, const QString &key,
                        const QString &def = QString(), int bufferSize = 255);
    // Writes key = value into section; false when the file cannot be written.
    static bool Write(const QString &path, const QString &section, const QString &key, const QString &value);
};
