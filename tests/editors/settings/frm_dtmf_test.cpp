// The DTMF editor and its special-call composer, driven headless through their named controls.

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "common/captions.h"
#include "common/test_env.h"
#include "common/ui_steps.h"
#include "common/wait_until.h"
#include "data/app_state.h"
#include "data/data_file.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/radio_data.h"
#include "editors/editor_hooks.h"
#include "editors/settings/frm_dtmf.h"
#include "editors/settings/frm_dtmf_special.h"
#include "platform/form_kit.h"

namespace {

using testenv::Activate;
using testenv::FocusOn;
using testenv::Settle;

QString S(const char *text) { return QString::fromUtf8(text); }

DtmfBlock &Dtmf() { return State().RadioData.SignallingRecord.DtmfBlock; }

template <std::size_t N>
QString Bytes(const FixStr<N> &f)
{
    return QString::fromLatin1(f.toByteArray());
}

// A stored code: its digits in stored form, filled with spaces, and its length.
template <class Code>
void SetCode(Code &code, const char *digits, int length)
{
    code.Code = QByteArray(digits);
    code.Length = static_cast<int16_t>(length);
}

TextBox *Code(QWidget *w, int i) { return FindArrayElement<TextBox>(w, S("Text2"), i); }
ComboBox *Combo(QWidget *w, int i) { return FindArrayElement<ComboBox>(w, S("Combo1"), i); }
TextBox *OwnId(QWidget *w) { return w->findChild<TextBox *>(S("Text3")); }
QCheckBox *SideTone(QWidget *w) { return w->findChild<QCheckBox *>(S("Check1")); }
QPushButton *Button(QWidget *w, const char *name) { return w->findChild<QPushButton *>(S(name)); }

// Watches a dialog for its closing.
struct Closing {
    explicit Closing(QDialog *d)
    {
        QObject::connect(d, &QDialog::finished, d, [this](int r) {
            closed = true;
            result = r;
        });
    }
    bool closed = false;
    int result = -1;
};

class FrmDTMFTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        SetDefaults(Dtmf());
        SnapshotToSaved();
    }

    // Clicks OK and waits for the tick's store and close.
    static bool OkAndWait(FrmDTMF &w)
    {
        Closing closing(&w);
        Button(&w, "CommandOK")->click();
        return testenv::WaitUntil([&] { return closing.closed; }, 2000) && closing.result == QDialog::Accepted;
    }
};

// ---------------------------------------------------------------------------------------------
// Show

TEST_F(FrmDTMFTest, ShowFillsEveryControlAndLeavesValidDataAlone)
{
    DtmfBlock &d = Dtmf();
    SetCode(d.CodeMemory[0], "12E", 2);
    SetCode(d.CodeMemory[1], "12E", 3);
    SetCode(d.CodeMemory[2], "12E", 5);
    SetCode(d.PttIdBegin, "1F", 2);
    SetCode(d.RemoteStun, "987", 3);
    d.OwnId = QByteArray("456");
    d.GroupCode = 255; // off, as OK stores it
    d.SendTime = 4;
    d.Separator = 15;
    d.DecodeResponse = 2;
    d.FirstDigitDelay = 250;
    d.PreSendDelay = 3;
    d.ResetTime = 5;
    d.PostSendDelay = 250;
    d.PauseTime = 75;
    d.SideTone = 1;
    SnapshotToSaved();

    {
        FrmDTMF w;
        EXPECT_EQ(Code(&w, 0)->text(), S("12"));
        EXPECT_EQ(Code(&w, 1)->text(), S("12*"));
        EXPECT_EQ(Code(&w, 2)->text(), S("12*  "));
        EXPECT_EQ(Code(&w, 3)->text(), S(""));
        EXPECT_EQ(Code(&w, 16)->text(), S("1#"));
        EXPECT_EQ(Code(&w, 19)->text(), S("987"));
        EXPECT_EQ(OwnId(&w)->text(), S("456"));
        EXPECT_EQ(Combo(&w, 2)->Text(), S("500") + GetLangText(1780));
        EXPECT_EQ(Combo(&w, 5)->Text(), S("#"));
        EXPECT_EQ(Combo(&w, 6)->ListIndex(), 0);
        EXPECT_EQ(Combo(&w, 6)->Text(), GetLangText(1755));
        EXPECT_EQ(Combo(&w, 7)->ListIndex(), 2);
        EXPECT_EQ(Combo(&w, 8)->Text(), S("2500"));
        EXPECT_EQ(Combo(&w, 9)->Text(), S("30"));
        EXPECT_EQ(Combo(&w, 10)->Text(), S("0.5"));
        EXPECT_EQ(Combo(&w, 11)->Text(), S("2500"));
        EXPECT_EQ(Combo(&w, 12)->Text(), S("75"));
        EXPECT_EQ(CheckValue(SideTone(&w)), 1);
        EXPECT_EQ(Combo(&w, 0)->ListIndex(), -1); // the current group is never chosen
        EXPECT_TRUE(Combo(&w, 1)->isHidden());
        EXPECT_TRUE(Combo(&w, 3)->isHidden());
        EXPECT_EQ(w.CurDTMFEditID, 0);
        Button(&w, "CommandCancel")->click();
    }
    EXPECT_EQ(Dtmf().GroupCode, 255);
    EXPECT_FALSE(IsDataModified());
}

