#include "editors/tones/frm_5tone_special.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "data/app_state.h"
#include "data/code_text.h"
#include "data/lang_text.h"
#include "data/radio_data.h"
#include "data/value_rules.h"
#include "editors/settings/settings_form.h"
#include "editors/tones/frm_5tone.h"
#include "platform/dialog_routines.h"
#include "platform/flex_grid.h"
#include "platform/form_kit.h"
#include "platform/prompt.h"
#include "shell/dialog_buttons.h"

namespace {

constexpr int kCodeDigits = 5;
constexpr int kMessageChars = 16;
// A PTT-ID code keeps 24 digits in the radio: "E1", the called ID and "E" leave room for 8
// message characters of two digits each.
constexpr int kPttIdMessageChars = 8;
constexpr int kColKind = 1;
constexpr int kColCode = 2;
const QString kSelfId = QStringLiteral("SelfID");

QString HexOf(const QString &message)
{
    QString out;
    for (QChar c : message)
        out += ByteToHex2(uint8_t(c.unicode())); // the message box takes ASCII letters and digits only
    return out;
}

// The caption 100 twips left of its control, on the control's line.
void PlaceLabel(QLabel *label, const QString &text, const QWidget *control)
{
    SetCaptionLeftOf(label, text, control, 100);
    label->move(label->x(), control->y() + (control->height() - label->height()) / 2);
}

} // namespace

