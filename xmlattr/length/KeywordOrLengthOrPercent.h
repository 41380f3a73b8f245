// Xml::KeywordOrLengthOrPercent: what the measures that are a LengthOrPercent or a keyword
// flag share.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/LengthOrPercent.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// The layout, constructors and equality shared by the measures whose keyword ("auto", or
/// "use-font-metrics") is a flag beside a `LengthOrPercent`. Fields in order: the flag, then
/// the value, meaningful only when the flag is clear. The default has the flag set.
template <class Derived> class KeywordOrLengthOrPercent {
public:
    constexpr KeywordOrLengthOrPercent() noexcept = default;
    /// The flag clear, holding `value`.
    constexpr explicit KeywordOrLengthOrPercent(LengthOrPercent const& value) noexcept
        : m_keyword(false), m_value(value) {}

    /// Equal flags, and values equal when the flag is clear.
    constexpr bool operator==(KeywordOrLengthOrPercent const& other) const noexcept {
        return m_keyword == other.m_keyword && (m_keyword || m_value == other.m_value);
    }
    /// The negation of `==`.
    constexpr bool operator!=(KeywordOrLengthOrPercent const& other) const noexcept {
        return !(*this == other);
    }

protected:
    friend struct ValueTraits<Derived>;

    /// Whether the keyword was read; the measure is then kept but not meant.
    bool m_keyword = true;
    /// The measure.
    LengthOrPercent m_value;
};

} // namespace Xml
