#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

#include "common/captions.h"
#include "common/test_env.h"
#include "common/ui_steps.h"
#include "data/app_state.h"
#include "data/channel_record.h"
#include "data/channel_table.h"
#include "data/data_file.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "editors/channel/frm_ch_edit.h"
#include "platform/form_kit.h"

namespace {

QString S(const char *text) { return QString::fromUtf8(text); }

using testenv::Settle;

// A used channel on the given stored RX digits, zero offset, name "CH", no tones.
ChannelRecord Channel(int number, const char *rxStored = "043512500")
{
    ChannelRecord c = NewChannelRecord(static_cast<int16_t>(number));
    c.Used = 1;
    c.RxFrequency.assign(QByteArray(rxStored));
    c.Name.assign(QByteArray("CH"), ' ');
    return c;
}

ChannelRecord &Put(const ChannelRecord &c)
{
    AppState &s = State();
    const int slot = s.RadioData.ChannelCount++;
    s.ChannelList[static_cast<std::size_t>(slot)] = c;
    return s.ChannelList[static_cast<std::size_t>(slot)];
}

const ChannelRecord *Find(int number)
{
    const int slot = FindChannelSlot(number);
    return slot < 0 ? nullptr : &State().ChannelList[static_cast<std::size_t>(slot)];
}

QStringList Items(const ComboBox *c)
{
    QStringList out;
    for (int i = 0; i < c->ListCount(); ++i)
        out << c->List(i);
    return out;
}

QString Hex(const QByteArray &b) { return QString::fromLatin1(b.toHex(' ')); }

class FrmCHEditTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        State().FeatureFlags.DtmfFlag = 1;
        // Two normal channels and the special channels 205 and 206.
        Put(Channel(1));
        Put(Channel(2, "015500000"));
        Put(Channel(205));
        Put(Channel(206));
        Hooks().ReShowGrid = [this](int grid, int row, int col) { redraws.push_back({grid, row, col}); };
    }

    // Opens the dialog for a channel number; its load has run, the window is hidden.
    std::unique_ptr<FrmCHEdit> Open(int number)
    {
        State().CurChannelNo = number;
        auto w = std::make_unique<FrmCHEdit>();
        finished = std::make_unique<QSignalSpy>(w.get(), &QDialog::finished);
        return w;
    }
    static ComboBox *Combo(const FrmCHEdit &w, const char *name, int index = -1)
    {
        return index < 0 ? w.findChild<ComboBox *>(S(name)) : FindArrayElement<ComboBox>(&w, S(name), index);
    }
    static TextBox *Text(const FrmCHEdit &w, const char *name, int index = -1)
    {
        return index < 0 ? w.findChild<TextBox *>(S(name)) : FindArrayElement<TextBox>(&w, S(name), index);
    }
    static QCheckBox *Check(const FrmCHEdit &w, const char *name, int index = -1)
    {
        return index < 0 ? w.findChild<QCheckBox *>(S(name)) : FindArrayElement<QCheckBox>(&w, S(name), index);
    }
    static void Ok(const FrmCHEdit &w) { w.findChild<QPushButton *>(S("CommandOK"))->click(); }
    static void Cancel(const FrmCHEdit &w) { w.findChild<QPushButton *>(S("CommandCancel"))->click(); }
    // Replaces a box's text as the user would: select all, type.
    static void Retype(TextBox *box, const QString &text)
    {
        box->selectAll();
        box->del();
        box->EnterText(text);
    }
    bool Closed() const { return finished && finished->count() == 1; }
    QStringList Messages() const
    {
        QStringList out;
        for (const PromptCall &c : script->messages())
            out << c.text;
        return out;
    }
    static QStringList Modes(std::initializer_list<int> modes)
    {
        QStringList out;
        for (int m : modes)
            out << GetLangText(1784 + m);
        return out;
    }

    std::vector<std::tuple<int, int, int>> redraws;
    std::unique_ptr<QSignalSpy> finished;
};

// ---------------------------------------------------------------------------------------------
// Show
// ---------------------------------------------------------------------------------------------

