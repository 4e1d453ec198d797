// The main window's radio and serial-port commands.

#include "link/frm_com_set.h"
#include "link/link_commands.h"
#include "shell/frm_main.h"

void FrmMain::mnuProRead_Click() { ReadRadioCommand(); }
void FrmMain::MnuProWrite_Click() { WriteRadioCommand(); }
void FrmMain::MnuProPassWord_Click() { RadioPasswordCommand(); }
void FrmMain::MnuEMg_Click() { ReadRMGDataFromRadio(); }
void FrmMain::MnuSetCom_Click() { ShowFrmComSet(); }
