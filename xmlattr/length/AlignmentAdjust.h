// Xml::AlignmentAdjust: a baseline keyword or a LengthOrPercent, with its attribute.
// Implemented in Baselines.cpp, beside the rest of its family.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/keywords/BaselineKeywords.h"
#include "xmlattr/length/LengthOrPercent.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// Alignment to a named baseline or by a `LengthOrPercent`. Fields in order: the baseline
/// flag, the baseline, the value. The default is the baseline "auto".
class XMLATTR_EXPORT AlignmentAdjust {
public:
    /// A named baseline; "auto" by default.
    constexpr AlignmentAdjust(AlignmentBaseline baseline = AlignmentBaselineAuto) noexcept
        : m_baseline(baseline) {}
    /// A measure.
    constexpr explicit AlignmentAdjust(LengthOrPercent const& value) noexcept
        : m_isBaseline(false), m_value(value) {}

    /// Both baselines and equal, or both measures and equal.
    constexpr bool operator==(AlignmentAdjust const& other) const noexcept {
        return m_isBaseline == other.m_isBaseline &&
               (m_isBaseline ? m_baseline == other.m_baseline : m_value == other.m_value);
    }
    /// The negation of `==`.
    constexpr bool operator!=(AlignmentAdjust const& other) const noexcept {
        return !(*this == other);
    }

    /// Whether a baseline is named, the baseline, and the measure (meaningful when none is).
    ///@{
    constexpr bool isBaseline() const noexcept { return m_isBaseline; }
    constexpr AlignmentBaseline getBaseline() const noexcept { return m_baseline; }
    constexpr LengthOrPercent const& getLengthOrPercent() const noexcept { return m_value; }
    ///@}

private:
    bool m_isBaseline = true;
    AlignmentBaseline m_baseline = AlignmentBaselineAuto;
    LengthOrPercent m_value;
};

/// Binds alignment adjustments to their reader and writer.
template <> struct XMLATTR_EXPORT ValueTraits<AlignmentAdjust> {
    /// A keyword of `AlignmentBaseline`, else a `LengthOrPercent`. On false the value is
    /// untouched.
    [[nodiscard]] static bool parse(AlignmentAdjust& value, Core::String const& text);
    /// The baseline's keyword (empty outside the enumeration) or the value's text.
    static Core::String write(AlignmentAdjust const& value);
};

template <>
inline constexpr TypeDescription kTypeDescription<AlignmentAdjust>{
    .name = "AlignmentAdjust",
    .summary = "alignment-adjust: a baseline keyword, a length or a percentage",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<AlignmentAdjust>;

} // namespace Xml
