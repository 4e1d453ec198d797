#include <QCheckBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include "common/captions.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "editors/editor_hooks.h"
#include "editors/settings/frm_scan.h"
#include "platform/ini_file.h"
#include "settings_fixture.h"

using namespace settingstest;

namespace {

// The scan block's place in the data file.
constexpr int kScanOffset = 6814;
constexpr int kScanSize = 14;

ScanBlock &Scan() { return State().RadioData.SignallingRecord.ScanBlock; }

QByteArray ScanBytesInFile() { return EncodeRadioDataFile(State().RadioData).mid(kScanOffset, kScanSize).toHex(' '); }

QString T(int key) { return GetLangText(key); }

// The master revert choices, by master index.
QStringList Master()
{
    const QString p1 = T(2403) + "1", p2 = T(2403) + "2", talk = " + " + T(2433);
    return {T(2432), T(2432) + talk, p1, p2, T(2434), T(2435), p1 + talk, p2 + talk};
}

QStringList MasterItems(std::initializer_list<int> indexes)
{
    QStringList items;
    for (int i : indexes)
        items << Master()[i];
    return items;
}

void Ok(FrmScan &w) { Named<QPushButton>(w, "CommandOK")->click(); }
void Cancel(FrmScan &w) { Named<QPushButton>(w, "CommandCancel")->click(); }

class FrmScanTest : public SettingsTest {
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        Scan() = ScanBlock{};
    }
};

TEST_F(FrmScanTest, AllZeroBlockShowsItsChoicesAndOkKeepsIt)
{
    FrmScan w;
    EXPECT_EQ(w.windowTitle(), T(2400));
    EXPECT_EQ(Combo(w, 0)->Text(), T(2430));
    for (int i = 1; i < FrmScan::kCombos; ++i)
        EXPECT_FALSE(Combo(w, i)->isEnabled()) << i;
    EXPECT_FALSE(Named<QCheckBox>(w, "Check1")->isEnabled());
    EXPECT_EQ(Combo(w, 1)->Text(), T(2430));
    EXPECT_EQ(Combo(w, 6)->Text(), T(2432));
    EXPECT_EQ(Combo(w, 7)->Text(), "0.5");
    EXPECT_EQ(Combo(w, 8)->Text(), "0.5");
    EXPECT_EQ(Combo(w, 9)->Text(), "0.1");
    EXPECT_EQ(Combo(w, 10)->Text(), "0.1");
    EXPECT_EQ(Combo(w, 11)->Text(), T(2436));
    EXPECT_EQ(Combo(w, 12)->Text(), "50");
    EXPECT_EQ(CheckValue(Named<QCheckBox>(w, "Check1")), 0);
    // Channel 1 is in use: both priority channels show it by its number.
    EXPECT_EQ(Combo(w, 2)->Text(), "1");
    EXPECT_EQ(Combo(w, 4)->Text(), "1");
    Ok(w);
    // The wait time 0 lies outside its list and stays as stored.
    EXPECT_EQ(ScanBytesInFile(), QByteArray("00 00 00 00 00 00 00 00 00 00 00 00 00 00"));
}

TEST_F(FrmScanTest, ListsHoldTheirItems)
{
    SetChannels({201, 5, 200, 1, 5});
    FrmScan w;
    EXPECT_EQ(Items(Combo(w, 0)), QStringList({T(2430), T(2431)}));
    EXPECT_EQ(Items(Combo(w, 1)), QStringList({T(2430), T(2403) + "1", T(2403) + "2", T(2403) + "1 + " + T(2403) + "2"}));
    EXPECT_EQ(Items(Combo(w, 2)), QStringList({"1", "5", "200"}));
    EXPECT_EQ(Items(Combo(w, 4)), QStringList({"1", "5", "200"}));
    EXPECT_EQ(Combo(w, 3)->ListCount(), 0);
    EXPECT_EQ(Combo(w, 5)->ListCount(), 0);
    EXPECT_EQ(Items(Named<ComboBox>(w, "Combo2")), Master());
    for (int i : {7, 8}) {
        EXPECT_EQ(Combo(w, i)->ListCount(), 46);
        EXPECT_EQ(Combo(w, i)->List(45), "5.0");
    }
    for (int i : {9, 10}) {
        EXPECT_EQ(Combo(w, i)->ListCount(), 50);
        EXPECT_EQ(Combo(w, i)->List(9), "1.0");
        EXPECT_EQ(Combo(w, i)->List(49), "5.0");
    }
    EXPECT_EQ(Items(Combo(w, 11)), QStringList({T(2436), T(2437), T(2438), T(2439)}));
    EXPECT_EQ(Combo(w, 12)->ListCount(), 254);
    EXPECT_EQ(Combo(w, 12)->List(1), "75");
    EXPECT_EQ(Combo(w, 12)->List(253), "6375");
    for (int i : {3, 5, 11, 12})
        EXPECT_TRUE(Combo(w, i)->isHidden()) << i;
}

