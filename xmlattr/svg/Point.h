// Xml::Point: a point of an SVG polyline or polygon, with the point list's reader and writer.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/LengthAttribute.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"
#include "xmlattr/platform/Vector.h"

namespace Xml {

class XMLATTR_EXPORT Point {
public:
    /// 0 px, 0 px.
    constexpr Point() noexcept = default;
    constexpr Point(SLength const& px, SLength const& py) noexcept : x(px), y(py) {}

    /// Both coordinates equal as lengths: same unit and size.
    constexpr bool operator==(Point const& other) const noexcept {
        return x == other.x && y == other.y;
    }
    constexpr bool operator!=(Point const& other) const noexcept { return !(*this == other); }

    /// Strict. Coordinates are numbers, each may carry a unit ("10px", "2cm", "50%"); white
    /// space or one comma separates them, and a sign or a second point starts the next one
    /// ("10-20" is two, "1.5.5" is 1.5 and .5). A lone last coordinate is dropped. On true
    /// `points` is replaced by exactly the points read; on false (a coordinate that is no
    /// number, "10,", "10 20 , 30 40") it is untouched. Never throws for text.
    [[nodiscard]] static bool parsePointList(Core::Vector<Point>& points, Core::String const& text);
    /// "x y,x y,..." with each coordinate converted to pixels ("10 20,96 0"); empty for no
    /// points. Throws `Core::UnreacheableCodeException` for an em or ex coordinate, which
    /// has no size in pixels.
    static Core::String getPointListValueAsString(Core::Vector<Point> const& points);

    SLength x;
    SLength y;
};

template <> struct ValueTraits<Core::Vector<Point>> {
    [[nodiscard]] static bool parse(Core::Vector<Point>& value, Core::String const& text) {
        return Point::parsePointList(value, text);
    }
    static Core::String write(Core::Vector<Point> const& value) {
        return Point::getPointListValueAsString(value);
    }
};

extern template class XMLATTR_EXPORT TXmlAttribute<Core::Vector<Point>>;

} // namespace Xml
