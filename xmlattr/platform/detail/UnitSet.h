// Sets of ASCII code units below 64 (white space, punctuation, digits) as bits of one word:
// the readers test each code unit against a set in one step rather than a chain of branches.
#pragma once

#include "xmlattr/platform/String.h"

#include <cstdint>
#include <string_view>

namespace Core::detail {

/// The set of `units`, all of them below 64.
constexpr std::uint64_t unitSet(std::u16string_view units) noexcept {
    std::uint64_t set = 0;
    for (char16_t const unit : units) {
        set |= std::uint64_t{1} << unit;
    }
    return set;
}

/// Whether `unit` is in `set`; no code unit of 64 or above is.
constexpr bool inUnitSet(char16_t unit, std::uint64_t set) noexcept {
    return (unit < 64) & ((set >> (unit & 63) & 1) != 0);
}

/// White space as `Core::String::isSpace` knows it, taken from it.
inline constexpr std::uint64_t kSpaceUnits = [] {
    std::uint64_t set = 0;
    for (char16_t unit = 0; unit < 64; ++unit) {
        set |= std::uint64_t{String::isSpace(unit)} << unit;
    }
    return set;
}();

static_assert(inUnitSet(u' ', kSpaceUnits) && inUnitSet(u'\r', kSpaceUnits) &&
              !inUnitSet(u'\0', kSpaceUnits) && !inUnitSet(u'\u0120', kSpaceUnits) &&
              !inUnitSet(u'`', unitSet(u" ")));

} // namespace Core::detail
