#include "editors/settings/frm_alert.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "data/app_state.h"
#include "data/channel_table.h"
#include "data/code_text.h"
#include "data/lang_text.h"
#include "ui/ok_cancel_captions.h"
#include "editors/settings/settings_form.h"
#include "platform/dialog_routines.h"
#include "platform/form_kit.h"
#include "platform/prompt.h"
#include "shell/dialog_buttons.h"

namespace {

// Layout in twips.
constexpr int kComboLeft = 2400;
constexpr int kComboWidth = 2160;
constexpr int kRowPitch = 400;
constexpr int kLabelGap = 100;
// The rows of the left column, top to bottom; Combo1(7) lies outside the visible area.
constexpr std::array<int, 9> kRows = {0, 1, 2, 3, 4, 5, 6, 8, 9};

enum AlertList : int {
    ListType = 0,
    ListIdType = 1,
    ListIdCode = 2,
    ListAlarmTime = 3,
    ListTxTime = 4,
    ListRxTime = 5,
    ListChannelChoice = 6,
    ListGroup = 7,
    ListChannel = 8,
    ListCycles = 9,
};

constexpr int kIdTypeDtmf = 1;

QString MemoryText(int memory) { return QStringLiteral("M") + QString::number(memory + 1); }

} // namespace

FrmAlert::FrmAlert(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAlert"));
    setFixedSize(TwipsToPx(8880), TwipsToPx(4680));

    CreateListArray(this, Combo1.data(), Label1.data(), kCombos);
    for (std::size_t r = 0; r < kRows.size(); ++r)
        PlaceListRow(Combo1[kRows[r]], Label1[kRows[r]], kComboLeft, 240 + kRowPitch * int(r), kComboWidth);
    // The emergency-channel group: never filled, placed below the visible rows and hidden.
    PlaceListRow(Combo1[ListGroup], Label1[ListGroup], kComboLeft, 5400, kComboWidth);
    Combo1[ListGroup]->hide();
    Label1[ListGroup]->hide();

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    SetGeometryTwips(Frame1, 4980, 180, 3720, 1740);
    Check1 = new QCheckBox(Frame1);
    Check1->setObjectName(QStringLiteral("Check1"));
    SetGeometryTwips(Check1, 240, 360, 3300, 300);
    for (int j = 0; j < 2; ++j) {
        Combo2[j] = new ComboBox(Frame1);
        SetArrayName(Combo2[j], QStringLiteral("Combo2"), j);
        Label2[j] = new QLabel(Frame1);
        SetArrayName(Label2[j], QStringLiteral("Label2"), j);
        PlaceListRow(Combo2[j], Label2[j], 2400, 800 + 440 * j, 1080);
    }

    CommandOK = NewCommandButton(this, "CommandOK", 2400, 4080, false, 1335);
    CommandCancel = NewCommandButton(this, "CommandCancel", 4080, 4080, false, 1335);

    for (int i = 0; i < kCombos; ++i)
        connect(Combo1[i], &ComboBox::Click, this, [this, i] { Combo1_Click(i); });
    connect(Check1, &QCheckBox::stateChanged, this, &FrmAlert::Check1_Click);
    connect(CommandOK, &QPushButton::clicked, this, &FrmAlert::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmAlert::CommandCancel_Click);
    Form_Load();
}

void FrmAlert::Form_Load()
{
    InitAlertCaptions();
    InitAlertLists();
    AlertEditCopy = State().RadioData.SignallingRecord.AlertBlock;
    ShowAlertData();
}

// lang-keys: OTHER 2602-2611
void FrmAlert::InitAlertCaptions()
{
    setWindowTitle(GetLangText(2600));
    for (int i = 0; i < kCombos; ++i)
        SetCaptionLeftOf(Label1[i], GetLangText(2602 + i), Combo1[i], kLabelGap);
    Frame1->setTitle(GetLangText(2612));
    Check1->setText(GetLangText(2613));
    SetCaptionLeftOf(Label2[0], GetLangText(2614), Combo2[0], kLabelGap);
    SetCaptionLeftOf(Label2[1], GetLangText(2615), Combo2[1], kLabelGap);
    SetOkCancelCaptions(this);
}

// lang-keys: OTHER 2630-2635
void FrmAlert::InitAlertLists()
{
    for (ComboBox *c : Combo1)
        c->Clear();
    for (ComboBox *c : Combo2)
        c->Clear();
    for (int key = 2630; key <= 2633; ++key)
        Combo1[ListType]->AddItem(GetLangText(key));
    Combo1[ListIdType]->AddItem(GetLangText(2436));
    Combo1[ListIdType]->AddItem(QStringLiteral("DTMF"));
    for (int i : {ListAlarmTime, ListTxTime, ListRxTime})
        AddNumberItems(Combo1[i], 1, 255);
    for (int key = 2634; key <= 2635; ++key)
        Combo1[ListChannelChoice]->AddItem(GetLangText(key));
    // Normal channels in use, in channel order, shown as channel texts.
    for (int number : UsedChannelNumbers(kFirstSpecialChannel - 1))
        Combo1[ListChannel]->AddItem(ChannelNumberToText(number));
    Combo1[ListCycles]->AddItem(GetLangText(2636));
    AddNumberItems(Combo1[ListCycles], 1, 255);
    AddNumberItems(Combo2[0], 1, 254);
    AddNumberItems(Combo2[1], 5, 255);
}

