// Shorthands whose parts come in any order ("a || b || c"), the font shorthand, and the
// aural values with units of their own (angles, times, frequencies).
#include "Forms.h"

#include <array>

namespace Tool::Standard {

namespace {

using Words = std::string_view const[];
using namespace Accept;

// clang-format off
constexpr Words kBorderWidthWords = {"thin", "medium", "thick"};
constexpr Words kBorderStyleWords = {"none", "hidden", "dotted", "dashed", "solid", "double", "groove", "ridge", "inset", "outset"};
constexpr Words kTransparent = {"transparent"};
constexpr Words kNone = {"none"};
constexpr Words kRepeat = {"repeat", "repeat-x", "repeat-y", "no-repeat"};
constexpr Words kAttachment = {"scroll", "fixed"};
constexpr Words kFontStyle = {"normal", "italic", "oblique", "backslant"};
constexpr Words kFontVariant = {"normal", "small-caps"};
constexpr Words kFontWeight = {"normal", "bold", "bolder", "lighter", "100", "200", "300", "400", "500", "600", "700", "800", "900"};
constexpr Words kFontSize = {"xx-small", "x-small", "small", "medium", "large", "x-large", "xx-large", "larger", "smaller"};
constexpr Words kNormal = {"normal"};
constexpr Words kSystemFonts = {"caption", "icon", "menu", "message-box", "small-caption", "status-bar"};
constexpr Words kHorizontal = {"left", "center", "right"};
constexpr Words kVertical = {"top", "center", "bottom"};
constexpr Words kAuto = {"auto"};

constexpr Syntax kBorderWidth{{}, Form::Values, kLength | kNonNegative, kBorderWidthWords};
constexpr Syntax kBorderStyle{{}, Form::Values, 0, kBorderStyleWords};
constexpr Syntax kBorderColor{{}, Form::Values, kColor, kTransparent};
constexpr Syntax kImage{{}, Form::Values, kFuncIri, kNone};
constexpr Syntax kRepeatSyntax{{}, Form::Values, 0, kRepeat};
constexpr Syntax kAttachmentSyntax{{}, Form::Values, 0, kAttachment};
constexpr Syntax kLengthOrPercentage{{}, Form::Values, kLength | kPercentage};
constexpr Syntax kStyleSyntax{{}, Form::Values, 0, kFontStyle};
constexpr Syntax kVariantSyntax{{}, Form::Values, 0, kFontVariant};
constexpr Syntax kWeightSyntax{{}, Form::Values, 0, kFontWeight};
constexpr Syntax kSizeSyntax{{}, Form::Values, kLength | kPercentage | kNonNegative, kFontSize};
constexpr Syntax kLineHeight{{}, Form::Values, kLength | kPercentage | kNumber | kNonNegative, kNormal};
constexpr Syntax kLengthSyntax{{}, Form::Values, kLength};
constexpr Syntax kNonNegativeLength{{}, Form::Values, kLength | kNonNegative};
constexpr Syntax kLengthOrAuto{{}, Form::Values, kLength, kAuto};
constexpr Syntax kColorSyntax{{}, Form::Values, kColor};
// clang-format on

// The blank-separated tokens of a value; a function's arguments and a quoted string stay
// in one token, and "/" (the font shorthand's) is a token of its own.
class Tokens {
public:
    explicit Tokens(std::string_view text) {
        std::size_t i = 0;
        while (i < text.size()) {
            if (isSpace(text[i])) {
                ++i;
                continue;
            }
            std::size_t const start = i;
            if (text[i] == '/') {
                ++i;
            } else {
                int depth = 0;
                char quote = '\0';
                for (; i < text.size(); ++i) {
                    char const c = text[i];
                    if (quote != '\0') {
                        quote = c == quote ? '\0' : quote;
                    } else if (c == '"' || c == '\'') {
                        quote = c;
                    } else if (c == '(') {
                        ++depth;
                    } else if (c == ')') {
                        --depth;
                    } else if (depth == 0 && (isSpace(c) || c == '/')) {
                        break;
                    }
                }
                m_balanced = m_balanced && depth == 0 && quote == '\0';
            }
            if (m_count == m_tokens.size()) {
                m_balanced = false;
                return;
            }
            m_tokens[m_count++] = text.substr(start, i - start);
        }
    }

