// The standard's reading of a value that conforms: token by token, or as a path or a
// transform list. Numbers are read exactly, in double precision, so that a difference from the
// library's single-precision reading is the library's rounding or a real misreading.
#include "Reading.h"

#include "Readers.h"
#include "Scanner.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace Tool::Standard {

namespace {

constexpr std::string_view kUnits[] = {"em", "ex", "px", "in", "cm", "mm", "pt", "pc"};

// A number token at the scanner, read exactly; false, the scanner unmoved, when none is there.
bool readNumber(Scanner& scanner, double& value) { return scanner.number(value); }

bool isSeparator(char c) { return isSpace(c) || c == ','; }

// The end of a parenthesised group that starts at `open`, nested groups and quotes included;
// the text's end when it is not closed.
std::size_t closingOf(std::string_view text, std::size_t open) {
    int depth = 0;
    char quote = '\0';
    for (std::size_t i = open; i < text.size(); ++i) {
        char const c = text[i];
        if (quote != '\0') {
            quote = c == quote ? '\0' : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && --depth == 0) {
            return i + 1;
        }
    }
    return text.size();
}

// url(...)'s reference: inside the parentheses, blanks and one pair of quotes taken off.
std::string_view referenceOf(std::string_view function) {
    std::size_t const open = function.find('(');
    std::string_view inner = function.substr(open + 1);
    if (!inner.empty() && inner.back() == ')') {
        inner.remove_suffix(1);
    }
    inner = trimmed(inner);
    if (inner.size() >= 2 && (inner.front() == '"' || inner.front() == '\'') &&
        inner.back() == inner.front()) {
        inner = inner.substr(1, inner.size() - 2);
    }
    return inner;
}

void readToken(Scanner& scanner, std::string_view text, Dialect dialect, Part& part) {
    std::size_t const start = scanner.at();
    char const first = scanner.peek();
    if (first == '"' || first == '\'') {
        std::size_t const close = text.find(first, start + 1);
        std::size_t const end = close == std::string_view::npos ? text.size() : close + 1;
        part.kind = Part::Kind::Keyword;
        scanner.reset(end);
    } else if (double number = 0; readNumber(scanner, number)) {
        part.number = number;
        part.kind = Part::Kind::Number;
        if (scanner.take('%')) {
            part.kind = Part::Kind::Percentage;
        } else {
            std::string_view const unit = scanner.name();
            for (std::string_view const known : kUnits) {
                if (dialect == Dialect::CssDeclaration ? equalNoCase(unit, known) : unit == known) {
                    part.kind = Part::Kind::Measure;
                    part.unit = known;
                }
            }
            if (!unit.empty() && part.kind != Part::Kind::Measure) {
                // A unit no standard knows: the token is not a measure of either reading.
                part.kind = Part::Kind::Keyword;
            }
        }
    } else if (first == '#') {
        scanner.take('#');
        while (isLetter(scanner.peek()) || isDigit(scanner.peek())) {
            scanner.take(scanner.peek());
        }
        part.kind = Part::Kind::Keyword;
    } else {
        std::string_view const name = scanner.name();
        if (!name.empty() && scanner.peek() == '(') {
            scanner.reset(closingOf(text, scanner.at()));
            part.kind = equalNoCase(name, "url") ? Part::Kind::Reference : Part::Kind::Keyword;
        } else if (name.empty()) {
            // Anything else stands for itself up to the next separator.
            while (!scanner.atEnd() && !isSeparator(scanner.peek())) {
                scanner.take(scanner.peek());
            }
            part.kind = Part::Kind::Keyword;
        } else {
            part.kind = Part::Kind::Keyword;
        }
    }
    part.begin = start;
    part.end = scanner.at();
    part.text = text.substr(start, part.end - start);
    if (part.kind == Part::Kind::Reference) {
        part.text = referenceOf(part.text);
    } else if (part.kind == Part::Kind::Keyword && colorValue(part.text, part.color)) {
        part.kind = Part::Kind::Color;
    }
}

void skipSeparators(Scanner& scanner) {
    while (!scanner.atEnd() && isSeparator(scanner.peek())) {
        scanner.take(scanner.peek());
    }
}

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

// this = this × other, both as a b c d e f of the matrix [a c e; b d f; 0 0 1].
void multiply(std::array<double, 6>& m, std::array<double, 6> const& o) {
    m = {m[0] * o[0] + m[2] * o[1],        m[1] * o[0] + m[3] * o[1],
         m[0] * o[2] + m[2] * o[3],        m[1] * o[2] + m[3] * o[3],
         m[0] * o[4] + m[2] * o[5] + m[4], m[1] * o[4] + m[3] * o[5] + m[5]};
}

} // namespace

