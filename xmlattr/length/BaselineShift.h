// Xml::BaselineShift: a text's baseline shift, with its attribute. Includes the other
// measures of vertical alignment, with headers of their own; all in Baselines.cpp.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/AlignmentAdjust.h"
#include "xmlattr/keywords/BaselineKeywords.h"
#include "xmlattr/length/BasicBaselineShift.h"
#include "xmlattr/length/LengthOrPercent.h"
#include "xmlattr/length/SBaselineShift.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// A baseline shift of the formatting objects: "baseline", "sub", "super" or a `LengthOrPercent`.
class XMLATTR_EXPORT BaselineShift : public BasicBaselineShift<LengthOrPercent> {
public:
    using BasicBaselineShift::BasicBaselineShift;

    /// The measure; meaningful for `BaselineShiftLengthOrPercent`.
    constexpr LengthOrPercent const& getLengthOrPercent() const noexcept { return m_value; }
};

/// Binds baseline shifts to their reader and writer.
template <> struct XMLATTR_EXPORT ValueTraits<BaselineShift> {
    /// "baseline", "sub", "super" exactly, else a `LengthOrPercent`. On false the value is
    /// untouched.
    [[nodiscard]] static bool parse(BaselineShift& value, Core::String const& text);
    /// The mode's keyword or the value's text. Throws `Core::UnreacheableCodeException` for
    /// a mode outside the enumeration.
    static Core::String write(BaselineShift const& value);
};

template <>
inline constexpr TypeDescription kTypeDescription<BaselineShift>{
    .name = "BaselineShift",
    .summary = "baseline-shift: \"baseline\", \"sub\", \"super\", a length or a percentage",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<BaselineShift>;

} // namespace Xml
