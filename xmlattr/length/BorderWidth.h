// Xml::BorderWidth, a border's width with its three named widths, and Xml::DLength, the
// pair of lengths that separates adjacent borders, with their attributes.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/LengthAttribute.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// A border's width: a `Length`, 1.5pt by default. "thin", "medium" and "thick" are 1pt,
/// 3pt and 5pt, and those three lengths are written back as their names.
class XMLATTR_EXPORT BorderWidth : public Length {
public:
    constexpr BorderWidth() noexcept : Length(1.5f, Length::UnitPt) {}
    constexpr BorderWidth(float size, Length::Unit unit) noexcept : Length(size, unit) {}

    constexpr BorderWidth& operator=(Length const& length) noexcept {
        Length::operator=(length);
        return *this;
    }
};

/// Two lengths, first and second; the default is 0px twice.
class XMLATTR_EXPORT DLength {
public:
    constexpr DLength(Length const& first = Length(), Length const& second = Length()) noexcept
        : m_first(first), m_second(second) {}

    constexpr bool operator==(DLength const& other) const noexcept {
        return m_first == other.m_first && m_second == other.m_second;
    }
    constexpr bool operator!=(DLength const& other) const noexcept { return !(*this == other); }

    constexpr Length const& getFirst() const noexcept { return m_first; }
    constexpr Length const& getSecond() const noexcept { return m_second; }

private:
    Length m_first;
    Length m_second;
};

template <> struct XMLATTR_EXPORT ValueTraits<BorderWidth> {
    /// "thin", "medium", "thick" exactly, or a text `Length::parseLength` accepts; on false
    /// the value is untouched.
    [[nodiscard]] static bool parse(BorderWidth& value, Core::String const& text);
    /// The name of 1pt, 3pt or 5pt (in points only: 4px is not "medium"), else the length.
    static Core::String write(BorderWidth const& value);
};

template <> struct XMLATTR_EXPORT ValueTraits<DLength> {
    /// One length, which stands for both, or two separated by white space; each strict as
    /// `Length::parseLength`. Any other text gives false with the value untouched.
    [[nodiscard]] static bool parse(DLength& value, Core::String const& text);
};

extern template class XMLATTR_EXPORT TXmlAttribute<BorderWidth>;
extern template class XMLATTR_EXPORT TXmlAttribute<DLength>;

} // namespace Xml
