#include "shell/startup.h"

#include <QApplication>
#include <QFile>
#include <QSettings>

#include "data/app_state.h"
#include "data/defaults.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/message_table.h"
#include "data/model_band.h"
#include "data/version_dispatch.h"
#include "link/com_port_list.h"
#include "link/link_windows.h"
#include "link/radio_link.h"
#include "platform/ini_file.h"
#include "platform/numbers.h"
#include "platform/program_dir.h"
#include "platform/prompt.h"
#include "platform/record_file.h"
#include "shell/frm_splash.h"

namespace {

const char *const kSetupSection = "language";
constexpr int kSetupBuffer = 512;
constexpr int kFeatureRecordLength = 8;

QSettings PlacementStore()
{
    return QSettings(QStringLiteral("TORVA_6Y"), QStringLiteral("TORVA_6Y"));
}

double PlacementValue(const QSettings &store, const QString &key, double def)
{
    const QString text = store.value(QStringLiteral("Settings/") + key).toString();
    return IsNumeric(text) ? Val(text) : def;
}

} // namespace

void ResetGridEditState() { State().CurEditCol = 0; }

QString HelpFileName(int languageIndex)
{
    return languageIndex == LangChinese ? QStringLiteral("TORVA_6YC.chm") : QStringLiteral("TORVA_6YE.chm");
}

int LanguageForLocaleName(const QString &localeName)
{
    // "zh_CN.UTF-8@modifier": the language and territory part decides.
    QString name = localeName;
    name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    return name.compare(QStringLiteral("zh_CN"), Qt::CaseInsensitive) == 0 ? LangChinese : LangEnglish;
}

QString SystemLocaleName()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return QString();
}

int16_t ReadSetupValue(const QString &key)
{
    const QString text = IniFile::Read(MySetupPath(), QLatin1String(kSetupSection), key, QString(), kSetupBuffer);
    if (!IsNumeric(text))
        return 0;
    const long long value = CInt(Val(text));
    return value >= -32768 && value <= 32767 ? static_cast<int16_t>(value) : int16_t(0);
}

bool WriteSetupValue(const QString &key, int value)
{
    return IniFile::Write(MySetupPath(), QLatin1String(kSetupSection), key, QString::number(int16_t(value)));
}

QString FeatureFlagsFilePath() { return ProgramPath(QStringLiteral("Setting.ini")); }

QByteArray FeatureFlagsBytes(const FeatureFlagsRecord &flags)
{
    QByteArray out;
    ByteWriter w(out);
    w.i16le(flags.Flag7);
    w.i16le(flags.Flag6);
    w.i16le(flags.DtmfFlag);
    w.i16le(flags.Flag4);
    return out;
}

FeatureFlagsRecord FeatureFlagsFromBytes(const QByteArray &record)
{
    ByteReader r(record);
    FeatureFlagsRecord flags;
    flags.Flag7 = r.i16le();
    flags.Flag6 = r.i16le();
    flags.DtmfFlag = r.i16le();
    flags.Flag4 = r.i16le();
    return flags;
}

void LoadFeatureFlags()
{
    const QString path = FeatureFlagsFilePath();
    if (!RecordFile::Exists(path)) {
        // Opening the record file creates it, empty, as the flags' file of this program.
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.close();
    }
    QByteArray record;
    FeatureFlagsRecord flags;
    if (RecordFile::Read(path, kFeatureRecordLength, 1, record))
        flags = FeatureFlagsFromBytes(record);
    flags.DtmfFlag = 1;
    State().FeatureFlags = flags;
}

bool SaveFeatureFlags()
{
    return RecordFile::Write(FeatureFlagsFilePath(), kFeatureRecordLength, 1, FeatureFlagsBytes(State().FeatureFlags));
}

