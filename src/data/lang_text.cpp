#include "data/lang_text.h"

#include "data/app_state.h"
#include "platform/ini_file.h"
#include "platform/program_dir.h"
#include "platform/qt_translations.h"

QString ReadProfileText(const QString &path, const QString &section, const QString &key, int bufferSize)
{
    // The text read into the buffer then loses the spaces at both of its ends: those that open
    // the value go (a value in quotes brings them through the read), those that close it stay,
    // since they stand before the buffer's terminating NUL.
    const QString text = IniFile::Read(path, section, key, QString(), bufferSize);
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == QLatin1Char(' '))
        ++start;
    return text.mid(start);
}

namespace {

QString ReadLangText(const QString &section, int key, int bufferSize)
{
    return ReadProfileText(LanguageFileFullPath(), section, QString::number(key), bufferSize);
}

} // namespace

QString LanguageFileName(int languageIndex)
{
    return languageIndex == LangChinese ? QStringLiteral("chinese.ini") : QStringLiteral("english.ini");
}

QString LanguageFilePathFor(int languageIndex)
{
    return QStringLiteral("language/") + LanguageFileName(languageIndex);
}

void SetLanguage(int languageIndex)
{
    AppState &state = State();
    state.LanguageIndex = languageIndex == LangChinese ? LangChinese : LangEnglish;
    state.LanguageFilePath = LanguageFilePathFor(state.LanguageIndex);
    // Qt's own buttons and dialogs follow: Chinese from Qt's translation, English as built in.
    UseQtTranslations(state.LanguageIndex == LangChinese ? QStringLiteral("zh_CN") : QString());
}

QString LanguageFileFullPath()
{
    QString relative = State().LanguageFilePath;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (relative.startsWith(QLatin1Char('/')))
        relative.remove(0, 1);
    return ProgramPath(relative);
}

QString GetLangText(int key) { return ReadLangText(QStringLiteral("OTHER"), key, kLangTextBuffer); }

QString GetOptionText(int key) { return ReadLangText(QStringLiteral("OPTION"), key, kLangTextBuffer); }

QString GetMsgText(int key, int bufferSize) { return ReadLangText(QStringLiteral("MSG"), key, bufferSize); }
