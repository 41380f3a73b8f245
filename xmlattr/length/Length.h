// Xml::Length: a length of the formatting-object vocabulary, a number with a unit, with
// its attribute.
// Implemented in Lengths.cpp, beside the rest of its family.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

#include <iosfwd>

namespace Xml {

/// A length of the formatting-object vocabulary. A plain value: unit, then size.
class XMLATTR_EXPORT Length {
public:
    /// The numbers are part of the interface.
    enum Unit : int {
        UnitPx = 0,
        UnitPt = 1,
        UnitPc = 2,
        UnitCm = 3,
        UnitMm = 4,
        UnitIn = 5,
        UnitEm = 6,
        UnitEx = 7,
    };

    /// `size` in `unit`, as given; the default is 0 px.
    constexpr Length(float size = 0.0f, Unit unit = UnitPx) noexcept : m_unit(unit), m_size(size) {}

    /// The number and the unit as read; `pxSize` converts.
    ///@{
    constexpr float getSize() const noexcept { return m_size; }
    constexpr Unit getUnit() const noexcept { return m_unit; }
    ///@}

    /// Same unit and sizes equal as floats: 72pt is not 1in.
    constexpr bool operator==(Length const& other) const noexcept {
        return m_unit == other.m_unit && m_size == other.m_size;
    }
    /// The negation of `==`.
    constexpr bool operator!=(Length const& other) const noexcept { return !(*this == other); }

    /// The size in pixels at 96 per inch, in single precision. A unit number outside
    /// the enumeration gives 0. Throws `Core::UnreacheableCodeException` for em and
    /// ex, which only the caller can resolve against a font.
    float pxSize() const;

    /// Strict: the text must start like a number (a digit, "+", "-" or ".") and end in one of
    /// the unit suffixes, in lower case ("12pt", "-1.5cm"; " 12pt", "12pt " and "12PT" are
    /// rejected), or be "0" alone (0pt). What lies between must be one number, blanks after it
    /// allowed ("12 pt" is 12pt): "1x5pt", "1in 2pt", "--12pt" and a number beyond the float
    /// range ("1e39pt") are rejected. On false `out` is untouched.
    [[nodiscard]] static bool parseLength(Length& out, Core::String const& text) noexcept;
    /// The size followed by the unit's suffix ("12pt"). Throws
    /// `Core::UnreacheableCodeException` for a unit number outside the enumeration.
    static Core::String getValueAsString(Length const& value);

private:
    Unit m_unit;
    float m_size;
};

/// The written text ("12pt"); a unit outside the enumeration shows as "(unit N)" instead
/// of throwing.
XMLATTR_EXPORT std::ostream& operator<<(std::ostream& out, Length const& value);

/// Binds lengths to `Length::parseLength` and `Length::getValueAsString`.
template <> struct ValueTraits<Length> {
    /// `Length::parseLength`.
    [[nodiscard]] static bool parse(Length& value, Core::String const& text) {
        return Length::parseLength(value, text);
    }
    /// `Length::getValueAsString`.
    static Core::String write(Length const& value) { return Length::getValueAsString(value); }
};

template <>
inline constexpr TypeDescription kTypeDescription<Length>{
    .name = "Length",
    .summary =
        "formatting-object length: a number and a unit in small letters (\"12pt\"), or \"0\"",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<Length>;

} // namespace Xml
