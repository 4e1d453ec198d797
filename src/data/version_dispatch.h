#pragma once
// Several software versions of this program may be installed side by side under one root folder
// (the parent of the program folder), each in a folder named by its version. "Version.ini" in the
// root lists them and pairs each radio firmware / data-file version with the software version
// that handles it. This program is "V101"; a file or radio of another version can be handed over
// to the matching installed version.

#include <QString>

inline const char *const kSoftVersion = "V101";

enum MismatchKind : int { MkRadio = 0, MkDataFile = 1 };

// Sets RadioData.FileVersion to "V101" and reads "Version.ini" of the root folder into the
// version table. When the file is missing or a count is not a number of at least 1, that part of
// the table is this version alone (the pair "V101", "V101"), so that the program can always open
// its own files.
void LoadVersionTable();
// The path without its last "\"- or "/"-separated part.
QString VersionRootFolder(const QString &path);
// The text before the last "\" or "/" when that separator is not the first character; else the path.
QString ParentFolder(const QString &path);

// The software version of the first pair whose firmware version equals firm; "" when none does.
QString SoftVersionForFirm(const QString &firm);
// True when some pair holds exactly these two versions.
bool IsVersionPairListed(const QString &soft, const QString &firm);
// "V101" is shown as "V1.01".
QString VersionShownText(const QString &version);
// The question before a hand-over: the question, the radio's or file's version, this version.
QString VersionMismatchText(const QString &thisVersion, const QString &otherVersion, MismatchKind kind);

enum class HandOverResult {
    NoMatch,     // no pair names the version: the user was told, this program goes on
    StartFailed, // the matching program could not be started: nothing was told, the caller reports
    Started,     // the program was started and this one ended (returns only with a test launcher)
};
// Starts the installed software version that handles the firmware version and ends this program
// at once, without its shutdown; the serial port is closed first.
HandOverResult RunSoftVersionForFirm(const QString &firm);
