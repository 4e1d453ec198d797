#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

#include "common/test_env.h"
#include "data/app_state.h"
#include "data/data_file.h"
#include "data/defaults.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/model_band.h"
#include "data/version_dispatch.h"

namespace {

QByteArray Hex(const char *hex) { return QByteArray::fromHex(hex); }
QByteArray Spaces(int n) { return QByteArray(n, ' '); }
QByteArray Zeros(int n) { return QByteArray(n, '\0'); }
QByteArray NulSpaces(int n) { return Zeros(1) + Spaces(n - 1); }

// The bytes with others laid in at offset.
QByteArray Patched(QByteArray bytes, int offset, const QByteArray &with)
{
    return bytes.replace(offset, with.size(), with);
}

bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Everything a file command may change.
struct DataState {
    RadioDataRecord radioData, savedRadioData;
    ChannelSlots channelList, savedChannelList;
    int16_t bandPlanIndex;
    QString bandPlanText;
    std::array<double, 2> rxLow, rxHigh;
    QString curFileName;
    bool fileUntitled;
    bool operator==(const DataState &) const = default;
};

DataState Capture()
{
    const AppState &s = State();
    return {s.RadioData,        s.SavedRadioData,  s.ChannelList, s.SavedChannelList, s.CurBandPlanIndex,
            s.CurBandPlanText,  s.RxBandLow,       s.RxBandHigh,  s.CurFileName,      s.FileUntitled};
}

class DataFileTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        LoadVersionTable();
        ASSERT_TRUE(QDir(programDir->path(QStringLiteral("Init"))).removeRecursively());
        NewFreData();
        Hooks().ReShowListByData = [this] { ++listRedraws; };
        Hooks().ReShowRadioListByData = [this] { ++radioRedraws; };
    }
    QString Path(const QString &name) const { return work.path() + QLatin1Char('/') + name; }

    // Saves the current data as name; the saved file's bytes.
    QByteArray SaveAs(const QString &name)
    {
        State().CurFileName = Path(name);
        EXPECT_TRUE(SaveDataFile());
        return testenv::ReadAll(Path(name));
    }

    // Shows exactly one message, with that text and those buttons.
    void ExpectOneMessage(const QString &text, int buttons = vbOKOnly)
    {
        const QList<PromptCall> msgs = script->messages();
        ASSERT_EQ(msgs.size(), 1);
        EXPECT_EQ(msgs[0].text, text);
        EXPECT_EQ(msgs[0].style & 7, buttons);
    }

    QTemporaryDir work;
    int listRedraws = 0;
    int radioRedraws = 0;
};

// ---------------------------------------------------------------------------------------------
// Saving

TEST_F(DataFileTest, DefaultSetIsSavedInTheFileFormat)
{
    const QByteArray dat = SaveAs(QStringLiteral("a.dat"));
    ASSERT_EQ(dat.size(), kRadioDataFileSize);

    struct Row {
        int offset;
        QByteArray bytes;
        const char *what;
    };
    const Row rows[] = {
        {0, Hex("0000"), "band plan 0"},
        // DTMF: code memories and PTT-ID codes spaces with length 0, then the settings.
        {2, Spaces(24) + Hex("0000"), "code memory M1"},
        {392, Spaces(24) + Hex("0000"), "code memory M16"},
        {444, Spaces(24) + Hex("0000"), "PTT-ID end code"},
        {470, Spaces(14) + Hex("0000") + Spaces(14) + Hex("0000"), "remote kill and stun"},
        {502, Hex("0000 0100 0300") + "000" + Hex("0e00 0a00 0000 1400 1400 0000 1400 0a00 0000"), "DTMF settings"},
        // 2-tone: decode tones and divisors high byte first, the tone table low byte first.
        {529, Hex("0c91 2441 00 3a48 1434 00 00 00 910c 4124 7918 d64f 05 05 0a 00"), "2-tone general"},
        {553, Hex("0000 3a48 1434 0c91 2441") + Zeros(7), "2-tone entry 1"},
        {570, Hex("0100") + Zeros(8) + Zeros(7), "2-tone entry 2"},
        {1080, Hex("0100") + Zeros(15), "2-tone entry 32"},
        // 5-tone: header, own ID (NUL and spaces), settings, the six Integers.
        {1097, Hex("00 00 00 00 46") + NulSpaces(6) + Hex("00 14 14 0a 1400 1400 0000 1400 0000 0d00"), "5-tone settings"},
        {1124, Hex("00 00 00") + NulSpaces(12) + Zeros(7), "decode code 1"},
        {1278, Hex("00 00 00") + NulSpaces(12) + Zeros(7), "decode code 8"},
        {1300, Zeros(106), "5-tone PTT-ID records untouched"},
        {1406, Hex("0100 00 00 00 46") + Spaces(40) + Zeros(7), "5-tone row 1"},
        {6653, Hex("0100 00 00 00 46") + Spaces(40) + Zeros(7), "5-tone row 100"},
        {6706, Hex("c05d 6829 502d 9c31 b036 c43b 3c41 7c47 204e f055 606d a41f e425 9222 9065 5424"), "user standard"},
        // Options, scan, alarm.
        {6738, Zeros(64) + NulSpaces(12), "options and power-on password"},
        {6814, Hex("00 00 00 05 05 00 00 00 00 00 00 00 00 00"), "scan"},
        {6828, Hex("00 00 00 00 00 00 00 00 00 00 01 05"), "alarm"},
        {6840, Hex("0800"), "channel count"},
        // FM radio: number, used, frequency.
        {6842, Hex("0100 0100") + "01080000" + Hex("0200 0000") + "00000000", "FM entries 0 and 1"},
        {8042, Hex("6500 0100") + "01080000", "FM VFO"},
        // Communication book: number, call ID, name.
        {8054, Hex("0000") + NulSpaces(5) + NulSpaces(6) + Hex("0100") + NulSpaces(5), "book entries 0 and 1"},
        {9705, Hex("7f00") + NulSpaces(5) + NulSpaces(6), "book entry 127"},
        // The tail: decode time, keys, FM switch, model, version, second key.
        {9718, Hex("02 00 00") + "TORVA6Y" + Spaces(9) + "V101" + Hex("00"), "tail"},
    };
    for (const Row &r : rows)
        EXPECT_EQ(dat.mid(r.offset, r.bytes.size()).toHex(' '), r.bytes.toHex(' ')) << r.what << " at " << r.offset;

    // The channel file: the eight default channels, 109 bytes each.
    const QByteArray fre = testenv::ReadAll(Path(QStringLiteral("a.fre")));
    ASSERT_EQ(fre.size(), 8 * 109);
    auto channel = [](const char *number, const char *rx) {
        return Hex(number) + Hex("0100 0100") + rx + "000000000" + NulSpaces(6) + Zeros(32) + Hex("1400 1400") +
               Zeros(18) + Hex("e705") + Zeros(18) + "00000";
    };
    EXPECT_EQ(fre.mid(0, 109).toHex(' '), channel("0100", "044000000").toHex(' '));
    EXPECT_EQ(fre.mid(109, 109).toHex(' '), channel("0200", "015500000").toHex(' '));
    EXPECT_EQ(fre.mid(218, 109).toHex(' '), channel("c900", "044000000").toHex(' '));
    EXPECT_EQ(fre.mid(763, 109).toHex(' '), channel("ce00", "015500000").toHex(' '));
}

