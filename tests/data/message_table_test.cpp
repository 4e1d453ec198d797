#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

#include "common/test_env.h"
#include "data/app_state.h"
#include "data/message_table.h"
#include "ui/close_help_captions.h"

using testenv::AppTest;

namespace {

class MessageTableTest : public AppTest {};

TEST_F(MessageTableTest, EntriesInBothLanguages)
{
    const MessageTableRecord &t = MessageTable();
    const struct { const BilingualText *entry; const char *english, *chinese; } cases[] = {
        {&t.MsgFileError, "file error.", "文件错误。"},
        {&t.MsgModelWrong, "Model type is wrong. Overwrite?", "机型类型错误。"},
        {&t.MsgRadioKilled, "Radio is killed,can't be written!", "对讲机被遥毙，不能写入！"},
        {&t.MsgBandWrong, "Frequencys is wrong!", "频段类型错误！"},
        {&t.MsgSaveChanges, "File has been modify,save it now?", "当前文件已被修改，是否现在保存？"},
        {&t.MsgWarning, "Warning", "警告"},
    };
    for (const auto &c : cases) {
        State().LanguageIndex = LangEnglish;
        EXPECT_EQ(InCurrentLanguage(*c.entry), QString::fromUtf8(c.english));
        State().LanguageIndex = LangChinese;
        EXPECT_EQ(InCurrentLanguage(*c.entry), QString::fromUtf8(c.chinese));
        State().LanguageIndex = 0;
        EXPECT_EQ(InCurrentLanguage(*c.entry), QString());
        State().LanguageIndex = 3;
        EXPECT_EQ(InCurrentLanguage(*c.entry), QString());
    }
}

TEST_F(MessageTableTest, EveryEntryHasBothLanguagesAndAnEmptyElementZero)
{
    const MessageTableRecord &t = MessageTable();
    const BilingualText *entries[] = {&t.MsgCompletion, &t.MsgReadConfirm, &t.MsgWriteConfirm, &t.MsgModelWrong,
                                      &t.MsgRadioKilled, &t.MsgRadioStunned, &t.MsgVersionWrong, &t.MsgBandWrong,
                                      &t.MsgClearAll, &t.MsgFileError, &t.MsgOverwrite, &t.MsgSaveChanges,
                                      &t.MsgDataFile, &t.MsgFreqCleared, &t.MsgWarning, &CloseCaptionText(),
                                      &PrintCaptionText(), &HelpCaptionText()};
    for (const BilingualText *e : entries) {
        EXPECT_TRUE((*e)[0].isEmpty());
        EXPECT_FALSE((*e)[1].isEmpty());
        EXPECT_FALSE((*e)[2].isEmpty());
        EXPECT_NE((*e)[1], (*e)[2]);
    }
}

TEST_F(MessageTableTest, ProgressTitleByLanguageAndOperation)
{
    const struct { int language, operation; const char *expected; } cases[] = {
        {1, 1, "Read data from radio"}, {1, 2, "Write data to radio"}, {2, 1, "从对讲机读取数据"},
        {2, 2, "向对讲机写入数据"},     {0, 0, ""},                    {1, 0, ""},
        {2, 0, ""},                     {0, 2, ""},                    {1, 3, ""},
        {1, -1, ""},                    {3, 1, ""},
    };
    for (const auto &c : cases) {
        State().LanguageIndex = static_cast<int16_t>(c.language);
        EXPECT_EQ(ProgressTitleText(c.operation), QString::fromUtf8(c.expected)) << c.language << "," << c.operation;
    }
    EXPECT_EQ(MessageTable().MsgProgressTitle[7], QString::fromUtf8("从对讲机读取数据"));
    EXPECT_EQ(MessageTable().MsgProgressTitle[5], QStringLiteral("Write data to radio"));
}

TEST_F(MessageTableTest, ConfirmationsAreTwoLinesJoinedByCrLf)
{
    const QString read = MessageTable().MsgReadConfirm[LangEnglish];
    ASSERT_EQ(read.size(), 44);
    EXPECT_EQ(read.left(21), QStringLiteral("Read data from radio."));
    EXPECT_EQ(read.mid(21, 2), QStringLiteral("\r\n"));
    EXPECT_EQ(read.mid(23), QStringLiteral("Do you wish continue?"));
    EXPECT_EQ(MessageTable().MsgWriteConfirm[LangEnglish], QStringLiteral("Write data to radio.\r\nDo you wish continue?"));
    EXPECT_EQ(MessageTable().MsgReadConfirm[LangChinese], QString::fromUtf8("从对讲机读取数据。\r\n是否继续？"));
    EXPECT_EQ(MessageTable().MsgWriteConfirm[LangChinese], QString::fromUtf8("向对讲机写入数据。\r\n是否继续？"));
}

TEST_F(MessageTableTest, CloseAndHelpCaptionsFoundByName)
{
    QWidget form;
    auto *panel = new QWidget(&form);
    auto *close = new QPushButton(QStringLiteral("design"), panel);
    close->setObjectName(QStringLiteral("CommandClose"));
    auto *help = new QPushButton(QStringLiteral("design"), &form);
    help->setObjectName(QStringLiteral("CommandHelp"));
    auto *other = new QPushButton(QStringLiteral("keep"), &form);
    other->setObjectName(QStringLiteral("CommandOK"));

    SetCloseHelpCaptions(&form);
    EXPECT_EQ(close->text(), QStringLiteral("&Close"));
    EXPECT_EQ(help->text(), QStringLiteral("&Help"));
    EXPECT_EQ(other->text(), QStringLiteral("keep"));

    State().LanguageIndex = LangChinese;
    SetCloseHelpCaptions(&form);
    EXPECT_EQ(close->text(), QString::fromUtf8("关闭(&C)"));
    EXPECT_EQ(help->text(), QString::fromUtf8("帮助(&H)"));
}

TEST_F(MessageTableTest, WindowWithoutTheButtonsIsLeftAlone)
{
    QWidget form;
    auto *close = new QPushButton(QStringLiteral("design"), &form);
    close->setObjectName(QStringLiteral("CommandClose"));
    SetCloseHelpCaptions(&form);
    EXPECT_EQ(close->text(), QStringLiteral("&Close"));
    SetCloseHelpCaptions(nullptr);
    SetCloseHelpCaptions(nullptr, nullptr);
    EXPECT_EQ(PrintCaptionText()[LangChinese], QString::fromUtf8("打印(&P)"));
}

} // namespace
