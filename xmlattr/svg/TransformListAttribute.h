// Xml::Transform: one item of an SVG transform list, and the transform list attribute.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/LengthAttribute.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"
#include "xmlattr/platform/Vector.h"

namespace Xml {

/// The kind of a transform. The numbers are part of the interface; 0 is not used.
enum TransformType : int {
    Matrix = 1,
    Translate = 2,
    Scale = 3,
    Rotate = 4,
    SkewX = 5,
    SkewY = 6,
};

/// One transform as written: its kind and its arguments, nothing composed or converted
/// (angles stay in degrees). Numbers from text are read in single precision. The four
/// lengths always hold a length, 0 px where the kind does not use them; the other members
/// a kind does not use are 0.
class XMLATTR_EXPORT Transform {
public:
    /// `Translate` by 0 px, 0 px: also what unreadable text gives.
    Transform() noexcept;
    /// `Matrix` a b c d e f.
    Transform(double a, double b, double c, double d, double e, double f) noexcept;
    /// `Translate`.
    Transform(SLength const& x, SLength const& y) noexcept;
    /// `Scale`.
    Transform(double x, double y) noexcept;
    /// `Rotate` about the centre (x, y).
    Transform(double degrees, SLength const& x, SLength const& y) noexcept;
    /// `type` with both skew angles set to `degrees` (for `SkewX` and `SkewY`).
    Transform(TransformType kind, double degrees) noexcept;

    /// Same kind in 1..6 and equal in the members of that kind; any other kind is unequal to
    /// everything, itself included. Doubles compare as doubles (a NaN equals nothing).
    bool operator==(Transform const& other) const noexcept;
    /// The negation of `==`.
    bool operator!=(Transform const& other) const noexcept { return !(*this == other); }

    /// One item, "rotate(30" or "translate(10, 20)", the ")" optional and anything after it
    /// ignored. Never fails: an unknown name (names are case-sensitive), a missing "(" or a
    /// wrong number of arguments gives `Transform()`. Arguments are separated by white space,
    /// one comma or both; angles, factors and matrix numbers are read as far as they are
    /// numbers (0 where none begins), lengths may carry a unit.
    static Transform readTransform(Core::String const& text);

    /// The kind; it says which members below hold the transform.
    TransformType type;
    /// `Matrix`: a b c d e f.
    double matrix[6];
    /// `Translate`: the offsets, with their units.
    ///@{
    TXmlAttribute<SLength> tx;
    TXmlAttribute<SLength> ty;
    ///@}
    /// `Scale`: the factors.
    ///@{
    double sx;
    double sy;
    ///@}
    /// `Rotate`: the angle in degrees.
    double angle;
    /// `Rotate`: the centre, with its units.
    ///@{
    TXmlAttribute<SLength> cx;
    TXmlAttribute<SLength> cy;
    ///@}
    /// `SkewX` and `SkewY`: the angles in degrees (both are set to the one angle of the text).
    ///@{
    double skewAngleX;
    double skewAngleY;
    ///@}
};

/// Transform lists: lenient, always true. Each item closed by ")" is read as
/// `Transform::readTransform` reads it and appended to `value` (which is not cleared first);
/// items are separated by white space, one comma or both; an item left open at the end of
/// the text is dropped.
template <> struct XMLATTR_EXPORT ValueTraits<Core::Vector<Transform>> {
    /// Appends the items of `text` to `value`; always true.
    [[nodiscard]] static bool parse(Core::Vector<Transform>& value, Core::String const& text);
};

template <>
inline constexpr TypeDescription kTypeDescription<Core::Vector<Transform>>{
    .name = "TransformList",
    .summary =
        "SVG transform: matrix, translate, scale, rotate, skewX and skewY items; every text reads",
    .family = TypeFamily::Geometry,
    .reads = ReadRule::Always};

extern template class XMLATTR_EXPORT TXmlAttribute<Core::Vector<Transform>>;

} // namespace Xml