FrmSpecial::FrmSpecial(Frm5Tone *editor) : QDialog(editor), editor_(editor)
{
    setObjectName(QStringLiteral("FrmSpecial"));
    setFixedSize(TwipsToPx(5400), TwipsToPx(3720));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    setFont(font);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    SetGeometryTwips(Frame1, 120, 60, 5160, 1500);
    for (int i = 0; i < 2; ++i) {
        const auto k = std::size_t(i);
        Label1[k] = new QLabel(Frame1);
        SetArrayName(Label1[k], QStringLiteral("Label1"), i);
        Label1[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Combo1[k] = new ComboBox(Frame1);
        SetArrayName(Combo1[k], QStringLiteral("Combo1"), i);
        SetGeometryTwips(Combo1[k], 1800, 120 + 420 * i, 1695, 300);
        connect(Combo1[k], &ComboBox::Click, this, [this, i] { Combo1_Click(i); });
    }
    CommandOK = NewCommandButton(Frame1, "CommandOK", 3720, 120, false, 1215);
    CommandCancel = NewCommandButton(Frame1, "CommandCancel", 3720, 600, false, 1215);

    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    SetGeometryTwips(Frame2, 120, 1620, 5160, 1500);
    Frame4 = new QGroupBox(this);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    SetGeometryTwips(Frame4, 120, 1620, 5160, 1500);
    QGroupBox *frames[2] = {Frame2, Frame4};
    for (int i = 0; i < 2; ++i) {
        const auto k = std::size_t(i);
        Label2[k] = new QLabel(frames[i]);
        SetArrayName(Label2[k], QStringLiteral("Label2"), i);
        Text1[k] = new TextBox(frames[i]);
        SetArrayName(Text1[k], QStringLiteral("Text1"), i);
        Text1[k]->setMaxLength(kCodeDigits);
        SetGeometryTwips(Text1[k], 1800, 360, 1695, 285);
        Text1[k]->setText(QStringLiteral("12345"));
        Text1[k]->setCharRule([](QChar c) {
            if (c.isDigit() && c.unicode() < 128)
                return c;
            return c == QLatin1Char('A') || c == QLatin1Char('a') ? QChar(QLatin1Char('A')) : QChar();
        });
        Text1[k]->setClipboardKeysBlocked(true);
        Text1[k]->setEnterMovesNext(true);
        connect(Text1[k], &TextBox::LostFocus, this, [this, i] { Text1_LostFocus(i); });
    }
    Label3 = new QLabel(Frame2);
    Label3->setObjectName(QStringLiteral("Label3"));
    Text2 = new TextBox(Frame2);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setMaxLength(kMessageChars);
    SetGeometryTwips(Text2, 1800, 840, 3135, 285);
    Text2->setCharRule([](QChar c) {
        if (c.unicode() >= 128)
            return QChar();
        if (c.isDigit() || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')))
            return c;
        return c >= QLatin1Char('a') && c <= QLatin1Char('z') ? c.toUpper() : QChar();
    });
    Text2->setClipboardKeysBlocked(true);
    Text2->setEnterMovesNext(true);
    Label5 = new QLabel(Frame4);
    Label5->setObjectName(QStringLiteral("Label5"));
    Combo3 = new ComboBox(Frame4);
    Combo3->setObjectName(QStringLiteral("Combo3"));
    SetGeometryTwips(Combo3, 1800, 840, 1695, 300);

    connect(CommandOK, &QPushButton::clicked, this, &FrmSpecial::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmSpecial::CommandCancel_Click);
    Form_Load();
}

FrmSpecial::~FrmSpecial() = default;

void FrmSpecial::Form_Load()
{
    setWindowTitle(GetOptionText(60062));
    PlaceLabel(Label1[0], GetOptionText(60063), Combo1[0]);
    PlaceLabel(Label1[1], GetOptionText(60064), Combo1[1]);
    const QString dataMessage = GetOptionText(60073);
    Combo1[1]->Clear();
    Combo1[1]->AddItem(dataMessage);
    Combo1[1]->AddItem(QStringLiteral("ANI"));
    Combo1[1]->AddItem(QStringLiteral("PTTID"));
    Frame2->setTitle(dataMessage);
    CommandOK->setText(GetOptionText(60024));
    CommandCancel->setText(GetOptionText(60025));
    const QString codeLabel = GetOptionText(60076);
    PlaceLabel(Label2[0], codeLabel, Text1[0]);
    PlaceLabel(Label2[1], codeLabel, Text1[1]);
    PlaceLabel(Label5, GetOptionText(60313), Combo3);
    PlaceLabel(Label3, GetOptionText(60077), Text2);

    const int target = State().SpecialCallTarget;
    if (target == TargetPttIdBegin || target == TargetPttIdEnd) {
        PlaceLabel(Label1[0], GetOptionText(target == TargetPttIdBegin ? 60302 : 60303), Combo1[0]);
        Combo1[0]->hide();
        Text2->setMaxLength(kPttIdMessageChars);
    }
    Combo3->Clear();
    Combo3->AddItem(GetOptionText(60318));
    for (int v = 10; v <= 15; ++v)
        Combo3->AddItem(QString::number(v, 16).toUpper());
    InitInfoCodeList();
    ShowSpecialSeparator();
    Combo1[1]->setListIndex(CallTypeE1);
}

void FrmSpecial::InitInfoCodeList()
{
    ComboBox *rows = Combo1[0];
    rows->Clear();
    for (int n = 0; n < kFiveToneRows; ++n)
        rows->AddItem(QString::number(n));
    const int row = editor_->Grid()->Row();
    rows->setListIndex(row < 1 ? 0 : std::min(row - 1, kFiveToneRows - 1));
}

void FrmSpecial::ShowSpecialSeparator()
{
    Frame2->hide();
    Frame4->hide();
    const int separator = State().SignallingEditCopy.FiveToneBlock.SpecialSeparator;
    Combo3->setText(FindComboItem(Combo3, QString::number(separator, 16).toUpper()));
}

void FrmSpecial::Combo1_Click(int index)
{
    if (index != 1)
        return;
    ShowSpecialSeparator();
    const int type = Combo1[1]->ListIndex();
    if (type == CallTypeE1) {
        Frame2->show();
    } else if (type == CallTypeAni) {
        Frame4->setTitle(Combo1[1]->Text());
        Frame4->show();
    }
}

bool FrmSpecial::CodeBoxFilled(int index)
{
    if (Text1[std::size_t(index)]->text().size() >= kCodeDigits)
        return true;
    prompt().MsgBox(GetMsgText(36876, kLangTextLongBuffer), vbOKOnly);
    return false;
}

void FrmSpecial::Text1_LostFocus(int index)
{
    // Leaving for Cancel needs no message: Cancel stores nothing. Leaving for OK is left to OK,
    // whose click checks the same box with the same message: one message per click.
    const QWidget *next = QApplication::focusWidget();
    if (next == CommandCancel || next == CommandOK)
        return;
    CodeBoxFilled(index);
}

void FrmSpecial::CommandOK_Click()
{
    FiveToneBlock &block = State().SignallingEditCopy.FiveToneBlock;
    const int separatorItem = Combo3->ListIndex();
    block.SpecialSeparator = int16_t(separatorItem <= 0 ? 0 : separatorItem + 9);

    const int type = Combo1[1]->ListIndex();
    if (type == CallTypeE1 && !CodeBoxFilled(0))
        return;
    if (type == CallTypeAni && !CodeBoxFilled(1))
        return;

    const int target = State().SpecialCallTarget;
    const QString code = Text1[type == CallTypeAni ? 1 : 0]->text();
    const QString separator = separatorItem <= 0 ? QString() : Combo3->Text();
    const QString ownId = editor_->OwnIdText();
    QString message = Text2->text();
    if (target != TargetCodeRow) {
        message.truncate(kPttIdMessageChars);
        QString text;
        if (type == CallTypeE1)
            text = QStringLiteral("E1") + code + QStringLiteral("E") + HexOf(message);
        else if (type == CallTypeAni)
            text = code + separator + ownId;
        else
            text = QStringLiteral("E6") + ownId;
        TextBox *box = editor_->PttIdBox(target == TargetPttIdBegin ? 0 : 1);
        box->setText(FiveToneTextToCode(text, ownId));
        accept();
        return;
    }

    const int n = Combo1[0]->ListIndex();
    if (n < 0 || n >= kFiveToneRows)
        return;
    FiveToneCodeRecord &row = block.CodeRows[std::size_t(n)];
    QString x;
    QString cell;
    if (type == CallTypeE1) {
        x = QStringLiteral("E1") + code + QStringLiteral("E");
        cell = code + QLatin1Char(' ') + GetOptionText(60084) + message;
    } else if (type == CallTypeAni) {
        x = code + separator + kSelfId;
        cell = code + separator;
    } else {
        x = QStringLiteral("E6") + kSelfId;
    }
    row.CodeLength = uint8_t(x.size());
    StoreText(row.Code, FiveToneTextToCode(x, ownId));
    row.Empty = x.isEmpty() ? 1 : 0;
    if (type == CallTypeE1) {
        // From the ninth character on an "E1" code keeps its digits as composed.
        x = FiveToneRepeatCode(x, QStringLiteral("X")) + HexOf(message);
        row.CodeLength = uint8_t(x.size());
        StoreText(row.Code, FiveToneRepeatCode(x, QStringLiteral("X")));
    }
    FlexGrid *grid = editor_->Grid();
    grid->setTextMatrix(n + 1, kColCode, cell);
    grid->setTextMatrix(n + 1, kColKind, Combo1[1]->Text());
    accept();
}

void FrmSpecial::CommandCancel_Click() { reject(); }

int ShowFrmSpecial(Frm5Tone *editor)
{
    FrmSpecial w(editor);
    return prompt().ShowModal(&w);
}
