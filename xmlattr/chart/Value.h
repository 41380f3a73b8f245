// Xml::Value: a chart's data value or axis bound, read as a date, a number or free text.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/platform/DateTime.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// What a `Value` holds. The numbers are part of the interface.
enum ValueType : int {
    ValueNone = 0,
    ValueFloat = 1,
    ValueDateTime = 2,
    ValueString = 3,
};

/// A typed chart value. The members are public and their order is part of the
/// interface: the engine reads them directly. Only the members of the value's type
/// are meaningful; `floatValue` is 0 wherever nothing set it.
class XMLATTR_EXPORT Value {
public:
    Value() noexcept;
    /// A `ValueFloat`; the text is empty until set.
    Value(float number);
    /// A `ValueDateTime`.
    Value(Core::DateTime date);
    /// A `ValueString` holding `text`.
    Value(Core::String text);
    /// Copies `type`, `stringValue` and `ordinal`, and only the member of the source's type
    /// among `floatValue` and `dateTimeValue`; the other keeps the target's content (0 and
    /// no date for a new value).
    Value(Value const& other);
    /// As the copy constructor: the member of the other type keeps this value's content.
    Value const& operator=(Value const& other);
    ~Value();

    /// The held type, and the number (meaningful for `ValueFloat`).
    ///@{
    ValueType getType() const noexcept { return type; }
    float getFloatValue() const noexcept { return floatValue; }
    ///@}
    /// The text, whatever the type.
    Core::String getStringValue() const { return stringValue; }
    /// The date (meaningful for `ValueDateTime`), and the position the caller set (-1 when unset).
    ///@{
    Core::DateTime const& getDateTimeValue() const noexcept { return dateTimeValue; }
    int getOrdinal() const noexcept { return ordinal; }
    void setOrdinal(int value) noexcept { ordinal = value; }
    ///@}
    /// Replaces the text only: the type and the other members stay.
    void setValue(Core::String const& text);

    /// The text form: a number truncated towards zero to an integer ("3" for 3.7; beyond
    /// the 32-bit range the nearest limit, 0 for NaN), a date as month/day/year, the text
    /// itself, or the empty text for no value.
    Core::String getValue() const;

    /// The left operand's type decides and the right one's is not looked at: numbers,
    /// dates or texts (exactly) are equal; no value equals nothing, not even itself.
    bool operator==(Value const& other) const noexcept;
    /// The negation of `==`, so no value is unequal to everything too.
    bool operator!=(Value const& other) const noexcept { return !(*this == other); }
    /// False for different types and for no value. Texts are ordered by their length
    /// alone: "pear" is less than "apple", "abc" neither less nor greater than "xyz".
    bool operator<(Value const& other) const noexcept;
    /// `other < *this`, with the same rules.
    bool operator>(Value const& other) const noexcept;

    /// Lenient: any text but the empty one is accepted, as a month/day/year date if
    /// it is one, else as a number if the strict number reader takes it, else as free
    /// text. The whole text is kept and the ordinal is unset (-1); the member of the
    /// other type keeps what `out` held. On false (the empty text) `out` is untouched.
    [[nodiscard]] static bool parseValue(Core::String const& text, Value& out);

    /// The members, public and in this order as the engine reads them.
    ///@{
    ValueType type;
    Core::String stringValue;
    Core::DateTime dateTimeValue;
    float floatValue;
    ///@}
    /// The value's position, set by the caller; -1 when unset.
    int ordinal;
};

/// Chart values: the attribute reads through `Value::parseValue`.
template <> struct ValueTraits<Value> {
    /// `Value::parseValue` with the arguments in the traits' order.
    static bool parse(Value& value, Core::String const& text) {
        return Value::parseValue(text, value);
    }
};

template <>
inline constexpr TypeDescription kTypeDescription<Value>{
    .name = "Value",
    .summary =
        "chart value: a month/day/year date, a number, or else text (\"12/25/2010\", \"3.75\")",
    .family = TypeFamily::Chart,
    .reads = ReadRule::NonEmpty};

extern template class XMLATTR_EXPORT TXmlAttribute<Value>;

} // namespace Xml