double Scanner::exactValue(std::string_view token) noexcept {
    if (!token.empty() && token.front() == '+') {
        token.remove_prefix(1);
    }
    double value = 0;
    std::from_chars(token.data(), token.data() + token.size(), value);
    return value;
}

std::size_t pathArguments(char command) noexcept {
    switch (lowerAscii(command)) {
    case 'm':
    case 'l':
    case 't':
        return 2;
    case 'h':
    case 'v':
        return 1;
    case 'c':
        return 6;
    case 's':
    case 'q':
        return 4;
    case 'a':
        return 7;
    default:
        return 0;
    }
}

void readParts(std::string_view text, Dialect dialect, Reading& out) {
    out.clear();
    Scanner scanner(text);
    for (skipSeparators(scanner); !scanner.atEnd(); skipSeparators(scanner)) {
        Part part;
        readToken(scanner, text, dialect, part);
        if (part.end == part.begin) {
            scanner.take(scanner.peek());
            continue;
        }
        // SVG's icc-color() belongs to the colour before it.
        if (part.kind == Part::Kind::Keyword && !out.parts.empty() &&
            out.parts.back().kind == Part::Kind::Color && part.text.size() > 10 &&
            equalNoCase(part.text.substr(0, 10), "icc-color(")) {
            out.parts.back().end = part.end;
            continue;
        }
        out.parts.push_back(part);
    }
}

void readTransformList(std::string_view text, Reading& out) {
    out.clear();
    out.shape = Reading::Shape::Matrix;
    Scanner scanner(text);
    for (skipSeparators(scanner); !scanner.atEnd(); skipSeparators(scanner)) {
        std::string_view const name = scanner.name();
        scanner.skipSpace();
        if (name.empty() || !scanner.take('(')) {
            return;
        }
        std::array<double, 7> arguments{};
        std::size_t count = 0;
        for (skipSeparators(scanner); !scanner.atEnd() && scanner.peek() != ')';
             skipSeparators(scanner)) {
            double value = 0;
            if (!readNumber(scanner, value)) {
                return;
            }
            if (count < arguments.size()) {
                arguments[count] = value;
            }
            ++count;
        }
        scanner.take(')');
        applyTransform(
            out, name,
            std::span<double const>(arguments.data(), std::min(count, arguments.size())));
    }
}

void applyTransform(Reading& out, std::string_view name, std::span<double const> arguments) {
    std::array<double, 7> a{};
    std::copy_n(arguments.begin(), std::min(arguments.size(), a.size()), a.begin());
    std::size_t const count = arguments.size();
    std::array<double, 6> item{1, 0, 0, 1, 0, 0};
    if (name == "matrix") {
        item = {a[0], a[1], a[2], a[3], a[4], a[5]};
    } else if (name == "translate") {
        item[4] = a[0];
        item[5] = count > 1 ? a[1] : 0;
    } else if (name == "scale") {
        item[0] = a[0];
        item[3] = count > 1 ? a[1] : a[0];
    } else if (name == "rotate") {
        double const c = std::cos(radians(a[0]));
        double const s = std::sin(radians(a[0]));
        // About (cx, cy): move it to the origin, turn, move it back.
        double const cx = count > 1 ? a[1] : 0;
        double const cy = count > 1 ? a[2] : 0;
        item = {c, s, -s, c, cx - c * cx + s * cy, cy - s * cx - c * cy};
    } else if (name == "skewX") {
        item[2] = std::tan(radians(a[0]));
    } else if (name == "skewY") {
        item[1] = std::tan(radians(a[0]));
    }
    multiply(out.matrix, item);
}

