#pragma once
// Files that the editor windows write at the user's choice (book files, test-data files): the
// question before an existing file is replaced, the write that replaces a file only when the new
// one is complete, and the file-error message.

#include <QByteArray>
#include <QString>

// True when nothing exists at path, or the user agreed to replace the file there ("file will be
// Overwrite,Continue?", OK and Cancel).
bool ConfirmReplaceFile(const QString &path);
// Writes bytes as a new file beside path and puts it in place of the old one only when it is
// complete; false (the old file untouched) when any step fails.
bool WriteWholeFile(const QString &path, const QByteArray &bytes);
// "file error." in the current language, OK only.
void ShowFileError();
