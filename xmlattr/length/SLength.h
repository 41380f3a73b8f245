// Xml::SLength: a length of the SVG vocabulary, a number with a unit or a fraction, with
// its attribute.
// Implemented in Lengths.cpp, beside the rest of its family.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

#include <iosfwd>

namespace Xml {

class SLengthOrPercent;

/// A length of the SVG vocabulary: a plain number is in pixels, a trailing "%" is a
/// fraction (50% is held as 0.5), and pica has its own number.
class XMLATTR_EXPORT SLength {
public:
    /// The numbers are part of the interface; 2 is never produced by the parser.
    enum Unit : int {
        UnitPx = 0,
        UnitPt = 1,
        UnitUnused = 2,
        UnitCm = 3,
        UnitMm = 4,
        UnitIn = 5,
        UnitEm = 6,
        UnitEx = 7,
        UnitPc = 8,
        UnitPercent = 9,
    };

    /// `size` in `unit`, as given; the default is 0 px.
    constexpr SLength(float size = 0.0f, Unit unit = UnitPx) noexcept
        : m_unit(unit), m_size(size) {}

    /// The number and the unit as read; `pxSize` converts.
    ///@{
    constexpr float getSize() const noexcept { return m_size; }
    constexpr Unit getUnit() const noexcept { return m_unit; }
    ///@}

    /// Same unit and same size: 1in and 96px are unequal.
    constexpr bool operator==(SLength const& other) const noexcept {
        return m_unit == other.m_unit && m_size == other.m_size;
    }
    /// The negation of `==`.
    constexpr bool operator!=(SLength const& other) const noexcept { return !(*this == other); }
    /// True when the size is 0, whatever the unit.
    constexpr bool operator!() const noexcept { return m_size == 0.0f; }

    /// As `Length::pxSize`; a percentage gives its fraction unchanged, unit 2 gives 0.
    float pxSize() const;

    /// Lenient about the unit, strict about the number: "12", "12px" and "12xy" are 12px,
    /// "50%" is the fraction 0.5. Only two letters at the end are a unit; otherwise the whole
    /// text is the number ("12 " and "10." are 12px and 10px). What comes before the unit or
    /// "%" must be one number, white space around it allowed, within the float range
    /// ("inherit", "auto", "5pt 7" and "12pt " are rejected). One- and
    /// two-code-unit texts without a final digit are rejected. Case-sensitive. On false
    /// `out` is untouched. Never throws.
    [[nodiscard]] static bool parseSLength(SLength& out, Core::String const& text) noexcept;
    /// As `parseSLength`, but the first code unit must begin the number (no white space),
    /// and texts of one or two code units are numbers in px ("5." is 5px; "+" and "." are
    /// rejected).
    /// Case-sensitive. On false `out` is untouched. Never throws.
    [[nodiscard]] static bool parseSLengthOrPercent(SLengthOrPercent& out,
                                                    Core::String const& text) noexcept;

private:
    Unit m_unit;
    float m_size;
};

/// Number and unit ("12px", "3cm"); a percentage shows as written ("50%", held as 0.5).
XMLATTR_EXPORT std::ostream& operator<<(std::ostream& out, SLength const& value);

/// Binds SVG lengths to `SLength::parseSLength`; they have no text form.
template <> struct ValueTraits<SLength> {
    /// `SLength::parseSLength`.
    [[nodiscard]] static bool parse(SLength& value, Core::String const& text) {
        return SLength::parseSLength(value, text);
    }
};

template <>
inline constexpr TypeDescription kTypeDescription<SLength>{
    .name = "SLength",
    .summary =
        "SVG length: a number, in pixels unless a unit or \"%\" follows (\"12\", \"3cm\", \"50%\")",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<SLength>;

} // namespace Xml
