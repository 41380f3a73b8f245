// Month/day/year dates: reading, writing and ordering.
#include "xmlattr/platform/DateTime.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Core::DateTime;

std::tuple<int, int, int> fields(DateTime const& date) {
    return {date.getYear(), date.getMonth(), date.getDay()};
}

// Each text gives its date, which writes month and day without zeros and the year with four
// digits, and that text reads back to the same date.
TEST(DateTime, ReadsAndWritesMonthDayYear) {
    // clang-format off
    using Date = std::tuple<int, int, int>;
    struct Row { char16_t const* text; Date date; char16_t const* written; };
    Row const rows[] = {
        {u"12/25/2010", {2010, 12, 25}, u"12/25/2010"}, {u"1/5/2010", {2010, 1, 5}, u"1/5/2010"},
        {u"02/29/2024", {2024, 2, 29}, u"2/29/2024"},  {u"2/29/2000", {2000, 2, 29}, u"2/29/2000"},
        {u"4/30/2000", {2000, 4, 30}, u"4/30/2000"},   {u"01/01/0001", {1, 1, 1}, u"1/1/0001"},
        {u"03/4/0099", {99, 3, 4}, u"3/4/0099"},     {u"12/31/9999", {9999, 12, 31}, u"12/31/9999"},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        DateTime out(7, 7, 7);
        ASSERT_TRUE(DateTime::parseMDYDate(row.text, out));
        EXPECT_EQ(fields(out), row.date);
        Core::String const text = out.toDateString(Core::DateFormatMonthDayYear);
        EXPECT_EQ(text, Core::String(row.written));
        DateTime back;
        ASSERT_TRUE(DateTime::parseMDYDate(text, back));
        EXPECT_EQ(back, out);
    }
}

TEST(DateTime, RejectsOtherTextAndKeepsOut) {
    // clang-format off
    Core::String const rows[] = {
        u"2/29/2023", u"2/29/1900", u"13/1/2000", u"0/1/2000", u"1/0/2000", u"1/32/2000",
        u"4/31/2000", u"12/25/10", u"12/25/20100", u" 12/25/2010", u"12/25/2010 ", u"12-25-2010",
        u"", u"1", u"/", u"1//2000", u"//", u"1/1/", u"1/1/0000", u"+1/1/2000", u"001/1/2000",
        u"1/001/2000", u"1/1/-200", u"1/1/+200", u"\uFF11/1/2000", u"12/25/2010/",
        Core::String(u"1/1/2000\0", 9),
    };
    // clang-format on
    for (Core::String const& text : rows) {
        DateTime out(7, 7, 7);
        EXPECT_FALSE(DateTime::parseMDYDate(text, out)) << text.toUtf8();
        EXPECT_EQ(fields(out), std::tuple(7, 7, 7)) << text.toUtf8();
    }
}

// No date, or a format other than number 1, writes nothing; dates order by year, month, day.
TEST(DateTime, NoDateUnknownFormatsAndOrder) {
    EXPECT_EQ(fields(DateTime()), std::tuple(0, 0, 0));
    EXPECT_TRUE(DateTime().toDateString(Core::DateFormatMonthDayYear).empty());
    EXPECT_TRUE(DateTime(2010, 1, 1).toDateString(static_cast<Core::DateFormat>(0)).empty());
    EXPECT_TRUE(DateTime(2010, 1, 1).toDateString(static_cast<Core::DateFormat>(2)).empty());
    EXPECT_LT(DateTime(1999, 12, 31), DateTime(2000, 1, 1));
    EXPECT_LT(DateTime(2000, 1, 31), DateTime(2000, 2, 1));
    EXPECT_GT(DateTime(2000, 2, 2), DateTime(2000, 2, 1));
    EXPECT_FALSE(DateTime(2000, 2, 2) < DateTime(2000, 2, 2));
    EXPECT_NE(DateTime(2000, 2, 2), DateTime(2000, 2, 3));
}

} // namespace
