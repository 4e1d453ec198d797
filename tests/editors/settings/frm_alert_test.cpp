#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <gtest/gtest.h>
#include <vector>

#include "common/captions.h"
#include "data/data_file.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "editors/editor_hooks.h"
#include "editors/settings/frm_alert.h"
#include "settings_fixture.h"

using namespace settingstest;

namespace {

// The alarm block's place in the data file.
constexpr int kAlertOffset = 6828;
constexpr int kAlertSize = 12;

AlertBlock &Alert() { return State().RadioData.SignallingRecord.AlertBlock; }

QByteArray AlertBytesInFile() { return EncodeRadioDataFile(State().RadioData).mid(kAlertOffset, kAlertSize); }

// The block from its twelve bytes, in their order.
AlertBlock AlertOf(const QByteArray &bytes)
{
    auto b = [&bytes](int i) { return uint8_t(bytes.at(i)); };
    return AlertBlock{b(0), b(1), b(2), b(3), b(4), b(5), b(6), b(7), b(8), b(9), b(10), b(11)};
}

void UseMemories(std::initializer_list<int> memories)
{
    DtmfBlock &d = State().RadioData.SignallingRecord.DtmfBlock;
    for (DtmfCodeMemory &m : d.CodeMemory)
        m.Length = 0;
    for (int m : memories) {
        d.CodeMemory[static_cast<std::size_t>(m)].Code.assign("123");
        d.CodeMemory[static_cast<std::size_t>(m)].Length = 3;
    }
}

void Ok(FrmAlert &w) { Named<QPushButton>(w, "CommandOK")->click(); }

class FrmAlertTest : public SettingsTest {
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        SetDefaults(Alert());
        UseMemories({});
    }
};

TEST_F(FrmAlertTest, DefaultsShowTheirChoicesAndOkStoresThem)
{
    ASSERT_EQ(AlertBytesInFile().toHex(' '), QByteArray("00 00 00 00 00 00 00 00 00 00 01 05"));
    FrmAlert w;
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), GetLangText(2600));
    EXPECT_EQ(Combo(w, 0)->Text(), GetLangText(2630));
    EXPECT_TRUE(Combo(w, 3)->isEnabled());
    for (int i : {1, 2, 4, 5})
        EXPECT_FALSE(Combo(w, i)->isEnabled()) << i;
    EXPECT_EQ(Combo(w, 1)->Text(), GetLangText(2436));
    EXPECT_EQ(Combo(w, 2)->ListCount(), 0);
    for (int i : {3, 4, 5})
        EXPECT_EQ(Combo(w, i)->Text(), "1") << i;
    EXPECT_EQ(Combo(w, 6)->Text(), GetLangText(2634));
    EXPECT_EQ(Items(Combo(w, 8)), QStringList({"0", "1"})); // channels 1 and 2; the specials are left out
    EXPECT_EQ(Combo(w, 8)->Text(), "0");
    EXPECT_TRUE(Combo(w, 8)->isEnabled());
    EXPECT_EQ(Combo(w, 9)->Text(), GetLangText(2636));
    EXPECT_EQ(CheckValue(Named<QCheckBox>(w, "Check1")), 0);
    EXPECT_FALSE(Combo(w, 0, "Combo2")->isEnabled());
    EXPECT_FALSE(Combo(w, 1, "Combo2")->isEnabled());
    EXPECT_EQ(Combo(w, 0, "Combo2")->Text(), "1");
    EXPECT_EQ(Combo(w, 1, "Combo2")->Text(), "5");
    EXPECT_EQ(Named<QGroupBox>(w, "Frame1")->title(), GetLangText(2612));
    Ok(w);
    // Alarm, transmit and receive times of 0 show "1", and "1" is what OK stores.
    EXPECT_EQ(AlertBytesInFile().toHex(' '), QByteArray("00 00 00 01 01 01 00 00 00 00 01 05"));
}