TEST_F(DataFileTest, SaveTakesTheSnapshotAndNamesTheData)
{
    State().RadioData.Pf1KeyFunction = 2;
    State().CurModelCode = QStringLiteral("K58TXB");
    State().CurBandPlanIndex = 5; // the snapshot records the current band plan
    ASSERT_TRUE(IsDataModified());
    const QByteArray dat = SaveAs(QStringLiteral("b.dat"));
    EXPECT_EQ(dat.mid(0, 2), Hex("0500"));
    EXPECT_EQ(dat.mid(9721, 16), QByteArray("K58TXB") + Spaces(10));
    EXPECT_FALSE(State().FileUntitled);
    EXPECT_EQ(State().CurFileName, Path(QStringLiteral("b.dat")));
    EXPECT_TRUE(IsDataUnchanged());
    EXPECT_EQ(State().SavedRadioData.Pf1KeyFunction, 2);
    EXPECT_EQ(State().RadioData.BandPlanIndex, 5);
    EXPECT_TRUE(script->calls.isEmpty());
}

TEST_F(DataFileTest, ChannelFileIsNeverTheDataFile)
{
    struct Case {
        const char *chosen, *dat, *fre;
    };
    for (const Case &c : {Case{"plain", "plain.dat", "plain.fre"}, Case{"x.fre", "x.fre.dat", "x.fre.fre"},
                          Case{"upper.DAT", "upper.DAT", "upper.FRE"}, Case{"dot.", "dot..dat", "dot..fre"}}) {
        SCOPED_TRACE(c.chosen);
        State().CurFileName = Path(QString::fromLatin1(c.chosen));
        ASSERT_TRUE(SaveDataFile());
        EXPECT_EQ(State().CurFileName, Path(QString::fromLatin1(c.dat)));
        EXPECT_EQ(QFileInfo(Path(QString::fromLatin1(c.dat))).size(), kRadioDataFileSize);
        EXPECT_EQ(QFileInfo(Path(QString::fromLatin1(c.fre))).size(), 8 * kChannelRecordSize);
    }
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("plain"))));
    EXPECT_EQ(ChannelFilePathOf(QStringLiteral("/d/a.dat")), QStringLiteral("/d/a.fre"));
    EXPECT_EQ(ChannelFilePathOf(QStringLiteral("/d/a.fre")), QStringLiteral("/d/a.fre.fre"));
}

