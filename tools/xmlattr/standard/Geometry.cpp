// SVG's geometry micro-syntaxes, after the grammars of SVG 1.1: path data (checked and read in
// one pass), transform lists, point lists, view boxes and preserveAspectRatio.
#include "Readers.h"
#include "Reading.h"

#include <array>

namespace Tool::Standard {

namespace {

// The path grammar, read as it is checked: in one pass over the text each group's command
// (implicit ones spelled out), where it starts and its numbers go to the reading, when there
// is one to fill.
class PathReader {
public:
    PathReader(std::string_view text, Reading* out) : m_scanner(text), m_out(out) {}

    // False at the first thing the grammar does not take, the reading holding what came before.
    bool read() {
        m_scanner.skipSpace();
        bool first = true;
        while (!m_scanner.atEnd()) {
            std::size_t start = m_scanner.at();
            char written = m_scanner.peek();
            char const command = lowerAscii(written);
            if (first && command != 'm') {
                return false;
            }
            first = false;
            m_scanner.take(written);
            m_scanner.skipSpace();
            if (command == 'z') {
                begin(written, start);
            } else {
                if (!group(command, written, start)) {
                    return false;
                }
                // More groups of the same command may follow, a comma or blanks between; the
                // pairs after a moveto are linetos.
                if (command == 'm') {
                    written = written == 'm' ? 'l' : 'L';
                }
                for (;;) {
                    std::size_t const before = m_scanner.at();
                    m_scanner.commaSpace();
                    start = m_scanner.at();
                    if (!group(command, written, start)) {
                        m_scanner.reset(before);
                        break;
                    }
                }
            }
            m_scanner.skipSpace();
        }
        return true;
    }

private:
    void begin(char written, std::size_t start) {
        if (m_out != nullptr) {
            m_out->commands.push_back(written);
            m_out->commandStarts.push_back(start);
        }
    }

    // One group of arguments; a group that fails takes back what it recorded.
    bool group(char command, char written, std::size_t start) {
        std::size_t const numbers = m_out != nullptr ? m_out->numbers.size() : 0;
        begin(written, start);
        if (arguments(command)) {
            return true;
        }
        if (m_out != nullptr) {
            m_out->commands.pop_back();
            m_out->commandStarts.pop_back();
            m_out->numbers.resize(numbers);
        }
        return false;
    }

    bool arguments(char command) {
        switch (command) {
        case 'm':
        case 'l':
        case 't':
            return pair();
        case 'h':
        case 'v':
            return number();
        case 'c':
            return pair() && (m_scanner.commaSpace(), pair()) && (m_scanner.commaSpace(), pair());
        case 's':
        case 'q':
            return pair() && (m_scanner.commaSpace(), pair());
        case 'a':
            return arc();
        default:
            return false;
        }
    }

    bool number(bool nonNegative = false) {
        double value = 0;
        Number shape;
        if (!m_scanner.number(value, &shape) || (nonNegative && shape.negative)) {
            return false;
        }
        if (m_out != nullptr) {
            m_out->numbers.push_back(value);
        }
        return true;
    }

    bool pair() {
        if (!number()) {
            return false;
        }
        m_scanner.commaSpace();
        return number();
    }

    bool flag() {
        char const c = m_scanner.peek();
        if (!m_scanner.take('0') && !m_scanner.take('1')) {
            return false;
        }
        if (m_out != nullptr) {
            m_out->numbers.push_back(c == '1' ? 1 : 0);
        }
        return true;
    }

    // rx ry x-axis-rotation large-arc-flag sweep-flag x y; only the rotation needs a separator
    // after it, so flags may run together ("a1 1 0 01 2 2").
    bool arc() {
        if (!number(true)) {
            return false;
        }
        m_scanner.commaSpace();
        if (!number(true)) {
            return false;
        }
        m_scanner.commaSpace();
        if (!number() || !m_scanner.commaSpace() || !flag()) {
            return false;
        }
        m_scanner.commaSpace();
        if (!flag()) {
            return false;
        }
        m_scanner.commaSpace();
        return pair();
    }

    Scanner m_scanner;
    Reading* m_out;
};

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

// Flattened: a path is mostly numbers, and the calls per number cost as much as reading it.
[[gnu::flatten]] bool conformsPathData(std::string_view text) {
    return PathReader(text, nullptr).read();
}

[[gnu::flatten]] bool readPathData(std::string_view text, Reading& out) {
    out.clear();
    out.shape = Reading::Shape::Path;
    return PathReader(text, &out).read();
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