TEST_F(FrmAlertTest, ListsHoldTheirItems)
{
    SetChannels({12, 201, 3, 200, 3});
    FrmAlert w;
    const QString none = GetLangText(2436);
    struct Case {
        const char *array;
        int index;
        int count;
        QString first, last;
    };
    const Case cases[] = {
        {"Combo1", 0, 4, GetLangText(2630), GetLangText(2633)},
        {"Combo1", 1, 2, none, QStringLiteral("DTMF")},
        {"Combo1", 3, 255, QStringLiteral("1"), QStringLiteral("255")},
        {"Combo1", 4, 255, QStringLiteral("1"), QStringLiteral("255")},
        {"Combo1", 5, 255, QStringLiteral("1"), QStringLiteral("255")},
        {"Combo1", 6, 2, GetLangText(2634), GetLangText(2635)},
        {"Combo1", 8, 3, QStringLiteral("2"), QStringLiteral("199")}, // channels 3, 12, 200 once each; no specials
        {"Combo1", 9, 256, GetLangText(2636), QStringLiteral("255")},
        {"Combo2", 0, 254, QStringLiteral("1"), QStringLiteral("254")},
        {"Combo2", 1, 251, QStringLiteral("5"), QStringLiteral("255")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QStringLiteral("%1(%2)").arg(QLatin1String(c.array)).arg(c.index).toStdString());
        const ComboBox *combo = Combo(w, c.index, c.array);
        ASSERT_EQ(combo->ListCount(), c.count);
        EXPECT_EQ(combo->List(0), c.first);
        EXPECT_EQ(combo->List(c.count - 1), c.last);
    }
    EXPECT_EQ(Items(Combo(w, 0)), QStringList({GetLangText(2630), GetLangText(2631), GetLangText(2632), GetLangText(2633)}));
    EXPECT_EQ(Items(Combo(w, 8)), QStringList({"2", "11", "199"}));
    EXPECT_EQ(Combo(w, 9)->List(1), "1");
    // The emergency channel group list is never filled.
    EXPECT_EQ(Combo(w, 7)->ListCount(), 0);
    EXPECT_TRUE(Combo(w, 7)->isHidden());
}

TEST_F(FrmAlertTest, EachEnablingCaseAndTheBytesOkStores)
{
    struct Case {
        const char *name;
        std::function<void(FrmAlert &)> act;
        std::function<void(FrmAlert &)> check;
        QByteArray bytes;
    };
    // Memory M5 is stored; it shows, and is stored again, only while the ID type is DTMF.
    UseMemories({1, 4});
    Alert().IdEntry = 4;
    const std::vector<Case> cases = {
        {"remote alarm with a DTMF ID",
         [](FrmAlert &w) {
             Combo(w, 0)->setListIndex(1);
             Combo(w, 1)->setListIndex(1);
             Combo(w, 4)->setText(QStringLiteral("30"));
             Combo(w, 5)->setText(QStringLiteral("10"));
         },
         [](FrmAlert &w) {
             EXPECT_FALSE(Combo(w, 3)->isEnabled());
             for (int i : {1, 2, 4, 5})
                 EXPECT_TRUE(Combo(w, i)->isEnabled()) << i;
             EXPECT_EQ(Items(Combo(w, 2)), QStringList({"M2", "M5"}));
             EXPECT_EQ(Combo(w, 2)->Text(), "M5");
         },
         "01 01 04 01 1e 0a 00 00 00 00 01 05"},
        {"back to the local alarm",
         [](FrmAlert &w) {
             Combo(w, 0)->setListIndex(3);
             Combo(w, 0)->setListIndex(0);
             Combo(w, 3)->setText(QStringLiteral("255"));
         },
         [](FrmAlert &w) {
             EXPECT_TRUE(Combo(w, 3)->isEnabled());
             EXPECT_FALSE(Combo(w, 4)->isEnabled());
         },
         "00 00 00 ff 01 01 00 00 00 00 01 05"},
        {"current channel: the emergency channel is disabled yet stored",
         [](FrmAlert &w) {
             Combo(w, 8)->setText(QStringLiteral("1"));
             Combo(w, 6)->setListIndex(1);
             Combo(w, 9)->setListIndex(3);
         },
         [](FrmAlert &w) {
             EXPECT_FALSE(Combo(w, 8)->isEnabled());
             EXPECT_FALSE(Combo(w, 7)->isEnabled());
         },
         "00 00 00 01 01 01 01 01 03 00 01 05"},
        {"assigned channel again",
         [](FrmAlert &w) {
             Combo(w, 6)->setListIndex(1);
             Combo(w, 6)->setListIndex(0);
         },
         [](FrmAlert &w) {
             EXPECT_TRUE(Combo(w, 8)->isEnabled());
             EXPECT_TRUE(Combo(w, 7)->isEnabled());
         },
         "00 00 00 01 01 01 00 00 00 00 01 05"},
        {"lone worker on",
         [](FrmAlert &w) {
             SetCheckValue(Named<QCheckBox>(w, "Check1"), 1);
             Combo(w, 0, "Combo2")->setText(QStringLiteral("30"));
             Combo(w, 1, "Combo2")->setText(QStringLiteral("60"));
         },
         [](FrmAlert &w) {
             EXPECT_TRUE(Combo(w, 0, "Combo2")->isEnabled());
             EXPECT_TRUE(Combo(w, 1, "Combo2")->isEnabled());
         },
         "00 00 00 01 01 01 00 00 00 01 1e 3c"},
        {"lone worker off again",
         [](FrmAlert &w) {
             SetCheckValue(Named<QCheckBox>(w, "Check1"), 1);
             SetCheckValue(Named<QCheckBox>(w, "Check1"), 0);
         },
         [](FrmAlert &w) { EXPECT_FALSE(Combo(w, 0, "Combo2")->isEnabled()); },
         "00 00 00 01 01 01 00 00 00 00 01 05"},
    };
    const AlertBlock start = Alert();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Alert() = start;
        FrmAlert w;
        c.act(w);
        c.check(w);
        Ok(w);
        EXPECT_EQ(AlertBytesInFile().toHex(' '), QByteArray::fromHex(c.bytes).toHex(' '));
    }
}