TEST_F(FrmCHEditTest, AChannelNoSlotHoldsShowsABlankRecordWithTheInputsOff)
{
    auto w = Open(9);
    EXPECT_EQ(State().EditChannelBuffer, NewChannelRecord(9));
    EXPECT_EQ(Text(*w, "Text1", 0)->text(), QString());
    EXPECT_EQ(Text(*w, "Text1", 10)->text(), QString());
    EXPECT_EQ(Text(*w, "Text1", 1)->text(), S("0.00000"));
    for (int k = 2; k <= 7; ++k)
        EXPECT_EQ(Text(*w, "Text1", k)->text(), QString()) << k;
    EXPECT_EQ(Combo(*w, "Combo1", 0)->Text(), S("2.5K"));
    EXPECT_EQ(Combo(*w, "Combo1", 1)->Text(), S("25KHz"));
    for (int i : {2, 4, 5, 6, 7, 8, 9, 10, 12, 13})
        EXPECT_EQ(Combo(*w, "Combo1", i)->ListIndex(), 0) << i;
    EXPECT_EQ(Combo(*w, "Combo2")->ListIndex(), 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(Combo(*w, "Combo3", i)->isHidden()) << i;
    EXPECT_TRUE(Combo(*w, "Combo4", 0)->isHidden());
    for (QCheckBox *c : w->findChildren<QCheckBox *>())
        EXPECT_EQ(CheckValue(c), 0) << c->objectName().toStdString();
    EXPECT_EQ(Text(*w, "Text3")->text(), S("151.1"));
    EXPECT_EQ(Text(*w, "Text2")->text(), S("00000"));

    // Only the RX box, the custom tone box and the buttons take input.
    EXPECT_TRUE(Text(*w, "Text1", 0)->isEnabled());
    EXPECT_TRUE(Text(*w, "Text3")->isEnabled());
    EXPECT_TRUE(w->findChild<QPushButton *>(S("CommandOK"))->isEnabled());
    EXPECT_FALSE(Text(*w, "Text1", 10)->isEnabled());
    EXPECT_FALSE(Text(*w, "Text1", 2)->isEnabled());
    EXPECT_FALSE(Text(*w, "Text2")->isEnabled());
    EXPECT_FALSE(Combo(*w, "Combo1", 0)->isEnabled());
    EXPECT_FALSE(Combo(*w, "Combo1", 9)->isEnabled());
    EXPECT_FALSE(Check(*w, "Check1")->isEnabled());
    EXPECT_FALSE(Check(*w, "Check4", 0)->isEnabled());
    EXPECT_TRUE(script->calls.isEmpty());
}

TEST_F(FrmCHEditTest, AFullChannelShowsEveryField)
{
    ChannelRecord c = Channel(3);
    c.TxOffset.assign(QByteArray("000500000"));
    c.OffsetDir = OffsetMinus;
    c.Name.assign(QByteArray("A B"), ' ');
    c.StepIndex = 4;
    c.Bandwidth = 1;
    c.Power = 1;
    c.OptSig = OptSigDtmf;
    c.DtmfMemoryIndex = 3;
    c.DecodeToneType = CtcDcs;
    c.DecodeDcsCode = 19;
    c.DecodeDcsInverted = 1;
    c.EncodeToneType = CtcCtcss;
    c.EncodeCtcssIndex = 51;
    c.CustomCtcss = 885;
    c.DtmfPttId = 2;
    c.Scrambler = 1;
    c.SquelchMode = 3;
    c.ExtraDisplay = 4;
    c.BusyLock = 2;
    c.TxInhibit = 1;
    c.ScanSkip = 1;
    c.Reverse = 1;
    c.Talkaround = 1; // both set: talkaround wins
    c.Compander = 1;
    c.PttIdDecode = 1;
    c.PttIdFlag = 1;
    c.Code.assign(QByteArray("12345"));
    Put(c);

    auto w = Open(3);
    EXPECT_EQ(Text(*w, "Text1", 0)->text(), S("435.12500"));
    EXPECT_EQ(Text(*w, "Text1", 1)->text(), S("5.00000"));
    EXPECT_EQ(Text(*w, "Text1", 10)->text(), S("430.12500"));
    EXPECT_EQ(Combo(*w, "Combo2")->Text(), S("-"));
    const QStringList name{"A", " ", "B", "", "", ""};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(Text(*w, "Text1", 2 + k)->text(), name[k]) << k;
    EXPECT_EQ(Combo(*w, "Combo1", 0)->Text(), S("12.5K"));
    EXPECT_EQ(Combo(*w, "Combo1", 1)->Text(), S("12.5KHz"));
    EXPECT_EQ(Combo(*w, "Combo1", 2)->Text(), S("Low"));
    EXPECT_EQ(Combo(*w, "Combo1", 4)->Text(), S("DTMF"));
    EXPECT_FALSE(Combo(*w, "Combo4", 0)->isHidden());
    EXPECT_EQ(Combo(*w, "Combo4", 0)->Text(), S("M4"));
    EXPECT_EQ(CheckValue(Check(*w, "Check3")), 1);
    EXPECT_TRUE(Check(*w, "Check3")->isHidden());
    EXPECT_EQ(Combo(*w, "Combo1", 5)->Text(), S("DCS"));
    EXPECT_FALSE(Combo(*w, "Combo3", 2)->isHidden());
    EXPECT_TRUE(Combo(*w, "Combo3", 0)->isHidden());
    EXPECT_EQ(Combo(*w, "Combo3", 2)->Text(), S("023"));
    EXPECT_FALSE(Check(*w, "Check2", 0)->isHidden());
    EXPECT_EQ(CheckValue(Check(*w, "Check2", 0)), 1);
    EXPECT_EQ(Combo(*w, "Combo1", 10)->Text(), S("CTCSS"));
    EXPECT_FALSE(Combo(*w, "Combo3", 1)->isHidden());
    EXPECT_EQ(Combo(*w, "Combo3", 1)->Text(), GetLangText(4031));
    EXPECT_TRUE(Check(*w, "Check2", 1)->isHidden());
    EXPECT_EQ(Text(*w, "Text3")->text(), S("88.5"));
    EXPECT_EQ(Combo(*w, "Combo1", 7)->ListIndex(), 2);
    EXPECT_EQ(Combo(*w, "Combo1", 6)->ListIndex(), 1);
    // Reverse is cleared by talkaround, so the decode tone counts: every mode is offered.
    EXPECT_EQ(CheckValue(Check(*w, "Check4", 0)), 0);
    EXPECT_EQ(CheckValue(Check(*w, "Check4", 1)), 1);
    EXPECT_EQ(Items(Combo(*w, "Combo1", 9)), Modes({0, 1, 2, 3, 4}));
    EXPECT_EQ(Combo(*w, "Combo1", 9)->Text(), GetLangText(1787));
    EXPECT_EQ(Combo(*w, "Combo1", 11)->ListIndex(), 3);
    EXPECT_EQ(Combo(*w, "Combo1", 12)->ListIndex(), 3);
    EXPECT_EQ(Combo(*w, "Combo1", 12)->Text(), GetLangText(1214));
    EXPECT_EQ(Combo(*w, "Combo1", 13)->Text(), S("Busy"));
    for (const char *box : {"Check1", "Check5", "Check6", "Check7"})
        EXPECT_EQ(CheckValue(Check(*w, box)), 1) << box;
    EXPECT_EQ(Text(*w, "Text2")->text(), S("12345"));
    // Inputs on, the code box too for a channel up to 203.
    EXPECT_TRUE(Text(*w, "Text1", 10)->isEnabled());
    EXPECT_TRUE(Text(*w, "Text2")->isEnabled());
    EXPECT_TRUE(Combo(*w, "Combo3", 2)->isEnabled());
    EXPECT_TRUE(Combo(*w, "Combo4", 0)->isEnabled());
    EXPECT_TRUE(script->calls.isEmpty());
}

TEST_F(FrmCHEditTest, TheTxBoxFollowsTheOffsetDirection)
{
    struct Case {
        const char *rx;
        const char *offset;
        int dir;
        const char *tx;
    };
    const Case cases[] = {
        {"043512500", "000500000", OffsetMinus, "430.12500"},
        {"043512500", "000500000", OffsetPlus, "440.12500"},
        {"043512500", "000500000", OffsetNone, "435.12500"},
        {"014500000", "000060000", OffsetPlus, "145.60000"},
        // No RX: no TX, and nothing is computed from the empty text.
        {"FFFFFFFFF", "000500000", OffsetMinus, ""},
        {"FFFFFFFFF", "000500000", OffsetPlus, ""},
    };
    for (const Case &k : cases) {
        ChannelRecord c = Channel(30, k.rx);
        c.TxOffset.assign(QByteArray(k.offset));
        c.OffsetDir = static_cast<int16_t>(k.dir);
        State().ChannelList[0] = c;
        auto w = Open(30);
        EXPECT_EQ(Text(*w, "Text1", 10)->text(), S(k.tx)) << k.rx << " " << k.dir;
    }
}

TEST_F(FrmCHEditTest, ShowCorrections)
{
    // A channel stored with reverse, a tone on the encode side only, no signalling and mode 1
    // shows mode 0: the mode is picked before the reverse box is set.
    ChannelRecord c = Channel(1);
    c.Reverse = 1;
    c.EncodeToneType = CtcCtcss;
    c.SquelchMode = 1;
    c.Power = 2;
    c.ExtraDisplay = 3;
    c.DtmfPttId = 1;
    c.FiveTonePttId = 2;
    State().ChannelList[0] = c;
    auto w = Open(1);
    EXPECT_EQ(Items(Combo(*w, "Combo1", 9)), Modes({0, 1}));
    EXPECT_EQ(Combo(*w, "Combo1", 9)->ListIndex(), 0);
    EXPECT_EQ(Combo(*w, "Combo1", 2)->ListIndex(), 0);
    EXPECT_EQ(State().EditChannelBuffer.Power, 0);
    EXPECT_EQ(Combo(*w, "Combo1", 12)->ListIndex(), 0);
    // The two PTT-ID lists exclude each other; the hidden 5-tone one is set last and wins.
    EXPECT_EQ(Combo(*w, "Combo1", 7)->ListIndex(), 0);
    EXPECT_EQ(Combo(*w, "Combo1", 8)->ListIndex(), 2);
}

TEST_F(FrmCHEditTest, WithoutTheDtmfFlagTheSignallingListHoldsOnlyOff)
{
    State().FeatureFlags.DtmfFlag = 0;
    State().ChannelList[0].OptSig = OptSigDtmf;
    State().ChannelList[0].DtmfMemoryIndex = 4;
    auto w = Open(1);
    EXPECT_EQ(Items(Combo(*w, "Combo1", 4)), QStringList{GetLangText(1206)});
    EXPECT_EQ(Combo(*w, "Combo1", 4)->ListIndex(), 0);
    EXPECT_TRUE(Combo(*w, "Combo1", 7)->isHidden());
    EXPECT_TRUE(FindArrayElement<QLabel>(w.get(), S("Label2"), 7)->isHidden());
    // The DTMF signalling the list cannot offer shows off and is stored as off; the memory list
    // still shows the stored memory, and OK stores it.
    EXPECT_EQ(Combo(*w, "Combo4", 0)->Text(), S("M5"));
    Ok(*w);
    EXPECT_EQ(State().ChannelList[0].OptSig, OptSigOff);
    EXPECT_EQ(State().ChannelList[0].DtmfMemoryIndex, 4);
    State().FeatureFlags.DtmfFlag = 1;
    auto v = Open(1);
    EXPECT_EQ(Items(Combo(*v, "Combo1", 4)), (QStringList{GetLangText(1206), S("DTMF")}));
    EXPECT_FALSE(Combo(*v, "Combo1", 7)->isHidden());
}

// On the active window, with its buttons clicked: a stored value that its list cannot show (from a
// radio or a foreign file) shows the list's first item, and OK stores what is shown; the record
// as the saved channel file holds it. Cancel leaves the channel as it was.
TEST_F(FrmCHEditTest, OkStoresWhatTheListsShowAndCancelKeepsTheChannel)
{
    // 2-tone entries 0..2 and 5-tone rows 0, 1 and 12 are not in use.
    SignallingRecord &sig = State().RadioData.SignallingRecord;
    for (int j : {0, 1, 2})
        sig.TwoToneBlock.Entries[static_cast<std::size_t>(j)].Empty = 1;
    for (int j : {0, 1, 12})
        sig.FiveToneBlock.CodeRows[static_cast<std::size_t>(j)].Empty = 1;
    using Shown = std::vector<std::tuple<const char *, int, QString>>; // control, index, text
    struct Case {
        const char *name;
        std::function<void(ChannelRecord &)> stored;
        Shown shown;
        std::function<void(ChannelRecord &)> afterOk; // what OK changes in the stored record
    };
    const QString off = GetLangText(1206);
    // Sets the signalling kind and the 2-tone and 5-tone entries.
    const auto Signalling = [](int16_t kind, int16_t twoTone, int16_t fiveTone) {
        return [=](ChannelRecord &c) {
            c.OptSig = kind;
            c.TwoToneIndex = twoTone;
            c.FiveToneIndex = fiveTone;
        };
    };
    const std::vector<Case> cases = {
        {"extra display 3 shows item 0 and stores 0", [](ChannelRecord &c) { c.ExtraDisplay = 3; },
         {{"Combo1", 12, GetLangText(1210)}}, [](ChannelRecord &c) { c.ExtraDisplay = 0; }},
        {"extra display above 10 likewise", [](ChannelRecord &c) { c.ExtraDisplay = 11; },
         {{"Combo1", 12, GetLangText(1210)}}, [](ChannelRecord &c) { c.ExtraDisplay = 0; }},
        {"extra display 4 sits at item 3", [](ChannelRecord &c) { c.ExtraDisplay = 4; },
         {{"Combo1", 12, GetLangText(1214)}}, [](ChannelRecord &) {}},
        {"2-tone shows off and is stored off with its entry", Signalling(OptSig2Tone, 5, 7), {{"Combo1", 4, off}},
         Signalling(OptSigOff, 5, 0)},
        {"2-tone on an entry not in use stores the first entry in use", Signalling(OptSig2Tone, 40, 0),
         {{"Combo1", 4, off}}, Signalling(OptSigOff, 3, 0)},
        {"5-tone shows off and is stored off with its row", Signalling(OptSig5Tone, 9, 20), {{"Combo1", 4, off}},
         Signalling(OptSigOff, 0, 20)},
        {"5-tone on a row not in use stores the first row in use", Signalling(OptSig5Tone, 0, 12),
         {{"Combo1", 4, off}}, Signalling(OptSigOff, 0, 2)},
        {"lists whose values have no item store their first item",
         [](ChannelRecord &c) {
             c.StepIndex = 12;
             c.Bandwidth = 5;
             c.Power = 2;
             c.DecodeToneType = 7;
             c.EncodeToneType = CtcCtcss;
             c.EncodeCtcssIndex = 60;
             c.OptSig = OptSigDtmf;
             c.DtmfMemoryIndex = 20;
             c.DtmfPttId = 9;
             c.FiveTonePttId = -1;
             c.Scrambler = 4;
             c.BusyLock = 3;
             c.SquelchMode = 9;
         },
         {{"Combo1", 0, S("2.5K")},
          {"Combo1", 1, S("25KHz")},
          {"Combo1", 2, GetLangText(1204)},
          {"Combo1", 5, off},
          {"Combo3", 1, S("62.5")},
          {"Combo1", 4, S("DTMF")},
          {"Combo4", 0, S("M1")},
          {"Combo1", 7, GetLangText(1755)},
          {"Combo1", 13, GetLangText(1755)},
          {"Combo1", 9, GetLangText(1784)}},
         [](ChannelRecord &c) {
             c.StepIndex = 0;
             c.Bandwidth = 0;
             c.Power = 0;
             c.DecodeToneType = 0;
             c.EncodeCtcssIndex = 0;
             c.DtmfMemoryIndex = 0;
             c.DtmfPttId = 0;
             c.FiveTonePttId = 0;
             c.Scrambler = 0;
             c.BusyLock = 0;
             c.SquelchMode = 0;
         }},
        {"an offset direction with no item shows TX = RX and stores no offset",
         [](ChannelRecord &c) {
             c.OffsetDir = 5;
             c.TxOffset.assign(QByteArray("000500000"));
         },
         {{"Text1", 10, S("435.12500")}},
         [](ChannelRecord &c) {
             c.OffsetDir = OffsetNone;
             c.TxOffset.assign(QByteArray("000000000"));
         }},
    };
    const QString path = programDir->path(S("shown.dat"));
    const auto savedRecord = [&path] {
        EXPECT_TRUE(SaveDataFile(path));
        return Hex(testenv::ReadAll(ChannelFilePathOf(path)).mid(0, kChannelRecordSize));
    };
    for (const Case &k : cases) {
        for (const bool ok : {false, true}) {
            SCOPED_TRACE(std::string(k.name) + (ok ? " / OK" : " / Cancel"));
            ChannelRecord stored = Channel(1);
            k.stored(stored);
            State().ChannelList[0] = stored;
            const auto table = State().ChannelList;
            auto w = Open(1);
            testenv::Activate(w.get());
            for (const auto &[name, index, text] : k.shown) {
                const QWidget *control = FindArrayElement<QWidget>(w.get(), S(name), index);
                ASSERT_NE(control, nullptr) << name << index;
                const auto *list = qobject_cast<const ComboBox *>(control);
                EXPECT_EQ(list ? list->Text() : qobject_cast<const TextBox *>(control)->text(), text)
                    << name << "(" << index << ")";
            }
            testenv::ClickButton(w->findChild<QPushButton *>(S(ok ? "CommandOK" : "CommandCancel")));
            EXPECT_TRUE(Closed());
            ChannelRecord expected = stored;
            if (ok) {
                k.afterOk(expected);
            } else {
                EXPECT_TRUE(State().ChannelList == table);
            }
            EXPECT_EQ(Hex(EncodeChannelRecord(State().ChannelList[0])), Hex(EncodeChannelRecord(expected)));
            EXPECT_EQ(savedRecord(), Hex(EncodeChannelRecord(expected)));
        }
    }
    EXPECT_TRUE(script->calls.isEmpty());
}

// ---------------------------------------------------------------------------------------------
// Field rules
// ---------------------------------------------------------------------------------------------

TEST_F(FrmCHEditTest, TheSquelchListOffersTheModesOfTheTonesAndSignalling)
{
    struct Case {
        int decode;
        int encode;
        int reverse;
        int signalling;
        QStringList modes;
    };
    const std::vector<Case> cases = {
        {0, 0, 0, 0, Modes({0})},
        {1, 0, 0, 0, Modes({0, 1})},
        {2, 0, 0, 0, Modes({0, 1})},
        {0, 0, 0, 1, Modes({0, 2})},
        {1, 0, 0, 1, Modes({0, 1, 2, 3, 4})},
        {0, 1, 0, 0, Modes({0})}, // the encode tone counts only with reverse
        {0, 2, 1, 0, Modes({0, 1})},
        {1, 0, 1, 0, Modes({0})},
        {0, 1, 1, 1, Modes({0, 1, 2, 3, 4})},
    };
    for (const Case &k : cases) {
        auto w = Open(1);
        Combo(*w, "Combo1", 5)->setListIndex(k.decode);
        Combo(*w, "Combo1", 10)->setListIndex(k.encode);
        SetCheckValue(Check(*w, "Check4", 0), k.reverse);
        Combo(*w, "Combo1", 4)->setListIndex(k.signalling);
        EXPECT_EQ(Items(Combo(*w, "Combo1", 9)), k.modes)
            << k.decode << " " << k.encode << " " << k.reverse << " " << k.signalling;
    }
}

TEST_F(FrmCHEditTest, AModeThatFallsAwayIsForgotten)
{
    auto w = Open(1);
    ComboBox *squelch = Combo(*w, "Combo1", 9);
    Combo(*w, "Combo1", 5)->setListIndex(1);
    squelch->setListIndex(1);
    SetCheckValue(Check(*w, "Check4", 0), 1); // no encode tone: mode 1 falls away
    EXPECT_EQ(squelch->Text(), GetLangText(1784));
    SetCheckValue(Check(*w, "Check4", 0), 0);
    EXPECT_EQ(Items(squelch), Modes({0, 1}));
    EXPECT_EQ(squelch->Text(), GetLangText(1784));

    // Tone and DTMF: back to off keeps mode 1 and drops 3.
    Combo(*w, "Combo1", 4)->setListIndex(1);
    squelch->setText(GetLangText(1785));
    Combo(*w, "Combo1", 4)->setListIndex(0);
    EXPECT_EQ(squelch->Text(), GetLangText(1785));
    Combo(*w, "Combo1", 4)->setListIndex(1);
    squelch->setText(GetLangText(1787));
    Combo(*w, "Combo1", 4)->setListIndex(0);
    EXPECT_EQ(squelch->Text(), GetLangText(1784));
    Ok(*w);
    EXPECT_EQ(State().ChannelList[0].SquelchMode, 0);

    // The chosen mode is stored as its mode number, not as its place in the shown list.
    auto v = Open(1);
    Combo(*v, "Combo1", 5)->setListIndex(0);
    Combo(*v, "Combo1", 4)->setListIndex(1);
    Combo(*v, "Combo1", 9)->setListIndex(1);
    Ok(*v);
    EXPECT_EQ(State().ChannelList[0].SquelchMode, 2);
}

TEST_F(FrmCHEditTest, AGreyReverseBoxOffersModeZeroOnlyAndOkStoresIt)
{
    ChannelRecord c = Channel(1);
    c.Reverse = 2;
    c.DecodeToneType = CtcCtcss;
    c.SquelchMode = 1;
    State().ChannelList[0] = c;
    auto w = Open(1);
    EXPECT_EQ(CheckValue(Check(*w, "Check4", 0)), 2);
    EXPECT_EQ(Items(Combo(*w, "Combo1", 9)), Modes({0}));
    EXPECT_EQ(Combo(*w, "Combo1", 9)->ListIndex(), -1);
    Ok(*w);
    EXPECT_EQ(State().ChannelList[0].SquelchMode, 0);
    EXPECT_EQ(State().ChannelList[0].Reverse, 2);
}

TEST_F(FrmCHEditTest, ToneTypeSignallingAndPttIdClicks)
{
    ChannelRecord c = Channel(1);
    c.DecodeToneType = CtcCtcss;
    c.DecodeCtcssIndex = 20;
    c.OptSig = OptSigDtmf;
    c.DtmfMemoryIndex = 5;
    c.DecodeDcsInverted = 1;
    State().ChannelList[0] = c;
    auto w = Open(1);
    EXPECT_EQ(Combo(*w, "Combo3", 0)->Text(), S("127.3"));

    Combo(*w, "Combo1", 5)->setListIndex(2);
    EXPECT_TRUE(Combo(*w, "Combo3", 0)->isHidden());
    EXPECT_FALSE(Combo(*w, "Combo3", 2)->isHidden());
    EXPECT_EQ(Combo(*w, "Combo3", 2)->Text(), S("000"));
    EXPECT_FALSE(Check(*w, "Check2", 0)->isHidden());
    EXPECT_TRUE(Check(*w, "Check2", 0)->isEnabled());
    EXPECT_EQ(CheckValue(Check(*w, "Check2", 0)), 0);
    Combo(*w, "Combo1", 5)->setListIndex(0);
    EXPECT_TRUE(Combo(*w, "Combo3", 2)->isHidden());
    EXPECT_TRUE(Check(*w, "Check2", 0)->isHidden());
    Combo(*w, "Combo1", 10)->setListIndex(1);
    EXPECT_FALSE(Combo(*w, "Combo3", 1)->isHidden());
    EXPECT_EQ(Combo(*w, "Combo3", 1)->Text(), S("62.5"));

    EXPECT_EQ(Combo(*w, "Combo4", 0)->Text(), S("M6"));
    Combo(*w, "Combo1", 4)->setListIndex(0);
    EXPECT_TRUE(Combo(*w, "Combo4", 0)->isHidden());
    Combo(*w, "Combo1", 4)->setListIndex(1);
    EXPECT_FALSE(Combo(*w, "Combo4", 0)->isHidden());
    EXPECT_EQ(Combo(*w, "Combo4", 0)->Text(), S("M1"));

    Combo(*w, "Combo1", 8)->setListIndex(2);
    Combo(*w, "Combo1", 7)->setListIndex(1);
    EXPECT_EQ(Combo(*w, "Combo1", 8)->ListIndex(), 0);
    Combo(*w, "Combo1", 8)->setListIndex(3);
    EXPECT_EQ(Combo(*w, "Combo1", 7)->ListIndex(), 0);

    // Talkaround clears reverse and the squelch list follows the decode tone again.
    Combo(*w, "Combo1", 5)->setListIndex(1);
    Combo(*w, "Combo1", 10)->setListIndex(0);
    Combo(*w, "Combo1", 4)->setListIndex(0);
    SetCheckValue(Check(*w, "Check4", 0), 1);
    EXPECT_EQ(Items(Combo(*w, "Combo1", 9)), Modes({0}));
    SetCheckValue(Check(*w, "Check4", 1), 1);
    EXPECT_EQ(CheckValue(Check(*w, "Check4", 0)), 0);
    EXPECT_EQ(Items(Combo(*w, "Combo1", 9)), Modes({0, 1}));
}

// ---------------------------------------------------------------------------------------------
// Enabling and entry filters
// ---------------------------------------------------------------------------------------------

TEST_F(FrmCHEditTest, TheRxBoxSwitchesTheInputs)
{
    auto w = Open(9);
    TextBox *rx = Text(*w, "Text1", 0);
    rx->EnterText(S("4"));
    EXPECT_TRUE(Text(*w, "Text1", 10)->isEnabled());
    EXPECT_TRUE(Combo(*w, "Combo1", 13)->isEnabled());
    EXPECT_TRUE(Text(*w, "Text2")->isEnabled());
    EXPECT_TRUE(Check(*w, "Check7")->isEnabled());
    EXPECT_TRUE(Combo(*w, "Combo3", 0)->isHidden());
    rx->backspace();
    EXPECT_FALSE(Text(*w, "Text1", 10)->isEnabled());
    EXPECT_FALSE(Combo(*w, "Combo1", 13)->isEnabled());
    rx->EnterText(S("."));
    EXPECT_TRUE(Text(*w, "Text1", 10)->isEnabled());

    // The code and PTT-ID decode boxes stay off above channel 203.
    for (int number : {203, 204, 205, 206}) {
        auto v = Open(number);
        Text(*v, "Text1", 0)->EnterText(S("4"));
        EXPECT_EQ(Text(*v, "Text2")->isEnabled(), number <= 203) << number;
        EXPECT_EQ(Check(*v, "Check7")->isEnabled(), number <= 203) << number;
        EXPECT_TRUE(Text(*v, "Text1", 10)->isEnabled()) << number;
    }
}

TEST_F(FrmCHEditTest, TextBoxesTakeOnlyTheirCharactersTypedOrPasted)
{
    auto w = Open(1);
    testenv::Activate(w.get());
    struct Case {
        const char *box;
        int index;
        QString typed;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"Text1", 0, S("4a3.5x9999999"), S("43.599999")},
        {"Text1", 10, S("a4~ "), S("a4~ ")},
        {"Text2", -1, S("1a2b3456"), S("12345")},
        {"Text3", -1, S("8a8.5x"), S("88.5")},
    };
    QClipboard *clip = QGuiApplication::clipboard();
    for (const Case &k : cases) {
        TextBox *box = Text(*w, k.box, k.index);
        // Typed.
        box->setFocus();
        box->clear();
        QTest::keyClicks(box, k.typed);
        EXPECT_EQ(box->text(), k.expected) << k.box << " typed";
        // Ctrl+V does nothing; Shift+Insert pastes through the same rule and length.
        box->clear();
        clip->setText(k.typed);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->text(), QString()) << k.box << " Ctrl+V";
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        EXPECT_EQ(box->text(), k.expected) << k.box << " Shift+Insert";
    }

    // A character outside ASCII (an input method's) is refused even where every printable
    // character is taken; pasted, it is dropped.
    TextBox *tx = Text(*w, "Text1", 10);
    tx->clear();
    QKeyEvent wide(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, S("é"));
    QApplication::sendEvent(tx, &wide);
    EXPECT_EQ(tx->text(), QString());
    clip->setText(S("4é5"));
    QTest::keyClick(tx, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(tx->text(), S("45"));

    // The context menu's paste of a box that keeps its menu.
    TextBox *code = Text(*w, "Text2");
    code->clear();
    clip->setText(S("9x8y7"));
    QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(2, 2), code->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(code, &menuEvent);
    QMenu *menu = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *m = qobject_cast<QMenu *>(top); m && m->isVisible())
            menu = m;
    ASSERT_NE(menu, nullptr);
    QAction *paste = menu->findChild<QAction *>(S("edit-paste"));
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
    EXPECT_EQ(code->text(), S("987"));

    // A name box takes one character, refuses "\" and "~", and passes the focus on.
    testenv::Activate(w.get());
    TextBox *first = Text(*w, "Text1", 2);
    first->clear();
    first->setFocus();
    Settle();
    QTest::keyClicks(first, S("\\~"));
    EXPECT_EQ(first->text(), QString());
    EXPECT_EQ(QApplication::focusWidget(), first);
    QTest::keyClicks(first, S("K"));
    Settle();
    EXPECT_EQ(first->text(), S("K"));
    EXPECT_EQ(QApplication::focusWidget(), Text(*w, "Text1", 3));

    // Leaving the custom tone box checks it.
    const std::pair<QString, QString> tones[] = {{S("300"), S("151.1")}, {S(""), S("151.1")}, {S("100"), S("100.0")}};
    for (const auto &[typed, shown] : tones) {
        TextBox *tone = Text(*w, "Text3");
        tone->setFocus();
        Settle();
        tone->clear();
        tone->EnterText(typed);
        Text(*w, "Text1", 0)->setFocus();
        Settle();
        EXPECT_EQ(tone->text(), shown) << typed.toStdString();
    }
    w->close();
}

