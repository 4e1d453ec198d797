#include "data/app_state.h"
#include "data/lang_text.h"
#include "data/value_rules.h"
#include "print/print_driver.h"
#include "print/print_sections.h"
#include "print/print_texts.h"

// The whole communication book, straight from the data in stored order: three column groups of
// number, call ID and name, the index printed as the number.
void Prt_CommBook()
{
    PrintHead();
    PrintAt(5, InCurrentLanguage(PrintTexts().PrtItemText[7]) + QStringLiteral("\r\n\r\n"));
    constexpr double kGroupLeft[3] = {10, 38, 66};
    constexpr double kCallIdOffset = 8;
    constexpr double kNameOffset = 18;
    StartRow();
    for (double left : kGroupLeft) {
        PrintCell(left, GetLangText(3007));
        PrintCell(left + kCallIdOffset, QStringLiteral("Call ID"));
        PrintCell(left + kNameOffset, QStringLiteral("Name"));
    }
    const CommBook &book = State().RadioData.CommBook;
    for (int r = 0; r < 50; ++r) {
        StartRow();
        for (int g = 0; g < 3; ++g) {
            const int index = r + 50 * g;
            if (index >= kCommBookEntries)
                break;
            const BookEntry entry = book[static_cast<std::size_t>(index)];
            PrintCell(kGroupLeft[g], QString::number(index));
            PrintCell(kGroupLeft[g] + kCallIdOffset, ShownText(entry.CallId));
            PrintCell(kGroupLeft[g] + kNameOffset, ShownText(entry.Name));
        }
    }
    EndSectionPage();
}