TEST_F(FrmAlertTest, DtmfMemoryChoices)
{
    // ID type DTMF and memory M16 in use: "M16" shows and OK stores 15.
    UseMemories({0, 15});
    Alert().IdType = 1;
    Alert().IdEntry = 15;
    {
        FrmAlert w;
        EXPECT_EQ(Items(Combo(w, 2)), QStringList({"M1", "M16"})); // the memories in use only
        EXPECT_EQ(Combo(w, 2)->Text(), "M16");
        Ok(w);
        EXPECT_EQ(Alert().IdEntry, 15);
    }
    // Switching the ID type to none empties the list, and OK stores 0 for both.
    {
        FrmAlert w;
        Combo(w, 1)->setListIndex(0);
        EXPECT_EQ(Combo(w, 2)->ListCount(), 0);
        Ok(w);
        EXPECT_EQ(Alert().IdType, 0);
        EXPECT_EQ(Alert().IdEntry, 0);
    }
    // Switching to DTMF shows the first memory in use when the stored one is not.
    Alert().IdEntry = 9;
    {
        FrmAlert w;
        Combo(w, 1)->setListIndex(1);
        EXPECT_EQ(Combo(w, 2)->Text(), "M1");
        Combo(w, 2)->setText(QStringLiteral("M16"));
        Ok(w);
        EXPECT_EQ(Alert().IdType, 1);
        EXPECT_EQ(Alert().IdEntry, 15);
    }
    // No memory in use: the list is empty and a chosen DTMF ID stores memory 0.
    UseMemories({});
    Alert() = AlertBlock{};
    Alert().IdEntry = 6;
    {
        FrmAlert w;
        Combo(w, 1)->setListIndex(1);
        EXPECT_EQ(Combo(w, 2)->ListCount(), 0);
        Ok(w);
        EXPECT_EQ(Alert().IdType, 1);
        EXPECT_EQ(Alert().IdEntry, 0);
    }
}

// On the active window, with its buttons clicked: what each stored block shows, the bytes that
// OK leaves in the saved data file (what the lists show, also for values outside a list), and
// Cancel leaving the block, out-of-range values included, as it was.
TEST_F(FrmAlertTest, OkStoresWhatTheListsShowAndCancelKeepsTheBlock)
{
    UseMemories({1, 4}); // M2 and M5
    const QString local = GetLangText(2630);
    const QString noId = GetLangText(2436);
    const QString assigned = GetLangText(2634);
    const QString noCycle = GetLangText(2636);
    struct Case {
        const char *name;
        QByteArray stored;
        // Combo1(0..6), Combo1(8), Combo1(9), Combo2(0), Combo2(1), then Check1 as "0" or "1".
        QStringList shown;
        QByteArray afterOk;
    };
    const std::vector<Case> cases = {
        {"a new data set: the times show 1 and are stored as 1", "00 00 00 00 00 00 00 00 00 00 01 05",
         {local, noId, "", "1", "1", "1", assigned, "0", noCycle, "1", "5", "0"},
         "00 00 00 01 01 01 00 00 00 00 01 05"},
        {"values past every list store the first item of each",
         "09 02 07 00 00 00 05 cc 00 03 00 03",
         {local, noId, "", "1", "1", "1", assigned, "0", noCycle, "1", "5", "0"},
         "00 00 00 01 01 01 00 00 00 00 01 05"},
        {"a 5-tone ID code shows no ID and is stored as none", "01 02 05 0a 14 1e 01 01 05 01 1e 3c",
         {GetLangText(2631), noId, "", "10", "20", "30", GetLangText(2635), "1", "5", "30", "60", "1"},
         "01 00 00 0a 14 1e 01 01 05 01 1e 3c"},
        {"an ID type above 2 likewise", "02 ff 10 01 01 01 00 00 00 00 ff 04",
         {GetLangText(2632), noId, "", "1", "1", "1", assigned, "0", noCycle, "1", "5", "0"},
         "02 00 00 01 01 01 00 00 00 00 01 05"},
        {"a DTMF memory not in use shows and stores the first in use", "03 01 09 01 02 03 00 01 00 00 01 05",
         {GetLangText(2633), "DTMF", "M2", "1", "2", "3", assigned, "1", noCycle, "1", "5", "0"},
         "03 01 01 01 02 03 00 01 00 00 01 05"},
        {"a channel not in use shows and stores the first channel", "00 00 00 05 05 05 00 32 ff 00 fe ff",
         {local, noId, "", "5", "5", "5", assigned, "0", "255", "254", "255", "0"},
         "00 00 00 05 05 05 00 00 ff 00 fe ff"},
        {"values inside every list come back as they were", "03 01 04 ff 01 80 01 01 ff 01 fe ff",
         {GetLangText(2633), "DTMF", "M5", "255", "1", "128", GetLangText(2635), "1", "255", "254", "255", "1"},
         "03 01 04 ff 01 80 01 01 ff 01 fe ff"},
    };
    const QString path = programDir->path(QStringLiteral("alarm.dat"));
    const auto savedBytes = [&path] {
        EXPECT_TRUE(SaveDataFile(path));
        return testenv::ReadAll(path).mid(kAlertOffset, kAlertSize).toHex(' ');
    };
    for (const Case &c : cases) {
        for (const bool ok : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (ok ? " / OK" : " / Cancel"));
            const QByteArray stored = QByteArray::fromHex(c.stored);
            Alert() = AlertOf(stored);
            const RadioDataRecord before = State().RadioData;
            FrmAlert w;
            testenv::Activate(&w);
            QStringList shown;
            for (int i : {0, 1, 2, 3, 4, 5, 6, 8, 9})
                shown << Combo(w, i)->Text();
            shown << Combo(w, 0, "Combo2")->Text() << Combo(w, 1, "Combo2")->Text();
            shown << QString::number(CheckValue(Named<QCheckBox>(w, "Check1")));
            EXPECT_EQ(shown, c.shown);
            testenv::ClickButton(Named<QPushButton>(w, ok ? "CommandOK" : "CommandCancel"));
            EXPECT_FALSE(w.isVisible());
            EXPECT_EQ(w.result(), ok ? QDialog::Accepted : QDialog::Rejected);
            if (!ok) {
                EXPECT_TRUE(State().RadioData == before);
            }
            EXPECT_EQ(savedBytes(), (ok ? QByteArray::fromHex(c.afterOk) : stored).toHex(' '));
        }
    }
    EXPECT_TRUE(script->calls.isEmpty());
}

