// Colours as CSS Color Level 3 writes them, XSL's rgb-icc(), and SVG paint.
#include "Readers.h"
#include "Reading.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace Tool::Standard {

namespace {

// The colour keywords of CSS Color Level 3, "transparent" among them, in code-unit order,
// with the colour each names as 0xRRGGBB.
struct NamedColor {
    std::string_view name;
    std::uint32_t rgb;
};
// clang-format off
constexpr NamedColor kNamedColors[] = {
    {"aliceblue", 0xF0F8FF}, {"antiquewhite", 0xFAEBD7}, {"aqua", 0x00FFFF},
    {"aquamarine", 0x7FFFD4}, {"azure", 0xF0FFFF}, {"beige", 0xF5F5DC}, {"bisque", 0xFFE4C4},
    {"black", 0x000000}, {"blanchedalmond", 0xFFEBCD}, {"blue", 0x0000FF}, {"blueviolet", 0x8A2BE2},
    {"brown", 0xA52A2A}, {"burlywood", 0xDEB887}, {"cadetblue", 0x5F9EA0}, {"chartreuse", 0x7FFF00},
    {"chocolate", 0xD2691E}, {"coral", 0xFF7F50}, {"cornflowerblue", 0x6495ED},
    {"cornsilk", 0xFFF8DC}, {"crimson", 0xDC143C}, {"cyan", 0x00FFFF}, {"darkblue", 0x00008B},
    {"darkcyan", 0x008B8B}, {"darkgoldenrod", 0xB8860B}, {"darkgray", 0xA9A9A9},
    {"darkgreen", 0x006400}, {"darkgrey", 0xA9A9A9}, {"darkkhaki", 0xBDB76B},
    {"darkmagenta", 0x8B008B}, {"darkolivegreen", 0x556B2F}, {"darkorange", 0xFF8C00},
    {"darkorchid", 0x9932CC}, {"darkred", 0x8B0000}, {"darksalmon", 0xE9967A},
    {"darkseagreen", 0x8FBC8F}, {"darkslateblue", 0x483D8B}, {"darkslategray", 0x2F4F4F},
    {"darkslategrey", 0x2F4F4F}, {"darkturquoise", 0x00CED1}, {"darkviolet", 0x9400D3},
    {"deeppink", 0xFF1493}, {"deepskyblue", 0x00BFFF}, {"dimgray", 0x696969}, {"dimgrey", 0x696969},
    {"dodgerblue", 0x1E90FF}, {"firebrick", 0xB22222}, {"floralwhite", 0xFFFAF0},
    {"forestgreen", 0x228B22}, {"fuchsia", 0xFF00FF}, {"gainsboro", 0xDCDCDC},
    {"ghostwhite", 0xF8F8FF}, {"gold", 0xFFD700}, {"goldenrod", 0xDAA520}, {"gray", 0x808080},
    {"green", 0x008000}, {"greenyellow", 0xADFF2F}, {"grey", 0x808080}, {"honeydew", 0xF0FFF0},
    {"hotpink", 0xFF69B4}, {"indianred", 0xCD5C5C}, {"indigo", 0x4B0082}, {"ivory", 0xFFFFF0},
    {"khaki", 0xF0E68C}, {"lavender", 0xE6E6FA}, {"lavenderblush", 0xFFF0F5},
    {"lawngreen", 0x7CFC00}, {"lemonchiffon", 0xFFFACD}, {"lightblue", 0xADD8E6},
    {"lightcoral", 0xF08080}, {"lightcyan", 0xE0FFFF}, {"lightgoldenrodyellow", 0xFAFAD2},
    {"lightgray", 0xD3D3D3}, {"lightgreen", 0x90EE90}, {"lightgrey", 0xD3D3D3},
    {"lightpink", 0xFFB6C1}, {"lightsalmon", 0xFFA07A}, {"lightseagreen", 0x20B2AA},
    {"lightskyblue", 0x87CEFA}, {"lightslategray", 0x778899}, {"lightslategrey", 0x778899},
    {"lightsteelblue", 0xB0C4DE}, {"lightyellow", 0xFFFFE0}, {"lime", 0x00FF00},
    {"limegreen", 0x32CD32}, {"linen", 0xFAF0E6}, {"magenta", 0xFF00FF}, {"maroon", 0x800000},
    {"mediumaquamarine", 0x66CDAA}, {"mediumblue", 0x0000CD}, {"mediumorchid", 0xBA55D3},
    {"mediumpurple", 0x9370DB}, {"mediumseagreen", 0x3CB371}, {"mediumslateblue", 0x7B68EE},
    {"mediumspringgreen", 0x00FA9A}, {"mediumturquoise", 0x48D1CC}, {"mediumvioletred", 0xC71585},
    {"midnightblue", 0x191970}, {"mintcream", 0xF5FFFA}, {"mistyrose", 0xFFE4E1},
    {"moccasin", 0xFFE4B5}, {"navajowhite", 0xFFDEAD}, {"navy", 0x000080}, {"oldlace", 0xFDF5E6},
    {"olive", 0x808000}, {"olivedrab", 0x6B8E23}, {"orange", 0xFFA500}, {"orangered", 0xFF4500},
    {"orchid", 0xDA70D6}, {"palegoldenrod", 0xEEE8AA}, {"palegreen", 0x98FB98},
    {"paleturquoise", 0xAFEEEE}, {"palevioletred", 0xDB7093}, {"papayawhip", 0xFFEFD5},
    {"peachpuff", 0xFFDAB9}, {"peru", 0xCD853F}, {"pink", 0xFFC0CB}, {"plum", 0xDDA0DD},
    {"powderblue", 0xB0E0E6}, {"purple", 0x800080}, {"red", 0xFF0000}, {"rosybrown", 0xBC8F8F},
    {"royalblue", 0x4169E1}, {"saddlebrown", 0x8B4513}, {"salmon", 0xFA8072},
    {"sandybrown", 0xF4A460}, {"seagreen", 0x2E8B57}, {"seashell", 0xFFF5EE}, {"sienna", 0xA0522D},
    {"silver", 0xC0C0C0}, {"skyblue", 0x87CEEB}, {"slateblue", 0x6A5ACD}, {"slategray", 0x708090},
    {"slategrey", 0x708090}, {"snow", 0xFFFAFA}, {"springgreen", 0x00FF7F}, {"steelblue", 0x4682B4},
    {"tan", 0xD2B48C}, {"teal", 0x008080}, {"thistle", 0xD8BFD8}, {"tomato", 0xFF6347},
    {"transparent", 0x000000}, {"turquoise", 0x40E0D0}, {"violet", 0xEE82EE}, {"wheat", 0xF5DEB3},
    {"white", 0xFFFFFF}, {"whitesmoke", 0xF5F5F5}, {"yellow", 0xFFFF00}, {"yellowgreen", 0x9ACD32},
};
// clang-format on

constexpr std::array<std::string_view, std::size(kNamedColors)> kColorKeywords = [] {
    std::array<std::string_view, std::size(kNamedColors)> names{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = kNamedColors[i].name;
    }
    return names;
}();
static_assert(kColorKeywords.size() == 148);

constexpr bool isSorted(std::span<std::string_view const> words) {
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (!(words[i - 1] < words[i])) {
            return false;
        }
    }
    return true;
}
static_assert(isSorted(kColorKeywords));

