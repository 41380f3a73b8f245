// The keywords that the measures read besides their numbers, one table each: their readers
// and writers use them, and so may programs that describe or suggest values (the xmlattr
// tool), so that no spelling is written twice.
#pragma once

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/length/BackgroundPosition.h"
#include "xmlattr/length/BaselineShift.h"
#include "xmlattr/length/BorderWidth.h"
#include "xmlattr/length/ContentLength.h"
#include "xmlattr/length/FontSize.h"
#include "xmlattr/length/IndentAttribute.h"
#include "xmlattr/length/PageDimension.h"

#include <string_view>

namespace Xml {

// The keywords that a measure reads alone, beside its number.
inline constexpr std::u16string_view kAutoKeyword = u"auto";
inline constexpr std::u16string_view kUseFontMetricsKeyword = u"use-font-metrics";
inline constexpr std::u16string_view kNormalKeyword = u"normal";
inline constexpr std::u16string_view kNoneKeyword = u"none";

/// A font size in points.
constexpr FontSize pointSize(float size) noexcept {
    return FontSize(LengthOrPercent(Length(size, Length::UnitPt)));
}

// "large" is 16pt, not 14.
inline constexpr KeywordEntry<FontSize> kFontSizeKeywords[] = {
    {u"xx-small", pointSize(6.0f)},
    {u"x-small", pointSize(8.0f)},
    {u"small", pointSize(10.0f)},
    {u"medium", pointSize(12.0f)},
    {u"large", pointSize(16.0f)},
    {u"x-large", pointSize(18.0f)},
    {u"xx-large", pointSize(20.0f)},
    {u"larger", FontSize(RelativeFontSizeLarger)},
    {u"smaller", FontSize(RelativeFontSizeSmaller)},
};

inline constexpr KeywordEntry<RelativeFontSize> kRelativeFontSizeKeywords[] = {
    {u"larger", RelativeFontSizeLarger},
    {u"smaller", RelativeFontSizeSmaller},
};

/// The lines of an SVG text decoration, as its reader numbers them.
enum DecorationLine : int { LineUnder = 0, LineOver = 1, LineThrough = 2 };
inline constexpr KeywordEntry<DecorationLine> kDecorationLineKeywords[] = {
    {u"underline", LineUnder},
    {u"overline", LineOver},
    {u"line-through", LineThrough},
};

inline constexpr KeywordEntry<PageDimensionType> kPageDimensionKeywords[] = {
    {u"auto", PageDimensionAuto},
    {u"indefinite", PageDimensionIndefinite},
};

inline constexpr KeywordEntry<InitialPageNumberType> kInitialPageNumberKeywords[] = {
    {u"auto", InitialPageNumberAuto},
    {u"auto-odd", InitialPageNumberAutoOdd},
    {u"auto-even", InitialPageNumberAutoEven},
};

inline constexpr KeywordEntry<InitialSheetNumberType> kInitialSheetNumberKeywords[] = {
    {u"auto", InitialSheetNumberAuto},
};

// Both axes share the fractions; writing names the horizontal keyword of each.
inline constexpr KeywordEntry<float> kBackgroundPositionKeywords[] = {
    {u"left", 0.0f}, {u"top", 0.0f}, {u"center", 0.5f}, {u"right", 1.0f}, {u"bottom", 1.0f},
};

inline constexpr KeywordEntry<BackgroundSizeType> kBackgroundSizeKeywords[] = {
    {u"cover", BackgroundSizeCover},
    {u"contain", BackgroundSizeContain},
    {u"auto", BackgroundSizeAuto},
};

// Only these three point lengths are written as names: 4px, as wide as 3pt, is not "medium".
inline constexpr KeywordEntry<Length> kBorderWidthKeywords[] = {
    {u"thin", Length(1.0f, Length::UnitPt)},
    {u"medium", Length(3.0f, Length::UnitPt)},
    {u"thick", Length(5.0f, Length::UnitPt)},
};

inline constexpr KeywordEntry<ContentScaleMode> kContentScaleKeywords[] = {
    {u"auto", ContentScaleAuto},
    {u"scale-to-fit", ContentScaleToFit},
};

inline constexpr KeywordEntry<BaselineShiftMode> kBaselineShiftKeywords[] = {
    {u"baseline", BaselineShiftBaseline},
    {u"sub", BaselineShiftSub},
    {u"super", BaselineShiftSuper},
};

// Parentheses and all: "body-start( )" is no function.
inline constexpr KeywordEntry<IndentFunction> kIndentFunctionKeywords[] = {
    {u"label-end()", IndentLabelEnd},
    {u"body-start()", IndentBodyStart},
};

} // namespace Xml
