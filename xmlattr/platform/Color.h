// Drawing::Color and its four classes, and the ICC colour space that an ICC colour names.
#pragma once

#include "xmlattr/platform/ColorSubstitute.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/Object.h"
#include "xmlattr/platform/SmartPtr.h"
#include "xmlattr/platform/String.h"

#include <cstdint>

namespace Drawing {

class Color;

/// A colour space. Device colours have none: only ICC colours carry one.
class XMLATTR_EXPORT ColorSpace : public Core::Object {
public:
    /// The kinds of space; a number for each so that an engine can switch on it.
    enum Type : int { TypeICC = 0 };

    ~ColorSpace() override;

    /// The space's kind; the only kind is `TypeICC`.
    virtual Type getType() = 0;
    /// How many components a colour in this space has.
    virtual int getComponentsCount() = 0;
    /// The colour's lightness from 0 (black) to 1 (white). Throws
    /// `Core::NullPointerException` for an empty `color`.
    virtual float toGray(SmartPtr<Color> color) = 0;

protected:
    ColorSpace() noexcept = default;
    /// For the derived spaces only: a space is shared by reference, never copied by callers.
    ///@{
    ColorSpace(ColorSpace const&) noexcept = default;
    ColorSpace& operator=(ColorSpace const&) noexcept = default;
    ///@}
};

static_assert(sizeof(ColorSpace::Type) == 4);

/// A space known only by the name of its profile: the profile itself is never opened.
class XMLATTR_EXPORT ICCColorSpace final : public ColorSpace {
public:
    /// A space for the profile of that name.
    explicit ICCColorSpace(Core::String profileName);
    ~ICCColorSpace() override;

    /// The name the colour's text gave, as written.
    Core::String const& getProfileName() const noexcept { return m_profileName; }

    /// `TypeICC`.
    Type getType() override;
    /// 0: without the profile the count is unknown; each ICC colour carries its own.
    int getComponentsCount() override;
    /// The luma (0.299 R + 0.587 G + 0.114 B) of the colour's `toRGB`.
    float toGray(SmartPtr<Color> color) override;

private:
    Core::String m_profileName;
};

/// A colour value held by reference count. Colours are immutable once built (an ICC
/// colour's fallback is set right after construction), so one object may be shared.
class XMLATTR_EXPORT Color : public Core::Object {
public:
    ~Color() override;

    /// The ICC space of an ICC colour; an empty pointer for a device colour.
    virtual SmartPtr<ColorSpace> getColorSpace() const = 0;
    /// A new object equal in value, with a count of one once held.
    virtual SmartPtr<Color> clone() const = 0;
    /// A new `RGBColor` approximating this colour; no colour management is done.
    virtual SmartPtr<Color> toRGB() const = 0;

protected:
    Color() noexcept = default;
    /// For the derived colours only: a colour is shared by reference, never copied by callers.
    ///@{
    Color(Color const&) noexcept = default;
    Color& operator=(Color const&) noexcept = default;
    ///@}
};

/// A device colour of three 8-bit components.
class XMLATTR_EXPORT RGBColor final : public Color {
public:
    /// The colour as given; there is no alpha.
    RGBColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) noexcept;
    ~RGBColor() override;

    /// The red, green and blue components, 0..255.
    ///@{
    std::uint8_t getR() const noexcept { return m_r; }
    std::uint8_t getG() const noexcept { return m_g; }
    std::uint8_t getB() const noexcept { return m_b; }
    ///@}

    SmartPtr<ColorSpace> getColorSpace() const override;
    SmartPtr<Color> clone() const override;
    /// A copy.
    SmartPtr<Color> toRGB() const override;

private:
    std::uint8_t m_r;
    std::uint8_t m_g;
    std::uint8_t m_b;
};

/// Components are kept as given, even outside 0..1.
class XMLATTR_EXPORT CMYKColor final : public Color {
public:
    /// The colour as given, with no clamping.
    CMYKColor(double c, double m, double y, double k) noexcept;
    ~CMYKColor() override;