    /// False when a parenthesis or quote is left open, or there are too many tokens.
    bool balanced() const { return m_balanced; }
    std::size_t size() const { return m_count; }
    std::string_view operator[](std::size_t i) const { return m_tokens[i]; }

private:
    std::array<std::string_view, 16> m_tokens{};
    std::size_t m_count = 0;
    bool m_balanced = true;
};

bool is(Syntax const& syntax, std::string_view token, Dialect dialect) {
    return conforms(syntax, token, dialect);
}

// Every token taken by one of `parts`, each part at most once, in any order.
bool anyOrder(Tokens const& tokens, std::span<Syntax const* const> parts, Dialect dialect) {
    if (!tokens.balanced() || tokens.size() == 0 || tokens.size() > parts.size()) {
        return false;
    }
    unsigned used = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        bool taken = false;
        for (std::size_t part = 0; part < parts.size() && !taken; ++part) {
            if ((used & (1u << part)) == 0 && is(*parts[part], tokens[i], dialect)) {
                used |= 1u << part;
                taken = true;
            }
        }
        if (!taken) {
            return false;
        }
    }
    return true;
}

bool isKeyword(std::span<std::string_view const> words, std::string_view token, Dialect dialect) {
    Syntax const syntax{{}, Form::Values, 0, words};
    return is(syntax, token, dialect);
}

// One or two position tokens: lengths and percentages, or keywords of both axes in either
// order; with a length, the horizontal comes first.
bool isPosition(std::string_view first, std::string_view second, Dialect dialect) {
    bool const firstMeasure = is(kLengthOrPercentage, first, dialect);
    bool const firstHorizontal = firstMeasure || isKeyword(kHorizontal, first, dialect);
    bool const firstVertical = isKeyword(kVertical, first, dialect);
    if (second.empty()) {
        return firstHorizontal || firstVertical;
    }
    bool const secondMeasure = is(kLengthOrPercentage, second, dialect);
    bool const secondVertical = secondMeasure || isKeyword(kVertical, second, dialect);
    bool const secondHorizontal = isKeyword(kHorizontal, second, dialect);
    if (firstMeasure || secondMeasure) {
        return firstHorizontal && secondVertical;
    }
    return (firstHorizontal && secondVertical) || (firstVertical && secondHorizontal);
}

bool isPositionToken(std::string_view token, Dialect dialect) {
    return isPosition(token, {}, dialect);
}

// A number followed by one of `units`; where `unitOptional`, a plain number too.
bool isMeasure(std::string_view token, std::span<std::string_view const> units, bool unitOptional,
               bool nonNegative) {
    Scanner scanner(token);
    Number number;
    if (!scanner.number(&number) || (nonNegative && number.negative)) {
        return false;
    }
    if (scanner.atEnd()) {
        return unitOptional;
    }
    for (std::string_view const unit : units) {
        if (scanner.rest() == unit) {
            return true;
        }
    }
    return false;
}

constexpr Words kAngleUnits = {"deg", "grad", "rad"};
constexpr Words kTimeUnits = {"ms", "s"};
constexpr Words kFrequencyUnits = {"Hz", "kHz"};

bool isAngle(std::string_view token, Dialect dialect) {
    return isMeasure(token, kAngleUnits, dialect != Dialect::XslFo, false);
}

bool isTimeOrPercentage(std::string_view token) {
    Scanner scanner(token);
    return isMeasure(token, kTimeUnits, false, true) ||
           (readPercentage(scanner, true) && scanner.atEnd());
}

bool isUri(std::string_view token, Dialect dialect) {
    Scanner scanner(token);
    return readFuncIri(scanner, dialect) && scanner.atEnd();
}

} // namespace

