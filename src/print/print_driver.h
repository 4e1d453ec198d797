#pragma once
// The print run: the printer dialog, the chosen sections in their fixed order, the page header
// and footer every section puts on its pages, and the row mechanism with which every section
// places its texts side by side at percentages of the page width.

#include <QList>
#include <QString>

#include "print/print_device.h"

class QPrinter;
class QWidget;

// The state the selection dialog's common dialog keeps between its Set button and a print run.
struct CommonDialogState {
    int Flags = 0;            // cdlPDPrintSetup: the printer set-up dialog replaces the print dialog
    bool CancelError = false; // Cancel in the dialog fails the run
    QPrinter *Printer = nullptr; // the printer the dialogs choose (and set up); a run's own when null
};
constexpr int cdlPDPrintSetup = 64;

// Prints the sections ticked in PrintItemFlags; leaves PrintDone 1 after a completed run, 0 after
// a cancelled dialog or a failure (the document is then dropped).
void PrintSelected(CommonDialogState &dialog, QWidget *parent);

// The texts drawn by the last run (tests and diagnostics), in drawing order.
const QList<PrintedText> &LastPrintRecord();

// Within a run: the printer, the page header and the page footer.
PrintDevice &Printer();
void PrintHead();
void PrintPage();

// Row mechanism: a row starts at the current line; each cell is printed on that line at p % of
// the page width and ends its line, so after the last cell the next row follows directly.
void StartRow();
void PrintCell(double percent, const QString &text);
// A line of its own (a heading or a title) at p % of the width.
void PrintAt(double percent, const QString &text);
// Ends a section's page: footer, then a page break.
void EndSectionPage();

// Reading a window loaded hidden by a section: captions of labels, buttons and frames, texts of
// lists and boxes, list items by number, check-box values. A control the window does not have
// gives "" (or 0).
class QObject;
QString CaptionOf(const QObject *window, const QString &name, int index = -1);
QString TextOf(const QObject *window, const QString &name, int index = -1);
QString ListItemOf(const QObject *window, const QString &name, int index, int item);
int ListIndexOf(const QObject *window, const QString &name, int index = -1);
int CheckValueOf(const QObject *window, const QString &name, int index = -1);
