// The colour attribute: the choice of reader by the text's beginning, the exported readers,
// the colour writer and the colour warnings.
#include "xmlattr/color/ColorParse.h"

#include "xmlattr/color/detail/ColorText.h"
#include "xmlattr/platform/Log.h"
#include "xmlattr/platform/StringFormatStream.h"

#include <string_view>

namespace Xml {

template class TXmlAttribute<SmartPtr<Drawing::Color>>;

namespace {

using Reader = bool (*)(std::u16string_view, SmartPtr<Drawing::Color>&);

template <Reader read> bool readInto(std::u16string_view text, ColorParse::ColorAttribute* attr) {
    SmartPtr<Drawing::Color> color;
    if (!read(text, color)) {
        return false;
    }
    *attr = color;
    return true;
}

Core::String writeICC(Drawing::ICCColor const& icc) {
    // The blanks after the commas of the later components are part of the written form.
    char16_t const* pattern = nullptr;
    switch (icc.getColorCount()) {
    case 1:
        pattern = u"rgb-icc({0},{1},{2},#{3},{4})";
        break;
    case 3:
        pattern = u"rgb-icc({0},{1},{2},#{3},{4}, {5}, {6})";
        break;
    case 4:
        pattern = u"rgb-icc({0},{1},{2},#{3},{4}, {5}, {6}, {7})";
        break;
    default:
        return Core::String();
    }
    SmartPtr<Drawing::ICCColorSpace> const space =
        icc.getColorSpace().dynamicCast<Drawing::ICCColorSpace>();
    Core::StringFormatStream stream(pattern);
    stream << int{icc.getFallBackR()} << int{icc.getFallBackG()} << int{icc.getFallBackB()}
           << space->getProfileName();
    for (int i = 0; i < icc.getColorCount(); ++i) {
        stream << icc.getColor(i);
    }
    return stream.getString();
}

Core::String writeSpot(Drawing::SpotColor const& spot) {
    Drawing::ColorSubstitute const& substitute = spot.getColorSubstitute();
    if (substitute.hasCMYKSubstitute()) {
        return (Core::StringFormatStream(u"spot-color({0},{1},cmyk({2},{3},{4},{5}))")
                << spot.getColorName() << spot.getTint() << substitute.getC() << substitute.getM()
                << substitute.getY() << substitute.getK())
            .getString();
    }
    if (substitute.hasRGBSubstitute()) {
        return (Core::StringFormatStream(u"spot-color({0},{1},rgb({2},{3},{4}))")
                << spot.getColorName() << spot.getTint() << int{substitute.getR()}
                << int{substitute.getG()} << int{substitute.getB()})
            .getString();
    }
    return Core::String();
}

} // namespace

namespace detail {

bool readColor(std::u16string_view text, SmartPtr<Drawing::Color>& out) {
    // The first code unit tells the notations apart; a text that starts like one of them
    // and is not it, such as "rgbx(1,2,3)" or "cyan", goes on as the next rule says.
    switch (text.empty() ? u'\0' : text[0]) {
    case u'#':
        return readHexColor(text, out);
    case u'r':
        if (text.starts_with(u"rgb-icc")) {
            return readICCColor(text, out);
        }
        if (text.starts_with(u"rgb")) {
            return readRGB(text, out);
        }
        break;
    case u's':
        if (text.starts_with(u"spot-color")) {
            return readSpotColor(text, out);
        }
        break;
    case u'c':
        if (text.starts_with(u"cmyk")) {
            return readCMYK(text, out);
        }
        break;
    default:
        break;
    }
    return readColorName(text, out);
}

void logColorWarning(int id, std::u16string_view argument) {
    Core::Log::warning(
        (Core::StringFormatStream(Core::String::loadString(id)) << Core::String(argument))
            .getString());
}

} // namespace detail

bool ColorParse::parseColorName(Core::String const& text, ColorAttribute* attr) {
    return readInto<detail::readColorName>(text, attr);
}

bool ColorParse::parseHexaColor(Core::String const& text, ColorAttribute* attr) {
    return readInto<detail::readHexColor>(text, attr);
}

bool ColorParse::parseRGB(Core::String const& text, ColorAttribute* attr) {
    return readInto<detail::readRGB>(text, attr);
}

bool ColorParse::parseCMYKString(Core::String text, ColorAttribute* attr) {
    return readInto<detail::readCMYK>(text, attr);
}

bool ColorParse::parseICCColor(Core::String const& text, ColorAttribute* attr) {
    return readInto<detail::readICCColor>(text, attr);
}

bool ColorParse::parseSpotColor(Core::String const& text, ColorAttribute* attr) {
    return readInto<detail::readSpotColor>(text, attr);
}

Core::String ColorParse::getColorAsString(SmartPtr<Drawing::Color> color) {
    if (!color) {
        return Core::String();
    }
    Drawing::Color const& value = *color;
    if (auto const* rgb = dynamic_cast<Drawing::RGBColor const*>(&value)) {
        return (Core::StringFormatStream(u"rgb({0},{1},{2})")
                << int{rgb->getR()} << int{rgb->getG()} << int{rgb->getB()})
            .getString();
    }
    if (auto const* cmyk = dynamic_cast<Drawing::CMYKColor const*>(&value)) {
        return (Core::StringFormatStream(u"cmyk({0},{1},{2},{3})")
                << cmyk->getC() << cmyk->getM() << cmyk->getY() << cmyk->getK())
            .getString();
    }
    if (auto const* icc = dynamic_cast<Drawing::ICCColor const*>(&value)) {
        return writeICC(*icc);
    }
    if (auto const* spot = dynamic_cast<Drawing::SpotColor const*>(&value)) {
        return writeSpot(*spot);
    }
    return Core::String();
}

bool ValueTraits<SmartPtr<Drawing::Color>>::parse(SmartPtr<Drawing::Color>& value,
                                                  Core::String const& text) {
    return detail::readColor(text, value);
}

Core::String ValueTraits<SmartPtr<Drawing::Color>>::write(SmartPtr<Drawing::Color> const& value) {
    return ColorParse::getColorAsString(value);
}

} // namespace Xml
