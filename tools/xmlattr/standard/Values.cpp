// Keywords, numbers, lengths and percentages, alone or as a shorthand's few tokens, and the
// simple lists; the entry point that sends each form to its reader.
#include "Readers.h"

#include <algorithm>
#include <array>

namespace Tool::Standard {

namespace {

constexpr std::array<std::string_view, 8> kSvgUnits = {"em", "ex", "px", "in",
                                                       "cm", "mm", "pt", "pc"};
constexpr std::array<std::string_view, 7> kXslUnits = {"cm", "mm", "in", "pt", "pc", "px", "em"};

bool isKeywordChar(char c) { return isLetter(c) || isDigit(c) || c == '-' || c == '_' || c == '.'; }

bool sameWord(std::string_view written, std::string_view keyword, Dialect dialect) {
    return dialect == Dialect::CssDeclaration ? equalNoCase(written, keyword) : written == keyword;
}

// The end of a token: the text's end or a blank.
bool atBoundary(Scanner const& scanner) { return scanner.atEnd() || isSpace(scanner.peek()); }

bool readToken(Scanner& scanner, Syntax const& syntax, Dialect dialect) {
    std::size_t const start = scanner.at();
    auto const accepted = [&](bool read) {
        if (read && atBoundary(scanner)) {
            return true;
        }
        scanner.reset(start);
        return false;
    };
    unsigned const accepts = syntax.accepts;
    bool const nonNegative = (accepts & Accept::kNonNegative) != 0;
    if (!syntax.keywords.empty() && accepted(readKeyword(scanner, syntax.keywords, dialect))) {
        return true;
    }
    if ((accepts & Accept::kColor) != 0 && accepted(readColor(scanner, dialect))) {
        return true;
    }
    if ((accepts & Accept::kFuncIri) != 0 && accepted(readFuncIri(scanner, dialect))) {
        return true;
    }
    if ((accepts & Accept::kPercentage) != 0 && accepted(readPercentage(scanner, nonNegative))) {
        return true;
    }
    if ((accepts & Accept::kLength) != 0 && accepted(readLength(scanner, dialect, nonNegative))) {
        return true;
    }
    if ((accepts & (Accept::kNumber | Accept::kInteger)) != 0) {
        Number number;
        bool const read = scanner.number(&number) &&
                          ((accepts & Accept::kNumber) != 0 || number.integer) &&
                          !(nonNegative && number.negative);
        return accepted(read);
    }
    return false;
}

bool conformsValues(Syntax const& syntax, std::string_view text, Dialect dialect) {
    Scanner scanner(text);
    scanner.skipSpace();
    unsigned count = 0;
    while (!scanner.atEnd()) {
        if (count == syntax.maxCount || !readToken(scanner, syntax, dialect)) {
            return false;
        }
        ++count;
        scanner.skipSpace();
    }
    return count > 0;
}

// Items separated by commas or blanks, at least one, no comma left dangling.
template <class ReadItem> bool conformsSeparated(std::string_view text, ReadItem readItem) {
    Scanner scanner(text);
    scanner.skipSpace();
    if (!readItem(scanner)) {
        return false;
    }
    for (;;) {
        scanner.skipSpace();
        if (scanner.atEnd()) {
            return true;
        }
        scanner.commaSpace();
        if (!readItem(scanner)) {
            return false;
        }
    }
}

constexpr std::array<std::string_view, 4> kDecorations = {"underline", "overline", "line-through",
                                                          "blink"};

bool conformsTextDecoration(std::string_view text, Dialect dialect) {
    Scanner scanner(text);
    scanner.skipSpace();
    constexpr std::array<std::string_view, 1> kNone = {"none"};
    if (readKeyword(scanner, kNone, dialect)) {
        scanner.skipSpace();
        return scanner.atEnd();
    }
    unsigned seen = 0;
    while (!scanner.atEnd()) {
        std::string_view const word = scanner.name();
        unsigned bit = 0;
        for (std::size_t i = 0; i < kDecorations.size(); ++i) {
            if (sameWord(word, kDecorations[i], dialect)) {
                bit = 1u << i;
            }
        }
        if (bit == 0 || (seen & bit) != 0 || !atBoundary(scanner)) {
            return false;
        }
        seen |= bit;
        scanner.skipSpace();
    }
    return seen != 0;
}

// A primary subtag of two or three letters, then subtags of up to eight letters or digits.
bool conformsLanguage(std::string_view text) {
    Scanner scanner(text);
    scanner.skipSpace();
    std::string_view const primary = scanner.name();
    if (primary == "none") {
        scanner.skipSpace();
        return scanner.atEnd();
    }
    std::size_t subtag = 0;
    std::size_t index = 0;
    for (char const c : primary) {
        if (c == '-') {
            if (subtag == 0 || (index == 0 && subtag > 3) || subtag > 8) {
                return false;
            }
            subtag = 0;
            ++index;
        } else if (isLetter(c) || (index > 0 && isDigit(c))) {
            ++subtag;
        } else {
            return false;
        }
    }
    bool const lastFits = index == 0 ? subtag >= 2 && subtag <= 3 : subtag >= 1 && subtag <= 8;
    scanner.skipSpace();
    return lastFits && scanner.atEnd();
}

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

bool conformsCharacter(std::string_view text) {
    return !text.empty() && !isContinuation(text.front()) &&
           std::count_if(text.begin(), text.end(), isContinuation) ==
               static_cast<std::ptrdiff_t>(text.size() - 1);
}

} // namespace

bool readKeyword(Scanner& scanner, std::span<std::string_view const> keywords, Dialect dialect) {
    std::string_view const rest = scanner.rest();
    for (std::string_view const keyword : keywords) {
        // A keyword ends where a name does; "body-start()" ends at its parenthesis.
        if (rest.size() >= keyword.size() &&
            sameWord(rest.substr(0, keyword.size()), keyword, dialect) &&
            (rest.size() == keyword.size() || !isKeywordChar(rest[keyword.size()]) ||
             !isKeywordChar(keyword.back()))) {
            scanner.reset(scanner.at() + keyword.size());
            return true;
        }
    }
    return false;
}

bool readPercentage(Scanner& scanner, bool nonNegative) {
    std::size_t const start = scanner.at();
    Number number;
    if (scanner.number(&number) && scanner.take('%') && !(nonNegative && number.negative)) {
        return true;
    }
    scanner.reset(start);
    return false;
}

bool readLength(Scanner& scanner, Dialect dialect, bool nonNegative) {
    std::size_t const start = scanner.at();
    Number number;
    if (!scanner.number(&number) || (nonNegative && number.negative)) {
        scanner.reset(start);
        return false;
    }
    std::string_view const rest = scanner.rest();
    std::size_t letters = 0;
    while (letters < rest.size() && isLetter(rest[letters])) {
        ++letters;
    }
    std::string_view const unit = rest.substr(0, letters);
    if (unit.empty()) {
        // SVG reads a plain number as user units; XSL, like CSS, only a zero.
        if (dialect != Dialect::XslFo || number.zero) {
            return true;
        }
        scanner.reset(start);
        return false;
    }
    std::span<std::string_view const> const units =
        dialect == Dialect::XslFo ? std::span<std::string_view const>(kXslUnits)
                                  : std::span<std::string_view const>(kSvgUnits);
    for (std::string_view const known : units) {
        if (sameWord(unit, known, dialect)) {
            scanner.reset(scanner.at() + letters);
            return true;
        }
    }
    scanner.reset(start);
    return false;
}

bool conformsList(std::string_view text, Dialect dialect, unsigned accepts) {
    Syntax const item{{}, Form::Values, accepts};
    return conformsSeparated(text, [&](Scanner& scanner) {
        std::size_t const start = scanner.at();
        // An item ends at a comma as well as at a blank; only the item itself is looked at.
        std::string_view const rest = scanner.rest();
        std::size_t end = 0;
        while (end < rest.size() && rest[end] != ',' && !isSpace(rest[end])) {
            ++end;
        }
        Scanner piece(rest.substr(0, end));
        if (piece.rest().empty() || !readToken(piece, item, dialect) || !piece.atEnd()) {
            scanner.reset(start);
            return false;
        }
        scanner.reset(start + piece.at());
        return true;
    });
}

bool conforms(Syntax const& syntax, std::string_view text, Dialect dialect) {
    switch (syntax.form) {
    case Form::Values:
        return conformsValues(syntax, text, dialect);
    case Form::Paint:
        return conformsPaint(text, dialect);
    case Form::PathData:
        return conformsPathData(text);
    case Form::TransformList:
        return conformsTransformList(text);
    case Form::Points:
        return conformsPoints(text);
    case Form::ViewBox:
        return conformsViewBox(text);
    case Form::AspectRatio:
        return conformsAspectRatio(text);
    case Form::DashArray: {
        constexpr std::array<std::string_view, 1> kNone = {"none"};
        Syntax const none{{}, Form::Values, 0, kNone};
        return conformsValues(none, text, dialect) ||
               conformsList(text, dialect,
                            Accept::kLength | Accept::kPercentage | Accept::kNonNegative);
    }
    case Form::CoordinateList:
        return conformsList(text, dialect, Accept::kLength | Accept::kPercentage);
    case Form::NumberList:
        return conformsList(text, dialect, Accept::kNumber);
    case Form::Text:
        return text.find_first_not_of(" \t\r\n\f") != std::string_view::npos;
    case Form::TextDecoration:
        return conformsTextDecoration(text, dialect);
    case Form::Language:
        return conformsLanguage(text);
    case Form::Character:
        return conformsCharacter(text);
    case Form::Own:
        return syntax.reader != nullptr && syntax.reader(text, dialect);
    }
    return false;
}

} // namespace Tool::Standard
