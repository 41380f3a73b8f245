// Xml::Point: a point of an SVG polyline or polygon, with the point list's reader and writer.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/LengthAttribute.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"
#include "xmlattr/platform/Vector.h"

namespace Xml {

/// One point of an SVG point list (`points` of a polyline or polygon), each coordinate a length
/// with its unit.
class XMLATTR_EXPORT Point {
public:
    /// 0 px, 0 px.
    constexpr Point() noexcept = default;
    /// The coordinates as given.
    constexpr Point(SLength const& px, SLength const& py) noexcept : x(px), y(py) {}

    /// Both coordinates equal as lengths: same unit and size.
    constexpr bool operator==(Point const& other) const noexcept {
        return x == other.x && y == other.y;
    }
    /// The negation of `==`.
    constexpr bool operator!=(Point const& other) const noexcept { return !(*this == other); }

    /// Strict. Coordinates are numbers, each may carry a unit ("10px", "2cm", "50%"); white
    /// space or one comma separates them, and a sign or a second point starts the next one
    /// ("10-20" is two, "1.5.5" is 1.5 and .5). A unit is two code units or more, or "%"
    /// ("10p", "5x" and numbers beyond the float range are no coordinate). A lone last
    /// coordinate is dropped. On true
    /// `points` is replaced by exactly the points read; on false (a coordinate that is no
    /// number, "10,", "10 20 , 30 40") it is untouched. Never throws for text.
    [[nodiscard]] static bool parsePointList(Core::Vector<Point>& points, Core::String const& text);
    /// "x y,x y,..." with each coordinate in pixels ("10 20,96 0"), except that em, ex and
    /// percentages, which have no size in pixels, and lengths whose pixels are beyond the
    /// float range keep their unit ("1em", "50%", "3e+38in"): the text reads back to the same
    /// pixels or lengths. Empty for no points. Never throws.
    static Core::String getPointListValueAsString(Core::Vector<Point> const& points);

    /// The coordinates, as read.
    ///@{
    SLength x;
    SLength y;
    ///@}
};

/// Binds point lists to `Point::parsePointList` and `Point::getPointListValueAsString`.
template <> struct ValueTraits<Core::Vector<Point>> {
    /// `Point::parsePointList`.
    [[nodiscard]] static bool parse(Core::Vector<Point>& value, Core::String const& text) {
        return Point::parsePointList(value, text);
    }
    /// `Point::getPointListValueAsString`.
    static Core::String write(Core::Vector<Point> const& value) {
        return Point::getPointListValueAsString(value);
    }
};

template <>
inline constexpr TypeDescription kTypeDescription<Core::Vector<Point>>{
    .name = "PointList",
    .summary = "SVG points: pairs of coordinates (\"10,20 30,40\")",
    .family = TypeFamily::Geometry};

extern template class XMLATTR_EXPORT TXmlAttribute<Core::Vector<Point>>;

} // namespace Xml
