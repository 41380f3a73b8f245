// Xml::LengthOrPercentAuto: a LengthOrPercent or "auto", with its attribute. Includes the
// other measures with a keyword flag, which have headers of their own.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/ColumnWidth.h"
#include "xmlattr/length/KeywordOrLengthOrPercent.h"
#include "xmlattr/length/LeaderPatternWidth.h"
#include "xmlattr/length/LengthOrPercent.h"
#include "xmlattr/length/Margin.h"
#include "xmlattr/length/TableWidth.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// A `LengthOrPercent` or "auto" (the default).
class XMLATTR_EXPORT LengthOrPercentAuto : public KeywordOrLengthOrPercent<LengthOrPercentAuto> {
public:
    /// The constructors of the family: "auto" by default, or a measure.
    using KeywordOrLengthOrPercent::KeywordOrLengthOrPercent;

    /// Whether the text was "auto"; the measure is then kept but not meant.
    constexpr bool isAuto() const noexcept { return m_keyword; }
    /// The measure; meaningful when not "auto".
    constexpr LengthOrPercent& getLengthOrPercent() noexcept { return m_value; }
    /// The value's pixels, whatever the flag.
    float pxSize(float reference) const;

    /// "auto" in any letter case sets the flag and keeps the value; any other text is read
    /// as by `Margin::parseMargin`. On false `out` is untouched. Never throws.
    [[nodiscard]] static bool parseLengthOrPercentAuto(LengthOrPercentAuto& out,
                                                       Core::String const& text) noexcept;
};

/// Binds the measure-or-"auto" values to their reader and writer.
template <> struct XMLATTR_EXPORT ValueTraits<LengthOrPercentAuto> {
    /// As `LengthOrPercentAuto::parseLengthOrPercentAuto`.
    [[nodiscard]] static bool parse(LengthOrPercentAuto& value, Core::String const& text);
    /// "auto", or the measure's text.
    static Core::String write(LengthOrPercentAuto const& value);
};

template <>
inline constexpr TypeDescription kTypeDescription<LengthOrPercentAuto>{
    .name = "LengthOrPercentAuto",
    .summary = "width, height, top, left, ...: a length, a percentage or \"auto\" (any case)",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<LengthOrPercentAuto>;

} // namespace Xml
