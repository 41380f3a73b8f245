// Xml::SNullableColor: an SVG paint that may be absent, with its attribute.
// Implemented in SColor.cpp, beside the rest of its family.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/color/SColor.h"
#include "xmlattr/platform/Color.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/SmartPtr.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// A paint with a flag saying whether the attribute was given at all. Only a successful
/// parse through the attribute or `setNull(false)` clears the flag; equality ignores it.
class XMLATTR_EXPORT SNullableColor : public SColor {
public:
    /// No paint, null.
    SNullableColor() noexcept = default;
    /// A plain colour, still null.
    explicit SNullableColor(SmartPtr<Drawing::Color> color) noexcept;

    /// Whether the attribute was given no valid paint; the attribute's reader clears it on success.
    ///@{
    bool isNull() const noexcept { return m_null; }
    void setNull(bool null) noexcept { m_null = null; }
    ///@}

private:
    bool m_null = true;
};

/// A rejected text keeps the previous paint and null flag.
template <> struct ValueTraits<SNullableColor> {
    /// As `SColor::parseSColor`, clearing the null flag on success.
    [[nodiscard]] static bool parse(SNullableColor& value, Core::String const& text) {
        if (!SColor::parseSColor(value, text)) {
            return false;
        }
        value.setNull(false);
        return true;
    }
};

template <>
inline constexpr TypeDescription kTypeDescription<SNullableColor>{
    .name = "SNullableColor",
    .summary = "SVG paint that may be absent: \"none\", \"url(#id)\" or a colour",
    .family = TypeFamily::Colour};

extern template class XMLATTR_EXPORT TXmlAttribute<SNullableColor>;

} // namespace Xml
