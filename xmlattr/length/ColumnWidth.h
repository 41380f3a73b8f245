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
    using KeywordOrLengthOrPercent::KeywordOrLengthOrPercent;

    constexpr bool isAuto() const noexcept { return m_keyword; }
    constexpr LengthOrPercent const& getLengthOrPercent() const noexcept { return m_value; }

    /// As `TableWidth::parseTableWidth`.
    [[nodiscard]] static bool parseColumnWidth(ColumnWidth& out, Core::String const& text) noexcept;
};

template <> struct XMLATTR_EXPORT ValueTraits<ColumnWidth> {
    [[nodiscard]] static bool parse(ColumnWidth& value, Core::String const& text);
    /// Empty for "auto".
    static Core::String write(ColumnWidth const& value);
};

extern template class XMLATTR_EXPORT TXmlAttribute<ColumnWidth>;

} // namespace Xml
