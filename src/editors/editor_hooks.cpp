#include "editors/editor_hooks.h"

#include "data/batch_fun_flags.h"
#include "data/hooks.h"
#include "editors/tones/frm_2tone.h"
#include "editors/tones/frm_5tone.h"
#include "editors/settings/frm_dtmf.h"
#include "editors/settings/frm_alert.h"
#include "editors/settings/frm_option.h"
#include "editors/settings/frm_scan.h"
#include "editors/channel/frm_ch_batch.h"
#include <QApplication>

#include "editors/channel/frm_ch_edit.h"
#include "editors/settings/frm_commu_book.h"
#include "editors/settings/frm_emg.h"
#include "editors/settings/frm_test_data.h"
#include "editors/settings/test_data_mode.h"

void RegisterEditorHooks()
{
    HookRegistry &h = Hooks();
    // Channel editors.
    h.ShowFrmCHBatch = [] { ShowFrmCHBatch(); };
    h.LoadBatchFunFlags = [] { LoadBatchFunFlags(); };
    h.ShowFrmCHEdit = [] { ShowFrmCHEdit(QApplication::activeWindow()); };

    // Settings editors and the factory test mode.
    h.ShowFrmDTMF = [] { ShowFrmDTMF(); };
    h.ShowFrmOption = [] { ShowFrmOption(); };
    h.ShowFrmAlert = [] { ShowFrmAlert(); };
    h.ShowFrmScan = [] { ShowFrmScan(); };
    h.ShowFrmCommuBook = [] { ShowFrmCommuBook(); };
    h.ShowFrmEMG = [] { ShowFrmEMG(); };
    h.ShowFrmTestData = [] { ShowFrmTestData(); };
    h.DetectFactoryTestMode = [] { DetectFactoryTestMode(); };
    h.LoadTestDataBeside = [](const QString &dataPath) { LoadTestDataBeside(dataPath); };
    h.TestDataFileBytes = [] { return TestDataFileBytes(); };
    h.StartFactorySession = [] { StartFactorySession(); };
    h.SendTestDataRead = [] { SendTestDataRead(); };
    h.IsTestDataReply = [](const QByteArray &reply) { return IsTestDataReply(reply); };
    h.TakeTestDataReply = [](const QByteArray &reply) { TakeTestDataReply(reply); };
    h.TakeTestDataFirstByte = [](const QByteArray &reply) { TakeTestDataFirstByte(reply); };
    h.SendTestDataWrite = [] { SendTestDataWrite(); };

    // Tone editors.
    h.ShowFrm2Tone = [] { ShowFrm2Tone(); };
    h.ShowFrm5Tone = [] { ShowFrm5Tone(); };
}
