#pragma once
// INI files with the semantics of the Windows profile API, which the program's setting and
// language files were written for:
// - section and key names compare without case;
// - a value is the text after the first "=", trimmed of spaces and tabs at both ends; a value
//   enclosed in a matching pair of double or single quotes loses them;
// - a read goes into a buffer of bufferSize characters, so at most bufferSize - 1 characters of
//   value come back (255 -> 254, 512 -> 511); a longer value is cut;
// - a missing file, section or key reads as the default (trailing spaces removed, cut the same way);
// - the first occurrence of a key wins; keys before the first section belong to no section;
// - a write changes only the one line of its key, or adds the key after the last non-blank line
//   of its section, or adds the section and the key at the end of the file; every other line,
//   comment, blank line, line ending and the order stay byte for byte;
// - nothing else in a value is special: commas, percent signs, semicolons and "#" are text.
// Something at the path that is not a regular file, or a file of more than 4 MB, reads as a missing
// file and is never written (platform/whole_file.h reads and replaces every file whole).
// Files are read and written as UTF-8 (a byte-order mark is kept). Not QSettings, which rewrites
// whole files and gives commas and "%" a meaning of their own.

#include <QString>
#include <QStringList>

class IniFile {
public:
    // Value of key in section, read into a buffer of bufferSize characters, as described above.
    // def when the file, the section or the key is missing.
    static QString Read(const QString &path, const QString &section, const QString &key,
                        const QString &def = QString(), int bufferSize = 255);

    // Writes key=value into section, creating the file (not its folder) when it does not exist.
    // Line breaks in value become spaces, so a value can never add lines of its own.
    // False when the file cannot be read or written; the old file then stays as it was.
    static bool Write(const QString &path, const QString &section, const QString &key, const QString &value);

    // The keys of section as they are spelt in the file, in file order, a key that occurs twice
    // listed twice; empty when the file or the section is missing.
    static QStringList Keys(const QString &path, const QString &section);
};
