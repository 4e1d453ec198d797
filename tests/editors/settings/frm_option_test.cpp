#include <QPushButton>
#include <gtest/gtest.h>

#include "common/captions.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "editors/editor_hooks.h"
#include "editors/settings/frm_option.h"
#include "settings_fixture.h"

using namespace settingstest;

namespace {

// The option block's place in the data file, and the three option bytes.
constexpr int kOptionOffset = 6738;
constexpr int kOptionSize = 76;
constexpr int kPf1Offset = 9719;
constexpr int kFmRadioOffset = 9720;
constexpr int kPf2Offset = 9741;

TextBox *Box(const QWidget &w, int k)
{
    TextBox *b = FindArrayElement<TextBox>(&w, QStringLiteral("Text1"), k);
    EXPECT_NE(b, nullptr) << "Text1(" << k << ")";
    return b;
}

OptionBlock &Options() { return State().RadioData.SignallingRecord.OptionBlock; }

void Ok(FrmOption &w) { Named<QPushButton>(w, "CommandOK")->click(); }
void Cancel(FrmOption &w) { Named<QPushButton>(w, "CommandCancel")->click(); }

class FrmOptionTest : public SettingsTest {
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        SetDefaults(Options());
        State().RadioData.Pf1KeyFunction = 0;
        State().RadioData.Pf2KeyFunction = 0;
        State().RadioData.FmRadioEnable = 0;
    }

    // Changes a little of everything, as a user would.
    static void EditSomeOfEverything(FrmOption &w)
    {
        Combo(w, 0)->setListIndex(2);
        Combo(w, 4)->setText(QStringLiteral("PL1"));
        Combo(w, 6)->setText(QStringLiteral("VFO"));
        Combo(w, 7)->setListIndex(3);
        Combo(w, 16)->setListIndex(5);
        Combo(w, 23)->setListIndex(25);
        SetCheckValue(Check(w, 0), 1);
        SetCheckValue(Check(w, 5), 1);
        Combo(w, 25)->setListIndex(2);
        SetCheckValue(Check(w, 7), 1);
        Box(w, 0)->setText(QStringLiteral("A"));
        Box(w, 2)->setText(QStringLiteral("B"));
        Box(w, 11)->setText(QStringLiteral("z"));
    }
};

TEST_F(FrmOptionTest, OkWritesExactlyTheChosenFieldsIntoTheFile)
{
    const QByteArray before = EncodeRadioDataFile(State().RadioData);
    FrmOption w;
    EditSomeOfEverything(w);
    Ok(w);
    const QByteArray after = EncodeRadioDataFile(State().RadioData);

    // Display mode 2 set both display styles to 1; "PL1" is channel 201; "VFO" is entry 100.
    const QByteArray expected = QByteArray::fromHex(
        "0200 0100 0100 0000 c800 0000 6400 0300 0000 0000 0000 0000 0000 0000 0000 0000"
        "0000 0000 0100 0000 0000 0500 0000 0000 0000 0000 0000 1900 0000 0100 0000 0000"
        "41 20 42 20 20 20 20 20 20 20 20 7a");
    ASSERT_EQ(expected.size(), kOptionSize);
    EXPECT_EQ(after.mid(kOptionOffset, kOptionSize).toHex(' '), expected.toHex(' '));
    EXPECT_EQ(uint8_t(after[kPf1Offset]), 2);
    EXPECT_EQ(uint8_t(after[kFmRadioOffset]), 1);
    EXPECT_EQ(uint8_t(after[kPf2Offset]), 0);

    // Nothing else of the file changed.
    QByteArray a = after, b = before;
    for (QByteArray *x : {&a, &b}) {
        x->replace(kOptionOffset, kOptionSize, QByteArray(kOptionSize, 0));
        (*x)[kPf1Offset] = (*x)[kFmRadioOffset] = (*x)[kPf2Offset] = 0;
    }
    EXPECT_EQ(a, b);
}

TEST_F(FrmOptionTest, CancelAndClosingStoreNothing)
{
    for (bool close : {false, true}) {
        const RadioDataRecord before = State().RadioData;
        {
            FrmOption w;
            EditSomeOfEverything(w);
            if (close)
                w.close();
            else
                Cancel(w);
            EXPECT_EQ(w.result(), QDialog::Rejected);
        }
        EXPECT_TRUE(State().RadioData == before) << (close ? "close" : "Cancel");
    }
}

