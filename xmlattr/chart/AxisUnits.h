// Xml::AxisUnits: the step of a chart axis, a calendar unit or a number.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// A plain value whose members, in this order, are part of the interface.
/// `numericVal` is meaningful for `Numeric` only and 0 for the other kinds.
struct XMLATTR_EXPORT AxisUnits {
    /// The numbers are part of the interface.
    enum Type : int {
        Auto = 0,
        Days = 1,
        Months = 2,
        Years = 3,
        Numeric = 4,
    };

    /// One of the named kinds; `Numeric` with 0.
    constexpr AxisUnits(Type kind = Auto) noexcept : type(kind), numericVal(0.0f) {}
    /// `Numeric` with `value`.
    constexpr AxisUnits(float value) noexcept : type(Numeric), numericVal(value) {}

    /// The kind and, for `Numeric`, the number.
    ///@{
    constexpr Type getType() const noexcept { return type; }
    constexpr float getNumericVal() const noexcept { return numericVal; }
    ///@}

    /// Same kind and, for `Numeric`, equal numbers (a NaN equals nothing).
    constexpr bool operator==(AxisUnits const& other) const noexcept {
        return type == other.type && (type != Numeric || numericVal == other.numericVal);
    }
    /// The negation of `==`.
    constexpr bool operator!=(AxisUnits const& other) const noexcept { return !(*this == other); }

    /// Strict, untrimmed: "auto", "days", "months" or "years" exactly as written, or a
    /// number other than 0 for the strict number reader (negative ones included). On
    /// false `out` is untouched.
    [[nodiscard]] static bool parseAxisUnits(Core::String const& text, AxisUnits& out) noexcept;

    /// The members, public and in this order as the engine reads them.
    ///@{
    Type type;
    float numericVal;
    ///@}
};

/// Axis units: the attribute reads through `AxisUnits::parseAxisUnits`.
template <> struct ValueTraits<AxisUnits> {
    /// `AxisUnits::parseAxisUnits` with the arguments in the traits' order.
    static bool parse(AxisUnits& value, Core::String const& text) {
        return AxisUnits::parseAxisUnits(text, value);
    }
};

template <>
inline constexpr TypeDescription kTypeDescription<AxisUnits>{
    .name = "AxisUnits",
    .summary =
        "chart axis step: \"auto\", \"days\", \"months\", \"years\" or a number other than 0",
    .family = TypeFamily::Chart};

extern template class XMLATTR_EXPORT TXmlAttribute<AxisUnits>;

} // namespace Xml