TEST_F(FrmCHEditTest, EnterMovesOnAndNeverPressesAButton)
{
    auto w = Open(1);
    testenv::Activate(w.get());
    Combo(*w, "Combo1", 0)->setFocus();
    Settle();
    QTest::keyClick(Combo(*w, "Combo1", 0), Qt::Key_Return);
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), Combo(*w, "Combo1", 1));
    auto *ok = w->findChild<QPushButton *>(S("CommandOK"));
    ok->setFocus();
    Settle();
    QTest::keyClick(ok, Qt::Key_Return);
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), w->findChild<QPushButton *>(S("CommandCancel")));
    EXPECT_FALSE(Closed());
    Text(*w, "Text1", 0)->setFocus();
    Settle();
    QTest::keyClick(Text(*w, "Text1", 0), Qt::Key_Return);
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), Text(*w, "Text1", 10));
    EXPECT_FALSE(Closed());
    w->close();
}

// ---------------------------------------------------------------------------------------------
// OK and Cancel
// ---------------------------------------------------------------------------------------------

TEST_F(FrmCHEditTest, OkModifiesTheChannelInItsSlot)
{
    ChannelRecord &stored = State().ChannelList[1];
    stored.PttIdFlag = 1;
    stored.SignalRelation = 2;
    auto w = Open(2);
    Retype(Text(*w, "Text1", 0), S("145.0"));
    Retype(Text(*w, "Text1", 10), S("144.4"));
    Retype(Text(*w, "Text1", 2), S("A"));
    Text(*w, "Text1", 3)->clear();
    Retype(Text(*w, "Text1", 4), S("B"));
    for (int k = 5; k <= 7; ++k)
        Text(*w, "Text1", k)->clear();
    Combo(*w, "Combo1", 0)->setListIndex(8);
    Combo(*w, "Combo1", 12)->setListIndex(3);
    Combo(*w, "Combo1", 10)->setListIndex(2);
    Combo(*w, "Combo3", 3)->setListIndex(0123);
    SetCheckValue(Check(*w, "Check2", 1), 1);
    SetCheckValue(Check(*w, "Check3"), 0);
    Retype(Text(*w, "Text2"), S("7"));
    Retype(Text(*w, "Text3"), S("88.5"));
    Ok(*w);

    EXPECT_TRUE(Closed());
    EXPECT_EQ(State().RadioData.ChannelCount, 4);
    const ChannelRecord &c = State().ChannelList[1];
    EXPECT_EQ(c.Number, 2);
    EXPECT_EQ(c.RxFrequency.toByteArray(), QByteArray("014500000"));
    EXPECT_EQ(c.OffsetDir, OffsetMinus);
    EXPECT_EQ(c.TxOffset.toByteArray(), QByteArray("000060000"));
    EXPECT_EQ(c.Name.toByteArray(), QByteArray("A B   "));
    EXPECT_EQ(c.StepIndex, 8);
    EXPECT_EQ(c.ExtraDisplay, 4);
    EXPECT_EQ(c.EncodeToneType, CtcDcs);
    EXPECT_EQ(c.EncodeDcsCode, 0123);
    EXPECT_EQ(c.EncodeDcsInverted, 1);
    EXPECT_EQ(c.Code.toByteArray(), QByteArray("70000"));
    EXPECT_EQ(c.CustomCtcss, 885);
    EXPECT_EQ(c.PttIdFlag, 1);       // modify keeps it
    EXPECT_EQ(c.SignalRelation, 2); // a field the dialog does not write
    EXPECT_EQ(Text(*w, "Text1", 0)->text(), S("145.00000"));
    EXPECT_EQ(Text(*w, "Text1", 1)->text(), S("0.60000"));
    EXPECT_EQ(Combo(*w, "Combo2")->ListIndex(), OffsetMinus);
    EXPECT_EQ(redraws, (std::vector<std::tuple<int, int, int>>{{0, 2, 0}}));
    EXPECT_TRUE(script->calls.isEmpty());
}

