#include "shell/frm_language.h"

#include <QLabel>
#include <QPushButton>

#include "data/app_state.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "ui/ok_cancel_captions.h"
#include "platform/form_kit.h"
#include "platform/program_dir.h"
#include "shell/dialog_buttons.h"
#include "shell/startup.h"

namespace {
constexpr int kCaptionGap = 100; // twips between a caption label and its control
} // namespace

FrmLanguage::FrmLanguage(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmLanguage"));
    setFixedSize(TwipsToPx(4200), TwipsToPx(1800));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetGeometryTwips(Label1, 120, 360, 1300, 315);
    Combo1 = new ComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    SetGeometryTwips(Combo1, 1560, 360, 2300, 315);
    CommandOK = NewCommandButton(this, "CommandOK", 600, 1080, true);
    CommandCancel = NewCommandButton(this, "CommandCancel", 2400, 1080);
    connect(CommandOK, &QPushButton::clicked, this, &FrmLanguage::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmLanguage::CommandCancel_Click);
    Form_Load();
}

void FrmLanguage::Form_Load()
{
    setWindowTitle(GetLangText(1503));
    Label1->setText(GetLangText(1503));
    PlaceCaptionLabel(Label1, Combo1, kCaptionGap);
    SetOkCancelCaptions(this);
    Combo1->Clear();
    Combo1->AddItem(GetLangText(1501));
    Combo1->AddItem(GetLangText(1502));
    Combo1->setListIndex(State().LanguageIndex - 1);
}

void FrmLanguage::CommandOK_Click()
{
    AppState &st = State();
    SetLanguage(Combo1->ListIndex() + 1);
    if (st.HelpAvailable != 0)
        st.HelpFile = ProgramPath(HelpFileName(st.LanguageIndex));
    CallHook(Hooks().Form_ReLoad);
    accept();
}

void FrmLanguage::CommandCancel_Click() { reject(); }