TEST_F(DataFileTest, FailedSaveKeepsTheOldFilesAndTheDataUnsaved)
{
    const QByteArray oldDat = SaveAs(QStringLiteral("c.dat"));
    const QByteArray oldFre = testenv::ReadAll(Path(QStringLiteral("c.fre")));
    ASSERT_TRUE(WriteBytes(Path(QStringLiteral("plainfile")), "x"));

    struct Case {
        const char *what;
        QString fileName;
        std::function<void()> prepare;
    };
    const Case cases[] = {
        // The channel file cannot be written: the old data file must stay as it was.
        {"channel file blocked", Path(QStringLiteral("c.dat")),
         [&] {
             QFile::remove(Path(QStringLiteral("c.fre")));
             QDir().mkpath(Path(QStringLiteral("c.fre")));
         }},
        {"data file is a folder", Path(QStringLiteral("d.dat")), [&] { QDir().mkpath(Path(QStringLiteral("d.dat"))); }},
        {"folder is a file", Path(QStringLiteral("plainfile/e.dat")), [] {}},
        {"folder missing", Path(QStringLiteral("nowhere/e.dat")), [] {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        script->clear();
        c.prepare();
        State().RadioData.Pf2KeyFunction = 3;
        State().CurFileName = Path(QStringLiteral("c.dat"));
        State().FileUntitled = true;
        ASSERT_TRUE(IsDataModified());
        const DataState before = Capture();
        State().TestModeFlag = true;
        Hooks().TestDataFileBytes = [] { return std::optional<QByteArray>(QByteArray(16, 'T')); };

        EXPECT_FALSE(SaveDataFile(c.fileName)); // Save As: the name is taken only with the files

        ExpectOneMessage(QStringLiteral("file error."));
        EXPECT_TRUE(IsDataModified());
        EXPECT_TRUE(Capture() == before);
        State().TestModeFlag = false;
    }
    EXPECT_EQ(testenv::ReadAll(Path(QStringLiteral("c.dat"))), oldDat);
    EXPECT_EQ(testenv::ReadAll(Path(QStringLiteral("plainfile"))), QByteArray("x"));
    ASSERT_EQ(oldFre.size(), 8 * kChannelRecordSize);
    // No half-written file is left beside the old ones.
    EXPECT_EQ(QDir(work.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(DataFileTest, FactoryTestDataAreSavedWithTheDataSetOrNotAtAll)
{
    AppState &s = State();
    s.TestModeFlag = true;
    s.CurTestData[3] = 0x5A;
    Hooks().TestDataFileBytes = [] { return std::optional<QByteArray>(QByteArray("test data bytes!")); };
    SaveAs(QStringLiteral("t.dat"));
    EXPECT_EQ(testenv::ReadAll(Path(QStringLiteral("t.ted"))), QByteArray("test data bytes!"));
    EXPECT_EQ(s.TestDataPath, Path(QStringLiteral("t.ted")));
    EXPECT_EQ(s.SavedTestData[3], 0x5A);
    EXPECT_TRUE(IsDataUnchanged());

    // No bytes, no hook, or no factory mode: no test-data file.
    struct Case {
        const char *what;
        bool testMode;
        std::function<std::optional<QByteArray>()> hook;
    };
    for (const Case &c : {Case{"no bytes", true, [] { return std::optional<QByteArray>(); }},
                          Case{"empty hook", true, {}},
                          Case{"not in factory mode", false, [] { return std::optional<QByteArray>("x"); }}}) {
        SCOPED_TRACE(c.what);
        s.TestModeFlag = c.testMode;
        Hooks().TestDataFileBytes = c.hook;
        SaveAs(QStringLiteral("u.dat"));
        EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("u.ted"))));
    }

    // A test-data file that cannot be put in place fails the whole save: the channel file already
    // replaced before it is put back, so the old pair stays whole and matching.
    s.TestModeFlag = true;
    Hooks().TestDataFileBytes = [] { return std::optional<QByteArray>("new test data"); };
    const QByteArray oldDat = SaveAs(QStringLiteral("f.dat"));
    const QByteArray oldFre = testenv::ReadAll(Path(QStringLiteral("f.fre")));
    ASSERT_TRUE(QFile::remove(Path(QStringLiteral("f.ted"))));
    ASSERT_TRUE(QDir().mkpath(Path(QStringLiteral("f.ted/inside"))));
    const QStringList filesBefore = QDir(work.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    s.ChannelList[0].Name.assign("NEW");
    s.RadioData.ChannelCount = 3;
    const DataState before = Capture();
    script->clear();

    EXPECT_FALSE(SaveDataFile());

    ExpectOneMessage(QStringLiteral("file error."));
    EXPECT_EQ(testenv::ReadAll(Path(QStringLiteral("f.dat"))), oldDat);
    EXPECT_EQ(testenv::ReadAll(Path(QStringLiteral("f.fre"))), oldFre);
    EXPECT_EQ(QDir(work.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), filesBefore);
    EXPECT_TRUE(Capture() == before);
    EXPECT_TRUE(IsDataModified());
}

TEST_F(DataFileTest, FactoryModeOpenHandsTheDataFilePathToTheTestDataHook)
{
    State().TestModeFlag = true;
    SaveAs(QStringLiteral("T.DAT"));
    QStringList loaded;
    Hooks().LoadTestDataBeside = [&](const QString &p) {
        loaded << p;
        State().SavedTestData[0] = 0x11;
    };
    State().CurTestData[4] = 1;
    ASSERT_TRUE(OpenDataFile(Path(QStringLiteral("T.DAT"))));
    EXPECT_EQ(loaded, QStringList{Path(QStringLiteral("T.DAT"))});
    EXPECT_EQ(State().CurTestData[0], 0x11);
    EXPECT_EQ(State().CurTestData[4], 0);
}

TEST_F(DataFileTest, FilesBesideADataFileAreFoundWhateverTheCaseOfTheirSuffix)
{
    // A data set saved by another program in capitals opens with its channels, and a save writes
    // back into that same channel file.
    SaveAs(QStringLiteral("x.dat"));
    ASSERT_TRUE(QFile::rename(Path(QStringLiteral("x.dat")), Path(QStringLiteral("RADIO.DAT"))));
    ASSERT_TRUE(QFile::rename(Path(QStringLiteral("x.fre")), Path(QStringLiteral("RADIO.FRE"))));
    AppState &s = State();
    s.RadioData.ChannelCount = 0;
    ASSERT_TRUE(OpenDataFile(Path(QStringLiteral("RADIO.DAT"))));
    EXPECT_EQ(s.RadioData.ChannelCount, 8);
    EXPECT_TRUE(script->calls.isEmpty());
    s.ChannelList[0].Name.assign("SAVED");
    ASSERT_TRUE(SaveDataFile());
    EXPECT_EQ(QDir(work.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"RADIO.DAT", "RADIO.FRE"}));
    EXPECT_EQ(testenv::ReadAll(Path(QStringLiteral("RADIO.FRE"))).mid(24, 6), QByteArray("SAVED "));

    struct Case {
        const char *data;
        QStringList present;
        const char *fre;
    };
    const Case cases[] = {
        {"a.DAT", {}, "a.FRE"},                         // none yet: cased like the data file's suffix
        {"b.Dat", {}, "b.fre"},
        {"c.dat", {"c.FRE"}, "c.FRE"},                  // the one that is there
        {"d.DAT", {"d.Fre", "d.fre"}, "d.Fre"},         // none cased like the data file: the first by name
        {"e.DAT", {"e.fre", "e.FRE"}, "e.FRE"},         // the one cased like the data file first
        {"f.dat", {"F.fre"}, "f.fre"},                  // only the suffix may differ
        {"g.fre", {"g.fre.FRE"}, "g.fre.FRE"},          // never the data file itself
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.data);
        for (const QString &name : c.present)
            ASSERT_TRUE(WriteBytes(Path(name), "x"));
        EXPECT_EQ(ChannelFilePathOf(Path(QString::fromLatin1(c.data))), Path(QString::fromLatin1(c.fre)));
    }
    ASSERT_TRUE(WriteBytes(Path(QStringLiteral("RADIO.ted")), "x"));
    EXPECT_EQ(TestDataFilePathOf(Path(QStringLiteral("RADIO.DAT"))), Path(QStringLiteral("RADIO.ted")));
    EXPECT_EQ(TestDataFilePathOf(Path(QStringLiteral("new.DAT"))), Path(QStringLiteral("new.TED")));
}

TEST_F(DataFileTest, ChannelFileAloneFromAndIntoTheSavedSlots)
{
    AppState &s = State();
    s.SavedChannelList[2].Power = 1;
    ASSERT_TRUE(WriteChannelFile(Path(QStringLiteral("k.dat")), 3));
    const QByteArray fre = testenv::ReadAll(Path(QStringLiteral("k.fre")));
    ASSERT_EQ(fre.size(), 3 * kChannelRecordSize);
    EXPECT_EQ(fre.mid(2 * 109, 2).toHex(' '), Hex("c900").toHex(' ')); // channel 201 in slot 2
    EXPECT_EQ(fre.mid(2 * 109 + 30 + 8 * 2, 2).toHex(' '), Hex("0100").toHex(' ')); // its power

    s.SavedChannelList = ChannelSlots{};
    EXPECT_EQ(ReadChannelFile(Path(QStringLiteral("k.dat")), 8), 3);
    EXPECT_EQ(s.SavedChannelList[2].Number, 201);
    EXPECT_EQ(s.SavedChannelList[2].Power, 1);
    EXPECT_EQ(s.SavedChannelList[3].Number, 0);
    EXPECT_EQ(ReadChannelFile(Path(QStringLiteral("none.dat")), 8), 0);

    ASSERT_TRUE(QDir().mkpath(Path(QStringLiteral("blocked.fre"))));
    EXPECT_FALSE(WriteChannelFile(Path(QStringLiteral("blocked.dat")), 3));
}

// ---------------------------------------------------------------------------------------------
// Opening

TEST_F(DataFileTest, OpenTakesTheFileAndRedraws)
{
    AppState &s = State();
    s.RadioData.ChannelCount = 3;
    s.ChannelList[1].Name.assign("ABC");
    s.RadioData.Pf1KeyFunction = 5;
    QByteArray dat = SaveAs(QStringLiteral("o.dat"));
    // Fields laid in by hand: band plan 2, second programmable key 4, FM entry 7 used at 100.5 MHz.
    dat = Patched(dat, 0, Hex("0200"));
    dat = Patched(dat, 9741, Hex("04"));
    dat = Patched(dat, 6842 + 7 * 12 + 2, Hex("0100") + "01005000");
    ASSERT_TRUE(WriteBytes(Path(QStringLiteral("o.dat")), dat));

    s.SkipInitTemplate = 1;
    NewFreData();
    s.ChannelList[5].Power = 1; // beyond the file's three channels: not touched
    ASSERT_TRUE(OpenDataFile(Path(QStringLiteral("o.dat"))));

    EXPECT_EQ(s.RadioData.ChannelCount, 3);
    EXPECT_EQ(s.ChannelList[1].Name.toByteArray(), QByteArray("ABC   "));
    EXPECT_EQ(s.ChannelList[5].Power, 1);
    EXPECT_EQ(s.RadioData.Pf1KeyFunction, 5);
    EXPECT_EQ(s.RadioData.Pf2KeyFunction, 4);
    EXPECT_EQ(s.RadioData.FmChannelTable[7].Used, 1);
    EXPECT_EQ(s.RadioData.FmChannelTable[7].Frequency.toByteArray(), QByteArray("01005000"));
    EXPECT_EQ(s.CurBandPlanIndex, 2);
    EXPECT_EQ(s.CurBandPlanText, BandRangeText(2));
    EXPECT_EQ(s.RxBandLow[0], 430.0);
    EXPECT_FALSE(s.FileUntitled);
    EXPECT_EQ(s.CurFileName, Path(QStringLiteral("o.dat")));
    EXPECT_TRUE(IsDataUnchanged());
    EXPECT_EQ(listRedraws, 1);
    EXPECT_EQ(radioRedraws, 1);
    EXPECT_TRUE(script->calls.isEmpty());
}

TEST_F(DataFileTest, OpenTakesOnlyTheWholeChannelRecordsThereAre)
{
    SaveAs(QStringLiteral("s.dat")); // 8 channels
    const QByteArray fre = testenv::ReadAll(Path(QStringLiteral("s.fre")));
    struct Case {
        const char *what;
        int freBytes; // -1: no channel file
        int expected;
    };
    // The user hears how many channels were found, in the current language.
    const QString english = QStringLiteral("Only %1 of the 8 channels of this file were found in its channel file. "
                                           "Saving it keeps only these %1 channels.");
    for (const Case &c : {Case{"three and a half records", 3 * 109 + 50, 3}, Case{"no channel file", -1, 0},
                          Case{"longer than the count", 8 * 109 + 109, 8}}) {
        SCOPED_TRACE(c.what);
        script->clear();
        QFile::remove(Path(QStringLiteral("s.fre")));
        if (c.freBytes >= 0) {
            ASSERT_TRUE(WriteBytes(Path(QStringLiteral("s.fre")), (fre + fre).left(c.freBytes)));
        }
        State().CurFileName = Path(QStringLiteral("s.dat"));
        ASSERT_TRUE(OpenDataFile());
        EXPECT_EQ(State().RadioData.ChannelCount, c.expected);
        EXPECT_EQ(State().SavedRadioData.ChannelCount, c.expected);
        EXPECT_TRUE(IsDataUnchanged());
        if (c.expected == 8) {
            EXPECT_TRUE(script->calls.isEmpty());
        } else {
            ExpectOneMessage(english.arg(c.expected), vbOKOnly);
        }
    }
}

TEST_F(DataFileTest, BrokenFilesShowFileErrorAndChangeNothing)
{
    const QByteArray good = SaveAs(QStringLiteral("g.dat"));
    const QByteArray fre = testenv::ReadAll(Path(QStringLiteral("g.fre")));
    auto patched = [&](int offset, const QByteArray &bytes) { return Patched(good, offset, bytes); };
    struct Case {
        const char *what;
        QByteArray bytes; // empty: nothing written at the path
        bool folder = false;
    };
    const Case cases[] = {
        {"truncated", good.left(5000)},
        {"one byte short", good.left(kRadioDataFileSize - 1)},
        {"empty", QByteArray()},
        {"band plan 9", patched(0, Hex("0900"))},
        {"band plan -1", patched(0, Hex("ffff"))},
        {"207 channels", patched(6840, Hex("cf00"))},
        {"-1 channels", patched(6840, Hex("ffff"))},
        {"missing", QByteArray()},
        {"a folder", QByteArray(), true},
    };
    // Unsaved edits beforehand, which must still count afterwards.
    State().RadioData.Pf1KeyFunction = 1;
    State().ChannelList[0].Name.assign("EDIT");
    State().CurFileName = QStringLiteral("new.dat");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        script->clear();
        const QString path = Path(QStringLiteral("bad_%1.dat").arg(QString::fromLatin1(c.what).replace(QLatin1Char(' '), QLatin1Char('_'))));
        if (c.folder) {
            ASSERT_TRUE(QDir().mkpath(path));
        } else if (QString::fromLatin1(c.what) != QStringLiteral("missing")) {
            ASSERT_TRUE(WriteBytes(path, c.bytes));
        }
        WriteBytes(ChannelFilePathOf(path), fre);
        const DataState before = Capture();

        EXPECT_FALSE(OpenDataFile(path));

        ExpectOneMessage(QStringLiteral("file error."));
        EXPECT_TRUE(Capture() == before);
        EXPECT_TRUE(IsDataModified());
        EXPECT_EQ(listRedraws + radioRedraws, 0);
    }
}

