// Keywords of SVG painting and display, and of gradients.
#pragma once

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/platform/DrawingTypes.h"
#include "xmlattr/platform/Export.h"

#include <string_view>

namespace Xml {

/// Where SVG text is anchored; 0 is read from no keyword.
enum STextAnchor : int {
    STextAnchorNone = 0,
    STextAnchorStart = 1,
    STextAnchorMiddle = 2,
    STextAnchorEnd = 3
};

inline constexpr KeywordEntry<STextAnchor> kSTextAnchorKeywords[] = {
    {u"start", STextAnchorStart}, {u"middle", STextAnchorMiddle}, {u"end", STextAnchorEnd}};
template <>
inline constexpr KeywordTable<STextAnchor> kKeywordTable<STextAnchor>{.reads = kSTextAnchorKeywords,
                                                                      .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<STextAnchor>{
    .name = "STextAnchor",
    .summary = "SVG text-anchor: where text is anchored",
    .family = TypeFamily::Keyword};

/// The shape at the ends of an SVG stroke.
enum SLineCap : int { SLineCapButt = 0, SLineCapRound = 1, SLineCapSquare = 2 };

inline constexpr KeywordEntry<SLineCap> kSLineCapKeywords[] = {
    {u"butt", SLineCapButt}, {u"round", SLineCapRound}, {u"square", SLineCapSquare}};
template <>
inline constexpr KeywordTable<SLineCap> kKeywordTable<SLineCap>{.reads = kSLineCapKeywords,
                                                                .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<SLineCap>{
    .name = "SLineCap",
    .summary = "SVG stroke-linecap: the shape at the ends of a stroke",
    .family = TypeFamily::Keyword};

/// The shape at the corners of an SVG stroke.
enum SLineJoin : int { SLineJoinMiter = 0, SLineJoinBevel = 1, SLineJoinRound = 2 };

inline constexpr KeywordEntry<SLineJoin> kSLineJoinKeywords[] = {
    {u"miter", SLineJoinMiter}, {u"bevel", SLineJoinBevel}, {u"round", SLineJoinRound}};
template <>
inline constexpr KeywordTable<SLineJoin> kKeywordTable<SLineJoin>{.reads = kSLineJoinKeywords,
                                                                  .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<SLineJoin>{
    .name = "SLineJoin",
    .summary = "SVG stroke-linejoin: the shape at the corners of a stroke",
    .family = TypeFamily::Keyword};

/// Visibility of an SVG element; 0 is read from no keyword.
enum SVisibility : int {
    SVisibilityNone = 0,
    SVisibilityVisible = 1,
    SVisibilityHidden = 2,
    SVisibilityCollapse = 3
};

inline constexpr KeywordEntry<SVisibility> kSVisibilityKeywords[] = {
    {u"visible", SVisibilityVisible},
    {u"hidden", SVisibilityHidden},
    {u"collapse", SVisibilityCollapse}};
template <>
inline constexpr KeywordTable<SVisibility> kKeywordTable<SVisibility>{.reads = kSVisibilityKeywords,
                                                                      .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<SVisibility>{
    .name = "SVisibility", .summary = "SVG visibility", .family = TypeFamily::Keyword};

/// The display role of an SVG element. Lenient: a text that is no keyword returns true
/// and leaves the value as it was.
enum SDisplay : int {
    SDisplayInline = 0,
    SDisplayBlock = 1,
    SDisplayListItem = 2,
    SDisplayRunIn = 3,
    SDisplayCompact = 4,
    SDisplayMarker = 5,
    SDisplayTable = 6,
    SDisplayInlineTable = 7,
    SDisplayTableRowGroup = 8,
    SDisplayTableHeaderGroup = 9,
    SDisplayTableFooterGroup = 10,
    SDisplayTableRow = 11,
    SDisplayTableColumnGroup = 12,
    SDisplayTableColumn = 13,
    SDisplayTableCell = 14,
    SDisplayTableCaption = 15,
    SDisplayNone = 16
};

inline constexpr KeywordEntry<SDisplay> kSDisplayKeywords[] = {
    {u"inline", SDisplayInline},
    {u"block", SDisplayBlock},
    {u"list-item", SDisplayListItem},
    {u"run-in", SDisplayRunIn},
    {u"compact", SDisplayCompact},
    {u"marker", SDisplayMarker},
    {u"table", SDisplayTable},
    {u"inline-table", SDisplayInlineTable},
    {u"table-row-group", SDisplayTableRowGroup},
    {u"table-header-group", SDisplayTableHeaderGroup},
    {u"table-footer-group", SDisplayTableFooterGroup},
    {u"table-row", SDisplayTableRow},
    {u"table-column-group", SDisplayTableColumnGroup},
    {u"table-column", SDisplayTableColumn},
    {u"table-cell", SDisplayTableCell},
    {u"table-caption", SDisplayTableCaption},
    {u"none", SDisplayNone}};
template <>
inline constexpr KeywordTable<SDisplay> kKeywordTable<SDisplay>{
    .reads = kSDisplayKeywords,
    .match = KeywordCase::Exact,
    .otherwise = [](std::u16string_view, SDisplay&) noexcept { return true; }};

template <>
inline constexpr TypeDescription kTypeDescription<SDisplay>{
    .name = "SDisplay",
    .summary = "SVG display; a text that is no keyword reads and changes nothing",
    .family = TypeFamily::Keyword,
    .reads = ReadRule::Always};

// The gradient enumerations are the drawing library's; only their keywords are ours.
inline constexpr KeywordEntry<Drawing::GradientUnits> kGradientUnitsKeywords[] = {
    {u"objectBoundingBox", Drawing::GradientUnitsObjectBoundingBox},
    {u"userSpaceOnUse", Drawing::GradientUnitsUserSpaceOnUse}};
template <>
inline constexpr KeywordTable<Drawing::GradientUnits> kKeywordTable<Drawing::GradientUnits>{
    .reads = kGradientUnitsKeywords, .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<Drawing::GradientUnits>{
    .name = "GradientUnits",
    .summary = "SVG gradientUnits and the other ...Units attributes",
    .family = TypeFamily::Keyword};

inline constexpr KeywordEntry<Drawing::GradientSpreadMethod> kGradientSpreadMethodKeywords[] = {
    {u"repeat", Drawing::GradientSpreadMethodRepeat},
    {u"reflect", Drawing::GradientSpreadMethodReflect},
    {u"pad", Drawing::GradientSpreadMethodPad}};
template <>
inline constexpr KeywordTable<Drawing::GradientSpreadMethod>
    kKeywordTable<Drawing::GradientSpreadMethod>{.reads = kGradientSpreadMethodKeywords,
                                                 .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<Drawing::GradientSpreadMethod>{
    .name = "GradientSpreadMethod",
    .summary = "SVG spreadMethod: what a gradient paints beyond its ends",
    .family = TypeFamily::Keyword};

extern template class XMLATTR_EXPORT TXmlAttribute<STextAnchor>;
extern template class XMLATTR_EXPORT TXmlAttribute<SLineCap>;
extern template class XMLATTR_EXPORT TXmlAttribute<SLineJoin>;
extern template class XMLATTR_EXPORT TXmlAttribute<SVisibility>;
extern template class XMLATTR_EXPORT TXmlAttribute<SDisplay>;
extern template class XMLATTR_EXPORT TXmlAttribute<Drawing::GradientUnits>;
extern template class XMLATTR_EXPORT TXmlAttribute<Drawing::GradientSpreadMethod>;

} // namespace Xml
