#include "editors/settings/frm_dtmf_special.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "data/lang_text.h"
#include "ui/ok_cancel_captions.h"
#include "data/self_kill_stun.h"
#include "editors/enter_moves_next.h"
#include "editors/settings/frm_dtmf.h"
#include "platform/form_kit.h"
#include "shell/dialog_buttons.h"

namespace {

// Layout in twips.
constexpr int kRowHeight = 315;
constexpr int kLabelWidth = 1560;
constexpr int kLabelGap = 100;
constexpr int kCalledDigits = 3;

} // namespace

FrmDTMFSpecial::FrmDTMFSpecial(FrmDTMF &editor) : QDialog(&editor), editor_(editor)
{
    setObjectName(QStringLiteral("FrmDTMFSpecial"));
    setFixedSize(TwipsToPx(4290), TwipsToPx(2280));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetGeometryTwips(Label1, 0, 240, kLabelWidth, kRowHeight);
    Combo1 = new ComboBox(this);
    SetArrayName(Combo1, QStringLiteral("Combo1"), 0);
    SetGeometryTwips(Combo1, 1800, 240, 2280, kRowHeight);
    Combo1->AddItem(QStringLiteral("ANI"));
    MoveOnWithEnter(Combo1);

    // Shown once a call type is chosen.
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    SetGeometryTwips(Frame1, 120, 720, 3960, 660);
    Frame1->setVisible(false);
    Label2 = new QLabel(Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetGeometryTwips(Label2, 0, 180, kLabelWidth, kRowHeight);
    Text1 = new TextBox(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    SetGeometryTwips(Text1, 1680, 180, 1200, kRowHeight);
    Text1->setText(QStringLiteral("000"));
    Text1->setMaxLength(kCalledDigits);
    Text1->setCharRule(TextBox::OnlyChars(QStringLiteral("0123456789")));
    Text1->setEnterMovesNext(true);
    Text1->setClipboardKeysBlocked(true);

    CommandOK = NewCommandButton(this, "CommandOK", 1200, 1680);
    CommandCancel = NewCommandButton(this, "CommandCancel", 2760, 1680, false, 1320);

    connect(Combo1, &ComboBox::Click, this, &FrmDTMFSpecial::Combo1_Click);
    connect(Text1, &TextBox::LostFocus, this, &FrmDTMFSpecial::Text1_LostFocus);
    connect(CommandOK, &QPushButton::clicked, this, &FrmDTMFSpecial::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmDTMFSpecial::CommandCancel_Click);
    Form_Load();
}

void FrmDTMFSpecial::Form_Load()
{
    setWindowTitle(QStringLiteral("DTMF Special Call"));
    Label1->setText(GetOptionText(60064));
    PlaceCaptionLabel(Label1, Combo1, kLabelGap);
    Label2->setText(GetOptionText(60076));
    PlaceCaptionLabel(Label2, Text1, kLabelGap);
    Combo1->setListIndex(0);
    Frame1->setVisible(true);
    SetOkCancelCaptions(this);
}

void FrmDTMFSpecial::Combo1_Click()
{
    if (Combo1->ListIndex() == 0)
        Frame1->setVisible(true);
}

void FrmDTMFSpecial::Text1_LostFocus() { Text1->setText(FillDtmfId(Text1->text())); }

void FrmDTMFSpecial::CommandOK_Click()
{
    if (Combo1->ListIndex() == 0) {
        // Filled here too, for when the focus never left the box.
        const QString called = FillDtmfId(Text1->text());
        if (TextBox *target = editor_.CodeBox(editor_.CurDTMFEditID))
            target->setText(called + editor_.SeparatorText() + editor_.OwnIdText());
    }
    accept();
}

void FrmDTMFSpecial::CommandCancel_Click() { reject(); }