std::pair<std::size_t, std::size_t> faultOf(Syntax const& syntax, std::string_view text,
                                            Dialect dialect) {
    std::string_view const stripped = trimmed(text);
    std::size_t const start =
        stripped.empty() ? 0 : static_cast<std::size_t>(stripped.data() - text.data());
    std::pair<std::size_t, std::size_t> const whole{start, start + stripped.size()};
    // Each item of a transform list is a list of its own.
    if (syntax.form == Form::TransformList) {
        Scanner scanner(text);
        for (skipSeparators(scanner); !scanner.atEnd(); skipSeparators(scanner)) {
            std::size_t const begin = scanner.at();
            scanner.name();
            scanner.skipSpace();
            std::size_t const end =
                scanner.peek() == '(' ? closingOf(text, scanner.at()) : text.size();
            scanner.reset(end);
            if (!conformsTransformList(text.substr(begin, end - begin))) {
                return {begin, end};
            }
        }
        return whole;
    }
    // One token is the whole value.
    if (stripped.find_first_of(" \t\r\n\f,") == std::string_view::npos) {
        return whole;
    }
    bool const tokens = syntax.form == Form::Values || syntax.form == Form::Paint ||
                        syntax.form == Form::DashArray || syntax.form == Form::CoordinateList ||
                        syntax.form == Form::NumberList || syntax.form == Form::Points;
    if (!tokens) {
        return whole;
    }
    thread_local Reading reading;
    readParts(text, dialect, reading);
    Syntax single = syntax;
    single.maxCount = 1;
    for (std::size_t i = 0; i < reading.parts.size(); ++i) {
        Part const& part = reading.parts[i];
        if (syntax.form == Form::Values && i == syntax.maxCount) {
            return {part.begin, reading.parts.back().end};
        }
        std::string_view const token = text.substr(part.begin, part.end - part.begin);
        bool const taken = syntax.form == Form::Points
                               ? conformsList(token, dialect, Accept::kNumber)
                               : conforms(single, token, dialect);
        if (!taken) {
            return {part.begin, part.end};
        }
    }
    // A point without its pair.
    if (syntax.form == Form::Points && reading.parts.size() % 2 == 1) {
        return {reading.parts.back().begin, reading.parts.back().end};
    }
    return whole;
}

std::span<std::string_view const> measureUnits() noexcept { return kUnits; }

bool readsQuantities(Syntax const& syntax) noexcept {
    switch (syntax.form) {
    case Form::Values:
        return syntax.accepts != 0;
    case Form::Text:
    case Form::TextDecoration:
    case Form::Language:
    case Form::Character:
    case Form::AspectRatio:
        return false;
    default:
        return true;
    }
}

bool readConforming(Syntax const& syntax, std::string_view text, Dialect dialect,
                    Reading& out) {
    if (syntax.form == Form::PathData) {
        return readPathData(text, out);
    }
    if (!conforms(syntax, text, dialect)) {
        return false;
    }
    readValue(syntax, text, dialect, out);
    return true;
}

void readValue(Syntax const& syntax, std::string_view text, Dialect dialect, Reading& out) {
    switch (syntax.form) {
    case Form::PathData:
        static_cast<void>(readPathData(text, out));
        return;
    case Form::TransformList:
        readTransformList(text, out);
        return;
    default:
        readParts(text, dialect, out);
        return;
    }
}

} // namespace Tool::Standard
