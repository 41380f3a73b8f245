// Xml::BoxShadow: two offsets, a blur radius and a colour, with its attribute.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/LengthAttribute.h"
#include "xmlattr/platform/Color.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/SmartPtr.h"
#include "xmlattr/platform/String.h"

namespace Xml {

class BoxShadow;

/// The attribute reads into a fresh shadow and writes "dx dy blur colour", each length
/// by the length writer and the colour by `ColorParse::getColorAsString`; a shadow
/// without colour ends in a blank ("0px 0px 0px ").
template <> struct XMLATTR_EXPORT ValueTraits<BoxShadow> {
    /// Reads `text` into a fresh shadow by `BoxShadow::readFromString` and stores it when read.
    [[nodiscard]] static bool parse(BoxShadow& value, Core::String const& text);
    /// The written form described above.
    static Core::String write(BoxShadow const& value);
};

template <>
inline constexpr TypeDescription kTypeDescription<BoxShadow>{
    .name = "BoxShadow",
    .summary = "box shadow: up to three lengths and a colour, blank-separated; every text but "
               "blanks reads",
    .family = TypeFamily::Colour};

/// A shadow. Copy construction shares the colour object; assignment and the
/// constructor from parts store a clone of it, so an assigned shadow is unequal to its
/// source unless it has no colour.
class XMLATTR_EXPORT BoxShadow {
public:
    /// 0px offsets and blur, no colour.
    BoxShadow() noexcept = default;
    /// Stores a clone of `color`, which may be empty.
    BoxShadow(Length const& dx, Length const& dy, Length const& blurRadius,
              SmartPtr<Drawing::Color> color);
    /// Shares the colour object.
    BoxShadow(BoxShadow const& other) noexcept = default;
    /// Stores a clone of the colour, so that the two shadows never share one.
    BoxShadow& operator=(BoxShadow const& other);
    ~BoxShadow() = default;

    /// The offsets, the blur radius and the colour (an empty pointer when there is none).
    ///@{
    Length getDx() const noexcept { return m_dx; }
    Length getDy() const noexcept { return m_dy; }
    Length getBlurRadius() const noexcept { return m_blurRadius; }
    SmartPtr<Drawing::Color> getColor() const noexcept { return m_color; }
    ///@}

    /// Equal lengths and the same colour object.
    bool operator==(BoxShadow const& other) const noexcept;

    /// Lenient. Walks the blank-separated parts in order: lengths fill dx, dy and the
    /// blur radius in turn, and one colour may stand anywhere among them; a fourth
    /// length, a second colour or an unreadable part ends the walk. Parts read before
    /// the end are kept, the rest of the shadow is untouched. False, with the shadow
    /// untouched, only when the text has no part at all. Never throws for bad text.
    [[nodiscard]] bool readFromString(Core::String const& text);

private:
    friend struct ValueTraits<BoxShadow>;

    Length m_dx;
    Length m_dy;
    Length m_blurRadius;
    SmartPtr<Drawing::Color> m_color;
};

extern template class XMLATTR_EXPORT TXmlAttribute<BoxShadow>;

} // namespace Xml
