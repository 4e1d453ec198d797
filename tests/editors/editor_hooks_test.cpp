#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "common/test_env.h"
#include "data/hooks.h"
#include "editors/editor_hooks.h"
#include "print/print_hooks.h"

namespace {

using HookSet = std::function<bool()>;

// Every hook that a built editor or the print-out fills, by name.
const std::vector<std::pair<const char *, HookSet>> &BuiltHooks()
{
    static const std::vector<std::pair<const char *, HookSet>> hooks{
        // One line per hook: {"ShowFrmOption", [] { return bool(Hooks().ShowFrmOption); }},
        {"ShowFrm2Tone", [] { return bool(Hooks().ShowFrm2Tone); }},
        {"ShowFrm5Tone", [] { return bool(Hooks().ShowFrm5Tone); }},
        {"ShowFrmDTMF", [] { return bool(Hooks().ShowFrmDTMF); }},
        {"ShowFrmOption", [] { return bool(Hooks().ShowFrmOption); }},
        {"ShowFrmAlert", [] { return bool(Hooks().ShowFrmAlert); }},
        {"ShowFrmScan", [] { return bool(Hooks().ShowFrmScan); }},
        {"ShowFrmCHBatch", [] { return bool(Hooks().ShowFrmCHBatch); }},
        {"LoadBatchFunFlags", [] { return bool(Hooks().LoadBatchFunFlags); }},
        {"ShowFrmCHEdit", [] { return bool(Hooks().ShowFrmCHEdit); }},
        {"ShowFrmCommuBook", [] { return bool(Hooks().ShowFrmCommuBook); }},
        {"ShowFrmEMG", [] { return bool(Hooks().ShowFrmEMG); }},
        {"ShowFrmTestData", [] { return bool(Hooks().ShowFrmTestData); }},
        {"DetectFactoryTestMode", [] { return bool(Hooks().DetectFactoryTestMode); }},
        {"LoadTestDataBeside", [] { return bool(Hooks().LoadTestDataBeside); }},
        {"TestDataFileBytes", [] { return bool(Hooks().TestDataFileBytes); }},
        {"StartFactorySession", [] { return bool(Hooks().StartFactorySession); }},
        {"SendTestDataRead", [] { return bool(Hooks().SendTestDataRead); }},
        {"IsTestDataReply", [] { return bool(Hooks().IsTestDataReply); }},
        {"TakeTestDataReply", [] { return bool(Hooks().TakeTestDataReply); }},
        {"TakeTestDataFirstByte", [] { return bool(Hooks().TakeTestDataFirstByte); }},
        {"SendTestDataWrite", [] { return bool(Hooks().SendTestDataWrite); }},
    };
    return hooks;
}

class EditorHooksTest : public testenv::AppTest {};

// main() registers the editors and the print-out before start-up runs; the same calls fill every
// hook that a built window provides.
TEST_F(EditorHooksTest, RegistrationFillsEveryBuiltHook)
{
    for (const auto &[name, isSet] : BuiltHooks())
        EXPECT_FALSE(isSet()) << name << " is set before registration";
    RegisterEditorHooks();
    RegisterPrintHooks();
    for (const auto &[name, isSet] : BuiltHooks())
        EXPECT_TRUE(isSet()) << name;
}

} // namespace
