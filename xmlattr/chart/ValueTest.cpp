// Value: classification, the copy rule's kept members, comparisons and the text form.
#include "xmlattr/chart/Value.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace Xml {
namespace {

using Core::DateTime;
using Core::String;
using namespace std::string_literals;

DateTime const kOld(1999, 9, 9);

// An attribute whose members are set, directly, to what neither a read nor a copy gives.
struct Sentinel : TXmlAttribute<Value> {
    Sentinel() {
        *operator->() = Value(String(u"old"));
        operator->()->floatValue = 7.0f;
        operator->()->dateTimeValue = kOld;
        operator->()->setOrdinal(5);
    }
};

TEST(Value, ReaderClassifiesAndKeepsTheOtherTypesMember) {
    // clang-format off
    struct { char16_t const* text; ValueType type; float number; DateTime date; } const rows[] = {
        {u"12/25/2010", ValueDateTime, 7.0f, DateTime(2010, 12, 25)},
        {u"3.75", ValueFloat, 3.75f, kOld},  {u"2010", ValueFloat, 2010.0f, kOld},
        {u" 5 ", ValueFloat, 5.0f, kOld},    {u"50%", ValueFloat, 50.0f, kOld}, // as the number reader
        {u"Apples", ValueString, 7.0f, kOld}, {u"2/29/2011", ValueString, 7.0f, kOld},
        {u"1e39", ValueString, 7.0f, kOld},
    };
    // clang-format on
    for (auto const& row : rows) {
        SCOPED_TRACE(String(row.text).toUtf8());
        Sentinel attribute;
        ASSERT_TRUE(attribute.parseValue(row.text));
        EXPECT_EQ(attribute->getType(), row.type);
        EXPECT_EQ(attribute->getStringValue(), String(row.text));
        EXPECT_EQ(attribute->getFloatValue(), row.number);
        EXPECT_EQ(attribute->getDateTimeValue(), row.date);
        EXPECT_EQ(attribute->getOrdinal(), -1);
    }
    Sentinel attribute;
    EXPECT_FALSE(attribute.parseValue(String()));
    EXPECT_EQ(attribute->getOrdinal(), 5);
}

TEST(Value, HostileText) {
    std::u16string const zeros(100000, u'0');
    struct Row {
        std::u16string text;
        ValueType type;
        float number;
    };
    Row const rows[] = {
        // A number is taken when the strict reader takes it, however long; past every float
        // it is text, far below the smallest it is 0.
        {zeros + u"1.5", ValueFloat, 1.5f},
        {u"1e-99999999999", ValueFloat, 0.0f},
        {u"1e99999999999", ValueString, 7.0f},
        // NUL and unpaired surrogates are text, and a date followed by one is no date.
        {u"\0"s, ValueString, 7.0f},
        {u"1/1/2000\0"s, ValueString, 7.0f},
        {u"\xDC00", ValueString, 7.0f},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(String(std::u16string_view(row.text).substr(0, 20)).toUtf8());
        Sentinel attribute;
        String const text{std::u16string_view(row.text)};
        ASSERT_TRUE(attribute.parseValue(text));
        EXPECT_EQ(attribute->getType(), row.type);
        EXPECT_EQ(attribute->getStringValue(), text);
        EXPECT_EQ(attribute->getFloatValue(), row.number);
        EXPECT_EQ(attribute->getDateTimeValue(), kOld);
    }
}

TEST(Value, CopiesOnlyTheMemberOfTheSourcesType) {
    Sentinel const stray; // a text whose number and date were set by hand
    TXmlAttribute<Value> const number(2.5f);
    TXmlAttribute<Value> const date(Value(DateTime(2010, 12, 25)));
    // clang-format off
    struct { TXmlAttribute<Value> const* source; float number; DateTime date; } const rows[] = {
        {&number, 2.5f, kOld}, {&date, 7.0f, DateTime(2010, 12, 25)}, {&stray, 7.0f, kOld}};
    // clang-format on
    for (auto const& row : rows) {
        Value const& source = row.source->getValue();
        SCOPED_TRACE(source.getType());
        Sentinel attribute;
        attribute.copyFrom(*row.source);
        EXPECT_EQ(attribute->getType(), source.getType());
        EXPECT_EQ(attribute->getStringValue(), source.getStringValue());
        EXPECT_EQ(attribute->getOrdinal(), source.getOrdinal());
        EXPECT_EQ(attribute->getFloatValue(), row.number);
        EXPECT_EQ(attribute->getDateTimeValue(), row.date);
    }
    Value const copied(stray.getValue()); // a new value has nothing to keep
    EXPECT_EQ(copied.getFloatValue(), 0.0f);
    EXPECT_EQ(copied.getDateTimeValue(), DateTime());
}

TEST(Value, ComparisonsFollowTheLeftOperandsType) {
    DateTime const day(2010, 12, 25);
    String const pear(u"pear");
    // clang-format off
    struct { Value left; Value right; char const* expected; } const rows[] = { // ==, <, >
        {Value(1.0f), Value(1.0f), "=.."},         {Value(1.0f), Value(2.0f), ".<."},
        {Value(day), Value(DateTime()), "..>"},    {Value(pear), Value(String(u"apple")), ".<."},
        {Value(pear), Value(String(u"plum")), "..."}, {Value(pear), Value(String(u"Pear")), "..."},
        {Value(), Value(), "..."},                 {Value(1.0f), Value(day), "..."},
        {Value(0.0f), Value(pear), "=.."}, // the right operand's number, though it is a text
    };
    // clang-format on
    for (auto const& row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(row.left == row.right, row.expected[0] == '=');
        EXPECT_EQ(TXmlAttribute<Value>(row.left) != row.right, row.expected[0] != '=');
        EXPECT_EQ(row.left < row.right, row.expected[1] == '<');
        EXPECT_EQ(row.left > row.right, row.expected[2] == '>');
    }
}

TEST(Value, TextForm) {
    Value renamed(3.7f);
    renamed.setValue(u"x"); // the text changes, not the type
    // clang-format off
    std::pair<Value, char16_t const*> const rows[] = {
        {Value(3.7f), u"3"}, {Value(-2.5f), u"-2"}, {renamed, u"3"},
        {Value(2147483648.0f), u"2147483647"}, {Value(-1e10f), u"-2147483648"}, // the nearest limit
        {Value(std::numeric_limits<float>::quiet_NaN()), u"0"},
        {Value(DateTime(2010, 1, 5)), u"1/5/2010"}, {Value(String(u"A")), u"A"}, {Value(), u""},
    };
    // clang-format on
    for (auto const& [value, text] : rows) {
        SCOPED_TRACE(String(text).toUtf8());
        EXPECT_EQ(value.getValue(), String(text));
    }
}

} // namespace
} // namespace Xml