struct RepairCase {
    const char *name;
    std::function<void(DtmfBlock &)> store;
    std::function<void(const DtmfBlock &)> expectRepaired;
    int combo;         // the control that shows the value, -1 for the own ID and the side tone
    const char *shown; // its text; "Off" stands for the off item
};

TEST_F(FrmDTMFTest, ShowRepairsOutOfRangeValuesAtOnceAndTheyStayAfterCancel)
{
    const std::vector<RepairCase> cases = {
        {"ani", [](DtmfBlock &d) { d.Ani = 2; }, [](const DtmfBlock &d) { EXPECT_EQ(d.Ani, 0); }, 1, "Off"},
        {"send time", [](DtmfBlock &d) { d.SendTime = 5; }, [](const DtmfBlock &d) { EXPECT_EQ(d.SendTime, 0); }, 2,
         "50ms"},
        {"ptt-id mode", [](DtmfBlock &d) { d.PttIdMode = 4; }, [](const DtmfBlock &d) { EXPECT_EQ(d.PttIdMode, 0); },
         3, "Off"},
        {"short id", [](DtmfBlock &d) { d.OwnId = QByteArray("7"); },
         [](const DtmfBlock &d) { EXPECT_EQ(Bytes(d.OwnId), S("700")); }, -1, "700"},
        {"two-digit id", [](DtmfBlock &d) { d.OwnId = QByteArray("12"); },
         [](const DtmfBlock &d) { EXPECT_EQ(Bytes(d.OwnId), S("120")); }, -1, "120"},
        {"empty id", [](DtmfBlock &d) { d.OwnId = FixStr<3>::EmptyNul(); },
         [](const DtmfBlock &d) { EXPECT_EQ(Bytes(d.OwnId), S("000")); }, -1, "000"},
        // A number to the general test, but not decimal digits: the radio could not take it.
        {"exponent id", [](DtmfBlock &d) { d.OwnId = QByteArray("1E2"); },
         [](const DtmfBlock &d) { EXPECT_EQ(Bytes(d.OwnId), S("000")); }, -1, "000"},
        {"separator", [](DtmfBlock &d) { d.Separator = 0; }, [](const DtmfBlock &d) { EXPECT_EQ(d.Separator, 14); }, 5,
         "*"},
        {"group code", [](DtmfBlock &d) { d.GroupCode = 7; }, [](const DtmfBlock &d) { EXPECT_EQ(d.GroupCode, 255); },
         6, "Off"},
        {"group code 9", [](DtmfBlock &d) { d.GroupCode = 9; },
         [](const DtmfBlock &d) { EXPECT_EQ(d.GroupCode, 255); }, 6, "Off"},
        {"decode response", [](DtmfBlock &d) { d.DecodeResponse = 3; },
         [](const DtmfBlock &d) { EXPECT_EQ(d.DecodeResponse, 0); }, 7, "None"},
        {"first digit delay", [](DtmfBlock &d) { d.FirstDigitDelay = 251; },
         [](const DtmfBlock &d) { EXPECT_EQ(d.FirstDigitDelay, 0); }, 8, "0"},
        {"pause time", [](DtmfBlock &d) { d.PauseTime = 3; }, [](const DtmfBlock &d) { EXPECT_EQ(d.PauseTime, 0); }, 12,
         "Off"},
        {"side tone", [](DtmfBlock &d) { d.SideTone = 2; }, [](const DtmfBlock &d) { EXPECT_EQ(d.SideTone, 0); }, -1,
         "0"},
    };
    for (const RepairCase &c : cases) {
        SCOPED_TRACE(c.name);
        SetDefaults(Dtmf());
        c.store(Dtmf());
        SnapshotToSaved();
        {
            FrmDTMF w;
            c.expectRepaired(Dtmf()); // written by the load, before any OK
            const QString shown = S(c.shown);
            if (c.combo >= 0)
                EXPECT_EQ(Combo(&w, c.combo)->Text(), shown == S("Off")    ? GetLangText(1755)
                                                      : shown == S("None") ? GetLangText(1650)
                                                                           : shown);
            else if (shown.size() == 3)
                EXPECT_EQ(OwnId(&w)->text(), shown);
            else
                EXPECT_EQ(CheckValue(SideTone(&w)), 0);
            Button(&w, "CommandCancel")->click();
        }
        c.expectRepaired(Dtmf());
        // The decode response is left out of the unsaved-changes test on purpose.
        EXPECT_EQ(IsDataModified(), c.combo != 7);
    }
}

