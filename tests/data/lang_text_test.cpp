#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <gtest/gtest.h>

#include "common/test_env.h"
#include "data/app_state.h"
#include "data/lang_text.h"

using testenv::AppTest;

namespace {

class LangTextTest : public AppTest {
protected:
    void writeLanguageFile(const char *name, const QByteArray &text)
    {
        QFile f(programDir->path(QStringLiteral("language/") + QString::fromUtf8(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
};

TEST_F(LangTextTest, ReadsTheStagedFilesOfBothLanguages)
{
    EXPECT_EQ(State().LanguageFilePath, QStringLiteral("language/english.ini"));
    EXPECT_EQ(GetLangText(101), QStringLiteral("OK"));
    SetLanguage(LangChinese);
    EXPECT_EQ(State().LanguageIndex, LangChinese);
    EXPECT_EQ(State().LanguageFilePath, QStringLiteral("language/chinese.ini"));
    EXPECT_EQ(GetLangText(101), QString::fromUtf8("确定"));
    SetLanguage(7);
    EXPECT_EQ(State().LanguageIndex, LangEnglish);
    EXPECT_EQ(GetLangText(102), QStringLiteral("Cancel"));
}

TEST_F(LangTextTest, EachReaderReadsItsOwnSection)
{
    writeLanguageFile("english.ini", "[OTHER]\n500=other text\n[OPTION]\n500=option text\n[MSG]\n500=msg text\n");
    EXPECT_EQ(GetLangText(500), QStringLiteral("other text"));
    EXPECT_EQ(GetOptionText(500), QStringLiteral("option text"));
    EXPECT_EQ(GetMsgText(500), QStringLiteral("msg text"));
}

TEST_F(LangTextTest, MissingKeySectionOrFileGivesEmptyText)
{
    writeLanguageFile("english.ini", "[OTHER]\n1=one\n");
    for (const QString &text : {GetLangText(2), GetLangText(-1), GetOptionText(1), GetMsgText(1)})
        EXPECT_EQ(text, QString()) << text.toStdString();
    ASSERT_TRUE(QFile::remove(programDir->path(QStringLiteral("language/english.ini"))));
    EXPECT_EQ(GetLangText(1), QString());
    EXPECT_EQ(GetMsgText(9001, kLangTextLongBuffer), QString());
    EXPECT_TRUE(script->calls.empty()); // no message about it
}

TEST_F(LangTextTest, ValueIsTrimmedAndCutToItsBuffer)
{
    const QByteArray v300(300, 'w');
    const QByteArray v600(600, 'm');
    writeLanguageFile("english.ini", "[OTHER]\n"
                                     "10=" + v300 + "\n"
                                     "11=" + QByteArray(254, 'e') + "\n"
                                     "12=    spaced out text   \n"
                                     "13 =a, b, 100%\n"
                                     "[MSG]\n"
                                     "9001=" + v600 + "\n");
    EXPECT_EQ(GetLangText(10), QString::fromLatin1(v300.left(254)));
    EXPECT_EQ(GetLangText(11), QString(254, QLatin1Char('e')));
    EXPECT_EQ(GetLangText(12), QStringLiteral("spaced out text"));
    EXPECT_EQ(GetLangText(13), QStringLiteral("a, b, 100%"));
    EXPECT_EQ(GetMsgText(9001), QString::fromLatin1(v600.left(254)));
    EXPECT_EQ(GetMsgText(9001, kLangTextLongBuffer), QString::fromLatin1(v600.left(511)));
}

TEST_F(LangTextTest, QuotedValueLosesItsOpeningSpacesOnly)
{
    // The read keeps what the quotes enclose; the text then loses the spaces at both ends of the
    // buffer, which end with its NUL, so the value's closing spaces stay.
    writeLanguageFile("english.ini", "[OTHER]\n"
                                     "20=\"  quoted  \"\n"
                                     "21='   '\n"
                                     "[MSG]\n"
                                     "9001=\" Save?\"\n");
    EXPECT_EQ(GetLangText(20), QStringLiteral("quoted  "));
    EXPECT_EQ(GetLangText(21), QString());
    EXPECT_EQ(GetMsgText(9001, kLangTextLongBuffer), QStringLiteral("Save?"));
}

TEST_F(LangTextTest, ChangedFileIsSeenAtTheNextCall)
{
    writeLanguageFile("english.ini", "[OTHER]\n1=before\n");
    EXPECT_EQ(GetLangText(1), QStringLiteral("before"));
    writeLanguageFile("english.ini", "[OTHER]\n1=after\n");
    EXPECT_EQ(GetLangText(1), QStringLiteral("after"));
}

TEST_F(LangTextTest, FilePathMayUseBackslashes)
{
    State().LanguageFilePath = QStringLiteral("\\language\\chinese.ini");
    EXPECT_EQ(LanguageFileFullPath(), programDir->path(QStringLiteral("language/chinese.ini")));
    EXPECT_EQ(GetLangText(102), QString::fromUtf8("取消"));
}

// Qt's own buttons and dialogs speak the chosen language too, from start-up (which sets the
// language) and after a change.
TEST_F(LangTextTest, QtsOwnButtonsAndDialogsFollowTheLanguage)
{
    struct English {
        ~English() { SetLanguage(LangEnglish); }
    } english;
    const auto cancelButton = [] {
        QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("q"), QMessageBox::Yes | QMessageBox::Cancel);
        return box.button(QMessageBox::Cancel)->text();
    };
    SetLanguage(LangChinese);
    EXPECT_EQ(cancelButton(), QString::fromUtf8("取消"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QString::fromUtf8("查找范围："));
    SetLanguage(LangEnglish);
    EXPECT_EQ(cancelButton(), QStringLiteral("Cancel"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
    SetLanguage(LangChinese);
    SetLanguage(LangChinese); // the same language again: still in force
    EXPECT_EQ(cancelButton(), QString::fromUtf8("取消"));
}

} // namespace
