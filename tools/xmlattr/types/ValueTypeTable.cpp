// Every type the tool reads: one row for each type of the library's list, made from its
// description; here only the keywords that measures offer as near misses.
#include "Describe.h"
#include "ValueType.h"

#include <xmlattr/AttributeTypes.h>
#include <xmlattr/length/MeasureKeywords.h>

#include <array>

namespace Tool {

// clang-format off
template <> Words nearMisses<Xml::Margin>() { return {Xml::kAutoKeyword}; }
template <> Words nearMisses<Xml::LengthOrPercentAuto>() { return {Xml::kAutoKeyword}; }
template <> Words nearMisses<Xml::LeaderPatternWidth>() { return {Xml::kUseFontMetricsKeyword}; }
template <> Words nearMisses<Xml::ContentLength>() { return tableWords<Xml::kContentScaleKeywords>(); }
template <> Words nearMisses<Xml::BorderWidth>() { return tableWords<Xml::kBorderWidthKeywords>(); }
template <> Words nearMisses<Core::Vector<Xml::SLength>>() { return {Xml::kNoneKeyword}; }
template <> Words nearMisses<Xml::FontSize>() { return tableWords<Xml::kFontSizeKeywords>(); }
template <> Words nearMisses<Xml::Indent>() { return tableWords<Xml::kIndentFunctionKeywords>(); }
template <> Words nearMisses<Xml::LetterSpacing>() { return {Xml::kNormalKeyword}; }
template <> Words nearMisses<Xml::SSpacing>() { return {Xml::kNormalKeyword}; }
template <> Words nearMisses<Xml::AlignmentAdjust>() { return nearMisses<Xml::AlignmentBaseline>(); }
template <> Words nearMisses<Xml::BaselineShift>() { return tableWords<Xml::kBaselineShiftKeywords>(); }
template <> Words nearMisses<Xml::SBaselineShift>() { return tableWords<Xml::kBaselineShiftKeywords>(); }
template <> Words nearMisses<Xml::BackgroundPosition>() { return tableWords<Xml::kBackgroundPositionKeywords>(); }
template <> Words nearMisses<Xml::BackgroundSize>() { return tableWords<Xml::kBackgroundSizeKeywords>(); }
template <> Words nearMisses<Xml::PageDimension>() { return tableWords<Xml::kPageDimensionKeywords>(); }
template <> Words nearMisses<Xml::STextDecoration>() {
    Words words = tableWords<Xml::kDecorationLineKeywords>();
    words.insert(words.begin(), Xml::kNoneKeyword);
    return words;
}
// clang-format on

namespace {

template <class... T> constexpr std::array<ValueType, sizeof...(T)> rows(Xml::TypeList<T...>) {
    return {row<T>()...};
}

constexpr std::array<ValueType, Xml::AttributeTypes::size> kTypes = rows(Xml::AttributeTypes());

} // namespace

std::span<ValueType const> allTypes() noexcept { return kTypes; }

} // namespace Tool