TEST_F(FrmAlertTest, AutoDetectAboveOneIsRepairedOnlyByOk)
{
    Alert().AutoDetect = 5;
    {
        FrmAlert w;
        EXPECT_EQ(CheckValue(Named<QCheckBox>(w, "Check1")), 0);
        EXPECT_FALSE(Combo(w, 0, "Combo2")->isEnabled());
        Named<QPushButton>(w, "CommandCancel")->click();
    }
    EXPECT_EQ(Alert().AutoDetect, 5);
    FrmAlert w;
    Ok(w);
    EXPECT_EQ(Alert().AutoDetect, 0);
}

TEST_F(FrmAlertTest, DisabledChoicesStoreWhatTheyShow)
{
    Alert().TxTime = 30;
    SetChannels({201, 202});
    Alert().EmergencyChannel = 17;
    FrmAlert w;
    EXPECT_EQ(Combo(w, 4)->Text(), "30");
    EXPECT_FALSE(Combo(w, 4)->isEnabled());
    EXPECT_EQ(Combo(w, 8)->ListCount(), 0);
    EXPECT_EQ(Combo(w, 8)->Text(), "");
    Ok(w);
    EXPECT_EQ(Alert().TxTime, 30);
    // No normal channel in use: the empty channel list stores 1.
    EXPECT_EQ(Alert().EmergencyChannel, 1);
}

TEST_F(FrmAlertTest, OpensThroughItsHookAndCancelStoresNothing)
{
    RegisterEditorHooks();
    const RadioDataRecord before = State().RadioData;
    script->onModal([](QDialog *d) {
        EXPECT_EQ(d->objectName(), "FrmAlert");
        Combo(*d, 0)->setListIndex(2);
        Combo(*d, 9)->setListIndex(9);
        SetCheckValue(Named<QCheckBox>(*d, "Check1"), 1);
        Named<QPushButton>(*d, "CommandCancel")->click();
        return d->result();
    });
    CallHook(Hooks().ShowFrmAlert);
    EXPECT_TRUE(State().RadioData == before);
    script->onModal([](QDialog *d) {
        Combo(*d, 9)->setListIndex(9);
        Named<QPushButton>(*d, "CommandOK")->click();
        return d->result();
    });
    CallHook(Hooks().ShowFrmAlert);
    EXPECT_EQ(Alert().Cycles, 9);
    EXPECT_EQ(script->unscriptedCount(), 0);
}

TEST_F(FrmAlertTest, CaptionsInBothLanguages)
{
    testenv::ExpectCaptionsInBothLanguages([] { return std::make_unique<FrmAlert>(); });
}

} // namespace
