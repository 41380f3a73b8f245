// AxisUnits: the keywords of the calendar units and the numeric step.
#include "xmlattr/chart/AxisUnits.h"

#include "xmlattr/platform/Format.h"

#include <cstddef>
#include <string_view>
#include <type_traits>

namespace Xml {

template class TXmlAttribute<AxisUnits>;

namespace {

static_assert(sizeof(AxisUnits::Type) == 4 && sizeof(AxisUnits) == 8);
static_assert(std::is_standard_layout_v<AxisUnits> && offsetof(AxisUnits, type) == 0 &&
              offsetof(AxisUnits, numericVal) == 4);

struct UnitKeyword {
    std::u16string_view keyword;
    AxisUnits::Type type;
};

constexpr UnitKeyword kUnitKeywords[] = {
    {u"auto", AxisUnits::Auto},
    {u"days", AxisUnits::Days},
    {u"months", AxisUnits::Months},
    {u"years", AxisUnits::Years},
};

} // namespace

bool AxisUnits::parseAxisUnits(Core::String const& text, AxisUnits& out) noexcept {
    for (UnitKeyword const& entry : kUnitKeywords) {
        if (text.compare(entry.keyword) == 0) {
            out = AxisUnits(entry.type);
            return true;
        }
    }
    float number = 0.0f;
    // A zero step would never advance along the axis.
    if (!Core::Format::parseFloat(text, number) || number == 0.0f) {
        return false;
    }
    out = AxisUnits(number);
    return true;
}

} // namespace Xml
