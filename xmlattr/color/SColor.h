// Xml::SColor: the paint of an SVG shape, with its attribute.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/platform/Color.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/SmartPtr.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// No paint, a reference to a paint server of the same document ("url(#id)"), or a plain
/// colour. Copies share the colour object.
class XMLATTR_EXPORT SColor {
public:
    /// The numbers are part of the interface.
    enum ColorType : int {
        NoPaint = 0,
        UrlPaint = 1,
        ColorPaint = 2,
    };

    /// No paint.
    SColor() noexcept;
    /// A reference to a paint server; `url` keeps its "#" ("#grad1").
    explicit SColor(Core::String const& url);
    /// A plain colour, also when `color` is empty.
    explicit SColor(SmartPtr<Drawing::Color> color) noexcept;

    /// The type, the reference (for `UrlPaint`) and the colour (for `ColorPaint`).
    ///@{
    ColorType getType() const noexcept { return m_type; }
    Core::String const& getUrl() const noexcept { return m_url; }
    SmartPtr<Drawing::Color> getColor() const noexcept { return m_color; }
    ///@}

    /// Both no paint; both references with the same text; or both colours holding the
    /// same colour object (two colours parsed from "red" are unequal). A type number
    /// outside the enumeration equals nothing.
    bool operator==(SColor const& other) const noexcept;

    /// Strict. "url(" then "#": a reference that runs to the first blank or ")" (the
    /// rest is ignored); otherwise a colour in any notation of the colour attribute,
    /// "none" and "transparent" giving no paint. On false `out` is untouched; on true
    /// every field of its `SColor` part is replaced. Never throws.
    [[nodiscard]] static bool parseSColor(SColor& out, Core::String const& text);

private:
    ColorType m_type;
    SmartPtr<Drawing::Color> m_color;
    Core::String m_url;
};

static_assert(sizeof(SColor::ColorType) == 4);

/// Binds paints to `SColor::parseSColor`; they have no text form.
template <> struct ValueTraits<SColor> {
    /// `SColor::parseSColor`.
    [[nodiscard]] static bool parse(SColor& value, Core::String const& text) {
        return SColor::parseSColor(value, text);
    }
};

template <>
inline constexpr TypeDescription kTypeDescription<SColor>{
    .name = "SColor",
    .summary = "SVG paint: \"none\", \"url(#id)\" or a colour",
    .family = TypeFamily::Colour};

extern template class XMLATTR_EXPORT TXmlAttribute<SColor>;

} // namespace Xml
