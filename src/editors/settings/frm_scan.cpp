#include "editors/settings/frm_scan.h"

#include <QCheckBox>
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
constexpr int kComboLeft = 2880;
constexpr int kComboWidth = 2400;
constexpr int kRowPitch = 400;
constexpr int kLabelGap = 100;
// The visible rows, top to bottom; the others lie outside the visible area.
constexpr std::array<int, 9> kRows = {0, 1, 2, 4, 6, 7, 8, 9, 10};
constexpr std::array<int, 4> kHiddenLists = {3, 5, 11, 12};

enum ScanList : int {
    ListMode = 0,
    ListPriority = 1,
    ListPriority1 = 2,
    ListGroup1 = 3,
    ListPriority2 = 4,
    ListGroup2 = 5,
    ListRevert = 6,
    ListBackScanA = 7,
    ListBackScanB = 8,
    ListRxResume = 9,
    ListTxResume = 10,
    ListType = 11,
    ListWait = 12,
};

// The revert choices offered in each priority mode (none, channel 1, channel 2, both), as
// indexes of the master list: a revert to a priority channel only while that channel is in use.
const std::array<std::vector<int>, 4> kOfferedReverts = {{
    {0, 1, 4, 5},
    {0, 1, 2, 4, 5, 6},
    {0, 1, 3, 4, 5, 7},
    {0, 1, 2, 3, 4, 5, 6, 7},
}};

constexpr int kWaitTimeOffset = 2; // byte 9 = list index + 2, in 25 ms units

} // namespace

FrmScan::FrmScan(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmScan"));
    setFixedSize(TwipsToPx(5640), TwipsToPx(5040));
    changes_ = new UserChanges(this);

    CreateListArray(this, Combo1.data(), Label1.data(), kCombos);
    for (std::size_t r = 0; r < kRows.size(); ++r)
        PlaceListRow(Combo1[kRows[r]], Label1[kRows[r]], kComboLeft, 240 + kRowPitch * int(r), kComboWidth);
    // The group choices beside the priority channels, and the scan type and wait time: hidden,
    // outside the visible area.
    for (std::size_t h = 0; h < kHiddenLists.size(); ++h) {
        PlaceListRow(Combo1[kHiddenLists[h]], Label1[kHiddenLists[h]], kComboLeft, 5400 + kRowPitch * int(h),
                     kComboWidth);
        Combo1[kHiddenLists[h]]->hide();
        Label1[kHiddenLists[h]]->hide();
    }
    Label1[ListGroup1]->setText(QStringLiteral("-"));
    Label1[ListGroup2]->setText(QStringLiteral("-"));
    Combo2 = new ComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    PlaceListRow(Combo2, nullptr, kComboLeft, 7000, kComboWidth);
    Combo2->hide();

    Check1 = new QCheckBox(this);
    Check1->setObjectName(QStringLiteral("Check1"));
    SetGeometryTwips(Check1, 600, 240 + kRowPitch * int(kRows.size()), 4680, 300);
    CommandOK = NewCommandButton(this, "CommandOK", 1200, 4440, false, 1335);
    CommandCancel = NewCommandButton(this, "CommandCancel", 2880, 4440, false, 1335);

    for (int i = 0; i < kCombos; ++i) {
        changes_->Watch(Combo1[i]);
        connect(Combo1[i], &ComboBox::Click, this, [this, i] { Combo1_Click(i); });
    }
    changes_->Watch(Check1);
    connect(CommandOK, &QPushButton::clicked, this, &FrmScan::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmScan::CommandCancel_Click);
    Form_Load();
}

void FrmScan::Form_Load()
{
    InitScanCaptions();
    InitScanLists();
    ScanEditCopy = State().RadioData.SignallingRecord.ScanBlock;
    ShowScanData();
    changes_->Arm();
}