TEST_F(FrmCHEditTest, OffsetAndDirectionFromTheTxBox)
{
    const std::vector<std::tuple<QString, int, QByteArray, int>> cases = {
        {S("145.6"), OffsetPlus, QByteArray("000060000"), 0},
        {S("144.4"), OffsetMinus, QByteArray("000060000"), 0},
        {S("145"), OffsetNone, QByteArray("000000000"), 0},
        // An empty TX box takes the lower limit of TX band 0 after the band warning.
        {S(""), OffsetPlus, QByteArray("025500000"), 1},
    };
    for (const auto &[tx, dir, offset, warnings] : cases) {
        script->clear();
        auto w = Open(2);
        Retype(Text(*w, "Text1", 0), S("145"));
        Retype(Text(*w, "Text1", 10), tx);
        Ok(*w);
        const ChannelRecord &c = *Find(2);
        EXPECT_EQ(c.OffsetDir, dir) << tx.toStdString();
        EXPECT_EQ(c.TxOffset.toByteArray(), offset) << tx.toStdString();
        EXPECT_EQ(Messages().size(), warnings) << tx.toStdString();
        if (warnings) {
            EXPECT_EQ(Messages().first(), GetLangText(2001));
        }
    }
}

TEST_F(FrmCHEditTest, OkAppendsANewChannelWithTheseBytes)
{
    auto w = Open(7);
    Text(*w, "Text1", 0)->EnterText(S("145.0125"));
    Retype(Text(*w, "Text1", 10), S("145.6125"));
    Text(*w, "Text1", 2)->EnterText(S("Q"));
    Combo(*w, "Combo1", 1)->setListIndex(1);
    Combo(*w, "Combo1", 5)->setListIndex(1);
    Combo(*w, "Combo3", 0)->setListIndex(20);
    Combo(*w, "Combo1", 4)->setListIndex(1);
    Combo(*w, "Combo4", 0)->setListIndex(2);
    Combo(*w, "Combo1", 9)->setListIndex(3); // mode 3
    Combo(*w, "Combo1", 7)->setListIndex(1);
    SetCheckValue(Check(*w, "Check3"), 1);
    SetCheckValue(Check(*w, "Check6"), 1);
    Text(*w, "Text2")->clear();
    Ok(*w);

    EXPECT_TRUE(Closed());
    ASSERT_EQ(State().RadioData.ChannelCount, 5);
    const ChannelRecord &c = State().ChannelList[4];
    // number 7, used, scan skip; RX, offset; name; step 0, TX inhibit 0, reverse 0, bandwidth 1;
    // then the Integers up to the custom tone; PTT-ID flag 1 at byte 86; DTMF memory 2; code.
    QByteArray expected = QByteArray("\x07\x00\x01\x00\x01\x00", 6) + "014501250" + "000060000" + "Q     ";
    const int16_t words[] = {
        0, 0, 0, 1,       // step, TX inhibit, reverse, bandwidth
        0, 0, 0, 2, 0,    // encode DCS inverted, bit 8, relation, offset direction (+), power
        0, 0, 0, 0, 0, 1, // talkaround, decode inverted, bit 8, compander, encode type, decode type
        0, 0, 20, 0, 0,   // reserved, encode CTCSS, decode CTCSS 20, encode DCS, decode DCS
        1, 0, 0, 0, 1, 0, // signalling DTMF, 2-tone, 5-tone, scrambler, DTMF PTT-ID, 5-tone PTT-ID
        3, 1511, 1,       // squelch mode, custom tone, PTT-ID flag
        0, 0, 0, 2, 0, 0, 0, 0, // reserved 3..5, DTMF memory, extra display, busy lock, reserved 6, decode
    };
    for (int16_t v : words)
        expected += QByteArray(1, char(v & 0xFF)) + QByteArray(1, char((v >> 8) & 0xFF));
    expected += "00000";
    ASSERT_EQ(expected.size(), kChannelRecordSize);
    EXPECT_EQ(Hex(EncodeChannelRecord(c)), Hex(expected));
    EXPECT_EQ(redraws, (std::vector<std::tuple<int, int, int>>{{0, 7, 0}}));
    // The channel file of a saved data set holds the same record in the channel's slot.
    const QString path = programDir->path(S("edited.dat"));
    ASSERT_TRUE(SaveDataFile(path));
    const QByteArray file = testenv::ReadAll(ChannelFilePathOf(path));
    EXPECT_EQ(Hex(file.mid(4 * kChannelRecordSize, kChannelRecordSize)), Hex(expected));
}

