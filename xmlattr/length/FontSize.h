// Xml::FontSize: an absolute or relative font size, with its attribute. Includes the other
// measures of a font's text, with headers of their own; all in TextMeasures.cpp.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/LengthAttribute.h"
#include "xmlattr/length/LengthOrPercent.h"
#include "xmlattr/length/LetterSpacing.h"
#include "xmlattr/length/SSpacing.h"
#include "xmlattr/length/STextDecoration.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// A font size relative to the inherited one. The numbers are part of the interface.
enum RelativeFontSize : int {
    RelativeFontSizeLarger = 0,
    RelativeFontSizeSmaller = 1,
};

/// A font size: "larger" or "smaller", or an absolute size as a `LengthOrPercent` (the
/// size keywords read as points, "120%" and "1.2" as a factor of the inherited size).
/// Fields in order: type, relative size, absolute size. The default has type none, which
/// equals no font size, itself included; its relative size is "larger".
class XMLATTR_EXPORT FontSize {
public:
    /// The numbers are part of the interface.
    enum Type : int {
        TypeNone = 0,
        TypeRelative = 1,
        TypeAbsolute = 2,
    };

    constexpr FontSize() noexcept = default;
    /// "larger" or "smaller".
    constexpr explicit FontSize(RelativeFontSize relative) noexcept
        : m_type(TypeRelative), m_relative(relative) {}
    /// An absolute size.
    constexpr explicit FontSize(LengthOrPercent const& absolute) noexcept
        : m_type(TypeAbsolute), m_absolute(absolute) {}
    /// Makes an absolute size.
    constexpr FontSize& operator=(LengthOrPercent const& absolute) noexcept {
        return *this = FontSize(absolute);
    }

    /// Equal relative sizes, or equal absolute sizes; type none equals nothing.
    constexpr bool operator==(FontSize const& other) const noexcept {
        if (m_type != other.m_type) {
            return false;
        }
        switch (m_type) {
        case TypeRelative:
            return m_relative == other.m_relative;
        case TypeAbsolute:
            return m_absolute == other.m_absolute;
        case TypeNone:
            break;
        }
        return false;
    }
    /// The negation of `==`.
    constexpr bool operator!=(FontSize const& other) const noexcept { return !(*this == other); }

    /// The fields; only the one the type names is meaningful.
    ///@{
    constexpr Type getType() const noexcept { return m_type; }
    constexpr bool isAbsoluteSize() const noexcept { return m_type == TypeAbsolute; }
    constexpr bool isRelativeSize() const noexcept { return m_type == TypeRelative; }
    constexpr RelativeFontSize getRelativeSize() const noexcept { return m_relative; }
    constexpr LengthOrPercent const& getAbsoluteSize() const noexcept { return m_absolute; }
    ///@}

private:
    Type m_type = TypeNone;
    RelativeFontSize m_relative = RelativeFontSizeLarger;
    LengthOrPercent m_absolute;
};

/// Font sizes: the size keywords, "larger" and "smaller", or a measure.
template <> struct XMLATTR_EXPORT ValueTraits<FontSize> {
    /// "xx-small" to "xx-large" as points (6, 8, 10, 12, 16, 18, 20), "larger" and
    /// "smaller", all exact; else a `LengthOrPercent` as an absolute size. On false the value
    /// is untouched.
    [[nodiscard]] static bool parse(FontSize& value, Core::String const& text);
    /// An absolute size as a `LengthOrPercent` ("medium" comes back as "12pt"), a relative
    /// one as its keyword, type none as the empty text. Throws
    /// `Core::UnreacheableCodeException` for a relative size outside the enumeration.
    static Core::String write(FontSize const& value);
};

template <>
inline constexpr TypeDescription kTypeDescription<FontSize>{
    .name = "FontSize",
    .summary =
        "font-size: a size keyword, \"larger\", \"smaller\", a length, a percentage or a factor",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<FontSize>;

} // namespace Xml