    /// The cyan, magenta, yellow and black components, as given.
    ///@{
    double getC() const noexcept { return m_c; }
    double getM() const noexcept { return m_m; }
    double getY() const noexcept { return m_y; }
    double getK() const noexcept { return m_k; }
    ///@}

    SmartPtr<ColorSpace> getColorSpace() const override;
    SmartPtr<Color> clone() const override;
    /// The naive conversion R = 255 (1 - C) (1 - K), likewise G from M and B from Y,
    /// rounded, with each component first clamped to 0..1.
    SmartPtr<Color> toRGB() const override;

private:
    double m_c;
    double m_m;
    double m_y;
    double m_k;
};

/// Up to four components in an ICC space, with an RGB fallback (black until set).
class XMLATTR_EXPORT ICCColor final : public Color {
public:
    /// The most components an ICC colour holds; further ones in a text are dropped.
    static constexpr int kMaxComponents = 4;

    /// Copies the first `count` values (at most four) from `components`; the others are
    /// zero, as all are when `components` is null. `count` is kept as given. `space` may
    /// be empty.
    ICCColor(int count, float const* components, SmartPtr<ICCColorSpace> space);
    ~ICCColor() override;

    /// The RGB colour used where the profile is not applied; black until set.
    void setFallBack(std::uint8_t r, std::uint8_t g, std::uint8_t b) noexcept;

    /// The component count as given to the constructor (it may exceed the four held).
    int getColorCount() const noexcept { return m_count; }
    /// Component `index`; 0 for an index outside 0..3.
    float getColor(int index) const noexcept {
        return index >= 0 && index < kMaxComponents ? m_components[index] : 0.0f;
    }
    /// The fallback's red, green and blue.
    ///@{
    std::uint8_t getFallBackR() const noexcept { return m_fallBackR; }
    std::uint8_t getFallBackG() const noexcept { return m_fallBackG; }
    std::uint8_t getFallBackB() const noexcept { return m_fallBackB; }
    ///@}

    /// The space given to the constructor, which may be empty.
    SmartPtr<ColorSpace> getColorSpace() const override;
    /// Shares the space, which is immutable.
    SmartPtr<Color> clone() const override;
    /// The fallback.
    SmartPtr<Color> toRGB() const override;

private:
    int m_count;
    float m_components[kMaxComponents] = {};
    SmartPtr<ICCColorSpace> m_space;
    std::uint8_t m_fallBackR = 0;
    std::uint8_t m_fallBackG = 0;
    std::uint8_t m_fallBackB = 0;
};

/// A named ink printed at a tint (nominally 0..1), with process colours standing in
/// for it.
class XMLATTR_EXPORT SpotColor final : public Color {
public:
    /// A CMYK substitute only. The components are widened to the double nearest
    /// their shortest decimal form, so 0.2f is kept as 0.2.
    SpotColor(Core::String name, float tint, float c, float m, float y, float k);
    /// An RGB substitute only.
    SpotColor(Core::String name, float tint, std::uint8_t r, std::uint8_t g, std::uint8_t b);
    ~SpotColor() override;

    /// The ink's name as written, its tint as given, and its process colours.
    ///@{
    Core::String const& getColorName() const noexcept { return m_name; }
    float getTint() const noexcept { return m_tint; }
    ColorSubstitute const& getColorSubstitute() const noexcept { return m_substitute; }
    ///@}

    SmartPtr<ColorSpace> getColorSpace() const override;
    SmartPtr<Color> clone() const override;
    /// The substitute (RGB if it has one, else CMYK converted as `CMYKColor` does,
    /// else black) blended with white by the tint clamped to 0..1: a tint of 1 gives
    /// the substitute, 0 gives white.
    SmartPtr<Color> toRGB() const override;

private:
    Core::String m_name;
    float m_tint;
    ColorSubstitute m_substitute;
};

} // namespace Drawing
