// SVG 1.1's animation timing (19.2.8, after SMIL Animation) and the number lists of filter
// primitives and fonts.
#include "Forms.h"

#include <algorithm>
#include <array>

namespace Tool::Standard {

namespace {

// Exactly `count` digits.
bool readDigits(Scanner& scanner, int count) {
    for (int i = 0; i < count; ++i) {
        if (!isDigit(scanner.peek())) {
            return false;
        }
        scanner.take(scanner.peek());
    }
    return true;
}

bool readFraction(Scanner& scanner) {
    if (!scanner.take('.')) {
        return true;
    }
    if (!isDigit(scanner.peek())) {
        return false;
    }
    while (isDigit(scanner.peek())) {
        scanner.take(scanner.peek());
    }
    return true;
}

// Pieces separated by semicolons, blanks around each; one semicolon may end the list.
template <class Item> bool eachItem(std::string_view text, Item item) {
    text = trimmed(text);
    if (!text.empty() && text.back() == ';') {
        text.remove_suffix(1);
    }
    for (;;) {
        std::size_t const end = text.find(';');
        if (!item(trimmed(text.substr(0, end)))) {
            return false;
        }
        if (end == std::string_view::npos) {
            return true;
        }
        text.remove_prefix(end + 1);
    }
}

bool isClockValue(std::string_view text) {
    Scanner scanner(text);
    return readClockValue(scanner) && scanner.atEnd();
}

// A number from 0 to 1, the whole text.
bool isUnitInterval(std::string_view text) {
    Scanner scanner(text);
    Number number;
    if (!scanner.number(&number) || !scanner.atEnd() || number.negative) {
        return false;
    }
    // Above one: an integer part other than 0 or 1, or 1 with a fraction that is not zero.
    std::size_t i = text.front() == '+' ? 1 : 0;
    while (i < text.size() && text[i] == '0') {
        ++i;
    }
    if (i < text.size() && isDigit(text[i])) {
        if (text[i] != '1' || (i + 1 < text.size() && isDigit(text[i + 1]))) {
            return false;
        }
        for (std::size_t k = i + 1; k < text.size() && text[k] != 'e' && text[k] != 'E'; ++k) {
            if (isDigit(text[k]) && text[k] != '0') {
                return false;
            }
        }
    }
    return true;
}

// Numbers separated by commas or blanks, `least` to `most` of them, each (its reading and
// its text) passing `fits`.
template <class Fits>
bool numberRun(std::string_view text, std::size_t least, std::size_t most, Fits fits) {
    Scanner scanner(text);
    scanner.skipSpace();
    std::size_t count = 0;
    while (!scanner.atEnd()) {
        std::size_t const start = scanner.at();
        Number number;
        if (!scanner.number(&number) || !fits(number, text.substr(start, scanner.at() - start))) {
            return false;
        }
        ++count;
        // Blanks or a comma between two numbers; blanks alone after the last.
        bool const separated = scanner.commaSpace();
        if (!separated && !scanner.atEnd()) {
            return false;
        }
        if (scanner.atEnd() && text[scanner.at() - 1] == ',') {
            return false;
        }
        if (!separated) {
            break;
        }
    }
    return count >= least && count <= most;
}

bool anyNumber(Number const&, std::string_view) { return true; }

// An offset after a timing event: "+2s", "- 1.5s".
bool readOffset(Scanner& scanner) {
    scanner.skipSpace();
    if (!scanner.take('+') && !scanner.take('-')) {
        return scanner.atEnd();
    }
    scanner.skipSpace();
    return readClockValue(scanner);
}

// One begin or end value of SMIL: an offset, "indefinite", a syncbase ("a.begin+1s"), an
// event ("click", "a.click-1s"), a repeat ("a.repeat(2)"), accessKey(c) or wallclock(...).
bool isTimingValue(std::string_view value) {
    if (value == "indefinite") {
        return true;
    }
    Scanner scanner(value);
    if (scanner.peek() == '+' || scanner.peek() == '-' || isDigit(scanner.peek()) ||
        scanner.peek() == '.') {
        scanner.take('+') || scanner.take('-');
        scanner.skipSpace();
        return readClockValue(scanner) && scanner.atEnd();
    }
    if (value.starts_with("accessKey(")) {
        std::size_t const close = value.find(')');
        Scanner after(value.substr(close == std::string_view::npos ? value.size() : close + 1));
        return close != std::string_view::npos && close > 10 && readOffset(after) && after.atEnd();
    }
    if (value.starts_with("wallclock(")) {
        return value.back() == ')';
    }
    // An element id (an XML name, whose "." and "-" must be escaped with "\" to be kept
    // apart from the event) and a dot, or no id; then the event name.
    std::size_t i = 0;
    std::size_t dot = std::string_view::npos;
    for (; i < value.size(); ++i) {
        char const c = value[i];
        if (c == '\\' && i + 1 < value.size()) {
            ++i;
        } else if (c == '.' && dot == std::string_view::npos) {
            dot = i;
        } else if (c == '+' || c == '-' || isSpace(c) || c == '(') {
            // A "-" inside an event name ("DOMFocusIn" has none; "key-press" is no event)
            // only ever starts an offset.
            break;
        }
    }
    std::string_view const event = value.substr(dot == std::string_view::npos ? 0 : dot + 1,
                                                i - (dot == std::string_view::npos ? 0 : dot + 1));
    if (event.empty() || (dot == 0)) {
        return false;
    }
    for (char const c : event) {
        if (!isLetter(c) && !isDigit(c) && c != '_' && c != ':') {
            return false;
        }
    }
    Scanner rest(value.substr(i));
    if (event == "repeat" && rest.take('(')) {
        if (!isDigit(rest.peek())) {
            return false;
        }
        while (isDigit(rest.peek())) {
            rest.take(rest.peek());
        }
        if (!rest.take(')')) {
            return false;
        }
    }
    return readOffset(rest) && rest.atEnd();
}

bool isFontWeight(std::string_view word) {
    static constexpr std::array<std::string_view, 11> kWeights = {
        "normal", "bold", "100", "200", "300", "400", "500", "600", "700", "800", "900"};
    return std::find(kWeights.begin(), kWeights.end(), word) != kWeights.end();
}

// all | items separated by commas.
template <class Item> bool allOrList(std::string_view text, Item item) {
    text = trimmed(text);
    if (text == "all") {
        return true;
    }
    for (;;) {
        std::size_t const end = text.find(',');
        if (!item(trimmed(text.substr(0, end)))) {
            return false;
        }
        if (end == std::string_view::npos) {
            return true;
        }
        text.remove_prefix(end + 1);
    }
}

template <std::size_t N>
bool isOneOf(std::array<std::string_view, N> const& words, std::string_view word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

} // namespace

// Full (hh:mm:ss.f), partial (mm:ss.f) or a count with a metric (h, min, s, ms; s when none).
bool readClockValue(Scanner& scanner) {
    std::size_t const start = scanner.at();
    std::size_t digits = 0;
    while (isDigit(scanner.peek())) {
        scanner.take(scanner.peek());
        ++digits;
    }
    if (digits > 0 && scanner.peek() == ':') {
        // Partial: two digits of minutes; full: hours of any length, then two and two.
        scanner.take(':');
        if (!readDigits(scanner, 2)) {
            scanner.reset(start);
            return false;
        }
        bool const full = scanner.take(':');
        if ((full && !readDigits(scanner, 2)) || (!full && digits != 2) || !readFraction(scanner)) {
            scanner.reset(start);
            return false;
        }
        return true;
    }
    bool const fraction = scanner.peek() == '.';
    if (!readFraction(scanner) || (digits == 0 && !fraction)) {
        scanner.reset(start);
        return false;
    }
    static constexpr std::array<std::string_view, 4> kMetrics = {"min", "ms", "h", "s"};
    for (std::string_view const metric : kMetrics) {
        if (scanner.rest().starts_with(metric)) {
            scanner.reset(scanner.at() + metric.size());
            break;
        }
    }
    return true;
}

bool conformsDuration(std::string_view text, Dialect) {
    std::string_view const value = trimmed(text);
    return value == "media" || value == "indefinite" || isClockValue(value);
}

bool conformsMinMax(std::string_view text, Dialect) {
    std::string_view const value = trimmed(text);
    return value == "media" || isClockValue(value);
}

bool conformsRepeatDuration(std::string_view text, Dialect) {
    std::string_view const value = trimmed(text);
    return value == "indefinite" || isClockValue(value);
}

bool conformsRepeatCount(std::string_view text, Dialect) {
    std::string_view const value = trimmed(text);
    Scanner scanner(value);
    Number number;
    return value == "indefinite" ||
           (scanner.number(&number) && scanner.atEnd() && !number.negative && !number.zero);
}

bool conformsTimingList(std::string_view text, Dialect) { return eachItem(text, isTimingValue); }

bool conformsKeyTimes(std::string_view text, Dialect) { return eachItem(text, isUnitInterval); }

bool conformsKeySplines(std::string_view text, Dialect) {
    // Each group is two control points, every coordinate from 0 to 1.
    return eachItem(text, [](std::string_view group) {
        return numberRun(group, 4, 4, [](Number const&, std::string_view number) {
            return isUnitInterval(number);
        });
    });
}

bool conformsNumberOptionalNumber(std::string_view text, Dialect) {
    return numberRun(text, 1, 2, anyNumber);
}

bool conformsIntegerOptionalInteger(std::string_view text, Dialect) {
    return numberRun(text, 1, 2, [](Number const& number, std::string_view) {
        return number.integer && !number.negative && !number.zero;
    });
}

bool conformsNumbersOrNone(std::string_view text, Dialect) {
    return numberRun(text, 0, static_cast<std::size_t>(-1), anyNumber);
}

bool conformsPanose(std::string_view text, Dialect) {
    return numberRun(text, 10, 10,
                     [](Number const& number, std::string_view) { return number.integer; });
}

bool conformsUnicodeRange(std::string_view text, Dialect) {
    auto const isHex = [](char c) {
        return isDigit(c) || (lowerAscii(c) >= 'a' && lowerAscii(c) <= 'f');
    };
    return allOrList(text, [&](std::string_view range) {
        if (range.size() < 3 || lowerAscii(range[0]) != 'u' || range[1] != '+') {
            return false;
        }
        range.remove_prefix(2);
        std::size_t const dash = range.find('-');
        std::string_view const first = range.substr(0, dash);
        std::string_view const last =
            dash == std::string_view::npos ? std::string_view("0") : range.substr(dash + 1);
        // "?" stands for any digit, and only at the end of a single range.
        std::size_t digits = 0;
        bool wild = false;
        for (char const c : first) {
            wild = wild || c == '?';
            if ((wild && c != '?') || (!wild && !isHex(c)) ||
                (wild && dash != std::string_view::npos)) {
                return false;
            }
            ++digits;
        }
        return digits >= 1 && digits <= 6 && !last.empty() && last.size() <= 6 &&
               std::all_of(last.begin(), last.end(), isHex);
    });
}

bool conformsFontFaceSizes(std::string_view text, Dialect dialect) {
    return allOrList(text, [&](std::string_view size) {
        Scanner scanner(size);
        return readLength(scanner, dialect, true) && scanner.atEnd();
    });
}

bool conformsFontFaceWeights(std::string_view text, Dialect) {
    return allOrList(text, isFontWeight);
}

bool conformsFontFaceStyles(std::string_view text, Dialect) {
    static constexpr std::array<std::string_view, 3> kStyles = {"normal", "italic", "oblique"};
    return allOrList(text, [](std::string_view word) { return isOneOf(kStyles, word); });
}

bool conformsFontFaceStretches(std::string_view text, Dialect) {
    static constexpr std::array<std::string_view, 9> kStretches = {
        "normal",        "ultra-condensed", "extra-condensed", "condensed",     "semi-condensed",
        "semi-expanded", "expanded",        "extra-expanded",  "ultra-expanded"};
    return allOrList(text, [](std::string_view word) { return isOneOf(kStretches, word); });
}

bool conformsFontFaceVariants(std::string_view text, Dialect) {
    static constexpr std::array<std::string_view, 2> kVariants = {"normal", "small-caps"};
    std::string_view const value = trimmed(text);
    return value != "all" &&
           allOrList(value, [](std::string_view word) { return isOneOf(kVariants, word); });
}

} // namespace Tool::Standard
