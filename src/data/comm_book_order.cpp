#include "data/comm_book_order.h"

#include <array>
#include <utility>

#include "data/app_state.h"
#include "data/value_rules.h"

std::optional<uint32_t> CommBookKey(const QByteArray &callId)
{
    QByteArray key = callId;
    key.replace(' ', 'A');
    key = TrimFixStr(key);
    while (key.size() < 5)
        key.append('B');
    uint32_t value = 0;
    for (char c : key) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else
            return std::nullopt;
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return value;
}

void SortCommBook()
{
    auto &book = State().RadioData.CommBook;
    struct WorkEntry {
        BookEntry entry;
        std::optional<uint32_t> key;
    };
    std::array<WorkEntry, kCommBookEntries> work;
    for (int i = 0; i < kCommBookEntries; ++i)
        work[i] = {book[i], CommBookKey(book[i].CallId.toByteArray())};

    // A key that cannot be read sorts after every readable one; two unreadable keys count as equal.
    auto smaller = [](const WorkEntry &a, const WorkEntry &b) {
        if (!a.key)
            return false;
        return !b.key || *a.key < *b.key;
    };
    for (int i = 0; i < kCommBookEntries - 1; ++i) {
        for (int j = i + 1; j < kCommBookEntries; ++j) {
            if (smaller(work[j], work[i]))
                std::swap(work[i], work[j]);
        }
    }
    for (int i = 0; i < kCommBookEntries; ++i) {
        book[i] = work[i].entry;
        book[i].Number = static_cast<int16_t>(i);
    }
}
