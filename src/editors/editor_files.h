#pragma once
// Files that the editor windows write at the user's choice (book files, test-data files): the
// question before an existing file is replaced and the file-error message. The files themselves
// are read and replaced by platform/whole_file.h.

#include <QString>

// True when nothing exists at path, or the user agreed to replace the file there ("file will be
// Overwrite,Continue?", OK and Cancel).
bool ConfirmReplaceFile(const QString &path);
// "file error." in the current language, OK only.
void ShowFileError();
