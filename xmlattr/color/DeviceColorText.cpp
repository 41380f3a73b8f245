// Readers of the device colours: keywords, hexadecimal triplets, "rgb(...)" and "cmyk(...)".
#include "xmlattr/color/detail/ColorText.h"
#include "xmlattr/platform/detail/Cursor.h"
#include "xmlattr/platform/detail/Widen.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <string_view>

namespace Xml::detail {

namespace {

constexpr int hexDigitValue(char16_t unit) noexcept {
    if (unit >= u'0' && unit <= u'9') {
        return unit - u'0';
    }
    if (unit >= u'a' && unit <= u'f') {
        return unit - u'a' + 10;
    }
    if (unit >= u'A' && unit <= u'F') {
        return unit - u'A' + 10;
    }
    return -1;
}

// "#rgb" (each digit doubled) or "#rrggbb". Only digits: no sign, blank or "%" between them.
[[nodiscard]] constexpr bool readHexTriplet(std::u16string_view text, Rgb& out) noexcept {
    std::size_t const width = text.size() == 4 ? 1 : text.size() == 7 ? 2 : 0;
    if (width == 0 || text[0] != u'#') {
        return false;
    }
    std::uint8_t channels[3] = {};
    for (std::size_t i = 0; i < 3; ++i) {
        int const high = hexDigitValue(text[1 + i * width]);
        int const low = hexDigitValue(text[1 + i * width + width - 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        channels[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    out = {channels[0], channels[1], channels[2]};
    return true;
}

constexpr bool hexTripletIs(std::u16string_view text, int r, int g, int b) {
    Rgb value{1, 2, 3};
    return readHexTriplet(text, value) && value.r == r && value.g == g && value.b == b;
}
static_assert(hexTripletIs(u"#f80", 255, 136, 0) && hexTripletIs(u"#FF8800", 255, 136, 0) &&
              hexTripletIs(u"#0a1B2c", 10, 27, 44));
static_assert(!hexTripletIs(u"#ff880", 0, 0, 0) && !hexTripletIs(u"#ff8800ff", 0, 0, 0) &&
              !hexTripletIs(u"#ff 000", 0, 0, 0) && !hexTripletIs(u"#+f0", 0, 0, 0) &&
              !hexTripletIs(u"#1%2345", 0, 0, 0) && !hexTripletIs(u"ff8800", 0, 0, 0) &&
              !hexTripletIs(u"#", 0, 0, 0) && !hexTripletIs(u"", 0, 0, 0));

std::uint8_t clampToByte(int value) noexcept {
    return static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
}

// A percentage of full intensity, rounded to the nearest level (halves away from zero) and
// clamped: truncation would turn the rounding error of a written percentage such as
// 22.352941% (56.99999955) into the level below.
std::uint8_t byteFromPercent(double percent) noexcept {
    double const scaled = std::round(percent * 255.0 / 100.0);
    return static_cast<std::uint8_t>(scaled > 0 ? (scaled < 255 ? scaled : 255) : 0);
}

// One component of "rgb(...)": an integer, clamped, or any number followed by "%". A point
// or an exponent without "%" makes no integer, so "127.5" is rejected.
[[nodiscard]] bool readByteComponent(Core::detail::Cursor& cursor, std::uint8_t& out) noexcept {
    Core::detail::Cursor const start = cursor;
    int whole = 0;
    if (cursor.number(whole) && cursor.peek() != u'.' && cursor.peek() != u'e' &&
        cursor.peek() != u'E') {
        if (cursor.peek() == u'%') {
            cursor.advance();
            out = byteFromPercent(whole);
        } else {
            out = clampToByte(whole);
        }
        return true;
    }
    cursor = start;
    double percent = 0;
    if (!cursor.number(percent) || cursor.peek() != u'%') {
        return false;
    }
    cursor.advance();
    out = byteFromPercent(percent);
    return true;
}

// One component of "cmyk(...)": a number, divided by 100 when "%" follows it. It is read in
// single precision and kept as the double its shortest text names, so it writes back as read.
[[nodiscard]] bool readInkComponent(Core::detail::Cursor& cursor, double& out) noexcept {
    float value = 0;
    if (!cursor.number(value)) {
        return false;
    }
    if (cursor.peek() == u'%') {
        cursor.advance();
        value /= 100.0f;
    }
    out = Core::detail::widenShortest(value);
    return true;
}

// The N components of a colour function after the first "(" of `text`, each after one ","
// but the first, and closed by ")", blanks allowed around each; what follows the ")" is not
// looked at.
template <class Component, std::size_t N, class ReadComponent>
[[nodiscard]] bool readComponents(std::u16string_view text, std::array<Component, N>& out,
                                  ReadComponent readComponent) noexcept {
    Core::detail::Cursor cursor(text);
    if (!cursor.openFunction()) {
        return false;
    }
    cursor.skipSpace();
    std::array<Component, N> components{};
    for (std::size_t i = 0; i < N; ++i) {
        if (!readComponent(cursor, components[i]) ||
            !(i + 1 < N ? cursor.skipSeparator() : cursor.closeFunction())) {
            return false;
        }
    }
    out = components;
    return true;
}

} // namespace

bool readColorName(std::u16string_view text, SmartPtr<Drawing::Color>& out) {
    Rgb value{};
    if (findColorKeyword(text, value)) {
        out = SmartPtr<Drawing::Color>::adoptNew(new Drawing::RGBColor(value.r, value.g, value.b));
        return true;
    }
    if (isNoColorKeyword(text)) {
        out = SmartPtr<Drawing::Color>();
        return true;
    }
    return false;
}

bool readHexColor(std::u16string_view text, SmartPtr<Drawing::Color>& out) {
    Rgb value{};
    if (!readHexTriplet(text, value)) {
        return false;
    }
    out = SmartPtr<Drawing::Color>::adoptNew(new Drawing::RGBColor(value.r, value.g, value.b));
    return true;
}

bool readRGB(std::u16string_view text, SmartPtr<Drawing::Color>& out) {
    std::array<std::uint8_t, 3> rgb{};
    if (!readComponents(text, rgb, readByteComponent)) {
        return false;
    }
    out = SmartPtr<Drawing::Color>::adoptNew(new Drawing::RGBColor(rgb[0], rgb[1], rgb[2]));
    return true;
}

bool readCMYK(std::u16string_view text, SmartPtr<Drawing::Color>& out) {
    std::array<double, 4> cmyk{};
    if (!readComponents(text, cmyk, readInkComponent)) {
        return false;
    }
    out = SmartPtr<Drawing::Color>::adoptNew(
        new Drawing::CMYKColor(cmyk[0], cmyk[1], cmyk[2], cmyk[3]));
    return true;
}

} // namespace Xml::detail
