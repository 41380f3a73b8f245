// The colour function reader and the spot colour names.
#include "xmlattr/platform/ColorSubstitute.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <utility>

namespace {

using Drawing::ColorSubstitute;

ColorSubstitute sentinel() {
    ColorSubstitute value;
    value.setCMYK(0.25, 0.5, 0.75, 0.125);
    value.setRGB(9, 8, 7);
    return value;
}

// Both substitutes and whether each is there, as text.
std::string valueOf(ColorSubstitute const& s) {
    std::ostringstream out;
    out << s.hasCMYKSubstitute() << s.hasRGBSubstitute() << std::hexfloat << ' ' << s.getC() << ' '
        << s.getM() << ' ' << s.getY() << ' ' << s.getK() << ' ' << +s.getR() << ' ' << +s.getG()
        << ' ' << +s.getB();
    return out.str();
}

ColorSubstitute cmyk(double c, double m, double y, double k) {
    ColorSubstitute value;
    value.setCMYK(c, m, y, k);
    return value;
}

ColorSubstitute rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    ColorSubstitute value;
    value.setRGB(r, g, b);
    return value;
}

// An accepted text replaces `out` with what it names; any other text leaves `out` untouched.
TEST(ColorSubstitute, ReadsCMYKAndRGBFunctionsStrictly) {
    // clang-format off
    std::pair<char16_t const*, ColorSubstitute> const accepted[] = {
        {u"cmyk(0,0.5,1,0)", cmyk(0, 0.5, 1, 0)}, {u"cmyk(0,0.2,1,0)", cmyk(0, 0.2, 1, 0)},
        {u"cmyk( 0 ,\t0.5 ,1,  0 )", cmyk(0, 0.5, 1, 0)},
        {u"cmyk(0%,50%,100%,0%)", cmyk(0, 0.5, 1, 0)},
        {u"cmyk(10%,.5,1e-1,+1)", cmyk(0.1, 0.5, 0.1, 1)}, {u"rgb(255,128,0)", rgb(255, 128, 0)},
        {u"rgb( 1 , 2 ,3 )", rgb(1, 2, 3)}, {u"rgb(100%,50%,0%)", rgb(255, 127, 0)},
        {u"rgb(0,0,0)", rgb(0, 0, 0)},
        {u" cmyk(0,0,0,1) ", cmyk(0, 0, 0, 1)}, // as cut out of a spot colour text
    };
    char16_t const* const rejected[] = {
        u"", u"cmyk", u"cmyk(", u"cmyk()", u"red", u"#ff0000", u"spot-color(Gold)",
        u"cmyk(0,0,0)", u"cmyk(0,0,0,0,0)", u"cmyk(0,,0,0)", u"cmyk(0,0,0,x)", u"cmyk(0,0,0,0%%)",
        u"cmyk(0,0,0,0))", u"cmyk(0,0,0,0", u"cmyk(0,0,0,1%",
        u"CMYK(0,0,0,0)", u"cmyk (0,0,0,0)", u"cmykx(0,0,0,0)",
        u"cmyk(1.5,0,0,0)", u"cmyk(-0.1,0,0,0)", u"cmyk(0,101%,0,0)",
        u"rgb()", u"rgb(1,2)", u"rgb(1,2,3,4)", u"rgb(1,2,3)x", u"rgb(1,2,3", u"rgb(1,2,3 ",
        u"Rgb(1,2,3)", u"rgba(1,2,3,4)", u"rgb-icc(1,2,3)",
        u"rgb(256,0,0)", u"rgb(-1,0,0)", u"rgb(0.5,0,0)", u"rgb(101%,0,0)", u"rgb(50.5%,0,0)",
    };
    // clang-format on
    auto const check = [](char16_t const* text, bool ok, ColorSubstitute const& expected) {
        SCOPED_TRACE(Core::String(text).toUtf8());
        ColorSubstitute out = sentinel();
        EXPECT_EQ(ColorSubstitute::parseColorFunctionString(text, out), ok);
        EXPECT_EQ(valueOf(out), valueOf(expected));
    };
    for (auto const& [text, expected] : accepted) {
        check(text, true, expected);
    }
    for (char16_t const* text : rejected) {
        check(text, false, sentinel());
    }
}

TEST(SpotColorMapper, KnowsAFewNamesExactly) {
    // clang-format off
    std::pair<char16_t const*, ColorSubstitute> const rows[] = {
        {u"Cyan", cmyk(1, 0, 0, 0)}, {u"Black", cmyk(0, 0, 0, 1)}, {u"White", cmyk(0, 0, 0, 0)},
        {u"Gold", ColorSubstitute()}, {u"cyan", ColorSubstitute()}, {u"Cyan ", ColorSubstitute()},
        {u"", ColorSubstitute()},
    };
    // clang-format on
    for (auto const& [name, expected] : rows) {
        EXPECT_EQ(valueOf(Drawing::SpotColorMapper::getColorSubstitute(name)), valueOf(expected))
            << Core::String(name).toUtf8();
    }
}

} // namespace
