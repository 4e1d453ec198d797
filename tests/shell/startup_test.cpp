// Start-up and shutdown: the settings files, the feature flags, the language of the locale, the
// window placement, and the splash's hand-over to the main window.

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QLabel>
#include <QMouseEvent>
#include <QSettings>
#include <QTimer>
#include <QTreeWidget>

#include "data/app_state.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "platform/ini_file.h"
#include "platform/numbers.h"
#include "platform/record_file.h"
#include "platform/serial_port_list.h"
#include "shell/frm_main.h"
#include "shell/frm_splash.h"
#include "shell/startup.h"
#include "shell_fixture.h"

namespace {

using shelltest::ShellTest;

TEST(LanguageForLocaleName, ChineseOnlyForMainlandChina)
{
    const std::pair<const char *, int> cases[] = {
        {"zh_CN.UTF-8", LangChinese}, {"zh_CN", LangChinese},       {"zh_CN.GB18030", LangChinese},
        {"zh-CN", LangChinese},       {"zh_CN.UTF-8@x", LangChinese}, {"zh_TW.UTF-8", LangEnglish},
        {"zh_HK.UTF-8", LangEnglish}, {"zh_SG.UTF-8", LangEnglish}, {"en_US.UTF-8", LangEnglish},
        {"fr_FR.UTF-8", LangEnglish}, {"C", LangEnglish},           {"", LangEnglish},
        {"zh", LangEnglish},
    };
    for (const auto &[name, language] : cases)
        EXPECT_EQ(LanguageForLocaleName(QLatin1String(name)), language) << name;
}

class StartupTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        extraPorts_ = qgetenv("TORVA_EXTRA_PORTS");
        qunsetenv("TORVA_EXTRA_PORTS");
        ListPorts({1, 5});
    }
    void TearDown() override
    {
        SetSystemSerialPortSource({});
        if (!extraPorts_.isEmpty())
            qputenv("TORVA_EXTRA_PORTS", extraPorts_);
        ShellTest::TearDown();
    }
    // The ports the system lists from now on.
    static void ListPorts(const QList<int> &numbers)
    {
        SetSystemSerialPortSource([numbers] {
            QList<SerialPortEntry> ports;
            for (int n : numbers)
                ports.append({n, QStringLiteral("/dev/ttyS%1").arg(n - 1)});
            return ports;
        });
    }
    QString Setup() const { return programDir->path(QStringLiteral("language/mysetup.ini")); }
    QString SettingFile() const { return programDir->path(QStringLiteral("Setting.ini")); }
    void WriteSetup(const QByteArray &text)
    {
        QFile f(Setup());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    QByteArray extraPorts_;
    // Start-up, then the splash's click: the main window.
    FrmMain *StartToMainWindow()
    {
        Main();
        auto *splash = FindWindow<FrmSplash>(QStringLiteral("frmSplash"));
        if (!splash)
            return nullptr;
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(splash->picLogo, &press);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return FindWindow<FrmMain>(QStringLiteral("frmMain"));
    }
};

TEST_F(StartupTest, LanguageComesFromTheLocaleEveryStart)
{
    qputenv("LANG", "zh_CN.UTF-8");
    Main();
    EXPECT_EQ(State().LanguageIndex, LangChinese);
    EXPECT_EQ(State().LanguageFilePath, QStringLiteral("language/chinese.ini"));
    EXPECT_EQ(State().LanguageFileName, QStringLiteral("chinese.ini"));
    CloseAllWindows();

    qputenv("LC_ALL", "en_GB.UTF-8"); // LC_ALL wins over LANG
    Main();
    EXPECT_EQ(State().LanguageIndex, LangEnglish);
    EXPECT_EQ(State().LanguageFilePath, QStringLiteral("language/english.ini"));
    EXPECT_EQ(State().LanguageFileName, QStringLiteral("english.ini"));
}

