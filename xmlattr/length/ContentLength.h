// Xml::ContentLength: an image's content height or width, "auto", "scale-to-fit" or a
// LengthOrPercent, with its attribute.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/LengthOrPercent.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// How an image's content is sized. The numbers are part of the interface.
enum ContentScaleMode : int {
    ContentScaleAuto = 0,
    ContentScaleToFit = 1,
    ContentScaleLengthOrPercent = 2,
};

/// An image's content height or width: "auto", "scale-to-fit" or a `LengthOrPercent`, and
/// whether the attribute holds no valid value. Fields in order: mode, value, null flag.
class XMLATTR_EXPORT ContentLength {
public:
    /// That mode with the default value, null.
    constexpr ContentLength(ContentScaleMode mode = ContentScaleAuto) noexcept : m_mode(mode) {}
    /// The value, not null.
    constexpr explicit ContentLength(LengthOrPercent const& value) noexcept
        : m_mode(ContentScaleLengthOrPercent), m_value(value), m_null(false) {}

    /// Equal modes, and for a length equal values; the null flags are not compared and a
    /// mode outside the enumeration equals nothing.
    bool operator==(ContentLength const& other) const noexcept;
    /// The negation of `==`.
    bool operator!=(ContentLength const& other) const noexcept { return !(*this == other); }

    /// The mode, whether it is a measure, and the measure (meaningful for that mode).
    ///@{
    constexpr ContentScaleMode getScaleMode() const noexcept { return m_mode; }
    constexpr bool isLengthOrPercent() const noexcept {
        return m_mode == ContentScaleLengthOrPercent;
    }
    constexpr LengthOrPercent const& getLength() const noexcept { return m_value; }
    ///@}
    /// Whether the attribute holds no valid value; the attribute's reader sets it from its result.
    ///@{
    constexpr bool isNull() const noexcept { return m_null; }
    constexpr void setNull(bool null) noexcept { m_null = null; }
    ///@}
    /// The value's pixels, whatever the mode.
    float pxSize(float reference) const;

    /// "auto" and "scale-to-fit", exactly, give those modes (null); any other text is read
    /// as a `LengthOrPercent` (not null). On false `out` is untouched. Never throws.
    [[nodiscard]] static bool parseContentLength(ContentLength& out,
                                                 Core::String const& text) noexcept;

private:
    ContentScaleMode m_mode;
    LengthOrPercent m_value;
    bool m_null = true;
};

/// Binds content sizes to their reader and writer.
template <> struct XMLATTR_EXPORT ValueTraits<ContentLength> {
    /// As `ContentLength::parseContentLength`; the null flag records the result: clear after
    /// success, set after failure, the rest untouched.
    [[nodiscard]] static bool parse(ContentLength& value, Core::String const& text);
    /// "auto", "scale-to-fit" or the value's text; empty for a mode outside the enumeration.
    static Core::String write(ContentLength const& value);
};

template <>
inline constexpr TypeDescription kTypeDescription<ContentLength>{
    .name = "ContentLength",
    .summary =
        "content-width, content-height: \"auto\", \"scale-to-fit\", a length or a percentage",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<ContentLength>;

} // namespace Xml
