// FontSize, LetterSpacing, SSpacing and STextDecoration: keywords, readers and writers.
#include "xmlattr/length/FontSize.h"

#include "testing/LogCapture.h"
#include "xmlattr/platform/Exception.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

FontSize points(float size) { return FontSize(LengthOrPercent(Length(size, Length::UnitPt))); }

TEST(FontSize, ReadAndWrite) {
    struct Row {
        char16_t const* text;
        bool accepted;
        FontSize expected;
        char16_t const* written;
    };
    // clang-format off
    Row const rows[] = {
        {u"xx-small", true, points(6.0f),  u"6pt"},
        {u"x-small",  true, points(8.0f),  u"8pt"},
        {u"small",    true, points(10.0f), u"10pt"},
        {u"medium",   true, points(12.0f), u"12pt"},
        {u"large",    true, points(16.0f), u"16pt"},  // 16, not 14
        {u"x-large",  true, points(18.0f), u"18pt"},
        {u"xx-large", true, points(20.0f), u"20pt"},
        {u"larger",   true, FontSize(RelativeFontSizeLarger),  u"larger"},
        {u"smaller",  true, FontSize(RelativeFontSizeSmaller), u"smaller"},
        {u"150%",     true, FontSize(LengthOrPercent(1.5f)), u"150%"},
        {u"1.5",      true, FontSize(LengthOrPercent(1.5f)), u"150%"},
        {u".75em",    true, FontSize(LengthOrPercent(Length(0.75f, Length::UnitEm))), u"0.75em"},
        {u"Medium",   false, {}, nullptr},
        {u"x",        false, {}, nullptr},
        {u"",         false, {}, nullptr},
    };
    // clang-format on
    FontSize const sentinel = points(-7.0f);
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<FontSize> value(sentinel);
        ASSERT_EQ(value.parseValue(row.text), row.accepted);
        EXPECT_EQ(value, row.accepted ? row.expected : sentinel);
        if (row.accepted) {
            EXPECT_EQ(value.getValueAsString(), Core::String(row.written));
        }
    }
}

TEST(FontSize, TypesAndEquality) {
    FontSize const larger(RelativeFontSizeLarger);
    EXPECT_TRUE(larger.isRelativeSize());
    EXPECT_FALSE(larger.isAbsoluteSize());
    EXPECT_EQ(larger.getAbsoluteSize(), LengthOrPercent()); // the default absolute size
    EXPECT_NE(larger, FontSize(RelativeFontSizeSmaller));
    EXPECT_NE(points(12.0f), FontSize(LengthOrPercent(Length(16.0f, Length::UnitPx))));

    FontSize const none;
    EXPECT_EQ(none.getType(), FontSize::TypeNone);
    EXPECT_NE(none, none); // type none equals nothing, itself included
    EXPECT_EQ(TXmlAttribute<FontSize>().getValueAsString(), Core::String());

    FontSize assigned = larger;
    assigned = LengthOrPercent(0.5f);
    EXPECT_EQ(assigned, FontSize(LengthOrPercent(0.5f)));
}

TEST(FontSize, RelativeSizeOutsideTheEnumerationThrows) {
    xmlattr_testing::LogCapture log;
    TXmlAttribute<FontSize> value(FontSize(static_cast<RelativeFontSize>(2)));
    try {
        (void)value.getValueAsString();
        ADD_FAILURE() << "no exception";
    } catch (Core::UnreacheableCodeException const& error) {
        EXPECT_EQ(error.getFile(), Core::String(u"FontAttributes"));
        EXPECT_EQ(error.getLine(), 74);
    }
    EXPECT_EQ(log.entries().size(), 1u);
}

TEST(LetterSpacing, ReadAndWrite) {
    TXmlAttribute<LetterSpacing> value(LetterSpacing(Length(2.0f, Length::UnitPt)));
    ASSERT_TRUE(value.parseValue(u"NORMAL"));
    EXPECT_TRUE(value->isNormal());
    EXPECT_EQ(value.getValueAsString(), Core::String(u"normal"));
    ASSERT_TRUE(value.parseValue(u"1pt"));
    EXPECT_EQ(value, LetterSpacing(Length(1.0f, Length::UnitPt)));
    EXPECT_EQ(value.getValueAsString(), Core::String(u"1pt"));
    EXPECT_FALSE(value.parseValue(u"1"));
    EXPECT_FALSE(value.parseValue(u" normal"));
    EXPECT_EQ(value, LetterSpacing(Length(1.0f, Length::UnitPt)));
    EXPECT_NE(LetterSpacing(), LetterSpacing(Length()));
}

TEST(SSpacing, Read) {
    TXmlAttribute<SSpacing> value(SSpacing(SLength(3.0f)));
    ASSERT_TRUE(value.parseValue(u"normal"));
    EXPECT_EQ(value, SSpacing());
    // Not the keyword here: read as an SLength, an unknown unit pair is pixels.
    ASSERT_TRUE(value.parseValue(u"Normal"));
    EXPECT_EQ(value, SSpacing(SLength(0.0f, SLength::UnitPx)));
    ASSERT_TRUE(value.parseValue(u"2em"));
    EXPECT_EQ(value->getSLength(), SLength(2.0f, SLength::UnitEm));
    EXPECT_FALSE(value.parseValue(u""));
    EXPECT_EQ(value->getType(), SpacingLength);
    EXPECT_EQ(value.getValueAsString(), Core::String());
}

TEST(STextDecoration, Parse) {
    struct Row {
        char16_t const* text;
        bool accepted;
        STextDecoration expected;
    };
    // clang-format off
    Row const rows[] = {
        {u"none",                     true, {}},
        {u"underline, none",          true, {}},  // "none" anywhere wins
        {u"nonesuch",                 true, {}},
        {u"underline,line-through",   true, {true, false, true}},
        {u" underline",               true, {true, false, false}},
        {u"overline,\tunderline",     true, {true, true, false}},
        {u"overline,overline",        true, {false, true, false}},
        {u"underline,",               true, {true, false, false}},
        {u"underline, ",              false, {}}, // an empty last name
        {u"underline ,overline",      false, {}}, // white space after a name belongs to it
        {u"underline,,overline",      false, {}},
        {u"Underline",                false, {}},
        {u" ",                        false, {}},
        {u"",                         false, {}},
    };
    // clang-format on
    STextDecoration const sentinel(true, true, true);
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<STextDecoration> value(sentinel);
        ASSERT_EQ(value.parseValue(row.text), row.accepted);
        EXPECT_EQ(value, row.accepted ? row.expected : sentinel);
    }
    EXPECT_TRUE(STextDecoration().isNone());
    EXPECT_FALSE(STextDecoration(false, true, false).isNone());
}

} // namespace
} // namespace Xml