// lang-keys: OTHER 2407-2412
void FrmScan::InitScanCaptions()
{
    setWindowTitle(GetLangText(2400));
    Label1[0]->setText(GetLangText(2402));
    Label1[1]->setText(GetLangText(2403));
    Label1[2]->setText(GetLangText(2404));
    Label1[4]->setText(GetLangText(2405));
    Label1[6]->setText(GetLangText(2406));
    for (int i = 7; i <= 12; ++i)
        Label1[i]->setText(GetLangText(2400 + i));
    Check1->setText(GetLangText(2413));
    for (int i = 0; i < kCombos; ++i)
        if (i != ListGroup1 && i != ListGroup2)
            SetCaptionLeftOf(Label1[i], Label1[i]->text(), Combo1[i], kLabelGap);
    SetOkCancelCaptions(this);
}

// lang-keys: OTHER 2436-2439
void FrmScan::InitScanLists()
{
    for (ComboBox *c : Combo1)
        c->Clear();
    Combo2->Clear();
    const QString off = GetLangText(2430);
    const QString priority = GetLangText(2403);
    const QString talkback = QStringLiteral(" + ") + GetLangText(2433);
    const QString priority1 = priority + QStringLiteral("1");
    const QString priority2 = priority + QStringLiteral("2");

    Combo1[ListMode]->AddItem(off);
    Combo1[ListMode]->AddItem(GetLangText(2431));
    for (const QString &t : {off, priority1, priority2, priority1 + QStringLiteral(" + ") + priority2})
        Combo1[ListPriority]->AddItem(t);
    // Priority channels: normal channels in use by their numbers, not their channel texts.
    for (int number : UsedChannelNumbers(kFirstSpecialChannel - 1)) {
        Combo1[ListPriority1]->AddItem(QString::number(number));
        Combo1[ListPriority2]->AddItem(QString::number(number));
    }
    const QString selected = GetLangText(2432);
    for (const QString &t : {selected, selected + talkback, priority1, priority2, GetLangText(2434),
                             GetLangText(2435), priority1 + talkback, priority2 + talkback})
        Combo2->AddItem(t);
    for (int i : {ListBackScanA, ListBackScanB})
        for (int tenths = 5; tenths <= 50; ++tenths)
            Combo1[i]->AddItem(TenthsText(tenths));
    for (int i : {ListRxResume, ListTxResume})
        for (int tenths = 1; tenths <= 50; ++tenths)
            Combo1[i]->AddItem(TenthsText(tenths));
    for (int key = 2436; key <= 2439; ++key)
        Combo1[ListType]->AddItem(GetLangText(key));
    AddNumberItems(Combo1[ListWait], 2 * 25, 255 * 25, 25);
}

void FrmScan::InitRevertList()
{
    Combo1[ListRevert]->Clear();
    revertMaster_.clear();
    const int mode = Combo1[ListPriority]->ListIndex();
    if (mode < 0 || mode >= int(kOfferedReverts.size()))
        return;
    for (int master : kOfferedReverts[static_cast<std::size_t>(mode)]) {
        Combo1[ListRevert]->AddItem(Combo2->List(master));
        revertMaster_.push_back(master);
    }
}

// Shows the revert choice that byte 2 of the copy names (a value past the master list means its
// first item), or the first choice when the priority mode shown does not offer it; then stores
// the choice shown.
void FrmScan::ShowRevertChoice()
{
    const int master = ScanEditCopy.ReturnChannel < kRevertChoices ? ScanEditCopy.ReturnChannel : 0;
    const auto it = std::find(revertMaster_.begin(), revertMaster_.end(), master);
    ShowListIndex(Combo1[ListRevert], it == revertMaster_.end() ? 0 : int(it - revertMaster_.begin()));
    RevertChosen();
}

void FrmScan::RevertChosen()
{
    const int index = Combo1[ListRevert]->ListIndex();
    ScanEditCopy.ReturnChannel = uint8_t(index >= 0 && index < int(revertMaster_.size()) ? revertMaster_[std::size_t(index)] : 0);
}

