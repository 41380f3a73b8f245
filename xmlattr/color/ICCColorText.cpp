// Reader of "rgb-icc(r,g,b,#profile,c1[,c2,c3[,c4]])": an ICC colour with an RGB fallback.
#include "xmlattr/color/detail/ColorText.h"
#include "xmlattr/platform/Format.h"
#include "xmlattr/platform/detail/Cursor.h"
#include "xmlattr/platform/detail/Space.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <string_view>

namespace Xml::detail {

namespace {

constexpr std::size_t kArguments = 8;
constexpr std::size_t kFirstComponent = 4;

// The next argument, trimmed, stepping over the "," that ends it but not a ")". An argument
// that the end of the text cuts off is empty, and so is every one after a ")".
constexpr std::u16string_view readArgument(Core::detail::Cursor& cursor) noexcept {
    std::u16string_view argument;
    if (!cursor.argument(argument)) {
        return {};
    }
    cursor.take(u',');
    return Core::detail::trimSpace(argument);
}

constexpr bool argumentsAre(std::u16string_view text, std::u16string_view a, std::u16string_view b,
                            std::u16string_view c) {
    Core::detail::Cursor cursor(text);
    bool const opened = cursor.openFunction();
    std::u16string_view const first = readArgument(cursor);
    std::u16string_view const second = readArgument(cursor);
    return opened && first == a && second == b && readArgument(cursor) == c;
}
static_assert(argumentsAre(u"f( 1 ,2)", u"1", u"2", u""));
static_assert(argumentsAre(u"f(1,,3", u"1", u"", u""));
static_assert(argumentsAre(u"f(1) ,2)", u"1", u"", u""));

// A fallback component: an integer, scaled from a percentage when "%" ends it, then clamped.
[[nodiscard]] bool readFallback(std::u16string_view argument, std::uint8_t& out) noexcept {
    int value = 0;
    if (!Core::Format::parseInt(argument, value)) {
        return false;
    }
    // Wide enough that no int overflows when scaled.
    long long scaled = value;
    if (argument.ends_with(u'%')) {
        scaled = scaled * 255 / 100;
    }
    out = static_cast<std::uint8_t>(scaled < 0 ? 0 : scaled > 255 ? 255 : scaled);
    return true;
}

bool rejectMalformed(std::u16string_view text) {
    logColorWarning(kMalformedICCColor, text);
    return false;
}

} // namespace

bool readICCColor(std::u16string_view text, SmartPtr<Drawing::Color>& out) {
    Core::detail::Cursor cursor(text);
    if (!cursor.openFunction()) {
        return rejectMalformed(text);
    }
    std::array<std::u16string_view, kArguments> arguments;
    for (std::u16string_view& argument : arguments) {
        argument = readArgument(cursor);
    }
    for (std::size_t i = 0; i < kFirstComponent; ++i) {
        if (arguments[i].empty()) {
            return rejectMalformed(text);
        }
    }
    std::u16string_view const profile = arguments[3];
    if (profile.front() != u'#') {
        return rejectMalformed(text);
    }
    std::array<std::uint8_t, 3> fallback{};
    for (std::size_t i = 0; i < fallback.size(); ++i) {
        if (!readFallback(arguments[i], fallback[i])) {
            return false;
        }
    }
    float components[Drawing::ICCColor::kMaxComponents] = {};
    bool given[Drawing::ICCColor::kMaxComponents] = {};
    for (std::size_t i = 0; i < 4; ++i) {
        std::u16string_view const argument = arguments[kFirstComponent + i];
        given[i] = !argument.empty();
        components[i] = given[i] ? Core::Format::parseFloat(argument) : 0.0f;
        // An infinite component would be written "inf", which nothing reads back.
        if (!std::isfinite(components[i])) {
            return rejectMalformed(text);
        }
    }
    // Two components count as one: the counts of the colour spaces are 1, 3 and 4.
    int const count = given[0] && given[1] && given[2] && given[3] ? 4
                      : given[0] && given[1] && given[2]           ? 3
                      : given[0]                                   ? 1
                                                                   : 0;
    if (count == 0) {
        return rejectMalformed(text);
    }
    SmartPtr<Drawing::ICCColorSpace> const space(
        new Drawing::ICCColorSpace(Core::String(profile.substr(1))));
    SmartPtr<Drawing::ICCColor> const color(new Drawing::ICCColor(count, components, space));
    color->setFallBack(fallback[0], fallback[1], fallback[2]);
    out = color;
    return true;
}

} // namespace Xml::detail
