#include "editors/tones/frm_5tone_def_ts.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "data/app_state.h"
#include "data/lang_text.h"
#include "ui/ok_cancel_captions.h"
#include "data/radio_data.h"
#include "data/tone_standards.h"
#include "platform/form_kit.h"
#include "platform/numbers.h"
#include "platform/prompt.h"
#include "shell/dialog_buttons.h"

namespace {

const QString kLowest = QStringLiteral("288.5");
const QString kHighest = QStringLiteral("3106.0");

constexpr int64_t kLowestMicroHz = 288'500'000;
constexpr int64_t kHighestMicroHz = 3'106'000'000;

} // namespace

Frm5ToneDefTS::Frm5ToneDefTS(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Frm5ToneDefTS"));
    setFixedSize(TwipsToPx(4200), TwipsToPx(4575));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    setFont(font);

    CommandOK = NewCommandButton(this, "CommandOK", 600, 3720, false, 1335);
    CommandCancel = NewCommandButton(this, "CommandCancel", 2160, 3720, false, 1335);
    // Enter on a focused button presses it (the focus starts on OK).
    CommandOK->setAutoDefault(true);
    CommandCancel->setAutoDefault(true);
    QWidget *previous = CommandCancel;
    setTabOrder(CommandOK, CommandCancel);
    for (int i = 0; i < 16; ++i) {
        const auto k = std::size_t(i);
        const int left = i < 8 ? 480 : 2400;
        const int top = 360 + 360 * (i % 8);
        Label1[k] = new QLabel(QString::number(i, 16).toUpper(), this);
        SetArrayName(Label1[k], QStringLiteral("Label1"), i);
        Label1[k]->adjustSize();
        Label1[k]->move(TwipsToPx(left), TwipsToPx(top));
        Text1[k] = new TextBox(this);
        SetArrayName(Text1[k], QStringLiteral("Text1"), i);
        Text1[k]->setMaxLength(6);
        SetGeometryTwips(Text1[k], left + 240, top, 1095, 285);
        // Pasted text passes the same rule as typing; the range rule then checks the number.
        Text1[k]->setCharRule(TextBox::OnlyChars(QStringLiteral("0123456789.")));
        Text1[k]->setClipboardKeysBlocked(true);
        Text1[k]->setEnterMovesNext(true);
        connect(Text1[k], &TextBox::LostFocus, this, [this, i] { Text1_LostFocus(i); });
        setTabOrder(previous, Text1[k]);
        previous = Text1[k];
    }
    setTabOrder(previous, CommandOK);
    connect(CommandOK, &QPushButton::clicked, this, &Frm5ToneDefTS::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &Frm5ToneDefTS::CommandCancel_Click);
    CommandOK->setFocus();
    Form_Load();
}

Frm5ToneDefTS::~Frm5ToneDefTS() = default;

void Frm5ToneDefTS::Form_Load()
{
    InitUserStandardDialog();
    ShowUserStandard();
}

void Frm5ToneDefTS::InitUserStandardDialog()
{
    setWindowTitle(GetLangText(3103));
    SetOkCancelCaptions(this);
}

void Frm5ToneDefTS::ShowUserStandard()
{
    const UserToneStandard &user = State().SignallingEditCopy.FiveToneBlock.UserStandard;
    for (int i = 0; i < 16; ++i)
        Text1[std::size_t(i)]->setText(UserToneText(user.Tones[std::size_t(i)]));
}

void Frm5ToneDefTS::Text1_LostFocus(int index)
{
    // Compared exactly, in millionths of a Hz: a box holds at most six characters.
    TextBox *box = Text1[std::size_t(index)];
    int64_t micro = 0;
    if (!ParseScaled(box->text(), 6, micro, false) || micro < kLowestMicroHz)
        box->setText(kLowest);
    else if (micro > kHighestMicroHz)
        box->setText(kHighest);
}

void Frm5ToneDefTS::CommandOK_Click()
{
    for (int i = 0; i < 16; ++i)
        if (QApplication::focusWidget() == Text1[std::size_t(i)])
            Text1_LostFocus(i);
    UserToneStandard &user = State().SignallingEditCopy.FiveToneBlock.UserStandard;
    for (int i = 0; i < 16; ++i) {
        int64_t tenths = 0; // rounded to 0.1 Hz, an exact half to the even neighbour
        if (ParseScaled(Text1[std::size_t(i)]->text(), 1, tenths, false) && tenths >= -32768 && tenths <= 32767)
            user.Tones[std::size_t(i)] = int16_t(tenths);
    }
    accept();
}

void Frm5ToneDefTS::CommandCancel_Click() { reject(); }

int ShowFrm5ToneDefTS(QWidget *parent)
{
    Frm5ToneDefTS w(parent);
    return prompt().ShowModal(&w);
}
