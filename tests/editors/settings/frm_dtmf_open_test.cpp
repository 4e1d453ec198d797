// The main window opens the DTMF editor from its menu entry and its tree node, both present while
// the radio offers DTMF.

#include <QAction>
#include <QDialog>
#include <gtest/gtest.h>

#include "data/app_state.h"
#include "editors/editor_hooks.h"
#include "shell/frm_main.h"
#include "shell/shell_fixture.h"

namespace {

class FrmDTMFOpenTest : public shelltest::ShellTest {};

TEST_F(FrmDTMFOpenTest, MenuEntryAndTreeNodeOpenTheEditor)
{
    State().FeatureFlags.DtmfFlag = 1;
    RegisterEditorHooks();
    FrmMain w;
    QAction *item = w.findChild<QAction *>(QStringLiteral("MnuViewDTMF"));
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isVisible());

    QStringList opened;
    const auto record = [&opened](QDialog *d) {
        opened << d->objectName();
        return int(QDialog::Rejected);
    };
    script->onModal(record);
    script->onModal(record);
    item->trigger();
    w.tvTreeView_NodeClick(QStringLiteral("N5"));
    EXPECT_EQ(opened, QStringList({QStringLiteral("FrmDTMF"), QStringLiteral("FrmDTMF")}));
    EXPECT_EQ(script->unscriptedCount(), 0);
}

} // namespace
