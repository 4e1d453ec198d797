// Every language key that the code uses must be in both language files, and the two files must
// hold the same keys. Keys are found by scanning the source tree for the forms documented in
// src/data/lang_text.h:
//   GetLangText(101)   GetOptionText(60057)   GetMsgText(9001, ...)   (a literal number first)
//   // lang-keys: OTHER 1202-1205 1755                                (keys used indirectly)

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <vector>

#include "common/test_env.h"
#include "platform/ini_file.h"

namespace {

const QStringList kSections = {QStringLiteral("OTHER"), QStringLiteral("OPTION"), QStringLiteral("MSG")};
const QStringList kLanguageFiles = {QStringLiteral("english.ini"), QStringLiteral("chinese.ini")};

struct KeyUse {
    QString section;
    int key = 0;
    QString where; // file:line
};

QString SourceDir() { return QStringLiteral(TORVA_SOURCE_DIR); }
QString LanguageFile(const QString &name) { return SourceDir() + QStringLiteral("/resources/language/") + name; }

// The keys that one source text uses; errors gets a line for a declaration it cannot take.
std::vector<KeyUse> ScanForKeys(const QString &text, const QString &file, QStringList *errors = nullptr)
{
    static const QRegularExpression call(
        QStringLiteral(R"(\b(GetLangText|GetOptionText|GetMsgText)\s*\(\s*(\d+)(?![\w.]))"));
    static const QRegularExpression marker(
        QStringLiteral(R"(lang-keys:\s*(OTHER|OPTION|MSG)\b((?:[ \t,]+\d+(?:[ \t]*-[ \t]*\d+)?)+))"));
    static const QRegularExpression item(QStringLiteral(R"((\d+)(?:\s*-\s*(\d+))?)"));
    static const std::map<QString, QString> sectionOf = {{QStringLiteral("GetLangText"), QStringLiteral("OTHER")},
                                                         {QStringLiteral("GetOptionText"), QStringLiteral("OPTION")},
                                                         {QStringLiteral("GetMsgText"), QStringLiteral("MSG")}};
    auto lineOf = [&](qsizetype offset) {
        return file + QLatin1Char(':') + QString::number(text.left(offset).count(QLatin1Char('\n')) + 1);
    };

    std::vector<KeyUse> uses;
    for (auto it = call.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        uses.push_back({sectionOf.at(m.captured(1)), m.captured(2).toInt(), lineOf(m.capturedStart())});
    }
    for (auto it = marker.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        for (auto items = item.globalMatch(m.captured(2)); items.hasNext();) {
            const auto i = items.next();
            const int from = i.captured(1).toInt();
            const int to = i.captured(2).isEmpty() ? from : i.captured(2).toInt();
            if (to < from || to - from > 1000) {
                if (errors)
                    *errors << lineOf(m.capturedStart()) + QStringLiteral(": bad key range ") + i.captured(0);
                continue;
            }
            for (int k = from; k <= to; ++k)
                uses.push_back({m.captured(1), k, lineOf(m.capturedStart())});
        }
    }
    return uses;
}

std::vector<KeyUse> ScanSourceTree(QStringList *errors)
{
    std::vector<KeyUse> uses;
    QDirIterator it(SourceDir() + QStringLiteral("/src"), {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString text = QString::fromUtf8(testenv::ReadAll(path));
        const QString rel = path.mid(SourceDir().size() + 1);
        for (KeyUse &u : ScanForKeys(text, rel, errors))
            uses.push_back(std::move(u));
    }
    return uses;
}

std::set<int> KeySet(const QString &file, const QString &section)
{
    std::set<int> keys;
    for (const QString &k : IniFile::Keys(LanguageFile(file), section))
        keys.insert(k.toInt());
    return keys;
}

TEST(LanguageKeys, ScannerFindsCallsAndDeclarations)
{
    const QString text = QStringLiteral(
        "label->setText(GetLangText(101));\n"
        "x = GetLangText( 1202 + relation) + GetOptionText(60057);\n"
        "q = GetMsgText(9001, kLangTextLongBuffer);\n"
        "GetLangText(key); MyGetLangText(5); GetLangText(0x20); GetLangText(1.5);\n"
        "// lang-keys: OTHER 1204-1206, 1755 and more words 1999\n"
        "/* lang-keys: MSG 9010 */\n"
        "// lang-keys: OPTION 60059-60057\n");
    QStringList errors;
    const std::vector<KeyUse> uses = ScanForKeys(text, QStringLiteral("f.cpp"), &errors);
    std::vector<QString> found;
    for (const KeyUse &u : uses)
        found.push_back(u.section + QLatin1Char(' ') + QString::number(u.key) + QLatin1Char(' ') + u.where);
    const std::vector<QString> expected = {
        QStringLiteral("OTHER 101 f.cpp:1"),   QStringLiteral("OTHER 1202 f.cpp:2"), QStringLiteral("OPTION 60057 f.cpp:2"),
        QStringLiteral("MSG 9001 f.cpp:3"),    QStringLiteral("OTHER 1204 f.cpp:5"), QStringLiteral("OTHER 1205 f.cpp:5"),
        QStringLiteral("OTHER 1206 f.cpp:5"),  QStringLiteral("OTHER 1755 f.cpp:5"), QStringLiteral("MSG 9010 f.cpp:6"),
    };
    EXPECT_EQ(found, expected);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.front().startsWith(QStringLiteral("f.cpp:7: bad key range"))) << errors.front().toStdString();
}

TEST(LanguageKeys, KeysUsedInCodeAreInBothLanguageFiles)
{
    QStringList errors;
    const std::vector<KeyUse> uses = ScanSourceTree(&errors);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    ASSERT_FALSE(uses.empty()) << "the scan of " << SourceDir().toStdString() << "/src found no key at all";

    std::map<QString, std::map<QString, std::set<int>>> keys; // file -> section -> keys
    for (const QString &file : kLanguageFiles)
        for (const QString &section : kSections)
            keys[file][section] = KeySet(file, section);
    QStringList missing;
    for (const KeyUse &u : uses)
        for (const QString &file : kLanguageFiles)
            if (!keys[file][u.section].count(u.key))
                missing << QStringLiteral("key %1 of [%2], used at %3, is missing from %4")
                               .arg(u.key).arg(u.section, u.where, file);
    missing.removeDuplicates();
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QLatin1Char('\n')).toStdString();
}