TEST_F(StartupTest, SetsTheStartValues)
{
    State().CurChannelNo = 9;
    State().HelpAvailable = 5;
    State().InitDataMode = 3;
    State().CurEditCol = 4;
    Main();
    const AppState &st = State();
    EXPECT_EQ(st.CurChannelNo, 0);
    EXPECT_EQ(st.HelpAvailable, 0);
    EXPECT_EQ(st.PrintAvailable, 0);
    EXPECT_EQ(st.InitDataMode, 0);
    EXPECT_EQ(st.SkipInitTemplate, 0);
    EXPECT_EQ(st.NoEchoFlag, -1);
    EXPECT_EQ(st.CurEditCol, 0);
    EXPECT_EQ(st.CurModelCode, QStringLiteral("TORVA6Y"));
    EXPECT_EQ(st.CurModelDisplay, QStringLiteral("TORVA-6Y"));
    EXPECT_EQ(st.CurBandPlanText, QStringLiteral("UHF(400 - 480 MHz) VHF(136 - 174 MHz)"));
    EXPECT_EQ(st.RadioVersion, QStringLiteral("V101"));
    EXPECT_EQ(st.ReadBlockSize, 16);
    EXPECT_EQ(st.WriteBlockSize, 16);
    EXPECT_EQ(st.IsWinNt60, 0);
    EXPECT_EQ(st.CurFileName, QStringLiteral("new.dat"));
    EXPECT_TRUE(st.FileUntitled);
    EXPECT_TRUE(st.HelpFile.isEmpty());
    EXPECT_TRUE(static_cast<bool>(Hooks().CloseCommPort));
}

TEST_F(StartupTest, ReadsTheSettingsFile)
{
    WriteSetup("[language]\nIsFirstRun=0\ncomPort=3\nHandshaking=2\nStopBit= 2 \nFactoryFres=1\n");
    Main();
    EXPECT_EQ(State().FirstRunFlag, 0);
    EXPECT_EQ(State().LinkHandshaking, 2);
    EXPECT_EQ(State().LinkStopBits, 2);
    EXPECT_EQ(State().FactoryFreqFlag, 1);
}

TEST_F(StartupTest, UnreadableSettingValuesAreZero)
{
    WriteSetup("[language]\nHandshaking=abc\nStopBit=\nFactoryFres=99999\n");
    State().LinkStopBits = 7;
    Main();
    EXPECT_EQ(State().FirstRunFlag, 0);
    EXPECT_EQ(State().LinkHandshaking, 0);
    EXPECT_EQ(State().LinkStopBits, 0);
    EXPECT_EQ(State().FactoryFreqFlag, 0);
}

TEST_F(StartupTest, StoredPortIsCheckedAgainstTheSystemsPorts)
{
    struct Case {
        const char *stored;
        QList<int> listed;
        int port;
    };
    const Case cases[] = {
        {"5", {1, 5}, 5},  // listed: kept
        {"3", {1, 5}, 1},  // not listed: the first listed port
        {"3", {}, 0},      // nothing listed: none
        {"", {5, 1}, 5},   // missing: the first listed port
        {"x", {}, 0},
    };
    for (const Case &c : cases) {
        WriteSetup(QByteArray("[language]\r\ncomPort=") + c.stored + "\r\nStopBit=1\r\n");
        ListPorts(c.listed);
        Main();
        EXPECT_EQ(State().ComPort, c.port) << c.stored;
        EXPECT_EQ(testenv::ReadAll(Setup()),
                  "[language]\r\ncomPort=" + QByteArray::number(c.port) + "\r\nStopBit=1\r\n")
            << c.stored;
        CloseAllWindows();
    }
}

TEST_F(StartupTest, FirstRunIsWrittenBackOnlyWhenSet)
{
    WriteSetup("[language]\nIsFirstRun=1\ncomPort=1\n");
    Main();
    EXPECT_EQ(State().FirstRunFlag, -1);
    EXPECT_EQ(testenv::ReadAll(Setup()), QByteArray("[language]\nIsFirstRun=0\ncomPort=1\n"));
    CloseAllWindows();

    WriteSetup("[language]\ncomPort=1\n");
    Main();
    EXPECT_EQ(State().FirstRunFlag, 0);
    EXPECT_EQ(testenv::ReadAll(Setup()), QByteArray("[language]\ncomPort=1\n"));
}