TEST_F(FrmDTMFTest, AHiddenLoadRepairsTooAndKeepsValidValues)
{
    Dtmf().Separator = 3;
    Dtmf().GroupCode = 255;
    {
        FrmDTMF printOut; // loaded, never shown
    }
    EXPECT_EQ(Dtmf().Separator, 14);
    EXPECT_EQ(Dtmf().GroupCode, 255);
}

// A stored value that a list cannot show appears as the list's first item and is stored back as
// it was unless the user picks an item.
TEST_F(FrmDTMFTest, UnshowableValuesAreKeptByOkUnlessTheUserPicks)
{
    DtmfBlock &d = Dtmf();
    d.PreSendDelay = 0;
    d.PostSendDelay = 0;
    d.ResetTime = 251;
    d.PauseTime = 80;
    d.Ani = -1;
    SnapshotToSaved();
    {
        FrmDTMF w;
        EXPECT_EQ(Combo(&w, 9)->Text(), S("10"));
        EXPECT_EQ(Combo(&w, 10)->Text(), S("0.0"));
        EXPECT_EQ(Combo(&w, 12)->ListIndex(), 0);
        EXPECT_FALSE(IsDataModified()); // nothing written by the load
        Combo(&w, 11)->setText(S("30"));
        ASSERT_TRUE(OkAndWait(w));
    }
    EXPECT_EQ(d.PreSendDelay, 0);
    EXPECT_EQ(d.PostSendDelay, 3);
    EXPECT_EQ(d.ResetTime, 251);
    EXPECT_EQ(d.PauseTime, 80);
    EXPECT_EQ(d.Ani, -1);
}

// Without a language file the keyed items are empty texts; the lists still show and store the
// stored positions.
TEST_F(FrmDTMFTest, AMissingLanguageFileLosesNoValue)
{
    ASSERT_TRUE(QFile::remove(programDir->path(S("language/english.ini"))));
    DtmfBlock &d = Dtmf();
    d.Ani = 1;
    d.DecodeResponse = 2;
    d.PttIdMode = 2;
    d.PauseTime = 0;
    SnapshotToSaved();
    {
        FrmDTMF w;
        EXPECT_EQ(Combo(&w, 7)->ListIndex(), 2);
        EXPECT_EQ(FindArrayElement<QLabel>(&w, S("Label1"), 18)->text(), S(""));
        ASSERT_TRUE(OkAndWait(w));
    }
    EXPECT_FALSE(IsDataModified());
    EXPECT_EQ(d.Ani, 1);
    EXPECT_EQ(d.DecodeResponse, 2);
    EXPECT_EQ(d.PttIdMode, 2);
    EXPECT_TRUE(script->messages().isEmpty());
}

// ---------------------------------------------------------------------------------------------
// Code entry

