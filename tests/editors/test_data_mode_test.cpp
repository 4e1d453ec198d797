// The factory mode's marker file and the ".ted" files beside data files and templates.

#include <QDir>
#include <QFile>

#include "common/bytes.h"
#include "common/test_env.h"
#include "data/app_state.h"
#include "data/data_file.h"
#include "data/defaults.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/version_dispatch.h"
#include "editors/editor_hooks.h"
#include "editors/settings/test_data_mode.h"
#include "platform/program_dir.h"

using testenv::Bytes;
using testenv::Raw;

namespace {

void WriteFile(const QString &path, const QByteArray &bytes) { ASSERT_TRUE(testenv::WriteAll(path, bytes)) << path.toStdString(); }

QByteArray BlockBytes(const TestDataBlock &b) { return QByteArray(reinterpret_cast<const char *>(b.data()), 16); }

const TestDataBlock kBlock{0x00, 0x01, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};

class TestDataModeTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        LoadVersionTable();
    }
    QString Path(const char *name) const { return programDir->path(QLatin1String(name)); }
};

TEST_F(TestDataModeTest, TheMarkerFileSwitchesTheModeOnOnlyWithTheExactMarker)
{
    const QByteArray marker = "KELDA3Q_7260_Workshop_MarkerBlock";
    ASSERT_EQ(marker.size(), 33);
    QByteArray changed = marker;
    changed[10] = '8';
    const struct {
        const char *what;
        std::optional<QByteArray> file; // none: no marker file
        bool on;
    } cases[] = {
        {"exact", marker, true},
        {"padded with spaces to 128", marker + QByteArray(95, ' '), true},
        {"NUL and anything after it", marker + Raw("\0garbage  "), true},
        {"spaces, then more beyond 128 bytes", marker + QByteArray(95, ' ') + "tail", true},
        {"line break", marker + "\r\n", false},
        {"one character changed", changed, false},
        {"other letter case", marker.toLower(), false},
        {"cut short", marker.left(32), false},
        {"leading space", " " + marker, false},
        {"empty", QByteArray(), false},
        {"no file", std::nullopt, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(ProgramPath("TestData.ini"));
        if (c.file)
            WriteFile(ProgramPath("TestData.ini"), *c.file);
        State().TestModeFlag = !c.on;
        State().CurTestData = kBlock;
        State().SavedTestData = kBlock;
        DetectFactoryTestMode();
        EXPECT_EQ(State().TestModeFlag, c.on);
        EXPECT_EQ(State().CurTestData, TestDataBlock{});
        EXPECT_EQ(State().SavedTestData, TestDataBlock{});
    }
}

TEST_F(TestDataModeTest, TheTedFileStandsBesideTheDataFile)
{
    EXPECT_EQ(TestDataPathBeside("/d/a.dat"), "/d/a.ted");
    EXPECT_EQ(TestDataPathBeside("/d/a.DAT"), "/d/a.TED");
    EXPECT_EQ(TestDataPathBeside("/d/backup"), "/d/backup.ted");
    EXPECT_EQ(TestDataPathBeside("/d/x.cb"), "/d/x.cb.ted");
}

TEST_F(TestDataModeTest, ASaveWritesTheTedBytesOnlyInFactoryMode)
{
    RegisterEditorHooks();
    State().TestModeFlag = true;
    EXPECT_EQ(TestDataFileBytes(), BlockBytes(TestDataBlock{}));
    State().CurTestData = kBlock;
    EXPECT_EQ(TestDataFileBytes(), BlockBytes(kBlock)); // before the save takes them as saved
    ASSERT_TRUE(SaveDataFile(Path("b")));
    EXPECT_EQ(testenv::ReadAll(Path("b.ted")),
              Bytes({0x00, 0x01, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF}));
    EXPECT_EQ(State().SavedTestData, kBlock);
    EXPECT_EQ(State().TestDataPath, Path("b.ted"));
    EXPECT_EQ(TestDataFileBytes(), BlockBytes(kBlock));
    EXPECT_FALSE(IsDataModified());

    State().TestModeFlag = false;
    EXPECT_EQ(TestDataFileBytes(), std::nullopt);
    ASSERT_TRUE(SaveDataFile(Path("c.dat")));
    EXPECT_FALSE(QFile::exists(Path("c.ted")));
    EXPECT_TRUE(script->messages().isEmpty());
}

TEST_F(TestDataModeTest, OpeningReadsTheTedBesideAndAMissingOrShortOneGivesZerosWithAMessage)
{
    RegisterEditorHooks();
    State().TestModeFlag = true;
    State().CurTestData = kBlock;
    ASSERT_TRUE(SaveDataFile(Path("a.dat")));
    ASSERT_TRUE(QFile::copy(Path("a.dat"), Path("m.dat")));
    ASSERT_TRUE(QFile::copy(Path("a.fre"), Path("m.fre")));
    ASSERT_TRUE(QFile::copy(Path("a.dat"), Path("s.dat")));
    ASSERT_TRUE(QFile::copy(Path("a.fre"), Path("s.fre")));
    WriteFile(Path("s.ted"), BlockBytes(kBlock).left(15));

    State().CurTestData = TestDataBlock{};
    State().SavedTestData = TestDataBlock{};
    ASSERT_TRUE(OpenDataFile(Path("a.dat")));
    EXPECT_EQ(State().CurTestData, kBlock);
    EXPECT_EQ(State().SavedTestData, kBlock);
    EXPECT_TRUE(script->messages().isEmpty());

    for (const char *name : {"m.dat", "s.dat"}) {
        SCOPED_TRACE(name);
        script->clear();
        State().CurTestData = kBlock;
        ASSERT_TRUE(OpenDataFile(Path(name)));
        EXPECT_EQ(State().CurTestData, TestDataBlock{});
        EXPECT_EQ(State().SavedTestData, TestDataBlock{});
        ASSERT_EQ(script->messages().size(), 1);
        EXPECT_TRUE(script->messages()[0].text.endsWith(GetLangText(8002)));
        EXPECT_TRUE(script->messages()[0].text.startsWith(QLatin1Char('"') + QString::fromLatin1(name).left(1) + ".ted\""));
    }
}

TEST_F(TestDataModeTest, ATemplateWithoutTedGivesZerosQuietly)
{
    RegisterEditorHooks();
    State().TestModeFlag = true;
    State().CurTestData = kBlock;
    State().SavedTestData = kBlock;
    NewDataFile();
    EXPECT_EQ(State().CurTestData, TestDataBlock{});
    EXPECT_TRUE(script->messages().isEmpty());
    EXPECT_FALSE(IsDataModified());
}

} // namespace
