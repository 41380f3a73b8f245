// BackgroundPosition and BackgroundSize: keyword tables, readers and writers.
#include "xmlattr/length/BackgroundPosition.h"

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/attributes/detail/Table.h"
#include "xmlattr/length/detail/LengthText.h"
#include "xmlattr/length/detail/MeasureKeywords.h"

#include <bit>
#include <cstdint>
#include <string_view>

namespace Xml {

template class TXmlAttribute<BackgroundPosition>;
template class TXmlAttribute<BackgroundSize>;

namespace {

struct SizeProbe {
    std::int32_t kind;
    std::int32_t unit;
    float size;
    float percent;
    std::int32_t type;
};
static_assert(sizeof(BackgroundPosition) == sizeof(LengthOrPercent) &&
              sizeof(BackgroundSize) == 20 && sizeof(BackgroundSizeType) == 4);
static_assert(std::bit_cast<SizeProbe>(BackgroundSize(BackgroundSizeContain)).type == 1 &&
              std::bit_cast<SizeProbe>(BackgroundSize(LengthOrPercent(0.5f))).type == 3 &&
              std::bit_cast<SizeProbe>(BackgroundSize(LengthOrPercent(0.5f))).percent == 0.5f);

constexpr KeywordTable<float> kPositions{.reads = detail::kBackgroundPositionKeywords,
                                         .writes = detail::kBackgroundPositionKeywords};
static_assert(isWellFormed(kPositions));

constexpr KeywordTable<BackgroundSizeType> kSizes{.reads = detail::kBackgroundSizeKeywords,
                                                  .writes = detail::kBackgroundSizeKeywords};
static_assert(isWellFormed(kSizes) &&
              detail::indexedInOrder(detail::kBackgroundSizeKeywords,
                                     &KeywordEntry<BackgroundSizeType>::number));

} // namespace

bool BackgroundPosition::readStringBackgroundPosition(BackgroundPosition& out,
                                                      Core::String const& text) noexcept {
    float fraction = 0.0f;
    if (!readKeyword(kPositions, text.view(), fraction)) {
        return false;
    }
    out = BackgroundPosition(LengthOrPercent(fraction));
    return true;
}

bool BackgroundSize::readStringBackgroundSize(BackgroundSize& out,
                                              Core::String const& text) noexcept {
    BackgroundSizeType type = BackgroundSizeAuto;
    if (!readKeyword(kSizes, text.view(), type)) {
        return false;
    }
    out = BackgroundSize(type);
    return true;
}

bool ValueTraits<BackgroundPosition>::parse(BackgroundPosition& value, Core::String const& text) {
    if (BackgroundPosition::readStringBackgroundPosition(value, text)) {
        return true;
    }
    return detail::readLengthOrPercent(text, value);
}

Core::String ValueTraits<BackgroundPosition>::write(BackgroundPosition const& value) {
    if (value.isPercent()) {
        Core::String name = writeKeyword(kPositions, value.getPercent());
        if (!name.empty()) {
            return name;
        }
    }
    return LengthOrPercent::getValueAsString(value);
}

bool ValueTraits<BackgroundSize>::parse(BackgroundSize& value, Core::String const& text) {
    if (BackgroundSize::readStringBackgroundSize(value, text)) {
        return true;
    }
    LengthOrPercent measure;
    if (!detail::readLengthOrPercent(text, measure)) {
        return false;
    }
    value = BackgroundSize(measure);
    return true;
}

Core::String ValueTraits<BackgroundSize>::write(BackgroundSize const& value) {
    Core::String name = writeKeyword(kSizes, value.getType());
    return name.empty() ? LengthOrPercent::getValueAsString(value) : name;
}

} // namespace Xml
