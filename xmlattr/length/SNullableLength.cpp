// SNullableLength and the dash pattern: their attributes' readers.
#include "xmlattr/length/SNullableLength.h"

#include "xmlattr/length/detail/LengthText.h"
#include "xmlattr/length/detail/MeasureKeywords.h"
#include "xmlattr/platform/detail/Cursor.h"

#include <bit>
#include <cstdint>
#include <string_view>
#include <utility>

namespace Xml {

template class TXmlAttribute<SNullableLength>;
template class TXmlAttribute<Core::Vector<SLength>>;

namespace {

struct NullableProbe {
    std::int32_t unit;
    float size;
    bool null;
};
static_assert(sizeof(SNullableLength) == 12);
static_assert(std::bit_cast<NullableProbe>(SNullableLength()).null &&
              std::bit_cast<NullableProbe>(SNullableLength()).unit == 0);

} // namespace

bool ValueTraits<SNullableLength>::parse(SNullableLength& value, Core::String const& text) {
    SLength length;
    if (!detail::readSLength(text, length)) {
        return false;
    }
    static_cast<SLength&>(value) = length;
    value.m_null = false;
    return true;
}

bool ValueTraits<Core::Vector<SLength>>::parse(Core::Vector<SLength>& value,
                                               Core::String const& text) {
    Core::Vector<SLength> dashes;
    if (text.view() != detail::kNoneKeyword) {
        Core::detail::Cursor cursor(text);
        while (cursor.skipSpaceAndComma(), !cursor.atEnd()) {
            SLength dash;
            // Real files write "5 3" as often as "5,3".
            if (!detail::readSLength(cursor.item(), dash)) {
                return false;
            }
            dashes.push_back(dash);
        }
    }
    value = std::move(dashes);
    return true;
}

} // namespace Xml