TEST_F(DataFileTest, RefusedFilesLeaveEveryRecordAlone)
{
    const QByteArray good = SaveAs(QStringLiteral("r.dat"));
    auto patched = [&](int offset, const QByteArray &bytes) { return Patched(good, offset, bytes); };
    struct Case {
        const char *what;
        QByteArray bytes;
        QString message;
        int style;
    };
    const Case cases[] = {
        {"another model", patched(9721, QByteArray("K58TXB") + Spaces(10)), GetLangText(9033), vbOKOnly},
        {"model in lower case", patched(9721, QByteArray("torva6y") + Spaces(9)), GetLangText(9033), vbOKOnly},
        {"version not a version", patched(9737, "v101"), GetLangText(9065), vbOKOnly},
        {"version too short", patched(9737, QByteArray("V10 ")), GetLangText(9065), vbOKOnly},
        {"version not paired", patched(9737, "V102"),
         VersionMismatchText(QStringLiteral("V101"), QStringLiteral("V102"), MkDataFile), vbYesNo},
        {"old layout", good.left(kOldDataFileSize),
         VersionMismatchText(QStringLiteral("V101"), QStringLiteral("V100"), MkDataFile), vbYesNo},
    };
    State().RadioData.Pf1KeyFunction = 1; // an unsaved edit
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        script->clear();
        ASSERT_TRUE(WriteBytes(Path(QStringLiteral("r.dat")), c.bytes));
        State().CurFileName = Path(QStringLiteral("before.dat"));
        const DataState before = Capture();
        if (c.style == vbYesNo)
            script->answer(vbNo);

        EXPECT_FALSE(OpenDataFile(Path(QStringLiteral("r.dat"))));

        ExpectOneMessage(c.message, c.style);
        EXPECT_TRUE(Capture() == before);
        EXPECT_TRUE(IsDataModified());
        EXPECT_EQ(listRedraws, 0);
    }
}

