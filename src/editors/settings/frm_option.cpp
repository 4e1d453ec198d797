#include "editors/settings/frm_option.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "data/app_state.h"
#include "data/channel_table.h"
#include "data/code_text.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "ui/ok_cancel_captions.h"
#include "data/value_rules.h"
#include "editors/settings/settings_form.h"
#include "platform/dialog_routines.h"
#include "platform/form_kit.h"
#include "platform/prompt.h"
#include "platform/vb_keys.h"
#include "shell/dialog_buttons.h"

namespace {

// Layout in twips.
constexpr int kRowPitch = 360;
constexpr int kRowHeight = 300;
constexpr int kLeftColumn = 2400;
constexpr int kLeftWidth = 1575;
constexpr int kRightColumn = 6960;
constexpr int kRightWidth = 2535;
// Caption labels end this far left of their control in this window.
constexpr int kLabelGap = 30;

// The lists of the right column, top to bottom.
constexpr std::array<int, 9> kRightColumnLists = {14, 15, 16, 17, 20, 21, 22, 23, 24};

// The field each plain list stores its index into; the others have rules of their own.
using Field = int16_t OptionBlock::*;
constexpr std::array<Field, FrmOption::kCombos> kListField = {
    nullptr, // 0 display mode: the interlock first
    &OptionBlock::DisplayStyle1,
    &OptionBlock::DisplayStyle2,
    &OptionBlock::FmDisplayMode,
    nullptr, // 4 memory channel 1 (a channel text)
    nullptr, // 5 memory channel 2
    nullptr, // 6 FM-radio channel (a text or "VFO")
    &OptionBlock::SquelchLevel1,
    &OptionBlock::SquelchLevel2,
    &OptionBlock::ScanTime,
    &OptionBlock::FunctionKeyTime,
    &OptionBlock::Backlight,
    &OptionBlock::BacklightColour,
    &OptionBlock::SubDisplayMode,
    &OptionBlock::SqlKeyFunction,
    &OptionBlock::MainChannel,
    &OptionBlock::Tot,
    &OptionBlock::AutoPowerOff,
    &OptionBlock::UnlabelledChoice,
    &OptionBlock::BusyLock,
    &OptionBlock::PowerSave,
    &OptionBlock::TbstFrequency,
    &OptionBlock::VoxLevel,
    &OptionBlock::VoxDelay,
    &OptionBlock::TailEliminationMode,
    nullptr, // 25, 26 the programmable keys: stored by OK
    nullptr,
};

// The fields of Check1(0..6); Check1(7) is the FM-radio switch, stored by OK.
constexpr std::array<Field, 7> kCheckField = {
    &OptionBlock::FunctionOperation, &OptionBlock::InternalFunctionOperation, &OptionBlock::InitialiseKey,
    &OptionBlock::TailElimination,   &OptionBlock::FullBand,                  &OptionBlock::Alarm,
    &OptionBlock::VoicePrompt,
};

constexpr int kFmVfoEntry = kFmChannelEntries - 1;
const char *const kFmVfoText = "VFO";

// What the character boxes take: printable ASCII without "\" and "~".
bool IsBoxChar(int code) { return code >= 32 && code <= 126 && code != 92 && code != 126; }

void AddKeyItems(ComboBox *combo, std::initializer_list<int> keys)
{
    for (int key : keys)
        combo->AddItem(GetLangText(key));
}

} // namespace

