// Xml::BackgroundPosition: a background image's position along one axis, with its attribute.
// Includes the background image's size.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/BackgroundSize.h"
#include "xmlattr/length/LengthOrPercent.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// A background image's position along one axis: a `LengthOrPercent`, the keywords being
/// fractions ("left" and "top" 0, "center" 0.5, "right" and "bottom" 1). Equality, pixels
/// and queries are those of `LengthOrPercent`; the default is 0px.
class XMLATTR_EXPORT BackgroundPosition : public LengthOrPercent {
public:
    constexpr BackgroundPosition() noexcept = default;
    /// A measure.
    constexpr explicit BackgroundPosition(LengthOrPercent const& value) noexcept
        : LengthOrPercent(value) {}

    /// Strict, exact keywords only; on false `out` is untouched. Never throws.
    [[nodiscard]] static bool readStringBackgroundPosition(BackgroundPosition& out,
                                                           Core::String const& text) noexcept;
};

/// Binds background positions to their reader and writer.
template <> struct XMLATTR_EXPORT ValueTraits<BackgroundPosition> {
    /// A keyword, else a `LengthOrPercent`. On false the value is untouched.
    [[nodiscard]] static bool parse(BackgroundPosition& value, Core::String const& text);
    /// "left", "center" or "right" for the fractions 0, 0.5 and 1 ("top" comes back as
    /// "left", "50%" as "center"), else the `LengthOrPercent` text.
    static Core::String write(BackgroundPosition const& value);
};

template <>
inline constexpr TypeDescription kTypeDescription<BackgroundPosition>{
    .name = "BackgroundPosition",
    .summary =
        "background-position-horizontal, -vertical: a side, \"center\", a length or a percentage",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<BackgroundPosition>;

} // namespace Xml
