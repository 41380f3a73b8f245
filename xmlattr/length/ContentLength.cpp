// ContentLength: its reader, equality, writer and attribute.
#include "xmlattr/length/ContentLength.h"

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/attributes/detail/Table.h"
#include "xmlattr/length/detail/LengthText.h"
#include "xmlattr/length/detail/MeasureKeywords.h"

#include <bit>
#include <cstdint>
#include <string_view>

namespace Xml {

template class TXmlAttribute<ContentLength>;

namespace {

struct ContentLayoutProbe {
    std::int32_t mode;
    std::int32_t kind;
    std::int32_t unit;
    float size;
    float percent;
    bool null;
};
static_assert(sizeof(ContentLength) == 24 && sizeof(ContentScaleMode) == 4);
static_assert(
    std::bit_cast<ContentLayoutProbe>(ContentLength(ContentScaleToFit)).mode == 1 &&
    std::bit_cast<ContentLayoutProbe>(ContentLength(ContentScaleToFit)).null &&
    std::bit_cast<ContentLayoutProbe>(ContentLength(LengthOrPercent(Length(2.0f, Length::UnitMm))))
            .unit == 4);

constexpr KeywordTable<ContentScaleMode> kScaleModes{.reads = detail::kContentScaleKeywords,
                                                     .writes = detail::kContentScaleKeywords};
static_assert(isWellFormed(kScaleModes) &&
              detail::indexedInOrder(detail::kContentScaleKeywords,
                                     &KeywordEntry<ContentScaleMode>::number));

} // namespace

bool ContentLength::operator==(ContentLength const& other) const noexcept {
    if (m_mode != other.m_mode) {
        return false;
    }
    switch (m_mode) {
    case ContentScaleAuto:
    case ContentScaleToFit:
        return true;
    case ContentScaleLengthOrPercent:
        return m_value == other.m_value;
    }
    return false;
}

float ContentLength::pxSize(float reference) const { return m_value.pxSize(reference); }

bool ContentLength::parseContentLength(ContentLength& out, Core::String const& text) noexcept {
    ContentScaleMode mode = ContentScaleAuto;
    if (readKeyword(kScaleModes, text.view(), mode)) {
        out = ContentLength(mode);
        return true;
    }
    LengthOrPercent value;
    if (!detail::readLengthOrPercent(text, value)) {
        return false;
    }
    out = ContentLength(value);
    return true;
}

bool ValueTraits<ContentLength>::parse(ContentLength& value, Core::String const& text) {
    bool const accepted = ContentLength::parseContentLength(value, text);
    value.setNull(!accepted);
    return accepted;
}

Core::String ValueTraits<ContentLength>::write(ContentLength const& value) {
    if (value.isLengthOrPercent()) {
        return LengthOrPercent::getValueAsString(value.getLength());
    }
    return writeKeyword(kScaleModes, value.getScaleMode());
}

} // namespace Xml
