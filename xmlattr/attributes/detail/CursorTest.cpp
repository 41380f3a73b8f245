// Cursor: each step's result and where it leaves the position; the constexpr steps are
// also proved at compile time.
#include "xmlattr/attributes/detail/Cursor.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace Xml::detail {
namespace {

// Runs one named step from `from` and gives what it cut out (or "1"/"0" for the skips).
constexpr std::u16string_view step(std::u16string_view text, int from, char which, int& to) {
    Cursor cursor(text, from);
    std::u16string_view piece;
    switch (which) {
    case 's':
        piece = cursor.skipSpace() ? u"1" : u"0";
        break;
    case 'n':
        piece = cursor.skipNonSpace() ? u"1" : u"0";
        break;
    case 'c':
        piece = cursor.skipSpaceAndComma() ? u"1" : u"0";
        break;
    case 'w':
        piece = cursor.word();
        break;
    case 'f':
        piece = cursor.wordOrFunction();
        break;
    case 'u':
        piece = cursor.until(u',');
        break;
    case 't':
        piece = cursor.takeWhile([](char16_t unit) { return unit >= u'a' && unit <= u'z'; });
        break;
    case '3':
        cursor.advance(3);
        break;
    default:
        break;
    }
    to = cursor.position();
    return piece;
}

constexpr bool steps(std::u16string_view text, int from, char which, std::u16string_view piece,
                     int to) {
    int reached = -1;
    return step(text, from, which, reached) == piece && reached == to;
}

static_assert(steps(u" , ,x", 0, 'c', u"1", 4)); // commas and blanks in any mix
static_assert(steps(u",,", 0, 'c', u"1", 2));    // commas alone
static_assert(steps(u"x,", 0, 'c', u"0", 0));
static_assert(steps(u" ,x", 0, 's', u"1", 1)); // a comma is not white space
static_assert(steps(u"ab c", 0, 'n', u"1", 2));
static_assert(steps(u"  meet slice", 0, 'w', u"meet", 6));
static_assert(steps(u"f(g(x)) y", 0, 'f', u"f(g(x)", 6));
static_assert(steps(u"rotate(45", 0, 'f', u"rotate(45", 9));
static_assert(steps(u"ab", 7, 'w', u"", 2)); // clamped into the text
static_assert(steps(u"ab", -4, 'w', u"ab", 2));
static_assert(steps(u"5 ,3", 0, 'u', u"5 ", 2)); // stops on the comma, white space kept
static_assert(steps(u",3", 0, 'u', u"", 0));
static_assert(steps(u"53", 1, 'u', u"3", 2));
static_assert(steps(u"abc(1)", 0, 't', u"abc", 3));
static_assert(steps(u"(1)", 0, 't', u"", 0));
static_assert(steps(u"xab", 1, 't', u"ab", 3)); // to the end
static_assert(steps(u"abcde", 1, '3', u"", 4));
static_assert(steps(u"abc", 1, '3', u"", 3)); // no further than the end
static_assert(Cursor(u"").peek() == u'\0');

struct StepRow {
    char16_t const* text;
    int from;
    char which;
    char16_t const* piece;
    int to;
};

TEST(Cursor, Steps) {
    StepRow const rows[] = {
        {u"\t\n\v\f\r,x", 0, 'c', u"1", 6},
        {u"", 0, 'c', u"0", 0},
        {u"a , b", 1, 'c', u"1", 4},
        {u"translate(10, 20) scale(2)", 0, 'f', u"translate(10, 20)", 17},
        {u"translate(10, 20) scale(2)", 17, 'f', u"scale(2)", 26},
        {u"(a)", 0, 'f', u"(a)", 3},
        {u"a\u00A0b c", 0, 'w', u"a\u00A0b", 3}, // only the C locale's white space
    };
    for (StepRow const& row : rows) {
        SCOPED_TRACE(testing::Message() << Core::String(row.text).toUtf8() << " " << row.which);
        int to = -1;
        EXPECT_EQ(step(row.text, row.from, row.which, to), std::u16string_view(row.piece));
        EXPECT_EQ(to, row.to);
    }
}

struct NumberRow {
    char16_t const* text;
    int from;
    bool read;
    double value;
    int to;
};

TEST(Cursor, Number) {
    NumberRow const rows[] = {
        {u"12pt", 0, true, 12, 2},        {u"1.5.5", 0, true, 1.5, 3}, {u"1.5.5", 3, true, 0.5, 5},
        {u"M-1e-5,2", 1, true, -1e-5, 6}, {u"1e", 0, true, 1, 1},      {u"+.5", 0, true, 0.5, 3},
        {u" 1", 0, false, -7, 0}, // white space is the caller's to skip
        {u"-", 0, false, -7, 0},          {u".", 0, false, -7, 0},     {u"e5", 0, false, -7, 0},
        {u"1e999", 0, false, -7, 0}, // out of range: neither moved nor written
        {u"5", 1, false, -7, 1},
    };
    for (NumberRow const& row : rows) {
        SCOPED_TRACE(testing::Message() << Core::String(row.text).toUtf8() << " from " << row.from);
        Cursor cursor(row.text, row.from);
        double value = -7;
        EXPECT_EQ(cursor.number(value), row.read);
        EXPECT_EQ(value, row.value);
        EXPECT_EQ(cursor.position(), row.to);
    }
}

TEST(Cursor, NumberTypes) {
    Cursor cursor(u"7.25 3");
    int whole = -1;
    float part = -1;
    EXPECT_TRUE(cursor.number(whole)); // an integer stops at the point
    EXPECT_EQ(whole, 7);
    EXPECT_TRUE(cursor.number(part));
    EXPECT_EQ(part, 0.25f);
    EXPECT_EQ(cursor.rest(), u" 3");
    EXPECT_FALSE(Cursor(u"2147483648").number(whole));
    EXPECT_EQ(whole, 7);
    // Ten digits and more take the long way, to the limits of int.
    Cursor longest(u"-2147483648,");
    EXPECT_TRUE(longest.number(whole));
    EXPECT_EQ(whole, std::numeric_limits<int>::min());
    EXPECT_EQ(longest.position(), 11);
}

} // namespace
} // namespace Xml::detail
