// Xml::ViewBox: the rectangle of user space an SVG viewport shows, and its attribute.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/LengthOrPercent.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// The `viewBox` of an SVG element: the rectangle of user space that the viewport shows.
class XMLATTR_EXPORT ViewBox {
public:
    /// 0%, 0%, 100%, 100%.
    constexpr ViewBox() noexcept : minX(0.0f), minY(0.0f), width(1.0f), height(1.0f) {}
    /// The four measures as given.
    constexpr ViewBox(SLengthOrPercent const& x, SLengthOrPercent const& y,
                      SLengthOrPercent const& w, SLengthOrPercent const& h) noexcept
        : minX(x), minY(y), width(w), height(h) {}

    /// Equal when the four measures are.
    ///@{
    constexpr bool operator==(ViewBox const& other) const noexcept {
        return minX == other.minX && minY == other.minY && width == other.width &&
               height == other.height;
    }
    constexpr bool operator!=(ViewBox const& other) const noexcept { return !(*this == other); }
    ///@}

    /// The rectangle's corner and size, as read.
    ///@{
    SLengthOrPercent minX;
    SLengthOrPercent minY;
    SLengthOrPercent width;
    SLengthOrPercent height;
    ///@}
};

/// Strict: four measures separated by white space, one comma, or both ("0 0 10 10",
/// "0,0,10,10", "0, 0 ,10 10"), each read by `SLength::parseSLengthOrPercent`, with only white
/// space before the first and after the fourth. On false (a measure missing or unreadable,
/// two commas, anything after the fourth) `value` is untouched. No text form.
template <> struct XMLATTR_EXPORT ValueTraits<ViewBox> {
    /// Reads `text` into `value`, as described above.
    [[nodiscard]] static bool parse(ViewBox& value, Core::String const& text) noexcept;
};

template <>
inline constexpr TypeDescription kTypeDescription<ViewBox>{
    .name = "ViewBox",
    .summary = "SVG viewBox: four lengths separated by white space (\"0 0 100 50\")",
    .family = TypeFamily::Geometry};

extern template class XMLATTR_EXPORT TXmlAttribute<ViewBox>;

} // namespace Xml
