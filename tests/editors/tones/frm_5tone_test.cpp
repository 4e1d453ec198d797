#include <QGroupBox>
#include <QLabel>
#include <QPointer>

#include "common/captions.h"
#include "data/channel_record.h"
#include "data/data_file.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "editors/tones/five_tone_fixture.h"

namespace fivetone {
namespace {

class Frm5ToneTest : public FiveToneTest {};

TEST_F(Frm5ToneTest, LoadFillsListsGridAndDecodeTime)
{
    Frm5Tone w;
    const std::vector<std::pair<std::pair<const char *, int>, int>> counts = {
        {{"Combo1", 1}, 15}, {{"Combo1", 2}, 3},   {{"Combo1", 3}, 71},  {{"Combo1", 4}, 255},
        {{"Combo1", 5}, 251}, {{"Combo1", 6}, 255}, {{"Combo1", 7}, 72},  {{"Combo1", 8}, 255},
        {{"Combo1", 9}, 256}, {{"Combo1", 10}, 5},  {{"Combo1", 11}, 201}, {{"Combo1", 12}, 251},
        {{"Combo7", 0}, 8},   {{"Combo7", 1}, 3},   {{"Combo4", 0}, 15},  {{"Combo4", 1}, 15},
        {{"Combo5", 0}, 71},  {{"Combo5", 1}, 71},  {{"Combo6", -1}, 8},  {{"Combo2", -1}, 15},
        {{"Combo3", -1}, 71},
    };
    for (const auto &[control, count] : counts)
        EXPECT_EQ(Combo(&w, control.first, control.second)->ListCount(), count) << control.first << control.second;
    EXPECT_EQ(Combo(&w, "Combo1", 5)->List(1), "0.1");
    EXPECT_EQ(Combo(&w, "Combo1", 5)->List(250), "25.0");
    EXPECT_EQ(Combo(&w, "Combo1", 10)->List(4), "F");
    EXPECT_EQ(Combo(&w, "Combo1", 11)->ListIndex(), 2);
    EXPECT_EQ(Combo(&w, "Combo1", 11)->Text(), "20");
    EXPECT_EQ(Combo(&w, "Combo1", 3)->Text(), "70"); // the stored period wins over the standard's
    EXPECT_EQ(Combo(&w, "Combo1", 4)->Text(), "200");
    EXPECT_EQ(Combo(&w, "Combo1", 7)->Text(), "10");
    EXPECT_EQ(Grid(&w)->Rows(), 101);
    EXPECT_EQ(Grid(&w)->Cols(), 6);
    EXPECT_EQ(Cell(&w, 1, 0), "0");
    EXPECT_EQ(Cell(&w, 100, 0), "99");
    EXPECT_EQ(Cell(&w, 0, 2), GetOptionText(60079));
    EXPECT_EQ(Cell(&w, 5, 3), "ZVEI1");
    EXPECT_EQ(Cell(&w, 5, 4), "70");
    EXPECT_EQ(w.windowTitle(), GetOptionText(60052));
    EXPECT_TRUE(w.findChild<QPushButton *>("Command4")->isHidden());
    EXPECT_TRUE(Text(&w, "Text7")->isHidden());
    EXPECT_TRUE(Text(&w, "Text3")->isHidden());
    EXPECT_EQ(w.CurTone5Row, 0);
    EXPECT_EQ(w.CurInfoCodeID, 1);
}

TEST_F(Frm5ToneTest, LoadHiddenLeavesTheDataAlone)
{
    SetRow(Block(), 3, "1234511234");
    Block().TonePeriod = 120; // repaired in the edit copy only
    const QByteArray before = EncodeRadioDataFile(State().RadioData);
    { Frm5Tone w; }
    EXPECT_EQ(EncodeRadioDataFile(State().RadioData), before);
    EXPECT_EQ(Edit().TonePeriod, 70);
}

TEST_F(Frm5ToneTest, CaptionsInBothLanguages)
{
    testenv::ExpectCaptionsInBothLanguages([] { return std::make_unique<Frm5Tone>(); });
}

TEST_F(Frm5ToneTest, RowKindsAreShownByTheShapeOfTheCode)
{
    SetOwnId(Block(), "54321");
    SetRow(Block(), 1, "E112345E414243"); // data message "ABC"
    SetRow(Block(), 2, "E611234");        // PTT ID, whatever ID follows
    SetRow(Block(), 3, "1234511234");     // carries another ID: plain
    SetRow(Block(), 4, "12", 3, 50);      // plain, padded with "E" to its length
    Block().CodeRows[3].CodeLength = 4;
    SetRow(Block(), 5, "E1234");          // "E1" but too short for a message: plain
    SetRow(Block(), 6, "E2345E4321");     // ANI whose first character is "E": it keeps it
    Frm5Tone w;
    struct Case {
        int row;
        QString kind, code;
    };
    const std::vector<Case> cases = {
        {1, GetOptionText(60073), "12345" + QString(8, ' ') + GetOptionText(60084) + "ABC"},
        {2, "PTTID", ""},
        {3, "", "1234511234"},
        {4, "", "12EE"},
        {5, "", "E1234"},
        {6, "ANI", "E2345"},
        {7, "", ""},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Cell(&w, c.row, 1), c.kind) << c.row;
        EXPECT_EQ(Cell(&w, c.row, 2), c.code) << c.row;
    }
    EXPECT_EQ(Cell(&w, 4, 3), "PZVEI");
    EXPECT_EQ(Cell(&w, 4, 4), "50");
    EXPECT_EQ(Cell(&w, 7, 3), "ZVEI1");
    EXPECT_EQ(Cell(&w, 7, 4), "70");
}

TEST_F(Frm5ToneTest, AniRowsFollowTheOwnId)
{
    SetOwnId(Block(), "11234");
    SetRow(Block(), 3, "1234511234");
    SetRow(Block(), 4, "7");
    SetRow(Block(), 5, "12345BSelfID");
    Frm5Tone w;
    EXPECT_EQ(Cell(&w, 3, 1), "ANI");
    EXPECT_EQ(Cell(&w, 3, 2), "12345");
    EXPECT_EQ(Cell(&w, 4, 2), "7");
    EXPECT_EQ(Cell(&w, 5, 1), "ANI");
    EXPECT_EQ(Cell(&w, 5, 2), "12345B");
    w.SaveFiveToneData();
    EXPECT_EQ(Stored(Edit().CodeRows[2]), "123451E234");
    EXPECT_EQ(Edit().CodeRows[2].CodeLength, 10);
    EXPECT_EQ(Stored(Edit().CodeRows[4]), "12345B1E234");
    EXPECT_EQ(Edit().CodeRows[4].CodeLength, 11);
}

TEST_F(Frm5ToneTest, ChangingTheOwnIdRewritesTheCodesThatCarryIt)
{
    SetOwnId(Block(), "54321");
    SetRow(Block(), 1, "12345E4321"); // called code and the own ID repeat-coded
    SetRow(Block(), 2, "E254321");
    SetRow(Block(), 3, "E654321");
    SetRow(Block(), 4, "12345");
    StoreText(Block().PttIdBegin.Code, "E654321");
    Block().PttIdBegin.CodeLength = 7;
    Frm5Tone w;
    Text(&w, "Text2")->setText("11111");
    w.Text2_LostFocus();
    EXPECT_TRUE(script->messages().isEmpty());
    // Rewritten, shown again, and re-coded by the write-back inside the change.
    EXPECT_EQ(ShownText(Edit().OwnId), "11111");
    EXPECT_EQ(Cell(&w, 1, 1), "ANI");
    EXPECT_EQ(Cell(&w, 1, 2), "12345");
    EXPECT_EQ(Stored(Edit().CodeRows[0]), "1234511111");
    EXPECT_EQ(Edit().CodeRows[0].CodeLength, 10);
    EXPECT_EQ(Stored(Edit().CodeRows[1]), "E211111");
    EXPECT_EQ(Stored(Edit().CodeRows[3]), "12345");
    EXPECT_EQ(Text(&w, "Text4", 0)->text(), "E611111");
    w.SaveFiveToneData();
    EXPECT_EQ(Stored(Edit().CodeRows[0]), "123451E1E1");
    EXPECT_EQ(Stored(Edit().CodeRows[1]), "E21E1E1");
    EXPECT_EQ(Stored(Edit().CodeRows[2]), "E61E1E1");
    EXPECT_EQ(Stored(Edit().PttIdBegin), "E61E1E1");
    EXPECT_EQ(Stored(Block().CodeRows[0]), "12345E4321"); // RadioData waits for OK
}

TEST_F(Frm5ToneTest, AShortOwnIdIsRefusedOnLeavingTheBox)
{
    SetOwnId(Block(), "54321");
    Frm5Tone w;
    Text(&w, "Text2")->setText("1234");
    w.Text2_LostFocus();
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text, GetMsgText(36876, kLangTextLongBuffer));
    EXPECT_EQ(ShownText(Edit().OwnId), "54321");
}

