#include "shell/frm_init.h"

#include <QCheckBox>
#include <QPushButton>

#include "data/app_state.h"
#include "data/lang_text.h"
#include "ui/ok_cancel_captions.h"
#include "platform/form_kit.h"
#include "shell/dialog_buttons.h"
#include "shell/startup.h"

FrmInit::FrmInit(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmInit"));
    setFixedSize(TwipsToPx(5700), TwipsToPx(1800));
    Check1 = new QCheckBox(this);
    Check1->setObjectName(QStringLiteral("Check1"));
    SetGeometryTwips(Check1, 360, 360, 5100, 315);
    CommandOK = NewCommandButton(this, "CommandOK", 1020, 1080, true);
    CommandCancel = NewCommandButton(this, "CommandCancel", 3480, 1080);
    connect(CommandOK, &QPushButton::clicked, this, &FrmInit::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmInit::CommandCancel_Click);
    Form_Load();
}

void FrmInit::Form_Load()
{
    setWindowTitle(GetLangText(1411));
    Check1->setText(GetLangText(1412));
    SetOkCancelCaptions(this);
    SetCheckValue(Check1, State().FactoryFreqFlag);
}

void FrmInit::CommandOK_Click()
{
    State().FactoryFreqFlag = static_cast<int16_t>(CheckValue(Check1));
    WriteSetupValue(QStringLiteral("FactoryFres"), State().FactoryFreqFlag);
    accept();
}

void FrmInit::CommandCancel_Click() { reject(); }
