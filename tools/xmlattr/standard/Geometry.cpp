// SVG's geometry micro-syntaxes, after the grammars of SVG 1.1: path data, transform lists,
// point lists, view boxes and preserveAspectRatio.
#include "Readers.h"

#include <array>

namespace Tool::Standard {

namespace {

bool readPair(Scanner& scanner) {
    if (!scanner.number()) {
        return false;
    }
    scanner.commaSpace();
    return scanner.number();
}

bool readNonNegative(Scanner& scanner) {
    Number number;
    return scanner.number(&number) && !number.negative;
}

bool readFlag(Scanner& scanner) { return scanner.take('0') || scanner.take('1'); }

// rx ry x-axis-rotation large-arc-flag sweep-flag x y; only the rotation needs a separator
// after it, so flags may run together ("a1 1 0 01 2 2").
bool readArc(Scanner& scanner) {
    if (!readNonNegative(scanner)) {
        return false;
    }
    scanner.commaSpace();
    if (!readNonNegative(scanner)) {
        return false;
    }
    scanner.commaSpace();
    if (!scanner.number() || !scanner.commaSpace() || !readFlag(scanner)) {
        return false;
    }
    scanner.commaSpace();
    if (!readFlag(scanner)) {
        return false;
    }
    scanner.commaSpace();
    return readPair(scanner);
}

bool readGroup(Scanner& scanner, char command) {
    switch (command) {
    case 'm':
    case 'l':
    case 't':
        return readPair(scanner);
    case 'h':
    case 'v':
        return scanner.number();
    case 'c':
        return readPair(scanner) && (scanner.commaSpace(), readPair(scanner)) &&
               (scanner.commaSpace(), readPair(scanner));
    case 's':
    case 'q':
        return readPair(scanner) && (scanner.commaSpace(), readPair(scanner));
    case 'a':
        return readArc(scanner);
    default:
        return false;
    }
}

constexpr std::array<std::string_view, 10> kAlignments = {
    "none",     "xMinYMin", "xMidYMin", "xMaxYMin", "xMinYMid",
    "xMidYMid", "xMaxYMid", "xMinYMax", "xMidYMax", "xMaxYMax"};

struct TransformArity {
    std::string_view name;
    unsigned counts; // bit n: n arguments allowed
};

constexpr std::array<TransformArity, 6> kTransforms = {{{"matrix", 1u << 6},
                                                        {"translate", (1u << 1) | (1u << 2)},
                                                        {"scale", (1u << 1) | (1u << 2)},
                                                        {"rotate", (1u << 1) | (1u << 3)},
                                                        {"skewX", 1u << 1},
                                                        {"skewY", 1u << 1}}};

bool readTransform(Scanner& scanner) {
    std::string_view const name = scanner.name();
    unsigned counts = 0;
    for (TransformArity const& transform : kTransforms) {
        if (transform.name == name) {
            counts = transform.counts;
        }
    }
    scanner.skipSpace();
    if (counts == 0 || !scanner.take('(')) {
        return false;
    }
    scanner.skipSpace();
    unsigned count = 0;
    while (count < 7 && scanner.number()) {
        ++count;
        std::size_t const before = scanner.at();
        scanner.commaSpace();
        if (scanner.peek() == ')') {
            scanner.reset(before);
            break;
        }
    }
    scanner.skipSpace();
    return count < 7 && (counts & (1u << count)) != 0 && scanner.take(')');
}

} // namespace

bool conformsPathData(std::string_view text) {
    Scanner scanner(text);
    scanner.skipSpace();
    bool first = true;
    while (!scanner.atEnd()) {
        char const command = lowerAscii(scanner.peek());
        if (first && command != 'm') {
            return false;
        }
        first = false;
        scanner.take(scanner.peek());
        scanner.skipSpace();
        if (command != 'z') {
            if (!readGroup(scanner, command)) {
                return false;
            }
            // More groups of the same command may follow, a comma or blanks between.
            for (;;) {
                std::size_t const before = scanner.at();
                scanner.commaSpace();
                if (!readGroup(scanner, command)) {
                    scanner.reset(before);
                    break;
                }
            }
        }
        scanner.skipSpace();
    }
    return true;
}

bool conformsTransformList(std::string_view text) {
    Scanner scanner(text);
    scanner.skipSpace();
    while (!scanner.atEnd()) {
        if (!readTransform(scanner)) {
            return false;
        }
        scanner.skipSpace();
        if (scanner.take(',')) {
            scanner.skipSpace();
            if (scanner.atEnd()) {
                return false;
            }
        }
    }
    return true;
}

bool conformsPoints(std::string_view text) {
    Scanner scanner(text);
    scanner.skipSpace();
    std::size_t count = 0;
    while (!scanner.atEnd()) {
        if (count > 0) {
            std::size_t const before = scanner.at();
            scanner.skipSpace();
            bool const comma = scanner.take(',');
            scanner.skipSpace();
            if (scanner.atEnd()) {
                return !comma && count % 2 == 0;
            }
            // Numbers may touch only where the next one starts with a sign or a point.
            char const next = scanner.peek();
            if (scanner.at() == before && next != '-' && next != '+' && next != '.') {
                return false;
            }
        }
        if (!scanner.number()) {
            return false;
        }
        ++count;
    }
    return count % 2 == 0;
}

bool conformsViewBox(std::string_view text) {
    Scanner scanner(text);
    scanner.skipSpace();
    for (int i = 0; i < 4; ++i) {
        Number number;
        if ((i > 0 && !scanner.commaSpace()) || !scanner.number(&number) ||
            (i >= 2 && number.negative)) {
            return false;
        }
    }
    scanner.skipSpace();
    return scanner.atEnd();
}

bool conformsAspectRatio(std::string_view text) {
    Scanner scanner(text);
    scanner.skipSpace();
    std::string_view word = scanner.name();
    if (word == "defer") {
        scanner.skipSpace();
        word = scanner.name();
    }
    bool aligned = false;
    for (std::string_view const alignment : kAlignments) {
        aligned = aligned || word == alignment;
    }
    if (!aligned) {
        return false;
    }
    scanner.skipSpace();
    if (!scanner.atEnd()) {
        std::string_view const fit = scanner.name();
        if (fit != "meet" && fit != "slice") {
            return false;
        }
        scanner.skipSpace();
    }
    return scanner.atEnd();
}

} // namespace Tool::Standard