TEST_F(Frm5ToneTest, OwnIdBoxTakesDigitsOnlyAlsoWhenPasted)
{
    Frm5Tone w;
    TextBox *box = Text(&w, "Text2");
    box->setText(QString());
    EXPECT_EQ(box->EnterText("1a2-3 45678"), "12345");
    TextBox *ptt = Text(&w, "Text4", 0);
    ptt->setText(QString());
    EXPECT_EQ(ptt->EnterText("1a2g3F"), "1A23F");
    ptt->setText("1123");
    w.Text4_LostFocus(0);
    EXPECT_EQ(ptt->text(), "1E23");
    TextBox *info = Text(&w, "Text5");
    info->setText(QString());
    EXPECT_EQ(info->EnterText("bG9"), "B9");
}

TEST_F(Frm5ToneTest, CancelAndClosingWorkWithAShortOwnId)
{
    // Default data: the own ID is empty and its box has the focus.
    auto *w = new Frm5Tone;
    w->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<Frm5Tone> alive(w);
    w->show();
    w->activateWindow();
    QApplication::setActiveWindow(w);
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    Text(w, "Text2")->setFocus();
    QApplication::processEvents();
    Button(w, "CommandCancel")->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(script->messages().isEmpty());
    Button(w, "CommandCancel")->click();
    QApplication::processEvents();
    EXPECT_TRUE(alive.isNull() || alive->isHidden());
    EXPECT_TRUE(script->messages().isEmpty());
    delete alive.data();
}