TEST_F(DataFileTest, OldLayoutAnsweredYesWithoutThatVersionInstalled)
{
    QByteArray old = SaveAs(QStringLiteral("v.dat")).left(kOldDataFileSize);
    ASSERT_TRUE(WriteBytes(Path(QStringLiteral("v.dat")), old));
    const DataState before = Capture();

    // Not listed at all: the hand-over says so and the program goes on.
    script->answer(vbYes);
    EXPECT_FALSE(OpenDataFile());
    ASSERT_EQ(script->messages().size(), 2);
    EXPECT_EQ(script->messages()[1].text, GetLangText(9063));
    EXPECT_TRUE(Capture() == before);

    // Listed but not installed: the hand-over cannot start it, which is a file error, not the end.
    ASSERT_TRUE(WriteBytes(programDir->root() + QStringLiteral("/Version.ini"),
                           "[Version]\nCurrentVersion=V101\nSoftVersionCount=2\nFirmVersionCount=2\n"
                           "[Soft]\nVersion0=V101\nVersion1=V100\n[Firm]\nFirm0=V101V101\nFirm1=V100V100\n"));
    LoadVersionTable();
    script->clear();
    script->answer(vbYes);
    EXPECT_FALSE(OpenDataFile());
    ASSERT_EQ(script->messages().size(), 2);
    EXPECT_EQ(script->messages()[1].text, QStringLiteral("file error."));
    EXPECT_TRUE(Capture() == before);
}

