// Xml::TableWidth: a table's width, a LengthOrPercent or a proportional width, with its
// attribute.
// Implemented in LengthOrPercentAuto.cpp, beside the rest of its family.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/KeywordOrLengthOrPercent.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// A table's width: a `LengthOrPercent`, or "auto" (the default) which no text reads back.
class XMLATTR_EXPORT TableWidth : public KeywordOrLengthOrPercent<TableWidth> {
public:
    /// The constructors of the family: "auto" by default, or a measure.
    using KeywordOrLengthOrPercent::KeywordOrLengthOrPercent;

    /// Whether the value is "auto"; the measure is then kept but not meant.
    constexpr bool isAuto() const noexcept { return m_keyword; }
    /// The measure; meaningful when not "auto".
    constexpr LengthOrPercent const& getLengthOrPercent() const noexcept { return m_value; }

    /// A `LengthOrPercent`, or one given as the argument of any function:
    /// "proportional-column-width(2)" is the factor 2; the name is not examined and a
    /// missing ")" is forgiven. "auto" and "()" fail. On false `out` is untouched.
    [[nodiscard]] static bool parseTableWidth(TableWidth& out, Core::String const& text) noexcept;
};

/// Binds table widths to their reader; they have no text form.
template <> struct XMLATTR_EXPORT ValueTraits<TableWidth> {
    /// As `TableWidth::parseTableWidth`.
    [[nodiscard]] static bool parse(TableWidth& value, Core::String const& text);
};

template <>
inline constexpr TypeDescription kTypeDescription<TableWidth>{
    .name = "TableWidth",
    .summary =
        "table width: a length or percentage, alone or as a function's argument (\"w(50%)\")",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<TableWidth>;

} // namespace Xml