TEST_F(Frm5ToneTest, DecodeTimeReachesTheDataOnlyWithASuccessfulOk)
{
    SetOwnId(Block(), "54321");
    {
        Frm5Tone w;
        Combo(&w, "Combo1", 11)->setListIndex(7);
        Text(&w, "Text2")->setText("12345");
        w.Text2_LostFocus(); // a completed own-ID change stores nothing into RadioData
        EXPECT_EQ(Combo(&w, "Combo1", 11)->ListIndex(), 7);
        Button(&w, "CommandCancel")->click();
    }
    EXPECT_EQ(State().RadioData.FiveToneDecodeTime, 2);
    {
        Frm5Tone w;
        Combo(&w, "Combo1", 11)->setListIndex(7);
        Combo(&w, "Combo7", 0)->setListIndex(3); // a kill code and no wake code: refused
        Button(&w, "CommandOK")->click();
        ASSERT_FALSE(script->messages().isEmpty());
        EXPECT_EQ(State().RadioData.FiveToneDecodeTime, 2);
        Combo(&w, "Combo7", 0)->setListIndex(0);
        script->clear();
        Button(&w, "CommandOK")->click();
        EXPECT_TRUE(script->messages().isEmpty());
    }
    EXPECT_EQ(State().RadioData.FiveToneDecodeTime, 7);
}

TEST_F(Frm5ToneTest, OkWithAShortOwnIdChangesNothing)
{
    SetOwnId(Block(), "54321");
    const QByteArray before = EncodeRadioDataFile(State().RadioData);
    Frm5Tone w;
    Text(&w, "Text2")->setText("5432");
    Combo(&w, "Combo1", 1)->setListIndex(6);
    Combo(&w, "Combo1", 11)->setListIndex(9);
    Button(&w, "CommandOK")->click();
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text, GetMsgText(36876, kLangTextLongBuffer));
    EXPECT_EQ(EncodeRadioDataFile(State().RadioData), before);
    EXPECT_EQ(w.result(), 0);
}

