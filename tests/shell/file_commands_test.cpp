// The file commands: each question, its order and text, and what each answer does.

#include <QAction>
#include <QFile>

#include "data/app_state.h"
#include "data/data_file.h"
#include "data/defaults.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/message_table.h"
#include "data/version_dispatch.h"
#include "shell/frm_main.h"
#include "shell_fixture.h"

namespace {

class FileCommandsTest : public shelltest::ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        LoadVersionTable();
        w = std::make_unique<FrmMain>();
        file = dir.path() + QStringLiteral("/a.dat");
        other = dir.path() + QStringLiteral("/b.dat");
        saveQuestion = QStringLiteral("Msg ") + GetMsgText(9001, kLangTextLongBuffer) + QStringLiteral(" 51");
        clearQuestion = QStringLiteral("Msg All data will be cleared. 49");
        openQuestion = QStringLiteral("Msg File has been modify,save it now? 51");
        overwriteA = QStringLiteral("Msg \"a.dat\"file will be Overwrite,Continue? 33");
    }
    void TearDown() override
    {
        w.reset();
        ShellTest::TearDown();
    }
    // A data set that has a file, a.dat, and no unsaved changes.
    void Titled()
    {
        State().CurFileName = file;
        State().FileUntitled = true;
        ASSERT_TRUE(SaveDataFile());
        ASSERT_FALSE(State().FileUntitled);
        ASSERT_FALSE(IsDataModified());
        QFile::remove(file);
    }
    void Modify()
    {
        State().RadioData.Pf1KeyFunction = static_cast<uint8_t>(State().SavedRadioData.Pf1KeyFunction + 1);
        ASSERT_TRUE(IsDataModified());
    }
    // The prompts as "Msg <text> <buttons + icon>", "Open" or "Save", each with its caption checked.
    QStringList Trace() const
    {
        QStringList out;
        for (const PromptCall &c : script->calls) {
            if (c.kind == QLatin1String("MsgBox")) {
                EXPECT_EQ(c.title, QStringLiteral("TORVA_6Y"));
                out << QStringLiteral("Msg %1 %2").arg(c.text).arg(c.style);
            } else {
                out << c.kind;
            }
        }
        return out;
    }
    void Run(const char *item) { w->findChild<QAction *>(QLatin1String(item))->trigger(); }
    // The command on a titled data set with unsaved changes, with these answers and a fresh trace.
    void RunOnChangedTitledSet(const char *item, const std::vector<int> &answers)
    {
        Titled();
        Modify();
        script->clear();
        for (int a : answers)
            script->answer(a);
        Run(item);
    }

    QTemporaryDir dir;
    std::unique_ptr<FrmMain> w;
    QString file, other, saveQuestion, clearQuestion, openQuestion, overwriteA;
};

TEST_F(FileCommandsTest, NewWithoutChangesAsksOnlyTheClearQuestion)
{
    Titled();
    script->answer(vbCancel);
    Run("mnuFileNew");
    EXPECT_EQ(Trace(), QStringList{clearQuestion});
    EXPECT_EQ(State().CurFileName, file);
    EXPECT_FALSE(State().FileUntitled);

    script->clear();
    script->answer(vbOK);
    Run("mnuFileNew");
    EXPECT_EQ(Trace(), QStringList{clearQuestion});
    EXPECT_EQ(State().CurFileName, QStringLiteral("new.dat"));
    EXPECT_TRUE(State().FileUntitled);
}

TEST_F(FileCommandsTest, NewWithChangesAsksToSaveThenToClear)
{
    struct Case {
        std::vector<int> answers;
        QStringList trace;
        bool saved;
        bool renewed;
    };
    const Case cases[] = {
        {{vbCancel, vbCancel}, {saveQuestion, clearQuestion}, false, false},
        {{vbNo, vbOK}, {saveQuestion, clearQuestion}, false, true},
        {{vbYes, vbCancel, vbCancel}, {saveQuestion, overwriteA, clearQuestion}, false, false},
        {{vbYes, vbOK, vbCancel}, {saveQuestion, overwriteA, clearQuestion}, true, false},
        {{vbYes, vbOK, vbOK}, {saveQuestion, overwriteA, clearQuestion}, true, true},
    };
    for (const Case &c : cases) {
        RunOnChangedTitledSet("mnuFileNew", c.answers);
        EXPECT_EQ(Trace(), c.trace) << c.answers[0];
        EXPECT_EQ(QFile::exists(file), c.saved) << c.answers[0];
        EXPECT_EQ(State().CurFileName, c.renewed ? QStringLiteral("new.dat") : file) << c.answers[0];
        EXPECT_EQ(script->unscriptedCount(), 0);
    }
}

