#pragma once
// Data files on disk: the settings record as one 9,742-byte record (".dat") with the channel file
// beside it (".fre", one 109-byte record per channel in use), the per-model templates of the Init
// folder in the same formats, the working and saved copies of the data and the unsaved-changes
// test that compares them.
//
// Saving writes every file of the set as a new file and replaces the old ones only when all are
// written; a failed save leaves the old files whole and the data counting as unsaved. Opening
// reads into temporaries and checks the file before anything is taken over; a file that fails or
// is refused changes nothing.

#include <QByteArray>
#include <QString>

#include "data/app_state.h"

// The 206 slots of a channel table.
using ChannelSlots = std::array<ChannelRecord, kChannelSlots>;

// The old layout of a data file, which belongs to software version "V100".
constexpr int kOldDataFileSize = 9720;

// The path with ".dat" appended unless it already ends in ".dat" (any letter case), so that the
// channel and test-data files derived from it can never be the data file itself.
QString DataFilePathOf(const QString &path);
// The files beside a data file: its ".dat" path with the last three characters "fre" (channel
// file) or "ted" (factory test data). A file already there is found whatever the letter case of
// its suffix ("RADIO.DAT" has "RADIO.FRE" or "RADIO.fre"; one cased like the data file's suffix
// first), so that reading and saving use that same file; when there is none, the suffix takes the
// case of the data file's ("RADIO.DAT" -> "RADIO.FRE", "radio.dat" or "Radio.Dat" -> ".fre").
QString ChannelFilePathOf(const QString &dataPath);
QString TestDataFilePathOf(const QString &dataPath);

// True when the working copies equal the saved copies in everything the comparison looks at
// (trimmed texts, length-bounded codes, not the model name, file version or embedded information).
bool IsDataUnchanged();
bool IsDataModified();

// The first slot 0..ChannelCount - 1 of ChannelList holding the record's channel number; -1 when none.
int FindChannelSlot(const ChannelRecord &rec);

// Working copies -> saved copies: the working record first gets the current band plan, the model
// code and "V101"; channel slots beyond ChannelCount keep what they held.
void SnapshotToSaved();
// Saved copies -> working copies, with the band plan and its limits taken from the record.
void RestoreFromSaved();

// A new default data set (NewFreData), then the main window redrawn.
void NewDataFile();

// Saves the data under CurFileName (".dat" appended when missing) with its channel file, and in
// factory test mode the test-data file that the TestDataFileBytes hook gives, all of them replaced
// in one all-or-nothing step (ReplaceFilesAtomically). Only when every file is written do the saved copies take the
// data, CurFileName the path and FileUntitled false; otherwise "file error." is shown and nothing
// changes. True when saved.
bool SaveDataFile();
// The same under another path, which becomes CurFileName only when the save succeeded (Save As).
bool SaveDataFile(const QString &path);

// Opens CurFileName with its channel file, with the model and version checks; a file of the old
// layout or of another version can be handed to the matching installed version. A file that cannot
// be read or holds an impossible band plan or channel count shows "file error.". True when loaded;
// otherwise data, saved copies and band plan are as they were. A channel file that is missing or
// holds fewer records than the data file's channel count gives the channels it holds, and the user
// is told how many of how many were found before a save can make the loss permanent.
bool OpenDataFile();
// The same for a chosen path, which becomes CurFileName only when the file is loaded, so that a
// refused file is never the target of the next Save.
bool OpenDataFile(const QString &path);

// Template readers (no messages: an unreadable template leaves the new data set as it is and makes
// it the saved copy; a template with channels whose channel file is missing is unreadable). ReadInitTemplate takes the template's settings and builds the default
// channels of the current band plan; ReadInitTemplateKeep takes its channels too, keeping only
// channels 1, 2 and the special channels unless FactoryFreqFlag or InitDataMode is set.
void ReadInitTemplate(const QString &path);
void ReadInitTemplateKeep(const QString &path);

// The bytes of a channel file: slots 0..count - 1, one 109-byte record each.
QByteArray ChannelFileBytes(const ChannelSlots &table, int count);
// Writes slots 0..count - 1 of SavedChannelList as the channel file of a data file, as a new file
// replacing the old one. False when it cannot be written (the old file then stays).
bool WriteChannelFile(const QString &dataPath, int count);
// Reads records 1..count of the channel file of a data file into slots 0..count - 1. A missing or
// short file gives only the whole records it holds; returns how many were read.
int ReadChannelFile(const QString &dataPath, int count, ChannelSlots &table);
int ReadChannelFile(const QString &dataPath, int count); // into SavedChannelList

// Writes a data set (the record and channel slots 0..ChannelCount - 1) as new files at a ".dat"
// path and its channel file, replacing the old ones only when both are written. No message.
bool WriteDataSet(const QString &dataPath, const RadioDataRecord &rec, const ChannelSlots &table);
