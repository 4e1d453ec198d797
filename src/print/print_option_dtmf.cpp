#include "data/lang_text.h"
#include "editors/settings/frm_dtmf.h"
#include "editors/settings/frm_option.h"
#include "print/print_driver.h"
#include "print/print_sections.h"
#include "print/print_texts.h"

namespace {

void LabelRow(double valueColumn, const QString &label, const QString &value)
{
    StartRow();
    PrintCell(10, label);
    PrintCell(valueColumn, value);
}

} // namespace

void Prt_Option()
{
    FrmOption w; // loaded hidden: what the window shows is what is printed
    w.hide();
    PrintHead();
    PrintAt(5, w.windowTitle() + QStringLiteral("\r\n\r\n"));
    const auto label = [&w](int i) { return CaptionOf(&w, QStringLiteral("Label1"), i); };
    const auto text = [&w](int i) { return TextOf(&w, QStringLiteral("Combo1"), i); };

    // The first seven one-character boxes of the power-on text, an empty box as a space.
    QString powerOn;
    for (int i = 0; i < 7; ++i) {
        const QString c = TextOf(&w, QStringLiteral("Text1"), i);
        powerOn += c.isEmpty() ? QStringLiteral(" ") : c;
    }
    LabelRow(35, CaptionOf(&w, QStringLiteral("Label2")), powerOn);

    QString mode = text(0);
    if (ListIndexOf(&w, QStringLiteral("Combo1"), 0) == 1)
        mode += text(18);
    LabelRow(50, label(0), mode);
    for (int i : {1, 2, 3, 5, 8, 9, 10, 11, 12, 14, 16, 17, 19, 20, 21, 22, 23})
        LabelRow(50, label(i), text(i));
    for (int i = 1; i <= 3; ++i)
        LabelRow(55, CaptionOf(&w, QStringLiteral("Check1"), i), PrtOnOff(CheckValueOf(&w, QStringLiteral("Check1"), i)));
    EndSectionPage();
}

void Prt_DTMF()
{
    FrmDTMF w; // its load repairs out-of-range settings in the data, as opening the editor does
    w.hide();
    PrintHead();
    PrintAt(5, w.windowTitle() + QStringLiteral("\r\n\r\n"));
    const auto label3 = [&w](int i) { return CaptionOf(&w, QStringLiteral("Label3"), i); };
    const auto combo = [&w](int i) { return TextOf(&w, QStringLiteral("Combo1"), i); };
    LabelRow(50, label3(1), combo(1));
    LabelRow(50, label3(2), combo(2));
    LabelRow(50, label3(4), TextOf(&w, QStringLiteral("Text3")));
    for (int i = 5; i <= 12; ++i)
        LabelRow(50, label3(i), combo(i));
    LabelRow(50, CaptionOf(&w, QStringLiteral("Check1")), PrtOnOff(CheckValueOf(&w, QStringLiteral("Check1"))));
    for (int i = 0; i <= 19; ++i)
        LabelRow(35, CaptionOf(&w, QStringLiteral("Label1"), i), TextOf(&w, QStringLiteral("Text2"), i));
    EndSectionPage();
}
