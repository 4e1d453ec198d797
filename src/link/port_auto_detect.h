#pragma once
// The port auto-detect: tries candidate ports with every handshaking and stop-bit setting on the
// radio's serial port until a radio of the current model answers the handshake and the identify
// request, saves the settings that worked and carries on with the transfer that was asked for.
// Nothing in this configuration starts it.

#include <QList>
#include <QString>

#include "data/link_state.h"

// Sets up AutoDetectState for ports (at most 256, in order) and starts the search on the first.
// resume is the transfer to carry on with (its block walk set up as OpenRadioPort does) and
// resumeCaption the progress window's caption to put back.
void StartAutoDetect(const QList<int> &ports, LinkOperation resume, const QString &resumeCaption);

// Opens the radio's port on a candidate setting; true when it is open.
bool OpenProbePort(int port, int handshaking, int stopBits);
// Three handshake and three identify sends for the candidate, then the handshake.
void StartProbe();
void SendProbeHandshake();
// Moves to the next candidate that opens (past the current one first when stepPast) and probes
// it, or ends the search.
void NextAutoDetectCandidate(bool stepPast);
// True when the radio that answered is of the current model; the first that is not becomes the
// fallback.
bool IsProbeModelOk();
// A handshake acknowledgement or an identify reply during the search.
void AutoDetectStep();
// A reply time-out during the search.
void AutoDetectTimeout();
// Ends the search without a radio of the current model.
void FinishAutoDetect();
