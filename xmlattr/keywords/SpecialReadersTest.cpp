// The readers and writers that are not one keyword per number: folded keywords, angles,
// counts, strengths, weights, the lenient display, whole numbers, free text; the corpus.
#include "xmlattr/keywords/FontAttributes.h"
#include "xmlattr/keywords/GraphicsKeywords.h"
#include "xmlattr/keywords/MiscAttributes.h"
#include "xmlattr/keywords/PaginationKeywords.h"
#include "xmlattr/keywords/PlainAttributes.h"

#include "testing/KeywordCorpus.h"
#include "testing/LogCapture.h"
#include "xmlattr/platform/Allocator.h"
#include "xmlattr/platform/Exception.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace Xml {
namespace {

constexpr int kSentinel = 4242;

struct ReadRow {
    char16_t const* text;
    bool accepted;
    int number;              // held after reading, from kSentinel
    char16_t const* written; // what the held number writes, when accepted
};

// Reads each row into an attribute holding kSentinel and writes the result back.
template <class E> void checkRows(std::initializer_list<ReadRow> rows) {
    for (ReadRow const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<E> attribute(static_cast<E>(kSentinel));
        EXPECT_EQ(attribute.parseValue(row.text), row.accepted);
        EXPECT_EQ(static_cast<int>(*attribute), row.accepted ? row.number : kSentinel);
        if (row.accepted && row.written != nullptr) {
            EXPECT_EQ(attribute.getValueAsString(), Core::String(row.written));
        }
    }
}

// Writes each number; nullptr stands for the exception at `line` of `file`.
template <class E>
void checkWrites(std::initializer_list<std::pair<int, char16_t const*>> rows,
                 char16_t const* file = nullptr, int line = 0) {
    for (auto const& [number, written] : rows) {
        SCOPED_TRACE(number);
        TXmlAttribute<E> attribute(static_cast<E>(number));
        if (written != nullptr) {
            EXPECT_EQ(attribute.getValueAsString(), Core::String(written));
            continue;
        }
        xmlattr_testing::LogCapture log;
        try {
            (void)attribute.getValueAsString();
            ADD_FAILURE() << "no exception";
        } catch (Core::UnreacheableCodeException const& error) {
            EXPECT_EQ(error.getFile(), Core::String(file));
            EXPECT_EQ(error.getLine(), line);
        }
        EXPECT_EQ(log.entries().size(), 1u);
    }
}

TEST(SpecialReaders, TextAlignFoldsRelativeKeywordsAndWritesNineNumbers) {
    checkRows<TextAlign>({
        {u"left", true, 1, u"left"},
        {u"start", true, 1, u"left"},
        {u"inside", true, 1, u"left"},
        {u"right", true, 2, u"right"},
        {u"end", true, 2, u"right"},
        {u"outside", true, 2, u"right"},
        {u"center", true, 3, u"center"},
        {u"justify", true, 4, u"justify"},
        {u"Left", false, 0, nullptr},
        {u"START", false, 0, nullptr},
        {u" end", false, 0, nullptr},
        {u"", false, 0, nullptr},
        {u"centre", false, 0, nullptr},
        {u"inherit", false, 0, nullptr},
    });
    checkWrites<TextAlign>({{0, u"left"},
                            {5, u"start"},
                            {6, u"end"},
                            {7, u"inside"},
                            {8, u"outside"},
                            {9, nullptr},
                            {-1, nullptr},
                            {INT_MIN, nullptr}},
                           u"MiscAttributes", 387);
}

TEST(SpecialReaders, OverflowWritesTheFirstSpellingOfEachNumber) {
    checkRows<Overflow>({
        {u"visible", true, 0, u"visible"},
        {u"repeat", true, 0, u"visible"},
        {u"auto", true, 0, u"visible"},
        {u"hidden", true, 1, u"hidden"},
        {u"scroll", true, 1, u"hidden"},
        {u"error-if-overflow", true, 2, u"error-if-overflow"},
        {u"Visible", false, 0, nullptr},
        {u"hidden ", false, 0, nullptr},
        {u"", false, 0, nullptr},
    });
    checkWrites<Overflow>({{3, u""}, {-1, u""}});
}

TEST(SpecialReaders, ReferenceOrientationReadsQuarterTurnsFromAngles) {
    checkRows<ReferenceOrientation>({
        {u"0", true, 0, u"0"},
        {u"90", true, 1, u"90"},
        {u"-270", true, 1, u"90"},
        {u"180", true, 2, u"180"},
        {u"-180", true, 2, u"180"},
        {u"270", true, 3, u"270"},
        {u"-90", true, 3, u"270"},
        {u"+90", true, 1, u"90"},
        {u"360", false, 0, nullptr},
        {u"45", false, 0, nullptr},
        {u"-360", false, 0, nullptr},
        {u"450", false, 0, nullptr},
        // The angle is read as atoi reads it: leading blanks go, reading stops at the first
        // character that is no digit, and no digits at all is the angle 0.
        {u" 90", true, 1, u"90"},
        {u"90deg", true, 1, u"90"},
        {u"180.5", true, 2, u"180"},
        {u"", true, 0, u"0"},
        {u"auto", true, 0, u"0"},
        {u"99999999999", false, 0, nullptr}, // clamped to the largest int, no quarter turn
    });
    checkWrites<ReferenceOrientation>({{4, nullptr}, {-1, nullptr}}, u"MiscAttributes", 462);
}

TEST(SpecialReaders, MaxRepeatsReadsEveryTextAsACount) {
    checkRows<MaxRepeats>({
        {u"no-limit", true, -1, u""},
        {u"3", true, 3, u""},
        {u"0", true, 0, u""},
        {u"-5", true, 0, u""},
        {u"12abc", true, 12, u""},
        {u"No-Limit", true, 0, u""}, // not the keyword: no digits, so a count of 0
        {u"", true, 0, u""},
        {u"99999999999", true, INT_MAX, u""},
    });
}

TEST(SpecialReaders, KeepReadsAnIntegerStrength) {
    checkRows<Keep>({
        {u"auto", true, 0, u"auto"},
        {u"always", true, 1, u"always"},
        {u"7", true, 1, u"always"},
        {u"1", true, 1, u"always"},
        {u"0", true, 0, u"auto"},
        {u"-1", true, 0, u"auto"},
        {u"+3", true, 1, u"always"},
        {u"AUTO", false, 0, nullptr},
        {u"1.5", false, 0, nullptr},
        {u"7x", false, 0, nullptr},
        {u"99999999999", false, 0, nullptr},
        {u"", false, 0, nullptr},
    });
}

TEST(SpecialReaders, FontWeightIsBoldAbove400) {
    checkRows<FontWeight>({
        {u"bold", true, 1, u"bold"},
        {u"bolded", true, 1, u"bold"},
        {u"bolder", true, 1, u"bold"},
        {u"normal", true, 0, u"normal"},
        {u"lighter", true, 0, u"normal"},
        {u"401", true, 1, u"bold"},
        {u"700", true, 1, u"bold"},
        {u"400", true, 0, u"normal"},
        {u"100", true, 0, u"normal"},
        {u"-900", true, 0, u"normal"},
        {u"Bold", false, 0, nullptr},
        {u"heavy", false, 0, nullptr},
        {u" bold", false, 0, nullptr},
        {u"", false, 0, nullptr},
        {u"600.5", false, 0, nullptr},
    });
    checkWrites<FontWeight>({{2, u"normal"}, {-1, u"normal"}, {INT_MAX, u"normal"}});
}

TEST(SpecialReaders, FontStyleReadsObliqueAsItalic) {
    checkRows<FontStyle>({
        {u"normal", true, 0, u"normal"},
        {u"italic", true, 1, u"italic"},
        {u"oblique", true, 1, u"italic"},
        {u"backslant", true, 3, u"backslant"},
        {u"Italic", false, 0, nullptr},
        {u"", false, 0, nullptr},
    });
    checkWrites<FontStyle>({{2, u"oblique"}, {4, nullptr}, {-1, nullptr}}, u"FontAttributes", 144);
}

TEST(SpecialReaders, SDisplayAcceptsEveryText) {
    checkRows<SDisplay>({
        {u"none", true, 16, u""},
        {u"table-caption", true, 15, u""},
        {u"inherit", true, kSentinel, u""},
        {u"", true, kSentinel, u""},
        {u"Block", true, kSentinel, u""},
    });
}

TEST(PlainAttributes, IntegersReadStrictlyAndWriteTheirDecimalText) {
    struct Row {
        char16_t const* text;
        bool accepted;
        int value;
        char16_t const* written;
    };
    Row const rows[] = {
        {u"4", true, 4, u"4"},      {u"-12", true, -12, u"-12"},
        {u" 3 ", true, 3, u"3"},    {u"+7", true, 7, u"7"},
        {u"50%", true, 50, u"50"},  {u"2147483647", true, INT_MAX, u"2147483647"},
        {u"", false, 0, nullptr},   {u"1.5", false, 0, nullptr},
        {u"2x", false, 0, nullptr}, {u"2147483648", false, 0, nullptr},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<int> attribute(kSentinel);
        EXPECT_EQ(static_cast<XmlAttribute&>(attribute).parseValue(row.text), row.accepted);
        EXPECT_EQ(*attribute, row.accepted ? row.value : kSentinel);
        EXPECT_EQ(attribute.getValueAsString(), Core::String(row.accepted ? row.written : u"4242"));
    }
}

TEST(PlainAttributes, FreeTextIsKeptAsItStands) {
    TXmlAttribute<Core::String> attribute(Core::String(u"Times"));
    for (char16_t const* text :
         {u"", u"  serif, 'Andale Mono' ", u"\"quoted\"", u"a text longer than fifteen units"}) {
        SCOPED_TRACE(Core::String(text).toUtf8());
        EXPECT_TRUE(static_cast<XmlAttribute&>(attribute).parseValue(text));
        EXPECT_EQ(attribute.getValueAsString(), Core::String(text));
    }
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
