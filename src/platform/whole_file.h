#pragma once
// The one way a whole file is read and the one way it is replaced. Every file the program reads
// or writes in one piece (data sets, templates, book and test-data files, the INI files, the
// splash pictures) goes through these two, so that none of them can hang on a pipe or a device,
// read a file without bound, or report a save that the disk did not complete. Files of records
// read and written a record at a time in place are in record_file.h.

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

enum class WholeFileRead {
    Ok,      // the whole file is in bytes
    Missing, // nothing at the path (or a folder on the way is missing)
    Refused, // not a regular file (a pipe, socket, device or folder), larger than the limit, or
             // it could not be opened or read
};

// Reads the whole file at path into bytes (empty unless Ok). Only a regular file is read: what is
// at the path is opened without waiting (a pipe without a writer or a device never blocks the
// open) and refused unless the opened file itself is a regular file, so nothing put in its place
// between a look and the open can make the read wait either. A file larger than sizeLimit bytes
// is refused without being read.
WholeFileRead ReadWholeFile(const QString &path, qint64 sizeLimit, QByteArray &bytes);

// Replaces a set of files (target path, new contents) as one step, so that the set on disk is
// either all old or all new:
// - every new file is first written in full to a temporary file beside its target, and each
//   write, the sync to the disk and the close are checked;
// - only then are they put in place, in the order given, each by a rename over its target;
// - when putting one in place fails, the ones already put in place get their old contents back
//   (a target that did not exist is removed again), so the old set stays whole and matching;
// - no temporary file is left behind, whatever fails.
// A target that exists must be a regular file (a symbolic link to one replaces the file it points
// to); anything else at a target path is left alone and the replace fails. A replaced file keeps
// the permissions of the file it replaces. False when anything failed; the targets are then as
// they were. Only when the old contents could not be put back (the disk failing between two
// renames) is the copy of the old file kept beside it, named ".<name>.<random>.old", rather than
// lost.
bool ReplaceFilesAtomically(const std::vector<std::pair<QString, QByteArray>> &files);

// The same for one file.
bool ReplaceFile(const QString &path, const QByteArray &bytes);
