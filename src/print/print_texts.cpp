#include "print/print_texts.h"

#include "data/app_state.h"

namespace {

PrintTextRecord g_texts;

BilingualText Both(const char *english, const char *chinese)
{
    return {QString(), QString::fromUtf8(english), QString::fromUtf8(chinese)};
}

} // namespace

void InitPrintLanguage()
{
    PrintTextRecord &t = g_texts;
    t.PrtFileNameText = Both("File Name", "文件名");
    t.PrtSelAllText = Both("Select &All", "选择所有(&A)");
    t.PrtClrAllText = Both("&Clear All", "清除所有(&C)");
    t.PrtSetText = Both("&Set", "设置(&S)");
    t.PrtItemText = {
        Both("Channel Infomation", "信道信息"),
        Both("VHF Channel Infomation", "VHF信道信息"),
        Both("Radio Channel Infomation", "Radio信道信息"),
        Both("Option", "功能设定"),
        Both("DTMF", "DTMF"),
        Both("2Tone", "2Tone"),
        Both("5Tone", "5Tone"),
        Both("Communication Book", "通信簿"),
        Both("Embedded Message", "嵌入信息"),
    };
    t.PrtTitleText = Both("TORVA_6Y Radio Programming Information", "TORVA_6Y 对讲机编程信息");
    t.PrtOkText = Both("&OK", "确定(&O)");
    t.PrtCancelText = Both("&Cancel", "取消(&C)");
    t.PrtModelTypeText = Both("Model Type", "机型类型");
    t.PrtFrequencyText = Both("Frequency", "频率");
    t.PrtSelectPrompt = Both("Please select printing items.", "请选择打印项目。");
    t.PrtOnOffText = {BilingualText{}, Both("OFF", "关"), Both("ON", "开")};
}

const PrintTextRecord &PrintTexts() { return g_texts; }

QString PrtOnOff(int value)
{
    if (value != 0 && value != 1)
        return {};
    return InCurrentLanguage(g_texts.PrtOnOffText[static_cast<std::size_t>(value + 1)]);
}
