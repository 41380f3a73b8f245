// The keyword-or-measure family: readers, writers and attributes.
#include "xmlattr/length/LengthOrPercentAuto.h"

#include "xmlattr/length/detail/LengthText.h"
#include "xmlattr/length/detail/MeasureKeywords.h"
#include "xmlattr/platform/detail/Cursor.h"

#include <bit>
#include <cstdint>
#include <string_view>

namespace Xml {

template class TXmlAttribute<Margin>;
template class TXmlAttribute<LengthOrPercentAuto>;
template class TXmlAttribute<TableWidth>;
template class TXmlAttribute<ColumnWidth>;
template class TXmlAttribute<LeaderPatternWidth>;

namespace {

struct FlagLayoutProbe {
    bool keyword;
    std::int32_t kind;
    std::int32_t unit;
    float size;
    float percent;
};
static_assert(sizeof(Margin) == 20 && sizeof(LengthOrPercentAuto) == 20 &&
              sizeof(TableWidth) == 20 && sizeof(ColumnWidth) == 20 &&
              sizeof(LeaderPatternWidth) == 20);
static_assert(std::bit_cast<FlagLayoutProbe>(Margin(LengthOrPercent(0.5f))).keyword == false &&
              std::bit_cast<FlagLayoutProbe>(Margin(LengthOrPercent(0.5f))).kind == 2 &&
              std::bit_cast<FlagLayoutProbe>(Margin(LengthOrPercent(0.5f))).percent == 0.5f &&
              std::bit_cast<FlagLayoutProbe>(LeaderPatternWidth()).keyword == true);

// Reads `text` into a value of `Measure` with the flag clear; false leaves `out` untouched.
template <class Measure> bool readMeasure(std::u16string_view text, Measure& out) noexcept {
    LengthOrPercent value;
    if (!detail::readLengthOrPercent(text, value)) {
        return false;
    }
    out = Measure(value);
    return true;
}

// A measure, or the argument of a function whose name is not examined:
// "proportional-column-width(2)" is the factor 2.
template <class Measure> bool readWidth(std::u16string_view text, Measure& out) noexcept {
    if (readMeasure(text, out)) {
        return true;
    }
    Core::detail::Cursor cursor(text);
    if (cursor.openFunction()) {
        text = cursor.until(u')');
    }
    return !text.empty() && readMeasure(text, out);
}

Core::String writeMeasure(bool keyword, LengthOrPercent const& value, std::u16string_view name) {
    return keyword ? Core::String(name) : LengthOrPercent::getValueAsString(value);
}

} // namespace

bool Margin::parseMargin(Margin& out, Core::String const& text) noexcept {
    return readMeasure(text.view(), out);
}

float LengthOrPercentAuto::pxSize(float reference) const { return m_value.pxSize(reference); }

bool LengthOrPercentAuto::parseLengthOrPercentAuto(LengthOrPercentAuto& out,
                                                   Core::String const& text) noexcept {
    if (text.compareNoCase(detail::kAutoKeyword) == 0) {
        out.m_keyword = true;
        return true;
    }
    return readMeasure(text.view(), out);
}

bool TableWidth::parseTableWidth(TableWidth& out, Core::String const& text) noexcept {
    return readWidth(text.view(), out);
}

bool ColumnWidth::parseColumnWidth(ColumnWidth& out, Core::String const& text) noexcept {
    return readWidth(text.view(), out);
}

bool ValueTraits<Margin>::parse(Margin& value, Core::String const& text) {
    return Margin::parseMargin(value, text);
}
Core::String ValueTraits<Margin>::write(Margin const& value) {
    return writeMeasure(value.m_keyword, value.m_value, u"");
}

bool ValueTraits<LengthOrPercentAuto>::parse(LengthOrPercentAuto& value, Core::String const& text) {
    return LengthOrPercentAuto::parseLengthOrPercentAuto(value, text);
}
Core::String ValueTraits<LengthOrPercentAuto>::write(LengthOrPercentAuto const& value) {
    return writeMeasure(value.m_keyword, value.m_value, detail::kAutoKeyword);
}

bool ValueTraits<TableWidth>::parse(TableWidth& value, Core::String const& text) {
    return TableWidth::parseTableWidth(value, text);
}

bool ValueTraits<ColumnWidth>::parse(ColumnWidth& value, Core::String const& text) {
    return ColumnWidth::parseColumnWidth(value, text);
}
Core::String ValueTraits<ColumnWidth>::write(ColumnWidth const& value) {
    return writeMeasure(value.m_keyword, value.m_value, u"");
}

bool ValueTraits<LeaderPatternWidth>::parse(LeaderPatternWidth& value, Core::String const& text) {
    if (text.view() == detail::kUseFontMetricsKeyword) {
        value.m_keyword = true;
        return true;
    }
    return readMeasure(text.view(), value);
}
Core::String ValueTraits<LeaderPatternWidth>::write(LeaderPatternWidth const& value) {
    return writeMeasure(value.m_keyword, value.m_value, u"");
}

} // namespace Xml
