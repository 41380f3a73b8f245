// PageDimension, InitialPageNumber and InitialSheetNumber: keyword tables and readers.
#include "xmlattr/length/PageDimension.h"

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/attributes/detail/Table.h"
#include "xmlattr/length/detail/LengthText.h"
#include "xmlattr/length/detail/MeasureKeywords.h"
#include "xmlattr/platform/Format.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string_view>

namespace Xml {

template class TXmlAttribute<PageDimension>;
template class TXmlAttribute<InitialPageNumber>;
template class TXmlAttribute<InitialSheetNumber>;

namespace {

struct PageDimensionProbe {
    std::int32_t type;
    std::int32_t unit;
    float size;
};
struct NumberProbe {
    std::int32_t type;
    std::int32_t number;
};
static_assert(sizeof(PageDimension) == 12 && sizeof(InitialPageNumber) == 8 &&
              sizeof(InitialSheetNumber) == 8 && sizeof(PageDimensionType) == 4 &&
              sizeof(InitialPageNumberType) == 4 && sizeof(InitialSheetNumberType) == 4);
static_assert(std::bit_cast<PageDimensionProbe>(PageDimension(Length(2.0f, Length::UnitMm))).type ==
                  2 &&
              std::bit_cast<PageDimensionProbe>(PageDimension(Length(2.0f, Length::UnitMm))).unit ==
                  4);
static_assert(std::bit_cast<NumberProbe>(InitialPageNumber(7)).type == 3 &&
              std::bit_cast<NumberProbe>(InitialPageNumber(7)).number == 7 &&
              std::bit_cast<NumberProbe>(InitialSheetNumber(9)).type == 1);

constexpr KeywordTable<PageDimensionType> kPageDimensions{.reads = detail::kPageDimensionKeywords};
static_assert(isWellFormed(kPageDimensions) &&
              detail::indexedInOrder(detail::kPageDimensionKeywords,
                                     &KeywordEntry<PageDimensionType>::number));

constexpr KeywordTable<InitialPageNumberType> kInitialPageNumbers{
    .reads = detail::kInitialPageNumberKeywords};
static_assert(isWellFormed(kInitialPageNumbers) &&
              detail::indexedInOrder(detail::kInitialPageNumberKeywords,
                                     &KeywordEntry<InitialPageNumberType>::number));

constexpr KeywordTable<InitialSheetNumberType> kInitialSheetNumbers{
    .reads = detail::kInitialSheetNumberKeywords};
static_assert(isWellFormed(kInitialSheetNumbers));

// Counting starts at 1, whatever the text says.
int countFrom(std::u16string_view text) noexcept {
    return std::max(Core::Format::parseInt(text), 1);
}

} // namespace

bool PageDimension::readStringPageDimension(Core::String text, PageDimensionType& type) noexcept {
    return readKeyword(kPageDimensions, text.view(), type);
}

bool ValueTraits<PageDimension>::parse(PageDimension& value, Core::String const& text) {
    PageDimensionType type = PageDimensionAuto;
    if (readKeyword(kPageDimensions, text.view(), type)) {
        value = PageDimension(type);
        return true;
    }
    Length length;
    if (!detail::readLength(text, length)) {
        return false;
    }
    value = PageDimension(length);
    return true;
}

bool ValueTraits<InitialPageNumber>::parse(InitialPageNumber& value, Core::String const& text) {
    InitialPageNumberType type = InitialPageNumberAuto;
    value = readKeyword(kInitialPageNumbers, text.view(), type)
                ? InitialPageNumber(type)
                : InitialPageNumber(countFrom(text));
    return true;
}

bool ValueTraits<InitialSheetNumber>::parse(InitialSheetNumber& value, Core::String const& text) {
    InitialSheetNumberType type = InitialSheetNumberAuto;
    value = readKeyword(kInitialSheetNumbers, text.view(), type)
                ? InitialSheetNumber(type)
                : InitialSheetNumber(countFrom(text));
    return true;
}

} // namespace Xml
