// Reader of "spot-color(name[,tint][,substitute])": a named ink with process colours
// standing in for it.
#include "xmlattr/color/detail/ColorText.h"
#include "xmlattr/platform/ColorSubstitute.h"
#include "xmlattr/platform/Format.h"

#include <cmath>
#include <cstddef>
#include <string_view>

namespace Xml::detail {

namespace {

constexpr std::size_t kNone = std::u16string_view::npos;

// Where the argument starting at `start` ends: its "," or ")". A "," that ends the whole
// text leaves the spot colour unclosed.
constexpr std::size_t argumentEnd(std::u16string_view text, std::size_t start) noexcept {
    std::size_t const end = start < text.size() ? text.find_first_of(u",)", start) : kNone;
    if (end == kNone || (end + 1 == text.size() && text[end] != u')')) {
        return kNone;
    }
    return end;
}

static_assert(argumentEnd(u"f(a,b)", 2) == 3 && argumentEnd(u"f(a)", 2) == 3 &&
              argumentEnd(u"f(a)x", 2) == 3 && argumentEnd(u"f(a,", 2) == kNone &&
              argumentEnd(u"f(a", 2) == kNone && argumentEnd(u"f(", 2) == kNone);

constexpr bool contains(std::u16string_view text, std::u16string_view part) noexcept {
    return text.find(part) != kNone;
}

bool rejectMalformed(std::u16string_view text) {
    logColorWarning(kMalformedSpotColor, text);
    return false;
}

} // namespace

bool readSpotColor(std::u16string_view text, SmartPtr<Drawing::Color>& out) {
    std::size_t const open = text.find(u'(');
    if (open == kNone || open + 1 == text.size()) {
        return rejectMalformed(text);
    }
    std::size_t const nameEnd = argumentEnd(text, open + 1);
    if (nameEnd == kNone) {
        return rejectMalformed(text);
    }
    std::u16string_view const name = text.substr(open + 1, nameEnd - open - 1);
    float tint = 1.0f;
    // Without a second argument the substitute would start on the final ")": it is empty.
    std::size_t substituteStart = nameEnd;
    if (nameEnd + 1 < text.size()) {
        std::size_t const secondStart = nameEnd + 1;
        std::size_t const secondEnd = argumentEnd(text, secondStart);
        if (secondEnd == kNone) {
            return rejectMalformed(text);
        }
        std::u16string_view const second = text.substr(secondStart, secondEnd - secondStart);
        // A colour function cut at its first "," is no tint: it is read again whole below.
        if (!second.empty() && !contains(second, u"rgb") && !contains(second, u"cmyk")) {
            tint = Core::Format::parseFloat(second);
            if (!std::isfinite(tint)) {
                return rejectMalformed(text);
            }
            substituteStart = secondEnd + 1;
        } else {
            substituteStart = secondStart;
        }
    }
    std::size_t const last = text.size() - 1;
    std::u16string_view const substituteText =
        substituteStart < last ? text.substr(substituteStart, last - substituteStart)
                               : std::u16string_view();

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
