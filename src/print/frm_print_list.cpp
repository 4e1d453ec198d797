#include "print/frm_print_list.h"

#include <QCheckBox>
#include <QPrinter>
#include <QPushButton>

#include "data/app_state.h"
#include "data/lang_text.h"
#include "platform/dialog_routines.h"
#include "platform/form_kit.h"
#include "platform/prompt.h"

namespace {

// Tops of the check boxes (twips); items 1 and 2 lie below the client area, hidden.
constexpr std::array<int, kPrintItems> kCheckTop{480, 3720, 4080, 840, 1200, 1560, 1920, 2280, 2640, 3000};

int CheckWidth(int item)
{
    if (item == 0)
        return 3975;
    if (item == 9)
        return 3255;
    return 1935;
}

} // namespace

FrmPrintList::FrmPrintList(QWidget *parent)
    : QDialog(parent), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    CommonDialog1.Printer = printer_.get();
    setObjectName(QStringLiteral("FrmPrintList"));
    setFixedSize(TwipsToPx(6795), TwipsToPx(3705));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    for (int i = 0; i < kPrintItems; ++i) {
        Check1[i] = new QCheckBox(this);
        SetArrayName(Check1[i], QStringLiteral("Check1"), i);
        SetGeometryTwips(Check1[i], 480, kCheckTop[static_cast<std::size_t>(i)], CheckWidth(i), 225 + 60);
    }
    Check1[1]->hide();
    Check1[2]->hide();
    const auto button = [this](const char *name, int left, int top, int width, int height) {
        auto *b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        SetGeometryTwips(b, left, top, width, height);
        return b;
    };
    CommandSelAll = button("CommandSelAll", 4800, 960, 1575, 345);
    CommandClrAll = button("CommandClrAll", 4800, 1320, 1575, 345);
    CommandSet = button("CommandSet", 4800, 1680, 1575, 345);
    Command1 = button("Command1", 4080, 2640, 1095, 375);
    Command2 = button("Command2", 5400, 2640, 975, 375);

    setTabOrder(CommandSet, Command2);
    setTabOrder(Command2, Command1);
    setTabOrder(Command1, CommandClrAll);
    setTabOrder(CommandClrAll, CommandSelAll);
    QWidget *previous = CommandSelAll;
    for (int i : {4, 3, 2, 1, 0, 5, 6, 7, 8, 9}) {
        setTabOrder(previous, Check1[static_cast<std::size_t>(i)]);
        previous = Check1[static_cast<std::size_t>(i)];
    }

    connect(Command1, &QPushButton::clicked, this, &FrmPrintList::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FrmPrintList::Command2_Click);
    connect(CommandSelAll, &QPushButton::clicked, this, &FrmPrintList::CommandSelAll_Click);
    connect(CommandClrAll, &QPushButton::clicked, this, &FrmPrintList::CommandClrAll_Click);
    connect(CommandSet, &QPushButton::clicked, this, &FrmPrintList::CommandSet_Click);
    Form_Load();
}

FrmPrintList::~FrmPrintList() = default;

void FrmPrintList::Form_Load()
{
    // The window's caption is the same in both languages.
    setWindowTitle(QString::fromUtf8("打印列表"));
    ShowPrintListLanguage();
}

void FrmPrintList::ShowPrintListLanguage()
{
    const PrintTextRecord &t = PrintTexts();
    CommandSelAll->setText(InCurrentLanguage(t.PrtSelAllText));
    CommandClrAll->setText(InCurrentLanguage(t.PrtClrAllText));
    CommandSet->setText(InCurrentLanguage(t.PrtSetText));
    for (int i = 0; i < 9; ++i)
        Check1[i]->setText(InCurrentLanguage(t.PrtItemText[static_cast<std::size_t>(i)]));
    Check1[9]->setText(GetLangText(2600));
    SetPrintButtonCaptions(this);
}

void FrmPrintList::ReadPrintSelection()
{
    for (int i = 0; i < kPrintItems; ++i)
        State().PrintItemFlags[static_cast<std::size_t>(i)] = static_cast<int16_t>(CheckValue(Check1[i]));
}

void FrmPrintList::Command1_Click()
{
    // Only the items that print a section count: items 1 and 2 ticked alone would start an empty run.
    int any = 0;
    for (int i = 0; i < kPrintItems; ++i)
        if (i != 1 && i != 2)
            any |= CheckValue(Check1[i]);
    if (any == 0) {
        prompt().MsgBox(InCurrentLanguage(PrintTexts().PrtSelectPrompt), vbOKOnly + vbExclamation);
        return;
    }
    ReadPrintSelection();
    PrintSelected(CommonDialog1, this);
    if (State().PrintDone)
        accept();
}

void FrmPrintList::Command2_Click() { reject(); }

void FrmPrintList::CommandSelAll_Click()
{
    for (QCheckBox *box : Check1)
        SetCheckValue(box, 1);
}

void FrmPrintList::CommandClrAll_Click()
{
    for (QCheckBox *box : Check1)
        SetCheckValue(box, 0);
}

void FrmPrintList::CommandSet_Click()
{
    // The set-up flag stays on the window's dialog: a print run started from it afterwards shows
    // the printer set-up dialog in place of the print dialog.
    CommonDialog1.CancelError = false;
    CommonDialog1.Flags = cdlPDPrintSetup;
    prompt().PrinterSetupDialog(printer_.get(), this);
}

void SetPrintButtonCaptions(QWidget *window)
{
    const PrintTextRecord &t = PrintTexts();
    SetButtonCaption(window, QStringLiteral("Command1"), InCurrentLanguage(t.PrtOkText));
    SetButtonCaption(window, QStringLiteral("Command2"), InCurrentLanguage(t.PrtCancelText));
}

int ShowFrmPrintList(QWidget *parent)
{
    FrmPrintList w(parent);
    return prompt().ShowModal(&w);
}
