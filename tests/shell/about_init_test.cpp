// The About box and the initialisation settings window.

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "data/app_state.h"
#include "data/lang_text.h"
#include "platform/ini_file.h"
#include "platform/process_launcher.h"
#include "shell/frm_about.h"
#include "shell/frm_init.h"
#include "shell/startup.h"
#include "shell_fixture.h"

namespace {

using shelltest::ShellTest;

class RecordingLauncher : public ProcessLauncher {
public:
    RecordingLauncher() { setLauncher(this); }
    ~RecordingLauncher() override { setLauncher(nullptr); }
    bool StartDetached(const QString &program, const QStringList &, const QString &) override
    {
        started << program;
        return startResult;
    }
    void EndProcess(int) override { ended = true; }
    QStringList started;
    bool startResult = true;
    bool ended = false;
};

class AboutTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        oldPath_ = qgetenv("PATH");
        qputenv("PATH", toolDir_.path().toLocal8Bit());
    }
    void TearDown() override
    {
        qputenv("PATH", oldPath_);
        ShellTest::TearDown();
    }
    QString AddTool(const QString &name)
    {
        const QString path = toolDir_.path() + QLatin1Char('/') + name;
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("#!/bin/sh\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
    QTemporaryDir toolDir_;
    QByteArray oldPath_;
};

TEST_F(AboutTest, ShowsTitleVersionAndTextsOfTheLanguage)
{
    for (int language : {int(LangEnglish), int(LangChinese)}) {
        SetLanguage(language);
        FrmAbout about;
        EXPECT_EQ(about.windowTitle(), GetLangText(5052));
        EXPECT_EQ(about.lblTitle->text(), QStringLiteral("TORVA_6Y"));
        EXPECT_EQ(about.lblVersion->text(), GetLangText(2200) + QStringLiteral(" 1.0.1"));
        EXPECT_EQ(about.lblDescription->text(), GetLangText(2101));
        EXPECT_EQ(about.lblDisclaimer->text(), GetLangText(2100));
        EXPECT_EQ(about.cmdOK->text(), GetLangText(101));
        EXPECT_EQ(about.cmdSysInfo->text(), GetLangText(1036));
        EXPECT_EQ(about.font().family(), GetLangText(20));
    }
    SetLanguage(LangEnglish);
    EXPECT_EQ(FrmAbout().lblVersion->text(), QStringLiteral("Version 1.0.1"));
}

TEST_F(AboutTest, OkAndEscapeCloseTheBox)
{
    FrmAbout about;
    EXPECT_TRUE(about.cmdOK->isDefault());
    about.show();
    about.cmdOK->click();
    EXPECT_TRUE(about.isHidden());
    EXPECT_EQ(about.result(), QDialog::Accepted);

    FrmAbout other;
    other.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&other, &escape);
    EXPECT_TRUE(other.isHidden());
}

TEST_F(AboutTest, NoSystemInformationToolGivesTheMessageAndTheBoxStays)
{
    RecordingLauncher launcher;
    FrmAbout about;
    about.show();
    about.cmdSysInfo->click();
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text, QStringLiteral("此时系统信息不可用"));
    EXPECT_EQ(script->messages()[0].title, QStringLiteral("TORVA_6Y"));
    EXPECT_EQ(script->messages()[0].style, int(vbOKOnly));
    EXPECT_TRUE(launcher.started.isEmpty());
    EXPECT_FALSE(about.isHidden());
}

TEST_F(AboutTest, FoundToolIsStartedWithoutAMessage)
{
    RecordingLauncher launcher;
    const QString tool = AddTool(FrmAbout::SysInfoTools().last());
    FrmAbout about;
    about.cmdSysInfo->click();
    EXPECT_EQ(launcher.started, QStringList{tool});
    EXPECT_EQ(script->messages().size(), 0);
}

TEST_F(AboutTest, ToolThatCannotBeStartedGivesTheMessage)
{
    RecordingLauncher launcher;
    launcher.startResult = false;
    AddTool(FrmAbout::SysInfoTools().first());
    FrmAbout about;
    about.cmdSysInfo->click();
    EXPECT_EQ(launcher.started.size(), 1);
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text, QStringLiteral("此时系统信息不可用"));
}

class InitTest : public ShellTest {
protected:
    QString Setup() const { return programDir->path(QStringLiteral("language/mysetup.ini")); }
    QString StoredFlag() const { return IniFile::Read(Setup(), QStringLiteral("language"), QStringLiteral("FactoryFres")); }
};

TEST_F(InitTest, CaptionsAndTheFlagShown)
{
    State().FactoryFreqFlag = 1;
    FrmInit init;
    EXPECT_EQ(init.windowTitle(), GetLangText(1411));
    EXPECT_EQ(init.Check1->text(), GetLangText(1412));
    EXPECT_EQ(init.CommandOK->text(), GetLangText(101));
    EXPECT_EQ(init.CommandCancel->text(), GetLangText(102));
    EXPECT_EQ(init.Check1->checkState(), Qt::Checked);
}

TEST_F(InitTest, OkStoresTheBoxInStateAndSettingsFile)
{
    FrmInit ticked;
    ticked.Check1->setChecked(true);
    ticked.CommandOK->click();
    EXPECT_EQ(State().FactoryFreqFlag, 1);
    EXPECT_EQ(StoredFlag(), QStringLiteral("1"));

    FrmInit cleared;
    cleared.Check1->setChecked(false);
    cleared.CommandOK->click();
    EXPECT_EQ(State().FactoryFreqFlag, 0);
    EXPECT_EQ(StoredFlag(), QStringLiteral("0"));
    EXPECT_EQ(ReadSetupValue(QStringLiteral("FactoryFres")), 0);
}

TEST_F(InitTest, CancelChangesNothing)
{
    const QByteArray before = testenv::ReadAll(Setup());
    FrmInit init;
    init.Check1->setChecked(true);
    init.CommandCancel->click();
    EXPECT_EQ(State().FactoryFreqFlag, 0);
    EXPECT_EQ(testenv::ReadAll(Setup()), before);
}

} // namespace