FrmOption::FrmOption(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmOption"));
    setFixedSize(TwipsToPx(9690), TwipsToPx(7560));
    enterAsTab_ = new EnterAsTab(this);
    changes_ = new UserChanges(this);

    for (int k = 0; k < kTextBoxes; ++k) {
        TextBox *box = new TextBox(this);
        SetArrayName(box, QStringLiteral("Text1"), k);
        SetGeometryTwips(box, kLeftColumn + 240 * (k % 6), k < 6 ? 120 : 480, 255, kRowHeight);
        box->setMaxLength(1);
        box->setCharRule([](QChar c) { return IsBoxChar(c.unicode()) ? c : QChar(); });
        box->setClipboardKeysBlocked(true);
        box->setEnterMovesNext(true);
        box->installEventFilter(this);
        Text1[k] = box;
    }
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    SetGeometryTwips(Label2, 0, 150, 1200, kRowHeight - 60);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    SetGeometryTwips(Frame1, 4080, 3600, 5415, 3135);

    CreateListArray(this, Combo1.data(), Label1.data(), kCombos);
    // Combo1(18) has no caption.
    delete Label1[18];
    Label1[18] = nullptr;
    auto placeCombo = [this](int i, int left, int top, int width) {
        PlaceListRow(Combo1[i], Label1[i], left, top, width);
        Combo1[i]->installEventFilter(enterAsTab_);
    };
    for (int i = 0; i <= 13; ++i)
        placeCombo(i, kLeftColumn, 840 + kRowPitch * i, kLeftWidth);
    placeCombo(25, kLeftColumn, 5880, kLeftWidth);
    placeCombo(26, kLeftColumn, 6240, kLeftWidth);
    placeCombo(18, 3960, 840, 1215);
    for (std::size_t r = 0; r < kRightColumnLists.size(); ++r)
        placeCombo(kRightColumnLists[r], kRightColumn, 120 + kRowPitch * int(r), kRightWidth);
    // The busy-lock list carries its field but lies below the visible area and is never shown.
    placeCombo(19, kLeftColumn, 7800, kLeftWidth);
    Combo1[19]->hide();
    Label1[19]->hide();
    Combo1[18]->hide();

    for (int j = 0; j < kChecks; ++j) {
        QCheckBox *box = new QCheckBox(Frame1);
        SetArrayName(box, QStringLiteral("Check1"), j);
        SetGeometryTwips(box, 120, 240 + kRowPitch * j, 5100, kRowHeight);
        box->installEventFilter(enterAsTab_);
        Check1[j] = box;
    }

    CommandOK = NewCommandButton(this, "CommandOK", 2520, 6960, false, 1335);
    CommandCancel = NewCommandButton(this, "CommandCancel", 4080, 6960, false, 1335);

    // Tab order of the visible controls.
    std::vector<QWidget *> order(Text1.begin(), Text1.end());
    order.push_back(Combo1[0]);
    order.push_back(Combo1[18]);
    for (int i = 1; i <= 17; ++i)
        order.push_back(Combo1[i]);
    for (int i = 20; i <= 24; ++i)
        order.push_back(Combo1[i]);
    for (int j = 0; j <= 6; ++j)
        order.push_back(Check1[j]);
    order.insert(order.end(), {CommandOK, CommandCancel, Combo1[25], Check1[7], Combo1[26]});
    for (std::size_t n = 1; n < order.size(); ++n)
        QWidget::setTabOrder(order[n - 1], order[n]);

    for (int i = 0; i < kCombos; ++i) {
        changes_->Watch(Combo1[i]);
        connect(Combo1[i], &ComboBox::Click, this, [this, i] { Combo1_Click(i); });
    }
    for (int j = 0; j < kChecks; ++j) {
        changes_->Watch(Check1[j]);
        connect(Check1[j], &QCheckBox::stateChanged, this, [this, j] { Check1_Click(j); });
    }
    connect(CommandOK, &QPushButton::clicked, this, &FrmOption::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmOption::CommandCancel_Click);
    Form_Load();
}

void FrmOption::Form_Load()
{
    LoadFinished = false;
    InitOptionCaptions();
    InitOptionLists();
    ShowOptionData();
    LoadFinished = true;
    changes_->Arm();
}

// lang-keys: OTHER 1702-1727
// lang-keys: OTHER 1730-1736
void FrmOption::InitOptionCaptions()
{
    setWindowTitle(GetLangText(1701));
    for (int i = 0; i < kCombos; ++i) {
        if (!Label1[i])
            continue;
        SetCaptionLeftOf(Label1[i], GetLangText(i <= 17 ? 1702 + i : 1701 + i), Combo1[i], kLabelGap);
    }
    SetCaptionLeftOf(Label2, GetLangText(1739), Text1[0], kLabelGap);
    for (int j = 0; j <= 6; ++j)
        Check1[j]->setText(GetLangText(1730 + j));
    Check1[7]->setText(GetLangText(8200));
    SetOkCancelCaptions(this);
}

