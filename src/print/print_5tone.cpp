#include <vector>

#include "data/app_state.h"
#include "data/value_rules.h"
#include "editors/tones/frm_5tone.h"
#include "platform/flex_grid.h"
#include "print/print_driver.h"
#include "print/print_sections.h"
#include "print/print_texts.h"

namespace {

void FourCells(const QString &a, const QString &b, const QString &c, const QString &d)
{
    StartRow();
    PrintCell(10, a);
    PrintCell(35, b);
    PrintCell(55, c);
    PrintCell(75, d);
}

} // namespace

void Prt_5Tone()
{
    Frm5Tone w; // loaded hidden: the settings as the window shows them
    w.hide();
    // The codes are printed as stored: a copy taken after the window's load.
    const FiveToneBlock block = State().RadioData.SignallingRecord.FiveToneBlock;
    const FlexGrid *grid = w.findChild<FlexGrid *>(QStringLiteral("MSHFlexGrid1"));
    const auto heading = [grid](int col) { return grid ? grid->TextMatrix(0, col) : QString(); };
    const auto label = [&w](const char *name, int i = -1) { return CaptionOf(&w, QString::fromLatin1(name), i); };
    const auto text = [&w](const char *name, int i = -1) { return TextOf(&w, QString::fromLatin1(name), i); };

    PrintHead();
    PrintAt(5, w.windowTitle() + QStringLiteral("\r\n\r\n"));
    FourCells(label("Label1", 0), text("Text2"), label("Label1", 1), text("Combo1", 1));
    FourCells(label("Label1", 2), text("Combo1", 2), label("Label1", 3), text("Combo1", 3));
    FourCells(label("Label1", 4), text("Combo1", 4), label("Label1", 5), text("Combo1", 5));
    FourCells(label("Label1", 6), text("Combo1", 6), label("Label1", 7), text("Combo1", 7));
    FourCells(label("Label1", 8), text("Combo1", 8), label("Label1", 9), text("Combo1", 9));
    StartRow();
    PrintCell(10, label("Check1"));
    PrintCell(35, PrtOnOff(CheckValueOf(&w, QStringLiteral("Check1"))));

    StartRow();
    PrintCell(10, label("Label3"));
    PrintCell(25, label("Label4", 0));
    PrintCell(40, label("Label4", 1));
    PrintCell(60, label("Label4", 2));
    PrintCell(80, label("Label4", 3));
    for (int n = 1; n <= kInfoCodes; ++n) {
        const InfoCodeRecord &info = block.InfoCodes[static_cast<std::size_t>(n - 1)];
        StartRow();
        PrintCell(10, QString::number(n));
        PrintCell(25, ListItemOf(&w, QStringLiteral("Combo7"), 0, info.Function));
        PrintCell(40, ListItemOf(&w, QStringLiteral("Combo7"), 1, info.Response));
        PrintCell(60, info.CodeLength == 0 ? QString()
                                           : QString::fromLatin1(info.Code.toByteArray().left(info.CodeLength)));
        PrintCell(80, ShownText(info.Name));
    }

    StartRow();
    PrintCell(35, heading(2));
    PrintCell(65, heading(3));
    PrintCell(80, heading(4));
    for (int i = 0; i < 2; ++i) {
        StartRow();
        PrintCell(10, label("Frame1", i));
        PrintCell(35, text("Text4", i));
        PrintCell(65, text("Combo4", i));
        PrintCell(80, text("Combo5", i));
    }

    std::vector<int> rows;
    for (int j = 1; j <= kFiveToneRows; ++j) {
        const int length = block.CodeRows[static_cast<std::size_t>(j - 1)].CodeLength;
        if (length >= 1 && length <= 40)
            rows.push_back(j);
    }
    Printer().Print(QStringLiteral("\r\n"));
    const auto listHeading = [&heading] {
        StartRow();
        PrintCell(10, heading(0));
        PrintCell(15, heading(2));
        PrintCell(55, heading(3));
        PrintCell(70, heading(4));
        PrintCell(92, heading(5));
    };
    listHeading();
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const int j = rows[k];
        const FiveToneCodeRecord &r = block.CodeRows[static_cast<std::size_t>(j - 1)];
        StartRow();
        PrintCell(10, QString::number(j - 1));
        PrintCell(15, QString::fromLatin1(r.Code.toByteArray()).trimmed());
        PrintCell(55, ListItemOf(&w, QStringLiteral("Combo2"), -1, r.StandardIndex));
        PrintCell(70, r.TonePeriod >= 30 && r.TonePeriod <= 100 ? QString::number(r.TonePeriod) : QStringLiteral("70"));
        PrintCell(92, ShownText(r.Name));
        // The list runs over onto further pages under the header, a short title and its heading.
        const float y = static_cast<float>(Printer().CurrentY);
        const float h = static_cast<float>(Printer().ScaleHeight());
        if (k + 1 < rows.size() && y >= h - h * 5 / 100) {
            EndSectionPage();
            PrintHead();
            PrintAt(5, InCurrentLanguage(PrintTexts().PrtItemText[6]) + QStringLiteral("\r\n\r\n"));
            Printer().Print(QStringLiteral("\r\n"));
            listHeading();
        }
    }
    EndSectionPage();
}
