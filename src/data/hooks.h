#pragma once
// The main window's redraws and the windows and services of the upper layers, reached from the
// lower layers through this registry. The shell and the editors fill it; an empty hook does
// nothing (or returns its neutral value), so every layer runs in tests without the layers above.

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

struct HookRegistry {
    // Main window redraws.
    std::function<void()> ReShowListByData;
    std::function<void()> ReShowRadioListByData;
    std::function<void(int grid, int row, int col)> ReShowGrid;
    std::function<void()> LoadShowTree;
    std::function<void()> Form_ReLoad;

    // Radio link: the read command's Yes to the save question runs the main window's Save command;
    // an identify reply has the main window hide MnuView5Tone and show MnuViewDTMF by
    // FeatureFlags.DtmfFlag.
    std::function<void()> mnuFileSave_Click;
    std::function<void()> ShowIdentifyMenus;

    // Channel editors.
    std::function<void()> ShowFrmCHEdit;
    std::function<void()> ShowFrmCHBatch;
    std::function<void()> LoadBatchFunFlags;

    // Function settings editors and the factory test mode.
    std::function<void()> DetectFactoryTestMode;
    // In factory test mode, opening a data file or a template gives its path (the ".dat" path);
    // the hook reads the test-data file beside it, found by TestDataFilePathOf (data_file.h).
    std::function<void(const QString &dataPath)> LoadTestDataBeside;
    // In factory test mode, a save asks for the bytes of the test-data file of the data being
    // saved (the working CurTestData, which the save then makes SavedTestData) and writes them as
    // the ".ted" file beside the data file in the same all-or-nothing step as the data and channel
    // files. An empty hook or no bytes: no test-data file is written (an old one stays).
    std::function<std::optional<QByteArray>()> TestDataFileBytes;
    std::function<void()> StartFactorySession;
    std::function<void()> SendTestDataRead;
    std::function<bool(const QByteArray &)> IsTestDataReply;
    std::function<void(const QByteArray &)> TakeTestDataReply;
    std::function<void(const QByteArray &)> TakeTestDataFirstByte;
    std::function<void()> SendTestDataWrite;
    std::function<void()> ShowFrmEMG;
    std::function<void()> ShowFrmOption;
    std::function<void()> ShowFrmDTMF;
    std::function<void()> ShowFrmScan;
    std::function<void()> ShowFrmAlert;
    std::function<void()> ShowFrmCommuBook;
    std::function<void()> ShowFrmTestData;

    // Tone signalling editors.
    std::function<void()> ShowFrm2Tone;
    std::function<void()> ShowFrm5Tone;

    // Version hand-over: closes the main window's serial port when it is open.
    std::function<void()> CloseCommPort;

    // Printing.
    std::function<void()> InitPrintLanguage;
    std::function<void()> ShowFrmPrintList;
};

HookRegistry &Hooks();
// Empties every hook (tests).
void ResetHooks();

// Calls a hook when it is set; returns def for an empty hook that has a result.
template <typename F, typename... Args>
void CallHook(const std::function<F> &hook, Args &&...args)
{
    if (hook)
        hook(std::forward<Args>(args)...);
}
template <typename R, typename... P, typename... Args>
R CallHookOr(const std::function<R(P...)> &hook, R def, Args &&...args)
{
    return hook ? hook(std::forward<Args>(args)...) : def;
}
