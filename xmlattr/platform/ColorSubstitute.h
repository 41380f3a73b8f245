// Drawing::ColorSubstitute and Drawing::SpotColorMapper: the process colours that
// stand in for a named spot colour.
#pragma once

#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

#include <cstdint>

namespace Drawing {

/// An optional CMYK substitute (components nominally 0..1) and an optional RGB
/// substitute (0..255), independent of each other. The default has neither; the
/// getters of a missing substitute give 0.
class XMLATTR_EXPORT ColorSubstitute {
public:
    ColorSubstitute() noexcept = default;

    /// Whether each substitute was set.
    ///@{
    bool hasCMYKSubstitute() const noexcept { return m_hasCMYK; }
    bool hasRGBSubstitute() const noexcept { return m_hasRGB; }
    ///@}

    /// The CMYK substitute's components, as set; 0 without one.
    ///@{
    double getC() const noexcept { return m_c; }
    double getM() const noexcept { return m_m; }
    double getY() const noexcept { return m_y; }
    double getK() const noexcept { return m_k; }
    ///@}
    /// The RGB substitute's components; 0 without one.
    ///@{
    std::uint8_t getR() const noexcept { return m_r; }
    std::uint8_t getG() const noexcept { return m_g; }
    std::uint8_t getB() const noexcept { return m_b; }
    ///@}

    /// Sets the CMYK substitute as given, unchecked; the RGB one is kept.
    void setCMYK(double c, double m, double y, double k) noexcept;
    /// Sets the RGB substitute; the CMYK one is kept.
    void setRGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) noexcept;

    /// Strict. Reads the whole of "cmyk(c,m,y,k)" or "rgb(r,g,b)": the name in lower
    /// case, "(" right after it, ")" last, and white space allowed only around each
    /// argument and around the whole text.
    /// - cmyk: four numbers; "n%" means n/100; each must then lie in 0..1.
    /// - rgb: three integers 0..255; "n%" (n an integer 0..100) means n*255/100
    ///   truncated, as the library's other percentage colour components are.
    /// On success `out` is replaced by a substitute holding only what was read. Any
    /// other text, a value out of range included, gives false and leaves `out` untouched.
    [[nodiscard]] static bool parseColorFunctionString(Core::String text, ColorSubstitute& out);

private:
    double m_c = 0;
    double m_m = 0;
    double m_y = 0;
    double m_k = 0;
    std::uint8_t m_r = 0;
    std::uint8_t m_g = 0;
    std::uint8_t m_b = 0;
    bool m_hasCMYK = false;
    bool m_hasRGB = false;
};

/// The substitutes known for well-known spot colour names.
class XMLATTR_EXPORT SpotColorMapper {
public:
    /// The CMYK substitute known for `name`, matched exactly and case-sensitively;
    /// a substitute with neither for any other name.
    static ColorSubstitute getColorSubstitute(Core::String name);
};

} // namespace Drawing
