// Xml::LengthOrPercent: a length or a percentage held as a fraction (1.0 is one hundred per
// cent), with its attribute. Includes the SVG measure and the factor of the same kind.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/FloatOrPercent.h"
#include "xmlattr/length/LengthAttribute.h"
#include "xmlattr/length/SLengthOrPercent.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// A formatting-object measure: a `Length`, or a fraction of a reference length. Fields in
/// order: kind (1 length, 2 fraction), length, fraction. The default is 0px as a length.
class XMLATTR_EXPORT LengthOrPercent {
public:
    constexpr LengthOrPercent() noexcept = default;
    /// A length.
    constexpr explicit LengthOrPercent(Length const& length) noexcept : m_length(length) {}
    /// A fraction: 0.5 is fifty per cent; the length is 0px.
    constexpr explicit LengthOrPercent(float fraction) noexcept
        : m_kind(KindPercent), m_percent(fraction) {}

    /// Both or neither are fractions; fractions compare as floats, lengths by unit and size.
    constexpr bool operator==(LengthOrPercent const& other) const noexcept {
        if (isPercent() != other.isPercent()) {
            return false;
        }
        return isPercent() ? m_percent == other.m_percent : m_length == other.m_length;
    }
    /// The negation of `==`.
    constexpr bool operator!=(LengthOrPercent const& other) const noexcept {
        return !(*this == other);
    }

    /// The kind, the fraction (meaningful for a percentage: "50%" is 0.5) and the length (for a
    /// length).
    ///@{
    constexpr bool isPercent() const noexcept { return m_kind == KindPercent; }
    constexpr float getPercent() const noexcept { return m_percent; }
    constexpr Length const& getLength() const noexcept { return m_length; }
    ///@}
    /// Makes this a length; the stored fraction is kept.
    constexpr void setLength(Length const& length) noexcept {
        m_kind = KindLength;
        m_length = length;
    }
    /// Makes this a fraction; the stored length is kept.
    constexpr void setPercent(float fraction) noexcept {
        m_kind = KindPercent;
        m_percent = fraction;
    }

    /// A length's pixels (throws as `Length::pxSize` for em and ex), or
    /// `reference` × fraction.
    float pxSize(float reference) const;
    /// The stored length's pixels, whatever the kind.
    float getLengthPxSize() const;

    /// Strict. The first code unit must be a digit, "+", "-" or ".". Then a final "%" makes a
    /// fraction (number / 100), a final digit or "." a plain factor ("1.2" is "120%"), and
    /// anything else a length whose last two code units are its unit, an unknown pair of
    /// letters being pixels ("12xy" is 12px). What comes before the "%" or unit (the whole
    /// text for a factor) must be one number, blanks after it allowed, within the float range:
    /// "5pt 7", "12pt3", "20pt 0 40pt 0" and "12 " (no unit) are rejected. Untrimmed at its
    /// start, case-sensitive. On false `out` is untouched. Never throws.
    [[nodiscard]] static bool parseLengthOrPercent(LengthOrPercent& out,
                                                   Core::String const& text) noexcept;
    /// A fraction as its percentage followed by "%" ("50%"), or as the plain factor where its
    /// percentage is beyond the float range; a length as `Length` writes it.
    /// Throws as `Length::getValueAsString` for a unit number outside its table.
    static Core::String getValueAsString(LengthOrPercent const& value);

private:
    enum Kind : int { KindLength = 1, KindPercent = 2 };

    Kind m_kind = KindLength;
    Length m_length;
    float m_percent = 0.0f;
};

/// Binds lengths or percentages to `LengthOrPercent::parseLengthOrPercent` and `getValueAsString`.
template <> struct ValueTraits<LengthOrPercent> {
    /// `LengthOrPercent::parseLengthOrPercent`.
    [[nodiscard]] static bool parse(LengthOrPercent& value, Core::String const& text) {
        return LengthOrPercent::parseLengthOrPercent(value, text);
    }
    /// `LengthOrPercent::getValueAsString`.
    static Core::String write(LengthOrPercent const& value) {
        return LengthOrPercent::getValueAsString(value);
    }
};

template <>
inline constexpr TypeDescription kTypeDescription<LengthOrPercent>{
    .name = "LengthOrPercent",
    .summary = "formatting-object length, percentage or plain factor (\"12pt\", \"50%\", \"1.2\")",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<LengthOrPercent>;

} // namespace Xml
