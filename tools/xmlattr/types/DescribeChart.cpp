// Fields of chart values, axis units and plain numbers.
#include "Describe.h"

#include <array>
#include <string_view>

namespace Tool {

namespace {

constexpr std::array<std::string_view, 4> kValueTypes = {"none", "float", "date", "string"};
static_assert(Xml::ValueString == kValueTypes.size() - 1);
constexpr std::array<std::string_view, 5> kAxisUnits = {"auto", "days", "months", "years",
                                                        "numeric"};
static_assert(Xml::AxisUnits::Numeric == kAxisUnits.size() - 1);

template <std::size_t N>
std::string_view nameOf(std::array<std::string_view, N> const& names, int number) {
    return number >= 0 && static_cast<std::size_t>(number) < N
               ? names[static_cast<std::size_t>(number)]
               : std::string_view();
}

} // namespace

void describe(Fields& out, Xml::Value const& value) {
    out.enumerator("type", nameOf(kValueTypes, value.getType()), value.getType());
    out.text("stringValue", value.getStringValue().toUtf8());
    // Only the member of the value's own type is set.
    if (value.getType() == Xml::ValueDateTime) {
        Fields& date = out.group("dateTimeValue");
        Core::DateTime const& when = value.getDateTimeValue();
        date.integer("year", when.getYear());
        date.integer("month", when.getMonth());
        date.integer("day", when.getDay());
    }
    if (value.getType() == Xml::ValueFloat) {
        out.number("floatValue", value.getFloatValue());
    }
    out.integer("ordinal", value.getOrdinal());
    out.text("getValue", value.getValue().toUtf8());
}

void describe(Fields& out, Xml::AxisUnits const& value) {
    out.enumerator("type", nameOf(kAxisUnits, value.getType()), value.getType());
    out.number("numericVal", value.getNumericVal());
}

void describe(Fields& out, float value) { out.number("value", value); }

} // namespace Tool