TEST_F(FrmOptionTest, OkOnTheDefaultsStoresTwelveSpacesForTheEmptyText)
{
    FrmOption w;
    for (int k = 0; k < FrmOption::kTextBoxes; ++k)
        EXPECT_TRUE(Box(w, k)->text().isEmpty()) << k;
    Ok(w);
    EXPECT_EQ(Options().PowerOnPassword.toByteArray(), QByteArray(12, ' '));
}

TEST_F(FrmOptionTest, CharacterBoxesShowTheTextUpToItsNul)
{
    struct Case {
        QByteArray stored;
        QStringList boxes;
    };
    const std::vector<Case> cases = {
        {QByteArray("AB CD       "), {"A", "B", "", "C", "D", "", "", "", "", "", "", ""}},
        {QByteArray("AB\0CD       ", 12), {"A", "B", "", "", "", "", "", "", "", "", "", ""}},
        {QByteArray(" x\xe9         "), {"", "x", QString(QChar(0xe9)), "", "", "", "", "", "", "", "", ""}},
    };
    for (const Case &c : cases) {
        Options().PowerOnPassword.assign(c.stored);
        FrmOption w;
        QStringList shown;
        for (int k = 0; k < FrmOption::kTextBoxes; ++k)
            shown << Box(w, k)->text();
        EXPECT_EQ(shown, c.boxes) << c.stored.toHex().toStdString();
    }
    // A byte above 127 goes back as it came.
    FrmOption w;
    Ok(w);
    EXPECT_EQ(Options().PowerOnPassword.toByteArray(), QByteArray(" x\xe9         "));
}

TEST_F(FrmOptionTest, ChannelListsAreInNumberOrderWhateverTheSlotOrder)
{
    SetChannels({201, 5, 1, 206, 200, 205, 3, 204});
    FmChannelTable &fm = State().RadioData.FmChannelTable;
    for (FmChannelEntry &e : fm)
        e.Used = 0;
    fm[7].Used = 1;
    fm[3].Used = 1;
    fm[100].Used = 1;
    Options().MemoryChannel1 = 199; // channel 200, shown "199"
    Options().MemoryChannel2 = 203; // "PU2"
    Options().FmMemoryChannel = 100;

    FrmOption w;
    const QStringList channels = {"0", "2", "4", "199", "PL1", "PU2"};
    EXPECT_EQ(Items(Combo(w, 4)), channels);
    EXPECT_EQ(Items(Combo(w, 5)), channels);
    EXPECT_EQ(Items(Combo(w, 6)), QStringList({"3", "7", "VFO"}));
    EXPECT_EQ(Combo(w, 4)->Text(), "199");
    EXPECT_EQ(Combo(w, 5)->Text(), "PU2");
    EXPECT_EQ(Combo(w, 6)->Text(), "VFO");

    // Choosing stores the channel number minus 1, and a FM-radio entry or 100 for "VFO".
    Combo(w, 4)->setText(QStringLiteral("0"));
    Combo(w, 5)->setText(QStringLiteral("PL1"));
    Combo(w, 6)->setText(QStringLiteral("7"));
    EXPECT_EQ(State().OptionEditCopy.MemoryChannel1, 0);
    EXPECT_EQ(State().OptionEditCopy.MemoryChannel2, 200);
    EXPECT_EQ(State().OptionEditCopy.FmMemoryChannel, 7);
    Combo(w, 6)->setText(QStringLiteral("VFO"));
    EXPECT_EQ(State().OptionEditCopy.FmMemoryChannel, 100);
}

TEST_F(FrmOptionTest, OnlyVfoChannelsGiveEmptyChannelListsAndKeepTheFields)
{
    SetChannels({205, 206});
    Options().MemoryChannel1 = 204;
    Options().MemoryChannel2 = 17;
    FrmOption w;
    EXPECT_EQ(Combo(w, 4)->ListCount(), 0);
    EXPECT_EQ(Combo(w, 5)->ListCount(), 0);
    Ok(w);
    EXPECT_EQ(Options().MemoryChannel1, 204);
    EXPECT_EQ(Options().MemoryChannel2, 17);
}

