#include <QFile>
#include <gtest/gtest.h>

#include "common/test_env.h"
#include "data/app_state.h"
#include "data/five_tone_codes.h"
#include "data/lang_text.h"
#include "data/radio_data.h"
#include "data/tone_standards.h"
#include "data/value_rules.h"

namespace {

class ToneStandardsTest : public testenv::AppTest {};

QStringList SheetLines(const QString &sheet)
{
    EXPECT_TRUE(sheet.endsWith(QStringLiteral("\r\n")));
    QStringList lines = sheet.split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

TEST_F(ToneStandardsTest, DefaultPeriodsByName)
{
    const std::vector<std::pair<QString, int>> cases = {
        {"ZVEI1", 70}, {"CCIR1", 100}, {"CCIR2", 70}, {"PCCIR", 100}, {"EEA", 40}, {"EURO SIGNAL", 100},
        {"MODAT", 40}, {"EIA", 33}, {"NATEL", 70}, {"", 70}, {"eia", 70}, {"EIA ", 70},
    };
    for (const auto &[name, period] : cases)
        EXPECT_EQ(DefaultTonePeriod(name), period) << name.toStdString();
    EXPECT_EQ(ToneStandardNames().size(), 15);
    EXPECT_EQ(ToneStandardName(10), "EURO SIGNAL");
    EXPECT_EQ(ToneStandardName(15), "");
}

TEST_F(ToneStandardsTest, SheetsShowTheTableTextsAsTheyStand)
{
    UserToneStandard user;
    const QStringList dzvei = SheetLines(ToneStandardSheet("DZVEI", user));
    ASSERT_EQ(dzvei.size(), 21);
    EXPECT_EQ(dzvei[0], "DZVEI");
    EXPECT_EQ(dzvei[1], GetOptionText(60085) + "(Hz)");
    EXPECT_EQ(dzvei[2], "0 2200");
    EXPECT_EQ(dzvei[12], "A 825/885");
    EXPECT_EQ(dzvei[18], GetOptionText(60086) + "(ms) 70");
    EXPECT_EQ(dzvei[19], GetOptionText(60087) + " A");
    EXPECT_EQ(dzvei[20], GetOptionText(60088) + " E");

    const QStringList zvei3 = SheetLines(ToneStandardSheet("ZVEI3", user));
    EXPECT_EQ(zvei3[13], "B ");
    EXPECT_EQ(zvei3[14], "C ");
    EXPECT_EQ(zvei3[15], "D ");
    EXPECT_EQ(zvei3[16], "E 2400");
    EXPECT_EQ(zvei3[17], "F ");
    EXPECT_EQ(SheetLines(ToneStandardSheet("CCITT", user))[17], "F 0.0");
    const QStringList eia = SheetLines(ToneStandardSheet("EIA", user));
    EXPECT_EQ(eia[2], "0 600.0");
    EXPECT_EQ(eia[18], GetOptionText(60086) + "(ms) 33");
    EXPECT_EQ(SheetLines(ToneStandardSheet("EURO SIGNAL", user))[16], "E 1062.9");
    EXPECT_EQ(SheetLines(ToneStandardSheet("MODAT", user))[5], "3 1087.5");
    EXPECT_EQ(SheetLines(ToneStandardSheet("PDZVEI", user))[15], "D 856");
}

TEST_F(ToneStandardsTest, UserStandardSheet)
{
    UserToneStandard user;
    user.Tones[0] = 24000;
    user.Tones[1] = 9300;
    user.Tones[2] = 0;
    user.Tones[3] = 2885;
    user.Tones[4] = -5;
    const QStringList lines = SheetLines(ToneStandardSheet(QString(), user));
    ASSERT_EQ(lines.size(), 21);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[2], "0 2400.0");
    EXPECT_EQ(lines[3], "1 930.0");
    EXPECT_EQ(lines[4], "2 .0");
    EXPECT_EQ(lines[5], "3 288.5");
    EXPECT_EQ(lines[6], "4 -.5");
    EXPECT_EQ(lines[18], GetOptionText(60086) + "(ms) 70");
    EXPECT_EQ(SheetLines(ToneStandardSheet("Mine", user))[0], "Mine");
}

TEST_F(ToneStandardsTest, SheetWithoutLanguageTexts)
{
    QFile::remove(LanguageFileFullPath());
    const QStringList lines = SheetLines(ToneStandardSheet("ZVEI1", UserToneStandard{}));
    ASSERT_EQ(lines.size(), 21);
    EXPECT_EQ(lines[1], "(Hz)");
    EXPECT_EQ(lines[2], "0 2400");
    EXPECT_EQ(lines[17], "F 680");
    EXPECT_EQ(lines[18], "(ms) 70");
    EXPECT_EQ(lines[19], " A");
    EXPECT_EQ(lines[20], " E");
}

TEST(FiveToneCodes, ExpandedDigits)
{
    EXPECT_EQ(Mid5ToneNoE("1E23E", 1, 5), "11233");
    EXPECT_EQ(Mid5ToneNoE("E1E2345E", 3, 5), "12345");
    EXPECT_EQ(Mid5ToneNoE("E2345", 1, 5), "E2345"); // nothing before the first digit
    EXPECT_EQ(Mid5ToneNoE("12", 1, 5), "12");
    EXPECT_EQ(DataMessageOf("E1E2345E4142434"), "ABC");
}

TEST(FiveToneCodes, RecodeForTheOwnId)
{
    EXPECT_EQ(RecodeForOwnId("1234511234", "11234", "11234"), "123451E234");
    EXPECT_EQ(RecodeForOwnId("12345BSelfID", "11234", "11234"), "12345B1E234");
    EXPECT_EQ(RecodeForOwnId("12345SelfID", "11234", "11234"), "123451E234");
    EXPECT_EQ(RecodeForOwnId("E6SelfID", "11234", "11234"), "E61E234");
    EXPECT_EQ(RecodeForOwnId("11", "11234", "11234"), "11");
    EXPECT_EQ(RecodeForOwnId("112", "11234", "11234"), "1E2");
}

} // namespace
