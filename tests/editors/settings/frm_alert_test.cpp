#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include "common/captions.h"
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

TEST_F(FrmAlertTest, DefaultsShowTheirChoicesAndOkKeepsTheBlock)
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
    // Alarm, transmit and receive times of 0 are outside their lists and stay as stored.
    EXPECT_EQ(AlertBytesInFile().toHex(' '), QByteArray("00 00 00 00 00 00 00 00 00 00 01 05"));
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
    // The stored memory M5 stays in byte 2 unless the user chooses an ID type or memory.
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
         "01 01 04 00 1e 0a 00 00 00 00 01 05"},
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
         "00 00 04 ff 00 00 00 00 00 00 01 05"},
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
         "00 00 04 00 00 00 01 01 03 00 01 05"},
        {"assigned channel again",
         [](FrmAlert &w) {
             Combo(w, 6)->setListIndex(1);
             Combo(w, 6)->setListIndex(0);
         },
         [](FrmAlert &w) {
             EXPECT_TRUE(Combo(w, 8)->isEnabled());
             EXPECT_TRUE(Combo(w, 7)->isEnabled());
         },
         "00 00 04 00 00 00 00 00 00 00 01 05"},
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
         "00 00 04 00 00 00 00 00 00 01 1e 3c"},
        {"lone worker off again",
         [](FrmAlert &w) {
             SetCheckValue(Named<QCheckBox>(w, "Check1"), 1);
             SetCheckValue(Named<QCheckBox>(w, "Check1"), 0);
         },
         [](FrmAlert &w) { EXPECT_FALSE(Combo(w, 0, "Combo2")->isEnabled()); },
         "00 00 04 00 00 00 00 00 00 00 01 05"},
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

TEST_F(FrmAlertTest, ValuesOutsideTheListsShowTheFirstItemAndSurviveOk)
{
    UseMemories({3});
    Alert() = AlertBlock{9, 2, 7, 0, 0, 0, 5, 204, 0, 1, 0, 3}; // a 5-tone ID, a special channel
    const QByteArray before = AlertBytesInFile();
    FrmAlert w;
    for (int i : {0, 1, 3, 4, 5, 6, 8})
        EXPECT_EQ(Combo(w, i)->ListIndex(), 0) << i;
    EXPECT_EQ(Combo(w, 2)->ListCount(), 0);
    EXPECT_EQ(Combo(w, 0, "Combo2")->Text(), "1");
    EXPECT_EQ(Combo(w, 1, "Combo2")->Text(), "5");
    Ok(w);
    EXPECT_EQ(AlertBytesInFile().toHex(' '), before.toHex(' '));
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

TEST_F(FrmAlertTest, DisabledChoicesKeepAndStoreTheirValues)
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
    EXPECT_EQ(Alert().EmergencyChannel, 17);
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