TEST_F(Frm5ToneTest, OkWritesTheFiveToneBlockIntoTheDataFile)
{
    // The rest of the signalling record goes back unchanged.
    State().RadioData.SignallingRecord.DtmfBlock.SideTone = 1;
    State().RadioData.SignallingRecord.AlertBlock.AlarmTime = 3;
    const SignallingRecord before = State().RadioData.SignallingRecord;
    bool redrawn = false;
    Hooks().ReShowListByData = [&] { redrawn = true; };
    Frm5Tone w;
    Text(&w, "Text2")->setText("12345");
    Combo(&w, "Combo1", 1)->setListIndex(14); // "EIA": period 33
    EXPECT_EQ(Combo(&w, "Combo1", 3)->Text(), "33");
    Combo(&w, "Combo1", 4)->setListIndex(4);  // 50 ms
    Combo(&w, "Combo1", 10)->setListIndex(3); // "D"
    SetCheckValue(w.findChild<QCheckBox *>("Check1"), 1);
    Text(&w, "Text4", 0)->setText("1123");
    Combo(&w, "Combo4", 0)->setListIndex(6); // "CCIR1": period 100
    Combo(&w, "Combo5", 0)->setListIndex(10); // 40
    Button(&w, "CommandOK")->click();
    EXPECT_EQ(w.result(), int(QDialog::Accepted));
    EXPECT_TRUE(redrawn);

    const QByteArray file = EncodeRadioDataFile(State().RadioData);
    const QByteArray header = QByteArray::fromHex("00000e0521") + "12345 " +
                              QByteArray::fromHex("0005140a" "1400" "1400" "0d00" "1400" "0100" "0d00");
    EXPECT_EQ(file.mid(1097, 27).toHex(), header.toHex());
    const QByteArray begin = QByteArray::fromHex("0000" "00" "06" "04" "28") + "1E23" + QByteArray(36, ' ');
    EXPECT_EQ(file.mid(1300, 46).toHex(), begin.toHex());
    SignallingRecord expected = before;
    expected.FiveToneBlock = State().RadioData.SignallingRecord.FiveToneBlock;
    EXPECT_EQ(State().RadioData.SignallingRecord, expected);
}

TEST_F(Frm5ToneTest, ValuesOutsideTheListsGoBackUnchanged)
{
    SetOwnId(Block(), "54321");
    Block().PauseDigit = 14;
    Block().Setting4 = 90;
    Block().StandardIndex = 15;
    Block().FirstDigitDelay = 300;
    Block().SideTone = 5;
    State().RadioData.FiveToneDecodeTime = 230;
    SetRow(Block(), 2, "123", 15, 60);
    Block().PttIdEnd.StandardIndex = 15;
    Frm5Tone w;
    EXPECT_EQ(Combo(&w, "Combo1", 10)->ListIndex(), -1);
    EXPECT_TRUE(Combo(&w, "Combo1", 9)->isEnabled());
    EXPECT_EQ(Combo(&w, "Combo1", 1)->ListIndex(), -1);
    EXPECT_EQ(Cell(&w, 2, 3), "");
    Button(&w, "CommandOK")->click();
    ASSERT_EQ(w.result(), int(QDialog::Accepted));
    const FiveToneBlock &b = Block();
    EXPECT_EQ(b.PauseDigit, 14);
    EXPECT_EQ(b.Setting4, 90);
    EXPECT_EQ(b.StandardIndex, 15);
    EXPECT_EQ(b.FirstDigitDelay, 300);
    EXPECT_EQ(b.SideTone, 5);
    EXPECT_EQ(State().RadioData.FiveToneDecodeTime, 230);
    EXPECT_EQ(b.CodeRows[1].StandardIndex, 15);
    EXPECT_EQ(b.PttIdEnd.StandardIndex, 15);
}