TEST_F(FrmDTMFTest, CodeBoxesTakeOnlyDtmfCharactersTypedOrPasted)
{
    FrmDTMF w;
    Activate(&w);
    TextBox *memory = Code(&w, 0);
    FocusOn(memory);
    QTest::keyClicks(memory, S("1beE *#x"));
    EXPECT_EQ(memory->text(), S("1B*#"));

    struct PasteCase {
        TextBox *box;
        const char *pasted;
        const char *entered;
    };
    const PasteCase cases[] = {
        {Code(&w, 1), "1a*e#x9dü", "1A*#9D"},
        {Code(&w, 16), "0123456789012345678901234567", "012345678901234567890123"},
        {Code(&w, 18), "12345678901234567", "12345678901234"},
        {OwnId(&w), "1E2", "12"},
    };
    for (const PasteCase &c : cases) {
        SCOPED_TRACE(c.pasted);
        c.box->clear();
        ASSERT_TRUE(testenv::PasteByMenu(c.box, S(c.pasted)));
        EXPECT_EQ(c.box->text(), S(c.entered));
    }
    FocusOn(Combo(&w, 2));
    ASSERT_TRUE(OkAndWait(w));
    EXPECT_EQ(Bytes(Dtmf().CodeMemory[1].Code), S("1AEF9D").leftJustified(24));
    EXPECT_EQ(Bytes(Dtmf().RemoteKill.Code), S("12345678901234"));
    EXPECT_EQ(Bytes(Dtmf().OwnId), S("120"));
}

TEST_F(FrmDTMFTest, EnterInAListMovesOnWithoutPressingOk)
{
    FrmDTMF w;
    Closing closing(&w);
    Activate(&w);
    FocusOn(Combo(&w, 2));
    QTest::keyClick(Combo(&w, 2), Qt::Key_Return);
    Settle();
    EXPECT_TRUE(OwnId(&w)->hasFocus());
    testenv::Pump(120);
    EXPECT_FALSE(closing.closed);
}

TEST_F(FrmDTMFTest, ANewOwnIdRewritesTheCodesComposedWithTheCurrentSeparator)
{
    FrmDTMF w; // separator "*"
    Code(&w, 0)->setText(S("123*567"));
    Code(&w, 1)->setText(S("*567"));
    Code(&w, 2)->setText(S("123#567"));
    Code(&w, 3)->setText(S("1234567"));
    Code(&w, 17)->setText(S("12*567"));
    Code(&w, 18)->setText(S("*567")); // the remote codes are never composed
    Activate(&w);
    FocusOn(OwnId(&w));
    OwnId(&w)->selectAll();
    QTest::keyClicks(OwnId(&w), S("4"));
    FocusOn(Combo(&w, 5));
    EXPECT_EQ(OwnId(&w)->text(), S("400"));
    EXPECT_EQ(Code(&w, 0)->text(), S("123*400"));
    EXPECT_EQ(Code(&w, 1)->text(), S("*400"));
    EXPECT_EQ(Code(&w, 2)->text(), S("123#567"));
    EXPECT_EQ(Code(&w, 3)->text(), S("1234567"));
    EXPECT_EQ(Code(&w, 17)->text(), S("12*567"));
    EXPECT_EQ(Code(&w, 18)->text(), S("*567"));
}

TEST_F(FrmDTMFTest, ANewSeparatorRewritesTheCodesEndingInTheOwnId)
{
    Dtmf().OwnId = QByteArray("456");
    FrmDTMF w;
    const char *before[] = {"123*456", "*456", "123*789", "1234456", "A456", "123A456"};
    const char *after[] = {"123#456", "#456", "123*789", "1234456", "#456", "123#456"};
    for (int i = 0; i < 6; ++i)
        Code(&w, i)->setText(S(before[i]));
    Code(&w, 16)->setText(S("*456"));
    Code(&w, 19)->setText(S("*456"));
    Combo(&w, 5)->setText(S("#"));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Code(&w, i)->text(), S(after[i])) << before[i];
    EXPECT_EQ(Code(&w, 16)->text(), S("#456"));
    EXPECT_EQ(Code(&w, 19)->text(), S("*456"));
    Combo(&w, 7)->setListIndex(1); // any other list leaves the codes alone
    EXPECT_EQ(Code(&w, 0)->text(), S("123#456"));
}

// ---------------------------------------------------------------------------------------------
// OK

