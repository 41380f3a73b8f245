// Xml::SLengthOrPercent: an SVG length or a fraction of a reference length, with its
// attribute.
// Implemented in LengthOrPercent.cpp, beside the rest of its family.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/SLength.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// An SVG measure: an `SLength`, or a fraction of a reference length. Same layout and
/// default as `LengthOrPercent`. Read by `SLength::parseSLengthOrPercent`; no text form.
class XMLATTR_EXPORT SLengthOrPercent {
public:
    constexpr SLengthOrPercent() noexcept = default;
    /// A length of `size` in `unit`.
    constexpr SLengthOrPercent(float size, SLength::Unit unit) noexcept : m_length(size, unit) {}
    /// A fraction: 0.5 is fifty per cent; the length is 0px.
    constexpr explicit SLengthOrPercent(float fraction) noexcept
        : m_kind(KindPercent), m_percent(fraction) {}

    /// Same kind, and equal lengths or equal fractions.
    constexpr bool operator==(SLengthOrPercent const& other) const noexcept {
        if (isPercent() != other.isPercent()) {
            return false;
        }
        return isPercent() ? m_percent == other.m_percent : m_length == other.m_length;
    }
    /// The negation of `==`.
    constexpr bool operator!=(SLengthOrPercent const& other) const noexcept {
        return !(*this == other);
    }

    /// The kind, the fraction (meaningful for a percentage: "50%" is 0.5) and the length (for a
    /// length).
    ///@{
    constexpr bool isPercent() const noexcept { return m_kind == KindPercent; }
    constexpr float getPercent() const noexcept { return m_percent; }
    constexpr SLength const& getLength() const noexcept { return m_length; }
    ///@}

    /// A length's pixels (throws as `SLength::pxSize` for em and ex), or
    /// `reference` × fraction.
    float pxSize(float reference) const;
    /// The stored length's pixels, whatever the kind.
    float getLengthPxSize() const;

private:
    enum Kind : int { KindLength = 1, KindPercent = 2 };

    Kind m_kind = KindLength;
    SLength m_length;
    float m_percent = 0.0f;
};

/// Binds SVG lengths or percentages to `SLength::parseSLengthOrPercent`; they have no text form.
template <> struct ValueTraits<SLengthOrPercent> {
    /// `SLength::parseSLengthOrPercent`.
    [[nodiscard]] static bool parse(SLengthOrPercent& value, Core::String const& text) {
        return SLength::parseSLengthOrPercent(value, text);
    }
};

template <>
inline constexpr TypeDescription kTypeDescription<SLengthOrPercent>{
    .name = "SLengthOrPercent",
    .summary = "SVG length or percentage; a plain number is in pixels (\"12\", \"50%\")",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<SLengthOrPercent>;

} // namespace Xml
