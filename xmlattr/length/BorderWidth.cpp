// BorderWidth and DLength: their attributes' readers and the border width writer.
#include "xmlattr/length/BorderWidth.h"

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/length/detail/LengthText.h"
#include "xmlattr/length/detail/MeasureKeywords.h"
#include "xmlattr/platform/detail/Cursor.h"

#include <bit>
#include <cstdint>
#include <string_view>

namespace Xml {

template class TXmlAttribute<BorderWidth>;
template class TXmlAttribute<DLength>;

namespace {

struct DLengthProbe {
    std::int32_t firstUnit;
    float firstSize;
    std::int32_t secondUnit;
    float secondSize;
};
static_assert(sizeof(BorderWidth) == sizeof(Length) && sizeof(DLength) == 16);
static_assert(
    std::bit_cast<DLengthProbe>(DLength(Length(1.0f, Length::UnitPt), Length(2.0f, Length::UnitCm)))
            .firstUnit == 1 &&
    std::bit_cast<DLengthProbe>(DLength(Length(1.0f, Length::UnitPt), Length(2.0f, Length::UnitCm)))
            .secondSize == 2.0f);

constexpr KeywordTable<Length> kWidths{.reads = detail::kBorderWidthKeywords,
                                       .writes = detail::kBorderWidthKeywords};
static_assert(isWellFormed(kWidths));

} // namespace

bool ValueTraits<BorderWidth>::parse(BorderWidth& value, Core::String const& text) {
    Length width;
    if (!readKeyword(kWidths, text.view(), width) && !detail::readLength(text, width)) {
        return false;
    }
    value = width;
    return true;
}

Core::String ValueTraits<BorderWidth>::write(BorderWidth const& value) {
    Core::String name = writeKeyword(kWidths, static_cast<Length const&>(value));
    return name.empty() ? Length::getValueAsString(value) : name;
}

bool ValueTraits<DLength>::parse(DLength& value, Core::String const& text) {
    Core::detail::Cursor cursor(text);
    Length first;
    if (!detail::readLength(cursor.word(), first)) {
        return false;
    }
    Length second = first;
    std::u16string_view const more = cursor.word();
    if (!more.empty() && !detail::readLength(more, second)) {
        return false;
    }
    if (!cursor.word().empty()) {
        return false;
    }
    value = DLength(first, second);
    return true;
}

} // namespace Xml
