#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <gtest/gtest.h>

#include "common/test_env.h"
#include "data/app_state.h"
#include "data/data_file.h"
#include "data/defaults.h"
#include "data/model_band.h"

namespace {

class DefaultsTest : public testenv::AppTest {
protected:
    void SetBandPlan(int index)
    {
        State().CurBandPlanIndex = static_cast<int16_t>(index);
        State().CurBandPlanText = BandRangeText(index);
        ASSERT_TRUE(ParseBandLimits());
    }
    void RemoveInitFolder() { ASSERT_TRUE(QDir(programDir->path(QStringLiteral("Init"))).removeRecursively()); }
    QString InitPath(const QString &name) const { return programDir->path(QStringLiteral("Init/") + name); }

    static ChannelRecord Channel(int slot) { return State().ChannelList[static_cast<std::size_t>(slot)]; }
    static QByteArray Bytes(const auto &fix) { return fix.toByteArray(); }
};

TEST_F(DefaultsTest, NewDataSetWithoutInitFolderIsTheDefaultsOfBandPlan0)
{
    RemoveInitFolder();
    NewFreData();

    AppState &s = State();
    ASSERT_EQ(s.RadioData.ChannelCount, 8);
    const int numbers[8] = {1, 2, 201, 202, 203, 204, 205, 206};
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        const ChannelRecord c = Channel(i);
        EXPECT_EQ(c.Number, numbers[i]);
        EXPECT_EQ(c.Used, 1);
        EXPECT_EQ(c.ScanSkip, 1);
        EXPECT_EQ(Bytes(c.RxFrequency), i % 2 == 0 ? QByteArray("044000000") : QByteArray("015500000"));
        EXPECT_EQ(Bytes(c.TxOffset), QByteArray("000000000"));
        EXPECT_EQ(Bytes(c.Name), QByteArray("\0     ", 6));
        EXPECT_EQ(c.EncodeCtcssIndex, 20);
        EXPECT_EQ(c.DecodeCtcssIndex, 20);
        EXPECT_EQ(c.CustomCtcss, 1511);
        EXPECT_EQ(Bytes(c.Code), QByteArray("00000"));
        EXPECT_EQ(c.OffsetDir, 0);
        EXPECT_EQ(c.Reserved1, 0);
    }
    EXPECT_TRUE(s.FileUntitled);
    EXPECT_EQ(s.CurFileName, QStringLiteral("new.dat"));
    EXPECT_EQ(s.CurBookFileName, QStringLiteral("new.cb"));
    // The missing template makes the defaults the saved copy, silently.
    EXPECT_TRUE(IsDataUnchanged());
    EXPECT_EQ(s.SavedRadioData, s.RadioData);
    EXPECT_TRUE(script->calls.isEmpty());
}

TEST_F(DefaultsTest, DefaultChannelsSitInTheMiddleOfEachBand)
{
    RemoveInitFolder();
    struct Case {
        int bandPlan;
        QByteArray uhf, vhf;
    };
    // 446-447 MHz gives 446.5; 144-146 MHz gives 145; 400-520 MHz gives 460.
    for (const Case &c : {Case{6, "044650000", "015500000"}, Case{7, "044650000", "014500000"},
                          Case{4, "046000000", "015500000"}, Case{3, "043500000", "014500000"}}) {
        SCOPED_TRACE(c.bandPlan);
        SetBandPlan(c.bandPlan);
        NewFreData();
        EXPECT_EQ(Bytes(Channel(0).RxFrequency), c.uhf);
        EXPECT_EQ(Bytes(Channel(1).RxFrequency), c.vhf);
        EXPECT_EQ(Bytes(Channel(6).RxFrequency), c.uhf); // VFO1
        EXPECT_EQ(Bytes(Channel(7).RxFrequency), c.vhf); // VFO2
    }
}

