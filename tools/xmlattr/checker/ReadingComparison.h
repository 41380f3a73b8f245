// Whether the library holds what the standard reads a value as: two readings in, the first
// difference out. A pure function, so that every rule of it is a row of a table.
#pragma once

#include "standard/Reading.h"

#include <cstddef>
#include <string>

namespace Tool {

struct Difference {
    enum class Kind : unsigned char {
        None = 0,   // the same, or nothing the two readings can be compared on
        Value = 1,  // a number, unit, colour, reference, command or matrix differs
        Unheld = 2, // the library holds the first parts alike and not the rest
    };
    Kind kind = Kind::None;
    /// The standard's side of the difference, in the value read: `[begin, end)`.
    std::size_t begin = 0;
    std::size_t end = 0;
    /// For `Unheld`: how many of the standard's parts the library does not hold.
    std::size_t unheld = 0;
    /// For `Value`, in a list or a path: the item or command that differs, from 1; 0 where
    /// the whole value is meant.
    std::size_t item = 0;
    /// The two sides as text, for the diagnostic: the library's, then the standard's.
    std::string library;
    std::string standard;
};

/// Compares the standard's reading of `value` with the library's reading of the same text.
/// `plainNumbersArePixels` for SVG, whose plain numbers are user units. Numbers agree when
/// they differ by no more than the library's single precision explains (see the source).
Difference compareReadings(Standard::Reading const& standard, std::string_view value,
                           Standard::Reading const& library, bool plainNumbersArePixels);

} // namespace Tool
