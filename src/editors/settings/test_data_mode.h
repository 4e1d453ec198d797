#pragma once
// The factory test mode: the marker file that switches it on at start-up, the 16 calibration
// bytes of the test data with their ".ted" files (one 16-byte record, no header), and the frames
// that carry the test data between the program and the radio inside the transfer engine's steps.
//
// The test-data frames use the block address 0x0000, which no memory read or write uses:
//   read request  "R" 00 00 10                           -> reply "W" 00 00 10 data(16) sum 06
//   write frame   "W" 00 00 10 data(16) sum 06           -> 06
// A write in factory mode first opens the radio with the factory entry word instead of "PROGRAM",
// reads the block back (the radio's byte 0 is kept), writes it, then runs the ordinary write.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

using TestDataBlock = std::array<uint8_t, 16>;
constexpr int kTestDataSize = 16;
// The marker file's record: its first 128 bytes.
constexpr int kMarkerRecordSize = 128;

// The text the marker file "TestData.ini" in the program folder must hold (cut with TrimFixStr).
QByteArray FactoryModeMarker();
// The seven letters that put the radio into its factory mode, sent in place of "PROGRAM". The
// radio decides which word it takes; the right word is not known to this program, so this is the
// one place to change it.
QByteArray FactoryEntryWord();

// Zeroes both copies of the test data, then switches the factory mode on when the marker file
// holds the marker (its first 128 bytes, trailing spaces removed and cut before the first NUL,
// equal to it exactly). A missing or unreadable file leaves the mode off; nothing is reported.
void DetectFactoryTestMode();

// The ".ted" file beside a data file or template: its ".dat" path with ".ted" in place of ".dat",
// in the letter case of a ".ted" already there.
QString TestDataPathBeside(const QString &dataPath);
// Reads a ".ted" file into block; TestDataPath becomes path. False, and nothing changes, when the
// file is missing, not a regular file, unreadable or not exactly 16 bytes.
bool LoadTestDataFile(const QString &path, TestDataBlock &block);
// Writes block as a ".ted" file, replacing an old one only when complete; TestDataPath becomes
// path. False, and nothing changes, when it cannot be written.
bool SaveTestDataFile(const QString &path, const TestDataBlock &block);

// Reads the ".ted" beside a data file or template into SavedTestData. When it is missing or
// damaged the test data start from zero: for a data file with a message saying so, for a template
// of the program's Init folder (which ships none) quietly.
void LoadTestDataBeside(const QString &dataPath);
// The bytes of the ".ted" that belongs beside a data file being saved: CurTestData, which a
// successful save makes the saved copy (so they may be asked for before or after that); none
// outside factory mode. The save writes them with the data file and the channel file as one set.
std::optional<QByteArray> TestDataFileBytes();

// The factory frames, called by the transfer engine.
void StartFactorySession();
void SendTestDataRead();
bool IsTestDataReply(const QByteArray &reply);
// All 16 bytes into CurTestData (a read).
void TakeTestDataReply(const QByteArray &reply);
// Only byte 0 into CurTestData (the factory pass of a write keeps the radio's own byte 0).
void TakeTestDataFirstByte(const QByteArray &reply);
void SendTestDataWrite();
