// Reader of "spot-color(name[,tint][,substitute])": a named ink with process colours
// standing in for it.
#include "xmlattr/color/detail/ColorText.h"
#include "xmlattr/platform/ColorSubstitute.h"
#include "xmlattr/platform/Format.h"
#include "xmlattr/platform/detail/Cursor.h"

#include <cmath>
#include <string_view>

namespace Xml::detail {

namespace {

using Core::detail::Cursor;

// The argument at the cursor, which is left on the "," or ")" that ends it. A "," that ends the
// whole text leaves the spot colour unclosed: false, as where the end comes first.
constexpr bool readArgument(Cursor& cursor, std::u16string_view& out) noexcept {
    return cursor.argument(out) &&
           !(cursor.peek() == u',' && cursor.position() + 1 == cursor.length());
}

constexpr int argumentEnd(std::u16string_view text) noexcept {
    Cursor cursor(text, 2);
    std::u16string_view argument;
    return readArgument(cursor, argument) ? cursor.position() : -1;
}
static_assert(argumentEnd(u"f(a,b)") == 3 && argumentEnd(u"f(a)") == 3 &&
              argumentEnd(u"f(a)x") == 3 && argumentEnd(u"f(a,") == -1 &&
              argumentEnd(u"f(a") == -1 && argumentEnd(u"f(") == -1);

constexpr bool contains(std::u16string_view text, std::u16string_view part) noexcept {
    return text.find(part) != std::u16string_view::npos;
}

bool rejectMalformed(std::u16string_view text) {
    logColorWarning(kMalformedSpotColor, text);
    return false;
}

} // namespace

bool readSpotColor(std::u16string_view text, SmartPtr<Drawing::Color>& out) {
    Cursor cursor(text);
    std::u16string_view name;
    if (!cursor.openFunction() || !readArgument(cursor, name)) {
        return rejectMalformed(text);
    }
    cursor.advance();
    float tint = 1.0f;
    // The substitute runs to the last code unit, which is taken for its ")"; without a second
    // argument it is empty.
    std::u16string_view substituteText;
    if (!cursor.atEnd()) {
        Cursor const secondStart = cursor;
        std::u16string_view second;
        if (!readArgument(cursor, second)) {
            return rejectMalformed(text);
        }
        // A colour function cut at its first "," is no tint: it is read again whole below.
        if (!second.empty() && !contains(second, u"rgb") && !contains(second, u"cmyk")) {
            tint = Core::Format::parseFloat(second);
            if (!std::isfinite(tint)) {
                return rejectMalformed(text);
            }
            cursor.advance();
        } else {
            cursor = secondStart;
        }
        substituteText = cursor.rest().substr(0, cursor.rest().size() - (cursor.atEnd() ? 0 : 1));
    }

    Core::String const spotName(name);
    Drawing::ColorSubstitute substitute;
    if (!Drawing::ColorSubstitute::parseColorFunctionString(Core::String(substituteText),
                                                            substitute)) {
        substitute = Drawing::SpotColorMapper::getColorSubstitute(spotName);
    }
    if (substitute.hasCMYKSubstitute()) {
        out = SmartPtr<Drawing::Color>::adoptNew(new Drawing::SpotColor(
            spotName, tint, static_cast<float>(substitute.getC()),
            static_cast<float>(substitute.getM()), static_cast<float>(substitute.getY()),
            static_cast<float>(substitute.getK())));
    } else if (substitute.hasRGBSubstitute()) {
        out = SmartPtr<Drawing::Color>::adoptNew(new Drawing::SpotColor(
            spotName, tint, substitute.getR(), substitute.getG(), substitute.getB()));
    } else {
        logColorWarning(kSpotColorWithoutSubstitute, name);
        out = SmartPtr<Drawing::Color>::adoptNew(new Drawing::SpotColor(
            spotName, tint, std::uint8_t{0}, std::uint8_t{0}, std::uint8_t{0}));
    }
    return true;
}

} // namespace Xml::detail
