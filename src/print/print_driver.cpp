#include "print/print_driver.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QLocale>
#include <QPrinter>
#include <exception>

#include "data/app_state.h"
#include "data/model_band.h"
#include "platform/form_kit.h"
#include "platform/prompt.h"
#include "print/print_sections.h"
#include "print/print_texts.h"

namespace {

// The printer of the run in progress; only while PrintSelected runs.
PrintDevice *g_printer = nullptr;
QList<PrintedText> g_lastRecord;

// A run that cannot go on (no printer to draw on).
struct PrintFailure : std::exception {};

const QObject *Find(const QObject *window, const QString &name, int index)
{
    if (!window)
        return nullptr;
    const QString full = index < 0 ? name : ArrayName(name, index);
    if (window->objectName() == full)
        return window;
    return window->findChild<QObject *>(full);
}

} // namespace

PrintDevice &Printer()
{
    if (!g_printer)
        throw PrintFailure();
    return *g_printer;
}

void PrintHead()
{
    PrintDevice &p = Printer();
    const double sw = p.ScaleWidth();
    const double sh = p.ScaleHeight();
    const PrintTextRecord &t = PrintTexts();
    p.setFontSize(25);
    p.setFontBold(true);
    p.CurrentY = sh * 2 / 100;
    const QString title = InCurrentLanguage(t.PrtTitleText);
    p.CurrentX = (sw - p.TextWidth(title)) / 2;
    p.Print(title + QStringLiteral("\r\n"));
    p.setFontSize(10);
    p.CurrentX = sw * 3 / 4;
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    p.Print(locale.toString(now.date(), QLocale::ShortFormat) + QStringLiteral("    ") +
            locale.toString(now.time(), QLocale::ShortFormat) + QStringLiteral("\r\n"));
    const AppState &st = State();
    StartRow();
    PrintCell(8, InCurrentLanguage(t.PrtModelTypeText));
    PrintCell(25, ModelDisplayName(st.CurModelCode));
    StartRow();
    PrintCell(8, InCurrentLanguage(t.PrtFrequencyText));
    PrintCell(25, st.CurBandPlanText);
    StartRow();
    PrintCell(8, InCurrentLanguage(t.PrtFileNameText));
    PrintCell(25, st.CurFileName + QStringLiteral("\r\n"));
    p.setFontBold(false);
}

void PrintPage()
{
    PrintDevice &p = Printer();
    const QString text = QStringLiteral("- ") + QString::number(p.Page()) + QStringLiteral(" -");
    p.CurrentX = (p.ScaleWidth() - p.TextWidth(text)) / 2;
    p.CurrentY = p.ScaleHeight() - p.ScaleHeight() * 3 / 100;
    p.Print(text);
}

void EndSectionPage()
{
    PrintPage();
    Printer().NewPage();
}

void StartRow() { State().RowY = static_cast<int32_t>(std::nearbyint(Printer().CurrentY)); }

void PrintCell(double percent, const QString &text)
{
    PrintDevice &p = Printer();
    p.CurrentY = State().RowY;
    p.CurrentX = p.ScaleWidth() * percent / 100;
    p.Print(text);
}

void PrintAt(double percent, const QString &text)
{
    PrintDevice &p = Printer();
    p.CurrentX = p.ScaleWidth() * percent / 100;
    p.Print(text);
}

void PrintSelected(CommonDialogState &dialog, QWidget *parent)
{
    AppState &st = State();
    st.PrintDone = 1;
    g_lastRecord.clear(); // a cancelled run leaves no record of an earlier one
    dialog.CancelError = true;
    QPrinter ownPrinter(QPrinter::HighResolution);
    QPrinter &printer = dialog.Printer ? *dialog.Printer : ownPrinter;
    printer.setCopyCount(1);
    printer.setFullPage(false);
    const bool chosen = (dialog.Flags & cdlPDPrintSetup) ? prompt().PrinterSetupDialog(&printer, parent)
                                                         : prompt().PrintDialog(&printer, parent);
    if (!chosen) {
        st.PrintDone = 0;
        return;
    }
    PrintDevice device(&printer);
    if (!device.Begin()) {
        st.PrintDone = 0;
        return;
    }
    g_printer = &device;
    try {
        device.setFontSize(10);
        const std::pair<int, void (*)()> sections[] = {
            {0, Prt_UHFChannel}, {3, Prt_Option},   {4, Prt_DTMF}, {5, Prt_2Tone},
            {6, Prt_5Tone},      {7, Prt_CommBook}, {8, Prt_EMG},  {9, Prt_Alert},
        };
        for (const auto &[item, section] : sections)
            if (st.PrintItemFlags[static_cast<std::size_t>(item)] != 0)
                section();
        device.EndDoc();
    } catch (...) {
        // The run stops where it is; the half-made document is dropped.
        device.Abort();
        st.PrintDone = 0;
    }
    g_lastRecord = device.Printed();
    g_printer = nullptr;
}

const QList<PrintedText> &LastPrintRecord() { return g_lastRecord; }

QString CaptionOf(const QObject *window, const QString &name, int index)
{
    const QObject *o = Find(window, name, index);
    if (const auto *label = qobject_cast<const QLabel *>(o))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(o))
        return button->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(o))
        return frame->title();
    if (const auto *w = qobject_cast<const QWidget *>(o); w && w->isWindow())
        return w->windowTitle();
    return {};
}

QString TextOf(const QObject *window, const QString &name, int index)
{
    const QObject *o = Find(window, name, index);
    if (const auto *combo = qobject_cast<const ComboBox *>(o))
        return combo->Text();
    if (const auto *box = qobject_cast<const QLineEdit *>(o))
        return box->text();
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(o))
        return box->toPlainText();
    return CaptionOf(window, name, index);
}

QString ListItemOf(const QObject *window, const QString &name, int index, int item)
{
    const auto *combo = qobject_cast<const ComboBox *>(Find(window, name, index));
    return combo ? combo->List(item) : QString();
}

int ListIndexOf(const QObject *window, const QString &name, int index)
{
    const auto *combo = qobject_cast<const ComboBox *>(Find(window, name, index));
    return combo ? combo->ListIndex() : -1;
}

int CheckValueOf(const QObject *window, const QString &name, int index)
{
    const auto *box = qobject_cast<const QCheckBox *>(Find(window, name, index));
    return box ? CheckValue(box) : 0;
}