TEST_F(FrmOptionTest, FixedListsInTheirOrder)
{
    FrmOption w;
    EXPECT_EQ(Items(Combo(w, 9)), QStringList({"5s", "10s", "15s", "SCP2s"}));
    EXPECT_EQ(Items(Combo(w, 10)).mid(0, 4), QStringList({"0s", "1s", "2s", "3s"}));
    EXPECT_EQ(Combo(w, 10)->List(4), GetLangText(8101));
    const QStringList tot = Items(Combo(w, 16));
    ASSERT_EQ(tot.size(), 28);
    EXPECT_EQ(tot[0], GetLangText(1755));
    EXPECT_EQ(tot[1], "10" + GetLangText(1781));
    EXPECT_EQ(tot[27], "270" + GetLangText(1781));
    EXPECT_EQ(Items(Combo(w, 19)), QStringList({GetLangText(1755), "Repeater", "Busy"}));
    EXPECT_EQ(Items(Combo(w, 20)), QStringList({GetLangText(1755), "1:2", "1:3", "1:5", "1:8", GetLangText(1757)}));
    EXPECT_EQ(Items(Combo(w, 21)), QStringList({GetLangText(1755), "1750 Hz", "2100 Hz", "1000 Hz", "1450 Hz"}));
    EXPECT_EQ(Combo(w, 22)->ListCount(), 11);
    EXPECT_EQ(Combo(w, 22)->List(10), "10");
    const QStringList vox = Items(Combo(w, 23));
    ASSERT_EQ(vox.size(), 26);
    EXPECT_EQ(vox.front(), "0.5");
    EXPECT_EQ(vox[1], "0.6");
    EXPECT_EQ(vox.back(), "3.0");
    for (int i : {25, 26})
        EXPECT_EQ(Items(Combo(w, i)), QStringList({"Off", "VOLT", "CALL", "ALARM", "SUBPTT", "LAMP"}));
    EXPECT_EQ(Items(Combo(w, 18)), QStringList({GetLangText(1796), GetLangText(1797)}));
    for (int i : {7, 8})
        EXPECT_EQ(Combo(w, i)->ListCount(), 10);
}

TEST_F(FrmOptionTest, EveryControlShowsItsStoredValueThoughTheWindowIsHidden)
{
    OptionBlock &o = Options();
    o.SquelchLevel2 = 9;
    o.FunctionKeyTime = 4;
    o.BusyLock = 2;
    o.VoxDelay = 25;
    o.TailEliminationMode = 3;
    o.InitialiseKey = 1;
    State().RadioData.Pf2KeyFunction = 5;
    State().RadioData.FmRadioEnable = 1;
    FrmOption w;
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(Combo(w, 8)->ListIndex(), 9);
    EXPECT_EQ(Combo(w, 10)->ListIndex(), 4);
    EXPECT_TRUE(Combo(w, 19)->isHidden());
    EXPECT_EQ(Combo(w, 19)->Text(), "Busy");
    EXPECT_EQ(Combo(w, 23)->Text(), "3.0");
    EXPECT_EQ(Combo(w, 24)->ListIndex(), 3);
    EXPECT_EQ(Combo(w, 26)->Text(), "LAMP");
    EXPECT_EQ(CheckValue(Check(w, 2)), 1);
    EXPECT_EQ(CheckValue(Check(w, 7)), 1);
    EXPECT_EQ(w.windowTitle(), GetLangText(1701));
}

