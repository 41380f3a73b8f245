// Core::Vector: growth, copies and element lifetimes.
#include "xmlattr/platform/Vector.h"

#include "xmlattr/platform/String.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace Core
