// Fields of colours (the drawing class and its components), SVG paints and box shadows.
#include "Describe.h"

#include <array>
#include <string_view>

namespace Tool {

namespace {

void rgb(Fields& out, int r, int g, int b) {
    out.integer("r", r);
    out.integer("g", g);
    out.integer("b", b);
}

void cmyk(Fields& out, double c, double m, double y, double k) {
    out.number("c", c);
    out.number("m", m);
    out.number("y", y);
    out.number("k", k);
}

} // namespace

void describeColor(Fields& out, SmartPtr<Drawing::Color> const& color) {
    if (!color) {
        out.text("class", "none");
        return;
    }
    if (auto const device = color.dynamicCast<Drawing::RGBColor>()) {
        out.text("class", "RGBColor");
        rgb(out, device->getR(), device->getG(), device->getB());
    } else if (auto const ink = color.dynamicCast<Drawing::CMYKColor>()) {
        out.text("class", "CMYKColor");
        cmyk(out, ink->getC(), ink->getM(), ink->getY(), ink->getK());
    } else if (auto const icc = color.dynamicCast<Drawing::ICCColor>()) {
        out.text("class", "ICCColor");
        auto const space = icc->getColorSpace().dynamicCast<Drawing::ICCColorSpace>();
        out.text("profileName", space ? space->getProfileName().toUtf8() : std::string());
        out.integer("colorCount", icc->getColorCount());
        // All four are held whatever the count; those beyond it are not written.
        Fields& components = out.group("components");
        constexpr std::array<std::string_view, 4> kNames = {"0", "1", "2", "3"};
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            components.number(kNames[i], icc->getColor(static_cast<int>(i)));
        }
        rgb(out.group("fallBack"), icc->getFallBackR(), icc->getFallBackG(), icc->getFallBackB());
    } else if (auto const spot = color.dynamicCast<Drawing::SpotColor>()) {
        out.text("class", "SpotColor");
        out.text("colorName", spot->getColorName().toUtf8());
        out.number("tint", spot->getTint());
        Drawing::ColorSubstitute const& substitute = spot->getColorSubstitute();
        if (substitute.hasCMYKSubstitute()) {
            cmyk(out.group("cmykSubstitute"), substitute.getC(), substitute.getM(),
                 substitute.getY(), substitute.getK());
        }
        if (substitute.hasRGBSubstitute()) {
            rgb(out.group("rgbSubstitute"), substitute.getR(), substitute.getG(),
                substitute.getB());
        }
    } else {
        out.text("class", "unknown");
    }
}

void describe(Fields& out, SmartPtr<Drawing::Color> const& value) {
    describeColor(out.group("color"), value);
}

void describe(Fields& out, Xml::SColor const& value) {
    constexpr std::array<std::string_view, 3> kTypes = {"NoPaint", "UrlPaint", "ColorPaint"};
    static_assert(Xml::SColor::ColorPaint == kTypes.size() - 1);
    int const type = value.getType();
    out.enumerator("type",
                   type >= 0 && static_cast<std::size_t>(type) < kTypes.size()
                       ? kTypes[static_cast<std::size_t>(type)]
                       : std::string_view(),
                   type);
    if (value.getType() == Xml::SColor::UrlPaint) {
        out.text("url", value.getUrl().toUtf8());
    }
    if (value.getType() == Xml::SColor::ColorPaint) {
        describeColor(out.group("color"), value.getColor());
    }
}

void describe(Fields& out, Xml::SNullableColor const& value) {
    describe(out, static_cast<Xml::SColor const&>(value));
    out.flag("isNull", value.isNull());
}

void describe(Fields& out, Xml::BoxShadow const& value) {
    describe(out.group("dx"), value.getDx());
    describe(out.group("dy"), value.getDy());
    describe(out.group("blurRadius"), value.getBlurRadius());
    describeColor(out.group("color"), value.getColor());
}

} // namespace Tool