WindowPlacement ReadMainPlacement(double screenWidth, double screenHeight)
{
    const QSettings store = PlacementStore();
    WindowPlacement p;
    p.Left = PlacementValue(store, QStringLiteral("MainLeft"), 0);
    p.Top = PlacementValue(store, QStringLiteral("MainTop"), 0);
    p.Width = PlacementValue(store, QStringLiteral("MainWidth"), screenWidth);
    p.Height = PlacementValue(store, QStringLiteral("MainHeight"), screenHeight);
    return p;
}

void StoreMainPlacement(const WindowPlacement &placement)
{
    QSettings store = PlacementStore();
    // Single-precision values, written as their plain decimal text with ".".
    const auto text = [](double v) { return NumberText(static_cast<float>(v)); };
    store.setValue(QStringLiteral("Settings/MainLeft"), text(placement.Left));
    store.setValue(QStringLiteral("Settings/MainTop"), text(placement.Top));
    store.setValue(QStringLiteral("Settings/MainWidth"), text(placement.Width));
    store.setValue(QStringLiteral("Settings/MainHeight"), text(placement.Height));
    store.sync();
}

void Main()
{
    AppState &st = State();

    // The layers below the windows reach the dialogs and the link's windows through these.
    InstallQtPrompt();
    RegisterLinkWindows();

    // A hand-over to another installed version closes the radio's port first.
    Hooks().CloseCommPort = [] { CloseCommPort(); };

    LoadVersionTable();

    st.SkipInitTemplate = 0;
    st.HelpAvailable = 0;
    st.PrintAvailable = 0;
    st.InitDataMode = 0;
    st.NoEchoFlag = -1;

    // Number format: nothing to change; see the header.

    // The language of the user's locale, for this run only.
    SetLanguage(LanguageForLocaleName(SystemLocaleName()));
    st.LanguageFileName = LanguageFileName(st.LanguageIndex);

    st.CurChannelNo = 0;
    st.PasswordEntry.clear();
    st.FmBandLow = 88.0;
    st.FmBandHigh = 108.0;
    st.RadioModelCode = QStringLiteral("TORVA6Y");
    st.CurModelCode = QStringLiteral("TORVA6Y");
    st.CurModelDisplay = ModelDisplayName(st.CurModelCode);
    st.CurBandPlanText = QStringLiteral("UHF(400 - 480 MHz) VHF(136 - 174 MHz)");
    st.CurBandPlanIndex = 0;
    st.RadioVersion = QStringLiteral("V101");
    ParseBandLimits();

    st.ReplySkip = 0;
    st.ReadBlockSize = 16;
    st.WriteBlockSize = 16;

    // The port rules of one particular Windows version do not apply here.
    st.IsWinNt60 = 0;

    st.FirstRunFlag = ReadSetupValue(QStringLiteral("IsFirstRun")) != 0 ? -1 : 0;
    st.ComPort = ReadSetupValue(QStringLiteral("comPort"));
    st.LinkHandshaking = ReadSetupValue(QStringLiteral("Handshaking"));
    st.LinkStopBits = ReadSetupValue(QStringLiteral("StopBit"));
    st.FactoryFreqFlag = ReadSetupValue(QStringLiteral("FactoryFres"));

    if (st.IsWinNt60 == 0 && !IsComPortListed(st.ComPort))
        st.ComPort = FirstComPort();
    if (st.FirstRunFlag != 0)
        WriteSetupValue(QStringLiteral("IsFirstRun"), 0);
    WriteSetupValue(QStringLiteral("comPort"), st.ComPort);

    ResetGridEditState();
    NewFreData();
    InitEmbeddedInfo();
    InitMessageTable();
    InitCloseHelpCaptions();
    CallHook(Hooks().InitPrintLanguage);

    // Shown at once and drawn now, while start-up goes on; its timer acts only after Main.
    auto *splash = new FrmSplash;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    splash->repaint();

    CallHook(Hooks().DetectFactoryTestMode);

    if (st.HelpAvailable != 0)
        st.HelpFile = ProgramPath(HelpFileName(st.LanguageIndex));

    CallHook(Hooks().LoadBatchFunFlags);

    LoadFeatureFlags();
}
