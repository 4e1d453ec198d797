#include "editors/editor_hooks.h"

#include "data/hooks.h"
#include "editors/settings/frm_commu_book.h"
#include "editors/settings/frm_emg.h"
#include "editors/settings/frm_test_data.h"
#include "editors/settings/test_data_mode.h"

void RegisterEditorHooks()
{
    HookRegistry &h = Hooks();
    // Channel editors.

    // Settings editors and the factory test mode.
    h.ShowFrmCommuBook = [] { ShowFrmCommuBook(); };
    h.ShowFrmEMG = [] { ShowFrmEMG(); };
    h.ShowFrmTestData = [] { ShowFrmTestData(); };
    h.DetectFactoryTestMode = [] { DetectFactoryTestMode(); };
    h.LoadTestDataBeside = [](const QString &dataPath) { LoadTestDataBeside(dataPath); };
    h.SaveTestDataBeside = [](const QString &dataPath) { SaveTestDataBeside(dataPath); };
    h.StartFactorySession = [] { StartFactorySession(); };
    h.SendTestDataRead = [] { SendTestDataRead(); };
    h.IsTestDataReply = [](const QByteArray &reply) { return IsTestDataReply(reply); };
    h.TakeTestDataReply = [](const QByteArray &reply) { TakeTestDataReply(reply); };
    h.TakeTestDataFirstByte = [](const QByteArray &reply) { TakeTestDataFirstByte(reply); };
    h.SendTestDataWrite = [] { SendTestDataWrite(); };

    // Tone editors.
}
