// The main window's radio and serial-port commands.

#include "data/hooks.h"
#include "link/frm_com_set.h"
#include "shell/frm_main.h"

void FrmMain::mnuProRead_Click() { CallHook(Hooks().ReadRadioCommand); }
void FrmMain::MnuProWrite_Click() { CallHook(Hooks().WriteRadioCommand); }
void FrmMain::MnuProPassWord_Click() { CallHook(Hooks().ShowFrmPassWord); }
void FrmMain::MnuEMg_Click() { CallHook(Hooks().ReadRMGDataFromRadio); }
void FrmMain::MnuSetCom_Click() { ShowFrmComSet(); }
void FrmMain::StopLinkTimers() { CallHook(Hooks().StopLinkTimers); }
