#include <QTabWidget>

#include "editors/tones/frm_2tone.h"
#include "platform/flex_grid.h"
#include "print/print_driver.h"
#include "print/print_sections.h"
#include "print/print_texts.h"

void Prt_2Tone()
{
    Frm2Tone w; // loaded hidden: its load shows the settings in the current language
    w.hide();
    PrintHead();
    PrintAt(5, w.windowTitle() + QStringLiteral("\r\n\r\n"));

    const QTabWidget *tab = w.findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    const auto label = [&w](const char *name, int i) { return CaptionOf(&w, QString::fromLatin1(name), i); };
    const auto text = [&w](const char *name, int i) { return TextOf(&w, QString::fromLatin1(name), i); };

    PrintAt(5, tab ? tab->tabText(1) : QString());
    const auto row = [](const QString &a, const QString &b, const QString &c, const QString &d) {
        StartRow();
        PrintCell(10, a);
        PrintCell(35, b);
        PrintCell(55, c);
        PrintCell(75, d);
    };
    row(label("Label2", 0), text("Combo2", 0), label("Label2", 1), text("Combo2", 1));
    row(label("Label3", 0), text("Text2", 0), label("Label3", 1), text("Text2", 1));
    row(label("Label3", 2), text("Text2", 2), label("Label3", 3), text("Text2", 3));
    Printer().Print(QStringLiteral("\r\n"));

    PrintAt(5, tab ? tab->tabText(0) : QString());
    row(label("Label1", 0), text("Combo1", 0), label("Label1", 1), text("Combo1", 1));
    row(label("Label1", 2), text("Combo1", 2), label("Label1", 3), text("Combo1", 3));
    row(label("Label1", 4), text("Combo1", 4), CaptionOf(&w, QStringLiteral("Check1")),
        PrtOnOff(CheckValueOf(&w, QStringLiteral("Check1"))));

    // The code table, two entries in use to a line, in the order they are found.
    if (const FlexGrid *grid = w.findChild<FlexGrid *>(QStringLiteral("MSHFlexGrid1"))) {
        int count = 0;
        for (int r = 1; r < grid->Rows(); ++r) {
            const int c = r * grid->Cols() + 1;
            if (grid->TextArray(c).isEmpty())
                continue;
            const double left = count % 2 == 0 ? 10 : 55;
            if (count % 2 == 0)
                StartRow();
            PrintCell(left, QString::number(r - 1));
            PrintCell(left + 3, grid->TextArray(c));
            PrintCell(left + 10, grid->TextArray(c + 1));
            PrintCell(left + 17, grid->TextArray(c + 2));
            ++count;
        }
    }
    EndSectionPage();
}
