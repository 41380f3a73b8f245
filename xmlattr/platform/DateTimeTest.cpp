// Month/day/year dates: reading, writing and ordering.
#include "xmlattr/platform/DateTime.h"

#include <gtest/gtest.h>

namespace {

using Core::DateTime;

struct Date {
    int year, month, day;
};

void expectDate(DateTime const& actual, Date expected) {
    EXPECT_EQ(actual.getYear(), expected.year);
    EXPECT_EQ(actual.getMonth(), expected.month);
    EXPECT_EQ(actual.getDay(), expected.day);
}

TEST(DateTime, ParsesMonthDayYear) {
    struct Row {
        char16_t const* text;
        Date expected;
    };
    // clang-format off
    Row const rows[] = {
        {u"12/25/2010", {2010, 12, 25}},
        {u"1/5/2010",   {2010, 1, 5}},
        {u"02/29/2024", {2024, 2, 29}},
        {u"2/29/2000",  {2000, 2, 29}},
        {u"4/30/2000",  {2000, 4, 30}},
        {u"01/01/0001", {1, 1, 1}},
        {u"12/31/9999", {9999, 12, 31}},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        DateTime out(7, 7, 7);
        ASSERT_TRUE(DateTime::parseMDYDate(row.text, out));
        expectDate(out, row.expected);
    }
}

TEST(DateTime, RejectsOtherTextAndKeepsOut) {
    // clang-format off
    Core::String const rows[] = {
        u"2/29/2023",  u"2/29/1900",   u"13/1/2000",   u"0/1/2000",    u"1/0/2000",
        u"1/32/2000",  u"4/31/2000",   u"12/25/10",    u"12/25/20100", u" 12/25/2010",
        u"12/25/2010 ", u"12-25-2010", u"",            u"1",           u"/",
        u"1//2000",    u"//",          u"1/1/",        u"1/1/0000",    u"+1/1/2000",
        u"001/1/2000", u"1/001/2000",  u"1/1/-200",    u"1/1/+200",    u"\uFF11/1/2000",
        u"12/25/2010/", Core::String(u"1/1/2000\0", 9),
    };
    // clang-format on
    for (Core::String const& text : rows) {
        SCOPED_TRACE(text.toUtf8());
        DateTime out(7, 7, 7);
        EXPECT_FALSE(DateTime::parseMDYDate(text, out));
        expectDate(out, {7, 7, 7});
    }
}

TEST(DateTime, WritesMonthDayYearAndReadsItBack) {
    struct Row {
        Date date;
        char16_t const* text;
    };
    // clang-format off
    Row const rows[] = {
        {{2010, 12, 25}, u"12/25/2010"},
        {{2010, 1, 5},   u"1/5/2010"},
        {{99, 3, 4},     u"3/4/0099"},
        {{1, 1, 1},      u"1/1/0001"},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        DateTime const date(row.date.year, row.date.month, row.date.day);
        Core::String const text = date.toDateString(Core::DateFormatMonthDayYear);
        EXPECT_EQ(text, Core::String(row.text));
        DateTime back;
        ASSERT_TRUE(DateTime::parseMDYDate(text, back));
        EXPECT_EQ(back, date);
    }
}

TEST(DateTime, NoDateOrUnknownFormatWritesNothing) {
    EXPECT_EQ(DateTime(), DateTime(0, 0, 0));
    EXPECT_TRUE(DateTime().toDateString(Core::DateFormatMonthDayYear).empty());
    EXPECT_TRUE(DateTime(2010, 1, 1).toDateString(static_cast<Core::DateFormat>(0)).empty());
    EXPECT_TRUE(DateTime(2010, 1, 1).toDateString(static_cast<Core::DateFormat>(2)).empty());
}

TEST(DateTime, OrdersByYearThenMonthThenDay) {
    EXPECT_LT(DateTime(1999, 12, 31), DateTime(2000, 1, 1));
    EXPECT_LT(DateTime(2000, 1, 31), DateTime(2000, 2, 1));
    EXPECT_GT(DateTime(2000, 2, 2), DateTime(2000, 2, 1));
    EXPECT_FALSE(DateTime(2000, 2, 2) < DateTime(2000, 2, 2));
    EXPECT_NE(DateTime(2000, 2, 2), DateTime(2000, 2, 3));
}

} // namespace