bool conformsBorder(std::string_view text, Dialect dialect) {
    static constexpr std::array<Syntax const*, 3> kParts = {&kBorderWidth, &kBorderStyle,
                                                            &kBorderColor};
    return anyOrder(Tokens(text), kParts, dialect);
}

bool conformsLengthPair(std::string_view text, Dialect dialect) {
    Tokens const tokens(text);
    bool fits = tokens.balanced() && (tokens.size() == 1 || tokens.size() == 2);
    for (std::size_t i = 0; fits && i < tokens.size(); ++i) {
        fits = is(kNonNegativeLength, tokens[i], dialect);
    }
    return fits;
}

bool conformsBackground(std::string_view text, Dialect dialect) {
    Tokens const tokens(text);
    if (!tokens.balanced() || tokens.size() == 0) {
        return false;
    }
    static constexpr std::array<Syntax const*, 4> kParts = {&kBorderColor, &kImage, &kRepeatSyntax,
                                                            &kAttachmentSyntax};
    unsigned used = 0;
    bool positioned = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        bool taken = false;
        for (std::size_t part = 0; part < kParts.size() && !taken; ++part) {
            if ((used & (1u << part)) == 0 && is(*kParts[part], tokens[i], dialect)) {
                used |= 1u << part;
                taken = true;
            }
        }
        if (!taken && !positioned && isPositionToken(tokens[i], dialect)) {
            positioned = true;
            taken = true;
            // A second position token belongs to the same position when the pair fits.
            if (i + 1 < tokens.size() && isPosition(tokens[i], tokens[i + 1], dialect)) {
                ++i;
            }
        }
        if (!taken) {
            return false;
        }
    }
    return true;
}

bool conformsBackgroundPosition(std::string_view text, Dialect dialect) {
    Tokens const tokens(text);
    if (!tokens.balanced() || tokens.size() == 0 || tokens.size() > 2) {
        return false;
    }
    return isPosition(tokens[0], tokens.size() == 2 ? tokens[1] : std::string_view(), dialect);
}

bool conformsFont(std::string_view text, Dialect dialect) {
    Tokens const tokens(text);
    if (!tokens.balanced() || tokens.size() == 0) {
        return false;
    }
    if (tokens.size() == 1 && isKeyword(kSystemFonts, tokens[0], dialect)) {
        return true;
    }
    // Up to three of style, variant and weight, each once; "normal" fits any of them.
    static constexpr std::array<Syntax const*, 3> kPrefix = {&kStyleSyntax, &kVariantSyntax,
                                                             &kWeightSyntax};
    std::size_t i = 0;
    unsigned used = 0;
    for (; i < tokens.size() && i < kPrefix.size(); ++i) {
        bool taken = false;
        for (std::size_t part = 0; part < kPrefix.size() && !taken; ++part) {
            if ((used & (1u << part)) == 0 && is(*kPrefix[part], tokens[i], dialect)) {
                used |= 1u << part;
                taken = true;
            }
        }
        if (!taken) {
            break;
        }
    }
    // A prefix word may as well have been the size: "medium" is both a size and no style.
    while (i > 0 && (i >= tokens.size() || !is(kSizeSyntax, tokens[i], dialect))) {
        --i;
    }
    if (i >= tokens.size() || !is(kSizeSyntax, tokens[i], dialect)) {
        return false;
    }
    ++i;
    if (i < tokens.size() && tokens[i] == "/") {
        if (i + 1 >= tokens.size() || !is(kLineHeight, tokens[i + 1], dialect)) {
            return false;
        }
        i += 2;
    }
    if (i >= tokens.size()) {
        return false;
    }
    std::string_view const family =
        text.substr(static_cast<std::size_t>(tokens[i].data() - text.data()));
    return conformsFontFamily(family, dialect);
}