TEST_F(FrmCHEditTest, AnEmptyRxBoxDeletesANormalChannel)
{
    Put(Channel(3));
    auto w = Open(2);
    Text(*w, "Text1", 0)->clear();
    Ok(*w);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(State().RadioData.ChannelCount, 4);
    EXPECT_EQ(Find(2), nullptr);
    EXPECT_EQ(State().ChannelList[1].Number, 205); // the later slots moved down
    EXPECT_EQ(State().ChannelList[3].Number, 3);
    EXPECT_EQ(redraws, (std::vector<std::tuple<int, int, int>>{{0, 2, 0}}));
    EXPECT_TRUE(script->calls.isEmpty());

    // The last normal channel stays after the refusal, and the dialog closes.
    auto u = Open(1);
    Text(*u, "Text1", 0)->clear();
    Ok(*u);
    EXPECT_EQ(Find(1), nullptr);
    auto v = Open(3);
    Text(*v, "Text1", 0)->clear();
    Ok(*v);
    EXPECT_NE(Find(3), nullptr);
    EXPECT_EQ(Messages(), QStringList{S("Must retain the one channels!")});
    EXPECT_TRUE(Closed());
}

TEST_F(FrmCHEditTest, EmptyOrGarbledRxOnChannelsThatCannotGo)
{
    const auto table = State().ChannelList;
    const int count = State().RadioData.ChannelCount;
    struct Case {
        int number;
        QString rx;
        QString message; // "" = none
        bool staysOpen;
    };
    const std::vector<Case> cases = {
        {206, S(""), S("VFO can't be null!"), true},
        {205, S(""), GetLangText(1302), true}, // a special channel is never deleted silently
        {204, S(""), S(""), false},            // no such channel: nothing to do
        {9, S(""), S(""), false},
        {1, S("."), GetLangText(2001), true}, // not a number: corrected, not deleted
        {1, S("4.3.2"), GetLangText(2001), true},
    };
    for (const Case &k : cases) {
        script->clear();
        redraws.clear();
        auto w = Open(k.number);
        Retype(Text(*w, "Text1", 0), k.rx);
        Retype(Text(*w, "Text1", 2), S("Z"));
        Ok(*w);
        EXPECT_EQ(Closed(), !k.staysOpen) << k.number << " " << k.rx.toStdString();
        EXPECT_EQ(Messages(), k.message.isEmpty() ? QStringList() : QStringList{k.message}) << k.number;
        EXPECT_EQ(redraws.size(), k.staysOpen ? 0u : 1u) << k.number;
        EXPECT_TRUE(State().ChannelList == table) << k.number;
        EXPECT_EQ(State().RadioData.ChannelCount, count);
    }
}