TEST_F(DefaultsTest, NewDataSetResetsFlagsNamesAndEveryBlockButTheNames)
{
    State().SkipInitTemplate = 1;
    AppState &s = State();
    s.RadioKilled = -1;
    s.RadioStunned = -1;
    s.ClipboardFilled = {1, 1, 1};
    s.FileUntitled = false;
    s.CurFileName = QStringLiteral("/tmp/x.dat");
    s.CurBookFileName = QStringLiteral("/tmp/x.cb");
    SignallingRecord &g = s.RadioData.SignallingRecord;
    g.DtmfBlock.PttIdMode = 9;
    g.TwoToneBlock.General.ToneD = 1;
    g.TwoToneBlock.Entries[5].Empty = 0;
    g.TwoToneBlock.Entries[5].Name.assign("CALL6");
    g.FiveToneBlock.CodeRows[7].Empty = 0;
    g.FiveToneBlock.CodeRows[7].Name.assign("ROW8");
    g.FiveToneBlock.PttIdBegin.CodeLength = 4;
    g.OptionBlock.Tot = 3;
    g.ScanBlock.Reserved2 = 7;
    g.AlertBlock.AlarmMode = 2;
    s.RadioData.CommBook[3].Number = 99;
    s.RadioData.FmChannelTable[50].Used = 1;
    s.RadioData.Pf1KeyFunction = 4;
    s.RadioData.Pf2KeyFunction = 5;
    s.RadioData.FmRadioEnable = 1;
    s.RadioData.FiveToneDecodeTime = 9;
    const RadioDataRecord savedBefore = s.SavedRadioData;

    NewFreData();

    EXPECT_EQ(s.RadioKilled, 0);
    EXPECT_EQ(s.RadioStunned, 0);
    EXPECT_EQ(s.ClipboardFilled, (std::array<int16_t, 3>{0, 0, 0}));
    EXPECT_TRUE(s.FileUntitled);
    EXPECT_EQ(s.CurFileName, QStringLiteral("new.dat"));
    EXPECT_EQ(s.CurBookFileName, QStringLiteral("new.cb"));
    EXPECT_EQ(g.DtmfBlock.PttIdMode, 3);
    EXPECT_EQ(g.TwoToneBlock.General.ToneD, 20438);
    EXPECT_EQ(g.TwoToneBlock.Entries[5].Empty, 1);
    EXPECT_EQ(g.FiveToneBlock.CodeRows[7].Empty, 1);
    EXPECT_EQ(g.FiveToneBlock.CodeRows[7].TonePeriod, 70);
    EXPECT_EQ(g.OptionBlock.Tot, 0);
    EXPECT_EQ(g.ScanBlock.Reserved2, 0);
    EXPECT_EQ(g.ScanBlock.ScanBackTimeA, 5);
    EXPECT_EQ(g.AlertBlock.AlarmMode, 0);
    EXPECT_EQ(g.AlertBlock.LoneWorkerTime, 5);
    EXPECT_EQ(s.RadioData.CommBook[3].Number, 3);
    EXPECT_EQ(s.RadioData.FmChannelTable[50].Used, 0);
    EXPECT_EQ(s.RadioData.Pf1KeyFunction, 0);
    EXPECT_EQ(s.RadioData.Pf2KeyFunction, 0);
    EXPECT_EQ(s.RadioData.FmRadioEnable, 0);
    EXPECT_EQ(s.RadioData.FiveToneDecodeTime, 2);
    // Names and the 5-tone PTT-ID records are not defaults of a new data set.
    EXPECT_EQ(Bytes(g.TwoToneBlock.Entries[5].Name), QByteArray("CALL6  "));
    EXPECT_EQ(Bytes(g.FiveToneBlock.CodeRows[7].Name), QByteArray("ROW8   "));
    EXPECT_EQ(g.FiveToneBlock.PttIdBegin.CodeLength, 4);
    // Without the template nothing touches the saved copy: the new set counts as a change.
    EXPECT_EQ(s.SavedRadioData, savedBefore);
    EXPECT_TRUE(IsDataModified());
}

TEST_F(DefaultsTest, StagedTemplatesHoldTheDefaultSetOfTheirBandPlan)
{
    for (int band = 0; band < kBandPlanCount; ++band) {
        SCOPED_TRACE(band);
        const QString name = QStringLiteral("TORVA6Y_%1").arg(band);
        ASSERT_EQ(QFileInfo(InitPath(name + QStringLiteral(".dat"))).size(), kRadioDataFileSize);
        ASSERT_EQ(QFileInfo(InitPath(name + QStringLiteral(".fre"))).size(), 8 * kChannelRecordSize);

        SetBandPlan(band);
        State().SkipInitTemplate = 1;
        NewFreData();
        SnapshotToSaved();
        const RadioDataRecord plain = State().RadioData;
        const ChannelSlots plainChannels = State().ChannelList;

        State().SkipInitTemplate = 0;
        State().RadioData = RadioDataRecord{};
        NewFreData();
        EXPECT_EQ(State().RadioData, plain);
        EXPECT_EQ(State().ChannelList, plainChannels);
        EXPECT_EQ(State().CurBandPlanIndex, band);
        EXPECT_TRUE(IsDataUnchanged());
    }
}

