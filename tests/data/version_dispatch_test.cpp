#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/test_env.h"
#include "data/app_state.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/version_dispatch.h"
#include "platform/process_launcher.h"

namespace {

class VersionTest : public testenv::AppTest {
protected:
    void WriteVersionIni(const QByteArray &text)
    {
        QFile f(programDir->root() + QStringLiteral("/Version.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    static QList<VersionPair> OnlySelf() { return {VersionPair{QStringLiteral("V101"), QStringLiteral("V101")}}; }
};

TEST_F(VersionTest, StagedFilePairsThisVersionWithItself)
{
    State().RadioData.FileVersion = QByteArray("V0xx");
    LoadVersionTable();
    EXPECT_EQ(State().RadioData.FileVersion.toByteArray(), QByteArray("V101"));
    EXPECT_EQ(State().VersionPairTable, OnlySelf());
    EXPECT_EQ(State().SoftVersionList, QStringList{QStringLiteral("V101")});
    EXPECT_EQ(State().CurrentVersionText, QStringLiteral("V101"));
    EXPECT_TRUE(IsVersionPairListed(QStringLiteral("V101"), QStringLiteral("V101")));
}

TEST_F(VersionTest, ReadsEveryPairInKeyOrder)
{
    WriteVersionIni("[Version]\r\nCurrentVersion = V101\r\nSoftVersionCount=2\r\nFirmVersionCount=3\r\n"
                    "[Soft]\r\nVersion0=V100\r\nVersion1=V101\r\n"
                    "[Firm]\r\nFirm0=V101V101\r\nFirm1= V100V095 \r\nFirm2=V099V095\r\nFirm3=V102V102\r\n");
    LoadVersionTable();
    const QList<VersionPair> expected = {{QStringLiteral("V101"), QStringLiteral("V101")},
                                         {QStringLiteral("V100"), QStringLiteral("V095")},
                                         {QStringLiteral("V099"), QStringLiteral("V095")}};
    EXPECT_EQ(State().VersionPairTable, expected);
    EXPECT_EQ(State().SoftVersionList, (QStringList{QStringLiteral("V100"), QStringLiteral("V101")}));

    EXPECT_TRUE(IsVersionPairListed(QStringLiteral("V101"), QStringLiteral("V101")));
    EXPECT_FALSE(IsVersionPairListed(QStringLiteral("V101"), QStringLiteral("V095")));
    EXPECT_FALSE(IsVersionPairListed(QStringLiteral("v101"), QStringLiteral("V101")));
    EXPECT_EQ(SoftVersionForFirm(QStringLiteral("V095")), QStringLiteral("V100")); // the earlier pair wins
    EXPECT_EQ(SoftVersionForFirm(QStringLiteral("V102")), QString());              // beyond the count
    EXPECT_EQ(SoftVersionForFirm(QStringLiteral("V090")), QString());
}

TEST_F(VersionTest, QuotedValuesLoseTheSpacesAtBothEnds)
{
    // The quotes bring the spaces through the read; the read text then loses them at both ends.
    WriteVersionIni("[Version]\nCurrentVersion=\"  V101\"\nSoftVersionCount=\" 1 \"\nFirmVersionCount=\"2\"\n"
                    "[Soft]\nVersion0=\"  V100 \"\n"
                    "[Firm]\nFirm0=\"  V100V095  \"\nFirm1=' V101V101'\n");
    LoadVersionTable();
    const QList<VersionPair> expected = {{QStringLiteral("V100"), QStringLiteral("V095")},
                                         {QStringLiteral("V101"), QStringLiteral("V101")}};
    EXPECT_EQ(State().VersionPairTable, expected);
    EXPECT_EQ(State().SoftVersionList, QStringList{QStringLiteral("V100")});
    EXPECT_EQ(State().CurrentVersionText, QStringLiteral("V101"));
}

TEST_F(VersionTest, MissingFileOrBadCountsLeaveThisVersionAlone)
{
    const QByteArray firm = "[Firm]\nFirm0=V100V095\n[Soft]\nVersion0=V100\n";
    const QByteArray bad[] = {"", "SoftVersionCount=abc\nFirmVersionCount=abc\n", "SoftVersionCount=0\nFirmVersionCount=0\n",
                              "SoftVersionCount=-1\nFirmVersionCount=-3\n", "SoftVersionCount=\nFirmVersionCount=\n",
                              "SoftVersionCount=0.4\nFirmVersionCount=0.4\n"};
    for (const QByteArray &counts : bad) {
        ResetState();
        WriteVersionIni("[Version]\n" + counts + firm);
        LoadVersionTable();
        EXPECT_EQ(State().VersionPairTable, OnlySelf()) << counts.constData();
        EXPECT_EQ(State().SoftVersionList, QStringList{QStringLiteral("V101")}) << counts.constData();
    }

    ResetState();
    ASSERT_TRUE(QFile::remove(programDir->root() + QStringLiteral("/Version.ini")));
    LoadVersionTable();
    EXPECT_EQ(State().VersionPairTable, OnlySelf());
    EXPECT_EQ(State().CurrentVersionText, QStringLiteral("    "));
}

TEST_F(VersionTest, OneBadCountKeepsTheOtherPart)
{
    WriteVersionIni("[Version]\nSoftVersionCount=x\nFirmVersionCount=1\n[Firm]\nFirm0=V100V095\n");
    LoadVersionTable();
    EXPECT_EQ(State().VersionPairTable, (QList<VersionPair>{{QStringLiteral("V100"), QStringLiteral("V095")}}));
    EXPECT_EQ(State().SoftVersionList, QStringList{QStringLiteral("V101")});
}

TEST_F(VersionTest, HugeCountIsCut)
{
    WriteVersionIni("[Version]\nSoftVersionCount=1\nFirmVersionCount=2000000000\n[Firm]\nFirm0=V100V095\n");
    LoadVersionTable();
    EXPECT_EQ(State().VersionPairTable.size(), 1000);
    EXPECT_EQ(State().VersionPairTable.front(), (VersionPair{QStringLiteral("V100"), QStringLiteral("V095")}));
}

TEST(ParentFolder, CutsAtTheLastSeparator)
{
    const std::pair<const char *, const char *> cases[] = {
        {"C:\\Tools\\Radio\\V101", "C:\\Tools\\Radio"},
        {"/opt/radio/V101", "/opt/radio"},
        {"C:\\Tools/Radio\\V101", "C:\\Tools/Radio"},
        {"V101", "V101"},
        {"\\V101", "\\V101"}, // a separator in first place is kept
        {"/V101", "/V101"},
        {"a/", "a"},
        {"", ""},
    };
    for (const auto &[path, parent] : cases) {
        EXPECT_EQ(ParentFolder(QString::fromLatin1(path)), QString::fromLatin1(parent)) << path;
        EXPECT_EQ(VersionRootFolder(QString::fromLatin1(path)), QString::fromLatin1(parent)) << path;
    }
}

TEST_F(VersionTest, MismatchTextHasThreeLines)
{
    const QString text = VersionMismatchText(QStringLiteral("V101"), QStringLiteral("V100"), MkDataFile);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_FALSE(GetLangText(9062).isEmpty());
    EXPECT_EQ(lines[0], GetLangText(9062));
    EXPECT_EQ(lines[1], GetLangText(9064) + QStringLiteral(" V1.00"));
    EXPECT_EQ(lines[2], GetLangText(9061) + QStringLiteral(" V1.01"));

    const QString radio = VersionMismatchText(QStringLiteral("V101"), QStringLiteral("V095"), MkRadio);
    EXPECT_EQ(radio.split(QStringLiteral("\r\n")).value(1), GetLangText(9060) + QStringLiteral(" V0.95"));
}

// Records what would be started and ended instead of doing it.
class RecordingLauncher : public ProcessLauncher {
public:
    RecordingLauncher() { setLauncher(this); }
    ~RecordingLauncher() override { setLauncher(nullptr); }
    bool StartDetached(const QString &program, const QStringList &arguments, const QString &dir) override
    {
        events.append(QStringLiteral("start"));
        this->program = program;
        this->arguments = arguments;
        workingDirectory = dir;
        return startSucceeds;
    }
    void EndProcess(int code) override
    {
        events.append(QStringLiteral("end %1").arg(code));
    }
    QStringList events;
    QString program, workingDirectory;
    QStringList arguments{QStringLiteral("unset")};
    bool startSucceeds = true;
};

class HandOverTest : public VersionTest {
protected:
    void SetUp() override
    {
        VersionTest::SetUp();
        WriteVersionIni("[Version]\nSoftVersionCount=2\nFirmVersionCount=2\n[Soft]\nVersion0=V100\nVersion1=V101\n"
                        "[Firm]\nFirm0=V101V101\nFirm1=V100V095\n");
        LoadVersionTable();
        // Every hook records its call, so that any shutdown or redraw step would show.
        auto record = [this](const char *name) { return [this, name] { launcher.events.append(QString::fromLatin1(name)); }; };
        Hooks().CloseCommPort = record("close port");
        Hooks().ReShowListByData = record("redraw");
        Hooks().ReShowRadioListByData = record("redraw fm");
        Hooks().LoadShowTree = record("tree");
        Hooks().Form_ReLoad = record("reload");
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, &guard, [this] { launcher.events.append(QStringLiteral("quit")); });
    }
    QString MakeProgram(const QString &version)
    {
        const QString dir = programDir->root() + QLatin1Char('/') + version;
        QDir().mkpath(dir);
        const QString path = dir + QLatin1Char('/') + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n");
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        return path;
    }
    RecordingLauncher launcher;
    QObject guard;
};

TEST_F(HandOverTest, StartsTheMatchingVersionAndEndsAtOnce)
{
    const QString program = MakeProgram(QStringLiteral("V100"));
    EXPECT_EQ(RunSoftVersionForFirm(QStringLiteral("V095")), HandOverResult::Started);
    EXPECT_EQ(launcher.program, program);
    EXPECT_TRUE(launcher.arguments.isEmpty());
    EXPECT_EQ(launcher.workingDirectory, programDir->root() + QStringLiteral("/V100"));
    // The port is closed, the program started and this one ended; nothing else runs, nothing is asked.
    EXPECT_EQ(launcher.events, (QStringList{QStringLiteral("close port"), QStringLiteral("start"), QStringLiteral("end 0")}));
    EXPECT_TRUE(script->calls.isEmpty());
}

TEST_F(HandOverTest, NoMatchingVersionTellsTheUserAndGoesOn)
{
    MakeProgram(QStringLiteral("V100"));
    EXPECT_EQ(RunSoftVersionForFirm(QStringLiteral("V090")), HandOverResult::NoMatch);
    EXPECT_TRUE(launcher.events.isEmpty()); // the port is not touched
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text, GetLangText(9063));
    EXPECT_FALSE(GetLangText(9063).isEmpty());
}

TEST_F(HandOverTest, MissingProgramLeavesThePortAlone)
{
    EXPECT_EQ(RunSoftVersionForFirm(QStringLiteral("V095")), HandOverResult::StartFailed);
    EXPECT_TRUE(launcher.events.isEmpty());
}

TEST_F(HandOverTest, FailedStartDoesNotEndTheProgram)
{
    MakeProgram(QStringLiteral("V100"));
    launcher.startSucceeds = false;
    EXPECT_EQ(RunSoftVersionForFirm(QStringLiteral("V095")), HandOverResult::StartFailed);
    EXPECT_EQ(launcher.events, (QStringList{QStringLiteral("close port"), QStringLiteral("start")}));
}

void RegisterExitNote() { std::atexit([] { fputs("exit handler ran", stderr); }); }

TEST(RealLauncherDeathTest, EndsWithoutExitHandlers)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            RegisterExitNote();
            launcher().EndProcess(0);
        },
        ::testing::ExitedWithCode(0), ::testing::Not(::testing::HasSubstr("exit handler ran")));
}

} // namespace
