// What the user sees when a file cannot be read or replaced, in every place the program reads or
// replaces one: a named pipe where a file should be ends each read at once as an unreadable file,
// and a disk that fails a step of a save leaves the old files whole and says "file error.".

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "common/bytes.h"
#include "common/fifo_watchdog.h"
#include "common/io_faults.h"
#include "common/test_env.h"
#include "common/ui_steps.h"
#include "data/app_state.h"
#include "data/data_file.h"
#include "data/defaults.h"
#include "data/lang_text.h"
#include "data/version_dispatch.h"
#include "editors/editor_hooks.h"
#include "editors/settings/frm_commu_book.h"
#include "editors/settings/frm_test_data.h"
#include "platform/form_kit.h"
#include "shell/frm_main.h"
#include "shell/shell_fixture.h"
#include "shell/startup.h"

namespace {

const TestDataBlock kBlock{0x00, 0x01, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};

// Everything a read that fails must leave as it was.
struct DataState {
    RadioDataRecord radioData, savedRadioData;
    ChannelSlots channelList, savedChannelList;
    TestDataBlock curTestData, savedTestData;
    QString curFileName, testDataPath;
    bool operator==(const DataState &) const = default;
};

DataState Capture()
{
    const AppState &s = State();
    return {s.RadioData,   s.SavedRadioData,  s.ChannelList, s.SavedChannelList,
            s.CurTestData, s.SavedTestData,   s.CurFileName, s.TestDataPath};
}

class FileFailuresTest : public shelltest::ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        RegisterEditorHooks();
        LoadVersionTable();
        NewFreData();
        SnapshotToSaved();
    }
    QString Path(const QString &name) const { return work.path() + QLatin1Char('/') + name; }
    QStringList Entries() const
    {
        return QDir(work.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                           QDir::Name);
    }
    QStringList Messages() const
    {
        QStringList out;
        for (const PromptCall &c : script->messages())
            out << c.text;
        return out;
    }
    // A data set saved at path, with nothing unsaved.
    void SavedSet(const QString &path)
    {
        ASSERT_TRUE(SaveDataFile(path));
        ASSERT_FALSE(IsDataModified());
    }
    // The main window's File > Open (Ctrl+O) of path, as the user gives it.
    void OpenFromMenu(const QString &path)
    {
        FrmMain w;
        testenv::Activate(&w);
        script->answerFile(path);
        QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
    }
    static void ClickButton(QWidget &w, const char *name)
    {
        QPushButton *button = w.findChild<QPushButton *>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
        testenv::Settle();
    }
    // A window's save to path by its button, answered OK to the replace question; the file name
    // that the window remembers stays as it was.
    template <class Window>
    void SaveFromWindow(const QString &path, const char *button, const QString &remembered)
    {
        Window w;
        testenv::Activate(&w);
        const QString before = remembered;
        script->answerFile(path);
        script->answer(vbOK);
        ClickButton(w, button);
        EXPECT_EQ(remembered, before);
    }
    static QStringList BoxTexts(QWidget &w)
    {
        QStringList out;
        for (int i = 0; i < kTestDataSize; ++i)
            out << FindArrayElement<TextBox>(&w, QStringLiteral("Text1"), i)->text();
        return out;
    }

    QTemporaryDir work;
};

// ---------------------------------------------------------------------------------------------
// A named pipe where a file is read

