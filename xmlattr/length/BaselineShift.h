// Vertical alignment of text: Xml::AlignmentBaseline, Xml::AlignmentAdjust,
// Xml::BaselineShift and Xml::SBaselineShift, with their attributes.
#pragma once

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/LengthOrPercent.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// The baseline a text aligns on. The numbers are part of the interface.
enum AlignmentBaseline : int {
    AlignmentBaselineAuto = 0,
    AlignmentBaselineBaseline = 1,
    AlignmentBaselineBeforeEdge = 2,
    AlignmentBaselineTextBeforeEdge = 3,
    AlignmentBaselineMiddle = 4,
    AlignmentBaselineCentral = 5,
    AlignmentBaselineAfterEdge = 6,
    AlignmentBaselineTextAfterEdge = 7,
    AlignmentBaselineIdeographic = 8,
    AlignmentBaselineAlphabetic = 9,
    AlignmentBaselineHanging = 10,
    AlignmentBaselineMathematical = 11,
    AlignmentBaselineTop = 12,
    AlignmentBaselineTextTop = 13,
    AlignmentBaselineBottom = 14,
    AlignmentBaselineTextBottom = 15,
};

// clang-format off
inline constexpr KeywordEntry<AlignmentBaseline> kAlignmentBaselineKeywords[] = {
    {u"auto", AlignmentBaselineAuto},
    {u"baseline", AlignmentBaselineBaseline},
    {u"before-edge", AlignmentBaselineBeforeEdge},
    {u"text-before-edge", AlignmentBaselineTextBeforeEdge},
    {u"middle", AlignmentBaselineMiddle},
    {u"central", AlignmentBaselineCentral},
    {u"after-edge", AlignmentBaselineAfterEdge},
    {u"text-after-edge", AlignmentBaselineTextAfterEdge},
    {u"ideographic", AlignmentBaselineIdeographic},
    {u"alphabetic", AlignmentBaselineAlphabetic},
    {u"hanging", AlignmentBaselineHanging},
    {u"mathematical", AlignmentBaselineMathematical},
    {u"top", AlignmentBaselineTop},
    {u"text-top", AlignmentBaselineTextTop},
    {u"bottom", AlignmentBaselineBottom},
    {u"text-bottom", AlignmentBaselineTextBottom},
};
// clang-format on
/// Exact; a number outside the enumeration writes the empty text.
template <>
inline constexpr KeywordTable<AlignmentBaseline> kKeywordTable<AlignmentBaseline>{
    .reads = kAlignmentBaselineKeywords, .writes = kAlignmentBaselineKeywords};

/// Alignment to a named baseline or by a `LengthOrPercent`. Fields in order: the baseline
/// flag, the baseline, the value. The default is the baseline "auto".
class XMLATTR_EXPORT AlignmentAdjust {
public:
    constexpr AlignmentAdjust(AlignmentBaseline baseline = AlignmentBaselineAuto) noexcept
        : m_baseline(baseline) {}
    constexpr explicit AlignmentAdjust(LengthOrPercent const& value) noexcept
        : m_isBaseline(false), m_value(value) {}

    /// Both baselines and equal, or both measures and equal.
    constexpr bool operator==(AlignmentAdjust const& other) const noexcept {
        return m_isBaseline == other.m_isBaseline &&
               (m_isBaseline ? m_baseline == other.m_baseline : m_value == other.m_value);
    }
    constexpr bool operator!=(AlignmentAdjust const& other) const noexcept {
        return !(*this == other);
    }

    constexpr bool isBaseline() const noexcept { return m_isBaseline; }
    constexpr AlignmentBaseline getBaseline() const noexcept { return m_baseline; }
    constexpr LengthOrPercent const& getLengthOrPercent() const noexcept { return m_value; }

private:
    bool m_isBaseline = true;
    AlignmentBaseline m_baseline = AlignmentBaselineAuto;
    LengthOrPercent m_value;
};

/// How a baseline is shifted. The numbers are part of the interface.
enum BaselineShiftMode : int {
    BaselineShiftBaseline = 0,
    BaselineShiftSub = 1,
    BaselineShiftSuper = 2,
    BaselineShiftLengthOrPercent = 3,
};

/// A baseline shift: "baseline", "sub", "super" or a measure, `LengthOrPercent` for the
/// formatting objects and `SLengthOrPercent` for SVG. Fields in order: mode, value.
template <class Measure> class BasicBaselineShift {
public:
    /// That mode with the default value.
    constexpr BasicBaselineShift(BaselineShiftMode mode = BaselineShiftBaseline) noexcept
        : m_mode(mode) {}
    constexpr explicit BasicBaselineShift(Measure const& value) noexcept
        : m_mode(BaselineShiftLengthOrPercent), m_value(value) {}

    /// Equal modes, and for a measure equal values.
    constexpr bool operator==(BasicBaselineShift const& other) const noexcept {
        return m_mode == other.m_mode &&
               (m_mode != BaselineShiftLengthOrPercent || m_value == other.m_value);
    }
    constexpr bool operator!=(BasicBaselineShift const& other) const noexcept {
        return !(*this == other);
    }

    constexpr BaselineShiftMode getMode() const noexcept { return m_mode; }

protected:
    BaselineShiftMode m_mode;
    Measure m_value;
};

class XMLATTR_EXPORT BaselineShift : public BasicBaselineShift<LengthOrPercent> {
public:
    using BasicBaselineShift::BasicBaselineShift;

    constexpr LengthOrPercent const& getLengthOrPercent() const noexcept { return m_value; }
};

class XMLATTR_EXPORT SBaselineShift : public BasicBaselineShift<SLengthOrPercent> {
public:
    using BasicBaselineShift::BasicBaselineShift;

    constexpr SLengthOrPercent const& getSLengthOrPercent() const noexcept { return m_value; }
};

template <> struct XMLATTR_EXPORT ValueTraits<AlignmentAdjust> {
    /// A keyword of `AlignmentBaseline`, else a `LengthOrPercent`. On false the value is
    /// untouched.
    [[nodiscard]] static bool parse(AlignmentAdjust& value, Core::String const& text);
    /// The baseline's keyword (empty outside the enumeration) or the value's text.
    static Core::String write(AlignmentAdjust const& value);
};

template <> struct XMLATTR_EXPORT ValueTraits<BaselineShift> {
    /// "baseline", "sub", "super" exactly, else a `LengthOrPercent`. On false the value is
    /// untouched.
    [[nodiscard]] static bool parse(BaselineShift& value, Core::String const& text);
    /// The mode's keyword or the value's text. Throws `Core::UnreacheableCodeException` for
    /// a mode outside the enumeration.
    static Core::String write(BaselineShift const& value);
};

template <> struct XMLATTR_EXPORT ValueTraits<SBaselineShift> {
    /// As for `BaselineShift`, the measure read by `SLength::parseSLengthOrPercent`.
    [[nodiscard]] static bool parse(SBaselineShift& value, Core::String const& text);
};

extern template class XMLATTR_EXPORT TXmlAttribute<AlignmentBaseline>;
extern template class XMLATTR_EXPORT TXmlAttribute<AlignmentAdjust>;
extern template class XMLATTR_EXPORT TXmlAttribute<BaselineShift>;
extern template class XMLATTR_EXPORT TXmlAttribute<SBaselineShift>;

} // namespace Xml
