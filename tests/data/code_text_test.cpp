#include <gtest/gtest.h>

#include "data/code_text.h"

namespace {

struct RepeatCase {
    const char *code;
    const char *predecessor;
    const char *expected;
};

TEST(FiveToneRepeatCode, ReplacesATonePlayedJustBefore)
{
    const RepeatCase cases[] = {
        {"", "X", ""},
        {"1122", "X", "1E2E"},
        {"111", "X", "1E1"},          // a third equal digit follows an E, not the digit
        {"12345", "1", "E2345"},      // the first tone repeats the predecessor
        {"12345", "5", "12345"},
        {"12345", "", "12345"},       // no predecessor: no tone is lost
        {"1EE2", "X", "1EE2"},        // an E already typed counts as the tone just sent
        {"12  ", "X", "12"},          // trailing spaces of the field are cut
        {"E1223344556", "X", "E12E3E4E556"}, // from position 9 on an E1 code keeps its digits
        {"E12233", "X", "E12E3E"},
        {"  ", "X", ""},
    };
    for (const RepeatCase &c : cases)
        EXPECT_EQ(FiveToneRepeatCode(QString::fromLatin1(c.code), QString::fromLatin1(c.predecessor)),
                  QString::fromLatin1(c.expected))
            << c.code << " after " << c.predecessor;
}

TEST(FiveToneRepeatCode, StoredFieldWithNul)
{
    const QString stored = QStringLiteral("11") + QChar(0) + QStringLiteral("22   ");
    EXPECT_EQ(FiveToneRepeatCode(stored, QStringLiteral("X")), QStringLiteral("1E"));
}

TEST(FiveToneSelfIdCode, KeepsFunctionDigitAndFirstOwnIdDigit)
{
    const std::pair<const char *, const char *> cases[] = {
        {"", ""},
        {"1122334455", "1E2E3E4E5E"},
        {"11223A11234", "1E2E3A1E234"}, // 11 characters: positions 6 and 7 stay as typed
        {"112233A1123", "1E2E33A1E23"},
        {"E1111111111", "E1E1E11E1E1"},
        {"11", "1E"},
    };
    for (const auto &[code, expected] : cases)
        EXPECT_EQ(FiveToneSelfIdCode(QString::fromLatin1(code)), QString::fromLatin1(expected)) << code;
}

struct SelfIdCase {
    const char *code;
    const char *ownId;
    bool expected;
};

TEST(IsSelfIdCode, Table)
{
    const SelfIdCase cases[] = {
        {"0000012345", "12345", true},
        {"00000A12345", "12345", true},
        {"00000f12345", "12345", true},
        {"00000912345", "12345", false},  // function digit 9
        {"00000G12345", "12345", false},
        {"00001E2345", "12345", true},    // the own ID after tone 1, sent with the repeat tone
        {"123451E345", "12345", false},
        {"000012345", "12345", false},    // shorter than 10
        {"000000012345", "12345", false}, // 12 characters without SelfID
        {"12345SelfID", "12345", true},
        {"1234SelfID", "12345", false},
        {"12345BSelfID", "12345", true},
        {"123459SelfID", "12345", false},
        {"0000SelfID", "", false},
        {"1234512345SelfID", "12345", false},
        {"0000011223", "11223", true},    // own ID as typed
        {"000001E2E3", "11223", true},    // own ID in its stored form
        {"0000001234", "1234", false},    // own ID of 4 characters
        {"00000A1234SelfID", "1234", false},
        {"000A1SelfID", "1234", true},    // SelfID codes do not look at the own ID
    };
    for (const SelfIdCase &c : cases)
        EXPECT_EQ(IsSelfIdCode(QString::fromLatin1(c.code), QString::fromLatin1(c.ownId)), c.expected)
            << c.code << " / " << c.ownId;
}

TEST(FiveToneTextToCode, ChoosesTheSelfIdFormOnlyForSelfIdCodes)
{
    // Self-ID with function digit: digit and first own-ID digit stay even when equal to their neighbour.
    EXPECT_EQ(FiveToneTextToCode(QStringLiteral("11223AA1234"), QStringLiteral("A1234")), QStringLiteral("1E2E3AA1234"));
    // Not a self-ID code: the plain repeat rule.
    EXPECT_EQ(FiveToneTextToCode(QStringLiteral("11223AA1234"), QStringLiteral("99999")), QStringLiteral("1E2E3AE1234"));
    EXPECT_EQ(FiveToneTextToCode(QStringLiteral("1122"), QStringLiteral("12345")), QStringLiteral("1E2E"));
}

TEST(DtmfCode, ConvertsStarAndHash)
{
    EXPECT_EQ(DtmfCodeToText(QStringLiteral("12E3F")), QStringLiteral("12*3#"));
    EXPECT_EQ(DtmfTextToCode(QStringLiteral("*0#")), QStringLiteral("E0F"));
    EXPECT_EQ(DtmfCodeToText(QStringLiteral("ABCD0*#")), QStringLiteral("ABCD0*#"));
    EXPECT_EQ(DtmfTextToCode(QStringLiteral("ABCDEF")), QStringLiteral("ABCDEF"));
    EXPECT_EQ(DtmfCodeToText(QString()), QString());
}

TEST(ByteToHex2, TwoUpperCaseDigits)
{
    const std::pair<int, const char *> cases[] = {{0, "00"}, {10, "0A"}, {15, "0F"}, {16, "10"}, {171, "AB"}, {255, "FF"}};
    for (const auto &[v, text] : cases)
        EXPECT_EQ(ByteToHex2(uint8_t(v)), QString::fromLatin1(text)) << v;
}

TEST(OctPadded, PadsToAtLeastTheLength)
{
    struct C {
        int value, length;
        const char *text;
    };
    const C cases[] = {{8, 3, "010"}, {511, 3, "777"}, {0, 3, "000"}, {0, 0, "0"},
                       {4095, 3, "7777"}, {23, 1, "27"}, {-1, 3, "177777"}};
    for (const C &c : cases)
        EXPECT_EQ(OctPadded(c.value, c.length), QString::fromLatin1(c.text)) << c.value;
}

TEST(NumOrDefault, ReadsANumberOrGivesTheDefault)
{
    struct C {
        const char *text;
        int32_t expected;
    };
    const C cases[] = {{"", 7}, {"abc", 7}, {"12", 12}, {"2.5", 2}, {"3.5", 4}, {"-2.5", -2},
                       {" 12", 12}, {"1e3", 1000}, {"1e12", 7}, {"12abc", 7}, {".", 7}};
    for (const C &c : cases)
        EXPECT_EQ(NumOrDefault(QString::fromLatin1(c.text), 7), c.expected) << c.text;
}

TEST(FileNameOfPath, CutsAtEitherSeparator)
{
    const std::pair<const char *, const char *> cases[] = {
        {"C:\\a\\b.dat", "b.dat"}, {"b.dat", "b.dat"}, {"/home/u/x.dat", "x.dat"},
        {"C:\\a/b\\c.dat", "c.dat"}, {"dir/", ""}, {"", ""}};
    for (const auto &[path, name] : cases)
        EXPECT_EQ(FileNameOfPath(QString::fromLatin1(path)), QString::fromLatin1(name)) << path;
}

} // namespace
