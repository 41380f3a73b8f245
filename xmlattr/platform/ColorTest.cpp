// Colour copies, conversions to RGB and reference counting.
#include "xmlattr/platform/Color.h"

#include "xmlattr/platform/Log.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>

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

TEST(Color, CloneIsANewObjectEqualInValue) {
    SmartPtr<ICCColorSpace> const space(new ICCColorSpace(u"Profile"));
    float const components[4] = {0.1f, 0.2f, 0.3f, 0.4f};
    SmartPtr<ICCColor> const icc(new ICCColor(3, components, space));
    icc->setFallBack(1, 2, 3);

    SmartPtr<Color> const rgb = SmartPtr<Color>(new RGBColor(10, 20, 30))->clone();
    SmartPtr<Color> const cmyk = SmartPtr<Color>(new CMYKColor(0.1, 0.2, 0.3, 0.4))->clone();
    SmartPtr<Color> const spot = SmartPtr<Color>(new SpotColor(u"Ink", 0.5f, 1, 2, 3))->clone();
    SmartPtr<Color> const iccCopy = icc->clone();

    EXPECT_EQ(rgb->getRefCount(), 1);
    auto const r = rgb.dynamicCast<RGBColor>();
    EXPECT_EQ(r->getR() + r->getG() + r->getB(), 60);
    auto const c = cmyk.dynamicCast<CMYKColor>();
    EXPECT_EQ(c->getC(), 0.1);
    EXPECT_EQ(c->getM(), 0.2);
    EXPECT_EQ(c->getY(), 0.3);
    EXPECT_EQ(c->getK(), 0.4);
    auto const s = spot.dynamicCast<SpotColor>();
    EXPECT_EQ(s->getColorName(), Core::String(u"Ink"));
    EXPECT_EQ(s->getTint(), 0.5f);
    EXPECT_TRUE(s->getColorSubstitute().hasRGBSubstitute());
    EXPECT_FALSE(s->getColorSubstitute().hasCMYKSubstitute());
    EXPECT_EQ(s->getColorSubstitute().getB(), 3);
    auto const i = iccCopy.dynamicCast<ICCColor>();
    ASSERT_TRUE(i);
    EXPECT_FALSE(i == icc);
    EXPECT_EQ(i->getColorCount(), 3);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(i->getColor(k), components[k]);
    }
    EXPECT_EQ(i->getFallBackG(), 2);
    EXPECT_TRUE(i->getColorSpace() == SmartPtr<Drawing::ColorSpace>(space));
}

TEST(Color, CMYKToRGBIsNaiveRoundedAndClamped) {
    double const nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        double c, m, y, k;
        Rgb expected;
    };
    Row const rows[] = {
        {0, 0, 0, 0, {255, 255, 255}},     {1, 0, 0, 0, {0, 255, 255}},
        {0, 0, 0, 1, {0, 0, 0}},           {0.5, 0, 0, 0, {128, 255, 255}},
        {0.2, 0.4, 0.6, 0.1, {184, 138, 92}}, {2, -1, nan, 0, {0, 255, 255}},
        {0, 0, 0, -3, {255, 255, 255}},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(testing::Message() << row.c << ',' << row.m << ',' << row.y << ',' << row.k);
        expectRGB(SmartPtr<Color>(new CMYKColor(row.c, row.m, row.y, row.k)), row.expected);
    }
}

TEST(Color, SpotToRGBBlendsTheSubstituteWithWhiteByTheTint) {
    struct Row {
        char const* label;
        SmartPtr<Color> color;
        Rgb expected;
    };
    Row const rows[] = {
        {"full rgb", SmartPtr<Color>(new SpotColor(u"A", 1, 255, 128, 0)), {255, 128, 0}},
        {"no tint", SmartPtr<Color>(new SpotColor(u"A", 0, 0, 0, 0)), {255, 255, 255}},
        {"half black", SmartPtr<Color>(new SpotColor(u"A", 0.5f, 0, 0, 0)), {128, 128, 128}},
        {"half cyan", SmartPtr<Color>(new SpotColor(u"A", 0.5f, 1.f, 0, 0, 0)), {128, 255, 255}},
        {"cmyk black", SmartPtr<Color>(new SpotColor(u"A", 1, 0.f, 0, 0, 1)), {0, 0, 0}},
        {"tint above 1", SmartPtr<Color>(new SpotColor(u"A", 2, 10, 20, 30)), {10, 20, 30}},
        {"negative tint", SmartPtr<Color>(new SpotColor(u"A", -1, 10, 20, 30)), {255, 255, 255}},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(row.label);
        expectRGB(row.color, row.expected);
    }
}

