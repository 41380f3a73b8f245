// Xml::FloatOrPercent: a plain factor, or a percentage held as a fraction, with its attribute.
// Implemented in LengthOrPercent.cpp, beside the rest of its family.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// A plain factor, a percentage being held as a fraction: "150%" and "1.5" are both 1.5.
class XMLATTR_EXPORT FloatOrPercent {
public:
    /// The factor as given; 1 (100%) by default.
    constexpr FloatOrPercent(float value = 1.0f) noexcept : m_value(value) {}

    /// Equal factors.
    constexpr bool operator==(FloatOrPercent const& other) const noexcept {
        return m_value == other.m_value;
    }
    /// The negation of `==`.
    constexpr bool operator!=(FloatOrPercent const& other) const noexcept {
        return !(*this == other);
    }
    /// The factor; a percentage is held divided by 100.
    constexpr float getValue() const noexcept { return m_value; }

private:
    float m_value;
};

/// Binds factors to their reader; they have no text form.
template <> struct XMLATTR_EXPORT ValueTraits<FloatOrPercent> {
    /// Lenient: every non-empty text is read, as far as its number goes ("x" is 0), a final
    /// "%" dividing it by 100; a number beyond the float range is the largest finite float of
    /// its sign. The empty text gives false with the value untouched.
    [[nodiscard]] static bool parse(FloatOrPercent& value, Core::String const& text);
};

template <>
inline constexpr TypeDescription kTypeDescription<FloatOrPercent>{
    .name = "FloatOrPercent",
    .summary = "factor or percentage (\"1.5\", \"150%\"); every text but the empty one reads",
    .family = TypeFamily::Measure,
    .reads = ReadRule::NonEmpty};

extern template class XMLATTR_EXPORT TXmlAttribute<FloatOrPercent>;

} // namespace Xml