TEST_F(DefaultsTest, OwnTemplateKeepsChannelsOneTwoAndTheSpecialChannels)
{
    // A template of band plan 2 with its own settings and channels 1, 2, 3, 50, 201 and 206.
    SetBandPlan(2);
    State().SkipInitTemplate = 1;
    NewFreData();
    AppState &s = State();
    s.RadioData.Pf1KeyFunction = 3;
    s.RadioData.BandPlanIndex = 5; // a template's own band plan never counts
    const int numbers[6] = {1, 2, 3, 50, 201, 206};
    for (int i = 0; i < 6; ++i) {
        ChannelRecord &c = s.ChannelList[static_cast<std::size_t>(i)];
        c = NewChannelRecord(static_cast<int16_t>(numbers[i]));
        c.Used = 1;
        c.Power = static_cast<int16_t>(i + 1);
    }
    s.RadioData.ChannelCount = 6;
    RadioDataRecord rec = s.RadioData;
    ASSERT_TRUE(WriteDataSet(InitPath(QStringLiteral("TORVA6Y_2.dat")), rec, s.ChannelList));

    struct Case {
        int16_t factoryFreq, initMode;
        std::vector<int> expected;
    };
    for (const Case &c : {Case{0, 0, {1, 2, 201, 206}}, Case{1, 0, {1, 2, 3, 50, 201, 206}},
                          Case{0, -1, {1, 2, 3, 50, 201, 206}}}) {
        SCOPED_TRACE(testing::Message() << c.factoryFreq << "/" << c.initMode);
        s.FactoryFreqFlag = c.factoryFreq;
        s.InitDataMode = c.initMode;
        s.SkipInitTemplate = 0;
        s.RadioData = RadioDataRecord{};
        NewFreData();
        ASSERT_EQ(s.RadioData.ChannelCount, static_cast<int>(c.expected.size()));
        for (std::size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_EQ(s.ChannelList[i].Number, c.expected[i]);
        EXPECT_EQ(s.ChannelList[2].Power, c.expected.size() == 4 ? 5 : 3); // moved up in order
        EXPECT_EQ(s.RadioData.Pf1KeyFunction, 3);
        EXPECT_EQ(s.RadioData.BandPlanIndex, 2);
        EXPECT_EQ(s.CurBandPlanIndex, 2);
        EXPECT_TRUE(IsDataUnchanged());
        EXPECT_TRUE(s.FileUntitled);
    }
}

TEST_F(DefaultsTest, FallbackTemplateGivesItsSettingsWithTheDefaultChannelsOfTheBandPlan)
{
    // Only the fallback template is there, with one odd channel.
    AppState &s = State();
    s.SkipInitTemplate = 1;
    NewFreData();
    s.RadioData.Pf2KeyFunction = 4;
    s.ChannelList[0] = NewChannelRecord(77);
    s.RadioData.ChannelCount = 1;
    RemoveInitFolder();
    ASSERT_TRUE(QDir().mkpath(programDir->path(QStringLiteral("Init"))));
    ASSERT_TRUE(WriteDataSet(InitPath(QStringLiteral("TORVA6Y_0.dat")), s.RadioData, s.ChannelList));

    SetBandPlan(3);
    s.SkipInitTemplate = 0;
    NewFreData();
    EXPECT_EQ(s.RadioData.Pf2KeyFunction, 4);
    EXPECT_EQ(s.RadioData.BandPlanIndex, 3);
    EXPECT_EQ(s.CurBandPlanIndex, 3);
    ASSERT_EQ(s.RadioData.ChannelCount, 8);
    EXPECT_EQ(Channel(0).Number, 1);
    EXPECT_EQ(Bytes(Channel(0).RxFrequency), QByteArray("043500000"));
    EXPECT_TRUE(IsDataUnchanged());
}

TEST_F(DefaultsTest, UnreadableTemplateLeavesTheDefaults)
{
    struct Case {
        const char *what;
        QByteArray datBytes; // empty: the .dat path is a folder
    };
    QByteArray badBand(kRadioDataFileSize, '\0');
    badBand[6840] = static_cast<char>(0xCF); // ChannelCount 207
    for (const Case &c : {Case{"short", QByteArray(5000, '\0')}, Case{"old layout", QByteArray(kOldDataFileSize, '\0')},
                          Case{"207 channels", badBand}, Case{"folder", QByteArray()}}) {
        SCOPED_TRACE(c.what);
        RemoveInitFolder();
        ASSERT_TRUE(QDir().mkpath(programDir->path(QStringLiteral("Init"))));
        const QString path = InitPath(QStringLiteral("TORVA6Y_0.dat"));
        if (c.datBytes.isEmpty()) {
            ASSERT_TRUE(QDir().mkpath(path));
        } else {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.datBytes);
        }
        State().RadioData = RadioDataRecord{};
        NewFreData();
        EXPECT_EQ(State().RadioData.ChannelCount, 8);
        EXPECT_EQ(State().RadioData.FiveToneDecodeTime, 2);
        EXPECT_TRUE(IsDataUnchanged());
        EXPECT_TRUE(script->calls.isEmpty());
    }
}

