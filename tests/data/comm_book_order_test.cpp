#include <QByteArray>
#include <QList>
#include <algorithm>

#include "common/test_env.h"
#include "data/app_state.h"
#include "data/comm_book_order.h"

using testenv::AppTest;

namespace {

class CommBookOrderTest : public AppTest {
protected:
    // A book as the defaults leave it: every call ID and name empty (NUL, spaces); the names here
    // are given "F<position>" so that every entry can be followed.
    void SetUp() override
    {
        AppTest::SetUp();
        FillDefault();
    }
    void FillDefault()
    {
        for (int i = 0; i < kCommBookEntries; ++i) {
            BookEntry &e = Book()[i];
            e.Number = static_cast<int16_t>(i);
            e.CallId = FixStr<5>::EmptyNul();
            e.Name.assign("F" + QByteArray::number(i));
        }
    }
    CommBook &Book() { return State().RadioData.CommBook; }
    void Put(int position, const QByteArray &callId, const QByteArray &name)
    {
        Book()[position].CallId.assign(callId);
        Book()[position].Name.assign(name);
    }
    QByteArray Name(int position) { return Book()[position].Name.toByteArray().trimmed(); }
    QByteArray Id(int position) { return Book()[position].CallId.toByteArray(); }
    bool NumbersArePositions()
    {
        for (int i = 0; i < kCommBookEntries; ++i) {
            if (Book()[i].Number != i)
                return false;
        }
        return true;
    }
};

TEST_F(CommBookOrderTest, Keys)
{
    const struct {
        QByteArray callId;
        uint32_t key;
    } cases[] = {
        {QByteArray("\0    ", 5), 0xBBBBB}, // a free entry
        {"     ", 0xAAAAA},
        {"123  ", 0x123AA},
        {"12345", 0x12345},
        {"1", 0x1BBBB},                    // shorter than five: padded with B
        {QByteArray("12\0  ", 5), 0x12BBB}, // cut at the NUL after the spaces became A
    };
    for (const auto &c : cases) {
        const auto key = CommBookKey(c.callId);
        ASSERT_TRUE(key.has_value()) << c.callId.toStdString();
        EXPECT_EQ(*key, c.key) << c.callId.toStdString();
    }
    EXPECT_FALSE(CommBookKey("12X45").has_value());
    EXPECT_FALSE(CommBookKey("1-2  ").has_value());
}

TEST_F(CommBookOrderTest, DefaultBookKeepsItsOrder)
{
    const CommBook before = Book();
    SortCommBook();
    EXPECT_TRUE(Book() == before);
}

TEST_F(CommBookOrderTest, LongerIdsSortBeforeTheirPrefixes)
{
    Put(40, "12   ", "TWO");
    Put(7, "123  ", "THREE");
    Put(90, "12345", "FIVE");
    Put(3, "1234 ", "FOUR");
    SortCommBook();
    EXPECT_EQ(Id(0), QByteArray("12345"));
    EXPECT_EQ(Id(1), QByteArray("1234 "));
    EXPECT_EQ(Id(2), QByteArray("123  "));
    EXPECT_EQ(Id(3), QByteArray("12   "));
    // Each name still belongs to its own call ID.
    EXPECT_EQ(Name(0), QByteArray("FIVE"));
    EXPECT_EQ(Name(1), QByteArray("FOUR"));
    EXPECT_EQ(Name(2), QByteArray("THREE"));
    EXPECT_EQ(Name(3), QByteArray("TWO"));
    EXPECT_TRUE(NumbersArePositions());
}

TEST_F(CommBookOrderTest, BlankCallIdSortsAfterDigitsAndBeforeFreeEntries)
{
    Put(5, "     ", "BLANK");
    Put(60, "99999", "NINES");
    Put(100, "0", "ZERO");
    SortCommBook();
    EXPECT_EQ(Name(0), QByteArray("ZERO"));
    EXPECT_EQ(Name(1), QByteArray("NINES"));
    EXPECT_EQ(Name(2), QByteArray("BLANK"));
    EXPECT_EQ(Book()[3].CallId, FixStr<5>::EmptyNul());
}

TEST_F(CommBookOrderTest, SortingASortedBookChangesNothing)
{
    Put(0, "555  ", "A");
    Put(20, "1", "B");
    Put(21, "30000", "C");
    SortCommBook();
    const CommBook once = Book();
    SortCommBook();
    EXPECT_TRUE(Book() == once);
}

TEST_F(CommBookOrderTest, EqualKeysDoNotKeepTheirOrder)
{
    // Exchange sort: entry 2 ("1") changes places with entry 0 and so passes entry 1, which has
    // the same key as entry 0. The same happens to the free entries in the second book.
    Put(0, "5", "X");
    Put(1, "5", "Y");
    Put(2, "1", "Z");
    SortCommBook();
    EXPECT_EQ(Name(0), QByteArray("Z"));
    EXPECT_EQ(Name(1), QByteArray("Y"));
    EXPECT_EQ(Name(2), QByteArray("X"));
    EXPECT_EQ(Name(3), QByteArray("F3"));
    EXPECT_EQ(Name(127), QByteArray("F127"));

    FillDefault();
    Put(2, "7", "S");
    SortCommBook();
    EXPECT_EQ(Name(0), QByteArray("S"));
    EXPECT_EQ(Name(1), QByteArray("F1"));
    EXPECT_EQ(Name(2), QByteArray("F0"));
    EXPECT_EQ(Name(3), QByteArray("F3"));
    EXPECT_TRUE(NumbersArePositions());
}

TEST_F(CommBookOrderTest, ForeignBookLosesNoEntry)
{
    // Numbers that are not the positions, and a call ID that is not hexadecimal.
    for (int i = 0; i < kCommBookEntries; ++i)
        Book()[i].Number = static_cast<int16_t>(i % 3 == 0 ? 0 : 500 + i);
    Put(10, "12X45", "BAD");
    Put(11, "44", "GOOD");
    QList<QByteArray> before;
    for (int i = 0; i < kCommBookEntries; ++i)
        before << Book()[i].Name.toByteArray() + Book()[i].CallId.toByteArray();
    SortCommBook();
    QList<QByteArray> after;
    for (int i = 0; i < kCommBookEntries; ++i)
        after << Book()[i].Name.toByteArray() + Book()[i].CallId.toByteArray();
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(before, after);
    EXPECT_TRUE(NumbersArePositions());
    EXPECT_EQ(Name(0), QByteArray("GOOD"));
    EXPECT_EQ(Name(127), QByteArray("BAD")); // an unreadable key sorts after the free entries
}

} // namespace