TEST_F(FileCommandsTest, NewWithChangesOnAnUntitledSetSavesThroughTheSaveBox)
{
    Modify();
    ASSERT_TRUE(State().FileUntitled);
    script->answer(vbYes);
    script->answerFile(other);
    script->answer(vbOK);
    Run("mnuFileNew");
    EXPECT_EQ(Trace(), QStringList({saveQuestion, QStringLiteral("Save"), clearQuestion}));
    EXPECT_TRUE(QFile::exists(other));
    EXPECT_EQ(State().CurFileName, QStringLiteral("new.dat"));
}

TEST_F(FileCommandsTest, InitialiseAsksOnlyTheSaveQuestionAndCancelKeepsTheData)
{
    int modeDuringNew = 0;
    Hooks().ReShowListByData = [&] { modeDuringNew = State().InitDataMode; };
    struct Case {
        std::vector<int> answers;
        QStringList trace;
        bool renewed;
    };
    const Case cases[] = {
        {{vbNo}, {saveQuestion}, true},
        {{vbYes, vbOK}, {saveQuestion, overwriteA}, true},
        // Initialise has no question of its own after this one: Cancel ends it, and so does a
        // Yes whose save was cancelled, so unsaved data are never replaced against the answer.
        {{vbCancel}, {saveQuestion}, false},
        {{vbYes, vbCancel}, {saveQuestion, overwriteA}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.answers.size() * 10 + c.answers.back());
        modeDuringNew = 0;
        RunOnChangedTitledSet("MnuSetInit", c.answers);
        EXPECT_EQ(Trace(), c.trace);
        EXPECT_EQ(State().CurFileName, c.renewed ? QStringLiteral("new.dat") : file);
        EXPECT_EQ(modeDuringNew != 0, c.renewed);
        EXPECT_EQ(IsDataModified(), !c.renewed);
        EXPECT_EQ(State().InitDataMode, 0);
        EXPECT_EQ(script->unscriptedCount(), 0);
    }
    NewDataFile();
    script->clear();
    Run("MnuSetInit"); // nothing changed: no question at all
    EXPECT_TRUE(Trace().isEmpty());
}

TEST_F(FileCommandsTest, InitialiseKeepsEveryTemplateChannelWhereNewKeepsSome)
{
    // A template with a third channel beside the eight default ones.
    NewDataFile();
    RadioDataRecord rec = State().RadioData;
    ChannelSlots table = State().ChannelList;
    ASSERT_EQ(rec.ChannelCount, 8);
    table[8] = table[0];
    table[8].Number = 3;
    rec.ChannelCount = 9;
    ASSERT_TRUE(WriteDataSet(InitTemplatePath(QStringLiteral("TORVA6Y"), 0), rec, table));

    script->answer(vbOK);
    Run("mnuFileNew");
    EXPECT_EQ(State().RadioData.ChannelCount, 8);
    Run("MnuSetInit");
    EXPECT_EQ(State().RadioData.ChannelCount, 9);
    EXPECT_EQ(State().InitDataMode, 0);
}

TEST_F(FileCommandsTest, OpenWithChangesAsksFirst)
{
    struct Case {
        std::vector<int> answers;
        QStringList trace;
        bool saved;
    };
    const Case cases[] = {
        {{vbCancel}, {openQuestion}, false},
        {{vbNo}, {openQuestion, QStringLiteral("Open")}, false},
        {{vbYes, vbOK}, {openQuestion, overwriteA, QStringLiteral("Open")}, true},
        {{vbYes, vbCancel}, {openQuestion, overwriteA, QStringLiteral("Open")}, false},
    };
    for (const Case &c : cases) {
        RunOnChangedTitledSet("mnuFileOpen", c.answers);
        EXPECT_EQ(Trace(), c.trace) << c.answers.size() << " " << c.answers[0];
        EXPECT_EQ(QFile::exists(file), c.saved);
        EXPECT_EQ(State().CurFileName, file); // the open box was cancelled
    }
}

TEST_F(FileCommandsTest, OpenWithChangesOnAnUntitledSetStillOpensWhenTheSaveBoxIsCancelled)
{
    Modify();
    script->answer(vbYes);
    Run("mnuFileOpen");
    EXPECT_EQ(Trace(), QStringList({openQuestion, QStringLiteral("Save"), QStringLiteral("Open")}));
    EXPECT_EQ(State().CurFileName, QStringLiteral("new.dat"));
    EXPECT_TRUE(State().FileUntitled);
}