TEST_F(StartupTest, MissingSettingsFileIsCreatedWithThePort)
{
    QFile::remove(Setup());
    Main();
    EXPECT_EQ(State().FactoryFreqFlag, 0);
    EXPECT_EQ(IniFile::Read(Setup(), QStringLiteral("language"), QStringLiteral("comPort")),
              QString::number(State().ComPort));
    EXPECT_EQ(IniFile::Keys(Setup(), QStringLiteral("language")), QStringList{QStringLiteral("comPort")});
}

TEST_F(StartupTest, MissingFeatureFlagsFileIsCreatedEmptyAndHoldsOneRecordAfterShutdown)
{
    ASSERT_FALSE(QFile::exists(SettingFile()));
    FrmMain *main = StartToMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(QFile::exists(SettingFile()));
    EXPECT_EQ(QFileInfo(SettingFile()).size(), 0);
    EXPECT_EQ(State().FeatureFlags, (FeatureFlagsRecord{0, 0, 1, 0}));

    State().FeatureFlags = FeatureFlagsRecord{-1, 0x0102, 1, 2};
    main->close();
    EXPECT_EQ(testenv::ReadAll(SettingFile()), QByteArray::fromHex("FFFF" "0201" "0100" "0200"));
}

TEST_F(StartupTest, StoredDtmfFlagIsIgnoredAndOthersAreTaken)
{
    ASSERT_TRUE(RecordFile::Write(SettingFile(), 8, 1, QByteArray::fromHex("0100" "FEFF" "0000" "3412")));
    Main();
    EXPECT_EQ(State().FeatureFlags, (FeatureFlagsRecord{1, -2, 1, 0x1234}));
}

TEST_F(StartupTest, ShortFeatureFlagsFileReadsZerosBeyondItsEnd)
{
    QFile f(SettingFile());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::fromHex("0700"));
    f.close();
    Main();
    EXPECT_EQ(State().FeatureFlags, (FeatureFlagsRecord{7, 0, 1, 0}));
}

TEST_F(StartupTest, SplashPictureFollowsTheLanguage)
{
    qputenv("LANG", "zh_CN.UTF-8");
    Main();
    EXPECT_EQ(FrmSplash::PictureFile(), QStringLiteral("StartC.jpg"));
    auto *splash = FindWindow<FrmSplash>(QStringLiteral("frmSplash"));
    ASSERT_NE(splash, nullptr);
    EXPECT_FALSE(splash->picLogo->pixmap().isNull());
    EXPECT_TRUE(splash->Timer1->isActive());
    EXPECT_EQ(splash->Timer1->interval(), 2000);
    EXPECT_TRUE(QFile::exists(programDir->path(QStringLiteral("StartC.jpg"))));
    EXPECT_TRUE(QFile::exists(programDir->path(QStringLiteral("StartE.jpg"))));
    CloseAllWindows();
    qputenv("LANG", "de_DE.UTF-8");
    Main();
    EXPECT_EQ(FrmSplash::PictureFile(), QStringLiteral("StartE.jpg"));
}

TEST_F(StartupTest, MissingSplashPictureStillHandsOver)
{
    QFile::remove(programDir->path(QStringLiteral("StartE.jpg")));
    EXPECT_NE(StartToMainWindow(), nullptr);
}

