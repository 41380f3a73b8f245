// Xml::LeaderPatternWidth: a leader pattern's width, a LengthOrPercent or
// "use-font-metrics", with its attribute.
// Implemented in LengthOrPercentAuto.cpp, beside the rest of its family.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/KeywordOrLengthOrPercent.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// A leader pattern's width: a `LengthOrPercent`, or "use-font-metrics" (the default).
/// Read only through its attribute.
class XMLATTR_EXPORT LeaderPatternWidth : public KeywordOrLengthOrPercent<LeaderPatternWidth> {
public:
    /// The constructors of the family: "use-font-metrics" by default, or a measure.
    using KeywordOrLengthOrPercent::KeywordOrLengthOrPercent;
};

/// Binds leader pattern widths to their reader and writer.
template <> struct XMLATTR_EXPORT ValueTraits<LeaderPatternWidth> {
    /// "use-font-metrics", exactly, sets the flag and keeps the measure beside it; any
    /// other text is read by `LengthOrPercent::parseLengthOrPercent` and clears the flag.
    [[nodiscard]] static bool parse(LeaderPatternWidth& value, Core::String const& text);
    /// Empty for "use-font-metrics".
    static Core::String write(LeaderPatternWidth const& value);
};

template <>
inline constexpr TypeDescription kTypeDescription<LeaderPatternWidth>{
    .name = "LeaderPatternWidth",
    .summary = "leader-pattern-width: a length, a percentage or \"use-font-metrics\"",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<LeaderPatternWidth>;

} // namespace Xml
