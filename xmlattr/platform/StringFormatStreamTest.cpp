// Tests of Core::StringFormatStream: placeholder substitution, argument kinds and storage.
#include "xmlattr/platform/StringFormatStream.h"

#include "xmlattr/platform/Allocator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace Core {
namespace {

using View = std::u16string_view;

String format(View pattern, std::initializer_list<View> arguments) {
    StringFormatStream stream(pattern);
    for (View argument : arguments) {
        stream << String(argument);
    }
    return stream.getString();
}

TEST(StringFormatStreamTest, Placeholders) {
    // clang-format off
    struct Row { View pattern; std::initializer_list<View> arguments; View expected; };
    Row const rows[] = {
        {u"{0} and {1}", {u"a", u"b"}, u"a and b"},     {u"{1}{0}{1}", {u"a", u"b"}, u"bab"},
        {u"[{0}]", {u""}, u"[]"},                 {u"no placeholder", {u"a"}, u"no placeholder"},
        {u"", {u"a"}, u""},                             {u"{0}", {}, u"{0}"},
        {u"{0}{2}", {u"a", u"b"}, u"a{2}"},             {u"{01}", {u"a", u"b"}, u"b"},
        {u"{99999999999999999999}", {u"a"}, u"{99999999999999999999}"},
        {u"{}{x}{-0}{+0}{ 0}{0 }{0:x}{0,2}", {u"a"}, u"{}{x}{-0}{+0}{ 0}{0 }{0:x}{0,2}"},
        {u"{ { } }{", {u"a"}, u"{ { } }{"},             {u"{0", {u"a"}, u"{0"},
        {u"0}", {u"a"}, u"0}"},                         {u"{{0}}", {u"a"}, u"{a}"},
        {u"{0}{1}", {u"{1}", u"x"}, u"{1}x"},           {u"{0}", {u"{0}"}, u"{0}"},
        {u"\U0001F600{0}\u00E9", {u"\U0001F601"}, u"\U0001F600\U0001F601\u00E9"},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(String(row.pattern).toUtf8());
        EXPECT_EQ(format(row.pattern, row.arguments).toUtf8(), String(row.expected).toUtf8());
    }
}

// Arguments past the eighth, consecutive ones from a `VariantArray` (the empty one adds none).
TEST(StringFormatStreamTest, ManyArgumentsAndVariantArrays) {
    VariantArray empty;
    VariantArray pair;
    pair << String(u"b") << String(u"c");
    VariantArray many;
    for (char16_t letter = u'e'; letter <= u'n'; ++letter) {
        many << String(View(&letter, 1));
    }
    ASSERT_EQ(many.size(), 10);
    StringFormatStream stream(u"{13}{12}{11}{10}{9}{0}{1}{2}{3}{4}{13}{14}{15}");
    stream << String(u"a") << empty << pair << String(u"d") << many << 7;
    EXPECT_EQ(stream.getString().toUtf8(), "nmlkjabcden7{15}");
}

// A stream keeps its own copy of the pattern; numbers take their shortest text (a float as a
// float); short arguments need no heap beyond the result, and a short result none at all.
TEST(StringFormatStreamTest, NumbersAndStorage) {
    std::u16string pattern = u"<{0}{1}{2}{3}{4}{5}{6}{7}>";
    StringFormatStream stream(pattern);
    pattern = u"changed";
    std::uint64_t const before = Allocator::allocations();
    stream << -1 << 2 << 3 << 4 << 5 << 0.1f << 0.3 << String(u"eight, on the heap");
    String const result = stream.getString();
    EXPECT_EQ(Allocator::allocations() - before, 1u) << "the result only";
    EXPECT_EQ(result.view(), View(u"<-123450.10.3eight, on the heap>"));
    EXPECT_EQ(stream.getString(), result);
    StringFormatStream shortStream(u"{0}-{1}-{2}");
    std::uint64_t const shortBefore = Allocator::allocations();
    shortStream << String(u"a") << 1e21 << String(u"c");
    EXPECT_EQ(shortStream.getString().view(), View(u"a-1e+21-c"));
    EXPECT_EQ(Allocator::allocations(), shortBefore);
}

} // namespace
} // namespace Core
