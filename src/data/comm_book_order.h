#pragma once
// The order of the communication book: entries by the hexadecimal value of their call-ID key, the
// entries in use first and the free entries last, each entry's number equal to its position.

#include <QByteArray>
#include <cstdint>
#include <optional>

// The sort key of a call ID: spaces become "A", the text is cut with TrimFixStr and padded with
// "B" to five characters, then read as a hexadecimal number. Empty when the key holds a character
// that is not a hexadecimal digit (possible only in a book that this program did not write).
std::optional<uint32_t> CommBookKey(const QByteArray &callId);

// Sorts the book of RadioData by ascending key with the program's exchange sort (not stable:
// entries with equal keys may change their order) and renumbers the entries 0..127. Entries are
// carried whole by position, so a book whose numbers are not its positions loses nothing; a key
// that does not read as hexadecimal sorts after all others.
void SortCommBook();
