// LengthOrPercent, SLengthOrPercent and FloatOrPercent: grammar, fractions, writer, pixels.
#include "xmlattr/length/LengthOrPercent.h"

#include "testing/AttributeRows.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>

namespace Xml {
namespace {

using xmlattr_testing::expectRows;

LengthOrPercent length(float size, Length::Unit u) { return LengthOrPercent(Length(size, u)); }

TEST(LengthOrPercent, Read) {
    // clang-format off
    expectRows<LengthOrPercent>(length(-7.0f, Length::UnitEx), {
        {u"50%",    true, LengthOrPercent(0.5f), u"50%"},
        {u"1.2",    true, LengthOrPercent(1.2f), u"120%"}, // a plain number is a factor
        {u"5.",     true, LengthOrPercent(5.0f), u"500%"},
        {u"2.3%",   true, LengthOrPercent(0.023f), u"2.3%"}, // over 100, not times 0.01f
        {u"10%",    true, LengthOrPercent(0.1f), u"10%"},  // not 9.999999%
        {u"-100%",  true, LengthOrPercent(-1.0f), u"-100%"},
        {u"12pt",   true, length(12.0f, Length::UnitPt), u"12pt"},
        {u"-1.5cm", true, length(-1.5f, Length::UnitCm), u"-1.5cm"},
        {u"12xy",   true, length(12.0f, Length::UnitPx), u"12px"}, // an unknown pair is pixels
        {u"12PT",   true, length(12.0f, Length::UnitPx)},
        // Before the unit or "%" stands one number (the whole text for a factor), and only two
        // letters are an unknown unit: no digit of the number is taken for one ("12 ").
        {u"20pt 0 40pt 0", false, {}}, {u"5pt 7", false, {}}, {u"12pt3", false, {}},
        {u"1in 2pt", false, {}},       {u"--12pt", false, {}}, {u"1.5.5", false, {}},
        {u"5pt 7%", false, {}},        {u"-%", false, {}},     {u"12 ", false, {}},
        {u"12pt ", false, {}},         {u"+p", false, {}},
        {u"1e39%",  false, {}}, {u"1e39", false, {}}, {u"-1e39pt", false, {}}, // no infinity
        // A factor whose percentage is no float is written plain, so that it reads back.
        {u"-1e37",  true, LengthOrPercent(-1e37f), u"-1e+37"},
        {u"",       false, {}}, {u"auto", false, {}}, {u" 12pt", false, {}}, {u"%", false, {}},
        {u"+", false, {}},      {u"-", false, {}},      // no room for a unit
    });
    // clang-format on
}

TEST(LengthOrPercent, ReadSvg) {
    // clang-format off
    expectRows<SLengthOrPercent>(SLengthOrPercent(-7.0f, SLength::UnitEx), {
        {u"12",    true, SLengthOrPercent(12.0f, SLength::UnitPx)}, // a plain number is pixels
        {u"50%",   true, SLengthOrPercent(0.5f)},
        {u"3pc",   true, SLengthOrPercent(3.0f, SLength::UnitPc)},
        {u"5.",    true, SLengthOrPercent(5.0f, SLength::UnitPx)},  // a whole number, not 1px
        {u"12 ",   true, SLengthOrPercent(12.0f, SLength::UnitPx)}, // only letters are a unit
        {u"2.5%",  true, SLengthOrPercent(0.025f)}, // over 100, not times 0.01f
        {u"",      false, {}}, {u"a", false, {}}, {u"%", false, {}}, {u" 5", false, {}},
        {u"+", false, {}},     {u"-", false, {}}, {u".", false, {}}, {u"+%", false, {}},
        {u"-px", false, {}},   {u"1e39", false, {}}, {u"1e39%", false, {}}, {u"-1e39cm", false, {}},
        {u"1p", false, {}},    {u"5pt 7", false, {}}, {u"5pt 7%", false, {}}, {u"1x5pt", false, {}},
        {u"0 0 16 16", false, {}},
    });
    // clang-format on
}

TEST(LengthOrPercent, PercentsReadBackAsWritten) {
    // Every percentage with up to three decimals reads back and writes as it was written.
    for (int thousandths = -200000; thousandths <= 200000; thousandths += 7) {
        std::string const digits = std::to_string(std::abs(thousandths) + 1000000);
        std::string const ascii =
            (thousandths < 0 ? "-" : "") + digits.substr(1, 3) + "." + digits.substr(4);
        LengthOrPercent value;
        ASSERT_TRUE(LengthOrPercent::parseLengthOrPercent(value, Core::String(ascii + "%")));
        LengthOrPercent again;
        ASSERT_TRUE(
            LengthOrPercent::parseLengthOrPercent(again, LengthOrPercent::getValueAsString(value)));
        ASSERT_EQ(again, value) << ascii;
    }
}

TEST(LengthOrPercent, AlternativesAndPixels) {
    // A setter keeps the other alternative's stored value, equality ignores it, and reading
    // resets it.
    LengthOrPercent value = length(1.0f, Length::UnitIn);
    value.setPercent(0.25f);
    EXPECT_EQ(value, LengthOrPercent(0.25f));
    EXPECT_EQ(value.getLengthPxSize(), 96.0f);
    EXPECT_EQ(value.pxSize(200.0f), 50.0f);
    ASSERT_TRUE(LengthOrPercent::parseLengthOrPercent(value, u"50%"));
    EXPECT_EQ(value.getLength(), Length());
    value.setLength(Length(3.0f, Length::UnitPx));
    EXPECT_EQ(value, length(3.0f, Length::UnitPx));
    EXPECT_EQ(value.getPercent(), 0.5f);
    ASSERT_TRUE(LengthOrPercent::parseLengthOrPercent(value, u"72pt"));
    EXPECT_EQ(value.getPercent(), 0.0f);
    EXPECT_EQ(value.pxSize(200.0f), 96.0f);
    SLengthOrPercent svg(0.5f);
    EXPECT_EQ(svg.pxSize(30.0f), 15.0f);
    ASSERT_TRUE(SLength::parseSLengthOrPercent(svg, u"1in"));
    EXPECT_EQ(svg.getPercent(), 0.0f);
    EXPECT_EQ(svg.pxSize(30.0f), 96.0f);
    EXPECT_NE(LengthOrPercent(0.0f), LengthOrPercent()); // a fraction is never a length
    EXPECT_NE(SLengthOrPercent(0.0f), SLengthOrPercent());
}

TEST(FloatOrPercent, Read) {
    constexpr float kMax = std::numeric_limits<float>::max();
    // clang-format off
    expectRows<FloatOrPercent>(FloatOrPercent(-7.0f), {
        {u"150%", true, 1.5f}, {u"1.5", true, 1.5f}, {u"2.3%", true, 0.023f},
        {u"x", true, 0.0f},    {u"%", true, 0.0f},   {u" 2 ", true, 2.0f},
        {u"3pt", true, 3.0f},  // lenient: the number is read as far as it goes
        // Beyond the float range: the largest finite float, never an infinity.
        {u"1e39", true, kMax}, {u"-1e39%", true, static_cast<float>(-double{kMax} / 100.0)},
        {u"", false, {}},
    });
    // clang-format on
}

} // namespace
} // namespace Xml
