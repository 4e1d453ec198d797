#pragma once
// The texts the program holds itself in both languages, independent of the language files: the
// message table and the Close / Print / Help captions (ui/close_help_captions.h puts them on
// buttons). Each text is indexed by LanguageIndex:
// element 1 English, element 2 Chinese, element 0 empty and never shown. The tables are fixed
// texts; they are built on first use and never change.

#include <QString>
#include <array>

using BilingualText = std::array<QString, 3>;

struct MessageTableRecord {
    // Caption of the progress window: element language * 3 + operation (1 read, 2 write); the
    // elements of operation 0 and of language 0 are empty.
    std::array<QString, 9> MsgProgressTitle;
    BilingualText MsgCompletion;
    BilingualText MsgReadConfirm;  // two lines joined by CR LF
    BilingualText MsgWriteConfirm; // two lines joined by CR LF
    BilingualText MsgModelWrong;
    BilingualText MsgRadioKilled;
    BilingualText MsgRadioStunned;
    BilingualText MsgVersionWrong;
    BilingualText MsgBandWrong;
    BilingualText MsgClearAll;
    BilingualText MsgFileError;
    BilingualText MsgOverwrite;
    BilingualText MsgSaveChanges;
    BilingualText MsgDataFile;
    BilingualText MsgFreqCleared;
    BilingualText MsgWarning;
};

const MessageTableRecord &MessageTable();
const BilingualText &CloseCaptionText();
const BilingualText &PrintCaptionText();
const BilingualText &HelpCaptionText();

// Start-up steps that build the tables (they are also built on first use, so no text depends on
// the order of start-up).
void InitMessageTable();
void InitCloseHelpCaptions();

// The element of the current LanguageIndex; "" for an index outside 0..2.
QString InCurrentLanguage(const BilingualText &text);
// MsgProgressTitle for the current language and an operation; "" outside the table.
QString ProgressTitleText(int operation);
