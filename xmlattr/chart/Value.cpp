// Value: the chart value reader, its copy rule, its comparisons and its text form.
#include "xmlattr/chart/Value.h"

#include "xmlattr/platform/Format.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <type_traits>
#include <utility>

namespace Xml {

template class TXmlAttribute<Value>;

namespace {

static_assert(sizeof(ValueType) == 4);
static_assert(std::is_standard_layout_v<Value>);
static_assert(offsetof(Value, type) == 0 && offsetof(Value, type) < offsetof(Value, stringValue) &&
              offsetof(Value, stringValue) < offsetof(Value, dateTimeValue) &&
              offsetof(Value, dateTimeValue) < offsetof(Value, floatValue) &&
              offsetof(Value, floatValue) < offsetof(Value, ordinal));

constexpr int kUnsetOrdinal = -1;

// Only the member of the source's type is taken; the other one keeps what it held.
void copyTypedMember(Value& to, Value const& from) noexcept {
    if (from.type == ValueFloat) {
        to.floatValue = from.floatValue;
    } else if (from.type == ValueDateTime) {
        to.dateTimeValue = from.dateTimeValue;
    }
}

// A cast of a float outside the int range is undefined, so such numbers are written
// as the nearest limit rather than whatever the processor makes of them.
int truncateToInt(float number) noexcept {
    constexpr float kTwoToThe31 = 2147483648.0f;
    if (std::isnan(number)) {
        return 0;
    }
    if (number >= kTwoToThe31) {
        return std::numeric_limits<int>::max();
    }
    if (number < -kTwoToThe31) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(number);
}

} // namespace

Value::Value() noexcept : type(ValueNone), floatValue(0.0f), ordinal(kUnsetOrdinal) {}

Value::Value(float number) : type(ValueFloat), floatValue(number), ordinal(kUnsetOrdinal) {}

Value::Value(Core::DateTime date)
    : type(ValueDateTime), dateTimeValue(date), floatValue(0.0f), ordinal(kUnsetOrdinal) {}

Value::Value(Core::String text)
    : type(ValueString), stringValue(std::move(text)), floatValue(0.0f), ordinal(kUnsetOrdinal) {}

Value::Value(Value const& other)
    : type(other.type), stringValue(other.stringValue), floatValue(0.0f), ordinal(other.ordinal) {
    copyTypedMember(*this, other);
}

Value const& Value::operator=(Value const& other) {
    // The text first: if copying it throws, nothing else has changed.
    stringValue = other.stringValue;
    type = other.type;
    ordinal = other.ordinal;
    copyTypedMember(*this, other);
    return *this;
}

Value::~Value() = default;

void Value::setValue(Core::String const& text) { stringValue = text; }

Core::String Value::getValue() const {
    switch (type) {
    case ValueFloat:
        return Core::Format::toString(truncateToInt(floatValue));
    case ValueDateTime:
        return dateTimeValue.toDateString(Core::DateFormatMonthDayYear);
    case ValueString:
        return stringValue;
    case ValueNone:
        break;
    }
    return Core::String();
}

bool Value::operator==(Value const& other) const noexcept {
    switch (type) {
    case ValueFloat:
        return floatValue == other.floatValue;
    case ValueDateTime:
        return dateTimeValue == other.dateTimeValue;
    case ValueString:
        return stringValue.compare(other.stringValue) == 0;
    case ValueNone:
        break;
    }
    return false;
}

bool Value::operator<(Value const& other) const noexcept {
    if (type != other.type) {
        return false;
    }
    switch (type) {
    case ValueFloat:
        return floatValue < other.floatValue;
    case ValueDateTime:
        return dateTimeValue < other.dateTimeValue;
    case ValueString:
        return stringValue.length() < other.stringValue.length();
    case ValueNone:
        break;
    }
    return false;
}

bool Value::operator>(Value const& other) const noexcept { return other < *this; }

bool Value::parseValue(Core::String const& text, Value& out) {
    if (text.empty()) {
        return false;
    }
    // The text first: if copying it throws, nothing else has changed.
    out.stringValue = text;
    out.ordinal = kUnsetOrdinal;
    Core::DateTime date;
    float number = 0.0f;
    if (Core::DateTime::parseMDYDate(text, date)) {
        out.type = ValueDateTime;
        out.dateTimeValue = date;
    } else if (Core::Format::parseFloat(text, number)) {
        out.type = ValueFloat;
        out.floatValue = number;
    } else {
        out.type = ValueString;
    }
    return true;
}

} // namespace Xml
