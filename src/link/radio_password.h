#pragma once
// The radio's programming password: up to four characters in the last four bytes of the block at
// 0x0040. Every exchange requests that block right after the identify step and compares it with
// the password the user typed last (PasswordEntry); the program keeps no copy of its own.

#include <QByteArray>
#include <QString>

constexpr int kPasswordBlock = 0x0040;

// Requests the block at 0x0040.
void RequestPasswordBlock();
// True when reply is the data frame of 0x0040 with a good checksum while the password block is
// awaited (in any other state that block is an ordinary block of the walk).
bool IsPasswordBlock(const QByteArray &reply);
// The radio's password as the block holds it: ends before the first FF or 00 byte, cut as a
// fixed-length text.
QString RadioPasswordOf(const QByteArray &reply);
// True when the radio has no password or it equals PasswordEntry exactly (case-sensitive).
bool CheckRadioPassword(const QByteArray &reply);
