// The main window: menus, toolbar, status bar and navigation tree as they are shown and hidden,
// their captions in both languages, and the dispatch of their commands.

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QScrollBar>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

#include "data/app_state.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/message_table.h"
#include "shell/channel_grids.h"
#include "shell/frm_about.h"
#include "shell/frm_init.h"
#include "shell/frm_language.h"
#include "shell/frm_main.h"
#include "platform/flex_grid.h"
#include "platform/form_kit.h"
#include "platform/numbers.h"
#include "common/ui_steps.h"
#include "shell_fixture.h"

namespace {

using shelltest::ShellTest;

QAction *ItemOf(const QWidget &w, const char *name)
{
    for (QAction *a : w.findChildren<QAction *>(QLatin1String(name)))
        return a;
    return nullptr;
}

QStringList VisibleItems(const FrmMain &w, const char *menu)
{
    QStringList names;
    auto *m = w.findChild<QMenu *>(QLatin1String(menu));
    for (QAction *a : m->actions())
        if (a->isVisible())
            names << a->objectName();
    return names;
}

QStringList TreeKeys(const FrmMain &w)
{
    QStringList keys;
    QTreeWidgetItem *root = w.tvTreeView->topLevelItem(0);
    keys << root->data(0, Qt::UserRole).toString();
    for (int i = 0; i < root->childCount(); ++i)
        keys << root->child(i)->data(0, Qt::UserRole).toString();
    return keys;
}

QTreeWidgetItem *Node(const FrmMain &w, const QString &key)
{
    QTreeWidgetItem *root = w.tvTreeView->topLevelItem(0);
    if (root->data(0, Qt::UserRole).toString() == key)
        return root;
    for (int i = 0; i < root->childCount(); ++i)
        if (root->child(i)->data(0, Qt::UserRole).toString() == key)
            return root->child(i);
    return nullptr;
}

class FrmMainTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        State().FeatureFlags.DtmfFlag = 1; // as every start sets it
    }
    // The texts of the message boxes shown so far.
    QStringList Messages() const
    {
        QStringList texts;
        for (const PromptCall &c : script->messages())
            texts << c.text;
        return texts;
    }
};

TEST_F(FrmMainTest, MenuBarHoldsSevenMenusInOrder)
{
    FrmMain w;
    QStringList menus;
    for (QAction *a : w.menuBar()->actions())
        menus << a->objectName();
    EXPECT_EQ(menus, QStringList({"mnuFile", "MnuModel", "mnuEdit", "MnuSet", "mnuPro", "MnuView", "MnuHelp"}));
}

TEST_F(FrmMainTest, NormalStartShowsTheItemsOfThisConfiguration)
{
    FrmMain w;
    EXPECT_EQ(VisibleItems(w, "mnuFile"),
              QStringList({"mnuFileNew", "mnuFileOpen", "mnuFileSave", "mnuFileSaveAs", "mnuFileBar0", "mnuFileBar1",
                           "mnuFileExit"}));
    EXPECT_EQ(VisibleItems(w, "mnuEdit"),
              QStringList({"mnuEditCH", "MnuViewSetMode", "MnuViewRadio", "MnuViewDTMF", "MnuViewScan",
                           "MnuViewAlert", "MnuCommBook", "MnuEMg", "mnuEditBar0", "MnuCHBatch"}));
    EXPECT_FALSE(ItemOf(w, "MnuViewScan")->isEnabled());
    EXPECT_EQ(VisibleItems(w, "MnuHelp"), QStringList({"MnuHelpAbout"}));
    EXPECT_EQ(VisibleItems(w, "MnuSet"), QStringList({"MnuSetCom", "MnuSetLanguage", "MnuSetInit"}));
    EXPECT_EQ(VisibleItems(w, "mnuPro"), QStringList({"mnuProRead", "MnuProWrite", "MnuProPassWord"}));
    EXPECT_EQ(VisibleItems(w, "MnuView"), QStringList({"MnuViewToolBar", "MnuViewStatusBar"}));
    EXPECT_TRUE(ItemOf(w, "MnuViewToolBar")->isChecked());
    EXPECT_TRUE(ItemOf(w, "MnuViewStatusBar")->isChecked());
    EXPECT_TRUE(w.MainWindowLoaded());
}

