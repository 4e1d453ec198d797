#include "editors/settings/frm_alert.h"
#include "print/print_driver.h"
#include "print/print_sections.h"
#include "print/print_texts.h"

void Prt_Alert()
{
    FrmAlert w; // loaded hidden, on its own copy of the alarm settings
    w.hide();
    PrintHead();
    PrintAt(5, w.windowTitle() + QStringLiteral("\r\n\r\n"));
    for (int i = 0; i <= 9; ++i) {
        if (i == 7)
            continue; // the emergency channel group list is not printed
        StartRow();
        PrintCell(10, CaptionOf(&w, QStringLiteral("Label1"), i));
        PrintCell(45, TextOf(&w, QStringLiteral("Combo1"), i));
    }
    PrintAt(10, CaptionOf(&w, QStringLiteral("Frame1")));
    StartRow();
    PrintCell(15, CaptionOf(&w, QStringLiteral("Check1")));
    PrintCell(50, PrtOnOff(CheckValueOf(&w, QStringLiteral("Check1"))));
    for (int i = 0; i < 2; ++i) {
        StartRow();
        PrintCell(15, CaptionOf(&w, QStringLiteral("Label2"), i));
        PrintCell(50, TextOf(&w, QStringLiteral("Combo2"), i));
    }
    EndSectionPage();
}
