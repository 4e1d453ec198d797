#pragma once
// The print-out's own fixed texts, built into the program in English (element 1) and Chinese
// (element 2); every lookup takes the element of the current language.

#include <QString>
#include <array>

#include "data/message_table.h"

constexpr int kPrintItems = 10;

struct PrintTextRecord {
    BilingualText PrtFileNameText;
    BilingualText PrtSelAllText;
    BilingualText PrtClrAllText;
    BilingualText PrtSetText;
    std::array<BilingualText, 9> PrtItemText; // print items 0..8; item 9 is language key 2600
    BilingualText PrtTitleText;
    BilingualText PrtOkText;
    BilingualText PrtCancelText;
    BilingualText PrtModelTypeText;
    BilingualText PrtFrequencyText;
    BilingualText PrtSelectPrompt;
    // Slot value + 1 by language: value 0 "OFF", value 1 "ON".
    std::array<BilingualText, 3> PrtOnOffText;
};

// Fills the tables; start-up calls it once.
void InitPrintLanguage();
const PrintTextRecord &PrintTexts();

// The on/off text of a value in the current language; "" for a value other than 0 or 1, so that
// one odd stored value prints as an empty cell instead of ending the print-out.
QString PrtOnOff(int value);
