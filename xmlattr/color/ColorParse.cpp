// The colour attribute: the choice of reader by the text's beginning, the exported readers,
// the colour writer and the colour warnings.
#include "xmlattr/color/ColorParse.h"

#include "xmlattr/color/detail/ColorText.h"
#include "xmlattr/platform/Log.h"
#include "xmlattr/platform/StringFormatStream.h"

#include <string_view>
#include <typeinfo>

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

// The blanks after the commas of the later components are part of the written form; a
// count other than 1, 3 or 4 writes nothing.
void appendICC(Core::detail::TextSink& text, Drawing::ICCColor const& icc) {
    int const count = icc.getColorCount();
    if (count != 1 && count != 3 && count != 4) {
        return;
    }
    SmartPtr<Drawing::ICCColorSpace> const space =
        icc.getColorSpace().dynamicCast<Drawing::ICCColorSpace>();
    text.format<u"rgb-icc({},{},{},#{},{}">(int{icc.getFallBackR()}, int{icc.getFallBackG()},
                                            int{icc.getFallBackB()}, space->getProfileName(),
                                            icc.getColor(0));
    for (int i = 1; i < count; ++i) {
        text.format<u", {}">(icc.getColor(i));
    }
    text.append(u')');
}

void appendSpot(Core::detail::TextSink& text, Drawing::SpotColor const& spot) {
    Drawing::ColorSubstitute const& substitute = spot.getColorSubstitute();
    if (substitute.hasCMYKSubstitute()) {
        text.format<u"spot-color({},{},cmyk({},{},{},{}))">(spot.getColorName(), spot.getTint(),
                                                            substitute.getC(), substitute.getM(),
                                                            substitute.getY(), substitute.getK());
    } else if (substitute.hasRGBSubstitute()) {
        text.format<u"spot-color({},{},rgb({},{},{}))">(
            spot.getColorName(), spot.getTint(), int{substitute.getR()}, int{substitute.getG()},
            int{substitute.getB()});
    }
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

void appendColor(Core::detail::TextSink& text, Drawing::Color const& color) {
    // The classes are final: comparing the type is the cast, without the search of one.
    std::type_info const& type = typeid(color);
    if (type == typeid(Drawing::RGBColor)) {
        auto const& rgb = static_cast<Drawing::RGBColor const&>(color);
        text.format<u"rgb({},{},{})">(int{rgb.getR()}, int{rgb.getG()}, int{rgb.getB()});
    } else if (type == typeid(Drawing::CMYKColor)) {
        auto const& cmyk = static_cast<Drawing::CMYKColor const&>(color);
        text.format<u"cmyk({},{},{},{})">(cmyk.getC(), cmyk.getM(), cmyk.getY(), cmyk.getK());
    } else if (type == typeid(Drawing::ICCColor)) {
        appendICC(text, static_cast<Drawing::ICCColor const&>(color));
    } else if (type == typeid(Drawing::SpotColor)) {
        appendSpot(text, static_cast<Drawing::SpotColor const&>(color));
    }
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
    return ValueTraits<SmartPtr<Drawing::Color>>::write(color);
}

bool ValueTraits<SmartPtr<Drawing::Color>>::parse(SmartPtr<Drawing::Color>& value,
                                                  Core::String const& text) {
    return detail::readColor(text, value);
}

// Takes the colour by reference: a copy of the pointer would cost two atomic operations,
// more than the writing.
Core::String ValueTraits<SmartPtr<Drawing::Color>>::write(SmartPtr<Drawing::Color> const& value) {
    if (!value) {
        return Core::String();
    }
    return Core::detail::writeText(
        [&value](Core::detail::TextSink& text) { detail::appendColor(text, *value); });
}

} // namespace Xml
