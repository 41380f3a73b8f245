// Names and strings: XML names as the two standards use them for identifiers and references,
// family names, single characters, country and script codes, and XSL's string forms.
#include "Forms.h"

#include <array>

namespace Tool::Standard {

namespace {

// Any byte of a character beyond ASCII is taken as a name character: XML's name ranges cover
// nearly every letter there, and a document that reached us is already valid UTF-8.
bool isWide(char c) { return static_cast<unsigned char>(c) >= 0x80; }

bool isNameStart(char c, bool colon) {
    return isLetter(c) || c == '_' || isWide(c) || (colon && c == ':');
}

bool isNameChar(char c, bool colon) {
    return isNameStart(c, colon) || isDigit(c) || c == '-' || c == '.';
}

bool isName(std::string_view text, bool colon) {
    if (text.empty() || !isNameStart(text.front(), colon)) {
        return false;
    }
    for (char const c : text) {
        if (!isNameChar(c, colon)) {
            return false;
        }
    }
    return true;
}

// Splits `text` at `separator` and hands each trimmed piece to `item`; false at the first
// piece it refuses. An empty piece is handed on too, so that "a,,b" can be refused.
template <class Item> bool eachPiece(std::string_view text, char separator, Item item) {
    for (;;) {
        std::size_t const end = text.find(separator);
        if (!item(trimmed(text.substr(0, end)))) {
            return false;
        }
        if (end == std::string_view::npos) {
            return true;
        }
        text.remove_prefix(end + 1);
    }
}

// Pieces separated by blanks, each handed to `item`.
template <class Item> bool eachWord(std::string_view text, Item item) {
    Scanner scanner(text);
    scanner.skipSpace();
    while (!scanner.atEnd()) {
        std::size_t const start = scanner.at();
        while (!scanner.atEnd() && !isSpace(scanner.peek())) {
            scanner.reset(scanner.at() + 1);
        }
        if (!item(text.substr(start, scanner.at() - start))) {
            return false;
        }
        scanner.skipSpace();
    }
    return true;
}

// A CSS identifier: a letter, "_", "-" or a wide character first (a "-" not before a digit),
// then those and digits; a backslash escapes the next character.
bool isIdentifier(std::string_view text) {
    if (text.empty() || isDigit(text.front()) ||
        (text.front() == '-' && (text.size() == 1 || isDigit(text[1])))) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        char const c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            ++i;
        } else if (!isLetter(c) && !isDigit(c) && c != '-' && c != '_' && !isWide(c)) {
            return false;
        }
    }
    return true;
}

// A whole quoted string, the same quote at both ends and nowhere between unless escaped.
bool isQuoted(std::string_view text) {
    if (text.size() < 2 || (text.front() != '"' && text.front() != '\'') ||
        text.back() != text.front()) {
        return false;
    }
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
        } else if (text[i] == text.front()) {
            return false;
        }
    }
    return true;
}

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

bool isOneCharacter(std::string_view text) {
    if (text.empty() || isContinuation(text.front())) {
        return false;
    }
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (!isContinuation(text[i])) {
            return false;
        }
    }
    return true;
}

bool allOf(std::string_view text, bool (*test)(char)) {
    for (char const c : text) {
        if (!test(c)) {
            return false;
        }
    }
    return true;
}

bool isAsciiLetter(char c) { return isLetter(c); }
bool isAsciiDigit(char c) { return isDigit(c); }

bool isUri(std::string_view text, Dialect dialect) {
    Scanner scanner(text);
    return readFuncIri(scanner, dialect) && scanner.atEnd();
}

} // namespace

bool conformsNcName(std::string_view text, Dialect) { return isName(trimmed(text), false); }

bool conformsNcNameOrEmpty(std::string_view text, Dialect dialect) {
    return trimmed(text).empty() || conformsNcName(text, dialect);
}

bool conformsNcNames(std::string_view text, Dialect) {
    return !trimmed(text).empty() &&
           eachWord(text, [](std::string_view word) { return isName(word, false); });
}

bool conformsXmlName(std::string_view text, Dialect) { return isName(trimmed(text), true); }

bool conformsWord(std::string_view text, Dialect) {
    std::string_view const word = trimmed(text);
    return !word.empty() && eachWord(word, [&](std::string_view piece) { return piece == word; });
}

bool conformsAnyText(std::string_view, Dialect) { return true; }

// CSS 2's font-family, which XSL 1.1 and SVG 1.1 both take: a generic family is an
// identifier like any other name here.
bool conformsFontFamily(std::string_view text, Dialect) {
    return eachPiece(text, ',', [](std::string_view family) {
        if (isQuoted(family)) {
            return true;
        }
        return !family.empty() && eachWord(family, isIdentifier);
    });
}

bool conformsQuotableCharacter(std::string_view text, Dialect) {
    if (isQuoted(text)) {
        text = text.substr(1, text.size() - 2);
    }
    return isOneCharacter(text);
}

bool conformsCountry(std::string_view text, Dialect) {
    std::string_view const code = trimmed(text);
    return code == "none" ||
           ((code.size() == 2 || code.size() == 3) && allOf(code, isAsciiLetter)) ||
           (code.size() == 3 && allOf(code, isAsciiDigit));
}

bool conformsScript(std::string_view text, Dialect) {
    std::string_view const code = trimmed(text);
    return code == "none" || code == "auto" || (code.size() == 4 && allOf(code, isAsciiLetter)) ||
           (code.size() == 3 && allOf(code, isAsciiDigit));
}

bool conformsLanguageList(std::string_view text, Dialect dialect) {
    Syntax const language{{}, Form::Language};
    return eachPiece(text, ',', [&](std::string_view tag) {
        return !tag.empty() && tag != "none" && conforms(language, tag, dialect);
    });
}

bool conformsXslTextAlign(std::string_view text, Dialect dialect) {
    static constexpr std::array<std::string_view, 8> kTextAlign = {
        "start", "center", "end", "justify", "inside", "outside", "left", "right"};
    Syntax const keywords{{}, Form::Values, 0, kTextAlign};
    return isQuoted(trimmed(text)) || conforms(keywords, text, dialect);
}

bool conformsUriOrEmpty(std::string_view text, Dialect dialect) {
    return trimmed(text).empty() || isUri(trimmed(text), dialect);
}

bool conformsUriList(std::string_view text, Dialect dialect) {
    if (trimmed(text) == "none") {
        return true;
    }
    Scanner scanner(text);
    scanner.skipSpace();
    do {
        if (!readFuncIri(scanner, dialect)) {
            return false;
        }
        scanner.skipSpace();
    } while (!scanner.atEnd());
    return true;
}

bool conformsSwitchTo(std::string_view text, Dialect dialect) {
    std::string_view const value = trimmed(text);
    return value == "xsl-preceding" || value == "xsl-following" || value == "xsl-any" ||
           conformsNcNames(value, dialect);
}

bool conformsTarget(std::string_view text, Dialect) {
    std::string_view const value = trimmed(text);
    return value == "_replace" || value == "_self" || value == "_parent" || value == "_top" ||
           value == "_blank" || isName(value, true);
}

} // namespace Tool::Standard