TEST_F(FrmOptionTest, ValuesOutsideTheListsShowTheFirstItemAndSurviveOk)
{
    OptionBlock &o = Options();
    o.DisplayStyle1 = 5;
    o.ScanTime = 7;
    o.Tot = -1;
    o.VoxDelay = 26;
    o.BusyLock = 3;
    o.MemoryChannel1 = 204;      // VFO1, not in the list
    o.FmMemoryChannel = 55;      // an entry that is not in use
    o.Alarm = 4;                 // no check-box value
    o.PowerOnPassword.assign("HELLO");
    RadioDataRecord &rd = State().RadioData;
    rd.Pf1KeyFunction = 9;
    rd.Pf2KeyFunction = 6;
    rd.FmRadioEnable = 3;
    const QByteArray before = EncodeRadioDataFile(rd);

    FrmOption w;
    for (int i : {1, 9, 16, 19, 23, 25, 26})
        EXPECT_EQ(Combo(w, i)->ListIndex(), 0) << "Combo1(" << i << ")";
    EXPECT_EQ(Combo(w, 4)->Text(), "0");
    EXPECT_EQ(Combo(w, 6)->Text(), "0");
    EXPECT_EQ(CheckValue(Check(w, 5)), 0);
    EXPECT_EQ(CheckValue(Check(w, 7)), 0);
    Ok(w);
    EXPECT_EQ(EncodeRadioDataFile(rd).toHex(' '), before.toHex(' '));

    // A choice of the user does replace the value.
    FrmOption again;
    Combo(again, 9)->setListIndex(2);
    Combo(again, 26)->setListIndex(1);
    SetCheckValue(Check(again, 7), 1);
    Ok(again);
    EXPECT_EQ(o.ScanTime, 2);
    EXPECT_EQ(rd.Pf2KeyFunction, 1);
    EXPECT_EQ(rd.FmRadioEnable, 1);
    EXPECT_EQ(rd.Pf1KeyFunction, 9);
    EXPECT_EQ(o.Tot, -1);
}

TEST_F(FrmOptionTest, DisplayModeInterlockInEveryDirection)
{
    struct Step {
        int mode;
        int style;      // both display styles
        bool enabled;   // both style lists
        bool extraShown;
    };
    // From each mode to each other: 0->1, 1->0, 0->2, 2->1, 1->2, 2->0.
    const std::vector<Step> steps = {
        {1, 1, false, true}, {0, 0, true, false}, {2, 1, true, false},
        {1, 1, false, true}, {2, 1, true, false}, {0, 0, true, false},
    };
    FrmOption w;
    const OptionBlock &c = State().OptionEditCopy;
    for (const Step &s : steps) {
        // The extra choice is set to its second item while it is offered; leaving mode 1 resets it.
        if (Combo(w, 0)->ListIndex() == 1)
            Combo(w, 18)->setListIndex(1);
        Combo(w, 0)->setListIndex(s.mode);
        SCOPED_TRACE(testing::Message() << "mode " << s.mode);
        EXPECT_EQ(c.DisplayMode, s.mode);
        EXPECT_EQ(Combo(w, 1)->ListIndex(), s.style);
        EXPECT_EQ(Combo(w, 2)->ListIndex(), s.style);
        EXPECT_EQ(c.DisplayStyle1, s.style);
        EXPECT_EQ(c.DisplayStyle2, s.style);
        EXPECT_EQ(Combo(w, 1)->isEnabled(), s.enabled);
        EXPECT_EQ(Combo(w, 2)->isEnabled(), s.enabled);
        EXPECT_EQ(!Combo(w, 18)->isHidden(), s.extraShown);
        if (!s.extraShown) {
            EXPECT_EQ(Combo(w, 18)->ListIndex(), 0);
            EXPECT_EQ(c.UnlabelledChoice, 0);
        }
    }
    Combo(w, 0)->setListIndex(1);
    Combo(w, 18)->setListIndex(1);
    Ok(w);
    EXPECT_EQ(Options().DisplayMode, 1);
    EXPECT_EQ(Options().UnlabelledChoice, 1);
    EXPECT_EQ(Options().DisplayStyle1, 1);
}

TEST_F(FrmOptionTest, InterlockSetsTheStylesThatTheListsCouldNotShow)
{
    Options().DisplayMode = 1;
    Options().DisplayStyle1 = 5;
    Options().DisplayStyle2 = -3;
    Options().UnlabelledChoice = 7;
    FrmOption w;
    EXPECT_EQ(Combo(w, 1)->ListIndex(), 0);
    EXPECT_EQ(Combo(w, 18)->ListIndex(), 0);
    Combo(w, 0)->setListIndex(0);
    Ok(w);
    EXPECT_EQ(Options().DisplayMode, 0);
    EXPECT_EQ(Options().DisplayStyle1, 0);
    EXPECT_EQ(Options().DisplayStyle2, 0);
    EXPECT_EQ(Options().UnlabelledChoice, 0);
}