// The entry of a colour keyword in any case; null when the name is none.
NamedColor const* namedColor(std::string_view name) {
    constexpr std::size_t kLongest = 20; // "lightgoldenrodyellow"
    if (name.empty() || name.size() > kLongest) {
        return nullptr;
    }
    std::array<char, kLongest> folded{};
    std::transform(name.begin(), name.end(), folded.begin(), lowerAscii);
    std::string_view const key(folded.data(), name.size());
    auto const found = std::lower_bound(kColorKeywords.begin(), kColorKeywords.end(), key);
    return found != kColorKeywords.end() && *found == key
               ? &kNamedColors[found - kColorKeywords.begin()]
               : nullptr;
}

bool isColorKeyword(std::string_view name) { return namedColor(name) != nullptr; }

bool isHex(char c) { return isDigit(c) || (lowerAscii(c) >= 'a' && lowerAscii(c) <= 'f'); }

// Arguments separated by commas, blanks allowed around each.
bool argumentSeparator(Scanner& scanner) {
    scanner.skipSpace();
    bool const comma = scanner.take(',');
    scanner.skipSpace();
    return comma;
}

// rgb(): three integers or three percentages, never a mixture; rgba() adds an alpha.
bool readRgbArguments(Scanner& scanner, bool alpha) {
    bool percentages = false;
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && !argumentSeparator(scanner)) {
            return false;
        }
        Number number;
        if (!scanner.number(&number)) {
            return false;
        }
        bool const percentage = scanner.take('%');
        if (i == 0) {
            percentages = percentage;
        }
        if (percentage != percentages || (!percentage && !number.integer)) {
            return false;
        }
    }
    return !alpha || (argumentSeparator(scanner) && scanner.number());
}

