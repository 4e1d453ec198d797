// The program starts as main() starts it: the editors and the print-out register their hooks
// first, so every call that start-up makes into them reaches them.

#include <QLabel>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <map>
#include <string>

#include "data/app_state.h"
#include "data/hooks.h"
#include "editors/editor_hooks.h"
#include "print/print_hooks.h"
#include "print/print_texts.h"
#include "shell/frm_main.h"
#include "shell/frm_splash.h"
#include "shell/shell_fixture.h"
#include "shell/startup.h"

namespace {

class ProgramStartTest : public shelltest::ShellTest {};

TEST_F(ProgramStartTest, StartUpReachesEveryRegisteredEditorAndThePrintOut)
{
    RegisterEditorHooks();
    RegisterPrintHooks();
    // Count every start-up call into the upper layers, passing it on.
    std::map<std::string, int> calls;
    HookRegistry &h = Hooks();
    for (auto *hook : {&h.InitPrintLanguage, &h.DetectFactoryTestMode, &h.LoadBatchFunFlags}) {
        if (!*hook)
            continue;
        const std::string name = hook == &h.InitPrintLanguage       ? "InitPrintLanguage"
                                 : hook == &h.DetectFactoryTestMode ? "DetectFactoryTestMode"
                                                                    : "LoadBatchFunFlags";
        calls[name] = 0;
        *hook = [&calls, name, inner = *hook] {
            ++calls[name];
            inner();
        };
    }
    ASSERT_TRUE(calls.count("InitPrintLanguage"));
    Main();
    for (const auto &[name, count] : calls)
        EXPECT_EQ(count, 1) << name;
    EXPECT_EQ(PrintTexts().PrtTitleText[1], "TORVA_6Y Radio Programming Information");

    // The main window comes up with the editors behind its commands.
    auto *splash = FindWindow<FrmSplash>(QStringLiteral("frmSplash"));
    ASSERT_NE(splash, nullptr);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(splash->picLogo, &press);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_NE(FindWindow<FrmMain>(QStringLiteral("frmMain")), nullptr);
    EXPECT_TRUE(bool(Hooks().ShowFrmPrintList));
}

} // namespace
