// Xml::ColumnWidth: a column's width, a LengthOrPercent or a proportional width, with its
// attribute.
// Implemented in LengthOrPercentAuto.cpp, beside the rest of its family.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/KeywordOrLengthOrPercent.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// A column's width: read as a table's width, written as a margin.
class XMLATTR_EXPORT ColumnWidth : public KeywordOrLengthOrPercent<ColumnWidth> {
public:
    /// The constructors of the family: "auto" by default, or a measure.
    using KeywordOrLengthOrPercent::KeywordOrLengthOrPercent;

    /// Whether the value is "auto"; the measure is then kept but not meant.
    constexpr bool isAuto() const noexcept { return m_keyword; }
    /// The measure; meaningful when not "auto".
    constexpr LengthOrPercent const& getLengthOrPercent() const noexcept { return m_value; }

    /// As `TableWidth::parseTableWidth`.
    [[nodiscard]] static bool parseColumnWidth(ColumnWidth& out, Core::String const& text) noexcept;
};

/// Binds column widths to their reader and writer.
template <> struct XMLATTR_EXPORT ValueTraits<ColumnWidth> {
    /// As `ColumnWidth::parseColumnWidth`.
    [[nodiscard]] static bool parse(ColumnWidth& value, Core::String const& text);
    /// Empty for "auto".
    static Core::String write(ColumnWidth const& value);
};

template <>
inline constexpr TypeDescription kTypeDescription<ColumnWidth>{
    .name = "ColumnWidth",
    .summary = "column-width: a length or percentage, alone or as a function's argument",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<ColumnWidth>;

} // namespace Xml
