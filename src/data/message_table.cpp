#include "data/message_table.h"

#include "data/app_state.h"

namespace {

BilingualText Texts(const char *english, const char *chinese)
{
    return {QString(), QString::fromUtf8(english), QString::fromUtf8(chinese)};
}

// The two confirmations are a statement and a question on two lines.
BilingualText TwoLines(const char *english1, const char *english2, const char *chinese1, const char *chinese2)
{
    const QString crlf = QStringLiteral("\r\n");
    return {QString(), QString::fromUtf8(english1) + crlf + QString::fromUtf8(english2),
            QString::fromUtf8(chinese1) + crlf + QString::fromUtf8(chinese2)};
}

MessageTableRecord BuildMessageTable()
{
    MessageTableRecord t;
    // Language 1 (English) at 3..5, language 2 (Chinese) at 6..8; operation 0 has no caption.
    t.MsgProgressTitle[1 * 3 + 1] = QStringLiteral("Read data from radio");
    t.MsgProgressTitle[1 * 3 + 2] = QStringLiteral("Write data to radio");
    t.MsgProgressTitle[2 * 3 + 1] = QString::fromUtf8("从对讲机读取数据");
    t.MsgProgressTitle[2 * 3 + 2] = QString::fromUtf8("向对讲机写入数据");
    t.MsgCompletion = Texts("Completion percentage:", "完成进度:");
    t.MsgReadConfirm = TwoLines("Read data from radio.", "Do you wish continue?", "从对讲机读取数据。", "是否继续？");
    t.MsgWriteConfirm = TwoLines("Write data to radio.", "Do you wish continue?", "向对讲机写入数据。", "是否继续？");
    t.MsgModelWrong = Texts("Model type is wrong. Overwrite?", "机型类型错误。");
    t.MsgRadioKilled = Texts("Radio is killed,can't be written!", "对讲机被遥毙，不能写入！");
    t.MsgRadioStunned = Texts("Radio is fainted,can't be written!", "对讲机被遥晕，不能写入！");
    t.MsgVersionWrong = Texts("Version is wrong. Overwrite?", "版本错误。");
    t.MsgBandWrong = Texts("Frequencys is wrong!", "频段类型错误！");
    t.MsgClearAll = Texts("All data will be cleared.", "所有数据将被清空。");
    t.MsgFileError = Texts("file error.", "文件错误。");
    t.MsgOverwrite = Texts("file will be Overwrite,Continue?", "文件将被覆盖，是否继续？");
    t.MsgSaveChanges = Texts("File has been modify,save it now?", "当前文件已被修改，是否现在保存？");
    t.MsgDataFile = Texts("Data File", "数据文件");
    t.MsgFreqCleared = Texts("Frequency data will be cleared.", "频率数据将被清除。");
    t.MsgWarning = Texts("Warning", "警告");
    return t;
}

QString Element(const BilingualText &text, int index)
{
    return index >= 0 && index < static_cast<int>(text.size()) ? text[static_cast<size_t>(index)] : QString();
}

} // namespace

const MessageTableRecord &MessageTable()
{
    static const MessageTableRecord table = BuildMessageTable();
    return table;
}

const BilingualText &CloseCaptionText()
{
    static const BilingualText text = Texts("&Close", "关闭(&C)");
    return text;
}

const BilingualText &PrintCaptionText()
{
    static const BilingualText text = Texts("&Print", "打印(&P)");
    return text;
}

const BilingualText &HelpCaptionText()
{
    static const BilingualText text = Texts("&Help", "帮助(&H)");
    return text;
}

void InitMessageTable() { MessageTable(); }

void InitCloseHelpCaptions()
{
    CloseCaptionText();
    PrintCaptionText();
    HelpCaptionText();
}

QString InCurrentLanguage(const BilingualText &text) { return Element(text, State().LanguageIndex); }

QString ProgressTitleText(int operation)
{
    const int language = State().LanguageIndex;
    if (language < 0 || language > 2 || operation < 0 || operation > 2)
        return QString();
    return MessageTable().MsgProgressTitle[static_cast<size_t>(language * 3 + operation)];
}

