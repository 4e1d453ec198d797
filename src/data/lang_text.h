#pragma once
// Texts of the current language file: <program folder>/language/english.ini or chinese.ini, named
// by State().LanguageFilePath ("language/english.ini"). Sections: "OTHER" (captions, list items,
// tool tips and messages of every window), "OPTION" (captions and lists of the DTMF, 2-tone and
// 5-tone editors and their special-call composers), "MSG" (further messages). A key is the decimal
// text of a number. The file is read again at every call, so a changed file is seen at once; a
// missing file, section or key gives "" (never the key, never a space) and no message.
//
// Every read goes into a buffer of kLangTextBuffer characters (at most 254 characters of value) or,
// where a caller's rule says so, kLangTextLongBuffer (511); the value loses the spaces at both ends.
//
// Keys used in code must be in both language files; tests/data/language_keys_test.cpp checks this
// by scanning every file under src/ for these forms (a literal number first in the parentheses):
//   GetLangText(101)                        -> OTHER 101
//   GetOptionText(60057)                    -> OPTION 60057
//   GetMsgText(9001, kLangTextLongBuffer)   -> MSG 9001
//   GetLangText(1202 + relation)            -> OTHER 1202 (only the literal number counts)
// Keys reached any other way (from a variable, a table, a control's tag) are declared for the test
// with a comment of this form anywhere in the code, single keys or ranges, one section per comment:
//   // lang-keys: OTHER 1202-1205 1755

#include <QString>

inline constexpr int kLangTextBuffer = 255;
inline constexpr int kLangTextLongBuffer = 512;

// "chinese.ini" for LangChinese, "english.ini" for any other index.
QString LanguageFileName(int languageIndex);
// The language file relative to the program folder: "language/" + LanguageFileName.
QString LanguageFilePathFor(int languageIndex);
// Switches the texts for the rest of the run: LanguageIndex (LangChinese or LangEnglish; any other
// value counts as LangEnglish) and LanguageFilePath together, and Qt's own texts (message-box
// buttons, file dialogs) with them.
void SetLanguage(int languageIndex);
// Full path of the current language file (program folder + LanguageFilePath; "\" counts as "/").
QString LanguageFileFullPath();

// A value of one of the program's INI files (language files, "mysetup.ini", "Version.ini") read by
// the rule above: at most bufferSize - 1 characters, without the spaces at both ends; "" when the
// file, the section or the key is missing.
QString ReadProfileText(const QString &path, const QString &section, const QString &key, int bufferSize);

// Text of key in section "OTHER".
QString GetLangText(int key);
// Text of key in section "OPTION".
QString GetOptionText(int key);
// Text of key in section "MSG"; the save-changes question (key 9001) is read with kLangTextLongBuffer.
QString GetMsgText(int key, int bufferSize = kLangTextBuffer);
