// Recognising XSL property expressions and the SVG keywords outside the library's types.
#include "FormatterValues.h"

#include <xmlattr/platform/String.h>

#include <algorithm>
#include <array>

namespace Tool {

namespace {

bool isSpace(char c) { return Core::String::isSpace(static_cast<char16_t>(c)); }

bool isNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.';
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Core::String::toLowerAscii(static_cast<char16_t>(x)) ==
                      Core::String::toLowerAscii(static_cast<char16_t>(y));
           });
}

// The functions whose calls the library's own readers take apart.
constexpr std::array<std::string_view, 7> kLibraryFunctions = {
    "rgb", "rgb-icc", "cmyk", "spot-color", "url", "body-start", "label-end"};

bool isLibraryFunction(std::string_view name) {
    return std::find(kLibraryFunctions.begin(), kLibraryFunctions.end(), name) !=
           kLibraryFunctions.end();
}

// The character before `at`, white space skipped; 0 at the start.
char previousMark(std::string_view text, std::size_t at) {
    while (at > 0 && isSpace(text[at - 1])) {
        --at;
    }
    return at > 0 ? text[at - 1] : '\0';
}

bool isExpression(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        char const c = text[i];
        if (c == '\'' || c == '"') {
            std::size_t const close = text.find(c, i + 1);
            if (close == std::string_view::npos) {
                return false;
            }
            i = close;
            continue;
        }
        if (c == '*') {
            return true;
        }
        // A sign after something is addition; a "-" inside a name ("treat-as-space",
        // "-1pt") is not, but one between blanks or after ")" subtracts.
        if (c == '+' && previousMark(text, i) != '\0' && previousMark(text, i) != '(' &&
            previousMark(text, i) != ',') {
            return true;
        }
        if (c == '-' && i > 0 && i + 1 < text.size() &&
            ((isSpace(text[i - 1]) && (isSpace(text[i + 1]) || text[i + 1] == '(')) ||
             previousMark(text, i) == ')')) {
            return true;
        }
        if (c == '(') {
            std::size_t start = i;
            while (start > 0 && isNameChar(text[start - 1])) {
                --start;
            }
            std::string_view const name = text.substr(start, i - start);
            if (!isLibraryFunction(name)) {
                return true;
            }
            // What a library function holds is its reader's business ("url(a+b.png)").
            std::size_t const close = text.find(')', i);
            if (close == std::string_view::npos) {
                return false;
            }
            i = close;
            continue;
        }
        if (isNameChar(c) && (i == 0 || !isNameChar(text[i - 1]))) {
            std::size_t end = i;
            while (end < text.size() && isNameChar(text[end])) {
                ++end;
            }
            std::string_view const word = text.substr(i, end - i);
            if ((word == "div" || word == "mod") && i > 0) {
                return true;
            }
            i = end - 1;
        }
    }
    return false;
}

} // namespace

bool isFormatterValue(Vocabulary vocabulary, std::string_view value) {
    std::string_view const text = trimmed(value);
    if (vocabulary == Vocabulary::Svg) {
        return equalsNoCase(text, "inherit") || equalsNoCase(text, "currentColor") ||
               equalsNoCase(text, "context-fill") || equalsNoCase(text, "context-stroke");
    }
    return text == "inherit" || isExpression(text);
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace Tool
