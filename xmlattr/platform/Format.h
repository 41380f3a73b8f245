// Core::Format: locale-independent reading and writing of numbers.
#pragma once

#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <system_error>

namespace Core {

/// What `Format::fromChars` found at the start of a text.
struct NumberRead {
    /// Code units the number takes, also when it is out of range; 0 when there is none.
    int consumed;
    /// Empty when the value was read; `invalid_argument` when the text does not start with a
    /// number; `result_out_of_range` when the number is too large for the type.
    std::errc error;

    /// Whether a number was read.
    constexpr explicit operator bool() const noexcept { return error == std::errc(); }
};

/// A decimal number as one pass over its text finds it, before any rounding: the value is
/// digits × 10^exponent with its sign when `exact`. Beyond 19 digits (leading zeros included)
/// or 9 exponent digits the parts are not kept, and rounding goes back to the number's text.
struct ScannedNumber {
    /// The most digits that `digits` holds exactly.
    static constexpr std::size_t kExactDigits = 19;

    /// The digits without the point, when `exact`.
    std::uint64_t digits;
    /// The power of ten of the last digit.
    long long exponent;
    /// Code units the number takes; 0 where none begins the text.
    std::size_t length;
    /// Whether a "-" leads the number.
    bool negative;
    /// Whether `digits` and `exponent` hold the number.
    bool exact;
};

/// Numbers in text, the same in every locale. The grammar of a decimal number is
/// [+|-] digits [. digits] [(e|E) [+|-] digits], where either the integer or the
/// fraction digits may be absent but not both; integers have no point and no exponent.
/// There is no "inf", "nan" or hexadecimal float.
struct XMLATTR_EXPORT Format {
    /// Strict forms. White space (`String::isSpace`) before and after the number is
    /// skipped; a single "%" may follow the number directly and is ignored, in all three
    /// forms (the caller applies it: "50%" gives 50, "50 %" is rejected). Any other text, or a
    /// number outside the type's range, gives false and leaves `out` untouched. An underflowing
    /// float rounds to zero and is accepted.
    [[nodiscard]] static bool parseInt(std::u16string_view text, int& out) noexcept;
    /// As `parseInt`, for single precision.
    [[nodiscard]] static bool parseFloat(std::u16string_view text, float& out) noexcept;
    /// Hexadecimal digits in either case, optionally after "0x" or "0X"; no sign.
    [[nodiscard]] static bool parseHexInt(std::u16string_view text, int& out) noexcept;

    /// The prefix reader, in the manner of `std::from_chars`: the number that starts `text`
    /// (no white space is skipped), as long as the grammar allows, and how far it went. What
    /// follows is left to the caller: "12pt" reads 12 and consumes 2, "1.5.5" reads 1.5 and
    /// consumes 3, "1e" reads 1 and consumes 1. Correctly rounded, whatever the number of
    /// digits; allocates nothing. `value` is written only on success; a float or double
    /// too small for its type rounds to a (signed) zero and succeeds.
    static NumberRead fromChars(std::u16string_view text, int& value) noexcept;
    /// As the `int` form, correctly rounded to the type.
    ///@{
    static NumberRead fromChars(std::u16string_view text, float& value) noexcept;
    static NumberRead fromChars(std::u16string_view text, double& value) noexcept;
    ///@}
    /// The rounding step of `fromChars` alone, for a reader that scanned the number at the start
    /// of `text` itself (the library's cursor does, so as to take the short numbers inline).
    /// `number.length` must be more than 0.
    static NumberRead fromScanned(std::u16string_view text, ScannedNumber const& number,
                                  int& value) noexcept;
    /// As the `int` form, for the other types.
    ///@{
    static NumberRead fromScanned(std::u16string_view text, ScannedNumber const& number,
                                  float& value) noexcept;
    static NumberRead fromScanned(std::u16string_view text, ScannedNumber const& number,
                                  double& value) noexcept;
    ///@}

    /// Lenient forms, as C's atoi and atof: leading white space is skipped and the
    /// longest prefix that is a number is read; no number gives 0. Out of range, an
    /// integer is clamped to the nearest limit and a float becomes an infinity.
    static int parseInt(std::u16string_view text) noexcept;
    /// As `parseInt`, in single precision.
    static float parseFloat(std::u16string_view text) noexcept;

    /// Decimal text of `value`.
    static String toString(int value);
    /// Text that reads back to the same value. For magnitudes from 1e-7 up to but
    /// excluding 1e21, and zero, the shortest such text without exponent ("12", "1.5",
    /// "0.1", "-0", "2147483648"; a large value is written with all its integer digits,
    /// 1e20f as "100000002004087734272"); beyond them the shortest with an exponent
    /// ("1e+21", "1.5e-08"); "nan", "inf" or "-inf" for the values that are no number.
    static String toString(float value);
    /// As the `float` form, for double precision.
    static String toString(double value);
};

} // namespace Core