// hsl(): a hue number, then saturation and lightness as percentages; hsla() adds an alpha.
bool readHslArguments(Scanner& scanner, bool alpha) {
    if (!scanner.number()) {
        return false;
    }
    for (int i = 0; i < 2; ++i) {
        if (!argumentSeparator(scanner) || !scanner.number() || !scanner.take('%')) {
            return false;
        }
    }
    return !alpha || (argumentSeparator(scanner) && scanner.number());
}

// rgb-icc(r, g, b, profile, components...): the profile a name or "#CMYK"-style name.
bool readRgbIccArguments(Scanner& scanner) {
    for (int i = 0; i < 3; ++i) {
        if ((i > 0 && !argumentSeparator(scanner)) || !scanner.number()) {
            return false;
        }
    }
    if (!argumentSeparator(scanner)) {
        return false;
    }
    scanner.take('#');
    if (scanner.name().empty()) {
        return false;
    }
    for (;;) {
        std::size_t const before = scanner.at();
        if (!argumentSeparator(scanner)) {
            scanner.reset(before);
            return true;
        }
        if (!scanner.number()) {
            return false;
        }
    }
}

// SVG's icc-color(name, components...) after a colour.
bool readIccColor(Scanner& scanner) {
    std::size_t const start = scanner.at();
    if (!equalNoCase(scanner.name(), "icc-color") || !scanner.take('(')) {
        scanner.reset(start);
        return false;
    }
    scanner.skipSpace();
    if (scanner.name().empty()) {
        scanner.reset(start);
        return false;
    }
    while (argumentSeparator(scanner)) {
        if (!scanner.number()) {
            scanner.reset(start);
            return false;
        }
    }
    if (!scanner.take(')')) {
        scanner.reset(start);
        return false;
    }
    return true;
}

bool readColorFunction(Scanner& scanner, std::string_view name, Dialect dialect) {
    scanner.skipSpace();
    bool read = false;
    if (equalNoCase(name, "rgb") || equalNoCase(name, "rgba")) {
        read = readRgbArguments(scanner, name.size() == 4);
    } else if (equalNoCase(name, "hsl") || equalNoCase(name, "hsla")) {
        read = readHslArguments(scanner, name.size() == 4);
    } else if (dialect == Dialect::XslFo && name == "rgb-icc") {
        read = readRgbIccArguments(scanner);
    }
    scanner.skipSpace();
    return read && scanner.take(')');
}

