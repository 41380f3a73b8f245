// The colour function reader and the spot colour names.
#include "xmlattr/platform/ColorSubstitute.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace {

using Drawing::ColorSubstitute;

ColorSubstitute sentinel() {
    ColorSubstitute value;
    value.setCMYK(0.25, 0.5, 0.75, 0.125);
    value.setRGB(9, 8, 7);
    return value;
}

void expectSame(ColorSubstitute const& actual, ColorSubstitute const& expected) {
    EXPECT_EQ(actual.hasCMYKSubstitute(), expected.hasCMYKSubstitute());
    EXPECT_EQ(actual.hasRGBSubstitute(), expected.hasRGBSubstitute());
    EXPECT_EQ(actual.getC(), expected.getC());
    EXPECT_EQ(actual.getM(), expected.getM());
    EXPECT_EQ(actual.getY(), expected.getY());
    EXPECT_EQ(actual.getK(), expected.getK());
    EXPECT_EQ(actual.getR(), expected.getR());
    EXPECT_EQ(actual.getG(), expected.getG());
    EXPECT_EQ(actual.getB(), expected.getB());
}

ColorSubstitute cmyk(double c, double m, double y, double k) {
    ColorSubstitute value;
    value.setCMYK(c, m, y, k);
    return value;
}

ColorSubstitute rgb(int r, int g, int b) {
    ColorSubstitute value;
    value.setRGB(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                 static_cast<std::uint8_t>(b));
    return value;
}

TEST(ColorSubstitute, SettersAreIndependent) {
    ColorSubstitute value;
    EXPECT_FALSE(value.hasCMYKSubstitute() || value.hasRGBSubstitute());
    value.setRGB(1, 2, 3);
    EXPECT_FALSE(value.hasCMYKSubstitute());
    value.setCMYK(1, 0, 0, 0);
    EXPECT_TRUE(value.hasCMYKSubstitute() && value.hasRGBSubstitute());
    EXPECT_EQ(value.getG(), 2);
}

TEST(ColorSubstitute, AcceptsCMYKAndRGBFunctionsAndReplacesOut) {
    struct Row {
        char16_t const* text;
        ColorSubstitute expected;
    };
    // clang-format off
    Row const rows[] = {
        {u"cmyk(0,0.5,1,0)",            cmyk(0, 0.5, 1, 0)},
        {u"cmyk(0,0.2,1,0)",            cmyk(0, 0.2, 1, 0)},
        {u"cmyk( 0 ,\t0.5 ,1,  0 )",    cmyk(0, 0.5, 1, 0)},
        {u"cmyk(0%,50%,100%,0%)",       cmyk(0, 0.5, 1, 0)},
        {u"cmyk(10%,.5,1e-1,+1)",       cmyk(0.1, 0.5, 0.1, 1)},
        {u"rgb(255,128,0)",             rgb(255, 128, 0)},
        {u"rgb( 1 , 2 ,3 )",            rgb(1, 2, 3)},
        {u"rgb(100%,50%,0%)",           rgb(255, 127, 0)},
        {u"rgb(0,0,0)",                 rgb(0, 0, 0)},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        ColorSubstitute out = sentinel();
        ASSERT_TRUE(ColorSubstitute::parseColorFunctionString(row.text, out));
        expectSame(out, row.expected);
    }
}

TEST(ColorSubstitute, NegativeZeroReadsAsZero) {
    ColorSubstitute out;
    ASSERT_TRUE(ColorSubstitute::parseColorFunctionString(u"cmyk(-0,0,0,-0%)", out));
    EXPECT_FALSE(std::signbit(out.getC()));
    EXPECT_FALSE(std::signbit(out.getK()));
}

TEST(ColorSubstitute, RejectsOtherTextAndKeepsOut) {
    char16_t const* const rows[] = {
        u"", u"cmyk", u"cmyk(", u"cmyk()", u"cmyk(0,0,0)", u"cmyk(0,0,0,0,0)", u"cmyk(0,,0,0)",
        u"cmyk(0,0,0,0) ", u" cmyk(0,0,0,0)", u"CMYK(0,0,0,0)", u"cmyk (0,0,0,0)",
        u"cmyk(0,0,0,0))", u"cmyk(0,0,0,0", u"cmyk(1.5,0,0,0)", u"cmyk(-0.1,0,0,0)",
        u"cmyk(0,101%,0,0)", u"cmyk(0,0,0,x)", u"cmyk(0,0,0,0%%)", u"cmykx(0,0,0,0)",
        u"rgb()", u"rgb(1,2)", u"rgb(1,2,3,4)", u"rgb(256,0,0)", u"rgb(-1,0,0)", u"rgb(0.5,0,0)",
        u"rgb(101%,0,0)", u"rgb(1,2,3)x", u"Rgb(1,2,3)", u"rgba(1,2,3,4)", u"rgb-icc(1,2,3)",
        u"rgb(1,2,3", u"spot-color(Gold)", u"#ff0000", u"red",
    };
    for (char16_t const* text : rows) {
        SCOPED_TRACE(Core::String(text).toUtf8());
        ColorSubstitute out = sentinel();
        EXPECT_FALSE(ColorSubstitute::parseColorFunctionString(text, out));
        expectSame(out, sentinel());
    }
}

TEST(SpotColorMapper, KnowsAFewNamesExactly) {
    struct Row {
        char16_t const* name;
        ColorSubstitute expected;
    };
    // clang-format off
    Row const rows[] = {
        {u"Cyan",    cmyk(1, 0, 0, 0)},
        {u"Magenta", cmyk(0, 1, 0, 0)},
        {u"Yellow",  cmyk(0, 0, 1, 0)},
        {u"Black",   cmyk(0, 0, 0, 1)},
        {u"White",   cmyk(0, 0, 0, 0)},
        {u"Gold",    ColorSubstitute()},
        {u"cyan",    ColorSubstitute()},
        {u"BLACK",   ColorSubstitute()},
        {u"Cyan ",   ColorSubstitute()},
        {u"",        ColorSubstitute()},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.name).toUtf8());
        expectSame(Drawing::SpotColorMapper::getColorSubstitute(row.name), row.expected);
    }
}

} // namespace
