// The comparison of the two readings, and its tolerances.
#include "ReadingComparison.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace Tool {

namespace {

using Standard::Part;
using Kind = Part::Kind;

// The library holds numbers in single precision: the float nearest a decimal is within half a
// unit in the last place (2^-24 of the number), and the library's own arithmetic on it
// (a unit's factor, a percentage's hundredth) adds a few such units. 2^-20 allows sixteen of
// them, and is still a thousand times finer than the smallest difference an author writes on
// purpose in the seven digits a float keeps. Below the smallest normal float, nothing the
// library holds is distinct from zero.
bool sameNumber(double a, double b) {
    if (a == b) {
        return true;
    }
    double const scale = std::max(std::fabs(a), std::fabs(b));
    return scale < std::numeric_limits<float>::min() || std::fabs(a - b) <= scale * 0x1p-20;
}

double pixelsPer(std::string_view unit) {
    if (unit == "px") {
        return 1;
    }
    if (unit == "in") {
        return 96;
    }
    if (unit == "cm") {
        return 96 / 2.54;
    }
    if (unit == "mm") {
        return 96 / 25.4;
    }
    if (unit == "pt") {
        return 96.0 / 72;
    }
    if (unit == "pc") {
        return 16;
    }
    return 0; // em and ex have no size of their own
}

bool isNumeric(Kind kind) {
    return kind == Kind::Number || kind == Kind::Measure || kind == Kind::Percentage;
}

enum class Match : unsigned char { Same, Differs, Incomparable };

Match numericMatch(Part const& a, Part const& b, bool plainNumbersArePixels) {
    if (a.number == 0 && b.number == 0) {
        return Match::Same; // a zero is zero in every unit
    }
    auto const same = [](bool equal) { return equal ? Match::Same : Match::Differs; };
    // A plain number in SVG is in user units, which are pixels.
    auto const pixels = [&](Part const& p, double& px) {
        if (p.kind == Kind::Number && plainNumbersArePixels) {
            px = p.number;
            return true;
        }
        double const factor = p.kind == Kind::Measure ? pixelsPer(p.unit) : 0;
        px = p.number * factor;
        return factor != 0;
    };
    if (double pa = 0, pb = 0; pixels(a, pa) && pixels(b, pb)) {
        return same(sameNumber(pa, pb));
    }
    if (a.kind == b.kind && a.unit == b.unit) {
        return same(sameNumber(a.number, b.number));
    }
    // A factor written as a percentage ("50%") is held as the plain number 0.5.
    if (a.kind == Kind::Percentage && b.kind == Kind::Number) {
        return same(sameNumber(a.number / 100, b.number));
    }
    if (a.kind == Kind::Number && b.kind == Kind::Percentage) {
        return same(sameNumber(a.number, b.number / 100));
    }
    return Match::Differs;
}

// Colours are held in eight bits a channel: any value within one step of the exact one is
// the rounding of a percentage or of hsl(), not another colour.
Match colorMatch(Part const& a, Part const& b) {
    for (std::size_t i = 0; i < 3; ++i) {
        if (std::fabs(a.color[i] - b.color[i]) >= 1) {
            return Match::Differs;
        }
    }
    return std::fabs(a.color[3] - b.color[3]) * 255 < 1 ? Match::Same : Match::Differs;
}

Match partMatch(Part const& standard, Part const& library, bool plainNumbersArePixels) {
    if (isNumeric(standard.kind) && isNumeric(library.kind)) {
        return numericMatch(standard, library, plainNumbersArePixels);
    }
    if (standard.kind == Kind::Color && library.kind == Kind::Color) {
        return colorMatch(standard, library);
    }
    if (standard.kind == Kind::Reference && library.kind == Kind::Reference) {
        return standard.text == library.text ? Match::Same : Match::Differs;
    }
    return Match::Incomparable;
}

std::string numberText(double number) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", number);
    return buffer;
}

std::string partText(Part const& part) {
    switch (part.kind) {
    case Kind::Number:
        return numberText(part.number);
    case Kind::Measure:
        return numberText(part.number) + std::string(part.unit);
    case Kind::Percentage:
        return numberText(part.number) + "%";
    case Kind::Color: {
        std::string text = "rgb(";
        for (std::size_t i = 0; i < 3; ++i) {
            text += (i > 0 ? "," : "") + numberText(std::round(part.color[i] * 1000) / 1000);
        }
        if (part.color[3] != 1) {
            text += "," + numberText(part.color[3]);
        }
        return text + ")";
    }
    case Kind::Reference:
        return "url(" + std::string(part.text) + ")";
    case Kind::Keyword:
        return std::string(part.text);
    }
    return {};
}

std::string partsText(std::vector<Part> const& parts) {
    std::string text;
    for (Part const& part : parts) {
        text += (text.empty() ? "" : " ") + partText(part);
    }
    return text;
}

