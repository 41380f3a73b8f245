// Colour copies, conversions to RGB and reference counting.
#include "xmlattr/platform/Color.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>

namespace {

using Drawing::CMYKColor;
using Drawing::Color;
using Drawing::ICCColor;
using Drawing::ICCColorSpace;
using Drawing::RGBColor;
using Drawing::SpotColor;

struct Rgb {
    int r, g, b;
};

void expectRGB(SmartPtr<Color> const& color, Rgb expected) {
    SmartPtr<RGBColor> const rgb = color->toRGB().dynamicCast<RGBColor>();
    ASSERT_TRUE(rgb);
    EXPECT_EQ(rgb->getR(), expected.r);
    EXPECT_EQ(rgb->getG(), expected.g);
    EXPECT_EQ(rgb->getB(), expected.b);
}

// Every value a colour holds, with its class, as text.
std::string valueOf(SmartPtr<Color> const& color) {
    std::ostringstream out;
    out << std::hexfloat;
    if (auto const rgb = color.dynamicCast<RGBColor>()) {
        out << "rgb " << +rgb->getR() << ' ' << +rgb->getG() << ' ' << +rgb->getB();
    } else if (auto const cmyk = color.dynamicCast<CMYKColor>()) {
        out << "cmyk " << cmyk->getC() << ' ' << cmyk->getM() << ' ' << cmyk->getY() << ' '
            << cmyk->getK();
    } else if (auto const icc = color.dynamicCast<ICCColor>()) {
        out << "icc " << icc->getColorCount();
        for (int i = 0; i < ICCColor::kMaxComponents; ++i) {
            out << ' ' << icc->getColor(i);
        }
        out << ' ' << +icc->getFallBackR() << ' ' << +icc->getFallBackG() << ' '
            << +icc->getFallBackB() << ' ' << icc->getColorSpace().get();
    } else if (auto const spot = color.dynamicCast<SpotColor>()) {
        Drawing::ColorSubstitute const& s = spot->getColorSubstitute();
        out << "spot " << spot->getColorName().toUtf8() << ' ' << spot->getTint() << ' '
            << s.hasCMYKSubstitute() << s.hasRGBSubstitute() << ' ' << s.getC() << ' ' << s.getM()
            << ' ' << s.getY() << ' ' << s.getK() << ' ' << +s.getR() << ' ' << +s.getG() << ' '
            << +s.getB();
    }
    return out.str();
}

TEST(Color, CloneIsANewObjectEqualInValue) {
    float const components[4] = {0.1f, 0.2f, 0.3f, 0.4f};
    SmartPtr<ICCColor> const icc(
        new ICCColor(3, components, SmartPtr<ICCColorSpace>(new ICCColorSpace(u"P"))));
    icc->setFallBack(1, 2, 3);
    SmartPtr<Color> const colors[] = {
        SmartPtr<Color>(new RGBColor(10, 20, 30)),
        SmartPtr<Color>(new CMYKColor(0.1, 0.2, 0.3, 0.4)),
        icc,
        SmartPtr<Color>(new SpotColor(u"Ink", 0.5f, 1, 2, 3)),
        SmartPtr<Color>(new SpotColor(u"Ink", 0.5f, 0.1f, 0.2f, 0.3f, 0.4f)),
    };
    for (SmartPtr<Color> const& color : colors) {
        SCOPED_TRACE(valueOf(color));
        SmartPtr<Color> const clone = color->clone();
        EXPECT_FALSE(clone == color);
        EXPECT_EQ(clone->getRefCount(), 1);
        EXPECT_EQ(valueOf(clone), valueOf(color));
    }
}

TEST(Color, CMYKToRGBIsNaiveRoundedAndClamped) {
    double const nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        double c, m, y, k;
        Rgb expected;
    };
    // clang-format off
    Row const rows[] = {
        {0,   0,   0,   0,   {255, 255, 255}},
        {1,   0,   0,   0,   {0,   255, 255}},
        {0,   0,   0,   1,   {0,   0,   0}},
        {0.5, 0,   0,   0,   {128, 255, 255}},
        {0.2, 0.4, 0.6, 0.1, {184, 138, 92}},
        {2,   -1,  nan, 0,   {0,   255, 255}},
        {0,   0,   0,   -3,  {255, 255, 255}},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(testing::Message() << row.c << ',' << row.m << ',' << row.y << ',' << row.k);
        expectRGB(SmartPtr<Color>(new CMYKColor(row.c, row.m, row.y, row.k)), row.expected);
    }
}

TEST(Color, SpotToRGBBlendsTheSubstituteWithWhiteByTheTint) {
    struct Row {
        char const* label;
        SpotColor* color;
        Rgb expected;
    };
    // clang-format off
    Row const rows[] = {
        {"full rgb",      new SpotColor(u"A", 1, 255, 128, 0),     {255, 128, 0}},
        {"no tint",       new SpotColor(u"A", 0, 0, 0, 0),         {255, 255, 255}},
        {"half black",    new SpotColor(u"A", 0.5f, 0, 0, 0),      {128, 128, 128}},
        {"half cyan",     new SpotColor(u"A", 0.5f, 1.f, 0, 0, 0), {128, 255, 255}},
        {"tint above 1",  new SpotColor(u"A", 2, 10, 20, 30),      {10, 20, 30}},
        {"negative tint", new SpotColor(u"A", -1, 10, 20, 30),     {255, 255, 255}},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(row.label);
        expectRGB(SmartPtr<Color>(row.color), row.expected);
    }
}

TEST(Color, ICCColourKeepsWhatItWasGiven) {
    float const components[4] = {1, 2, 3, 4};
    SmartPtr<ICCColorSpace> const space(new ICCColorSpace(u"P"));
    SmartPtr<ICCColor> const icc(new ICCColor(7, components, space));
    icc->setFallBack(7, 8, 9);
    expectRGB(icc, {7, 8, 9});
    EXPECT_TRUE(icc->getColorSpace() == SmartPtr<Drawing::ColorSpace>(space));
    EXPECT_EQ(icc->getColorCount(), 7);
    EXPECT_EQ(icc->getColor(3) + icc->getColor(4) + icc->getColor(-1), 4.0f);
    EXPECT_EQ(ICCColor(1, nullptr, SmartPtr<ICCColorSpace>()).getColor(0), 0.0f);
    // Only as many components as the count names are read: a one-component grey is safe.
    float const grey = 0.5f;
    ICCColor const one(1, &grey, space);
    EXPECT_EQ(one.getColor(0), 0.5f);
    EXPECT_EQ(one.getColor(1), 0.0f);
    EXPECT_EQ(ICCColor(-2, components, space).getColor(0), 0.0f);
    EXPECT_EQ(ICCColor(3, components, space).getColor(3), 0.0f);
    EXPECT_FALSE(ICCColor(1, nullptr, SmartPtr<ICCColorSpace>()).getColorSpace());
    EXPECT_FALSE(CMYKColor(0, 0, 0, 0).getColorSpace());
}

TEST(Color, SpotCMYKComponentsKeepTheirShortestDecimal) {
    EXPECT_EQ(SpotColor(u"A", 1, 0.2f, 0, 0, 0).getColorSubstitute().getC(), 0.2);
    for (float value : {0.1f, 0.3f, 1.0f / 3.0f, 0.7f}) {
        EXPECT_EQ(
            static_cast<float>(SpotColor(u"A", 1, value, 0, 0, 0).getColorSubstitute().getC()),
            value);
    }
}

} // namespace
