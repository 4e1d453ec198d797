#pragma once
// The radio's answer to the identify request: its model, band plan, firmware version, option byte
// and killed/stunned state, and the checks that decide whether a transfer may go on.

#include <QByteArray>
#include <QString>

// True when reply is an identify reply (read from ReplySkip on); it then stores the radio's
// fields (RadioModelCode, RadioBandCode, RadioBandText, RadioVersion, FeatureFlags, RadioKilled,
// RadioStunned) and has the main window show its menus by the flags and rebuild its tree.
// False leaves everything unchanged.
bool ParseIdentifyReply(const QByteArray &reply);

// Trailing spaces removed and cut before the first NUL; "K58TX" becomes "K58TXA".
QString NormaliseModelCode(const QString &code);
bool IsSameModelCode(const QString &a, const QString &b);

// The model and version checks of every transfer, and the band, killed and stunned checks of a
// write, each with its message. True when the transfer may go on. Stops the reply timer.
bool CheckRadioIdentity();