// An XSL-FO url() holds an IRI, in which parentheses are legal ("man:bash(1)"):
// an unquoted one ends at the ")" that balances the opening one, or at a blank.
std::size_t iriEnd(std::string_view rest) {
    std::size_t depth = 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        char const c = rest[i];
        if (isSpace(c) || c == '"' || c == '\'' || (c == ')' && depth == 0)) {
            return i;
        }
        depth += c == '(' ? 1 : 0;
        depth -= c == ')' ? 1 : 0;
    }
    return std::string_view::npos;
}

} // namespace

bool readColor(Scanner& scanner, Dialect dialect) {
    std::size_t const start = scanner.at();
    if (scanner.take('#')) {
        std::size_t digits = 0;
        while (isHex(scanner.peek())) {
            scanner.take(scanner.peek());
            ++digits;
        }
        if ((digits == 3 || digits == 6) && !isLetter(scanner.peek()) && !isDigit(scanner.peek())) {
            return true;
        }
        scanner.reset(start);
        return false;
    }
    std::string_view const name = scanner.name();
    bool const read =
        scanner.take('(') ? readColorFunction(scanner, name, dialect) : isColorKeyword(name);
    if (!read) {
        scanner.reset(start);
        return false;
    }
    if (dialect != Dialect::XslFo) {
        std::size_t const before = scanner.at();
        scanner.skipSpace();
        if (!readIccColor(scanner)) {
            scanner.reset(before);
        }
    }
    return true;
}

bool readFuncIri(Scanner& scanner, Dialect dialect) {
    std::size_t const start = scanner.at();
    if (!equalNoCase(scanner.name(), "url") || !scanner.take('(')) {
        scanner.reset(start);
        return false;
    }
    scanner.skipSpace();
    std::string_view const rest = scanner.rest();
    char const quote = rest.empty() ? '\0' : rest.front();
    std::size_t end = 0;
    if (quote == '"' || quote == '\'') {
        end = rest.find(quote, 1);
        end = end == std::string_view::npos ? end : end + 1;
    } else if (dialect == Dialect::XslFo) {
        end = iriEnd(rest);
    } else {
        end = std::min(rest.find(')'), rest.find_first_of(" \t\r\n\f\"'("));
    }
    bool const quoted = quote == '"' || quote == '\'';
    if (end == std::string_view::npos || end == 0 || (quoted && end == 2)) {
        scanner.reset(start);
        return false;
    }
    scanner.reset(scanner.at() + end);
    scanner.skipSpace();
    if (!scanner.take(')')) {
        scanner.reset(start);
        return false;
    }
    return true;
}

std::span<std::string_view const> colorKeywords(Syntax const& syntax) noexcept {
    if (syntax.form == Form::Paint || (syntax.accepts & Accept::kColor) != 0) {
        return kColorKeywords;
    }
    return {};
}

// none | currentColor | <color> [<icccolor>] | <funciri> [none | currentColor | <color>]
bool conformsPaint(std::string_view text, Dialect dialect) {
    Scanner scanner(text);
    scanner.skipSpace();
    auto const fallback = [&] {
        std::size_t const start = scanner.at();
        std::string_view const name = scanner.name();
        if (name == "none" || equalNoCase(name, "currentColor") ||
            (dialect == Dialect::CssDeclaration && equalNoCase(name, "none"))) {
            return true;
        }
        scanner.reset(start);
        return readColor(scanner, dialect);
    };
    if (readFuncIri(scanner, dialect)) {
        scanner.skipSpace();
        if (!scanner.atEnd() && !fallback()) {
            return false;
        }
    } else if (!fallback()) {
        return false;
    }
    scanner.skipSpace();
    return scanner.atEnd();
}