TEST_F(FrmDTMFTest, EqualKillAndStunCodesAreRefusedWithTheFocusOnTheKillBox)
{
    FrmDTMF w;
    Closing closing(&w);
    Activate(&w);
    Code(&w, 0)->setText(S("555"));
    Code(&w, 18)->setText(S("123"));
    Code(&w, 19)->setText(S("123 "));
    bool focusOnKill = false;
    script->onMessage = [&](const PromptCall &) { focusOnKill = Code(&w, 18)->hasFocus(); };
    Button(&w, "CommandOK")->click();
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text, GetLangText(3001));
    EXPECT_EQ(script->messages()[0].style, int(vbOKOnly));
    EXPECT_TRUE(focusOnKill);
    testenv::Pump(150);
    EXPECT_FALSE(closing.closed);
    EXPECT_EQ(Dtmf().CodeMemory[0].Length, 0);

    // An empty kill code goes with any stun code.
    Code(&w, 18)->clear();
    ASSERT_TRUE(OkAndWait(w));
    EXPECT_EQ(script->messages().size(), 1);
    EXPECT_EQ(Dtmf().RemoteKill.Length, 0);
    EXPECT_EQ(Dtmf().RemoteStun.Length, 4);
}

// Clicked with the mouse while the own-ID box has the focus: the box's leave rule runs once, for
// the user's leaving it, and each refused click shows its message once.
TEST_F(FrmDTMFTest, ARefusedOkClickLeavesTheOwnIdBoxOnceAndWarnsOnce)
{
    FrmDTMF w;
    Closing closing(&w);
    Code(&w, 0)->setText(S("123*567"));
    Code(&w, 18)->setText(S("77"));
    Code(&w, 19)->setText(S("77"));
    Activate(&w);
    FocusOn(OwnId(&w));
    QTest::keyClicks(OwnId(&w), S("4"));
    QTest::mouseClick(Button(&w, "CommandOK"), Qt::LeftButton);
    Settle();
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text, GetLangText(3001));
    EXPECT_EQ(OwnId(&w)->text(), S("400"));
    EXPECT_EQ(Code(&w, 0)->text(), S("123*400"));
    EXPECT_TRUE(Code(&w, 18)->hasFocus());
    EXPECT_EQ(w.CurDTMFEditID, 18);
    QTest::mouseClick(Button(&w, "CommandOK"), Qt::LeftButton);
    Settle();
    EXPECT_EQ(script->messages().size(), 2);
    testenv::Pump(120);
    EXPECT_FALSE(closing.closed);
    EXPECT_EQ(Dtmf().CodeMemory[0].Length, 0);
}

// The dialog stays open, and nothing is stored, until the timer's tick; Cancel before the tick
// stores nothing.
TEST_F(FrmDTMFTest, OkStoresAtTheTickAndOnlyThenCloses)
{
    {
        FrmDTMF w;
        const QTimer *timer = w.findChild<QTimer *>(S("OKTimer"));
        ASSERT_NE(timer, nullptr);
        EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
        EXPECT_EQ(timer->interval(), 50);
        EXPECT_FALSE(timer->isActive());
        Closing closing(&w);
        Activate(&w);
        Code(&w, 4)->setText(S("777"));
        Button(&w, "CommandOK")->click();
        EXPECT_TRUE(w.isVisible());
        EXPECT_FALSE(closing.closed);
        EXPECT_EQ(Dtmf().CodeMemory[4].Length, 0);
        ASSERT_TRUE(testenv::WaitUntil([&] { return closing.closed; }, 2000));
        EXPECT_EQ(closing.result, int(QDialog::Accepted));
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(Dtmf().CodeMemory[4].Length, 3);
        EXPECT_EQ(Bytes(Dtmf().CodeMemory[4].Code), S("777").leftJustified(24));
    }
    {
        FrmDTMF w;
        Closing closing(&w);
        Code(&w, 5)->setText(S("888"));
        Button(&w, "CommandOK")->click();
        Button(&w, "CommandCancel")->click();
        testenv::Pump(150);
        EXPECT_EQ(closing.result, int(QDialog::Rejected));
        EXPECT_EQ(Dtmf().CodeMemory[5].Length, 0);
    }
}

