// Xml::PathDataCommand: one command of SVG path data, and the path data attribute.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/LengthAttribute.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"
#include "xmlattr/platform/Vector.h"

namespace Xml {

/// The kind of a path command. The numbers are part of the interface; 1 is reserved (no text
/// produces it and it carries no data) and 0 is not used.
enum PathCommandType : int {
    MoveTo = 2,
    ClosePath = 3,
    LineTo = 4,
    HorizontalLineTo = 5,
    VerticalLineTo = 6,
    CurveTo = 7,
    SmoothCurveTo = 8,
    QuadraticCurveTo = 9,
    SmoothQuadraticCurveTo = 10,
    Arc = 11,
};

/// One command as written: absolute or relative, its arguments in their fields. Fields the
/// kind does not use hold 0 px (lengths), 0 (`rotation`) and false (flags).
struct XMLATTR_EXPORT PathDataCommand {
    /// The command; it says which fields below hold data.
    PathCommandType type = PathCommandType(0);
    /// A lower-case letter; always false for `ClosePath`.
    bool relative = false;
    /// The points and radii in the units written, as the command's letter orders them.
    ///@{
    SLength x1{}, y1{}; ///< first control point: CurveTo, QuadraticCurveTo
    SLength x2{}, y2{}; ///< second control point: CurveTo, SmoothCurveTo
    SLength x{}, y{};   ///< end point (HorizontalLineTo uses x only, VerticalLineTo y only)
    SLength rx{}, ry{}; ///< arc radii
    ///@}
    float rotation = 0.0f; ///< the arc's x-axis rotation, its unit dropped
    /// The arc's large-arc flag.
    bool largeArc = false;
    /// The arc's sweep flag.
    bool sweep = false;

    /// Same type in 1..11 and equal in the fields that type reads from text (and `relative`,
    /// except for `ClosePath` and 1, which compare nothing else). Any other type is unequal
    /// to everything, itself included.
    bool operator==(PathDataCommand const& other) const noexcept;
    /// The negation of `==`.
    bool operator!=(PathDataCommand const& other) const noexcept { return !(*this == other); }
};

/// Path data: lenient, never rejects. Reads `text` into a new list and then replaces `value`
/// with it (an empty text gives an empty list). Each command letter takes its arguments,
/// repeated while more numbers follow ("M 1 2 3 4" is a move then a line); a missing argument
/// reads as 0 px and any character that cannot start a command is skipped. Arguments may carry
/// a unit ("10pt", "2cm", "5mm", "50%"); the arc flags are single digits that need no separator.
template <> struct XMLATTR_EXPORT ValueTraits<Core::Vector<PathDataCommand>> {
    /// Reads `text` into `value`, as described above; always true.
    [[nodiscard]] static bool parse(Core::Vector<PathDataCommand>& value, Core::String const& text);
};

template <>
inline constexpr TypeDescription kTypeDescription<Core::Vector<PathDataCommand>>{
    .name = "PathData",
    .summary = "SVG path data: commands and their numbers; every text reads",
    .family = TypeFamily::Geometry,
    .reads = ReadRule::Always};

extern template class XMLATTR_EXPORT TXmlAttribute<Core::Vector<PathDataCommand>>;

} // namespace Xml
