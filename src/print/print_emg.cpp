#include "editors/settings/frm_emg.h"
#include "print/print_driver.h"
#include "print/print_sections.h"
#include "print/print_texts.h"

void Prt_EMG()
{
    FrmEMG w; // loaded hidden: it shows the embedded information as read last
    w.hide();
    PrintHead();
    PrintAt(5, InCurrentLanguage(PrintTexts().PrtItemText[8]) + QStringLiteral("\r\n\r\n"));
    const auto label = [&w](int i) { return CaptionOf(&w, QStringLiteral("Label1"), i); };
    const auto text = [&w](int i) { return TextOf(&w, QStringLiteral("Text1"), i); };
    const auto row = [](const QString &a, const QString &b) {
        StartRow();
        PrintCell(10, a);
        PrintCell(35, b);
    };
    row(CaptionOf(&w, QStringLiteral("Label2")), text(0));
    row(label(0), text(6));
    row(label(9), text(7));
    row(label(1), TextOf(&w, QStringLiteral("Combo1"), 0));
    row(label(2), TextOf(&w, QStringLiteral("Combo1"), 1));
    row(label(3), text(1));
    row(label(4), text(2));
    row(label(5), text(3));
    row(label(8), text(5));
    row(label(6) + QLatin1Char(' ') + label(7), text(4));
    row(label(10), text(8));
    row(label(11), text(9));
    row(label(12), text(10));
    row(label(13), text(11));
    EndSectionPage();
}
