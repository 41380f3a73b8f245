// Drawing::ColorSubstitute: the colour function reader; Drawing::SpotColorMapper: the
// spot colour names it knows.
#include "xmlattr/platform/ColorSubstitute.h"

#include "xmlattr/platform/Format.h"
#include "xmlattr/platform/detail/Cursor.h"
#include "xmlattr/platform/detail/Space.h"
#include "xmlattr/platform/detail/Widen.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace Drawing {

namespace {

struct SpotEntry {
    std::u16string_view name;
    double c;
    double m;
    double y;
    double k;
};

// clang-format off
constexpr SpotEntry kSpotColors[] = {
    {u"Cyan",    1, 0, 0, 0},
    {u"Magenta", 0, 1, 0, 0},
    {u"Yellow",  0, 0, 1, 0},
    {u"Black",   0, 0, 0, 1},
    {u"White",   0, 0, 0, 0},
    {u"Red",     0, 1, 1, 0},
    {u"Green",   1, 0, 1, 0},
    {u"Blue",    1, 1, 0, 0},
};
// clang-format on

// The text between "name(" and a ")" that ends `text`.
bool readCall(std::u16string_view text, std::u16string_view name,
              std::u16string_view& arguments) noexcept {
    Core::detail::Cursor cursor(text);
    std::u16string_view found;
    if (!cursor.openFunction(found) || found != name || !cursor.rest().ends_with(u')')) {
        return false;
    }
    arguments = cursor.rest();
    arguments.remove_suffix(1);
    return true;
}

// Exactly N comma-separated pieces, empty ones included.
template <std::size_t N>
bool cutArguments(std::u16string_view arguments,
                  std::array<std::u16string_view, N>& pieces) noexcept {
    Core::detail::Cursor cursor(arguments);
    for (std::size_t i = 0; i < N; ++i) {
        pieces[i] = cursor.until(u',');
        if (i + 1 < N && !cursor.take(u',')) {
            return false;
        }
    }
    return cursor.atEnd();
}

// The number parsers accept a trailing "%" and leave applying it to us.
bool endsWithPercent(std::u16string_view piece) noexcept {
    return Core::detail::trimSpace(piece).ends_with(u'%');
}

bool readUnit(std::u16string_view piece, double& out) noexcept {
    float number = 0;
    if (!Core::Format::parseFloat(piece, number)) {
        return false;
    }
    double value = Core::detail::widenShortest(number);
    if (endsWithPercent(piece)) {
        value /= 100;
    }
    if (!(value >= 0 && value <= 1)) {
        return false;
    }
    out = value;
    return true;
}

bool readByte(std::u16string_view piece, std::uint8_t& out) noexcept {
    int number = 0;
    if (!Core::Format::parseInt(piece, number)) {
        return false;
    }
    bool const percent = endsWithPercent(piece);
    if (number < 0 || number > (percent ? 100 : 255)) {
        return false;
    }
    out = static_cast<std::uint8_t>(percent ? number * 255 / 100 : number);
    return true;
}

bool readCMYK(std::u16string_view arguments, ColorSubstitute& out) noexcept {
    std::array<std::u16string_view, 4> pieces;
    std::array<double, 4> values{};
    if (!cutArguments(arguments, pieces)) {
        return false;
    }
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (!readUnit(pieces[i], values[i])) {
            return false;
        }
    }
    out.setCMYK(values[0], values[1], values[2], values[3]);
    return true;
}

bool readRGB(std::u16string_view arguments, ColorSubstitute& out) noexcept {
    std::array<std::u16string_view, 3> pieces;
    std::array<std::uint8_t, 3> values{};
    if (!cutArguments(arguments, pieces)) {
        return false;
    }
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (!readByte(pieces[i], values[i])) {
            return false;
        }
    }
    out.setRGB(values[0], values[1], values[2]);
    return true;
}

} // namespace

void ColorSubstitute::setCMYK(double c, double m, double y, double k) noexcept {
    m_c = c;
    m_m = m;
    m_y = y;
    m_k = k;
    m_hasCMYK = true;
}

void ColorSubstitute::setRGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) noexcept {
    m_r = r;
    m_g = g;
    m_b = b;
    m_hasRGB = true;
}

bool ColorSubstitute::parseColorFunctionString(Core::String text, ColorSubstitute& out) {
    // A substitute cut out of a longer colour text ("spot-color(Gold, 0.5, cmyk(...))")
    // keeps the blanks that stood around it.
    text.trim();
    std::u16string_view arguments;
    ColorSubstitute read;
    bool const accepted = readCall(text.view(), u"cmyk", arguments)  ? readCMYK(arguments, read)
                          : readCall(text.view(), u"rgb", arguments) ? readRGB(arguments, read)
                                                                     : false;
    if (accepted) {
        out = read;
    }
    return accepted;
}

ColorSubstitute SpotColorMapper::getColorSubstitute(Core::String name) {
    ColorSubstitute substitute;
    for (SpotEntry const& entry : kSpotColors) {
        if (entry.name == name.view()) {
            substitute.setCMYK(entry.c, entry.m, entry.y, entry.k);
            break;
        }
    }
    return substitute;
}

} // namespace Drawing
