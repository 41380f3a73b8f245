// Xml::LetterSpacing: "normal" or a length between letters, with its attribute.
// Implemented in TextMeasures.cpp, beside the rest of its family.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/Length.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// Letter spacing: "normal" (the default, 0px) or a `Length`. Fields: type (0 normal,
/// 1 length), length.
class XMLATTR_EXPORT LetterSpacing {
public:
    constexpr LetterSpacing() noexcept = default;
    /// A length.
    constexpr explicit LetterSpacing(Length const& length) noexcept
        : m_type(TypeLength), m_length(length) {}

    /// Both normal, or both lengths and equal.
    constexpr bool operator==(LetterSpacing const& other) const noexcept {
        return m_type == other.m_type && (isNormal() || m_length == other.m_length);
    }
    /// The negation of `==`.
    constexpr bool operator!=(LetterSpacing const& other) const noexcept {
        return !(*this == other);
    }

    /// Whether the spacing is "normal", and the length (meaningful when it is not).
    ///@{
    constexpr bool isNormal() const noexcept { return m_type == TypeNormal; }
    constexpr Length const& getLength() const noexcept { return m_length; }
    ///@}

private:
    enum Type : int { TypeNormal = 0, TypeLength = 1 };

    Type m_type = TypeNormal;
    Length m_length;
};

/// Binds letter spacings to their reader and writer.
template <> struct XMLATTR_EXPORT ValueTraits<LetterSpacing> {
    /// "normal" in any letter case, else a text `Length::parseLength` accepts. On false the
    /// value is untouched.
    [[nodiscard]] static bool parse(LetterSpacing& value, Core::String const& text);
    /// "normal" or the length.
    static Core::String write(LetterSpacing const& value);
};

template <>
inline constexpr TypeDescription kTypeDescription<LetterSpacing>{
    .name = "LetterSpacing",
    .summary = "letter-spacing, word-spacing: \"normal\" (any case) or a length",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<LetterSpacing>;

} // namespace Xml