bool conformsXslTextDecoration(std::string_view text, Dialect dialect) {
    Tokens const tokens(text);
    if (tokens.size() == 1 && isKeyword(kNone, tokens[0], dialect)) {
        return true;
    }
    static constexpr std::array<std::string_view, 8> kLines = {
        "underline",    "no-underline",    "overline", "no-overline",
        "line-through", "no-line-through", "blink",    "no-blink"};
    unsigned seen = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        std::size_t line = kLines.size();
        for (std::size_t k = 0; k < kLines.size(); ++k) {
            line = tokens[i] == kLines[k] ? k : line;
        }
        // A decoration and its negation are one part: at most one of the two.
        unsigned const bit = line < kLines.size() ? 1u << (line / 2) : 0;
        if (bit == 0 || (seen & bit) != 0) {
            return false;
        }
        seen |= bit;
    }
    return tokens.balanced() && seen != 0;
}

bool conformsTextShadow(std::string_view text, Dialect dialect) {
    Tokens const all(text);
    if (all.size() == 1 && isKeyword(kNone, all[0], dialect)) {
        return true;
    }
    // Shadows are separated by commas outside a colour's parentheses.
    std::size_t start = 0;
    int depth = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        char const c = i < text.size() ? text[i] : ',';
        depth += c == '(' ? 1 : (c == ')' ? -1 : 0);
        if (c != ',' || depth != 0) {
            continue;
        }
        Tokens const tokens(text.substr(start, i - start));
        start = i + 1;
        std::size_t lengths = 0;
        bool colored = false;
        bool lengthsDone = false;
        for (std::size_t t = 0; t < tokens.size(); ++t) {
            if (!lengthsDone && is(kLengthSyntax, tokens[t], dialect)) {
                ++lengths;
                lengthsDone = lengths == 3;
            } else if (!colored && is(kColorSyntax, tokens[t], dialect)) {
                colored = true;
                lengthsDone = lengths > 0;
            } else {
                return false;
            }
        }
        if (!tokens.balanced() || lengths < 2) {
            return false;
        }
    }
    return true;
}

bool conformsClip(std::string_view text, Dialect dialect) {
    std::string_view const value = trimmed(text);
    if (isKeyword(kAuto, value, dialect)) {
        return true;
    }
    Scanner scanner(value);
    if (scanner.name() != "rect" || !scanner.take('(')) {
        return false;
    }
    for (int side = 0; side < 4; ++side) {
        scanner.skipSpace();
        std::size_t const start = scanner.at();
        while (!scanner.atEnd() && scanner.peek() != ',' && scanner.peek() != ')' &&
               !isSpace(scanner.peek())) {
            scanner.reset(scanner.at() + 1);
        }
        if (!is(kLengthOrAuto, value.substr(start, scanner.at() - start), dialect)) {
            return false;
        }
        scanner.skipSpace();
        if (side < 3) {
            scanner.take(',');
        }
    }
    return scanner.take(')') && scanner.atEnd();
}

bool conformsPageSize(std::string_view text, Dialect dialect) {
    static constexpr std::array<std::string_view, 3> kWords = {"auto", "landscape", "portrait"};
    Tokens const tokens(text);
    if (tokens.size() == 1 && isKeyword(kWords, tokens[0], dialect)) {
        return true;
    }
    return conformsLengthPair(text, dialect);
}

bool conformsAngle(std::string_view text, Dialect dialect) {
    return isAngle(trimmed(text), dialect);
}

bool conformsAngleOrAuto(std::string_view text, Dialect dialect) {
    return trimmed(text) == "auto" || conformsAngle(text, dialect);
}

bool conformsAzimuth(std::string_view text, Dialect dialect) {
    static constexpr std::array<std::string_view, 9> kDirections = {
        "left-side",    "far-left", "left",      "center-left", "center",
        "center-right", "right",    "far-right", "right-side"};
    static constexpr std::array<std::string_view, 2> kTurns = {"leftwards", "rightwards"};
    Tokens const tokens(text);
    if (tokens.size() == 1 &&
        (isAngle(tokens[0], dialect) || isKeyword(kTurns, tokens[0], dialect))) {
        return true;
    }
    static constexpr std::array<std::string_view, 1> kBehind = {"behind"};
    Syntax const direction{{}, Form::Values, 0, kDirections};
    Syntax const behind{{}, Form::Values, 0, kBehind};
    static constexpr std::size_t kParts = 2;
    std::array<Syntax const*, kParts> const parts = {&direction, &behind};
    return anyOrder(tokens, parts, dialect);
}