TEST(LanguageKeys, BothFilesHoldTheSameKeys)
{
    QStringList differences;
    for (const QString &section : kSections) {
        const std::set<int> english = KeySet(kLanguageFiles[0], section);
        const std::set<int> chinese = KeySet(kLanguageFiles[1], section);
        for (int k : english)
            if (!chinese.count(k))
                differences << QStringLiteral("key %1 of [%2] is in english.ini but not in chinese.ini").arg(k).arg(section);
        for (int k : chinese)
            if (!english.count(k))
                differences << QStringLiteral("key %1 of [%2] is in chinese.ini but not in english.ini").arg(k).arg(section);
    }
    EXPECT_TRUE(differences.isEmpty()) << differences.join(QLatin1Char('\n')).toStdString();
}

// The files are ours: every line must be plain and every text usable as it stands.
TEST(LanguageKeys, FilesAreWellFormed)
{
    static const QRegularExpression sectionLine(QStringLiteral(R"(^\[([^\]]*)\]$)"));
    static const QRegularExpression keyLine(QStringLiteral(R"(^(0|[1-9]\d{0,4})=(.*)$)"));
    for (const QString &file : kLanguageFiles) {
        const QByteArray bytes = testenv::ReadAll(LanguageFile(file));
        ASSERT_FALSE(bytes.isEmpty()) << file.toStdString() << " is missing or empty";
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8.decode(bytes);
        EXPECT_FALSE(utf8.hasError()) << file.toStdString() << " is not valid UTF-8";

        QStringList problems;
        QString section;
        std::set<QString> seenSections;
        std::set<int> seenKeys;
        int lastKey = -1;
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (int n = 0; n < lines.size(); ++n) {
            QString line = lines[n];
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            const QString where = file + QLatin1Char(':') + QString::number(n + 1) + QStringLiteral(": ");
            if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char(';')))
                continue;
            if (const auto m = sectionLine.match(line); m.hasMatch()) {
                section = m.captured(1);
                if (!kSections.contains(section))
                    problems << where + QStringLiteral("unknown section [") + section + QLatin1Char(']');
                if (!seenSections.insert(section).second)
                    problems << where + QStringLiteral("section [") + section + QStringLiteral("] appears twice");
                seenKeys.clear();
                lastKey = -1;
                continue;
            }
            const auto m = keyLine.match(line);
            if (!m.hasMatch() || m.captured(1).toInt() > 65535) {
                problems << where + QStringLiteral("not a line \"number=text\": ") + line;
                continue;
            }
            const int key = m.captured(1).toInt();
            const QString value = m.captured(2).trimmed();
            if (section.isEmpty())
                problems << where + QStringLiteral("key outside a section");
            if (!seenKeys.insert(key).second)
                problems << where + QStringLiteral("key %1 appears twice in [%2]").arg(key).arg(section);
            else if (key < lastKey)
                problems << where + QStringLiteral("key %1 is not in numeric order in [%2]").arg(key).arg(section);
            lastKey = std::max(lastKey, key);
            if (value.isEmpty())
                problems << where + QStringLiteral("key %1 has no text").arg(key);
            if (value.size() > 254)
                problems << where + QStringLiteral("key %1 is longer than the 254 characters a reader keeps").arg(key);
            if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
                && value.back() == value.front())
                problems << where + QStringLiteral("key %1: enclosing quotes would be dropped by the reader").arg(key);
        }
        for (const QString &s : kSections)
            if (!seenSections.count(s))
                problems << file + QStringLiteral(": section [") + s + QStringLiteral("] is missing");
        EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    }
}

} // namespace
