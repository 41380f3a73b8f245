// The readers and writers that are not one keyword per number: folded keywords, angles,
// counts, strengths, weights, whole numbers, free text; the corpus.
#include "xmlattr/keywords/AreaKeywords.h"
#include "xmlattr/keywords/FontKeywords.h"
#include "xmlattr/keywords/GraphicsKeywords.h"
#include "xmlattr/keywords/ImageKeywords.h"
#include "xmlattr/keywords/PaginationKeywords.h"
#include "xmlattr/keywords/PlainAttributes.h"
#include "xmlattr/keywords/PositionKeywords.h"
#include "xmlattr/keywords/UrlAttribute.h"

#include "testing/AttributeRows.h"
#include "testing/KeywordCorpus.h"
#include "xmlattr/platform/Allocator.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace Xml {
namespace {

using namespace std::string_literals;

constexpr int kSentinel = 4242;
std::u16string const kZeros(5000, u'0'), kNines(5000, u'9');

Core::String text(std::u16string const& units) { return Core::String(std::u16string_view(units)); }

struct Accepted {
    std::u16string text;
    int number;              // held after reading
    char16_t const* written; // what that number writes
};

// Each accepted text reads to its number and writes back; each rejected one returns false
// and leaves the held kSentinel.
template <class E>
void checkReads(std::initializer_list<Accepted> accepted,
                std::initializer_list<std::u16string> rejected) {
    for (Accepted const& row : accepted) {
        SCOPED_TRACE(text(row.text.substr(0, 20)).toUtf8());
        TXmlAttribute<E> attribute(static_cast<E>(kSentinel));
        EXPECT_TRUE(attribute.parseValue(text(row.text)));
        EXPECT_EQ(static_cast<int>(*attribute), row.number);
        EXPECT_EQ(attribute.getValueAsString(), Core::String(row.written));
    }
    for (std::u16string const& units : rejected) {
        SCOPED_TRACE(text(units.substr(0, 20)).toUtf8());
        TXmlAttribute<E> attribute(static_cast<E>(kSentinel));
        EXPECT_FALSE(attribute.parseValue(text(units)));
        EXPECT_EQ(static_cast<int>(*attribute), kSentinel);
    }
}

// Writes each number; nullptr stands for the exception at `line` of `file`.
template <class E>
void checkWrites(std::initializer_list<std::pair<int, char16_t const*>> rows,
                 char16_t const* file = nullptr, int line = 0) {
    for (auto const& [number, written] : rows) {
        SCOPED_TRACE(number);
        TXmlAttribute<E> attribute(static_cast<E>(number));
        if (written == nullptr) {
            xmlattr_testing::expectUnreachable([&] { (void)attribute.getValueAsString(); }, file,
                                               line);
        } else {
            EXPECT_EQ(attribute.getValueAsString(), Core::String(written));
        }
    }
}

// clang-format off
TEST(SpecialReaders, TextAlignFoldsRelativeKeywordsAndWritesNineNumbers) {
    checkReads<TextAlign>(
        {{u"left", 1, u"left"},     {u"start", 1, u"left"},     {u"inside", 1, u"left"},
         {u"right", 2, u"right"},   {u"end", 2, u"right"},      {u"outside", 2, u"right"},
         {u"center", 3, u"center"}, {u"justify", 4, u"justify"}},
        {u"Left", u"START", u" end", u"", u"centre", u"inherit"});
    checkWrites<TextAlign>({{0, u"left"}, {5, u"start"}, {6, u"end"}, {7, u"inside"},
                            {8, u"outside"}, {9, nullptr}, {-1, nullptr}, {INT_MIN, nullptr}},
                           u"MiscAttributes", 387);
}

TEST(SpecialReaders, OverflowWritesTheFirstSpellingOfEachNumber) {
    checkReads<Overflow>(
        {{u"visible", 0, u"visible"}, {u"repeat", 0, u"visible"}, {u"auto", 0, u"visible"},
         {u"hidden", 1, u"hidden"},   {u"scroll", 1, u"hidden"},
         {u"error-if-overflow", 2, u"error-if-overflow"}},
        {u"Visible", u"hidden ", u""});
    checkWrites<Overflow>({{3, u""}, {-1, u""}});
}

TEST(SpecialReaders, ReferenceOrientationReadsQuarterTurnsFromAngles) {
    checkReads<ReferenceOrientation>(
        {{u"0", 0, u"0"},       {u"90", 1, u"90"},     {u"-270", 1, u"90"},
         {u"180", 2, u"180"},   {u"-180", 2, u"180"},  {u"270", 3, u"270"},
         {u"-90", 3, u"270"},   {u"+90", 1, u"90"},
         // The angle is read as atoi reads it: leading blanks go, reading stops at the
         // first character that is no digit, and no digits at all is the angle 0.
         {u" 90", 1, u"90"},    {u"90deg", 1, u"90"},  {u"180.5", 2, u"180"},
         {u"", 0, u"0"},        {u"auto", 0, u"0"},    {kZeros + u"90", 1, u"90"},
         {u"-90\0"s, 3, u"270"}}, // a NUL after it changes nothing
        // The last is clamped to the largest int: no quarter turn.
        {u"360", u"45", u"-360", u"450", u"99999999999"});
    checkWrites<ReferenceOrientation>({{4, nullptr}, {-1, nullptr}}, u"MiscAttributes", 462);
}

TEST(SpecialReaders, MaxRepeatsReadsEveryTextAsACount) {
    checkReads<MaxRepeats>(
        {{u"no-limit", -1, u""}, {u"3", 3, u""},  {u"0", 0, u""},  {u"-5", 0, u""},
         {u"12abc", 12, u""},    {u"", 0, u""},   {u"99999999999", INT_MAX, u""},
         {kNines, INT_MAX, u""}, {u"-" + kNines, 0, u""},
         {u"No-Limit", 0, u""}}, // not the keyword: no digits, so a count of 0
        {});
}

// Its keywords are a row of the keyword tables' test.
TEST(SpecialReaders, KeepReadsAnIntegerStrength) {
    checkReads<Keep>(
        {{u"7", 1, u"always"}, {u"1", 1, u"always"}, {u"+3", 1, u"always"},
         {u"0", 0, u"auto"},   {u"-1", 0, u"auto"},  {u"-" + kZeros + u"1", 0, u"auto"}},
        {u"1.5", u"7x", u"99999999999", kNines});
}

TEST(SpecialReaders, FontWeightIsBoldAbove400) {
    checkReads<FontWeight>(
        {{u"bold", 1, u"bold"},       {u"bolded", 1, u"bold"}, {u"bolder", 1, u"bold"},
         {u"normal", 0, u"normal"},   {u"lighter", 0, u"normal"},
         {u"401", 1, u"bold"},        {u"700", 1, u"bold"},    {u"400", 0, u"normal"},
         {u"100", 0, u"normal"},      {u"-900", 0, u"normal"}},
        {u"Bold", u"heavy", u" bold", u"", u"600.5", kNines});
    checkWrites<FontWeight>({{2, u"normal"}, {-1, u"normal"}, {INT_MAX, u"normal"}});
}

TEST(SpecialReaders, FontStyleReadsObliqueAsItalic) {
    checkReads<FontStyle>(
        {{u"normal", 0, u"normal"},   {u"italic", 1, u"italic"}, {u"oblique", 1, u"italic"},
         {u"backslant", 3, u"backslant"}},
        {u"Italic", u""});
    checkWrites<FontStyle>({{2, u"oblique"}, {4, nullptr}, {-1, nullptr}}, u"FontAttributes", 144);
}
// clang-format on

TEST(PlainAttributes, IntegersReadStrictlyAndWriteTheirDecimalText) {
    // clang-format off
    xmlattr_testing::expectRows<int>(kSentinel, {
        {u"4", true, 4, u"4"},     {u"-12", true, -12, u"-12"}, {u" 3 ", true, 3, u"3"}, {u"+7", true, 7, u"7"},
        {u"50%", true, 50, u"50"}, {u"2147483647", true, INT_MAX, u"2147483647"},
        {u"", false, 0},           {u"1.5", false, 0},          {u"2x", false, 0},       {u"2147483648", false, 0},
    });
    // clang-format on
}

// Every code unit is kept, NUL and surrogates included.
TEST(PlainAttributes, FreeTextIsKeptAsItStands) {
    TXmlAttribute<Core::String> attribute(Core::String(u"Times"));
    for (std::u16string const& units :
         {u""s, u"  serif, 'Andale Mono' "s, u"\"quoted\""s, u"a text longer than fifteen units"s,
          u"a\0\xD800"
          u"b"s}) {
        SCOPED_TRACE(text(units).toUtf8());
        EXPECT_TRUE(static_cast<XmlAttribute&>(attribute).parseValue(text(units)));
        EXPECT_EQ(attribute.getValueAsString(), text(units));
    }
}

// The keyword readers' hostile texts are rows of their tables above.
TEST(PlainAttributes, HostileText) {
    // Thousands of leading zeros are read, thousands of nines are out of range.
    TXmlAttribute<int> count(kSentinel);
    EXPECT_TRUE(count.parseValue(text(kZeros + u"42")));
    EXPECT_EQ(*count, 42);
    EXPECT_FALSE(count.parseValue(text(kNines)));
    EXPECT_FALSE(count.parseValue(text(u"4\0"s)));
    EXPECT_EQ(*count, 42);

    // An unpaired surrogate after a keyword makes a different text (a NUL: the engine's rows).
    TXmlAttribute<Span> span(SpanNone);
    EXPECT_FALSE(span.parseValue(text(u"ALL\xD800")));
    EXPECT_EQ(*span, SpanNone);

    // References keep every code unit, NUL and surrogates included.
    TXmlAttribute<Url> url;
    EXPECT_TRUE(url.parseValue(text(u"url(a\0\xDC00)"s)));
    EXPECT_EQ(url->getUrl(), text(u"a\0\xDC00"s));
}

TEST(KeywordCorpus, RealValuesAllReadAndWithoutTheHeap) {
    auto const values = xmlattr_testing::keywordCorpus();
    ASSERT_GT(values.size(), 60u);
    std::uint64_t const before = Core::Allocator::allocations();
    for (xmlattr_testing::KeywordValue const& value : values) {
        EXPECT_TRUE(value.parse(value.text)) << value.attribute << " " << value.text.toUtf8();
    }
    EXPECT_EQ(Core::Allocator::allocations(), before);
}

} // namespace
} // namespace Xml