TEST_F(FrmMainTest, ShortcutsOfTheFileCommands)
{
    FrmMain w;
    EXPECT_EQ(ItemOf(w, "mnuFileNew")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(ItemOf(w, "mnuFileOpen")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(ItemOf(w, "mnuFileSave")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_TRUE(ItemOf(w, "mnuFileSaveAs")->shortcut().isEmpty());
}

TEST_F(FrmMainTest, FlagsOfTheLoadShowAndHideItemsAndNodes)
{
    State().TestModeFlag = true;
    State().HelpAvailable = 1;
    State().PrintAvailable = 1;
    State().FeatureFlags.DtmfFlag = 0;
    FrmMain w;
    EXPECT_TRUE(ItemOf(w, "mnuTestData")->isVisible());
    EXPECT_TRUE(ItemOf(w, "MnuHelpContent")->isVisible());
    EXPECT_TRUE(ItemOf(w, "mnuFilePrint")->isVisible());
    EXPECT_FALSE(ItemOf(w, "MnuViewDTMF")->isVisible());
    EXPECT_FALSE(ItemOf(w, "MnuView2Tone")->isVisible());
    EXPECT_FALSE(ItemOf(w, "MnuView5Tone")->isVisible());
    EXPECT_EQ(TreeKeys(w), QStringList({"N0", "N1", "N3", "N4", "N11", "N8", "N9", "N14"}));
}

TEST_F(FrmMainTest, TreeOfANormalStart)
{
    FrmMain w;
    ASSERT_EQ(w.tvTreeView->topLevelItemCount(), 1);
    EXPECT_EQ(TreeKeys(w), QStringList({"N0", "N1", "N3", "N4", "N5", "N11", "N8", "N9"}));
    QTreeWidgetItem *root = w.tvTreeView->topLevelItem(0);
    EXPECT_EQ(root->text(0), QStringLiteral("TORVA-6Y"));
    EXPECT_TRUE(root->isExpanded());
    EXPECT_EQ(Node(w, "N1")->text(0), QStringLiteral("CH"));
    EXPECT_EQ(Node(w, "N3")->text(0), QStringLiteral("Radio"));
    EXPECT_EQ(Node(w, "N4")->text(0), GetLangText(5021));
    EXPECT_EQ(Node(w, "N5")->text(0), GetLangText(5023));
    EXPECT_EQ(Node(w, "N11")->text(0), GetLangText(2600));
    EXPECT_EQ(Node(w, "N8")->text(0), GetLangText(5804));
    EXPECT_EQ(Node(w, "N9")->text(0), GetLangText(5028));
    EXPECT_EQ(w.tvTreeView->selectedItems().size(), 0);
}

TEST_F(FrmMainTest, TreeFollowsTheModelWhenRebuilt)
{
    FrmMain w;
    State().CurModelDisplay = QStringLiteral("OTHER-1");
    CallHook(Hooks().LoadShowTree);
    EXPECT_EQ(w.tvTreeView->topLevelItem(0)->text(0), QStringLiteral("OTHER-1"));
}

TEST_F(FrmMainTest, TreeNodesChooseGridsAndHideTheEditors)
{
    FrmMain w;
    QWidget *pane = w.centralWidget();
    std::vector<QWidget *> editors;
    for (const char *name : {"Text1", "Text2", "Combo1"}) {
        QWidget *e = pane->findChild<QWidget *>(QLatin1String(name));
        ASSERT_NE(e, nullptr) << name;
        e->show();
        editors.push_back(e);
    }
    QWidget *grid[3] = {w.Grids()->Grid(0), w.Grids()->Grid(1), w.Grids()->Grid(2)};
    const auto shown = [&grid] {
        return std::vector<bool>{!grid[0]->isHidden(), !grid[1]->isHidden(), !grid[2]->isHidden()};
    };
    // Only the channel grid is shown before the tree chooses one.
    EXPECT_EQ(shown(), (std::vector<bool>{true, false, false}));

    w.tvTreeView_NodeClick(QStringLiteral("N0"));
    for (QWidget *e : editors)
        EXPECT_TRUE(e->isHidden()) << e->objectName().toStdString();
    EXPECT_EQ(shown(), (std::vector<bool>{true, false, false}));

    w.tvTreeView_NodeClick(QStringLiteral("N3"));
    EXPECT_EQ(shown(), (std::vector<bool>{false, false, true}));
    w.tvTreeView_NodeClick(QStringLiteral("N1"));
    EXPECT_EQ(shown(), (std::vector<bool>{true, false, false}));
    w.tvTreeView_NodeClick(QStringLiteral("n3")); // keys compare exactly
    EXPECT_EQ(shown(), (std::vector<bool>{true, false, false}));
}

TEST_F(FrmMainTest, GridsNotShownCanNeitherTakeTheFocusNorOpenAnEditor)
{
    FrmMain w;
    testenv::Activate(&w);
    QWidget *pane = w.centralWidget();
    const std::vector<QWidget *> behind = {w.Grids()->Grid(1), w.Grids()->Grid(2),
                                           pane->findChild<QWidget *>(QStringLiteral("Text1")),
                                           pane->findChild<QWidget *>(QStringLiteral("Text2"))};
    // Tab all the way round from the channel grid never reaches a grid behind it or their editors.
    w.Grids()->Grid(0)->setFocus();
    QCoreApplication::processEvents();
    for (int i = 0; i < 30; ++i) {
        QWidget *focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        for (QWidget *b : behind)
            EXPECT_NE(focus, b) << "after " << i << " Tabs: " << focus->objectName().toStdString();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    // A cell entry in the hidden FM grid (its current cell moved by the program) opens nothing.
    w.Grids()->Grid(2)->setRow(5);
    w.Grids()->Grid(1)->setRow(5);
    EXPECT_TRUE(behind[2]->isHidden());
    EXPECT_TRUE(behind[3]->isHidden());
    EXPECT_EQ(State().FmEditRow, 0);
}

TEST_F(FrmMainTest, SeparatorsShowNoText)
{
    FrmMain w;
    int separators = 0;
    for (QAction *menu : w.menuBar()->actions())
        for (QAction *item : menu->menu()->actions())
            if (item->isSeparator()) {
                ++separators;
                EXPECT_EQ(item->text(), QString()) << item->objectName().toStdString();
            }
    EXPECT_EQ(separators, 3);
}

TEST_F(FrmMainTest, DefaultWindowShowsTheTreeLabelsWholeAndEveryColumnUpToTheEditColumn)
{
    // A window of the size of a small screen, with the tree and the channel grid as loaded.
    State().TestModeFlag = true; // every node the tree can hold
    for (int language : {int(LangEnglish), int(LangChinese)}) {
        SCOPED_TRACE(language);
        SetLanguage(language);
        FrmMain w;
        w.resize(1024, 768);
        w.show();
        QCoreApplication::processEvents();
        const auto expectWholeLabelsAndColumns = [&w] {
            QTreeWidgetItem *root = w.tvTreeView->topLevelItem(0);
            const QFontMetrics fm = w.tvTreeView->fontMetrics();
            for (int i = 0; i < root->childCount(); ++i) {
                QTreeWidgetItem *node = root->child(i);
                const QRect cell = w.tvTreeView->visualItemRect(node);
                EXPECT_LE(cell.left() + fm.horizontalAdvance(node->text(0)) + 6, w.tvTreeView->viewport()->width())
                    << node->text(0).toStdString();
            }
            FlexGrid *grid = w.Grids()->Grid(0);
            EXPECT_EQ(grid->horizontalScrollBar()->maximum(), 0);
            const QRect last = grid->visualRect(grid->model()->index(1, 11));
            EXPECT_LE(last.right(), grid->viewport()->width());
        };
        expectWholeLabelsAndColumns();
        // After a change to the other language too.
        SetLanguage(language == LangEnglish ? LangChinese : LangEnglish);
        w.Form_ReLoad();
        QCoreApplication::processEvents();
        expectWholeLabelsAndColumns();
    }
}

TEST_F(FrmMainTest, TreeAndMenusOpenTheEditorWindows)
{
    std::vector<std::string> opened;
    HookRegistry &h = Hooks();
    h.ShowFrmOption = [&] { opened.push_back("Option"); };
    h.ShowFrmDTMF = [&] { opened.push_back("DTMF"); };
    h.ShowFrmAlert = [&] { opened.push_back("Alert"); };
    h.ShowFrmCommuBook = [&] { opened.push_back("CommuBook"); };
    h.ShowFrmTestData = [&] { opened.push_back("TestData"); };
    h.ShowFrmCHBatch = [&] { opened.push_back("CHBatch"); };
    h.ShowFrm2Tone = [&] { opened.push_back("2Tone"); };
    h.ShowFrm5Tone = [&] { opened.push_back("5Tone"); };
    h.ShowFrmScan = [&] { opened.push_back("Scan"); };
    FrmMain w;

    for (const char *key : {"N4", "N5", "N11", "N8", "N14", "N2", "N6", "N7", "N10"})
        w.tvTreeView_NodeClick(QLatin1String(key));
    EXPECT_EQ(opened, (std::vector<std::string>{"Option", "DTMF", "Alert", "CommuBook", "TestData", "2Tone",
                                                "5Tone", "Scan"}));

    opened.clear();
    for (const char *item : {"MnuViewSetMode", "MnuViewDTMF", "MnuViewAlert", "MnuCommBook", "mnuTestData",
                             "MnuCHBatch", "MnuViewRadio"})
        ItemOf(w, item)->trigger();
    EXPECT_EQ(opened, (std::vector<std::string>{"Option", "DTMF", "Alert", "CommuBook", "TestData", "CHBatch"}));
    EXPECT_EQ(script->calls.size(), 0);
}

TEST_F(FrmMainTest, RadioCommandsReachTheLink)
{
    State().ComPort = 0; // no port: every transfer stops at the port error
    FrmMain w;
    const QString portError = GetLangText(2002);
    ASSERT_FALSE(portError.isEmpty());

    w.tvTreeView_NodeClick(QStringLiteral("N9"));
    for (const char *item : {"MnuEMg", "mnuProRead", "MnuProWrite"})
        ItemOf(w, item)->trigger();
    for (const char *key : {"TCommRead", "TCommWrite"})
        w.tbToolBar_ButtonClick(QLatin1String(key));
    const QStringList texts = Messages();
    ASSERT_EQ(texts.size(), 6);
    for (const QString &t : texts)
        EXPECT_TRUE(t.startsWith(portError)) << t.toStdString();

    script->clear();
    ItemOf(w, "MnuProPassWord")->trigger();
    ASSERT_EQ(script->calls.size(), 1);
    EXPECT_EQ(script->calls[0].kind, QStringLiteral("Modal"));
    EXPECT_EQ(script->calls[0].title, QStringLiteral("FrmPassWord"));
}

TEST_F(FrmMainTest, ReadCommandsSaveQuestionRunsTheMainWindowsSave)
{
    State().ComPort = 0;
    FrmMain w;
    State().RadioData.Pf1KeyFunction = static_cast<uint8_t>(State().SavedRadioData.Pf1KeyFunction + 1);
    ASSERT_TRUE(State().FileUntitled);
    script->answer(vbYes); // save first: an untitled set asks for a name
    ItemOf(w, "mnuProRead")->trigger();
    QStringList kinds;
    for (const PromptCall &c : script->calls)
        kinds << c.kind;
    EXPECT_EQ(kinds, QStringList({"MsgBox", "Save", "MsgBox"}));
}

TEST_F(FrmMainTest, IdentifyReplyShowsTheMenusOfItsFlags)
{
    FrmMain w;
    ItemOf(w, "MnuView5Tone")->setVisible(true);
    State().FeatureFlags.DtmfFlag = 0;
    CallHook(Hooks().ShowIdentifyMenus);
    EXPECT_FALSE(ItemOf(w, "MnuView5Tone")->isVisible());
    EXPECT_FALSE(ItemOf(w, "MnuViewDTMF")->isVisible());
    State().FeatureFlags.DtmfFlag = 1;
    CallHook(Hooks().ShowIdentifyMenus);
    EXPECT_TRUE(ItemOf(w, "MnuViewDTMF")->isVisible());
}

TEST_F(FrmMainTest, ToolbarButtonsRunTheirMenuCommands)
{
    FrmMain w;
    QStringList buttons;
    for (QAction *a : w.tbToolBar->actions())
        buttons << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
    EXPECT_EQ(buttons, QStringList({"TNewFile", "TOpenFile", "TSaveFile", "|", "TCommRead", "TCommPort",
                                    "TCommWrite", "|", "TAbout"}));

    for (const char *key : {"TCommPort", "TUnknown", "TAbout"})
        w.tbToolBar_ButtonClick(QLatin1String(key));
    ItemOf(w, "TAbout")->trigger();
    ItemOf(w, "MnuSetCom")->trigger();
    ItemOf(w, "MnuHelpAbout")->trigger();
    ItemOf(w, "MnuModelInfo")->trigger();
    QStringList windows;
    for (const PromptCall &c : script->calls)
        windows << c.kind + QLatin1Char(' ') + c.title;
    EXPECT_EQ(windows, QStringList({"Modal FrmComSet", "Modal frmAbout", "Modal frmAbout", "Modal FrmComSet",
                                    "Modal frmAbout", "Modal FrmModel"}));
}

TEST_F(FrmMainTest, ToolTipsOfTheToolbarKeepTheStartLanguage)
{
    FrmMain w;
    EXPECT_EQ(ItemOf(w, "TNewFile")->toolTip(), GetLangText(1001));
    EXPECT_EQ(ItemOf(w, "TCommRead")->toolTip(), GetLangText(1041));
    EXPECT_EQ(ItemOf(w, "TAbout")->toolTip(), GetLangText(1052));
    EXPECT_EQ(ItemOf(w, "TCommPort")->toolTip(), QString());
    const QString english = ItemOf(w, "TNewFile")->toolTip();

    SetLanguage(LangChinese);
    w.Form_ReLoad();
    EXPECT_EQ(ItemOf(w, "TNewFile")->toolTip(), english);
    EXPECT_EQ(ItemOf(w, "TCommPort")->toolTip(), QString());
    EXPECT_EQ(ItemOf(w, "mnuFileNew")->text(), GetLangText(1001));
    EXPECT_NE(ItemOf(w, "mnuFileNew")->text(), english);
}

TEST_F(FrmMainTest, StatusBarHasThreePanels)
{
    FrmMain w;
    auto *p1 = w.sbStatusBar->findChild<QLabel *>(QStringLiteral("Panels(1)"));
    auto *p2 = w.sbStatusBar->findChild<QLabel *>(QStringLiteral("Panels(2)"));
    auto *p3 = w.sbStatusBar->findChild<QLabel *>(QStringLiteral("Panels(3)"));
    ASSERT_TRUE(p1 && p2 && p3);
    EXPECT_EQ(p1->text(), QStringLiteral("Status"));
    EXPECT_FALSE(p2->text().isEmpty());
    EXPECT_FALSE(p3->text().isEmpty());
}

TEST_F(FrmMainTest, LanguageChangeRebuildsCaptionsTreeAndFilter)
{
    FrmMain w;
    EXPECT_EQ(w.FileFilter(), QStringLiteral("Data File (*.dat)"));
    script->onModal([](QDialog *d) {
        auto *dlg = qobject_cast<FrmLanguage *>(d);
        EXPECT_EQ(dlg->Combo1->ListIndex(), 0);
        EXPECT_EQ(dlg->Combo1->ListCount(), 2);
        dlg->Combo1->setListIndex(1);
        dlg->CommandOK->click();
        return dlg->result();
    });
    ItemOf(w, "MnuSetLanguage")->trigger();
    EXPECT_EQ(State().LanguageIndex, LangChinese);
    EXPECT_EQ(State().LanguageFilePath, QStringLiteral("language/chinese.ini"));
    EXPECT_EQ(State().LanguageFileName, QStringLiteral("english.ini")); // the start-up choice stays
    EXPECT_EQ(w.FileFilter(), QStringLiteral("数据文件 (*.dat)"));
    EXPECT_EQ(w.findChild<QMenu *>(QStringLiteral("mnuFile"))->title(), QStringLiteral("文件"));
    EXPECT_EQ(ItemOf(w, "MnuSetLanguage")->text(), QStringLiteral("语言..."));
    EXPECT_EQ(Node(w, "N4")->text(0), QStringLiteral("可选功能"));
}

TEST_F(FrmMainTest, LanguageChoiceMovesTheHelpFileOnlyWhileHelpIsAvailable)
{
    FrmLanguage withoutHelp;
    withoutHelp.Combo1->setListIndex(1);
    withoutHelp.CommandOK->click();
    EXPECT_TRUE(State().HelpFile.isEmpty());

    State().HelpAvailable = 1;
    FrmLanguage withHelp;
    withHelp.Combo1->setListIndex(0);
    withHelp.CommandOK->click();
    EXPECT_TRUE(State().HelpFile.endsWith(QStringLiteral("/TORVA_6YE.chm")));
    EXPECT_EQ(State().LanguageIndex, LangEnglish);
}

TEST_F(FrmMainTest, LanguageWindowCancelChangesNothing)
{
    FrmMain w;
    script->onModal([](QDialog *d) {
        auto *dlg = qobject_cast<FrmLanguage *>(d);
        dlg->Combo1->setListIndex(1);
        dlg->CommandCancel->click();
        return dlg->result();
    });
    ItemOf(w, "MnuSetLanguage")->trigger();
    EXPECT_EQ(State().LanguageIndex, LangEnglish);
    EXPECT_EQ(ItemOf(w, "mnuFileNew")->text(), QStringLiteral("New"));
}

TEST_F(FrmMainTest, LanguageWindowOkWithoutChangeStillReloads)
{
    int reloads = 0;
    FrmMain w;
    Hooks().Form_ReLoad = [&] { ++reloads; };
    FrmLanguage dlg;
    EXPECT_EQ(dlg.windowTitle(), GetLangText(1503));
    EXPECT_EQ(dlg.Label1->text(), GetLangText(1503));
    EXPECT_EQ(dlg.Combo1->List(0), GetLangText(1501));
    EXPECT_EQ(dlg.Combo1->List(1), GetLangText(1502));
    EXPECT_EQ(dlg.CommandOK->text(), GetLangText(101));
    dlg.CommandOK->click();
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(State().LanguageIndex, LangEnglish);
}

// Every caption a user can see in the shell's windows, with the name it belongs to.
QList<std::pair<QString, QString>> ShownCaptions(FrmMain &w)
{
    QList<std::pair<QString, QString>> out;
    for (QAction *a : w.menuBar()->actions()) {
        out.append({a->objectName(), a->text()});
        for (QAction *item : a->menu()->actions())
            if (!item->isSeparator())
                out.append({item->objectName(), item->text()});
    }
    for (QAction *b : w.tbToolBar->actions())
        if (!b->isSeparator() && b->objectName() != QLatin1String("TCommPort"))
            out.append({b->objectName(), b->toolTip()});
    QTreeWidgetItem *root = w.tvTreeView->topLevelItem(0);
    for (int i = 0; i < root->childCount(); ++i)
        out.append({root->child(i)->data(0, Qt::UserRole).toString(), root->child(i)->text(0)});
    FrmAbout about;
    out.append({QStringLiteral("frmAbout"), about.windowTitle()});
    for (QLabel *l : {about.lblTitle, about.lblVersion, about.lblDescription, about.lblDisclaimer})
        out.append({l->objectName(), l->text()});
    out.append({QStringLiteral("cmdOK"), about.cmdOK->text()});
    out.append({QStringLiteral("cmdSysInfo"), about.cmdSysInfo->text()});
    FrmLanguage language;
    out.append({QStringLiteral("FrmLanguage"), language.windowTitle()});
    out.append({QStringLiteral("Label1"), language.Label1->text()});
    out.append({QStringLiteral("Combo1(0)"), language.Combo1->List(0)});
    out.append({QStringLiteral("Combo1(1)"), language.Combo1->List(1)});
    out.append({QStringLiteral("CommandOK"), language.CommandOK->text()});
    out.append({QStringLiteral("CommandCancel"), language.CommandCancel->text()});
    FrmInit init;
    out.append({QStringLiteral("FrmInit"), init.windowTitle()});
    out.append({QStringLiteral("Check1"), init.Check1->text()});
    return out;
}

TEST_F(FrmMainTest, NoEmptyCaptionInEitherLanguage)
{
    State().TestModeFlag = true;
    State().HelpAvailable = 1;
    State().PrintAvailable = 1;
    for (int language : {int(LangEnglish), int(LangChinese)}) {
        SetLanguage(language);
        FrmMain w;
        for (const auto &[name, text] : ShownCaptions(w)) {
            EXPECT_FALSE(text.isEmpty()) << "language " << language << ": " << name.toStdString();
            EXPECT_FALSE(IsNumeric(text)) << "language " << language << ": " << name.toStdString();
        }
    }
}

} // namespace