TEST_F(FrmCHEditTest, AFullTableTakesNoNewChannelAndSaysSo)
{
    // A damaged table that holds channel 1 twice and so has no slot left for channel 206.
    AppState &s = State();
    s.RadioData.ChannelCount = 0;
    Put(Channel(1));
    for (int n = 1; n <= 205; ++n)
        Put(Channel(n));
    ASSERT_EQ(s.RadioData.ChannelCount, kChannelSlots);
    const auto table = s.ChannelList;
    auto w = Open(206);
    Text(*w, "Text1", 0)->EnterText(S("440"));
    Ok(*w);
    EXPECT_EQ(Messages(), QStringList{GetLangText(1303)});
    EXPECT_EQ(s.RadioData.ChannelCount, kChannelSlots);
    EXPECT_TRUE(s.ChannelList == table);
}

TEST_F(FrmCHEditTest, FieldRulesOfOk)
{
    // Text3, Text2 and the extra-display list as OK turns them into fields.
    const std::vector<std::tuple<QString, int16_t>> tones = {{S("300"), 1511}, {S("88.5"), 885}, {S(""), 1511}};
    for (const auto &[typed, stored] : tones) {
        auto w = Open(1);
        Retype(Text(*w, "Text3"), typed);
        Ok(*w);
        EXPECT_EQ(State().ChannelList[0].CustomCtcss, stored) << typed.toStdString();
    }
    const std::vector<std::tuple<QString, QByteArray>> codes = {
        {S("7"), QByteArray("70000")}, {S(""), QByteArray("00000")}, {S("12345"), QByteArray("12345")}};
    for (const auto &[typed, stored] : codes) {
        auto w = Open(1);
        Retype(Text(*w, "Text2"), typed);
        Ok(*w);
        EXPECT_EQ(State().ChannelList[0].Code.toByteArray(), stored);
        EXPECT_EQ(Text(*w, "Text2")->text(), QString::fromLatin1(stored));
    }
    for (const auto &[item, value] : std::vector<std::pair<int, int>>{{0, 0}, {2, 2}, {3, 4}, {9, 10}}) {
        auto w = Open(1);
        Combo(*w, "Combo1", 12)->setListIndex(item);
        Ok(*w);
        EXPECT_EQ(State().ChannelList[0].ExtraDisplay, value) << item;
    }
    // A channel with 5-tone signalling shows it off and is stored off, with its 5-tone row, also
    // after the user picks DTMF and off again: the hidden row list keeps its choice.
    State().ChannelList[0].OptSig = OptSig5Tone;
    State().ChannelList[0].FiveToneIndex = 12;
    auto w = Open(1);
    EXPECT_EQ(Combo(*w, "Combo1", 4)->ListIndex(), 0);
    Ok(*w);
    EXPECT_EQ(State().ChannelList[0].OptSig, OptSigOff);
    EXPECT_EQ(State().ChannelList[0].FiveToneIndex, 12);
    State().ChannelList[0].OptSig = OptSig5Tone;
    auto v = Open(1);
    Combo(*v, "Combo1", 4)->setListIndex(1);
    Combo(*v, "Combo1", 4)->setListIndex(0);
    Ok(*v);
    EXPECT_EQ(State().ChannelList[0].OptSig, OptSigOff);
    EXPECT_EQ(State().ChannelList[0].FiveToneIndex, 12);
}