// lang-keys: OTHER 1750-1764 1768-1770 1794-1797 8100 8102 8300
void FrmOption::InitOptionLists()
{
    for (ComboBox *combo : Combo1)
        combo->Clear();
    AddKeyItems(Combo1[0], {1750, 1751, 1752});
    for (int i : {1, 2, 3})
        AddKeyItems(Combo1[i], {1753, 1754});

    // Memory channels: the used channels up to "PU2" in number order, shown as channel texts.
    for (int number : UsedChannelNumbers(SpecialPU2)) {
        Combo1[4]->AddItem(ChannelNumberToText(number));
        Combo1[5]->AddItem(ChannelNumberToText(number));
    }
    // FM-radio channels in use, in entry order, then the FM VFO when it is marked used.
    const FmChannelTable &fm = State().RadioData.FmChannelTable;
    for (int e = 0; e < kFmVfoEntry; ++e)
        if (fm[static_cast<std::size_t>(e)].Used == 1)
            Combo1[6]->AddItem(QString::number(e));
    if (fm[kFmVfoEntry].Used == 1)
        Combo1[6]->AddItem(QLatin1String(kFmVfoText));

    for (int i : {7, 8})
        AddNumberItems(Combo1[i], 0, 9);
    for (const char *t : {"5s", "10s", "15s", "SCP2s"})
        Combo1[9]->AddItem(QLatin1String(t));
    for (const char *t : {"0s", "1s", "2s", "3s"})
        Combo1[10]->AddItem(QLatin1String(t));
    Combo1[10]->AddItem(GetLangText(8101));
    AddKeyItems(Combo1[11], {1755, 1756, 1757});
    AddKeyItems(Combo1[12], {1758, 1759, 1760});
    AddKeyItems(Combo1[13], {8102, 8100, 1755});
    AddKeyItems(Combo1[14], {1794, 1795});
    AddKeyItems(Combo1[15], {1761, 1762});
    Combo1[16]->AddItem(GetLangText(1755));
    const QString seconds = GetLangText(1781);
    for (int n = 1; n <= 27; ++n)
        Combo1[16]->AddItem(QString::number(n * 10) + seconds);
    AddKeyItems(Combo1[17], {1755, 1768, 1769, 1770});
    AddKeyItems(Combo1[18], {1796, 1797});
    Combo1[19]->AddItem(GetLangText(1755));
    for (const char *t : {"Repeater", "Busy"})
        Combo1[19]->AddItem(QLatin1String(t));
    Combo1[20]->AddItem(GetLangText(1755));
    for (const char *t : {"1:2", "1:3", "1:5", "1:8"})
        Combo1[20]->AddItem(QLatin1String(t));
    Combo1[20]->AddItem(GetLangText(1757));
    Combo1[21]->AddItem(GetLangText(1755));
    for (const char *t : {"1750 Hz", "2100 Hz", "1000 Hz", "1450 Hz"})
        Combo1[21]->AddItem(QLatin1String(t));
    Combo1[22]->AddItem(GetLangText(1755));
    AddNumberItems(Combo1[22], 1, 10);
    for (int n = 0; n <= 25; ++n)
        Combo1[23]->AddItem(TenthsText(5 + n));
    AddKeyItems(Combo1[24], {1755, 1763, 1764, 8300});
    for (int i : {25, 26})
        for (const char *t : {"Off", "VOLT", "CALL", "ALARM", "SUBPTT", "LAMP"})
            Combo1[i]->AddItem(QLatin1String(t));
}

void FrmOption::ShowOptionData()
{
    AppState &st = State();
    st.OptionEditCopy = st.RadioData.SignallingRecord.OptionBlock;
    const OptionBlock &c = st.OptionEditCopy;

    ShowListIndex(Combo1[0], c.DisplayMode);
    ShowListIndex(Combo1[18], c.UnlabelledChoice);
    ShowListIndex(Combo1[1], c.DisplayStyle1);
    ShowListIndex(Combo1[2], c.DisplayStyle2);
    const bool channelMode = Combo1[0]->ListIndex() == 1;
    Combo1[1]->setEnabled(!channelMode);
    Combo1[2]->setEnabled(!channelMode);
    Combo1[18]->setHidden(!channelMode);
    ShowListIndex(Combo1[3], c.FmDisplayMode);

    Combo1[4]->setText(FindComboItem(Combo1[4], ChannelNumberToText(c.MemoryChannel1 + 1)));
    Combo1[5]->setText(FindComboItem(Combo1[5], ChannelNumberToText(c.MemoryChannel2 + 1)));
    const QString fmText =
        c.FmMemoryChannel == kFmVfoEntry ? QString::fromLatin1(kFmVfoText) : QString::number(c.FmMemoryChannel);
    Combo1[6]->setText(FindComboItem(Combo1[6], fmText));

    for (int i = 7; i <= 24; ++i)
        if (i != 18)
            ShowListIndex(Combo1[i], c.*kListField[static_cast<std::size_t>(i)]);
    ShowListIndex(Combo1[25], st.RadioData.Pf1KeyFunction);
    ShowListIndex(Combo1[26], st.RadioData.Pf2KeyFunction);

    for (int j = 0; j <= 6; ++j)
        SetCheckValue(Check1[j], c.*kCheckField[static_cast<std::size_t>(j)]);
    SetCheckValue(Check1[7], st.RadioData.FmRadioEnable);

    const QString text = ShownText(c.PowerOnPassword).leftJustified(kTextBoxes, QLatin1Char(' '), true);
    for (int k = 0; k < kTextBoxes; ++k)
        Text1[k]->setText(text.at(k) == QLatin1Char(' ') ? QString() : QString(text.at(k)));
}

