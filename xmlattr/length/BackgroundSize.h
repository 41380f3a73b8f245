// Xml::BackgroundSize: a background image's size, with its attribute.
// Implemented in BackgroundPosition.cpp, beside the rest of its family.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/LengthOrPercent.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// What a background size holds. The numbers are part of the interface.
enum BackgroundSizeType : int {
    BackgroundSizeCover = 0,
    BackgroundSizeContain = 1,
    BackgroundSizeAuto = 2,
    BackgroundSizeLengthOrPercent = 3,
};

/// A background image's size: "cover", "contain", "auto" (the default) or a measure. Its
/// `LengthOrPercent` part comes first, then the type. Two sizes compare by their measures
/// alone, as `LengthOrPercent`: "cover" equals "auto".
class XMLATTR_EXPORT BackgroundSize : public LengthOrPercent {
public:
    /// That type with the default measure.
    constexpr BackgroundSize(BackgroundSizeType type = BackgroundSizeAuto) noexcept
        : m_type(type) {}
    /// A measure.
    constexpr explicit BackgroundSize(LengthOrPercent const& value) noexcept
        : LengthOrPercent(value), m_type(BackgroundSizeLengthOrPercent) {}

    /// The type; the measure is meaningful for `BackgroundSizeLengthOrPercent`.
    constexpr BackgroundSizeType getType() const noexcept { return m_type; }

    /// "cover", "contain" and "auto" exactly; on false `out` is untouched. Never throws.
    [[nodiscard]] static bool readStringBackgroundSize(BackgroundSize& out,
                                                       Core::String const& text) noexcept;

private:
    BackgroundSizeType m_type;
};

/// Binds background sizes to their reader and writer.
template <> struct XMLATTR_EXPORT ValueTraits<BackgroundSize> {
    /// A keyword, else a `LengthOrPercent` as a measure. On false the value is untouched.
    [[nodiscard]] static bool parse(BackgroundSize& value, Core::String const& text);
    /// The type's keyword, or for any other type the measure's text.
    static Core::String write(BackgroundSize const& value);
};

template <>
inline constexpr TypeDescription kTypeDescription<BackgroundSize>{
    .name = "BackgroundSize",
    .summary = "background size: \"cover\", \"contain\", \"auto\", a length or a percentage",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<BackgroundSize>;

} // namespace Xml