TEST_F(FileCommandsTest, OpenTakesTheChosenFile)
{
    State().CurFileName = other;
    ASSERT_TRUE(SaveDataFile());
    NewDataFile();
    ASSERT_TRUE(State().FileUntitled);
    script->answerFile(other);
    Run("mnuFileOpen");
    EXPECT_EQ(Trace(), QStringList{QStringLiteral("Open")});
    EXPECT_EQ(State().CurFileName, other);
    EXPECT_FALSE(State().FileUntitled);
    EXPECT_FALSE(IsDataModified());
}

TEST_F(FileCommandsTest, SaveAsksBeforeOverwriting)
{
    Titled();
    Modify();
    script->answer(vbCancel);
    Run("mnuFileSave");
    EXPECT_EQ(Trace(), QStringList{overwriteA});
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(IsDataModified());

    script->clear();
    script->answer(vbOK);
    Run("mnuFileSave");
    EXPECT_EQ(Trace(), QStringList{overwriteA});
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_FALSE(IsDataModified());
}

TEST_F(FileCommandsTest, OverwriteQuestionInChinese)
{
    Titled();
    SetLanguage(LangChinese);
    script->answer(vbCancel);
    Run("mnuFileSave");
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text, QStringLiteral("\"a.dat\"文件将被覆盖，是否继续？"));
}

TEST_F(FileCommandsTest, SaveOfAnUntitledSetOpensTheSaveBoxInstead)
{
    Modify();
    script->answerFile(other);
    Run("mnuFileSave");
    EXPECT_EQ(Trace(), QStringList{QStringLiteral("Save")});
    EXPECT_TRUE(QFile::exists(other));
    EXPECT_EQ(State().CurFileName, other);
    EXPECT_FALSE(State().FileUntitled);
}

TEST_F(FileCommandsTest, SaveAsCancelledWritesNothing)
{
    Titled();
    Modify();
    Run("mnuFileSaveAs");
    EXPECT_EQ(Trace(), QStringList{QStringLiteral("Save")});
    EXPECT_EQ(State().CurFileName, file);
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(IsDataModified());
}

TEST_F(FileCommandsTest, SaveAsAsksNoQuestionOfItsOwn)
{
    Titled();
    Modify();
    script->answerFile(other);
    Run("mnuFileSaveAs");
    EXPECT_EQ(Trace(), QStringList{QStringLiteral("Save")});
    EXPECT_EQ(State().CurFileName, other);
    EXPECT_TRUE(QFile::exists(other));
}

TEST_F(FileCommandsTest, FailedSaveAsKeepsTheNameAndTheChanges)
{
    Titled();
    Modify();
    script->answerFile(dir.path() + QStringLiteral("/missing/folder/c.dat"));
    Run("mnuFileSaveAs");
    EXPECT_EQ(Trace(), QStringList({QStringLiteral("Save"), QStringLiteral("Msg file error. 0")}));
    EXPECT_EQ(State().CurFileName, file);
    EXPECT_TRUE(IsDataModified());
}

TEST_F(FileCommandsTest, RefusedFileIsNotTakenAsTheCurrentFile)
{
    Titled();
    QFile garbage(other);
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a data file");
    garbage.close();
    script->answerFile(other);
    Run("mnuFileOpen");
    ASSERT_EQ(Trace().size(), 2);
    EXPECT_EQ(Trace()[1], QStringLiteral("Msg file error. 0"));
    EXPECT_EQ(State().CurFileName, file);
    EXPECT_FALSE(State().FileUntitled);
}

TEST_F(FileCommandsTest, ToolbarButtonsRunNewOpenAndSave)
{
    Titled();
    Modify();
    w->tbToolBar_ButtonClick(QStringLiteral("TSaveFile"));
    w->tbToolBar_ButtonClick(QStringLiteral("TOpenFile"));
    w->tbToolBar_ButtonClick(QStringLiteral("TNewFile"));
    // Unscripted answers are the safe ones: Cancel to every question.
    EXPECT_EQ(Trace(), QStringList({overwriteA, openQuestion, saveQuestion, clearQuestion}));
}

TEST_F(FileCommandsTest, ExitAsksNothingAboutUnsavedChanges)
{
    Modify();
    w->show();
    Run("mnuFileExit");
    EXPECT_TRUE(Trace().isEmpty());
    EXPECT_TRUE(w->isHidden());
}

} // namespace
