// Xml::Margin: a margin's LengthOrPercent, with its attribute.
// Implemented in LengthOrPercentAuto.cpp, beside the rest of its family.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/KeywordOrLengthOrPercent.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// A margin: a `LengthOrPercent`, or "auto" (the default) which no text reads back.
class XMLATTR_EXPORT Margin : public KeywordOrLengthOrPercent<Margin> {
public:
    /// The constructors of the family: "auto" by default, or a measure.
    using KeywordOrLengthOrPercent::KeywordOrLengthOrPercent;

    /// Whether the text was "auto"; the measure is then kept but not meant.
    constexpr bool isAuto() const noexcept { return m_keyword; }
    /// The measure; meaningful when not "auto".
    constexpr LengthOrPercent& getLengthOrPercent() noexcept { return m_value; }

    /// Strict as `LengthOrPercent::parseLengthOrPercent`, which "auto" fails; on success the
    /// flag is cleared. On false `out` is untouched. Never throws.
    [[nodiscard]] static bool parseMargin(Margin& out, Core::String const& text) noexcept;
};

/// Binds margins to their reader and writer.
template <> struct XMLATTR_EXPORT ValueTraits<Margin> {
    /// As `Margin::parseMargin`.
    [[nodiscard]] static bool parse(Margin& value, Core::String const& text);
    /// Empty for "auto".
    static Core::String write(Margin const& value);
};

template <>
inline constexpr TypeDescription kTypeDescription<Margin>{
    .name = "Margin",
    .summary = "margin: a length or percentage; \"auto\" is the unset default, not read",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<Margin>;

} // namespace Xml