TEST_F(Frm5ToneTest, ShowRepairsOutOfRangeValuesInTheEditCopy)
{
    Block().Setting4 = 3;
    Block().PauseDigit = 13;
    SetRow(Block(), 1, "123", 20, 120);
    Block().CodeRows[1].CodeLength = 41;
    Block().PttIdBegin.TonePeriod = 10;
    Frm5Tone w;
    EXPECT_EQ(Edit().Setting4, 0);
    EXPECT_EQ(Combo(&w, "Combo1", 7)->ListIndex(), 0);
    EXPECT_EQ(Combo(&w, "Combo1", 10)->Text(), "D");
    EXPECT_TRUE(Combo(&w, "Combo1", 9)->isEnabled());
    Combo(&w, "Combo1", 10)->setListIndex(0);
    EXPECT_FALSE(Combo(&w, "Combo1", 9)->isEnabled());
    EXPECT_EQ(Edit().CodeRows[0].StandardIndex, 0);
    EXPECT_EQ(Edit().CodeRows[0].TonePeriod, 70);
    EXPECT_EQ(Edit().CodeRows[1].CodeLength, 0);
    EXPECT_EQ(Combo(&w, "Combo5", 0)->Text(), "70");
    EXPECT_EQ(Edit().PttIdBegin.TonePeriod, 10);
    Combo(&w, "Combo5", 1)->setListIndex(10);
    w.SaveFiveToneData();
    EXPECT_EQ(Edit().PttIdBegin.TonePeriod, 70);
    EXPECT_EQ(Edit().PttIdEnd.TonePeriod, 40);
}

TEST_F(Frm5ToneTest, FunctionRulesGovernResponseAndName)
{
    Frm5Tone w;
    ComboBox *function = Combo(&w, "Combo7", 0);
    ComboBox *response = Combo(&w, "Combo7", 1);
    TextBox *name = Text(&w, "Text7");
    response->setListIndex(1);
    function->setListIndex(7);
    EXPECT_FALSE(response->isEnabled());
    EXPECT_EQ(response->ListIndex(), 1);
    function->setListIndex(3);
    EXPECT_FALSE(response->isEnabled());
    EXPECT_EQ(response->ListIndex(), 2);
    EXPECT_TRUE(name->isEnabled());
    function->setListIndex(1);
    EXPECT_TRUE(response->isEnabled());
    EXPECT_EQ(response->ListCount(), 2);
    EXPECT_EQ(response->ListIndex(), 0);
    name->setText("AB");
    function->setListIndex(6);
    EXPECT_FALSE(name->isEnabled());
    EXPECT_EQ(name->text(), "");
    EXPECT_EQ(response->ListCount(), 3);
    EXPECT_EQ(response->ListIndex(), 0);
    EXPECT_FALSE(response->isEnabled());
    function->setListIndex(0);
    EXPECT_TRUE(response->isEnabled());
    EXPECT_FALSE(name->isEnabled());
}

TEST_F(Frm5ToneTest, SwitchingInformationCodesStoresTheShownOne)
{
    InfoCodeRecord &second = Block().InfoCodes[1];
    second.Function = 3;
    second.Response = 0;
    second.CodeLength = 5;
    StoreText(second.Code, "123456789ABC");
    StoreText(second.Name, "KILL");
    Frm5Tone w;
    Combo(&w, "Combo7", 0)->setListIndex(2);
    Text(&w, "Text5")->setText("ABC");
    Combo(&w, "Combo6")->setListIndex(1);
    EXPECT_EQ(Edit().InfoCodes[0].Function, 2);
    EXPECT_EQ(Edit().InfoCodes[0].CodeLength, 3);
    EXPECT_EQ(Edit().InfoCodes[0].Code.toByteArray(), QByteArray("ABC         "));
    EXPECT_EQ(w.CurInfoCodeID, 2);
    EXPECT_EQ(w.findChild<QGroupBox *>("Frame3")->title(), GetLangText(3005) + "2");
    EXPECT_EQ(Text(&w, "Text5")->text(), "12345");
    EXPECT_EQ(Text(&w, "Text7")->text(), "KILL");
    // The stored response shows although the function's rule would pick another.
    EXPECT_EQ(Combo(&w, "Combo7", 1)->ListIndex(), 0);
    EXPECT_FALSE(Combo(&w, "Combo7", 1)->isEnabled());
    w.SaveInfoCode(2);
    EXPECT_EQ(Edit().InfoCodes[1].Response, 0);
}

