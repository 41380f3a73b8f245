// Widening a float to the double that its shortest decimal text names.
#pragma once

#include <charconv>
#include <system_error>

namespace Core::detail {

/// The double nearest the shortest decimal text of `value`: 0.2f becomes 0.2, not
/// 0.20000000298..., so a single-precision component written as a double reads as
/// it was written. Narrowing the result back gives `value` again.
inline double widenShortest(float value) noexcept {
    char digits[32];
    std::to_chars_result const written = std::to_chars(digits, digits + sizeof digits, value);
    double result = value;
    if (written.ec == std::errc()) {
        std::from_chars(digits, written.ptr, result);
    }
    return result;
}

} // namespace Core::detail
