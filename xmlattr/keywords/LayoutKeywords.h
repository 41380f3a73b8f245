// Keywords of text and line layout, of leaders and of table layout. The alignment's writer,
// which throws, is compiled by the library.
#pragma once

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/platform/Export.h"

namespace Xml {

/// Whether a block spans all columns.
enum Span : int { SpanNone = 0, SpanAll = 1 };

inline constexpr KeywordEntry<Span> kSpanKeywords[] = {{u"none", SpanNone}, {u"all", SpanAll}};
template <>
inline constexpr KeywordTable<Span> kKeywordTable<Span>{
    .reads = kSpanKeywords, .match = KeywordCase::AnyCase, .writes = kSpanKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<Span>{
    .name = "Span",
    .summary = "span: whether a block spans all columns",
    .family = TypeFamily::Keyword};

/// How the height of a line is measured.
enum LineStackingStrategy : int {
    LineStackingStrategyLineHeight = 0,
    LineStackingStrategyFontHeight = 1,
    LineStackingStrategyMaxHeight = 2
};

inline constexpr KeywordEntry<LineStackingStrategy> kLineStackingStrategyKeywords[] = {
    {u"line-height", LineStackingStrategyLineHeight},
    {u"font-height", LineStackingStrategyFontHeight},
    {u"max-height", LineStackingStrategyMaxHeight}};
template <>
inline constexpr KeywordTable<LineStackingStrategy> kKeywordTable<LineStackingStrategy>{
    .reads = kLineStackingStrategyKeywords,
    .match = KeywordCase::AnyCase,
    .writes = kLineStackingStrategyKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<LineStackingStrategy>{
    .name = "LineStackingStrategy",
    .summary = "line-stacking-strategy: how the height of a line is measured",
    .family = TypeFamily::Keyword};

/// Whether shifted baselines enlarge a line.
enum LineHeightShiftAdjustment : int {
    LineHeightShiftAdjustmentConsiderShifts = 0,
    LineHeightShiftAdjustmentDisregardShifts = 1
};

inline constexpr KeywordEntry<LineHeightShiftAdjustment> kLineHeightShiftAdjustmentKeywords[] = {
    {u"consider-shifts", LineHeightShiftAdjustmentConsiderShifts},
    {u"disregard-shifts", LineHeightShiftAdjustmentDisregardShifts}};
template <>
inline constexpr KeywordTable<LineHeightShiftAdjustment> kKeywordTable<LineHeightShiftAdjustment>{
    .reads = kLineHeightShiftAdjustmentKeywords,
    .match = KeywordCase::AnyCase,
    .writes = kLineHeightShiftAdjustmentKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<LineHeightShiftAdjustment>{
    .name = "LineHeightShiftAdjustment",
    .summary = "line-height-shift-adjustment: whether shifted baselines enlarge a line",
    .family = TypeFamily::Keyword};

/// Where content sits in the block-progression direction.
enum DisplayAlign : int { DisplayAlignBefore = 0, DisplayAlignAfter = 1, DisplayAlignCenter = 2 };

inline constexpr KeywordEntry<DisplayAlign> kDisplayAlignKeywords[] = {
    {u"before", DisplayAlignBefore},
    {u"after", DisplayAlignAfter},
    {u"center", DisplayAlignCenter}};
template <>
inline constexpr KeywordTable<DisplayAlign> kKeywordTable<DisplayAlign>{
    .reads = kDisplayAlignKeywords, .match = KeywordCase::Exact, .writes = kDisplayAlignKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<DisplayAlign>{
    .name = "DisplayAlign",
    .summary = "display-align: where content sits in the block-progression direction",
    .family = TypeFamily::Keyword};

/// The inline progression direction.
enum TextDirection : int { TextDirectionLtr = 0, TextDirectionRtl = 1 };

inline constexpr KeywordEntry<TextDirection> kTextDirectionKeywords[] = {
    {u"ltr", TextDirectionLtr}, {u"rtl", TextDirectionRtl}};
template <>
inline constexpr KeywordTable<TextDirection> kKeywordTable<TextDirection>{
    .reads = kTextDirectionKeywords, .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<TextDirection>{
    .name = "TextDirection",
    .summary = "direction: the inline progression direction",
    .family = TypeFamily::Keyword};

/// What becomes of a line feed.
enum LinefeedTreatment : int {
    LinefeedTreatmentIgnore = 0,
    LinefeedTreatmentPreserve = 1,
    LinefeedTreatmentTreatAsSpace = 2,
    LinefeedTreatmentTreatAsZeroWidthSpace = 3
};

inline constexpr KeywordEntry<LinefeedTreatment> kLinefeedTreatmentKeywords[] = {
    {u"ignore", LinefeedTreatmentIgnore},
    {u"preserve", LinefeedTreatmentPreserve},
    {u"treat-as-space", LinefeedTreatmentTreatAsSpace},
    {u"treat-as-zero-width-space", LinefeedTreatmentTreatAsZeroWidthSpace}};
template <>
inline constexpr KeywordTable<LinefeedTreatment> kKeywordTable<LinefeedTreatment>{
    .reads = kLinefeedTreatmentKeywords,
    .match = KeywordCase::AnyCase,
    .writes = kLinefeedTreatmentKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<LinefeedTreatment>{
    .name = "LinefeedTreatment",
    .summary = "linefeed-treatment: what becomes of a line feed",
    .family = TypeFamily::Keyword,
    .exported = false};

/// Which white space around line feeds is kept.
enum WhiteSpaceTreatment : int {
    WhiteSpaceTreatmentIgnore = 0,
    WhiteSpaceTreatmentPreserve = 1,
    WhiteSpaceTreatmentIgnoreIfBeforeLinefeed = 2,
    WhiteSpaceTreatmentIgnoreIfAfterLinefeed = 3,
    WhiteSpaceTreatmentIgnoreIfSurroundingLinefeed = 4
};

inline constexpr KeywordEntry<WhiteSpaceTreatment> kWhiteSpaceTreatmentKeywords[] = {
    {u"ignore", WhiteSpaceTreatmentIgnore},
    {u"preserve", WhiteSpaceTreatmentPreserve},
    {u"ignore-if-before-linefeed", WhiteSpaceTreatmentIgnoreIfBeforeLinefeed},
    {u"ignore-if-after-linefeed", WhiteSpaceTreatmentIgnoreIfAfterLinefeed},
    {u"ignore-if-surrounding-linefeed", WhiteSpaceTreatmentIgnoreIfSurroundingLinefeed}};
template <>
inline constexpr KeywordTable<WhiteSpaceTreatment> kKeywordTable<WhiteSpaceTreatment>{
    .reads = kWhiteSpaceTreatmentKeywords,
    .match = KeywordCase::AnyCase,
    .writes = kWhiteSpaceTreatmentKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<WhiteSpaceTreatment>{
    .name = "WhiteSpaceTreatment",
    .summary = "white-space-treatment: which white space around line feeds is kept",
    .family = TypeFamily::Keyword,
    .exported = false};

/// Whether lines wrap.
enum WrapOption : int { WrapOptionWrap = 0, WrapOptionNoWrap = 1 };

inline constexpr KeywordEntry<WrapOption> kWrapOptionKeywords[] = {{u"wrap", WrapOptionWrap},
                                                                   {u"no-wrap", WrapOptionNoWrap}};
template <>
inline constexpr KeywordTable<WrapOption> kKeywordTable<WrapOption>{
    .reads = kWrapOptionKeywords, .match = KeywordCase::AnyCase, .writes = kWrapOptionKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<WrapOption>{.name = "WrapOption",
                                                              .summary =
                                                                  "wrap-option: whether lines wrap",
                                                              .family = TypeFamily::Keyword,
                                                              .exported = false};

/// Visibility of a formatting object (the SVG one is `SVisibility`).
enum Visibility : int { VisibilityVisible = 0, VisibilityHidden = 1, VisibilityCollapse = 2 };

inline constexpr KeywordEntry<Visibility> kVisibilityKeywords[] = {
    {u"visible", VisibilityVisible},
    {u"hidden", VisibilityHidden},
    {u"collapse", VisibilityCollapse}};
template <>
inline constexpr KeywordTable<Visibility> kKeywordTable<Visibility>{
    .reads = kVisibilityKeywords, .match = KeywordCase::AnyCase, .writes = kVisibilityKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<Visibility>{
    .name = "Visibility",
    .summary = "visibility of a formatting object",
    .family = TypeFamily::Keyword,
    .exported = false};

/// What fills a leader.
enum LeaderPattern : int {
    LeaderPatternSpace = 0,
    LeaderPatternRule = 1,
    LeaderPatternDots = 2,
    LeaderPatternUseContent = 3
};

inline constexpr KeywordEntry<LeaderPattern> kLeaderPatternKeywords[] = {
    {u"space", LeaderPatternSpace},
    {u"rule", LeaderPatternRule},
    {u"dots", LeaderPatternDots},
    {u"use-content", LeaderPatternUseContent}};
template <>
inline constexpr KeywordTable<LeaderPattern> kKeywordTable<LeaderPattern>{
    .reads = kLeaderPatternKeywords, .match = KeywordCase::Exact, .writes = kLeaderPatternKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<LeaderPattern>{
    .name = "LeaderPattern",
    .summary = "leader-pattern: what fills a leader",
    .family = TypeFamily::Keyword};

/// What leader patterns line up with.
enum LeaderAlignment : int {
    LeaderAlignmentNone = 0,
    LeaderAlignmentReferenceArea = 1,
    LeaderAlignmentPage = 2
};

inline constexpr KeywordEntry<LeaderAlignment> kLeaderAlignmentKeywords[] = {
    {u"none", LeaderAlignmentNone},
    {u"reference-area", LeaderAlignmentReferenceArea},
    {u"page", LeaderAlignmentPage}};
template <>
inline constexpr KeywordTable<LeaderAlignment> kKeywordTable<LeaderAlignment>{
    .reads = kLeaderAlignmentKeywords,
    .match = KeywordCase::Exact,
    .writes = kLeaderAlignmentKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<LeaderAlignment>{
    .name = "LeaderAlignment",
    .summary = "leader-alignment: what leader patterns line up with",
    .family = TypeFamily::Keyword};

/// Alignment of the lines of a block. The relative keywords read as the absolute ones;
/// 0 (the default) and 5 to 8 are read from no keyword but are written.
enum TextAlign : int {
    TextAlignDefault = 0,
    TextAlignLeft = 1,
    TextAlignRight = 2,
    TextAlignCenter = 3,
    TextAlignJustify = 4,
    TextAlignStart = 5,
    TextAlignEnd = 6,
    TextAlignInside = 7,
    TextAlignOutside = 8
};

inline constexpr KeywordEntry<TextAlign> kTextAlignReads[] = {
    {u"left", TextAlignLeft},     {u"start", TextAlignLeft},     {u"inside", TextAlignLeft},
    {u"right", TextAlignRight},   {u"end", TextAlignRight},      {u"outside", TextAlignRight},
    {u"center", TextAlignCenter}, {u"justify", TextAlignJustify}};
inline constexpr KeywordEntry<TextAlign> kTextAlignWrites[] = {
    {u"left", TextAlignDefault},  {u"left", TextAlignLeft},       {u"right", TextAlignRight},
    {u"center", TextAlignCenter}, {u"justify", TextAlignJustify}, {u"start", TextAlignStart},
    {u"end", TextAlignEnd},       {u"inside", TextAlignInside},   {u"outside", TextAlignOutside}};
template <>
inline constexpr KeywordTable<TextAlign> kKeywordTable<TextAlign>{
    .reads = kTextAlignReads, .match = KeywordCase::Exact, .writes = kTextAlignWrites};

template <>
inline constexpr TypeDescription kTypeDescription<TextAlign>{
    .name = "TextAlign",
    .summary = "text-align, text-align-last: alignment of the lines of a block",
    .family = TypeFamily::Keyword};
/// Binds `TextAlign` to its keyword table, with a writer of its own that throws.
template <> struct ValueTraits<TextAlign> : KeywordTraits<TextAlign> {
    /// Throws for a number that no written entry names.
    XMLATTR_EXPORT static Core::String write(TextAlign const& value);
};

/// How column widths of a table are found.
enum TableLayout : int { TableLayoutAuto = 0, TableLayoutFixed = 1 };

inline constexpr KeywordEntry<TableLayout> kTableLayoutKeywords[] = {{u"auto", TableLayoutAuto},
                                                                     {u"fixed", TableLayoutFixed}};
template <>
inline constexpr KeywordTable<TableLayout> kKeywordTable<TableLayout>{
    .reads = kTableLayoutKeywords, .match = KeywordCase::Exact, .writes = kTableLayoutKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<TableLayout>{
    .name = "TableLayout",
    .summary = "table-layout: how the column widths of a table are found",
    .family = TypeFamily::Keyword};

extern template class XMLATTR_EXPORT TXmlAttribute<Span>;
extern template class XMLATTR_EXPORT TXmlAttribute<TextAlign>;
extern template class XMLATTR_EXPORT TXmlAttribute<TableLayout>;
extern template class XMLATTR_EXPORT TXmlAttribute<LineStackingStrategy>;
extern template class XMLATTR_EXPORT TXmlAttribute<LineHeightShiftAdjustment>;
extern template class XMLATTR_EXPORT TXmlAttribute<DisplayAlign>;
extern template class XMLATTR_EXPORT TXmlAttribute<TextDirection>;
extern template class XMLATTR_EXPORT TXmlAttribute<LeaderPattern>;
extern template class XMLATTR_EXPORT TXmlAttribute<LeaderAlignment>;

} // namespace Xml