TEST_F(FrmOptionTest, StoredDisplayModeOneOpensWithTheStylesLocked)
{
    for (int mode : {0, 1, 2, 7}) {
        Options().DisplayMode = int16_t(mode);
        Options().DisplayStyle1 = 0;
        Options().UnlabelledChoice = 1;
        FrmOption w;
        SCOPED_TRACE(mode);
        EXPECT_EQ(Combo(w, 1)->isEnabled(), mode != 1);
        EXPECT_EQ(Combo(w, 2)->isEnabled(), mode != 1);
        EXPECT_EQ(Combo(w, 18)->isHidden(), mode != 1);
        // The show selects without running the list rules.
        EXPECT_EQ(Combo(w, 1)->ListIndex(), 0);
        EXPECT_EQ(Combo(w, 18)->ListIndex(), 1);
        EXPECT_TRUE(State().OptionEditCopy == Options());
    }
}

TEST_F(FrmOptionTest, CharacterBoxesMoveOnByThemselves)
{
    FrmOption w;
    Activate(&w);
    Box(w, 0)->setFocus();
    Settle();
    Key(Box(w, 0), Qt::Key_A, QStringLiteral("A"));
    EXPECT_EQ(Box(w, 0)->text(), "A");
    EXPECT_EQ(QApplication::focusWidget(), Box(w, 1));

    // "\" and "~" are refused and the focus stays.
    Key(Box(w, 1), Qt::Key_Backslash, QStringLiteral("\\"));
    Key(Box(w, 1), Qt::Key_AsciiTilde, QStringLiteral("~"));
    EXPECT_EQ(Box(w, 1)->text(), "");
    EXPECT_EQ(QApplication::focusWidget(), Box(w, 1));

    // The last box moves on to the display mode.
    Box(w, 11)->setFocus();
    Settle();
    Key(Box(w, 11), Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(QApplication::focusWidget(), Combo(w, 0));

    // Enter moves on from a list (the hidden extra list is passed by) and from a check box,
    // without pressing OK.
    Key(Combo(w, 0), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), Combo(w, 1));
    Check(w, 6)->setFocus();
    Settle();
    Key(Check(w, 6), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), Named<QPushButton>(w, "CommandOK"));
    Box(w, 4)->setFocus();
    Settle();
    Key(Box(w, 4), Qt::Key_Return);
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), Box(w, 5));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.result(), 0);
}

TEST_F(FrmOptionTest, PastedTextFollowsTheCharacterRule)
{
    FrmOption w;
    TextBox *box = Box(w, 3);
    EXPECT_EQ(box->EnterText(QStringLiteral("\\~\u00e9\u4e2d?Q")), "?");
    EXPECT_EQ(box->text(), "?");
    Box(w, 4)->EnterText(QStringLiteral("\\~"));
    EXPECT_EQ(Box(w, 4)->text(), "");
}

TEST_F(FrmOptionTest, OpensThroughItsHookAndOkRebuildsTheTree)
{
    RegisterEditorHooks();
    int trees = 0;
    Hooks().LoadShowTree = [&trees] { ++trees; };
    for (bool ok : {false, true}) {
        script->onModal([ok](QDialog *d) {
            EXPECT_EQ(d->objectName(), "FrmOption");
            Combo(*d, 7)->setListIndex(4);
            Named<QPushButton>(*d, ok ? "CommandOK" : "CommandCancel")->click();
            return d->result();
        });
        CallHook(Hooks().ShowFrmOption);
        EXPECT_EQ(trees, ok ? 1 : 0);
        EXPECT_EQ(Options().SquelchLevel1, ok ? 4 : 0);
    }
    EXPECT_EQ(script->unscriptedCount(), 0);
}

TEST_F(FrmOptionTest, CaptionsInBothLanguages)
{
    testenv::ExpectCaptionsInBothLanguages([] { return std::make_unique<FrmOption>(); });
}

} // namespace
