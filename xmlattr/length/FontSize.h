// The measures of a font and its text: Xml::FontSize, Xml::LetterSpacing, Xml::SSpacing
// and Xml::STextDecoration, with their attributes.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/LengthAttribute.h"
#include "xmlattr/length/LengthOrPercent.h"
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
    constexpr explicit FontSize(RelativeFontSize relative) noexcept
        : m_type(TypeRelative), m_relative(relative) {}
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
    constexpr bool operator!=(FontSize const& other) const noexcept { return !(*this == other); }

    constexpr Type getType() const noexcept { return m_type; }
    constexpr bool isAbsoluteSize() const noexcept { return m_type == TypeAbsolute; }
    constexpr bool isRelativeSize() const noexcept { return m_type == TypeRelative; }
    constexpr RelativeFontSize getRelativeSize() const noexcept { return m_relative; }
    constexpr LengthOrPercent const& getAbsoluteSize() const noexcept { return m_absolute; }

private:
    Type m_type = TypeNone;
    RelativeFontSize m_relative = RelativeFontSizeLarger;
    LengthOrPercent m_absolute;
};

/// Letter spacing: "normal" (the default, 0px) or a `Length`. Fields: type (0 normal,
/// 1 length), length.
class XMLATTR_EXPORT LetterSpacing {
public:
    constexpr LetterSpacing() noexcept = default;
    constexpr explicit LetterSpacing(Length const& length) noexcept
        : m_type(TypeLength), m_length(length) {}

    /// Both normal, or both lengths and equal.
    constexpr bool operator==(LetterSpacing const& other) const noexcept {
        return m_type == other.m_type && (isNormal() || m_length == other.m_length);
    }
    constexpr bool operator!=(LetterSpacing const& other) const noexcept {
        return !(*this == other);
    }

    constexpr bool isNormal() const noexcept { return m_type == TypeNormal; }
    constexpr Length const& getLength() const noexcept { return m_length; }

private:
    enum Type : int { TypeNormal = 0, TypeLength = 1 };

    Type m_type = TypeNormal;
    Length m_length;
};

/// Whether an SVG spacing is "normal" or a length. The numbers are part of the interface.
enum SpacingType : int {
    SpacingNormal = 0,
    SpacingLength = 1,
};

/// SVG letter or word spacing: "normal" (the default, 0px) or an `SLength`.
class XMLATTR_EXPORT SSpacing {
public:
    constexpr SSpacing() noexcept = default;
    constexpr explicit SSpacing(SLength const& length) noexcept
        : m_type(SpacingLength), m_length(length) {}

    /// Equal types, and for lengths equal lengths.
    constexpr bool operator==(SSpacing const& other) const noexcept {
        return m_type == other.m_type && (m_type != SpacingLength || m_length == other.m_length);
    }
    constexpr bool operator!=(SSpacing const& other) const noexcept { return !(*this == other); }

    constexpr SpacingType getType() const noexcept { return m_type; }
    constexpr SLength const& getSLength() const noexcept { return m_length; }

private:
    SpacingType m_type = SpacingNormal;
    SLength m_length;
};

/// SVG text decoration: which of underline, overline and line-through are drawn.
class XMLATTR_EXPORT STextDecoration {
public:
    constexpr STextDecoration() noexcept = default;
    constexpr STextDecoration(bool underline, bool overline, bool lineThrough) noexcept
        : m_underline(underline), m_overline(overline), m_lineThrough(lineThrough) {}

    // Written out: a defaulted member comparison is exported by a DLL but hidden on Linux.
    constexpr bool operator==(STextDecoration const& other) const noexcept {
        return m_underline == other.m_underline && m_overline == other.m_overline &&
               m_lineThrough == other.m_lineThrough;
    }

    constexpr bool isUnderline() const noexcept { return m_underline; }
    constexpr bool isOverline() const noexcept { return m_overline; }
    constexpr bool isLineThrough() const noexcept { return m_lineThrough; }
    constexpr bool isNone() const noexcept { return !m_underline && !m_overline && !m_lineThrough; }

private:
    bool m_underline = false;
    bool m_overline = false;
    bool m_lineThrough = false;
};

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

template <> struct XMLATTR_EXPORT ValueTraits<LetterSpacing> {
    /// "normal" in any letter case, else a text `Length::parseLength` accepts. On false the
    /// value is untouched.
    [[nodiscard]] static bool parse(LetterSpacing& value, Core::String const& text);
    /// "normal" or the length.
    static Core::String write(LetterSpacing const& value);
};

template <> struct XMLATTR_EXPORT ValueTraits<SSpacing> {
    /// "normal" exactly, else a text `SLength::parseSLength` accepts ("Normal" is 0px). On
    /// false the value is untouched.
    [[nodiscard]] static bool parse(SSpacing& value, Core::String const& text);
};

template <> struct XMLATTR_EXPORT ValueTraits<STextDecoration> {
    /// A text containing "none" anywhere is no decoration. Else comma-separated names
    /// "underline", "overline", "line-through": white space before a name is skipped, but
    /// white space after one belongs to it ("underline ,overline" fails). Strict: the empty
    /// text or any other name gives false with the value untouched.
    [[nodiscard]] static bool parse(STextDecoration& value, Core::String const& text);
};

extern template class XMLATTR_EXPORT TXmlAttribute<FontSize>;
extern template class XMLATTR_EXPORT TXmlAttribute<LetterSpacing>;
extern template class XMLATTR_EXPORT TXmlAttribute<SSpacing>;
extern template class XMLATTR_EXPORT TXmlAttribute<STextDecoration>;

} // namespace Xml
