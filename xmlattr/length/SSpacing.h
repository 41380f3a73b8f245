// Xml::SSpacing: "normal" or an SVG length between letters or words, with its attribute.
// Implemented in TextMeasures.cpp, beside the rest of its family.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/SLength.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// Whether an SVG spacing is "normal" or a length. The numbers are part of the interface.
enum SpacingType : int {
    SpacingNormal = 0,
    SpacingLength = 1,
};

/// SVG letter or word spacing: "normal" (the default, 0px) or an `SLength`.
class XMLATTR_EXPORT SSpacing {
public:
    constexpr SSpacing() noexcept = default;
    /// A length.
    constexpr explicit SSpacing(SLength const& length) noexcept
        : m_type(SpacingLength), m_length(length) {}

    /// Equal types, and for lengths equal lengths.
    constexpr bool operator==(SSpacing const& other) const noexcept {
        return m_type == other.m_type && (m_type != SpacingLength || m_length == other.m_length);
    }
    /// The negation of `==`.
    constexpr bool operator!=(SSpacing const& other) const noexcept { return !(*this == other); }

    /// The type, and the length (meaningful for a length).
    ///@{
    constexpr SpacingType getType() const noexcept { return m_type; }
    constexpr SLength const& getSLength() const noexcept { return m_length; }
    ///@}

private:
    SpacingType m_type = SpacingNormal;
    SLength m_length;
};

/// Binds SVG spacings to their reader; they have no text form.
template <> struct XMLATTR_EXPORT ValueTraits<SSpacing> {
    /// "normal" exactly, else a text `SLength::parseSLength` accepts ("Normal" is 0px). On
    /// false the value is untouched.
    [[nodiscard]] static bool parse(SSpacing& value, Core::String const& text);
};

template <>
inline constexpr TypeDescription kTypeDescription<SSpacing>{
    .name = "SSpacing",
    .summary = "SVG letter-spacing, word-spacing: \"normal\" or a length",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<SSpacing>;

} // namespace Xml