TEST_F(FrmCHEditTest, CancelChangesNothing)
{
    const auto table = State().ChannelList;
    auto w = Open(1);
    Retype(Text(*w, "Text1", 0), S("450"));
    Retype(Text(*w, "Text1", 2), S("X"));
    Combo(*w, "Combo1", 0)->setListIndex(5);
    SetCheckValue(Check(*w, "Check1"), 1);
    Cancel(*w);
    EXPECT_TRUE(Closed());
    EXPECT_TRUE(State().ChannelList == table);
    EXPECT_TRUE(redraws.empty());
    EXPECT_TRUE(script->calls.isEmpty());
}

// ---------------------------------------------------------------------------------------------
// Captions and lists
// ---------------------------------------------------------------------------------------------

TEST_F(FrmCHEditTest, CaptionsInBothLanguages)
{
    ChannelRecord &c = State().ChannelList[0];
    c.DecodeToneType = CtcDcs;
    c.EncodeToneType = CtcDcs;
    c.OptSig = OptSigDtmf;
    State().CurChannelNo = 1;
    testenv::ExpectCaptionsInBothLanguages([] { return std::make_unique<FrmCHEdit>(); });
}

TEST_F(FrmCHEditTest, TheLoadFillsWhatThePrintOutReads)
{
    for (int language : {int(LangEnglish), int(LangChinese)}) {
        SetLanguage(language);
        auto w = Open(9);
        EXPECT_EQ(FindArrayElement<QLabel>(w.get(), S("Label1"), 2)->text(), GetLangText(1103));
        EXPECT_EQ(FindArrayElement<QLabel>(w.get(), S("Label2"), 5)->text(),
                  GetLangText(1107) + S(" ") + GetLangText(1112));
        EXPECT_EQ(FindArrayElement<QLabel>(w.get(), S("Label2"), 8)->text(), GetLangText(1744));
        EXPECT_EQ(Check(*w, "Check5")->text(), GetLangText(1746));
        EXPECT_EQ(w->windowTitle(), GetLangText(1300));
        EXPECT_EQ(Items(Combo(*w, "Combo2")), (QStringList{GetLangText(1210), S("-"), S("+")}));
        EXPECT_EQ(Items(Combo(*w, "Combo1", 2)), (QStringList{GetLangText(1204), GetLangText(1205)}));
        EXPECT_EQ(Items(Combo(*w, "Combo1", 6)), (QStringList{GetLangText(1755), GetLangText(1756)}));
        const QStringList pttId{GetLangText(1755), GetLangText(1765), GetLangText(1766), GetLangText(1767)};
        EXPECT_EQ(Items(Combo(*w, "Combo1", 7)), pttId);
        EXPECT_EQ(Items(Combo(*w, "Combo1", 8)), pttId);
        EXPECT_EQ(Items(Combo(*w, "Combo1", 11)), Modes({0, 1, 2, 3, 4}));
        EXPECT_EQ(Items(Combo(*w, "Combo1", 13)), (QStringList{GetLangText(1755), S("Repeater"), S("Busy")}));
        EXPECT_EQ(Items(Combo(*w, "Combo1", 5)), (QStringList{GetLangText(1206), S("CTCSS"), S("DCS")}));
        EXPECT_EQ(Combo(*w, "Combo1", 12)->ListCount(), 10);
        EXPECT_EQ(Combo(*w, "Combo1", 12)->List(3), GetLangText(1214));
        EXPECT_EQ(Combo(*w, "Combo3", 0)->ListCount(), 52);
        EXPECT_EQ(Combo(*w, "Combo3", 1)->List(51), GetLangText(4031));
        EXPECT_EQ(Combo(*w, "Combo3", 3)->ListCount(), 512);
        EXPECT_EQ(Combo(*w, "Combo3", 3)->List(511), S("777"));
        EXPECT_EQ(Combo(*w, "Combo4", 0)->List(15), S("M16"));
    }
    SetLanguage(LangEnglish);
    EXPECT_EQ(Combo(*Open(9), "Combo1", 9)->List(0), S("Carrier"));
}

} // namespace
