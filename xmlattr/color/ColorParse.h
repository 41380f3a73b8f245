// Xml::ColorParse: colour text read into drawing colours and written back, and the
// attribute that holds a colour.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/platform/Color.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/SmartPtr.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// The readers of each colour notation and the one writer. Every reader is strict: it
/// stores a new colour object (or, for "transparent" and "none", the empty colour) in
/// `attr` and returns true, or returns false and leaves `attr` as it was. None throws
/// for bad text; `attr` must not be null. The readers do not check the function name:
/// the attribute's `parseValue` chooses the reader by how the text begins.
class XMLATTR_EXPORT ColorParse {
public:
    /// The attribute every reader here fills.
    using ColorAttribute = TXmlAttribute<SmartPtr<Drawing::Color>>;

    /// One of the 147 colour keywords of SVG 1.1, or "transparent" or "none" (the
    /// empty colour); exact and case-sensitive, untrimmed.
    [[nodiscard]] static bool parseColorName(Core::String const& text, ColorAttribute* attr);
    /// "#rgb" or "#rrggbb", hexadecimal digits only, in either case.
    [[nodiscard]] static bool parseHexaColor(Core::String const& text, ColorAttribute* attr);
    /// "rgb(r,g,b)" from the first "(": integers clamped to 0..255, or numbers with "%"
    /// scaled by 255/100, truncated and clamped; blanks around each component. Text
    /// before "(" and after ")" is ignored.
    [[nodiscard]] static bool parseRGB(Core::String const& text, ColorAttribute* attr);
    /// "cmyk(c,m,y,k)" from the first "(": four numbers, each divided by 100 when "%"
    /// follows it, not clamped. Text before "(" and after ")" is ignored.
    [[nodiscard]] static bool parseCMYKString(Core::String text, ColorAttribute* attr);
    /// "rgb-icc(r,g,b,#profile,c1[,c2,c3[,c4]])": one, three or four components (two
    /// count as one) with an RGB fallback. Malformed text logs warning 30002, except a
    /// fallback component that is no integer, which is rejected silently.
    [[nodiscard]] static bool parseICCColor(Core::String const& text, ColorAttribute* attr);
    /// "spot-color(name[,tint][,substitute])". Lenient once the arguments are delimited:
    /// an unreadable substitute falls back on the spot colour mapper, and a name it does
    /// not know is stored with black and warning 30001. Text whose "(" or arguments are
    /// not closed logs warning 30000 and is rejected.
    [[nodiscard]] static bool parseSpotColor(Core::String const& text, ColorAttribute* attr);

    /// The functional form of the colour's class ("rgb(255,0,0)", "cmyk(0,0.5,1,0)",
    /// "rgb-icc(...)", "spot-color(...)"); the empty text for the empty colour, an ICC
    /// colour of another component count, a spot colour without substitute or another
    /// class. Throws `Core::NullPointerException` for an ICC colour without colour space.
    static Core::String getColorAsString(SmartPtr<Drawing::Color> color);
};

/// The attribute reads any notation, chosen by the text's first characters ("rgb-icc",
/// "spot-color", "rgb", "cmyk", "#", else a keyword), and writes the functional form.
/// Copies share the colour object, and equality is identity of that object.
template <> struct XMLATTR_EXPORT ValueTraits<SmartPtr<Drawing::Color>> {
    /// Reads `text` in the notation its first characters name, as described above.
    [[nodiscard]] static bool parse(SmartPtr<Drawing::Color>& value, Core::String const& text);
    /// The functional form of the colour's class; empty for no colour.
    static Core::String write(SmartPtr<Drawing::Color> const& value);
};

template <>
inline constexpr TypeDescription kTypeDescription<SmartPtr<Drawing::Color>>{
    .name = "Color",
    .summary = "colour: a keyword, \"#rgb\", \"#rrggbb\", rgb(), cmyk(), rgb-icc() or "
               "spot-color(); \"none\" is no colour",
    .family = TypeFamily::Colour};

extern template class XMLATTR_EXPORT TXmlAttribute<SmartPtr<Drawing::Color>>;

} // namespace Xml
