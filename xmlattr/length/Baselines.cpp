// AlignmentAdjust, BaselineShift and SBaselineShift: their readers and writers.
#include "xmlattr/length/BaselineShift.h"

#include "xmlattr/attributes/detail/Table.h"
#include "xmlattr/length/detail/LengthText.h"
#include "xmlattr/length/detail/MeasureKeywords.h"

#include <bit>
#include <cstdint>
#include <iterator>
#include <string_view>

namespace Xml {

template class TXmlAttribute<AlignmentAdjust>;
template class TXmlAttribute<BaselineShift>;
template class TXmlAttribute<SBaselineShift>;

namespace {

// The location the interface promises for the baseline shift writer's impossible modes: the
// lengths' source name and a line of the engine it describes, not this file's.
constexpr char16_t kLengthAttributeFile[] = u"LengthAttribute";
constexpr int kBaselineShiftWriterLine = 471;

struct AdjustProbe {
    bool isBaseline;
    std::int32_t baseline;
    std::int32_t kind;
    std::int32_t unit;
    float size;
    float percent;
};
static_assert(sizeof(AlignmentAdjust) == 24 && sizeof(AlignmentBaseline) == 4);
static_assert(std::bit_cast<AdjustProbe>(AlignmentAdjust(AlignmentBaselineTextTop)).isBaseline &&
              std::bit_cast<AdjustProbe>(AlignmentAdjust(AlignmentBaselineTextTop)).baseline ==
                  13 &&
              std::bit_cast<AdjustProbe>(AlignmentAdjust(LengthOrPercent(0.1f))).percent == 0.1f);

struct ShiftProbe {
    std::int32_t mode;
    std::int32_t kind;
    std::int32_t unit;
    float size;
    float percent;
};
static_assert(sizeof(BaselineShift) == 20 && sizeof(SBaselineShift) == 20 &&
              sizeof(BaselineShiftMode) == 4);
static_assert(
    std::bit_cast<ShiftProbe>(BaselineShift(BaselineShiftSuper)).mode == 2 &&
    std::bit_cast<ShiftProbe>(SBaselineShift(SLengthOrPercent(1.0f, SLength::UnitPc))).unit == 8);

constexpr KeywordTable<BaselineShiftMode> kBaselineShiftModes{
    .reads = detail::kBaselineShiftKeywords,
    .writes = detail::kBaselineShiftKeywords,
    .unwrittenThrowsAt = {kLengthAttributeFile, kBaselineShiftWriterLine}};
static_assert(isWellFormed(kBaselineShiftModes) &&
              detail::indexedInOrder(detail::kBaselineShiftKeywords,
                                     &KeywordEntry<BaselineShiftMode>::number));
// Every baseline has its keyword, in the order of its number.
static_assert(detail::indexedInOrder(kAlignmentBaselineKeywords,
                                     &KeywordEntry<AlignmentBaseline>::number) &&
              std::size(kAlignmentBaselineKeywords) == AlignmentBaselineTextBottom + 1);

template <class Shift, class Measure, bool (*readMeasure)(std::u16string_view, Measure&) noexcept>
bool readShift(std::u16string_view text, Shift& out) noexcept {
    BaselineShiftMode mode = BaselineShiftBaseline;
    if (readKeyword(kBaselineShiftModes, text, mode)) {
        out = Shift(mode);
        return true;
    }
    Measure value;
    if (!readMeasure(text, value)) {
        return false;
    }
    out = Shift(value);
    return true;
}

} // namespace

bool ValueTraits<AlignmentAdjust>::parse(AlignmentAdjust& value, Core::String const& text) {
    AlignmentBaseline baseline = AlignmentBaselineAuto;
    if (readKeyword(kKeywordTable<AlignmentBaseline>, text.view(), baseline)) {
        value = AlignmentAdjust(baseline);
        return true;
    }
    LengthOrPercent measure;
    if (!detail::readLengthOrPercent(text, measure)) {
        return false;
    }
    value = AlignmentAdjust(measure);
    return true;
}

Core::String ValueTraits<AlignmentAdjust>::write(AlignmentAdjust const& value) {
    return value.isBaseline() ? writeKeyword(kKeywordTable<AlignmentBaseline>, value.getBaseline())
                              : LengthOrPercent::getValueAsString(value.getLengthOrPercent());
}

bool ValueTraits<BaselineShift>::parse(BaselineShift& value, Core::String const& text) {
    return readShift<BaselineShift, LengthOrPercent, detail::readLengthOrPercent>(text, value);
}

Core::String ValueTraits<BaselineShift>::write(BaselineShift const& value) {
    if (value.getMode() == BaselineShiftLengthOrPercent) {
        return LengthOrPercent::getValueAsString(value.getLengthOrPercent());
    }
    return writeKeyword(kBaselineShiftModes, value.getMode());
}

bool ValueTraits<SBaselineShift>::parse(SBaselineShift& value, Core::String const& text) {
    return readShift<SBaselineShift, SLengthOrPercent, detail::readSLengthOrPercent>(text, value);
}

} // namespace Xml
