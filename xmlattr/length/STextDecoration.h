// Xml::STextDecoration: the lines an SVG text is decorated with, with its attribute.
// Implemented in TextMeasures.cpp, beside the rest of its family.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// SVG text decoration: which of underline, overline and line-through are drawn.
class XMLATTR_EXPORT STextDecoration {
public:
    constexpr STextDecoration() noexcept = default;
    /// The three lines as given.
    constexpr STextDecoration(bool underline, bool overline, bool lineThrough) noexcept
        : m_underline(underline), m_overline(overline), m_lineThrough(lineThrough) {}

    // Written out: a defaulted member comparison is exported by a DLL but hidden on Linux.
    /// Equal when the same lines are drawn.
    constexpr bool operator==(STextDecoration const& other) const noexcept {
        return m_underline == other.m_underline && m_overline == other.m_overline &&
               m_lineThrough == other.m_lineThrough;
    }

    /// Whether each line is drawn.
    ///@{
    constexpr bool isUnderline() const noexcept { return m_underline; }
    constexpr bool isOverline() const noexcept { return m_overline; }
    constexpr bool isLineThrough() const noexcept { return m_lineThrough; }
    ///@}
    /// Whether no line is drawn.
    constexpr bool isNone() const noexcept { return !m_underline && !m_overline && !m_lineThrough; }

private:
    bool m_underline = false;
    bool m_overline = false;
    bool m_lineThrough = false;
};

/// Binds SVG text decorations to their reader; they have no text form.
template <> struct XMLATTR_EXPORT ValueTraits<STextDecoration> {
    /// A text containing "none" anywhere is no decoration. Else comma-separated names
    /// "underline", "overline", "line-through": white space before a name is skipped, but
    /// white space after one belongs to it ("underline ,overline" fails). Strict: the empty
    /// text or any other name gives false with the value untouched.
    [[nodiscard]] static bool parse(STextDecoration& value, Core::String const& text);
};

template <>
inline constexpr TypeDescription kTypeDescription<STextDecoration>{
    .name = "STextDecoration",
    .summary = "SVG text-decoration: \"none\", or underline, overline and line-through separated "
               "by commas",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<STextDecoration>;

} // namespace Xml