namespace {

int hexDigit(char c) { return isDigit(c) ? c - '0' : lowerAscii(c) - 'a' + 10; }

// The numbers of a colour function's arguments, a percentage marked; at most `N`.
template <std::size_t N>
std::size_t colorArguments(std::string_view inner, std::array<double, N>& values,
                           std::array<bool, N>& percent) {
    Scanner scanner(inner);
    std::size_t count = 0;
    for (;;) {
        scanner.skipSpace();
        scanner.take(',');
        scanner.skipSpace();
        std::size_t const start = scanner.at();
        if (!scanner.number()) {
            return count;
        }
        std::string_view number = inner.substr(start, scanner.at() - start);
        if (number.front() == '+') {
            number.remove_prefix(1);
        }
        if (count < N) {
            std::from_chars(number.data(), number.data() + number.size(), values[count]);
            percent[count] = scanner.take('%');
        }
        ++count;
    }
}

double clamped(double value, double high) { return std::clamp(value, 0.0, high); }

// CSS Color Level 3's conversion of a hue, from 0 to 1, between two levels.
double hueToRgb(double m1, double m2, double h) {
    h = h < 0 ? h + 1 : (h > 1 ? h - 1 : h);
    if (h * 6 < 1) {
        return m1 + (m2 - m1) * h * 6;
    }
    if (h * 2 < 1) {
        return m2;
    }
    if (h * 3 < 2) {
        return m1 + (m2 - m1) * (2.0 / 3 - h) * 6;
    }
    return m1;
}

} // namespace

bool colorValue(std::string_view token, std::array<double, 4>& color) {
    if (!token.empty() && token.front() == '#') {
        std::string_view const digits = token.substr(1);
        if ((digits.size() != 3 && digits.size() != 6) ||
            !std::all_of(digits.begin(), digits.end(), isHex)) {
            return false;
        }
        bool const shortForm = digits.size() == 3;
        for (std::size_t i = 0; i < 3; ++i) {
            color[i] = shortForm ? hexDigit(digits[i]) * 17
                                 : hexDigit(digits[2 * i]) * 16 + hexDigit(digits[2 * i + 1]);
        }
        color[3] = 1;
        return true;
    }
    std::size_t const open = token.find('(');
    if (open == std::string_view::npos) {
        NamedColor const* const named = namedColor(token);
        if (named == nullptr) {
            return false;
        }
        color = {static_cast<double>(named->rgb >> 16),
                 static_cast<double>((named->rgb >> 8) & 0xFF),
                 static_cast<double>(named->rgb & 0xFF), named->name == "transparent" ? 0.0 : 1.0};
        return true;
    }
    std::string_view const name = token.substr(0, open);
    std::string_view const inner = token.substr(open + 1);
    std::array<double, 4> values{};
    std::array<bool, 4> percent{};
    std::size_t const count = colorArguments(inner, values, percent);
    color[3] = count > 3 ? clamped(values[3], 1) : 1;
    if (equalNoCase(name, "rgb") || equalNoCase(name, "rgba") || name == "rgb-icc") {
        if (count < 3) {
            return false;
        }
        for (std::size_t i = 0; i < 3; ++i) {
            color[i] = clamped(percent[i] ? values[i] * 255 / 100 : values[i], 255);
        }
        color[3] = name == "rgb-icc" ? 1 : color[3];
        return true;
    }
    if (equalNoCase(name, "hsl") || equalNoCase(name, "hsla")) {
        if (count < 3) {
            return false;
        }
        double const hue = std::fmod(std::fmod(values[0], 360) + 360, 360) / 360;
        double const saturation = clamped(values[1] / 100, 1);
        double const lightness = clamped(values[2] / 100, 1);
        double const m2 = lightness <= 0.5 ? lightness * (saturation + 1)
                                           : lightness + saturation - lightness * saturation;
        double const m1 = lightness * 2 - m2;
        color[0] = hueToRgb(m1, m2, hue + 1.0 / 3) * 255;
        color[1] = hueToRgb(m1, m2, hue) * 255;
        color[2] = hueToRgb(m1, m2, hue - 1.0 / 3) * 255;
        return true;
    }
    return false;
}

} // namespace Tool::Standard