TEST_F(DefaultsTest, TemplateWithoutItsChannelFileKeepsTheBuiltInChannels)
{
    // A template whose channel file is gone would give a data set without a channel: it counts
    // as unreadable, so New keeps the built-in defaults.
    AppState &s = State();
    for (const char *name : {"TORVA6Y_2.dat", "TORVA6Y_0.dat"}) {
        SCOPED_TRACE(name);
        SetBandPlan(2);
        s.SkipInitTemplate = 1;
        NewFreData();
        const RadioDataRecord builtIn = s.RadioData;
        s.RadioData.Pf1KeyFunction = 3;
        RemoveInitFolder();
        ASSERT_TRUE(QDir().mkpath(programDir->path(QStringLiteral("Init"))));
        const QString path = InitPath(QString::fromLatin1(name));
        ASSERT_TRUE(WriteDataSet(path, s.RadioData, s.ChannelList));
        ASSERT_TRUE(QFile::remove(ChannelFilePathOf(path)));

        s.SkipInitTemplate = 0;
        s.RadioData = RadioDataRecord{};
        NewFreData();
        EXPECT_EQ(s.RadioData.ChannelCount, 8);
        EXPECT_EQ(s.ChannelList[0].Number, 1);
        EXPECT_EQ(s.RadioData.Pf1KeyFunction, builtIn.Pf1KeyFunction);
        EXPECT_TRUE(IsDataUnchanged());
        EXPECT_TRUE(script->calls.isEmpty());
    }
}

TEST_F(DefaultsTest, MidBandChannelReusesTheStaleSlotsReservedFields)
{
    RemoveInitFolder();
    SetBandPlan(6); // UHF 446 - 447: middle 446.5 without rounding
    NewFreData();
    AppState &s = State();
    ChannelRecord &stale = s.ChannelList[8];
    stale = NewChannelRecord(99);
    stale.ScanSkip = 1;
    stale.Name.assign("OLDNAM");
    stale.Power = 1;
    stale.EncodeDcsBit8 = 1;
    stale.SignalRelation = 1;
    stale.DecodeDcsBit8 = 1;
    stale.Reserved1 = 11;
    stale.PttIdFlag = 12;
    stale.Reserved3 = 13;
    stale.Reserved4 = 14;
    stale.Reserved5 = 15;
    stale.Reserved6 = 16;
    stale.EncodeCtcssIndex = 7;

    AddMidBandChannel(42);

    ASSERT_EQ(s.RadioData.ChannelCount, 9);
    const ChannelRecord c = Channel(8);
    EXPECT_EQ(c.Number, 42);
    EXPECT_EQ(c.Used, 1);
    EXPECT_EQ(c.ScanSkip, 0);
    EXPECT_EQ(Bytes(c.RxFrequency), QByteArray("044650000"));
    EXPECT_EQ(Bytes(c.TxOffset), QByteArray("000000000"));
    EXPECT_EQ(Bytes(c.Name), QByteArray("\0     ", 6));
    EXPECT_EQ(c.EncodeCtcssIndex, 0);
    EXPECT_EQ(c.DecodeCtcssIndex, 0);
    EXPECT_EQ(c.CustomCtcss, 1511);
    EXPECT_EQ(Bytes(c.Code), QByteArray("00000"));
    EXPECT_EQ(c.Power, 0);
    EXPECT_EQ(c.Reserved5, 0);
    EXPECT_EQ(c.EncodeDcsBit8, 1);
    EXPECT_EQ(c.SignalRelation, 1);
    EXPECT_EQ(c.DecodeDcsBit8, 1);
    EXPECT_EQ(c.Reserved1, 11);
    EXPECT_EQ(c.PttIdFlag, 12);
    EXPECT_EQ(c.Reserved3, 13);
    EXPECT_EQ(c.Reserved4, 14);
    EXPECT_EQ(c.Reserved6, 16);
}