// Every field of the block as the data file holds it after OK: 16 memories, the PTT-ID and remote
// codes (stored with "E" for "*" and "F" for "#", space-filled, with their lengths), then the
// Integers little-endian and the own ID.
TEST_F(FrmDTMFTest, OkWritesTheDtmfBlockOfTheDataFile)
{
    {
        FrmDTMF w;
        Code(&w, 0)->setText(S("12*#A"));
        Code(&w, 15)->setText(S("B"));
        Code(&w, 16)->setText(S("1*"));
        Code(&w, 18)->setText(S("123"));
        Code(&w, 19)->setText(S("4#6"));
        OwnId(&w)->setText(S("78"));
        Combo(&w, 2)->setListIndex(2);
        Combo(&w, 5)->setText(S("#"));
        Combo(&w, 6)->setText(S("C"));
        Combo(&w, 7)->setListIndex(1);
        Combo(&w, 8)->setText(S("250"));
        Combo(&w, 9)->setText(S("50"));
        Combo(&w, 10)->setText(S("1.2"));
        Combo(&w, 11)->setText(S("100"));
        Combo(&w, 12)->setText(S("20"));
        SetCheckValue(SideTone(&w), 1);
        ASSERT_TRUE(OkAndWait(w));
    }
    const auto code = [](const char *digits, int width, int length) {
        QByteArray b(digits);
        b = b.leftJustified(width, ' ');
        b.append(char(length));
        b.append('\0');
        return b;
    };
    const auto le16 = [](int v) {
        QByteArray b;
        b.append(char(v & 0xFF));
        b.append(char((v >> 8) & 0xFF));
        return b;
    };
    QByteArray expected;
    expected += code("12EFA", 24, 5);
    for (int i = 1; i < 15; ++i)
        expected += code("", 24, 0);
    expected += code("B", 24, 1);
    expected += code("1E", 24, 2);  // PTT-ID begin
    expected += code("", 24, 0);    // PTT-ID end
    expected += code("123", 14, 3); // remote kill
    expected += code("4F6", 14, 3); // remote stun
    expected += le16(0);            // ANI
    expected += le16(2);            // send time 200 ms
    expected += le16(3);            // PTT-ID mode, hidden, as it was
    expected += QByteArray("780");  // own ID, filled
    expected += le16(15);           // separator "#"
    expected += le16(12);           // group code "C"
    expected += le16(1);            // decode response
    expected += le16(25);           // first digit delay 250 ms
    expected += le16(5);            // pre-send delay 50 ms
    expected += le16(12);           // reset time 1.2 s
    expected += le16(10);           // post-send delay 100 ms
    expected += le16(20);           // pause time
    expected += le16(1);            // side tone
    ASSERT_EQ(expected.size(), 527);
    EXPECT_EQ(EncodeRadioDataFile(State().RadioData).mid(2, 527).toHex(' '), expected.toHex(' '));
}

TEST_F(FrmDTMFTest, OkStoresTheGroupCodeOffAs255)
{
    Dtmf().GroupCode = 12;
    FrmDTMF w;
    Combo(&w, 6)->setListIndex(0);
    ASSERT_TRUE(OkAndWait(w));
    EXPECT_EQ(Dtmf().GroupCode, 255);
}

// The remote codes are kept apart from the own ID and from each other by raising the last digit;
// lengths stay.
TEST_F(FrmDTMFTest, OkMakesTheOwnIdAndTheRemoteCodesDistinct)
{
    struct Case {
        const char *ownId, *kill, *stun, *storedKill, *storedStun, *shownKill;
    };
    const Case cases[] = {
        {"123", "123", "", "124", "", "124"},
        {"129", "129", "7", "12A", "7", "12A"},
        {"456", "45", "456", "45", "457", "45"},
        {"123", "124", "123", "124", "125", "124"}, // stun raised to the kill code, then once more
        {"123", "123", "124", "124", "125", "124"},
        {"123", "12*", "123", "12E", "124", "12*"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.kill + std::string("/") + c.stun);
        SetDefaults(Dtmf());
        Dtmf().OwnId = QByteArray(c.ownId);
        {
            FrmDTMF w;
            Code(&w, 18)->setText(S(c.kill));
            Code(&w, 19)->setText(S(c.stun));
            ASSERT_TRUE(OkAndWait(w));
        }
        EXPECT_EQ(Bytes(Dtmf().RemoteKill.Code), S(c.storedKill).leftJustified(14));
        EXPECT_EQ(Bytes(Dtmf().RemoteStun.Code), S(c.storedStun).leftJustified(14));
        EXPECT_EQ(Dtmf().RemoteKill.Length, int(qstrlen(c.kill)));
        EXPECT_EQ(Dtmf().RemoteStun.Length, int(qstrlen(c.stun)));
        FrmDTMF again;
        EXPECT_EQ(Code(&again, 18)->text(), S(c.shownKill));
    }
}

// ---------------------------------------------------------------------------------------------
// Special-call composer

