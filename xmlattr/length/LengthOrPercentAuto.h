// The measures that are a LengthOrPercent or a keyword flag: margins, "auto" lengths,
// table and column widths and leader pattern widths, with their attributes.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/LengthOrPercent.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// The layout, constructors and equality shared by the measures whose keyword ("auto", or
/// "use-font-metrics") is a flag beside a `LengthOrPercent`. Fields in order: the flag, then
/// the value, meaningful only when the flag is clear. The default has the flag set.
template <class Derived> class KeywordOrLengthOrPercent {
public:
    constexpr KeywordOrLengthOrPercent() noexcept = default;
    /// The flag clear, holding `value`.
    constexpr explicit KeywordOrLengthOrPercent(LengthOrPercent const& value) noexcept
        : m_keyword(false), m_value(value) {}

    /// Equal flags, and values equal when the flag is clear.
    constexpr bool operator==(KeywordOrLengthOrPercent const& other) const noexcept {
        return m_keyword == other.m_keyword && (m_keyword || m_value == other.m_value);
    }
    constexpr bool operator!=(KeywordOrLengthOrPercent const& other) const noexcept {
        return !(*this == other);
    }

protected:
    friend struct ValueTraits<Derived>;

    bool m_keyword = true;
    LengthOrPercent m_value;
};

/// A margin: a `LengthOrPercent`, or "auto" (the default) which no text reads back.
class XMLATTR_EXPORT Margin : public KeywordOrLengthOrPercent<Margin> {
public:
    using KeywordOrLengthOrPercent::KeywordOrLengthOrPercent;

    constexpr bool isAuto() const noexcept { return m_keyword; }
    constexpr LengthOrPercent& getLengthOrPercent() noexcept { return m_value; }

    /// Strict as `LengthOrPercent::parseLengthOrPercent`, which "auto" fails; on success the
    /// flag is cleared. On false `out` is untouched. Never throws.
    [[nodiscard]] static bool parseMargin(Margin& out, Core::String const& text) noexcept;
};

/// A `LengthOrPercent` or "auto" (the default).
class XMLATTR_EXPORT LengthOrPercentAuto : public KeywordOrLengthOrPercent<LengthOrPercentAuto> {
public:
    using KeywordOrLengthOrPercent::KeywordOrLengthOrPercent;

    constexpr bool isAuto() const noexcept { return m_keyword; }
    constexpr LengthOrPercent& getLengthOrPercent() noexcept { return m_value; }
    /// The value's pixels, whatever the flag.
    float pxSize(float reference) const;

    /// "auto" in any letter case sets the flag and keeps the value; any other text is read
    /// as by `Margin::parseMargin`. On false `out` is untouched. Never throws.
    [[nodiscard]] static bool parseLengthOrPercentAuto(LengthOrPercentAuto& out,
                                                       Core::String const& text) noexcept;
};

/// A table's width: a `LengthOrPercent`, or "auto" (the default) which no text reads back.
class XMLATTR_EXPORT TableWidth : public KeywordOrLengthOrPercent<TableWidth> {
public:
    using KeywordOrLengthOrPercent::KeywordOrLengthOrPercent;

    constexpr bool isAuto() const noexcept { return m_keyword; }
    constexpr LengthOrPercent const& getLengthOrPercent() const noexcept { return m_value; }

    /// A `LengthOrPercent`, or one given as the argument of any function:
    /// "proportional-column-width(2)" is the factor 2; the name is not examined and a
    /// missing ")" is forgiven. "auto" and "()" fail. On false `out` is untouched.
    [[nodiscard]] static bool parseTableWidth(TableWidth& out, Core::String const& text) noexcept;
};

/// A column's width: read as a table's width, written as a margin.
class XMLATTR_EXPORT ColumnWidth : public KeywordOrLengthOrPercent<ColumnWidth> {
public:
    using KeywordOrLengthOrPercent::KeywordOrLengthOrPercent;

    constexpr bool isAuto() const noexcept { return m_keyword; }
    constexpr LengthOrPercent const& getLengthOrPercent() const noexcept { return m_value; }

    /// As `TableWidth::parseTableWidth`.
    [[nodiscard]] static bool parseColumnWidth(ColumnWidth& out, Core::String const& text) noexcept;
};

/// A leader pattern's width: a `LengthOrPercent`, or "use-font-metrics" (the default).
/// Read only through its attribute.
class XMLATTR_EXPORT LeaderPatternWidth : public KeywordOrLengthOrPercent<LeaderPatternWidth> {
public:
    using KeywordOrLengthOrPercent::KeywordOrLengthOrPercent;
};

template <> struct XMLATTR_EXPORT ValueTraits<Margin> {
    [[nodiscard]] static bool parse(Margin& value, Core::String const& text);
    /// Empty for "auto".
    static Core::String write(Margin const& value);
};
template <> struct XMLATTR_EXPORT ValueTraits<LengthOrPercentAuto> {
    [[nodiscard]] static bool parse(LengthOrPercentAuto& value, Core::String const& text);
    static Core::String write(LengthOrPercentAuto const& value);
};
template <> struct XMLATTR_EXPORT ValueTraits<TableWidth> {
    [[nodiscard]] static bool parse(TableWidth& value, Core::String const& text);
};
template <> struct XMLATTR_EXPORT ValueTraits<ColumnWidth> {
    [[nodiscard]] static bool parse(ColumnWidth& value, Core::String const& text);
    /// Empty for "auto".
    static Core::String write(ColumnWidth const& value);
};
template <> struct XMLATTR_EXPORT ValueTraits<LeaderPatternWidth> {
    /// "use-font-metrics", exactly, sets the flag and keeps the measure beside it; any
    /// other text is read by `LengthOrPercent::parseLengthOrPercent` and clears the flag.
    [[nodiscard]] static bool parse(LeaderPatternWidth& value, Core::String const& text);
    /// Empty for "use-font-metrics".
    static Core::String write(LeaderPatternWidth const& value);
};
extern template class XMLATTR_EXPORT TXmlAttribute<Margin>;
extern template class XMLATTR_EXPORT TXmlAttribute<LengthOrPercentAuto>;
extern template class XMLATTR_EXPORT TXmlAttribute<TableWidth>;
extern template class XMLATTR_EXPORT TXmlAttribute<ColumnWidth>;
extern template class XMLATTR_EXPORT TXmlAttribute<LeaderPatternWidth>;

} // namespace Xml
