// Steps shared by the SVG list readers (path data, points, transforms): numbers that may
// carry a unit, read at a cursor without copying the text.
#pragma once

#include "xmlattr/length/detail/LengthText.h"
#include "xmlattr/platform/Format.h"
#include "xmlattr/platform/detail/Cursor.h"
#include "xmlattr/platform/detail/NumberScan.h"
#include "xmlattr/platform/detail/UnitSet.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>
#include <system_error>

namespace Xml::detail {

/// White space, a comma or what begins a number: the code units that end a number without a
/// unit. One test of a bit set, as nearly every number ends at one of them.
constexpr bool endsBareNumber(char16_t unit) noexcept {
    constexpr std::uint64_t kEnds =
        Core::detail::kSpaceUnits | Core::detail::unitSet(u",+-.0123456789");
    return Core::detail::inUnitSet(unit, kEnds);
}
static_assert(endsBareNumber(u' ') && endsBareNumber(u'\r') && endsBareNumber(u',') &&
              endsBareNumber(u'-') && endsBareNumber(u'.') && endsBareNumber(u'9') &&
              !endsBareNumber(u'/') && !endsBareNumber(u'*') && !endsBareNumber(u'm') &&
              !endsBareNumber(u'\0') && !endsBareNumber(u'\u0120'));
static_assert([] {
    for (char16_t unit = 0; unit < 128; ++unit) {
        bool const bare =
            Core::String::isSpace(unit) || unit == u',' || Core::detail::beginsNumber(unit);
        if (endsBareNumber(unit) != bare) {
            return false;
        }
    }
    return true;
}());

/// The cursor's `number` step for the readers that always succeed (path data, transforms): a
/// number too large for a float is stepped over and read as the largest finite float of its
/// sign, so that no value read from text is infinite. False, with nothing moved and `out`
/// untouched, where no number begins.
[[nodiscard]] inline bool readNumber(Core::detail::Cursor& cursor, float& out) noexcept {
    Core::NumberRead const read = cursor.number(out);
    if (read.error != std::errc::result_out_of_range) {
        return static_cast<bool>(read);
    }
    out = cursor.peek() == u'-' ? -std::numeric_limits<float>::max()
                                : std::numeric_limits<float>::max();
    cursor.advance(static_cast<std::size_t>(read.consumed));
    return true;
}

/// The length that a number already read, followed by `suffix`, stands for in the SVG lists:
/// "%" makes a fraction, the last two code units name the unit, and any other suffix (the
/// empty one included) gives pixels.
inline SLength sLengthWithSuffix(float number, std::u16string_view suffix) noexcept {
    if (suffix.empty()) {
        return SLength(number);
    }
    if (suffix == u"%") {
        return SLength(fractionOf(number), SLength::UnitPercent);
    }
    return SLength(number, suffix.size() >= 2 ? slengthUnit(lastTwo(suffix)) : SLength::UnitPx);
}

/// Steps over a run of code units and returns it. `rule(rest, previous)` sees the text from
/// the next code unit on (never empty) and the code unit taken before it (0 at the start),
/// and says how many code units to take: 0 ends the run.
template <class Rule>
std::u16string_view takeRun(Core::detail::Cursor& cursor, Rule rule) noexcept {
    std::u16string_view const rest = cursor.rest();
    std::size_t length = 0;
    while (length < rest.size()) {
        std::size_t const taken = rule(rest.substr(length), length == 0 ? u'\0' : rest[length - 1]);
        if (taken == 0) {
            break;
        }
        length += taken;
    }
    cursor.advance(length);
    return rest.substr(0, length);
}

} // namespace Xml::detail
