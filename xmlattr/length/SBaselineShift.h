// Xml::SBaselineShift: an SVG text's baseline shift, with its attribute.
// Implemented in Baselines.cpp, beside the rest of its family.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/BasicBaselineShift.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// An SVG baseline shift: "baseline", "sub", "super" or an `SLengthOrPercent`.
class XMLATTR_EXPORT SBaselineShift : public BasicBaselineShift<SLengthOrPercent> {
public:
    using BasicBaselineShift::BasicBaselineShift;

    /// The measure; meaningful for `BaselineShiftLengthOrPercent`.
    constexpr SLengthOrPercent const& getSLengthOrPercent() const noexcept { return m_value; }
};

/// Binds SVG baseline shifts to their reader; they have no text form.
template <> struct XMLATTR_EXPORT ValueTraits<SBaselineShift> {
    /// As for `BaselineShift`, the measure read by `SLength::parseSLengthOrPercent`.
    [[nodiscard]] static bool parse(SBaselineShift& value, Core::String const& text);
};

template <>
inline constexpr TypeDescription kTypeDescription<SBaselineShift>{
    .name = "SBaselineShift",
    .summary = "SVG baseline-shift: \"baseline\", \"sub\", \"super\", a length or a percentage",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<SBaselineShift>;

} // namespace Xml
