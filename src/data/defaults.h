#pragma once
// The complete default data set that start-up and the New command build: every settings block at
// its defaults, the FM-radio table and the communication book reset, eight default channels in
// the middle of the band plan's bands, then the per-model template of the Init folder laid over
// it. Also the start-up values of the embedded information and two small lookups.
//
// The block routines touch only RadioData and ChannelList; the saved copies keep what they held
// until the next snapshot (the template load takes one).

#include <QDate>
#include <QString>
#include <QStringList>

#include "data/embedded_info.h"

// A new data set in RadioData and ChannelList, in this order: link flags and clipboard cleared,
// named "new.dat" / "new.cb" without a file, InitDataBlocks, ChannelCount 0, InitFmChannels,
// BuildDefaultChannels and, unless SkipInitTemplate is set, LoadInitTemplate.
void NewFreData();

// The seven block routines, in this order.
void InitDataBlocks();
void InitDtmfBlock();
void InitTwoToneBlock();  // the general 2-tone settings and the tone table
void InitFiveToneBlock(); // the 5-tone settings, FiveToneDecodeTime and the 2-tone call list
void InitOptionBlock();   // with the two programmable keys and the FM-radio switch
void InitScanBlock();
void InitAlertBlock();
void InitCommBook();

// Every FM-radio entry unused at "00000000", then entries 0 and 100 used at 108.0 MHz.
void InitFmChannels();

// Channels 1, 2, 201..206 at the middle of band 0, 1, 0, 1, 0, 1, 0, 1 of the band plan.
void BuildDefaultChannels();
// Appends a default channel built from nothing at slot ChannelCount.
void AddDefaultChannel(int number, const QString &rxFreText);
// Appends a channel at the middle of band 0, reusing the reserved fields of the stale record in
// slot ChannelCount. Nothing happens when every slot is in use.
void AddMidBandChannel(int number);

// "<program folder>/Init/<model code>_<band plan>.dat".
QString InitTemplatePath(const QString &modelCode, int bandPlanIndex);
// Lays the template of the current model and band plan over the new data set, or, when there is
// none, the settings of the fallback template "TORVA6Y_0.dat" with the default channels kept.
void LoadInitTemplate();

// Start-up values of EmbeddedInfoBlock from today's date (or the given date).
void InitEmbeddedInfo();
void InitEmbeddedInfo(EmbeddedInfoRecord &info, const QDate &today);

// FM-radio channels in use among entries 0..99 (entry 100, the FM VFO, never counts).
int CountUsedFmChannels();
// The list's item at index, or its item at fallback when index lies outside the list.
QString GetComboListItem(int index, const QStringList &list, int fallback);