bool conformsElevation(std::string_view text, Dialect dialect) {
    static constexpr std::array<std::string_view, 5> kWords = {"below", "level", "above", "higher",
                                                               "lower"};
    Tokens const tokens(text);
    return tokens.size() == 1 &&
           (isAngle(tokens[0], dialect) || isKeyword(kWords, tokens[0], dialect));
}

bool conformsPause(std::string_view text, Dialect) {
    Tokens const tokens(text);
    return tokens.size() == 1 && isTimeOrPercentage(tokens[0]);
}

bool conformsPauses(std::string_view text, Dialect) {
    Tokens const tokens(text);
    return (tokens.size() == 1 || tokens.size() == 2) && isTimeOrPercentage(tokens[0]) &&
           (tokens.size() == 1 || isTimeOrPercentage(tokens[1]));
}

bool conformsPitch(std::string_view text, Dialect dialect) {
    static constexpr std::array<std::string_view, 5> kWords = {"x-low", "low", "medium", "high",
                                                               "x-high"};
    Tokens const tokens(text);
    return tokens.size() == 1 && (isMeasure(tokens[0], kFrequencyUnits, false, true) ||
                                  isKeyword(kWords, tokens[0], dialect));
}

bool conformsPlayDuring(std::string_view text, Dialect dialect) {
    static constexpr std::array<std::string_view, 2> kWords = {"auto", "none"};
    Tokens const tokens(text);
    if (tokens.size() == 1 && isKeyword(kWords, tokens[0], dialect)) {
        return true;
    }
    if (tokens.size() == 0 || tokens.size() > 3 || !isUri(tokens[0], dialect)) {
        return false;
    }
    std::size_t i = 1;
    if (i < tokens.size() && tokens[i] == "mix") {
        ++i;
    }
    if (i < tokens.size() && tokens[i] == "repeat") {
        ++i;
    }
    return i == tokens.size();
}

bool conformsCue(std::string_view text, Dialect dialect) {
    Tokens const tokens(text);
    bool fits = tokens.balanced() && (tokens.size() == 1 || tokens.size() == 2);
    for (std::size_t i = 0; fits && i < tokens.size(); ++i) {
        fits = is(kImage, tokens[i], dialect);
    }
    return fits;
}

bool conformsEnableBackground(std::string_view text, Dialect dialect) {
    Tokens const tokens(text);
    if (tokens.size() == 1) {
        return isKeyword(std::array<std::string_view, 2>{"accumulate", "new"}, tokens[0], dialect);
    }
    if (tokens.size() != 5 ||
        !isKeyword(std::array<std::string_view, 1>{"new"}, tokens[0], dialect)) {
        return false;
    }
    for (std::size_t i = 1; i < 5; ++i) {
        Scanner scanner(tokens[i]);
        Number number;
        // The region's width and height must be above zero.
        if (!scanner.number(&number) || !scanner.atEnd() ||
            (i >= 3 && (number.negative || number.zero))) {
            return false;
        }
    }
    return true;
}

bool conformsCursor(std::string_view text, Dialect dialect) {
    static constexpr std::array<std::string_view, 16> kCursors = {
        "auto",      "crosshair", "default",  "pointer",   "move",      "e-resize",
        "ne-resize", "nw-resize", "n-resize", "se-resize", "sw-resize", "s-resize",
        "w-resize",  "text",      "wait",     "help"};
    Scanner scanner(text);
    scanner.skipSpace();
    while (readFuncIri(scanner, dialect)) {
        scanner.skipSpace();
        if (!scanner.take(',')) {
            return false;
        }
        scanner.skipSpace();
    }
    if (!readKeyword(scanner, kCursors, dialect)) {
        return false;
    }
    scanner.skipSpace();
    return scanner.atEnd();
}

} // namespace Tool::Standard
