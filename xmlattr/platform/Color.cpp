// Drawing colours: copies and the simple conversions to RGB.
#include "xmlattr/platform/Color.h"

#include "xmlattr/platform/detail/Widen.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Drawing {

namespace {

// NaN counts as 0, so that no conversion below ever sees it.
double clampUnit(double value) noexcept { return value > 0 ? (value < 1 ? value : 1) : 0; }

double clampByte(double value) noexcept { return value > 0 ? (value < 255 ? value : 255) : 0; }

std::uint8_t roundToByte(double value) noexcept {
    return static_cast<std::uint8_t>(std::lround(clampByte(value)));
}

// One RGB channel, unrounded, from its ink and black.
double channelFromCMYK(double ink, double black) noexcept {
    return 255.0 * (1.0 - clampUnit(ink)) * (1.0 - clampUnit(black));
}

SmartPtr<Color> newRGB(double r, double g, double b) {
    return SmartPtr<Color>(new RGBColor(roundToByte(r), roundToByte(g), roundToByte(b)));
}

} // namespace

ColorSpace::~ColorSpace() = default;

ICCColorSpace::ICCColorSpace(Core::String profileName) : m_profileName(std::move(profileName)) {}

ICCColorSpace::~ICCColorSpace() = default;

ColorSpace::Type ICCColorSpace::getType() { return TypeICC; }

int ICCColorSpace::getComponentsCount() { return 0; }

float ICCColorSpace::toGray(SmartPtr<Color> color) {
    SmartPtr<RGBColor> const rgb = color->toRGB().dynamicCast<RGBColor>();
    double const luma = 0.299 * rgb->getR() + 0.587 * rgb->getG() + 0.114 * rgb->getB();
    return static_cast<float>(clampUnit(luma / 255.0));
}

Color::~Color() = default;

RGBColor::RGBColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) noexcept
    : m_r(r), m_g(g), m_b(b) {}

RGBColor::~RGBColor() = default;

SmartPtr<ColorSpace> RGBColor::getColorSpace() const { return SmartPtr<ColorSpace>(); }

SmartPtr<Color> RGBColor::clone() const { return SmartPtr<Color>(new RGBColor(*this)); }

SmartPtr<Color> RGBColor::toRGB() const { return clone(); }

CMYKColor::CMYKColor(double c, double m, double y, double k) noexcept
    : m_c(c), m_m(m), m_y(y), m_k(k) {}

CMYKColor::~CMYKColor() = default;

SmartPtr<ColorSpace> CMYKColor::getColorSpace() const { return SmartPtr<ColorSpace>(); }

SmartPtr<Color> CMYKColor::clone() const { return SmartPtr<Color>(new CMYKColor(*this)); }

SmartPtr<Color> CMYKColor::toRGB() const {
    return newRGB(channelFromCMYK(m_c, m_k), channelFromCMYK(m_m, m_k), channelFromCMYK(m_y, m_k));
}

ICCColor::ICCColor(int count, float const* components, SmartPtr<ICCColorSpace> space)
    : m_count(count), m_space(std::move(space)) {
    if (components != nullptr) {
        // A caller's array holds `count` values, not always four.
        int const read = std::clamp(count, 0, kMaxComponents);
        for (int i = 0; i < read; ++i) {
            m_components[i] = components[i];
        }
    }
}

ICCColor::~ICCColor() = default;

void ICCColor::setFallBack(std::uint8_t r, std::uint8_t g, std::uint8_t b) noexcept {
    m_fallBackR = r;
    m_fallBackG = g;
    m_fallBackB = b;
}

SmartPtr<ColorSpace> ICCColor::getColorSpace() const { return m_space; }

SmartPtr<Color> ICCColor::clone() const { return SmartPtr<Color>(new ICCColor(*this)); }

SmartPtr<Color> ICCColor::toRGB() const {
    return SmartPtr<Color>(new RGBColor(m_fallBackR, m_fallBackG, m_fallBackB));
}

SpotColor::SpotColor(Core::String name, float tint, float c, float m, float y, float k)
    : m_name(std::move(name)), m_tint(tint) {
    m_substitute.setCMYK(Core::detail::widenShortest(c), Core::detail::widenShortest(m),
                         Core::detail::widenShortest(y), Core::detail::widenShortest(k));
}

SpotColor::SpotColor(Core::String name, float tint, std::uint8_t r, std::uint8_t g, std::uint8_t b)
    : m_name(std::move(name)), m_tint(tint) {
    m_substitute.setRGB(r, g, b);
}

SpotColor::~SpotColor() = default;

SmartPtr<ColorSpace> SpotColor::getColorSpace() const { return SmartPtr<ColorSpace>(); }

SmartPtr<Color> SpotColor::clone() const { return SmartPtr<Color>(new SpotColor(*this)); }

SmartPtr<Color> SpotColor::toRGB() const {
    double r = 0;
    double g = 0;
    double b = 0;
    ColorSubstitute const& s = m_substitute;
    if (s.hasRGBSubstitute()) {
        r = s.getR();
        g = s.getG();
        b = s.getB();
    } else if (s.hasCMYKSubstitute()) {
        r = channelFromCMYK(s.getC(), s.getK());
        g = channelFromCMYK(s.getM(), s.getK());
        b = channelFromCMYK(s.getY(), s.getK());
    }
    double const tint = clampUnit(m_tint);
    auto const blend = [tint](double channel) { return 255.0 - tint * (255.0 - channel); };
    return newRGB(blend(r), blend(g), blend(b));
}

} // namespace Drawing
