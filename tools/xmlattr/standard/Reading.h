// What a value means by the standard, not only whether it is one: the numbers, units, colours
// and references a grammar's tokens stand for, the matrix a transform list composes, the
// commands of path data. The checker compares it with what the library holds.
#pragma once

#include "Syntax.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Tool::Standard {

/// One token of a value.
struct Part {
    enum class Kind : unsigned char {
        Number = 0,     // a number without a unit
        Measure = 1,    // a number and a unit
        Percentage = 2, // a number and "%"; `number` as written (50 for "50%")
        Color = 3,      // `color`: red, green and blue from 0 to 255, alpha from 0 to 1
        Reference = 4,  // url(...): `text` is the reference, without quotes
        Keyword = 5,    // anything else: `text` as written
    };
    Kind kind = Kind::Keyword;
    double number = 0;
    /// A measure's unit in lower case, from a table that lives as long as the program.
    std::string_view unit;
    std::array<double, 4> color{};
    std::string_view text;
    /// Where the token stands in the text read: `[begin, end)`.
    std::size_t begin = 0;
    std::size_t end = 0;
};

struct Reading {
    enum class Shape : unsigned char {
        Parts = 0,  // `parts`, in the order written
        Matrix = 1, // `matrix`: a, b, c, d, e, f of the composed transform
        Path = 2,   // `commands` (a letter each, implicit ones spelled out) and `numbers`
    };
    Shape shape = Shape::Parts;
    std::vector<Part> parts;
    std::array<double, 6> matrix{1, 0, 0, 1, 0, 0};
    std::string commands;
    std::vector<double> numbers;
    /// For paths: where each command's letter or first number stands in the text read.
    std::vector<std::size_t> commandStarts;

    /// Empties the reading, keeping what it has allocated for the next one.
    void clear() noexcept {
        shape = Shape::Parts;
        parts.clear();
        matrix = {1, 0, 0, 1, 0, 0};
        commands.clear();
        numbers.clear();
        commandStarts.clear();
    }
};

/// Whether the grammar's values hold anything but keywords and text: numbers, measures,
/// colours, references, paths or transforms, which a reading can be compared on.
[[nodiscard]] bool readsQuantities(Syntax const& syntax) noexcept;

/// The units a measure may take, in lower case.
[[nodiscard]] std::span<std::string_view const> measureUnits() noexcept;

/// Reads `text`, a value that conforms to `syntax`, into `out`: path data and transform lists
/// by their own shapes, every other grammar token by token. A text that does not conform
/// gives some reading without harm, but no meaningful one.
void readValue(Syntax const& syntax, std::string_view text, Dialect dialect, Reading& out);

/// Reads any text as a sequence of tokens separated by blanks or commas: how a value the
/// library writes back is read for the comparison.
void readParts(std::string_view text, Dialect dialect, Reading& out);
/// Whether `text` conforms to `syntax` and, when it does, its reading in `out`: conforms()
/// and readValue() in one, path data in one pass over the text.
[[nodiscard]] bool readConforming(Syntax const& syntax, std::string_view text, Dialect dialect,
                                  Reading& out);
/// Reads path data as far as it conforms; true when all of it does.
[[nodiscard]] bool readPathData(std::string_view text, Reading& out);
/// How many numbers a path command takes ("M" two, "A" seven, "Z" none).
[[nodiscard]] std::size_t pathArguments(char command) noexcept;
void readTransformList(std::string_view text, Reading& out);

/// Where a value that does not conform to `syntax` goes wrong: the first token, list item or
/// transform item that the grammar does not take on its own, or the first token beyond the
/// most a shorthand takes, as `[begin, end)` of `text`; the whole text, blanks around it left
/// out, where no one part is to blame.
std::pair<std::size_t, std::size_t> faultOf(Syntax const& syntax, std::string_view text,
                                            Dialect dialect);

/// Composes one transform item, given by its name and arguments, after those already in the
/// matrix of `out`. An argument left out takes the standard's default.
void applyTransform(Reading& out, std::string_view name, std::span<double const> arguments);

/// The colour a keyword, "#rgb", "#rrggbb", rgb(), rgba(), hsl(), hsla() or rgb-icc() token
/// stands for; false when the token is none of them.
[[nodiscard]] bool colorValue(std::string_view token, std::array<double, 4>& color);

} // namespace Tool::Standard