TEST_F(FrmScanTest, RevertChoicesFollowThePriorityMode)
{
    const std::vector<QStringList> offered = {
        MasterItems({0, 1, 4, 5}),
        MasterItems({0, 1, 2, 4, 5, 6}),
        MasterItems({0, 1, 3, 4, 5, 7}),
        MasterItems({0, 1, 2, 3, 4, 5, 6, 7}),
    };
    for (int mode = 0; mode < 4; ++mode) {
        Scan().PriorityChannel = uint8_t(mode);
        FrmScan w;
        EXPECT_EQ(Items(Combo(w, 6)), offered[mode]) << "stored mode " << mode;
    }
    // The user's change of mode offers the same lists.
    FrmScan w;
    for (int mode : {3, 1, 0, 2}) {
        Combo(w, 1)->setListIndex(mode);
        EXPECT_EQ(Items(Combo(w, 6)), offered[mode]) << "chosen mode " << mode;
    }
}

TEST_F(FrmScanTest, ShowRepairsAndWritesThroughAtOnce)
{
    struct Case {
        uint8_t mode, revert, tone;
        uint8_t revertAfter, toneAfter;
        QString shown;
    };
    const std::vector<Case> cases = {
        {0, 2, 0, 0, 0, Master()[0]}, // priority channel 1 is not in use in mode 0
        {1, 6, 1, 6, 1, Master()[6]}, // offered: kept
        {3, 9, 0, 0, 0, Master()[0]}, // past the master list
        {2, 5, 5, 5, 0, Master()[5]}, // prompt tone above 1
        {9, 3, 0, 0, 0, Master()[0]}, // a mode past 3 counts as mode 0
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << int(c.mode) << " revert " << int(c.revert));
        Scan() = ScanBlock{};
        Scan().PriorityChannel = c.mode;
        Scan().ReturnChannel = c.revert;
        Scan().EntryTone = c.tone;
        FrmScan w;
        EXPECT_EQ(Combo(w, 6)->Text(), c.shown);
        EXPECT_EQ(Scan().ReturnChannel, c.revertAfter);
        EXPECT_EQ(Scan().EntryTone, c.toneAfter);
        Cancel(w);
        EXPECT_EQ(Scan().ReturnChannel, c.revertAfter);
        EXPECT_EQ(Scan().EntryTone, c.toneAfter);
        EXPECT_EQ(Scan().PriorityChannel, c.mode);
    }
}

TEST_F(FrmScanTest, ChangingThePriorityModeKeepsOrResetsTheRevertChoice)
{
    Scan().ScanMode = 1;
    Scan().PriorityChannel = 3;
    Scan().ReturnChannel = 7;
    {
        FrmScan w;
        EXPECT_EQ(Combo(w, 6)->Text(), Master()[7]);
        Combo(w, 1)->setListIndex(1);
        EXPECT_EQ(Combo(w, 6)->Text(), Master()[0]);
        Combo(w, 1)->setListIndex(3);
        EXPECT_EQ(Combo(w, 6)->Text(), Master()[0]); // not item 7 again
        Ok(w);
        EXPECT_EQ(Scan().ReturnChannel, 0);
        EXPECT_EQ(Scan().PriorityChannel, 3);
    }
    Scan().PriorityChannel = 1;
    Scan().ReturnChannel = 6;
    FrmScan w;
    Combo(w, 1)->setListIndex(3);
    EXPECT_EQ(Combo(w, 6)->Text(), Master()[6]);
    Combo(w, 6)->setText(Master()[3]);
    Ok(w);
    EXPECT_EQ(Scan().ReturnChannel, 3);
}

TEST_F(FrmScanTest, RevertChoiceIsStoredByItsOwnIndexWhateverItsText)
{
    // Two choices with one text, and two without any text.
    const QString file = programDir->path(QStringLiteral("language/english.ini"));
    ASSERT_TRUE(IniFile::Write(file, QStringLiteral("OTHER"), QStringLiteral("2434"), T(2432)));
    ASSERT_TRUE(IniFile::Write(file, QStringLiteral("OTHER"), QStringLiteral("2433"), QString()));
    ASSERT_EQ(T(2434), T(2432));
    Scan().ScanMode = 1;
    Scan().PriorityChannel = 3;
    Scan().ReturnChannel = 4;
    FrmScan w;
    EXPECT_EQ(Combo(w, 6)->ListIndex(), 4);
    Ok(w);
    EXPECT_EQ(Scan().ReturnChannel, 4);

    FrmScan again;
    Combo(again, 6)->setListIndex(6); // master 6, whose text is that of master 2 plus " + "
    Ok(again);
    EXPECT_EQ(Scan().ReturnChannel, 6);
}

