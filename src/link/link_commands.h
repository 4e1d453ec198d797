#pragma once
// The commands that start a transfer, as the main window's menu and toolbar call them, and the
// password entry of its menu.

// Read the radio (menu item mnuProRead, toolbar button TCommRead): offers to save unsaved
// changes, opens the port, asks for confirmation and runs the read in the modal progress window.
// Returns when the transfer has ended.
void ReadRadioCommand();
// Write the radio (MnuProWrite, TCommWrite): opens the port, asks for confirmation, packs the
// records and runs the write in the modal progress window. Returns when the transfer has ended.
void WriteRadioCommand();
// Read the radio's embedded information (MnuEMg): opens the port and starts the exchange without
// a question or progress window; returns at once. Success shows the embedded-information window.
void ReadRMGDataFromRadio();
// The radio-password entry (MnuProPassWord): shows FrmPassWord modally.
void RadioPasswordCommand();