TEST_F(DefaultsTest, AppendingToAFullTableChangesNothing)
{
    RemoveInitFolder();
    NewFreData();
    AppState &s = State();
    s.RadioData.ChannelCount = kChannelSlots;
    const ChannelSlots before = s.ChannelList;
    AddMidBandChannel(100);
    AddDefaultChannel(100, QStringLiteral("440"));
    EXPECT_EQ(s.RadioData.ChannelCount, kChannelSlots);
    EXPECT_EQ(s.ChannelList, before);
}

TEST_F(DefaultsTest, CountUsedFmChannelsLeavesOutTheVfo)
{
    RemoveInitFolder();
    NewFreData();
    FmChannelTable &t = State().RadioData.FmChannelTable;
    EXPECT_EQ(CountUsedFmChannels(), 1);
    t[99].Used = 1;
    t[100].Used = 0;
    EXPECT_EQ(CountUsedFmChannels(), 2);
    t[5].Used = 2; // only 1 means in use
    EXPECT_EQ(CountUsedFmChannels(), 2);
}

TEST_F(DefaultsTest, ComboListItemFallsBackOutsideTheList)
{
    const QStringList list{QStringLiteral("Off"), QStringLiteral("VOLT"), QStringLiteral("CALL")};
    struct Case {
        int index, fallback;
        QString expected;
    };
    for (const Case &c : {Case{1, 0, QStringLiteral("VOLT")}, Case{-1, 2, QStringLiteral("CALL")},
                          Case{3, 0, QStringLiteral("Off")}, Case{2, 0, QStringLiteral("CALL")},
                          Case{7, 9, QString()}})
        EXPECT_EQ(GetComboListItem(c.index, list, c.fallback), c.expected) << c.index;
}

TEST_F(DefaultsTest, EmbeddedInfoStartsFromTodaysDate)
{
    EmbeddedInfoRecord info;
    info.AreaCode = "XY";
    info.BandCode = 3;
    InitEmbeddedInfo(info, QDate(2024, 3, 7));

    EXPECT_EQ(info.BandCode, 0);
    EXPECT_EQ(Bytes(info.SerialNumber), QByteArray("2024030700000001"));
    EXPECT_EQ(Bytes(info.BatchNumber), QByteArray("03-1-E-1"));
    EXPECT_EQ(Bytes(info.CustomerCode), QByteArray("001A"));
    EXPECT_EQ(info.VersionText, QByteArray("V1.01"));
    EXPECT_TRUE(info.AreaCode.isEmpty());
    EXPECT_EQ(Bytes(info.RepairReason), QByteArray(1, '\0') + QByteArray(95, ' '));
    EXPECT_EQ(Bytes(info.DealerCode), QByteArray(1, '\0') + QByteArray(15, ' '));
    EXPECT_EQ(Bytes(info.Seller), QByteArray(1, '\0') + QByteArray(15, ' '));
    // The date in the system's short format, then a NUL, in a 16-character field.
    const QByteArray day = QLocale::system().toString(QDate(2024, 3, 7), QLocale::ShortFormat).toLatin1();
    ASSERT_LT(day.size(), 16);
    EXPECT_EQ(Bytes(info.ProductionDate), day + QByteArray(1, '\0') + QByteArray(15 - day.size(), ' '));
    EXPECT_EQ(info.RepairDate, info.ProductionDate);
    EXPECT_EQ(info.StockDate, info.ProductionDate);
    EXPECT_EQ(info.SaleDate, info.ProductionDate);

    InitEmbeddedInfo();
    EXPECT_EQ(Bytes(State().EmbeddedInfoBlock.SerialNumber).left(8),
              QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toLatin1());
}

} // namespace