struct ConsistencyCase {
    const char *what;
    std::vector<std::tuple<int, const char *>> codes; // function, code; the rest function 0 and code "0"
    std::vector<int> messages;                        // OPTION keys in order
};

class InfoCodeConsistency : public FiveToneTest, public ::testing::WithParamInterface<ConsistencyCase> {};

TEST_P(InfoCodeConsistency, OkChecksKillStunAndWakeCodes)
{
    SetOwnId(Block(), "54321");
    const ConsistencyCase &c = GetParam();
    for (int i = 0; i < 8; ++i) {
        InfoCodeRecord &r = Block().InfoCodes[std::size_t(i)];
        const auto [function, code] = i < int(c.codes.size()) ? c.codes[std::size_t(i)] : std::tuple<int, const char *>{0, ""};
        r.Function = uint8_t(function);
        r.Response = function >= 3 && function <= 5 ? 2 : 0;
        StoreText(r.Code, QLatin1String(code));
        r.CodeLength = uint8_t(qstrlen(code));
    }
    // Unlisted records get distinct codes so that they share nothing by accident.
    for (int i = int(c.codes.size()); i < 8; ++i) {
        StoreText(Block().InfoCodes[std::size_t(i)].Code, QString::number(900 + i));
        Block().InfoCodes[std::size_t(i)].CodeLength = 3;
    }
    const SignallingRecord before = State().RadioData.SignallingRecord;
    Frm5Tone w;
    Button(&w, "CommandOK")->click();
    std::vector<QString> shown;
    for (const PromptCall &m : script->messages())
        shown.push_back(m.text);
    std::vector<QString> expected;
    for (int key : c.messages)
        expected.push_back(GetOptionText(key));
    EXPECT_EQ(shown, expected) << c.what;
    if (c.messages.empty()) {
        EXPECT_EQ(w.result(), int(QDialog::Accepted)) << c.what;
    } else {
        EXPECT_EQ(State().RadioData.SignallingRecord, before) << c.what;
        EXPECT_EQ(w.result(), 0) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InfoCodeConsistency,
    ::testing::Values(
        ConsistencyCase{"kill and wake", {{3, "111"}, {5, "222"}}, {}},
        ConsistencyCase{"two kill codes alike", {{3, "111"}, {3, "111"}, {5, "222"}}, {}},
        ConsistencyCase{"kill equals own ID", {{3, "54321"}, {2, "54321"}}, {60350}},
        ConsistencyCase{"stun without wake", {{4, "111"}}, {60300}},
        ConsistencyCase{"stun without wake, shared", {{4, "111"}, {2, "111"}}, {60300, 60301}},
        ConsistencyCase{"kill and wake alike", {{3, "111"}, {5, "111"}}, {60301}},
        ConsistencyCase{"empty wake shared with empty code", {{5, ""}, {0, ""}}, {60301}}),
    [](const ::testing::TestParamInfo<ConsistencyCase> &info) { return "Case" + std::to_string(info.index); });

TEST_F(Frm5ToneTest, OkRepointsChannelsAndTheAlarmAtRowsInUse)
{
    SetOwnId(Block(), "54321");
    SetRow(Block(), 2, "222");
    SetRow(Block(), 5, "555");
    AlertBlock &alert = State().RadioData.SignallingRecord.AlertBlock;
    alert.IdType = 2;
    alert.IdEntry = 4;
    ChannelRecord ch = NewChannelRecord(1);
    ch.OptSig = 3;
    ch.FiveToneIndex = 4;
    State().ChannelList[0] = ch;
    State().RadioData.ChannelCount = 1;
    Frm5Tone w;
    // Empty row 5 (number 4) through its code cell.
    Grid(&w)->setRow(5);
    Grid(&w)->setCol(2);
    Text(&w, "Text3")->setText(QString());
    Button(&w, "CommandOK")->click();
    ASSERT_EQ(w.result(), int(QDialog::Accepted));
    EXPECT_EQ(Block().CodeRows[4].Empty, 1);
    EXPECT_EQ(State().ChannelList[0].FiveToneIndex, 1);
    EXPECT_EQ(alert.IdEntry, 1);
}

} // namespace
} // namespace fivetone
