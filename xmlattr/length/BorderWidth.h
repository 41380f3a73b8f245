// Xml::BorderWidth: a border's width with its three named widths, with its attribute.
// Includes the pair of lengths between borders.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/DLength.h"
#include "xmlattr/length/LengthAttribute.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// A border's width: a `Length`, 1.5pt by default. "thin", "medium" and "thick" are 1pt,
/// 3pt and 5pt, and those three lengths are written back as their names.
class XMLATTR_EXPORT BorderWidth : public Length {
public:
    constexpr BorderWidth() noexcept : Length(1.5f, Length::UnitPt) {}
    /// `size` in `unit`.
    constexpr BorderWidth(float size, Length::Unit unit) noexcept : Length(size, unit) {}

    /// Takes the length's unit and size.
    constexpr BorderWidth& operator=(Length const& length) noexcept {
        Length::operator=(length);
        return *this;
    }
};

/// Binds border widths to their reader and writer.
template <> struct XMLATTR_EXPORT ValueTraits<BorderWidth> {
    /// "thin", "medium", "thick" exactly, or a text `Length::parseLength` accepts; on false
    /// the value is untouched.
    [[nodiscard]] static bool parse(BorderWidth& value, Core::String const& text);
    /// The name of 1pt, 3pt or 5pt (in points only: 4px is not "medium"), else the length.
    static Core::String write(BorderWidth const& value);
};

template <>
inline constexpr TypeDescription kTypeDescription<BorderWidth>{
    .name = "BorderWidth",
    .summary = "border-width: \"thin\", \"medium\", \"thick\" or a length",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<BorderWidth>;

} // namespace Xml
