// The one scan of a decimal number in text, which `Format::fromChars` and the cursor's `number`
// step both stand on.
#pragma once

#include "xmlattr/platform/String.h"

namespace Core::detail {

/// A code unit that can begin a number: a sign, a point or a digit.
constexpr bool beginsNumber(char16_t unit) noexcept {
    return String::isDigit(unit) || unit == u'+' || unit == u'-' || unit == u'.';
}

} // namespace Core::detail