// The DTMF memories in use while the ID type is DTMF, showing the stored memory when it is one
// of them; an empty list for any other ID type.
void FrmAlert::BuildMemoryList()
{
    ComboBox *list = Combo1[ListIdCode];
    list->Clear();
    if (Combo1[ListIdType]->ListIndex() != kIdTypeDtmf)
        return;
    const DtmfBlock &dtmf = State().RadioData.SignallingRecord.DtmfBlock;
    for (int m = 0; m < kDtmfCodeMemories; ++m)
        if (dtmf.CodeMemory[static_cast<std::size_t>(m)].Length > 0)
            list->AddItem(MemoryText(m));
    list->setText(FindComboItem(list, MemoryText(AlertEditCopy.IdEntry)));
}

void FrmAlert::ShowAlertData()
{
    const AlertBlock &c = AlertEditCopy;
    // Each selection runs its list's rule (the lists start with nothing selected).
    ShowListIndex(Combo1[ListType], c.AlarmMode);
    ShowListIndex(Combo1[ListIdType], c.IdType);
    ShowListIndex(Combo1[ListAlarmTime], c.AlarmTime - 1);
    ShowListIndex(Combo1[ListTxTime], c.TxTime - 1);
    ShowListIndex(Combo1[ListRxTime], c.RxTime - 1);
    ShowListIndex(Combo1[ListChannelChoice], c.ChannelChoice);
    Combo1[ListChannel]->setText(FindComboItem(Combo1[ListChannel], ChannelNumberToText(c.EmergencyChannel + 1)));
    ShowListIndex(Combo1[ListCycles], c.Cycles);
    if (AlertEditCopy.AutoDetect > 1)
        AlertEditCopy.AutoDetect = 0;
    SetCheckValue(Check1, AlertEditCopy.AutoDetect);
    Check1_Click();
    Combo2[0]->setText(FindComboItem(Combo2[0], QString::number(c.PreAlertTime)));
    Combo2[1]->setText(FindComboItem(Combo2[1], QString::number(c.LoneWorkerTime)));
}

void FrmAlert::Combo1_Click(int index)
{
    switch (index) {
    case ListType: {
        // Type 0 sounds at the radio only: the alarm time applies; the others transmit.
        const bool local = Combo1[ListType]->ListIndex() == 0;
        Combo1[ListAlarmTime]->setEnabled(local);
        for (int i : {ListIdType, ListIdCode, ListTxTime, ListRxTime})
            Combo1[i]->setEnabled(!local);
        break;
    }
    case ListIdType:
        BuildMemoryList();
        break;
    case ListChannelChoice: {
        const int choice = Combo1[ListChannelChoice]->ListIndex();
        if (choice == 0 || choice == 1) {
            Combo1[ListChannel]->setEnabled(choice == 0);
            Combo1[ListGroup]->setEnabled(choice == 0);
        }
        break;
    }
    default:
        break;
    }
}

void FrmAlert::Check1_Click()
{
    const bool on = CheckValue(Check1) == 1;
    Combo2[0]->setEnabled(on);
    Combo2[1]->setEnabled(on);
}

void FrmAlert::CommandOK_Click()
{
    // Every byte is what its control shows, so a stored value that its list could not show goes
    // to the radio as the item the user saw; disabled choices are read like the others.
    AlertBlock &c = AlertEditCopy;
    const auto index = [this](int list) { return uint8_t(std::max(Combo1[list]->ListIndex(), 0)); };
    c.AlarmMode = index(ListType);
    c.IdType = index(ListIdType);
    const QString memory = Combo1[ListIdCode]->Text();
    const bool named = Combo1[ListIdType]->ListIndex() == kIdTypeDtmf && memory.startsWith(QLatin1Char('M'));
    c.IdEntry = uint8_t(named ? NumOrDefault(memory.mid(1), 1) - 1 : 0);
    c.AlarmTime = uint8_t(index(ListAlarmTime) + 1);
    c.TxTime = uint8_t(index(ListTxTime) + 1);
    c.RxTime = uint8_t(index(ListRxTime) + 1);
    c.ChannelChoice = index(ListChannelChoice);
    c.EmergencyChannel = uint8_t(NumOrDefault(Combo1[ListChannel]->Text(), 1));
    c.Cycles = index(ListCycles);
    c.AutoDetect = uint8_t(CheckValue(Check1) == 1 ? 1 : 0);
    c.PreAlertTime = uint8_t(NumOrDefault(Combo2[0]->Text(), 1));
    c.LoneWorkerTime = uint8_t(NumOrDefault(Combo2[1]->Text(), 5));
    State().RadioData.SignallingRecord.AlertBlock = c;
    accept();
}

void FrmAlert::CommandCancel_Click() { reject(); }

void ShowFrmAlert()
{
    FrmAlert window;
    prompt().ShowModal(&window);
}
