// Keywords of charts.
#pragma once

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/platform/Export.h"

namespace Xml {

/// The kind of a chart; 3 is read from no keyword.
enum ChartType : int {
    ChartTypeLine = 0,
    ChartTypeBar = 1,
    ChartTypeArea = 2,
    ChartTypeUnused = 3,
    ChartTypePie = 4,
    ChartTypeSpider = 5
};

inline constexpr KeywordEntry<ChartType> kChartTypeKeywords[] = {{u"line", ChartTypeLine},
                                                                 {u"bar", ChartTypeBar},
                                                                 {u"area", ChartTypeArea},
                                                                 {u"pie", ChartTypePie},
                                                                 {u"spider", ChartTypeSpider}};
template <>
inline constexpr KeywordTable<ChartType> kKeywordTable<ChartType>{.reads = kChartTypeKeywords,
                                                                  .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<ChartType>{
    .name = "ChartType", .summary = "the kind of a chart", .family = TypeFamily::Keyword};

/// The shape of a series marker.
enum LabelType : int {
    LabelTypeLine = 0,
    LabelTypeSquare = 1,
    LabelTypeCircle = 2,
    LabelTypeTriangle = 3
};

inline constexpr KeywordEntry<LabelType> kLabelTypeKeywords[] = {{u"line", LabelTypeLine},
                                                                 {u"square", LabelTypeSquare},
                                                                 {u"circle", LabelTypeCircle},
                                                                 {u"triangle", LabelTypeTriangle}};
template <>
inline constexpr KeywordTable<LabelType> kKeywordTable<LabelType>{.reads = kLabelTypeKeywords,
                                                                  .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<LabelType>{
    .name = "LabelType",
    .summary = "the shape of a chart series marker",
    .family = TypeFamily::Keyword};

/// The direction in which pie slices follow each other.
enum SliceOrientation : int { SliceOrientationClockwise = 0, SliceOrientationCounterclockwise = 1 };

inline constexpr KeywordEntry<SliceOrientation> kSliceOrientationKeywords[] = {
    {u"clockwise", SliceOrientationClockwise},
    {u"counterclockwise", SliceOrientationCounterclockwise}};
template <>
inline constexpr KeywordTable<SliceOrientation> kKeywordTable<SliceOrientation>{
    .reads = kSliceOrientationKeywords, .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<SliceOrientation>{
    .name = "SliceOrientation",
    .summary = "the direction in which pie slices follow each other",
    .family = TypeFamily::Keyword};

/// The side of the plot an axis is drawn on.
enum AxisPosition : int {
    AxisPositionTop = 0,
    AxisPositionLeft = 1,
    AxisPositionBottom = 2,
    AxisPositionRight = 3
};

inline constexpr KeywordEntry<AxisPosition> kAxisPositionKeywords[] = {
    {u"top", AxisPositionTop},
    {u"left", AxisPositionLeft},
    {u"bottom", AxisPositionBottom},
    {u"right", AxisPositionRight}};
template <>
inline constexpr KeywordTable<AxisPosition> kKeywordTable<AxisPosition>{
    .reads = kAxisPositionKeywords, .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<AxisPosition>{
    .name = "AxisPosition",
    .summary = "the side of the plot a chart axis is drawn on",
    .family = TypeFamily::Keyword};

/// The direction of an axis.
enum AxisOrientation : int {
    AxisOrientationAuto = 0,
    AxisOrientationVertical = 1,
    AxisOrientationHorizontal = 2
};

inline constexpr KeywordEntry<AxisOrientation> kAxisOrientationKeywords[] = {
    {u"auto", AxisOrientationAuto},
    {u"vertical", AxisOrientationVertical},
    {u"horizontal", AxisOrientationHorizontal}};
template <>
inline constexpr KeywordTable<AxisOrientation> kKeywordTable<AxisOrientation>{
    .reads = kAxisOrientationKeywords, .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<AxisOrientation>{
    .name = "AxisOrientation",
    .summary = "the direction of a chart axis",
    .family = TypeFamily::Keyword};

/// Where an axis crosses the other.
enum AxisIntersection : int {
    AxisIntersectionMax = 0,
    AxisIntersectionMin = 1,
    AxisIntersectionAuto = 2
};

inline constexpr KeywordEntry<AxisIntersection> kAxisIntersectionKeywords[] = {
    {u"max", AxisIntersectionMax}, {u"min", AxisIntersectionMin}, {u"auto", AxisIntersectionAuto}};
template <>
inline constexpr KeywordTable<AxisIntersection> kKeywordTable<AxisIntersection>{
    .reads = kAxisIntersectionKeywords, .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<AxisIntersection>{
    .name = "AxisIntersection",
    .summary = "where a chart axis crosses the other",
    .family = TypeFamily::Keyword};

/// Where tick marks are drawn relative to the axis.
enum TickStyle : int { TickStyleInside = 0, TickStyleCross = 1, TickStyleOutside = 2 };

inline constexpr KeywordEntry<TickStyle> kTickStyleKeywords[] = {
    {u"inside", TickStyleInside}, {u"cross", TickStyleCross}, {u"outside", TickStyleOutside}};
template <>
inline constexpr KeywordTable<TickStyle> kKeywordTable<TickStyle>{.reads = kTickStyleKeywords,
                                                                  .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<TickStyle>{
    .name = "TickStyle",
    .summary = "where tick marks are drawn relative to a chart axis",
    .family = TypeFamily::Keyword};

/// How several series share a category.
enum SerieGrouping : int {
    SerieGroupingOverlapped = 0,
    SerieGroupingClustered = 1,
    SerieGroupingStacked = 2
};

inline constexpr KeywordEntry<SerieGrouping> kSerieGroupingKeywords[] = {
    {u"overlapped", SerieGroupingOverlapped},
    {u"clustered", SerieGroupingClustered},
    {u"stacked", SerieGroupingStacked}};
template <>
inline constexpr KeywordTable<SerieGrouping> kKeywordTable<SerieGrouping>{
    .reads = kSerieGroupingKeywords, .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<SerieGrouping>{
    .name = "SerieGrouping",
    .summary = "how several chart series share a category",
    .family = TypeFamily::Keyword};

/// Where a data value label is placed.
enum DisplayValPlacement : int {
    DisplayValPlacementCenter = 0,
    DisplayValPlacementBetween = 1,
    DisplayValPlacementAuto = 2
};

inline constexpr KeywordEntry<DisplayValPlacement> kDisplayValPlacementKeywords[] = {
    {u"center", DisplayValPlacementCenter},
    {u"between", DisplayValPlacementBetween},
    {u"auto", DisplayValPlacementAuto}};
template <>
inline constexpr KeywordTable<DisplayValPlacement> kKeywordTable<DisplayValPlacement>{
    .reads = kDisplayValPlacementKeywords, .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<DisplayValPlacement>{
    .name = "DisplayValPlacement",
    .summary = "where a chart data value label is placed",
    .family = TypeFamily::Keyword};

extern template class XMLATTR_EXPORT TXmlAttribute<ChartType>;
extern template class XMLATTR_EXPORT TXmlAttribute<LabelType>;
extern template class XMLATTR_EXPORT TXmlAttribute<SliceOrientation>;
extern template class XMLATTR_EXPORT TXmlAttribute<AxisPosition>;
extern template class XMLATTR_EXPORT TXmlAttribute<AxisOrientation>;
extern template class XMLATTR_EXPORT TXmlAttribute<AxisIntersection>;
extern template class XMLATTR_EXPORT TXmlAttribute<TickStyle>;
extern template class XMLATTR_EXPORT TXmlAttribute<SerieGrouping>;
extern template class XMLATTR_EXPORT TXmlAttribute<DisplayValPlacement>;

} // namespace Xml