TEST(Color, OnlyICCColoursHaveASpace) {
    SmartPtr<ICCColorSpace> const space(new ICCColorSpace(u"P"));
    SmartPtr<ICCColor> const icc(new ICCColor(1, nullptr, space));
    icc->setFallBack(7, 8, 9);
    expectRGB(icc, {7, 8, 9});
    EXPECT_EQ(icc->getColorSpace().dynamicCast<ICCColorSpace>()->getProfileName(),
              Core::String(u"P"));
    EXPECT_EQ(icc->getColorSpace()->getType(), Drawing::ColorSpace::TypeICC);
    EXPECT_FALSE(SmartPtr<Color>(new ICCColor(1, nullptr, SmartPtr<ICCColorSpace>()))->getColorSpace());
    EXPECT_FALSE(SmartPtr<Color>(new RGBColor(0, 0, 0))->getColorSpace());
    EXPECT_FALSE(SmartPtr<Color>(new CMYKColor(0, 0, 0, 0))->getColorSpace());
    EXPECT_FALSE(SmartPtr<Color>(new SpotColor(u"A", 1, 0, 0, 0))->getColorSpace());
}

TEST(Color, ICCComponentsOutsideTheArrayReadAsZero) {
    float const components[4] = {1, 2, 3, 4};
    ICCColor const color(7, components, SmartPtr<ICCColorSpace>());
    EXPECT_EQ(color.getColorCount(), 7);
    EXPECT_EQ(color.getColor(3), 4.0f);
    EXPECT_EQ(color.getColor(4), 0.0f);
    EXPECT_EQ(color.getColor(-1), 0.0f);
    EXPECT_EQ(ICCColor(1, nullptr, SmartPtr<ICCColorSpace>()).getColor(0), 0.0f);
}

TEST(Color, ReleasingTheLastHolderDestroysTheColour) {
    // A colour's destruction is seen through the space it holds a reference to.
    SmartPtr<ICCColorSpace> const space(new ICCColorSpace(u"P"));
    {
        SmartPtr<Color> color(new ICCColor(1, nullptr, space));
        EXPECT_EQ(space->getRefCount(), 2);
        SmartPtr<Color> copy = color;
        EXPECT_EQ(color->getRefCount(), 2);
        SmartPtr<Color> const clone = color->clone();
        EXPECT_EQ(space->getRefCount(), 3);
        EXPECT_EQ(clone->getRefCount(), 1);
        copy = SmartPtr<Color>();
        EXPECT_EQ(color->getRefCount(), 1);
        color = SmartPtr<Color>();
        EXPECT_EQ(space->getRefCount(), 2);
    }
    EXPECT_EQ(space->getRefCount(), 1);
}

TEST(Color, ToGrayIsTheLumaOfTheRGBValue) {
    SmartPtr<ICCColorSpace> const space(new ICCColorSpace(u"P"));
    EXPECT_EQ(space->toGray(SmartPtr<Color>(new RGBColor(255, 255, 255))), 1.0f);
    EXPECT_EQ(space->toGray(SmartPtr<Color>(new CMYKColor(0, 0, 0, 1))), 0.0f);
    EXPECT_NEAR(space->toGray(SmartPtr<Color>(new RGBColor(255, 0, 0))), 0.299f, 1e-6);
    EXPECT_NEAR(space->toGray(SmartPtr<Color>(new RGBColor(0, 0, 255))), 0.114f, 1e-6);

    Core::Log::Sink const previous = Core::Log::setSink([](Core::Log::Level, Core::String const&) {});
    EXPECT_THROW(space->toGray(SmartPtr<Color>()), Core::NullPointerException);
    Core::Log::setSink(previous);
}

TEST(Color, SpotCMYKComponentsKeepTheirShortestDecimal) {
    EXPECT_EQ(SpotColor(u"A", 1, 0.2f, 0.1f, 0.7f, 0.3f).getColorSubstitute().getC(), 0.2);
    EXPECT_EQ(SpotColor(u"A", 1, 0.2f, 0.1f, 0.7f, 0.3f).getColorSubstitute().getK(), 0.3);
    // Whatever the float, narrowing the kept double gives it back.
    for (std::uint32_t bits = 0; bits <= std::bit_cast<std::uint32_t>(1.0f); bits += 9973) {
        float const value = std::bit_cast<float>(bits);
        SpotColor const color(u"A", 1, value, 0, 0, 0);
        ASSERT_EQ(static_cast<float>(color.getColorSubstitute().getC()), value) << bits;
    }
}

} // namespace
