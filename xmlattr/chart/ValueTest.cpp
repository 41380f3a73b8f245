// Value: classification, the copy rule's kept members, comparisons and the text form.
#include "xmlattr/chart/Value.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>

namespace Xml {
namespace {

using Core::DateTime, Core::String;
using namespace std::string_literals;

DateTime const kOld(1999, 9, 9), kDay(2010, 12, 25);

// An attribute whose members are set, directly, to what neither a read nor a copy gives.
struct Sentinel : TXmlAttribute<Value> {
    Sentinel() : TXmlAttribute<Value>(String(u"old")) {
        (*this)->floatValue = 7.0f;
        (*this)->dateTimeValue = kOld;
        (*this)->setOrdinal(5);
    }
};

auto members(Value const& v) {
    return std::tuple(v.type, v.stringValue, v.floatValue, v.dateTimeValue, v.ordinal);
}

// The whole text is kept, the ordinal unset, and the member of the other type left alone. A
// text writes itself; other values are written as `written`.
TEST(Value, ReaderClassifiesAndKeepsTheOtherTypesMember) {
    std::u16string const zeros(100000, u'0');
    // clang-format off
    struct { std::u16string text; ValueType type; float number; char16_t const* written = nullptr; } const rows[] = {
        {u"12/25/2010", ValueDateTime, 7.0f, u"12/25/2010"}, {u"3.75", ValueFloat, 3.75f, u"3"}, {u"-2.5", ValueFloat, -2.5f, u"-2"},
        {u"2010", ValueFloat, 2010.0f, u"2010"}, {u" 5 ", ValueFloat, 5.0f, u"5"}, {u"50%", ValueFloat, 50.0f, u"50"}, // as the number reader
        {u"2147483648", ValueFloat, 2147483648.0f, u"2147483647"}, {u"-1e10", ValueFloat, -1e10f, u"-2147483648"}, // the nearest limit
        {u"Apples", ValueString, 7.0f}, {u"2/29/2011", ValueString, 7.0f}, {u"1e39", ValueString, 7.0f},
        // Hostile: a number however long is taken, past every float it is text, far below the
        // smallest 0; NUL and unpaired surrogates are text, and a date followed by one no date.
        {zeros + u"1.5", ValueFloat, 1.5f, u"1"}, {u"1e-99999999999", ValueFloat, 0.0f, u"0"}, {u"1e99999999999", ValueString, 7.0f},
        {u"\0"s, ValueString, 7.0f}, {u"1/1/2000\0"s, ValueString, 7.0f}, {u"\xDC00", ValueString, 7.0f},
    };
    // clang-format on
    for (auto const& row : rows) {
        String const text{std::u16string_view(row.text)};
        SCOPED_TRACE(String(std::u16string_view(row.text).substr(0, 20)).toUtf8());
        Sentinel attribute;
        ASSERT_TRUE(attribute.parseValue(text));
        DateTime const date = row.type == ValueDateTime ? kDay : kOld;
        EXPECT_EQ(members(*attribute), std::tuple(row.type, text, row.number, date, -1));
        EXPECT_EQ(attribute->getValue(), row.written ? String(row.written) : text);
    }
    Sentinel attribute;
    EXPECT_FALSE(attribute.parseValue(String()));
    EXPECT_EQ(members(*attribute), std::tuple(ValueString, String(u"old"), 7.0f, kOld, 5));
}

// Type, text and ordinal are copied, and of the number and the date only the member of the
// source's type; the other keeps the target's, which for a new value is 0 or no date.
TEST(Value, CopiesOnlyTheMemberOfTheSourcesType) {
    Value stray(String(u"pear"));
    stray.floatValue = 9.0f;
    stray.dateTimeValue = kDay;
    Sentinel number, date, text;
    number.copyFrom(TXmlAttribute<Value>(2.5f));
    date.copyFrom(TXmlAttribute<Value>(kDay));
    text.copyFrom(TXmlAttribute<Value>(stray));
    EXPECT_EQ(members(*number), std::tuple(ValueFloat, String(), 2.5f, kOld, -1));
    EXPECT_EQ(members(*date), std::tuple(ValueDateTime, String(), 7.0f, kDay, -1));
    EXPECT_EQ(members(*text), std::tuple(ValueString, String(u"pear"), 7.0f, kOld, -1));
    EXPECT_EQ(members(Value(stray)),
              std::tuple(ValueString, String(u"pear"), 0.0f, DateTime(), -1));
}

TEST(Value, ComparisonsFollowTheLeftOperandsType) {
    String const pear(u"pear");
    // clang-format off
    struct { Value left; Value right; char const* expected; } const rows[] = { // ==, <, >
        {Value(1.0f), Value(1.0f), "=.."}, {Value(1.0f), Value(2.0f), ".<."}, {Value(kDay), Value(DateTime()), "..>"},
        {Value(pear), Value(String(u"apple")), ".<."}, {Value(pear), Value(String(u"plum")), "..."},
        {Value(pear), Value(String(u"Pear")), "..."}, {Value(), Value(), "..."}, {Value(1.0f), Value(kDay), "..."},
        {Value(0.0f), Value(pear), "=.."}, // the right operand's number, though it is a text
    };
    // clang-format on
    for (auto const& row : rows) {
        std::string const found = {row.left == row.right ? '=' : '.',
                                   row.left < row.right ? '<' : '.',
                                   row.left > row.right ? '>' : '.'};
        EXPECT_EQ(found, row.expected);
        EXPECT_EQ(TXmlAttribute<Value>(row.left) != row.right, row.expected[0] != '=');
    }
}

// The text form of what no text reads as.
TEST(Value, TextFormOfUnreadValues) {
    Value renamed(3.7f);
    renamed.setValue(u"x"); // the text changes, not the type
    EXPECT_EQ(renamed.getValue(), String(u"3"));
    EXPECT_EQ(Value(std::numeric_limits<float>::quiet_NaN()).getValue(), String(u"0"));
    EXPECT_EQ(Value().getValue(), String());
}

} // namespace
} // namespace Xml
