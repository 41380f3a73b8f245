// Xml::BasicBaselineShift: what the two baseline shifts share, a mode and a measure.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/LengthOrPercent.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// How a baseline is shifted. The numbers are part of the interface.
enum BaselineShiftMode : int {
    BaselineShiftBaseline = 0,
    BaselineShiftSub = 1,
    BaselineShiftSuper = 2,
    BaselineShiftLengthOrPercent = 3,
};

/// A baseline shift: "baseline", "sub", "super" or a measure, `LengthOrPercent` for the
/// formatting objects and `SLengthOrPercent` for SVG. Fields in order: mode, value.
template <class Measure> class BasicBaselineShift {
public:
    /// That mode with the default value.
    constexpr BasicBaselineShift(BaselineShiftMode mode = BaselineShiftBaseline) noexcept
        : m_mode(mode) {}
    /// A measure.
    constexpr explicit BasicBaselineShift(Measure const& value) noexcept
        : m_mode(BaselineShiftLengthOrPercent), m_value(value) {}

    /// Equal modes, and for a measure equal values.
    constexpr bool operator==(BasicBaselineShift const& other) const noexcept {
        return m_mode == other.m_mode &&
               (m_mode != BaselineShiftLengthOrPercent || m_value == other.m_value);
    }
    /// The negation of `==`.
    constexpr bool operator!=(BasicBaselineShift const& other) const noexcept {
        return !(*this == other);
    }

    /// The mode.
    constexpr BaselineShiftMode getMode() const noexcept { return m_mode; }

protected:
    /// The mode, for the two classes built on this one.
    BaselineShiftMode m_mode;
    /// The measure, meaningful for `BaselineShiftLengthOrPercent`.
    Measure m_value;
};

} // namespace Xml
