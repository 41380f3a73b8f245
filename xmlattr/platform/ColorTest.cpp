// Colour copies, conversions to RGB and reference counting.
#include "xmlattr/platform/Color.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>
#include <utility>

namespace {

using Drawing::CMYKColor;
using Drawing::Color;
using Drawing::ICCColor;
using Drawing::ICCColorSpace;
using Drawing::RGBColor;
using Drawing::SpotColor;

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

std::string rgbOf(SmartPtr<Color> const& color) { return valueOf(color->toRGB()); }

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
    // clang-format off
    struct Row { double c, m, y, k; char const* rgb; };
    Row const rows[] = {
        {0, 0, 0, 0, "rgb 255 255 255"}, {1, 0, 0, 0, "rgb 0 255 255"}, {0, 0, 0, 1, "rgb 0 0 0"},
        {0.5, 0, 0, 0, "rgb 128 255 255"}, {0.2, 0.4, 0.6, 0.1, "rgb 184 138 92"},
        {2, -1, nan, 0, "rgb 0 255 255"}, {0, 0, 0, -3, "rgb 255 255 255"},
    };
    // clang-format on
    for (Row const& row : rows) {
        EXPECT_EQ(rgbOf(SmartPtr<Color>(new CMYKColor(row.c, row.m, row.y, row.k))), row.rgb)
            << row.c << ',' << row.m << ',' << row.y << ',' << row.k;
    }
}

TEST(Color, SpotToRGBBlendsTheSubstituteWithWhiteByTheTint) {
    // clang-format off
    std::pair<SmartPtr<Color>, char const*> const rows[] = {
        {SmartPtr<Color>(new SpotColor(u"A", 1, 255, 128, 0)), "rgb 255 128 0"},
        {SmartPtr<Color>(new SpotColor(u"A", 0, 0, 0, 0)), "rgb 255 255 255"},
        {SmartPtr<Color>(new SpotColor(u"A", 0.5f, 0, 0, 0)), "rgb 128 128 128"},
        {SmartPtr<Color>(new SpotColor(u"A", 0.5f, 1.f, 0, 0, 0)), "rgb 128 255 255"}, // half cyan
        {SmartPtr<Color>(new SpotColor(u"A", 2, 10, 20, 30)), "rgb 10 20 30"},
        {SmartPtr<Color>(new SpotColor(u"A", -1, 10, 20, 30)), "rgb 255 255 255"},
    };
    // clang-format on
    for (auto const& [color, rgb] : rows) {
        EXPECT_EQ(rgbOf(color), rgb) << valueOf(color);
    }
}

TEST(Color, ICCColourKeepsWhatItWasGiven) {
    float const components[4] = {1, 2, 3, 4};
    SmartPtr<ICCColorSpace> const space(new ICCColorSpace(u"P"));
    SmartPtr<ICCColor> const icc(new ICCColor(7, components, space));
    icc->setFallBack(7, 8, 9);
    EXPECT_EQ(rgbOf(icc), "rgb 7 8 9");
    EXPECT_TRUE(icc->getColorSpace() == SmartPtr<Drawing::ColorSpace>(space));
    EXPECT_EQ(icc->getColorCount(), 7);
    EXPECT_EQ(icc->getColor(3) + icc->getColor(4) + icc->getColor(-1), 4.0f);
    EXPECT_EQ(rgbOf(SmartPtr<Color>(new ICCColor(1, nullptr, {}))), "rgb 0 0 0");
    // Only as many components as the count names are read: a one-component grey is safe.
    float const grey = 0.5f;
    ICCColor const one(1, &grey, space);
    EXPECT_EQ(std::pair(one.getColor(0), one.getColor(1)), std::pair(0.5f, 0.0f));
    EXPECT_EQ(ICCColor(-2, components, space).getColor(0), 0.0f);
    EXPECT_EQ(ICCColor(3, components, space).getColor(3), 0.0f);
    ICCColor const none(1, nullptr, {});
    EXPECT_EQ(none.getColor(0), 0.0f);
    EXPECT_FALSE(none.getColorSpace() || CMYKColor(0, 0, 0, 0).getColorSpace());
}

// The substitute keeps the double nearest each component's shortest decimal, which reads
// back to the same float.
TEST(Color, SpotCMYKComponentsKeepTheirShortestDecimal) {
    for (auto const& [single, wide] :
         {std::pair{0.2f, 0.2}, {0.1f, 0.1}, {0.7f, 0.7}, {1.0f / 3.0f, 0.33333334}, {0.0f, 0.0}}) {
        EXPECT_EQ(SpotColor(u"A", 1, single, 0, 0, 0).getColorSubstitute().getC(), wide);
    }
}

} // namespace
