// LengthOrPercent and SLengthOrPercent: grammar, fractions, writer, pixels and equality.
#include "xmlattr/length/LengthOrPercent.h"


#include <gtest/gtest.h>

namespace Xml {
namespace {

using U = Length::Unit;
using SU = SLength::Unit;

LengthOrPercent length(float size, U unit) { return LengthOrPercent(Length(size, unit)); }

TEST(LengthOrPercent, Parse) {
    struct Row {
        char16_t const* text;
        bool accepted;
        LengthOrPercent expected;
    };
    LengthOrPercent const sentinel = length(-7.0f, Length::UnitEx);
    // clang-format off
    Row const rows[] = {
        {u"50%",    true, LengthOrPercent(0.5f)},
        {u"1.2",    true, LengthOrPercent(1.2f)},  // a plain number is a factor
        {u"120%",   true, LengthOrPercent(0.01f * 120.0f)},
        {u"2.3%",   true, LengthOrPercent(0.0229999982f)}, // times 0.01, not divided by 100
        {u"5.",     true, LengthOrPercent(5.0f)},
        {u"-%",     true, LengthOrPercent(0.0f)},  // a sign alone reads as 0
        {u"12pt",   true, length(12.0f, Length::UnitPt)},
        {u"-1.5cm", true, length(-1.5f, Length::UnitCm)},
        {u"3pc",    true, length(3.0f, Length::UnitPc)},
        {u".75em",  true, length(0.75f, Length::UnitEm)},
        {u"12xy",   true, length(12.0f, Length::UnitPx)}, // an unknown pair is pixels
        {u"12PT",   true, length(12.0f, Length::UnitPx)}, // case-sensitive: not points
        {u"12pt ",  true, length(12.0f, Length::UnitPx)}, // "t " is the pair
        {u"+p",     true, length(0.0f, Length::UnitPx)},
        {u"",       false, {}}, {u"auto", false, {}}, {u" 12pt", false, {}},
        {u"%", false, {}},      {u"px", false, {}},
        {u"+", false, {}},      {u"-", false, {}},    // no room for a unit
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        LengthOrPercent value = sentinel;
        ASSERT_EQ(LengthOrPercent::parseLengthOrPercent(value, row.text), row.accepted);
        LengthOrPercent const& expected = row.accepted ? row.expected : sentinel;
        EXPECT_EQ(value, expected);
        EXPECT_EQ(value.getLength(), expected.getLength());
        EXPECT_EQ(value.getPercent(), expected.getPercent());
    }
}

TEST(LengthOrPercent, ParseSvg) {
    struct Row {
        char16_t const* text;
        bool accepted;
        SLengthOrPercent expected;
    };
    SLengthOrPercent const sentinel(-7.0f, SLength::UnitEx);
    // clang-format off
    Row const rows[] = {
        {u"12",    true, SLengthOrPercent(12.0f, SLength::UnitPx)}, // a plain number is pixels
        {u"50%",   true, SLengthOrPercent(0.5f)},
        {u"2.3%",  true, SLengthOrPercent(0.0229999982f)},
        {u"5%",    true, SLengthOrPercent(0.0499999970f)},
        {u"3pc",   true, SLengthOrPercent(3.0f, SLength::UnitPc)},
        {u"2in",   true, SLengthOrPercent(2.0f, SLength::UnitIn)},
        {u"12px",  true, SLengthOrPercent(12.0f, SLength::UnitPx)},
        {u"12xy",  true, SLengthOrPercent(12.0f, SLength::UnitPx)},
        {u"-.5em", true, SLengthOrPercent(-0.5f, SLength::UnitEm)},
        {u"5.",    true, SLengthOrPercent(1.0f, SLength::UnitPx)}, // cut short: 1px
        {u"+",     true, SLengthOrPercent(1.0f, SLength::UnitPx)},
        {u"1p",    true, SLengthOrPercent(1.0f, SLength::UnitPx)},
        {u"",      false, {}}, {u"a", false, {}}, {u"%", false, {}}, {u" 5", false, {}},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        SLengthOrPercent value = sentinel;
        ASSERT_EQ(SLength::parseSLengthOrPercent(value, row.text), row.accepted);
        SLengthOrPercent const& expected = row.accepted ? row.expected : sentinel;
        EXPECT_EQ(value, expected);
        EXPECT_EQ(value.getLength(), expected.getLength());
        EXPECT_EQ(value.getPercent(), expected.getPercent());
    }
}

TEST(LengthOrPercent, Writer) {
    struct Row {
        LengthOrPercent value;
        char16_t const* text;
    };
    Row const rows[] = {
        {LengthOrPercent(0.5f), u"50%"},        {LengthOrPercent(1.5f), u"150%"},
        {LengthOrPercent(1.2f), u"120.00001%"}, // the product is taken in float
        {LengthOrPercent(-1.0f), u"-100%"},     {length(12.0f, Length::UnitPt), u"12pt"},
        {length(0.0f, Length::UnitPx), u"0px"},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        EXPECT_EQ(LengthOrPercent::getValueAsString(row.value), Core::String(row.text));
    }
}

TEST(LengthOrPercent, PixelsAndSetters) {
    EXPECT_EQ(LengthOrPercent(0.5f).pxSize(200.0f), 100.0f);
    EXPECT_EQ(LengthOrPercent(1.5f).pxSize(200.0f), 300.0f);
    EXPECT_EQ(length(72.0f, Length::UnitPt).pxSize(200.0f), 96.0f);
    EXPECT_EQ(SLengthOrPercent(0.5f).pxSize(30.0f), 15.0f);
    EXPECT_EQ(SLengthOrPercent(1.0f, SLength::UnitIn).pxSize(30.0f), 96.0f);

    // Each setter keeps the other alternative's stored value.
    LengthOrPercent value = length(1.0f, Length::UnitIn);
    value.setPercent(0.25f);
    EXPECT_TRUE(value.isPercent());
    EXPECT_EQ(value.getLengthPxSize(), 96.0f);
    value.setLength(Length(3.0f, Length::UnitPx));
    EXPECT_FALSE(value.isPercent());
    EXPECT_EQ(value.getPercent(), 0.25f);
    EXPECT_EQ(value.pxSize(1000.0f), 3.0f);
}

TEST(LengthOrPercent, Equality) {
    EXPECT_EQ(LengthOrPercent(), length(0.0f, Length::UnitPx));
    EXPECT_NE(LengthOrPercent(0.0f), LengthOrPercent()); // a fraction is never a length
    EXPECT_NE(length(1.0f, Length::UnitIn), length(96.0f, Length::UnitPx));
    // Only the meaningful field counts.
    LengthOrPercent a(0.5f);
    LengthOrPercent b(0.5f);
    b.setLength(Length(9.0f, Length::UnitCm));
    b.setPercent(0.5f);
    EXPECT_EQ(a, b);
    EXPECT_NE(SLengthOrPercent(0.0f), SLengthOrPercent());
    EXPECT_EQ(SLengthOrPercent(2.0f, SLength::UnitPc), SLengthOrPercent(2.0f, SLength::UnitPc));
}

TEST(FloatOrPercent, Parse) {
    struct Row {
        char16_t const* text;
        bool accepted;
        float value;
    };
    // clang-format off
    Row const rows[] = {
        {u"150%", true, 1.5f},  {u"1.5", true, 1.5f},   {u"2.3%", true, 0.023f},
        {u"x", true, 0.0f},     {u"%", true, 0.0f},     {u" 2 ", true, 2.0f},
        {u"3pt", true, 3.0f},   // lenient: the number is read as far as it goes
        {u"", false, 0.0f},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<FloatOrPercent> value(FloatOrPercent(-7.0f));
        ASSERT_EQ(value.parseValue(row.text), row.accepted);
        EXPECT_EQ(value->getValue(), row.accepted ? row.value : -7.0f);
    }
    EXPECT_EQ(FloatOrPercent().getValue(), 1.0f);
    EXPECT_EQ(TXmlAttribute<FloatOrPercent>().getValueAsString(), Core::String());
}

TEST(LengthOrPercent, Attributes) {
    TXmlAttribute<LengthOrPercent> value;
    XmlAttribute& base = value;
    ASSERT_TRUE(base.parseValue(u"25%"));
    EXPECT_EQ(base.getValueAsString(), Core::String(u"25%"));
    EXPECT_FALSE(base.parseValue(u"auto"));
    EXPECT_EQ(value, LengthOrPercent(0.25f));

    TXmlAttribute<SLengthOrPercent> svg;
    ASSERT_TRUE(svg.parseValue(u"3mm"));
    EXPECT_EQ(svg, SLengthOrPercent(3.0f, SLength::UnitMm));
    EXPECT_EQ(svg.getValueAsString(), Core::String()); // no text form
}

} // namespace
} // namespace Xml