TEST_F(StartupTest, ClickOnSplashShowsMainWindowOnceAndTimerDoesNotShowASecond)
{
    Main();
    auto *splash = FindWindow<FrmSplash>(QStringLiteral("frmSplash"));
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(FindWindow<FrmMain>(QStringLiteral("frmMain")), nullptr);
    QPointer<FrmSplash> guard(splash);
    QTimer *timer = splash->Timer1;
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(splash->picLogo, &press);
    EXPECT_FALSE(timer->isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull()); // unloaded

    int mains = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        mains += qobject_cast<FrmMain *>(w) ? 1 : 0;
    EXPECT_EQ(mains, 1);
    auto *main = FindWindow<FrmMain>(QStringLiteral("frmMain"));
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(main->isHidden());
    EXPECT_TRUE(main->MainWindowLoaded());
}

TEST_F(StartupTest, SplashTimerHandsOverWhenStartUpHasEnded)
{
    Main();
    auto *splash = FindWindow<FrmSplash>(QStringLiteral("frmSplash"));
    ASSERT_NE(splash, nullptr);
    splash->Timer1->start(1);
    QElapsedTimer clock;
    clock.start();
    while (!FindWindow<FrmMain>(QStringLiteral("frmMain")) && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_NE(FindWindow<FrmMain>(QStringLiteral("frmMain")), nullptr);
}

class PlacementTest : public StartupTest {
protected:
    QSettings Store() const { return QSettings(QStringLiteral("TORVA_6Y"), QStringLiteral("TORVA_6Y")); }
};

TEST_F(PlacementTest, StoredPlacementIsRestoredAndStoredAgainInTwips)
{
    {
        QSettings s = Store();
        s.setValue(QStringLiteral("Settings/MainLeft"), QStringLiteral("1500"));
        s.setValue(QStringLiteral("Settings/MainTop"), QStringLiteral("750"));
        s.setValue(QStringLiteral("Settings/MainWidth"), QStringLiteral("12000"));
        s.setValue(QStringLiteral("Settings/MainHeight"), QStringLiteral("9000"));
    }
    FrmMain *main = StartToMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->size(), QSize(800, 600));
    main->resize(900, 610);
    main->close();
    QSettings s = Store();
    EXPECT_EQ(s.value(QStringLiteral("Settings/MainWidth")).toString(), QStringLiteral("13500"));
    EXPECT_EQ(s.value(QStringLiteral("Settings/MainHeight")).toString(), QStringLiteral("9150"));
    EXPECT_TRUE(IsNumeric(s.value(QStringLiteral("Settings/MainLeft")).toString()));
    EXPECT_TRUE(IsNumeric(s.value(QStringLiteral("Settings/MainTop")).toString()));
}

TEST_F(PlacementTest, NothingStoredOpensAtTopLeftWithTheScreenSize)
{
    const WindowPlacement p = ReadMainPlacement(19200, 10800);
    EXPECT_EQ(p.Left, 0);
    EXPECT_EQ(p.Top, 0);
    EXPECT_EQ(p.Width, 19200);
    EXPECT_EQ(p.Height, 10800);
}

TEST_F(PlacementTest, StoredTextThatIsNotANumberCountsAsMissing)
{
    {
        QSettings s = Store();
        s.setValue(QStringLiteral("Settings/MainLeft"), QStringLiteral("left"));
        s.setValue(QStringLiteral("Settings/MainWidth"), QStringLiteral("1215.5"));
    }
    const WindowPlacement p = ReadMainPlacement(19200, 10800);
    EXPECT_EQ(p.Left, 0);
    EXPECT_EQ(p.Width, 1215.5);
}

TEST_F(PlacementTest, MinimisedWindowLeavesTheStoredPlacement)
{
    {
        QSettings s = Store();
        s.setValue(QStringLiteral("Settings/MainWidth"), QStringLiteral("12000"));
    }
    FrmMain *main = StartToMainWindow();
    ASSERT_NE(main, nullptr);
    main->resize(500, 400);
    main->setWindowState(Qt::WindowMinimized);
    main->close();
    QSettings s = Store();
    EXPECT_EQ(s.value(QStringLiteral("Settings/MainWidth")).toString(), QStringLiteral("12000"));
    EXPECT_FALSE(s.contains(QStringLiteral("Settings/MainHeight")));
}

} // namespace
