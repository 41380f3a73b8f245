// Xml::Indent: a position along a line, with its list functions, with its attribute.
// Implemented in IndentAttribute.cpp, beside the rest of its family.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/LengthOrPercent.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// What an indent holds. The numbers are part of the interface.
enum IndentFunction : int {
    IndentNone = 0,
    IndentLengthOrPercent = 1,
    IndentLabelEnd = 2,
    IndentBodyStart = 3,
};

/// A start or end indent: a `LengthOrPercent` or one of the list functions "label-end()"
/// and "body-start()". Fields in order: function, value. The default is function none.
class XMLATTR_EXPORT Indent {
public:
    /// That function with the default value.
    constexpr Indent(IndentFunction function = IndentNone) noexcept : m_function(function) {}
    /// A measure.
    constexpr explicit Indent(LengthOrPercent const& value) noexcept
        : m_function(IndentLengthOrPercent), m_value(value) {}

    /// Equal functions, and for a length equal values.
    constexpr bool operator==(Indent const& other) const noexcept {
        return m_function == other.m_function &&
               (m_function != IndentLengthOrPercent || m_value == other.m_value);
    }
    /// The negation of `==`.
    constexpr bool operator!=(Indent const& other) const noexcept { return !(*this == other); }

    /// The function, and the measure (meaningful for `IndentLengthOrPercent`).
    ///@{
    constexpr IndentFunction getFunction() const noexcept { return m_function; }
    constexpr LengthOrPercent const& getLengthOrPercent() const noexcept { return m_value; }
    ///@}

private:
    IndentFunction m_function;
    LengthOrPercent m_value;
};

/// Binds indents to their reader and writer.
template <> struct XMLATTR_EXPORT ValueTraits<Indent> {
    /// "body-start()" and "label-end()", exactly and whole, or a `LengthOrPercent`. On false
    /// the value is untouched.
    [[nodiscard]] static bool parse(Indent& value, Core::String const& text);
    /// The empty text for no function, the value's text, or the function's name. Throws
    /// `Core::UnreacheableCodeException` for a function outside the enumeration.
    static Core::String write(Indent const& value);
};

template <>
inline constexpr TypeDescription kTypeDescription<Indent>{
    .name = "Indent",
    .summary =
        "start-indent, end-indent: a length, a percentage, \"body-start()\" or \"label-end()\"",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<Indent>;

} // namespace Xml
