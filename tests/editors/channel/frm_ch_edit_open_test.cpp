// The main window opens the single-channel dialog from the channel grid's edit column and from
// the edit-channel menu, for the grid's current row, and redraws that row after OK.

#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <gtest/gtest.h>

#include "data/app_state.h"
#include "data/channel_record.h"
#include "data/channel_table.h"
#include "editors/editor_hooks.h"
#include "platform/flex_grid.h"
#include "platform/form_kit.h"
#include "shell/channel_grids.h"
#include "shell/frm_main.h"
#include "shell/shell_fixture.h"

namespace {

QString S(const char *text) { return QString::fromUtf8(text); }

class FrmCHEditOpenTest : public shelltest::ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        RegisterEditorHooks();
        AppState &s = State();
        for (int n : {1, 2}) {
            ChannelRecord c = NewChannelRecord(static_cast<int16_t>(n));
            c.Used = 1;
            c.RxFrequency.assign(QByteArray("044000000"));
            s.ChannelList[static_cast<std::size_t>(s.RadioData.ChannelCount++)] = c;
        }
    }

    // Answers the next modal window: records its name and channel, renames the channel "EDIT",
    // and presses OK.
    void RenameOnOpen()
    {
        script->onModal([this](QDialog *d) {
            opened << d->objectName();
            channels << State().CurChannelNo;
            for (int k = 0; k < 6; ++k)
                FindArrayElement<TextBox>(d, S("Text1"), 2 + k)->setText(S("EDIT").mid(k, 1));
            d->findChild<QPushButton *>(S("CommandOK"))->click();
            return d->result();
        });
    }

    QStringList opened;
    QList<int> channels;
};

TEST_F(FrmCHEditOpenTest, TheEditColumnAndTheMenuOpenTheDialogForTheCurrentRow)
{
    FrmMain w;
    FlexGrid *grid = w.Grids()->Grid(0);
    ASSERT_EQ(grid->Cols() - 2, 11);

    // Another column opens the grid's own editor, not the dialog.
    grid->setRow(1);
    grid->setCol(3);
    w.Grids()->MSFlexGrid1_DblClick(0);
    EXPECT_TRUE(opened.isEmpty());

    RenameOnOpen();
    grid->setRow(2);
    grid->setCol(11);
    w.Grids()->MSFlexGrid1_DblClick(0);
    ASSERT_EQ(opened, QStringList{S("FrmCHEdit")});
    EXPECT_EQ(channels, QList<int>{2});
    EXPECT_EQ(State().ChannelList[1].Name.toByteArray(), QByteArray("EDIT  "));
    EXPECT_EQ(grid->TextMatrix(2, 3).trimmed(), S("EDIT")); // the row was redrawn

    // The menu command acts on the current cell: the edit column of an empty row adds a channel
    // there once it has a receive frequency.
    script->onModal([this](QDialog *d) {
        opened << d->objectName();
        channels << State().CurChannelNo;
        FindArrayElement<TextBox>(d, S("Text1"), 0)->EnterText(S("440"));
        FindArrayElement<TextBox>(d, S("Text1"), 10)->EnterText(S("440"));
        d->findChild<QPushButton *>(S("CommandOK"))->click();
        return d->result();
    });
    grid->setRow(5);
    grid->setCol(11);
    for (QAction *a : w.findChildren<QAction *>(S("mnuEditCH")))
        a->trigger();
    EXPECT_EQ(opened, (QStringList{S("FrmCHEdit"), S("FrmCHEdit")}));
    EXPECT_EQ(channels, (QList<int>{2, 5}));
    EXPECT_TRUE(ChannelExists(5));
    EXPECT_EQ(grid->TextMatrix(5, 1), S("440.00000"));
    EXPECT_TRUE(script->messages().isEmpty());
    EXPECT_EQ(script->unscriptedCount(), 0);
}

} // namespace
