#pragma once
// Captions that a window holds itself in English and Chinese (not from the language files),
// chosen by LanguageIndex.

#include <QString>

#include "data/app_state.h"

struct BuiltinCaption {
    const char *english; // UTF-8
    const char *chinese; // UTF-8
};

// The English text for LangEnglish, the Chinese one otherwise.
inline QString InLanguage(const BuiltinCaption &c)
{
    return QString::fromUtf8(State().LanguageIndex == LangEnglish ? c.english : c.chinese);
}