Difference compareParts(Standard::Reading const& standard, Standard::Reading const& library,
                        bool plainNumbersArePixels) {
    std::vector<Part> const& s = standard.parts;
    std::vector<Part> const& l = library.parts;
    Difference difference;
    std::size_t const common = std::min(s.size(), l.size());
    for (std::size_t i = 0; i < common; ++i) {
        Match const match = partMatch(s[i], l[i], plainNumbersArePixels);
        if (match == Match::Incomparable) {
            return difference;
        }
        if (match == Match::Differs) {
            difference.kind = Difference::Kind::Value;
            difference.begin = s[i].begin;
            difference.end = s[i].end;
            bool const lists = s.size() > 1 && l.size() > 1;
            difference.item = lists ? i + 1 : 0;
            difference.library = lists ? partText(l[i]) : partsText(l);
            difference.standard = lists ? partText(s[i]) : partsText(s);
            return difference;
        }
    }
    if (common == 0 || s.size() == l.size()) {
        return difference;
    }
    if (l.size() > s.size()) {
        difference.kind = Difference::Kind::Value;
        difference.library = partsText(l);
        difference.standard = partsText(s);
        return difference;
    }
    // A shorthand that repeats the value held ("1pt 1pt") loses nothing.
    bool const repeats = std::all_of(
        s.begin() + static_cast<std::ptrdiff_t>(common), s.end(), [&](Part const& part) {
            return partMatch(part, l.back(), plainNumbersArePixels) == Match::Same;
        });
    if (repeats) {
        return difference;
    }
    difference.kind = Difference::Kind::Unheld;
    difference.unheld = s.size() - common;
    difference.begin = s[common].begin;
    difference.end = s.back().end;
    difference.library = partsText(l);
    difference.standard = partsText(s);
    return difference;
}

std::string commandText(char command, std::vector<double> const& numbers, std::size_t first) {
    std::string text(1, command);
    for (std::size_t i = 0; i < Standard::pathArguments(command) && first + i < numbers.size();
         ++i) {
        text += " " + numberText(numbers[first + i]);
    }
    return text;
}

Difference comparePaths(Standard::Reading const& standard, std::string_view value,
                        Standard::Reading const& library) {
    Difference difference;
    std::size_t const count = std::min(standard.commands.size(), library.commands.size());
    std::size_t number = 0;
    for (std::size_t i = 0; i < count; ++i) {
        char const command = standard.commands[i];
        std::size_t const arguments = Standard::pathArguments(command);
        // A closepath has no relative form: "z" and "Z" are one command.
        bool const closes = (command | 0x20) == 'z' && (library.commands[i] | 0x20) == 'z';
        bool same = (command == library.commands[i] || closes) &&
                    number + arguments <= standard.numbers.size() &&
                    number + arguments <= library.numbers.size();
        for (std::size_t k = 0; same && k < arguments; ++k) {
            same = sameNumber(standard.numbers[number + k], library.numbers[number + k]);
        }
        if (!same) {
            difference.kind = Difference::Kind::Value;
            difference.item = i + 1;
            difference.begin = i < standard.commandStarts.size() ? standard.commandStarts[i] : 0;
            difference.end = i + 1 < standard.commandStarts.size() ? standard.commandStarts[i + 1]
                                                                   : value.size();
            difference.standard = commandText(command, standard.numbers, number);
            difference.library = commandText(library.commands[i], library.numbers, number);
            return difference;
        }
        number += arguments;
    }
    if (standard.commands.size() != library.commands.size()) {
        difference.kind = Difference::Kind::Value;
        difference.library = std::to_string(library.commands.size()) + " commands";
        difference.standard = std::to_string(standard.commands.size()) + " commands";
        difference.begin =
            count < standard.commandStarts.size() ? standard.commandStarts[count] : value.size();
        difference.end = value.size();
    }
    return difference;
}

std::string matrixText(std::array<double, 6> const& m) {
    std::string text = "matrix(";
    for (std::size_t i = 0; i < m.size(); ++i) {
        text += (i > 0 ? " " : "") + numberText(m[i]);
    }
    return text + ")";
}

// Each item's numbers carry the float rounding above; composing several items multiplies
// them, so an entry may keep a rounding of the largest entry rather than of itself: the
// tolerance is relative to the largest entry, and to 1 for the rotations and scales.
Difference compareMatrices(Standard::Reading const& standard, std::string_view value,
                           Standard::Reading const& library) {
    double scale = 1;
    for (std::size_t i = 0; i < 6; ++i) {
        scale = std::max({scale, std::fabs(standard.matrix[i]), std::fabs(library.matrix[i])});
    }
    Difference difference;
    for (std::size_t i = 0; i < 6; ++i) {
        if (std::fabs(standard.matrix[i] - library.matrix[i]) > scale * 0x1p-17) {
            difference.kind = Difference::Kind::Value;
            difference.end = value.size();
            difference.library = matrixText(library.matrix);
            difference.standard = matrixText(standard.matrix);
            break;
        }
    }
    return difference;
}

} // namespace

Difference compareReadings(Standard::Reading const& standard, std::string_view value,
                           Standard::Reading const& library, bool plainNumbersArePixels) {
    using Shape = Standard::Reading::Shape;
    if (standard.shape != library.shape) {
        return {};
    }
    switch (standard.shape) {
    case Shape::Parts:
        return compareParts(standard, library, plainNumbersArePixels);
    case Shape::Path:
        return comparePaths(standard, value, library);
    case Shape::Matrix:
        return compareMatrices(standard, value, library);
    }
    return {};
}

} // namespace Tool
