#include "link/frm_com_set.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "data/app_state.h"
#include "data/lang_text.h"
#include "ui/ok_cancel_captions.h"
#include "link/com_port_list.h"
#include "platform/dialog_routines.h"
#include "platform/form_kit.h"
#include "platform/ini_file.h"
#include "platform/prompt.h"
#include "platform/serial_port_list.h"

namespace {

constexpr int kRefreshMs = 1000;
constexpr int kNt60PortCount = 255;

QString EntryText(int port) { return QStringLiteral("COM%1").arg(port); }

// True when the list already shows exactly these ports (texts and device paths, in order).
bool ListShows(const QComboBox *list, const QList<SerialPortEntry> &ports)
{
    if (list->count() != ports.size())
        return false;
    for (int i = 0; i < list->count(); ++i) {
        if (list->itemText(i) != EntryText(ports[i].number) ||
            list->itemData(i, Qt::ToolTipRole).toString() != ports[i].devicePath)
            return false;
    }
    return true;
}

} // namespace

FrmComSet::FrmComSet(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmComSet"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A drop-down list: the user picks, never types.
    Combo1 = new ComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(false);
    Combo1->setMinimumWidth(120);
    CommandOK = new QPushButton(this);
    CommandOK->setObjectName(QStringLiteral("CommandOK"));
    CommandOK->setDefault(true);
    CommandCancel = new QPushButton(this);
    CommandCancel->setObjectName(QStringLiteral("CommandCancel"));
    ReShowComPortTimer = new QTimer(this);
    ReShowComPortTimer->setObjectName(QStringLiteral("ReShowComPortTimer"));
    ReShowComPortTimer->setTimerType(Qt::PreciseTimer);
    ReShowComPortTimer->setInterval(kRefreshMs);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Combo1, 0, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CommandOK);
    buttons->addWidget(CommandCancel);
    grid->addLayout(buttons, 1, 0, 1, 2);

    connect(Combo1, &ComboBox::Click, this, &FrmComSet::Combo1_Click);
    connect(ReShowComPortTimer, &QTimer::timeout, this, &FrmComSet::ReShowComPortTimer_Timer);
    connect(CommandOK, &QPushButton::clicked, this, &FrmComSet::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmComSet::CommandCancel_Click);

    Form_Load();
}

FrmComSet::~FrmComSet() = default;

void FrmComSet::Form_Load()
{
    setWindowTitle(GetLangText(1401));
    Label1->setText(GetLangText(1402));
    SetOkCancelCaptions(this);

    int16_t first = 0;
    if (State().IsWinNt60) {
        Combo1->Clear();
        for (int n = 1; n <= kNt60PortCount; ++n)
            Combo1->AddItem(EntryText(n));
        first = 1;
    } else {
        first = FillComPortList(Combo1);
    }

    if (first < 1) {
        chosenPort_ = 0;
    } else {
        Combo1->setListIndex(Combo1->findText(FindComboItem(Combo1, EntryText(State().ComPort))));
        chosenPort_ = PortNumberOfEntry(Combo1->Text());
    }

    if (!State().IsWinNt60)
        ReShowComPortTimer->start();
}

void FrmComSet::Combo1_Click()
{
    chosenPort_ = Combo1->ListIndex() < 0 ? int16_t(0) : PortNumberOfEntry(Combo1->Text());
}

void FrmComSet::SelectPort(int16_t port)
{
    const int at = Combo1->findText(EntryText(port));
    Combo1->setListIndex(at >= 0 ? at : 0); // raises Combo1_Click: ChosenPort follows
}

void FrmComSet::ReShowComPortTimer_Timer()
{
    // An unchanged list is left alone, so that an open drop-down is not disturbed every second;
    // rebuilding it would select the same entry again.
    if (Combo1->ListIndex() >= 0 && ListShows(Combo1, ListSerialPorts()))
        return;
    if (FillComPortList(Combo1) < 1) {
        chosenPort_ = 0;
        return;
    }
    SelectPort(chosenPort_);
}

void FrmComSet::CommandOK_Click()
{
    if (Combo1->ListIndex() < 0) {
        State().ComPort = 0;
    } else {
        bool isNumber = false;
        const int port = Combo1->Text().mid(3).toInt(&isNumber);
        if (isNumber && port > 0 && port <= 32767) {
            State().ComPort = static_cast<int16_t>(port);
            IniFile::Write(MySetupPath(), QStringLiteral("language"), QStringLiteral("comPort"),
                           QString::number(port));
        }
    }
    accept();
}

void FrmComSet::CommandCancel_Click() { reject(); }

void FrmComSet::done(int result)
{
    ReShowComPortTimer->stop();
    QDialog::done(result);
}

int ShowFrmComSet(QWidget *parent)
{
    FrmComSet dialog(parent);
    return prompt().ShowModal(&dialog);
}
