// STAND-IN until the language texts land on main. On merge, take the real file.
#include "data/lang_text.h"

#include "data/app_state.h"
#include "platform/ini_file.h"
#include "platform/program_dir.h"

QString GetLangText(int key)
{
    const QString file = State().LanguageIndex == LangChinese ? QStringLiteral("language/chinese.ini")
                                                              : QStringLiteral("language/english.ini");
    return IniFile::Read(ProgramPath(file), QStringLiteral("OTHER"), QString::number(key));
}

MessageTableType &MessageTable()
{
    static MessageTableType table{
        {QString(), QStringLiteral("Frequency data will be cleared."), QStringLiteral("频率数据将被清除。")},
        {QString(), QStringLiteral("Warning"), QStringLiteral("警告")},
    };
    return table;
}

void InitMessageTable() {}