TEST_F(FrmScanTest, EnablingByScanAndPriorityMode)
{
    FrmScan w;
    Combo(w, 0)->setListIndex(1);
    struct Case {
        int mode;
        std::vector<int> disabled;
    };
    const std::vector<Case> cases = {{0, {2, 3, 4, 5}}, {1, {4, 5}}, {2, {2, 3}}, {3, {}}};
    for (const Case &c : cases) {
        Combo(w, 1)->setListIndex(c.mode);
        for (int i = 1; i < FrmScan::kCombos; ++i) {
            const bool off = std::find(c.disabled.begin(), c.disabled.end(), i) != c.disabled.end();
            EXPECT_EQ(Combo(w, i)->isEnabled(), !off) << "mode " << c.mode << " Combo1(" << i << ")";
        }
        EXPECT_TRUE(Named<QCheckBox>(w, "Check1")->isEnabled());
    }
    Combo(w, 0)->setListIndex(0);
    for (int i = 1; i < FrmScan::kCombos; ++i)
        EXPECT_FALSE(Combo(w, i)->isEnabled()) << i;
    EXPECT_FALSE(Named<QCheckBox>(w, "Check1")->isEnabled());
}

TEST_F(FrmScanTest, OkStoresTheChoicesAndNeverTheReservedBytes)
{
    SetChannels({1, 5, 12, 201});
    Scan().Reserved1 = 7;
    Scan().Reserved2 = 9;
    const QByteArray fileBefore = EncodeRadioDataFile(State().RadioData);
    {
        FrmScan w;
        EXPECT_EQ(Scan().Reserved1, 7);
        EXPECT_EQ(Scan().Reserved2, 9);
        Cancel(w);
    }
    EXPECT_EQ(ScanBytesInFile(), QByteArray("00 00 00 00 00 00 00 00 00 00 07 00 09 00"));

    FrmScan w;
    Combo(w, 0)->setListIndex(1);
    Combo(w, 1)->setListIndex(1);
    Combo(w, 2)->setText(QStringLiteral("12"));
    Combo(w, 4)->setText(QStringLiteral("5")); // disabled in mode 1, still stored
    EXPECT_FALSE(Combo(w, 4)->isEnabled());
    Combo(w, 6)->setText(Master()[6]);
    Combo(w, 7)->setText(QStringLiteral("5.0"));
    Combo(w, 8)->setText(QStringLiteral("1.0"));
    Combo(w, 9)->setText(QStringLiteral("5.0"));
    Combo(w, 10)->setText(QStringLiteral("0.2"));
    Combo(w, 11)->setListIndex(3);
    Combo(w, 12)->setText(QStringLiteral("100"));
    SetCheckValue(Named<QCheckBox>(w, "Check1"), 1);
    Ok(w);
    EXPECT_EQ(ScanBytesInFile(), QByteArray("01 01 06 2d 05 31 01 03 01 04 07 0b 09 04"));

    // Nothing else of the file changed.
    QByteArray after = EncodeRadioDataFile(State().RadioData);
    QByteArray before = fileBefore;
    after.replace(kScanOffset, kScanSize, QByteArray(kScanSize, 0));
    before.replace(kScanOffset, kScanSize, QByteArray(kScanSize, 0));
    EXPECT_EQ(after, before);
}

TEST_F(FrmScanTest, ValuesOutsideTheListsShowTheFirstItemAndSurviveOk)
{
    SetChannels({3, 201});
    Scan() = ScanBlock{5, 0, 0, 46, 200, 50, 255, 4, 0, 1, 0, 150, 0, 0};
    const QByteArray before = ScanBytesInFile();
    FrmScan w;
    EXPECT_EQ(Combo(w, 0)->ListIndex(), 0);
    EXPECT_EQ(Combo(w, 7)->Text(), "0.5");
    EXPECT_EQ(Combo(w, 9)->Text(), "0.1");
    EXPECT_EQ(Combo(w, 11)->ListIndex(), 0);
    EXPECT_EQ(Combo(w, 12)->Text(), "50");
    EXPECT_EQ(Combo(w, 2)->Text(), "3"); // channel 151 is not in use
    Ok(w);
    EXPECT_EQ(ScanBytesInFile(), before);

    // No normal channel in use: both lists are empty and OK keeps the stored channels.
    SetChannels({201, 205});
    FrmScan none;
    EXPECT_EQ(Combo(none, 2)->ListCount(), 0);
    EXPECT_EQ(Combo(none, 4)->ListCount(), 0);
    Ok(none);
    EXPECT_EQ(Scan().PriorityChannel1, 150);
    EXPECT_EQ(Scan().PriorityChannel2, 0);
}

TEST_F(FrmScanTest, RegisteredOnItsHook)
{
    RegisterEditorHooks();
    Scan().ReturnChannel = 2; // not offered in priority mode 0
    script->onModal([](QDialog *d) {
        EXPECT_EQ(d->objectName(), "FrmScan");
        Named<QPushButton>(*d, "CommandCancel")->click();
        return d->result();
    });
    CallHook(Hooks().ShowFrmScan);
    EXPECT_EQ(Scan().ReturnChannel, 0);
    EXPECT_EQ(script->unscriptedCount(), 0);
}

TEST_F(FrmScanTest, CaptionsInBothLanguages)
{
    testenv::ExpectCaptionsInBothLanguages([] { return std::make_unique<FrmScan>(); });
}

} // namespace