TEST_F(DataFileTest, OwnVersionNeedsItsPairInTheVersionTable)
{
    SaveAs(QStringLiteral("w.dat"));
    ASSERT_TRUE(WriteBytes(programDir->root() + QStringLiteral("/Version.ini"),
                           "[Version]\nCurrentVersion=V101\nSoftVersionCount=1\nFirmVersionCount=1\n"
                           "[Soft]\nVersion0=V100\n[Firm]\nFirm0=V100V095\n"));
    LoadVersionTable();
    State().CurFileName = Path(QStringLiteral("w.dat"));
    EXPECT_FALSE(OpenDataFile());
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text,
              VersionMismatchText(QStringLiteral("V101"), QStringLiteral("V101"), MkDataFile));
}

// ---------------------------------------------------------------------------------------------
// The unsaved-changes test

TEST_F(DataFileTest, UnsavedChangesLookOnlyAtWhatCounts)
{
    State().TestModeFlag = false;
    SnapshotToSaved();
    ASSERT_TRUE(IsDataUnchanged());
    const AppState start = State();

    struct Case {
        const char *what;
        std::function<void(AppState &)> change;
        bool counts;
    };
    const auto sig = [](AppState &s) -> SignallingRecord & { return s.RadioData.SignallingRecord; };
    const Case cases[] = {
        {"name differs by trailing spaces", [](AppState &s) { s.ChannelList[0].Name = FixStr<6>::Spaces(); }, false},
        {"name text", [](AppState &s) { s.ChannelList[0].Name.assign("A"); }, true},
        {"DTMF decode response", [&](AppState &s) { sig(s).DtmfBlock.DecodeResponse = 2; }, false},
        {"DTMF own ID exactly, not trimmed",
         [&](AppState &s) {
             s.SavedRadioData.SignallingRecord.DtmfBlock.OwnId.assign("00 ");
             sig(s).DtmfBlock.OwnId.assign(QByteArray("00\0", 3));
         },
         true},
        {"DTMF side tone", [&](AppState &s) { sig(s).DtmfBlock.SideTone = 1; }, true},
        {"channels swapped", [](AppState &s) { std::swap(s.ChannelList[0], s.ChannelList[1]); }, false},
        {"saved channel gone", [](AppState &s) { s.ChannelList[1].Number = 150; }, true},
        {"channel count", [](AppState &s) { s.RadioData.ChannelCount = 7; }, true},
        {"channel reserved 5", [](AppState &s) { s.ChannelList[2].Reserved5 = 1; }, false},
        {"channel reserved 6", [](AppState &s) { s.ChannelList[2].Reserved6 = 1; }, false},
        {"channel DCS bit 8", [](AppState &s) { s.ChannelList[2].EncodeDcsBit8 = 1; }, false},
        {"channel reserved 4", [](AppState &s) { s.ChannelList[2].Reserved4 = 1; }, true},
        {"channel signal relation", [](AppState &s) { s.ChannelList[2].SignalRelation = 1; }, true},
        {"channel receive frequency", [](AppState &s) { s.ChannelList[2].RxFrequency.assign("044000001"); }, true},
        {"stale slot beyond the count", [](AppState &s) { s.ChannelList[100].Power = 1; }, false},
        {"current band plan", [](AppState &s) { s.CurBandPlanIndex = 1; }, true},
        {"working record's own band plan", [](AppState &s) { s.RadioData.BandPlanIndex = 1; }, false},
        {"FM entry number", [](AppState &s) { s.RadioData.FmChannelTable[3].Number = 77; }, false},
        {"FM entry used", [](AppState &s) { s.RadioData.FmChannelTable[3].Used = 1; }, true},
        {"FM VFO frequency", [](AppState &s) { s.RadioData.FmChannelTable[100].Frequency.assign("00880000"); }, true},
        {"model name", [](AppState &s) { s.RadioData.ModelName.assign("OTHER"); }, false},
        {"file version", [](AppState &s) { s.RadioData.FileVersion.assign("V999"); }, false},
        {"embedded information", [](AppState &s) { s.EmbeddedInfoBlock.Seller.assign("ME"); }, false},
        {"DTMF code beyond its length",
         [&](AppState &s) {
             sig(s).DtmfBlock.CodeMemory[4] = {FixStr<24>::fromBytes("123X"), 3};
             s.SavedRadioData.SignallingRecord.DtmfBlock.CodeMemory[4] = {FixStr<24>::fromBytes("123"), 3};
         },
         false},
        {"DTMF code within its length",
         [&](AppState &s) {
             sig(s).DtmfBlock.CodeMemory[4] = {FixStr<24>::fromBytes("1X3"), 3};
             s.SavedRadioData.SignallingRecord.DtmfBlock.CodeMemory[4] = {FixStr<24>::fromBytes("123"), 3};
         },
         true},
        {"DTMF code length", [&](AppState &s) { sig(s).DtmfBlock.PttIdEnd.Length = 2; }, true},
        {"DTMF code of length 0", [&](AppState &s) { sig(s).DtmfBlock.RemoteKill.Code.assign("99"); }, false},
        {"DTMF code of length 25",
         [&](AppState &s) {
             sig(s).DtmfBlock.PttIdBegin.Length = 25;
             s.SavedRadioData.SignallingRecord.DtmfBlock.PttIdBegin.Length = 25;
             sig(s).DtmfBlock.PttIdBegin.Code.assign("1");
         },
         false},
        // Each length-bounded code is compared as text only up to its own top length.
        {"DTMF remote code of length 14, last digit",
         [&](AppState &s) {
             sig(s).DtmfBlock.RemoteStun = {FixStr<14>::fromBytes("12345678901234"), 14};
             s.SavedRadioData.SignallingRecord.DtmfBlock.RemoteStun = {FixStr<14>::fromBytes("12345678901235"), 14};
         },
         true},
        {"DTMF remote code of length 15",
         [&](AppState &s) {
             sig(s).DtmfBlock.RemoteStun = {FixStr<14>::fromBytes("1"), 15};
             s.SavedRadioData.SignallingRecord.DtmfBlock.RemoteStun = {FixStr<14>::fromBytes("2"), 15};
         },
         false},
        {"5-tone own ID of length 5, last digit",
         [&](AppState &s) {
             for (FiveToneBlock *b : {&sig(s).FiveToneBlock, &s.SavedRadioData.SignallingRecord.FiveToneBlock})
                 b->OwnIdLength = 5;
             sig(s).FiveToneBlock.OwnId.assign("12345");
             s.SavedRadioData.SignallingRecord.FiveToneBlock.OwnId.assign("12346");
         },
         true},
        {"5-tone own ID of length 6",
         [&](AppState &s) {
             for (FiveToneBlock *b : {&sig(s).FiveToneBlock, &s.SavedRadioData.SignallingRecord.FiveToneBlock})
                 b->OwnIdLength = 6;
             sig(s).FiveToneBlock.OwnId.assign("123456");
         },
         false},
        {"5-tone PTT-ID code of length 22, last digit",
         [&](AppState &s) {
             for (FiveToneBlock *b : {&sig(s).FiveToneBlock, &s.SavedRadioData.SignallingRecord.FiveToneBlock}) {
                 b->PttIdBegin.CodeLength = 22;
                 b->PttIdBegin.Code.assign("1234567890123456789012");
             }
             sig(s).FiveToneBlock.PttIdBegin.Code.assign("1234567890123456789013");
         },
         true},
        {"5-tone PTT-ID code of length 23",
         [&](AppState &s) {
             for (FiveToneBlock *b : {&sig(s).FiveToneBlock, &s.SavedRadioData.SignallingRecord.FiveToneBlock})
                 b->PttIdBegin.CodeLength = 23;
             sig(s).FiveToneBlock.PttIdBegin.Code.assign("1");
         },
         false},
        {"5-tone row code of length 40, last digit",
         [&](AppState &s) {
             const QByteArray code(40, '7');
             for (FiveToneBlock *b : {&sig(s).FiveToneBlock, &s.SavedRadioData.SignallingRecord.FiveToneBlock}) {
                 b->CodeRows[0].CodeLength = 40;
                 b->CodeRows[0].Code.assign(code);
             }
             sig(s).FiveToneBlock.CodeRows[0].Code.assign(code.left(39) + "8");
         },
         true},
        {"decode code of length 12, last digit",
         [&](AppState &s) {
             for (FiveToneBlock *b : {&sig(s).FiveToneBlock, &s.SavedRadioData.SignallingRecord.FiveToneBlock}) {
                 b->InfoCodes[1].CodeLength = 12;
                 b->InfoCodes[1].Code.assign("123456789012");
             }
             sig(s).FiveToneBlock.InfoCodes[1].Code.assign("123456789013");
         },
         true},
        {"decode code of length 13",
         [&](AppState &s) {
             for (FiveToneBlock *b : {&sig(s).FiveToneBlock, &s.SavedRadioData.SignallingRecord.FiveToneBlock})
                 b->InfoCodes[1].CodeLength = 13;
             sig(s).FiveToneBlock.InfoCodes[1].Code.assign("9");
         },
         false},
        {"2-tone tone A", [&](AppState &s) { sig(s).TwoToneBlock.General.ToneA = 1; }, false},
        {"2-tone decode format", [&](AppState &s) { sig(s).TwoToneBlock.General.DecodeFormat = 1; }, true},
        {"2-tone entry tone and name",
         [&](AppState &s) {
             sig(s).TwoToneBlock.Entries[3].Tone1 = 1;
             sig(s).TwoToneBlock.Entries[3].Empty = 0;
             sig(s).TwoToneBlock.Entries[3].Name.assign("X");
         },
         false},
        {"2-tone entry divisor", [&](AppState &s) { sig(s).TwoToneBlock.Entries[3].Divisor2 = 1; }, true},
        {"5-tone user tone", [&](AppState &s) { sig(s).FiveToneBlock.UserStandard.Tones[15] = 1; }, true},
        {"5-tone reserved byte", [&](AppState &s) { sig(s).FiveToneBlock.Reserved = 1; }, true},
        {"5-tone special separator", [&](AppState &s) { sig(s).FiveToneBlock.SpecialSeparator = 1; }, true},
        {"5-tone own ID of length 0", [&](AppState &s) { sig(s).FiveToneBlock.OwnId.assign("12345"); }, false},
        {"5-tone row in use and named",
         [&](AppState &s) {
             sig(s).FiveToneBlock.CodeRows[9].Empty = 0;
             sig(s).FiveToneBlock.CodeRows[9].Name.assign("N");
         },
         false},
        {"5-tone row period", [&](AppState &s) { sig(s).FiveToneBlock.CodeRows[9].TonePeriod = 40; }, true},
        {"5-tone PTT-ID code length", [&](AppState &s) { sig(s).FiveToneBlock.PttIdEnd.CodeLength = 1; }, true},
        {"5-tone PTT-ID in use", [&](AppState &s) { sig(s).FiveToneBlock.PttIdEnd.Empty = 1; }, false},
        {"decode code name", [&](AppState &s) { sig(s).FiveToneBlock.InfoCodes[2].Name.assign("N"); }, true},
        {"decode code function", [&](AppState &s) { sig(s).FiveToneBlock.InfoCodes[2].Function = 1; }, true},
        {"power-on password spaces", [&](AppState &s) { sig(s).OptionBlock.PowerOnPassword = FixStr<12>::Spaces(); }, false},
        {"option", [&](AppState &s) { sig(s).OptionBlock.InitialiseKey = 1; }, true},
        {"decode time", [](AppState &s) { s.RadioData.FiveToneDecodeTime = 1; }, true},
        {"second key", [](AppState &s) { s.RadioData.Pf2KeyFunction = 1; }, true},
        {"FM switch", [](AppState &s) { s.RadioData.FmRadioEnable = 1; }, true},
        {"book number", [](AppState &s) { s.RadioData.CommBook[5].Number = 9; }, false},
        {"book call ID", [](AppState &s) { s.RadioData.CommBook[5].CallId.assign("123"); }, true},
        {"scan reserved byte", [&](AppState &s) { sig(s).ScanBlock.Reserved1 = 1; }, true},
        {"alarm byte", [&](AppState &s) { sig(s).AlertBlock.Cycles = 1; }, true},
        {"test data outside factory mode", [](AppState &s) { s.CurTestData[0] = 1; }, false},
        {"test data in factory mode",
         [](AppState &s) {
             s.TestModeFlag = true;
             s.CurTestData[0] = 1;
         },
         true},
    };
    for (const Case &c : cases) {
        State() = start;
        c.change(State());
        EXPECT_EQ(IsDataModified(), c.counts) << c.what;
        EXPECT_EQ(IsDataUnchanged(), !c.counts) << c.what;
    }
}

