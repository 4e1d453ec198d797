#pragma once
// STAND-IN until the language texts land on main: the lookup and the two messages this branch
// uses. On merge, take the real file and adapt the two MessageTable() uses in frm_model.cpp.

#include <QString>
#include <array>

// Text of a number key in section "OTHER" of the current language file; "" when missing.
QString GetLangText(int key);

struct MessageTableType {
    std::array<QString, 3> MsgFreqCleared;
    std::array<QString, 3> MsgWarning;
};
MessageTableType &MessageTable();
void InitMessageTable();
