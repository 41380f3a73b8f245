// Core::Vector: growth, copies and element lifetimes.
#include "xmlattr/platform/Vector.h"

#include "xmlattr/platform/String.h"

#include <gtest/gtest.h>

#include <utility>

namespace Core {
namespace {

// Counts live instances, so that leaks and double destruction show.
struct Tracked {
    static inline int live = 0;
    int value;
    explicit Tracked(int v) : value(v) { ++live; }
    Tracked(Tracked const& other) : value(other.value) { ++live; }
    ~Tracked() { --live; }
    bool operator==(Tracked const& other) const { return value == other.value; }
};

TEST(Vector, GrowsKeepingElementsAndLifetimes) {
    {
        Vector<Tracked> items;
        for (int i = 0; i < 100; ++i) {
            items.emplace_back(i);
        }
        EXPECT_EQ(items.size(), 100);
        EXPECT_EQ(Tracked::live, 100);
        for (int i = 0; i < 100; ++i) {
            ASSERT_EQ(items[i].value, i);
        }
        items.push_back(items[0]); // an element of its own, across a reallocation
        EXPECT_EQ(items.back().value, 0);
        items.pop_back();
        Vector<Tracked> copy = items;
        EXPECT_TRUE(copy == items);
        copy.pop_back();
        EXPECT_FALSE(copy == items);
        Vector<Tracked> const& alias = copy;
        copy = alias;
        EXPECT_EQ(copy.size(), 99);
        items.clear();
        EXPECT_TRUE(items.empty());
        EXPECT_EQ(Tracked::live, 99);
    }
    EXPECT_EQ(Tracked::live, 0);
}

TEST(Vector, MovedFromIsEmptyAndReusable) {
    using Items = Vector<Tracked>;
    void (*const moves[])(Items&, Items&) = {
        [](Items& from, Items& to) { Items(std::move(from)).swap(to); },
        [](Items& from, Items& to) { to = std::move(from); }};
    for (auto const move : moves) {
        SCOPED_TRACE(move == moves[0] ? "move constructor" : "move assignment");
        {
            Items from{Tracked(1), Tracked(2), Tracked(3)};
            Items to{Tracked(7)};
            move(from, to);
            EXPECT_TRUE(from.empty() && from.capacity() == 0 && to.size() == 3);
            from.push_back(Tracked(4));
            ASSERT_EQ(from.size(), 1);
            EXPECT_EQ(from[0].value, 4);
            from = to;
            move(from, to);
            from.emplace_back(5);
            ASSERT_EQ(from.size(), 1);
            EXPECT_EQ(from.back().value, 5);
            EXPECT_EQ(to[2].value, 3);
            EXPECT_EQ(Tracked::live, 4);
        }
        EXPECT_EQ(Tracked::live, 0);
    }
}

// Appending a block: into spare room and across a reallocation, for items copied bytewise and
// for items with a copy constructor of their own.
TEST(Vector, AppendsBlocksInOrder) {
    struct Row {
        int reserved;
        int before;
        int added;
    };
    constexpr Row kRows[] = {{0, 0, 0}, {0, 0, 3}, {8, 2, 3}, {4, 3, 5}, {0, 5, 40}};
    for (Row const& row : kRows) {
        SCOPED_TRACE(row.before * 100 + row.added);
        Vector<int> numbers;
        Vector<Tracked> tracked;
        numbers.reserve(row.reserved);
        tracked.reserve(row.reserved);
        for (int i = 0; i < row.before; ++i) {
            numbers.push_back(-i);
            tracked.emplace_back(-i);
        }
        Vector<int> source;
        Vector<Tracked> trackedSource;
        for (int i = 0; i < row.added; ++i) {
            source.push_back(i + 1);
            trackedSource.emplace_back(i + 1);
        }
        numbers.append(source.data(), source.size());
        tracked.append(trackedSource.data(), trackedSource.size());
        ASSERT_EQ(numbers.size(), row.before + row.added);
        ASSERT_EQ(tracked.size(), row.before + row.added);
        for (int i = 0; i < numbers.size(); ++i) {
            int const expected = i < row.before ? -i : i - row.before + 1;
            EXPECT_EQ(numbers[i], expected);
            EXPECT_EQ(tracked[i].value, expected);
        }
        EXPECT_EQ(Tracked::live, 2 * row.added + row.before);
    }
    EXPECT_EQ(Tracked::live, 0);
}

} // namespace
} // namespace Core