void FrmOption::Combo1_Click(int index)
{
    if (!LoadFinished)
        return;
    ComboBox *combo = Combo1[static_cast<std::size_t>(index)];
    const int li = combo->ListIndex();
    if (li < 0)
        return;
    OptionBlock &c = State().OptionEditCopy;
    switch (index) {
    case 0:
        DisplayModeInterlock(li);
        c.DisplayMode = int16_t(li);
        break;
    case 4:
        c.MemoryChannel1 = int16_t(ChannelTextToNumber(combo->Text()) - 1);
        break;
    case 5:
        c.MemoryChannel2 = int16_t(ChannelTextToNumber(combo->Text()) - 1);
        break;
    case 6:
        c.FmMemoryChannel = combo->Text() == QLatin1String(kFmVfoText) ? int16_t(kFmVfoEntry)
                                                                       : int16_t(NumOrDefault(combo->Text(), 0));
        break;
    default:
        if (Field f = kListField[static_cast<std::size_t>(index)])
            c.*f = int16_t(li);
        break;
    }
}

// Display mode 1 fixes both display styles at item 1 and offers the extra choice beside it;
// modes 0 and 2 set both styles to item 0 or 1 and take the extra choice back to item 0. The
// fields follow the lists also where a list already showed the item (a stored value that the
// list could not show then still becomes the item shown).
void FrmOption::DisplayModeInterlock(int mode)
{
    OptionBlock &c = State().OptionEditCopy;
    const int style = mode == 0 || mode > 2 ? 0 : 1;
    for (int i : {1, 2}) {
        Combo1[i]->setListIndex(style);
        Combo1[i]->setEnabled(mode != 1);
    }
    c.DisplayStyle1 = int16_t(style);
    c.DisplayStyle2 = int16_t(style);
    if (mode == 1) {
        Combo1[18]->show();
    } else {
        Combo1[18]->setListIndex(0);
        Combo1[18]->hide();
        c.UnlabelledChoice = 0;
    }
}

void FrmOption::Check1_Click(int index)
{
    if (!LoadFinished || index > 6)
        return;
    State().OptionEditCopy.*kCheckField[static_cast<std::size_t>(index)] =
        int16_t(CheckValue(Check1[static_cast<std::size_t>(index)]));
}

bool FrmOption::eventFilter(QObject *watched, QEvent *event)
{
    // A character box moves on by itself once it took a character.
    if (event->type() == QEvent::KeyPress) {
        if (auto *box = qobject_cast<TextBox *>(watched)) {
            const int code = VbKeyAscii(static_cast<QKeyEvent *>(event));
            if (IsBoxChar(code)) {
                box->EnterText(QString(QChar(code)));
                focusNextPrevChild(true);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmOption::CommandOK_Click()
{
    AppState &st = State();
    RadioDataRecord &rd = st.RadioData;
    // A key or switch value that its control cannot show stays unless the user chose another.
    if (changes_->Changed(Combo1[25]))
        rd.Pf1KeyFunction = uint8_t(Combo1[25]->ListIndex());
    if (changes_->Changed(Combo1[26]))
        rd.Pf2KeyFunction = uint8_t(Combo1[26]->ListIndex());
    if (changes_->Changed(Check1[7]))
        rd.FmRadioEnable = uint8_t(CheckValue(Check1[7]));

    QString text;
    for (const TextBox *box : Text1)
        text += box->text().isEmpty() ? QStringLiteral(" ") : box->text().left(1);
    StoreText(st.OptionEditCopy.PowerOnPassword, text, ' ');

    rd.SignallingRecord.OptionBlock = st.OptionEditCopy;
    RepairOptionRefs();
    CallHook(Hooks().LoadShowTree);
    accept();
}

void FrmOption::CommandCancel_Click() { reject(); }

void ShowFrmOption()
{
    FrmOption window;
    prompt().ShowModal(&window);
}