TEST_F(FrmDTMFTest, TheComposerWritesIntoTheCodeBoxThatHadTheFocusLast)
{
    Dtmf().OwnId = QByteArray("456");
    FrmDTMF w;
    Activate(&w);

    // No code box has had the focus yet: M1. OK without touching the called code composes 000.
    script->onModal([](QDialog *d) {
        EXPECT_EQ(d->objectName(), S("FrmDTMFSpecial"));
        d->findChild<QPushButton *>(S("CommandOK"))->click();
        return d->result();
    });
    Button(&w, "CommandSpecial")->click();
    EXPECT_EQ(Code(&w, 0)->text(), S("000*456"));

    FocusOn(Code(&w, 16));
    FocusOn(Combo(&w, 2));
    EXPECT_EQ(w.CurDTMFEditID, 16);
    script->onModal([](QDialog *d) {
        TextBox *called = d->findChild<TextBox *>(S("Text1"));
        called->selectAll();
        called->EnterText(S("1x2"));
        d->findChild<QPushButton *>(S("CommandOK"))->click();
        return d->result();
    });
    Button(&w, "CommandSpecial")->click();
    EXPECT_EQ(Code(&w, 16)->text(), S("120*456"));

    // Cancel writes nothing.
    FocusOn(Code(&w, 3));
    Code(&w, 3)->setText(S("9"));
    script->onModal([](QDialog *d) {
        d->findChild<QPushButton *>(S("CommandCancel"))->click();
        return d->result();
    });
    Button(&w, "CommandSpecial")->click();
    EXPECT_EQ(Code(&w, 3)->text(), S("9"));

    // After the remote kill box the button does nothing.
    FocusOn(Code(&w, 18));
    const int calls = script->calls.size();
    Button(&w, "CommandSpecial")->click();
    EXPECT_EQ(script->calls.size(), calls);
    EXPECT_EQ(Code(&w, 18)->text(), S(""));
    EXPECT_EQ(script->unscriptedCount(), 0);

    ASSERT_TRUE(OkAndWait(w));
    EXPECT_EQ(Bytes(Dtmf().PttIdBegin.Code), S("120E456").leftJustified(24));
    EXPECT_EQ(Dtmf().PttIdBegin.Length, 7);
}

TEST_F(FrmDTMFTest, TheComposerFillsTheCalledCodeWhenItLosesTheFocus)
{
    FrmDTMF w;
    FrmDTMFSpecial composer(w);
    Activate(&composer);
    TextBox *called = composer.findChild<TextBox *>(S("Text1"));
    EXPECT_EQ(called->text(), S("000"));
    EXPECT_FALSE(composer.findChild<QWidget *>(S("Frame1"))->isHidden());
    FocusOn(called);
    called->selectAll();
    QTest::keyClicks(called, S("7"));
    FocusOn(composer.findChild<QPushButton *>(S("CommandOK")));
    EXPECT_EQ(called->text(), S("700"));
}

// ---------------------------------------------------------------------------------------------
// Captions and the hook

TEST_F(FrmDTMFTest, CaptionsInBothLanguages)
{
    testenv::ExpectCaptionsInBothLanguages([] { return std::make_unique<FrmDTMF>(); });
    FrmDTMF editor;
    testenv::ExpectCaptionsInBothLanguages(
        [&editor] { return std::unique_ptr<QWidget>(new FrmDTMFSpecial(editor)); });

    SetLanguage(LangChinese);
    FrmDTMF w;
    EXPECT_EQ(FindArrayElement<QLabel>(&w, S("Label1"), 18)->text(), GetOptionText(60069));
    EXPECT_EQ(FindArrayElement<QLabel>(&w, S("Label1"), 18)->text(), S("遥毙码"));
    EXPECT_EQ(FindArrayElement<QLabel>(&w, S("Label1"), 5)->text(), S("M6"));
    EXPECT_EQ(Button(&w, "CommandOK")->text(), S("确定"));
}

TEST_F(FrmDTMFTest, TheHookShowsTheEditorModally)
{
    RegisterEditorHooks();
    script->onModal([](QDialog *d) {
        EXPECT_EQ(d->objectName(), S("FrmDTMF"));
        return int(QDialog::Rejected);
    });
    CallHook(Hooks().ShowFrmDTMF);
    ASSERT_EQ(script->calls.size(), 1);
    EXPECT_EQ(script->calls[0].kind, S("Modal"));
    EXPECT_EQ(script->unscriptedCount(), 0);
}

} // namespace
