#include "editors/settings/frm_test_data.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "data/app_state.h"
#include "editors/settings/builtin_captions.h"
#include "data/code_text.h"
#include "ui/ok_cancel_captions.h"
#include "editors/editor_files.h"
#include "platform/form_kit.h"
#include "platform/prompt.h"

namespace {

// Layout in twips.
constexpr int kBoxLeft = 2640;
constexpr int kBoxWidth = 735;
constexpr int kBoxHeight = 330;
constexpr int kFirstTop = 240;
constexpr int kRowStep = 360;
constexpr int kFrameWidth = 3600;
constexpr int kButtonsTop = kFirstTop + 15 * kRowStep + 60;
constexpr int kFrameHeight = kButtonsTop + 495;
constexpr int kLabelGap = 50;

using Caption = BuiltinCaption;

const Caption kByteCaptions[16] = {
    {"Freq", "Freq"}, // byte 0: hidden
    {"Power", "功率"},
    {"Frequency Adjust", "频率调整"},
    {"UHF Higher Power", "UHF高功率"},
    {"UHF Low Power", "UHF低功率"},
    {"Microphone", "麦克风"},
    {"Offset frequency of 25K", "25K频偏"},
    {"Offset frequency of 12.5K", "12.5K频偏"},
    {"DCS", "DCS"},
    {"CTCSS", "25K CTCSS"},
    {"RSSI", "RSSI"},
    {"UHF SQL", "UHF 静噪"},
    {"VHF Higher Power", "VHF高功率"},
    {"VHF Low Power", "VHF低功率"},
    {"VHF SQL", "VHF 静噪"},
    {"MODE", "MODE"},
};

// A box takes hexadecimal digits only, small letters as capitals.
QChar HexDigit(QChar c)
{
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        return c.toUpper();
    if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F')))
        return c;
    return QChar();
}

// One or two hexadecimal digits as a byte; empty for anything else.
std::optional<uint8_t> HexByte(const QString &text)
{
    if (text.isEmpty() || text.size() > 2)
        return std::nullopt;
    int value = 0;
    for (QChar c : text) {
        const QChar digit = HexDigit(c);
        if (digit.isNull())
            return std::nullopt;
        value = value * 16 + (digit <= QLatin1Char('9') ? digit.unicode() - '0' : digit.unicode() - 'A' + 10);
    }
    return static_cast<uint8_t>(value);
}

} // namespace

FrmTestData::FrmTestData(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmTestData"));
    setFixedSize(TwipsToPx(kFrameWidth + 240), TwipsToPx(kFrameHeight + 720));
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    SetGeometryTwips(Frame1, 120, 60, kFrameWidth, kFrameHeight);
    for (int i = 0; i < 16; ++i) {
        Text1[i] = new TextBox(Frame1);
        SetArrayName(Text1[i], QStringLiteral("Text1"), i);
        SetGeometryTwips(Text1[i], kBoxLeft, kFirstTop + kRowStep * (i - 1), kBoxWidth, kBoxHeight);
        Text1[i]->setMaxLength(2);
        Text1[i]->setCharRule(HexDigit);
        Text1[i]->setEnterMovesNext(true);
        Text1[i]->setClipboardKeysBlocked(true);
        Label1[i] = new QLabel(Frame1);
        SetArrayName(Label1[i], QStringLiteral("Label1"), i);
        SetGeometryTwips(Label1[i], 0, kFirstTop + kRowStep * (i - 1) + 45, kBoxLeft - 120, 300);
        Label1[i]->setAlignment(Qt::AlignRight | Qt::AlignTop);
    }
    // Byte 0 is the radio's own; it passes through the window unchanged.
    Text1[0]->hide();
    Label1[0]->hide();
    for (int i = 0; i < 2; ++i) {
        Command1[i] = new QPushButton(Frame1);
        SetArrayName(Command1[i], QStringLiteral("Command1"), i);
        SetGeometryTwips(Command1[i], 240 + i * 1680, kButtonsTop, 1440, 375);
        Command1[i]->setAutoDefault(false);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    CommandOK = new QPushButton(this);
    CommandOK->setObjectName(QStringLiteral("CommandOK"));
    SetGeometryTwips(CommandOK, 360, kFrameHeight + 180, 1440, 375);
    CommandOK->setAutoDefault(false); // Enter in a box moves on
    CommandCancel = new QPushButton(this);
    CommandCancel->setObjectName(QStringLiteral("CommandCancel"));
    SetGeometryTwips(CommandCancel, 2040, kFrameHeight + 180, 1440, 375);
    CommandCancel->setAutoDefault(false);
    connect(CommandOK, &QPushButton::clicked, this, &FrmTestData::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmTestData::CommandCancel_Click);
    Form_Load();
}

void FrmTestData::Form_Load()
{
    InitTestDataCaptions();
    TestDataEditCopy = State().CurTestData;
    ShowTestData();
}

void FrmTestData::InitTestDataCaptions()
{
    setWindowTitle(InLanguage({"Test Data", "测试数据"}));
    Command1[0]->setText(InLanguage({"&Load", "加载(&L)"}));
    Command1[1]->setText(InLanguage({"&Save", "保存(&S)"}));
    for (int i = 0; i < 16; ++i)
        Label1[i]->setText(InLanguage(kByteCaptions[i]));
    filter_ = InLanguage({"Test Data File", "测试数据文件"}) + QStringLiteral(" (*.ted)");
    for (int i = 0; i < 16; ++i)
        PlaceCaptionLabel(Label1[i], Text1[i], kLabelGap);
    SetOkCancelCaptions(this);
}

void FrmTestData::ShowTestData()
{
    for (int i = 0; i < 16; ++i)
        Text1[i]->setText(ByteToHex2(TestDataEditCopy[static_cast<std::size_t>(i)]));
}

int FrmTestData::CollectTestData()
{
    TestDataBlock block{};
    for (int i = 0; i < 16; ++i) {
        const std::optional<uint8_t> value = HexByte(Text1[i]->text());
        if (!value)
            return i;
        block[static_cast<std::size_t>(i)] = *value;
    }
    TestDataEditCopy = block;
    return -1;
}

void FrmTestData::CommandOK_Click()
{
    const int bad = CollectTestData();
    if (bad >= 0) {
        // Nothing is stored while a box cannot be read; the user corrects it.
        Text1[bad]->setFocus(Qt::OtherFocusReason);
        return;
    }
    State().CurTestData = TestDataEditCopy;
    accept();
}

void FrmTestData::CommandCancel_Click() { reject(); }

void FrmTestData::Command1_Click(int index)
{
    if (index == 0) {
        const QString path = prompt().GetOpenFileName(this, QString(), QString(), filter_);
        if (path.isEmpty())
            return;
        // A name that does not exist loads nothing and shows the window's copy again; a file that
        // is not a test-data file is refused.
        if (QFileInfo::exists(path) && !LoadTestDataFile(path, TestDataEditCopy))
            ShowFileError();
        ShowTestData();
        return;
    }
    const int bad = CollectTestData();
    if (bad >= 0) {
        Text1[bad]->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString path = prompt().GetSaveFileName(this, QString(), State().TestDataPath, filter_);
    if (path.isEmpty() || !ConfirmReplaceFile(path))
        return;
    if (!SaveTestDataFile(path, TestDataEditCopy))
        ShowFileError();
}

void ShowFrmTestData()
{
    FrmTestData window;
    prompt().ShowModal(&window);
}