TEST_F(DataFileTest, FindChannelSlotSearchesOnlyTheSlotsInUse)
{
    AppState &s = State();
    s.ChannelList[20].Number = 150; // a stale slot
    EXPECT_EQ(FindChannelSlot(NewChannelRecord(201)), 2);
    EXPECT_EQ(FindChannelSlot(NewChannelRecord(1)), 0);
    EXPECT_EQ(FindChannelSlot(NewChannelRecord(150)), -1);
    s.ChannelList[5].Number = 1; // the first of two slots wins
    EXPECT_EQ(FindChannelSlot(NewChannelRecord(1)), 0);
}

TEST_F(DataFileTest, RestoreTakesTheBandPlanFromTheSavedRecord)
{
    AppState &s = State();
    s.SavedRadioData.BandPlanIndex = 5;
    s.SavedRadioData.ChannelCount = 2;
    s.SavedChannelList[0].Power = 1;
    s.ChannelList[3].Power = 1; // beyond the saved count: kept
    s.CurModelCode = QStringLiteral("K58TXC");
    RestoreFromSaved();
    EXPECT_EQ(s.CurBandPlanIndex, 5);
    EXPECT_EQ(s.CurBandPlanText, BandRangeText(5));
    EXPECT_EQ(s.RxBandLow, (std::array<double, 2>{400.0, 144.0}));
    EXPECT_EQ(s.RxBandHigh, (std::array<double, 2>{520.0, 146.0}));
    EXPECT_EQ(s.ChannelList[0].Power, 1);
    EXPECT_EQ(s.ChannelList[3].Power, 1);
    EXPECT_EQ(s.CurModelCode, QStringLiteral("K58TXC"));
}

TEST_F(DataFileTest, NewDataFileRedrawsBothGrids)
{
    State().RadioData.Pf1KeyFunction = 2;
    NewDataFile();
    EXPECT_EQ(State().RadioData.Pf1KeyFunction, 0);
    EXPECT_EQ(listRedraws, 1);
    EXPECT_EQ(radioRedraws, 1);
    EXPECT_TRUE(IsDataUnchanged());
}

} // namespace
