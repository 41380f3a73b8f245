// Xml::AlignmentBaseline: the baseline a text is aligned on, a keyword, with its attribute.
#pragma once

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/attributes/TXmlAttribute.h"
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

template <>
inline constexpr TypeDescription kTypeDescription<AlignmentBaseline>{
    .name = "AlignmentBaseline",
    .summary = "alignment-baseline: the baseline a line aligns to",
    .family = TypeFamily::Keyword};

extern template class XMLATTR_EXPORT TXmlAttribute<AlignmentBaseline>;

} // namespace Xml