void FrmScan::ShowScanData()
{
    ScanBlock &c = ScanEditCopy;
    // Each selection runs its list's rule (the lists start with nothing selected).
    ShowListIndex(Combo1[ListMode], c.ScanMode);
    ShowListIndex(Combo1[ListPriority], c.PriorityChannel);
    Combo1[ListPriority1]->setText(FindComboItem(Combo1[ListPriority1], QString::number(c.PriorityChannel1 + 1)));
    Combo1[ListPriority2]->setText(FindComboItem(Combo1[ListPriority2], QString::number(c.PriorityChannel2 + 1)));
    InitRevertList();
    ShowRevertChoice();
    ShowListIndex(Combo1[ListBackScanA], c.ScanBackTimeA);
    ShowListIndex(Combo1[ListBackScanB], c.ScanBackTimeB);
    ShowListIndex(Combo1[ListRxResume], c.RxResumeDelay);
    ShowListIndex(Combo1[ListTxResume], c.TxResumeDelay);
    ShowListIndex(Combo1[ListType], c.ScanType);
    ShowListIndex(Combo1[ListWait], c.WaitTime - kWaitTimeOffset);
    if (c.EntryTone > 1)
        c.EntryTone = 0;
    SetCheckValue(Check1, c.EntryTone);
    EnableScanControls();
    // The repaired revert choice and prompt tone count at once, whatever the user does next.
    State().RadioData.SignallingRecord.ScanBlock = c;
}

void FrmScan::EnableScanControls()
{
    const int mode = Combo1[ListMode]->ListIndex();
    if (mode < 0)
        return;
    for (int i = ListPriority; i < kCombos; ++i)
        Combo1[i]->setEnabled(mode == 1);
    Check1->setEnabled(mode == 1);
    if (mode != 1)
        return;
    switch (Combo1[ListPriority]->ListIndex()) {
    case 0:
        for (int i : {ListPriority1, ListGroup1, ListPriority2, ListGroup2})
            Combo1[i]->setEnabled(false);
        break;
    case 1:
        Combo1[ListPriority2]->setEnabled(false);
        Combo1[ListGroup2]->setEnabled(false);
        break;
    case 2:
        Combo1[ListPriority1]->setEnabled(false);
        Combo1[ListGroup1]->setEnabled(false);
        break;
    default:
        break;
    }
}

void FrmScan::Combo1_Click(int index)
{
    switch (index) {
    case ListMode:
        EnableScanControls();
        break;
    case ListPriority:
        InitRevertList();
        EnableScanControls();
        ShowRevertChoice();
        break;
    case ListRevert:
        RevertChosen();
        break;
    default:
        break;
    }
}

void FrmScan::CommandOK_Click()
{
    ScanBlock &c = ScanEditCopy;
    // A byte is taken from its control when the user changed the control; otherwise it keeps
    // what was stored, also a value that its list cannot show. The revert choice is kept in the
    // copy as it changes; the reserved bytes 10 and 12 are never touched.
    auto take = [this](const QObject *control, uint8_t &field, int value) { changes_->Take(control, field, value); };
    const ComboBox *const *l = Combo1.data();
    take(l[ListMode], c.ScanMode, l[ListMode]->ListIndex());
    take(l[ListPriority], c.PriorityChannel, l[ListPriority]->ListIndex());
    take(l[ListPriority1], c.PriorityChannel1, NumOrDefault(l[ListPriority1]->Text(), 1) - 1);
    take(l[ListPriority2], c.PriorityChannel2, NumOrDefault(l[ListPriority2]->Text(), 1) - 1);
    take(l[ListBackScanA], c.ScanBackTimeA, l[ListBackScanA]->ListIndex());
    take(l[ListBackScanB], c.ScanBackTimeB, l[ListBackScanB]->ListIndex());
    take(l[ListRxResume], c.RxResumeDelay, l[ListRxResume]->ListIndex());
    take(l[ListTxResume], c.TxResumeDelay, l[ListTxResume]->ListIndex());
    take(l[ListType], c.ScanType, l[ListType]->ListIndex());
    take(l[ListWait], c.WaitTime, l[ListWait]->ListIndex() + kWaitTimeOffset);
    take(Check1, c.EntryTone, CheckValue(Check1));
    State().RadioData.SignallingRecord.ScanBlock = c;
    accept();
}

void FrmScan::CommandCancel_Click() { reject(); }

void ShowFrmScan()
{
    FrmScan window;
    prompt().ShowModal(&window);
}