TEST_F(FileFailuresTest, ANamedPipeWhereAFileIsReadEndsAtOnceAsAnUnreadableFile)
{
    const QString fileError = QStringLiteral("file error.");
    struct Case {
        const char *what;
        QString pipe;
        std::function<void()> prepare; // before the pipe takes its place
        std::function<void()> run;     // the user's step and what it must come to
    };
    const std::vector<Case> cases = {
        {"File > Open of a .dat", Path("pipe.dat"), [] {},
         [&] {
             FrmMain w;
             testenv::Activate(&w);
             State().CurFileName = Path("before.dat");
             const DataState before = Capture();
             script->answerFile(Path("pipe.dat"));
             QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
             EXPECT_EQ(Messages(), QStringList{fileError});
             EXPECT_TRUE(Capture() == before);
         }},
        {"a good .dat whose .fre is a pipe", Path("g.fre"), [&] { SavedSet(Path("g.dat")); },
         [&] {
             const int count = State().SavedRadioData.ChannelCount;
             ASSERT_GT(count, 0);
             OpenFromMenu(Path("g.dat"));
             // Loaded without channels, and the user told how many of how many were found.
             EXPECT_EQ(Messages(), QStringList{GetLangText(9066).arg(0).arg(count)});
             EXPECT_EQ(State().CurFileName, Path("g.dat"));
             EXPECT_EQ(State().RadioData.ChannelCount, 0);
         }},
        {"a good .dat whose .ted is a pipe (factory mode)", Path("t.ted"),
         [&] {
             State().TestModeFlag = true;
             State().CurTestData = kBlock;
             SavedSet(Path("t.dat"));
         },
         [&] {
             OpenFromMenu(Path("t.dat"));
             EXPECT_EQ(Messages(), QStringList{QStringLiteral("\"t.ted\"\r\n") + GetLangText(8002)});
             EXPECT_EQ(State().CurFileName, Path("t.dat"));
             EXPECT_EQ(State().CurTestData, TestDataBlock{});
         }},
        {"the address book's import of a .cb", Path("pipe.cb"), [] {},
         [&] {
             FrmCommuBook w;
             testenv::Activate(&w);
             const CommBook before = State().CommBookEditCopy;
             const QString bookFile = State().CurBookFileName;
             script->answerFile(Path("pipe.cb"));
             ClickButton(w, "CommandInput");
             EXPECT_EQ(Messages(), QStringList{fileError});
             EXPECT_EQ(State().CommBookEditCopy, before);
             EXPECT_EQ(State().CurBookFileName, bookFile);
         }},
        {"the test-data window's Load of a .ted", Path("pipe.ted"), [] { State().TestModeFlag = true; },
         [&] {
             FrmTestData w;
             testenv::Activate(&w);
             const QStringList before = BoxTexts(w);
             const DataState data = Capture();
             script->answerFile(Path("pipe.ted"));
             ClickButton(w, "Command1(0)");
             EXPECT_EQ(Messages(), QStringList{fileError});
             EXPECT_EQ(BoxTexts(w), before);
             EXPECT_TRUE(Capture() == data);
         }},
        // The INI files read as missing ones: no text, the default settings and version table.
        {"the language file", programDir->path(QStringLiteral("language/english.ini")), [] {},
         [&] { EXPECT_EQ(GetLangText(9066), QString()); }},
        {"the settings file mysetup.ini", programDir->path(QStringLiteral("language/mysetup.ini")), [] {},
         [&] {
             EXPECT_EQ(ReadSetupValue(QStringLiteral("IsFirstRun")), 0);
             EXPECT_FALSE(WriteSetupValue(QStringLiteral("comPort"), 3));
         }},
        {"the version table Version.ini", programDir->root() + QStringLiteral("/Version.ini"), [] {},
         [&] {
             LoadVersionTable();
             EXPECT_EQ(State().SoftVersionList, QStringList{"V101"});
             ASSERT_EQ(State().VersionPairTable.size(), 1);
             EXPECT_EQ(State().VersionPairTable[0].Soft, "V101");
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        c.prepare();
        script->clear();
        QFile::remove(c.pipe);
        const testenv::FifoWatchdog pipe(c.pipe);
        ASSERT_TRUE(pipe.made());
        c.run();
        EXPECT_FALSE(pipe.fired()) << "the program waited on the pipe";
        QFile::remove(c.pipe);
        // What the case changed, back for the next one.
        if (c.pipe.startsWith(programDir->root())) {
            ASSERT_TRUE(QFile::copy(QStringLiteral(TORVA_STAGE_ROOT) + c.pipe.mid(programDir->root().size()), c.pipe));
        }
        State().TestModeFlag = false;
        State().CurTestData = TestDataBlock{};
        NewFreData();
        SnapshotToSaved();
    }
}

// ---------------------------------------------------------------------------------------------
// A disk that fails a step of a save

TEST_F(FileFailuresTest, ASaveThatTheDiskFailsAtAnyStepKeepsTheOldFilesAndSaysFileError)
{
    struct Place {
        const char *what;
        QString failing;         // the file whose new copy the disk fails
        QStringList files;       // the old files that must stay byte for byte
        std::function<void()> prepare;
        std::function<void()> run; // the user's save, answered OK to the replace question
    };
    const std::vector<Place> places = {
        {"the address book's export over a .cb", Path("old.cb"), {Path("old.cb")},
         [&] { ASSERT_TRUE(testenv::WriteAll(Path("old.cb"), QByteArray(kCommBookFileSize, 'o'))); },
         [&] { SaveFromWindow<FrmCommuBook>(Path("old.cb"), "CommandOutput", State().CurBookFileName); }},
        {"the test-data window's save over a .ted", Path("old.ted"), {Path("old.ted")},
         [&] {
             State().TestModeFlag = true;
             ASSERT_TRUE(testenv::WriteAll(Path("old.ted"), QByteArray(kTestDataSize, 'o')));
         },
         [&] { SaveFromWindow<FrmTestData>(Path("old.ted"), "Command1(1)", State().TestDataPath); }},
        // The data file is the last of the set to be put in place, so the channel file and the
        // test data are back in their old place when it fails.
        {"File > Save of a data set (factory mode)", Path("a.dat"), {Path("a.dat"), Path("a.fre"), Path("a.ted")},
         [&] {
             State().TestModeFlag = true;
             State().CurTestData = kBlock;
             SavedSet(Path("a.dat"));
             State().RadioData.Pf1KeyFunction = static_cast<uint8_t>(State().RadioData.Pf1KeyFunction + 1);
             State().ChannelList[0].Name.assign("EDITED");
             State().CurTestData[5] = 0x5A;
         },
         [&] {
             FrmMain w;
             testenv::Activate(&w);
             script->answer(vbOK);
             QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
             EXPECT_TRUE(IsDataModified());
         }},
    };
    for (const Place &place : places) {
        for (const iofault::StepCase &step : iofault::kEverySteps) {
            SCOPED_TRACE(std::string(place.what) + ", " + step.name);
            place.prepare();
            std::vector<QByteArray> old;
            for (const QString &file : place.files)
                old.push_back(testenv::ReadAll(file));
            const QStringList entries = Entries();
            script->clear();
            {
                const iofault::Armed failure(step.step, place.failing);
                place.run();
                EXPECT_GT(failure.hits(), 0) << "the failure was not reached";
            }
            const QStringList messages = Messages();
            ASSERT_EQ(messages.size(), 2); // the replace question, then the failure
            EXPECT_TRUE(messages[0].endsWith(QStringLiteral("file will be Overwrite,Continue?")));
            EXPECT_EQ(messages[1], QStringLiteral("file error."));
            for (std::size_t i = 0; i < old.size(); ++i)
                EXPECT_EQ(testenv::ReadAll(place.files[static_cast<int>(i)]), old[i]) << place.files[static_cast<int>(i)].toStdString();
            EXPECT_EQ(Entries(), entries) << "a temporary file was left";
        }
    }
}

} // namespace
