// Colours as CSS Color Level 3 writes them, XSL's rgb-icc(), and SVG paint.
#include "Readers.h"

#include <algorithm>
#include <array>

namespace Tool::Standard {

namespace {

// The colour keywords of CSS Color Level 3, "transparent" among them, in code-unit order.
// clang-format off
constexpr std::array<std::string_view, 148> kColorKeywords = {
    "aliceblue", "antiquewhite", "aqua", "aquamarine", "azure", "beige", "bisque", "black",
    "blanchedalmond", "blue", "blueviolet", "brown", "burlywood", "cadetblue", "chartreuse",
    "chocolate", "coral", "cornflowerblue", "cornsilk", "crimson", "cyan", "darkblue", "darkcyan",
    "darkgoldenrod", "darkgray", "darkgreen", "darkgrey", "darkkhaki", "darkmagenta",
    "darkolivegreen", "darkorange", "darkorchid", "darkred", "darksalmon", "darkseagreen",
    "darkslateblue", "darkslategray", "darkslategrey", "darkturquoise", "darkviolet", "deeppink",
    "deepskyblue", "dimgray", "dimgrey", "dodgerblue", "firebrick", "floralwhite", "forestgreen",
    "fuchsia", "gainsboro", "ghostwhite", "gold", "goldenrod", "gray", "green", "greenyellow",
    "grey", "honeydew", "hotpink", "indianred", "indigo", "ivory", "khaki", "lavender",
    "lavenderblush", "lawngreen", "lemonchiffon", "lightblue", "lightcoral", "lightcyan",
    "lightgoldenrodyellow", "lightgray", "lightgreen", "lightgrey", "lightpink", "lightsalmon",
    "lightseagreen", "lightskyblue", "lightslategray", "lightslategrey", "lightsteelblue",
    "lightyellow", "lime", "limegreen", "linen", "magenta", "maroon", "mediumaquamarine",
    "mediumblue", "mediumorchid", "mediumpurple", "mediumseagreen", "mediumslateblue",
    "mediumspringgreen", "mediumturquoise", "mediumvioletred", "midnightblue", "mintcream",
    "mistyrose", "moccasin", "navajowhite", "navy", "oldlace", "olive", "olivedrab", "orange",
    "orangered", "orchid", "palegoldenrod", "palegreen", "paleturquoise", "palevioletred",
    "papayawhip", "peachpuff", "peru", "pink", "plum", "powderblue", "purple", "red", "rosybrown",
    "royalblue", "saddlebrown", "salmon", "sandybrown", "seagreen", "seashell", "sienna", "silver",
    "skyblue", "slateblue", "slategray", "slategrey", "snow", "springgreen", "steelblue", "tan",
    "teal", "thistle", "tomato", "transparent", "turquoise", "violet", "wheat", "white",
    "whitesmoke", "yellow", "yellowgreen",
};
// clang-format on

constexpr bool isSorted(std::span<std::string_view const> words) {
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (!(words[i - 1] < words[i])) {
            return false;
        }
    }
    return true;
}
static_assert(isSorted(kColorKeywords));

bool isColorKeyword(std::string_view name) {
    constexpr std::size_t kLongest = 20; // "lightgoldenrodyellow"
    if (name.empty() || name.size() > kLongest) {
        return false;
    }
    std::array<char, kLongest> folded{};
    std::transform(name.begin(), name.end(), folded.begin(), lowerAscii);
    std::string_view const key(folded.data(), name.size());
    return std::binary_search(kColorKeywords.begin(), kColorKeywords.end(), key);
}

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

// XSL's <uri-specification> holds an IRI, in which parentheses are legal ("man:bash(1)"):
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

} // namespace Tool::Standard
