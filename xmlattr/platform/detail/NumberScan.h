// The one scan of a decimal number in text: `Format::fromChars` and the cursor's `number` step
// both start from what it finds, and neither goes over the same digits again to round them.
#pragma once

#include "xmlattr/platform/Format.h"
#include "xmlattr/platform/String.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace Core::detail {

/// A code unit that can begin a number: a sign, a point or a digit.
constexpr bool beginsNumber(char16_t unit) noexcept {
    return String::isDigit(unit) || unit == u'+' || unit == u'-' || unit == u'.';
}

/// Steps over the decimal digits from `i` up to `end`, appending them to `digits` (which wraps
/// beyond 19 of them: the scan then calls the number inexact).
constexpr std::size_t takeDigits(char16_t const* text, std::size_t i, std::size_t end,
                                 std::uint64_t& digits) noexcept {
    for (unsigned digit = 0; i < end && (digit = static_cast<unsigned>(text[i]) - u'0') < 10; ++i) {
        digits = digits * 10 + digit;
    }
    return i;
}

/// The number at the start of `text` by the grammar of `Format` (an integer for `int`), in
/// parts: its length (0 where none begins), sign, digits and power of ten. Leading zeros count
/// as digits, as they cost nothing to read: a number of more than 19 digits, or with an exponent
/// of more than 9, is left inexact for the rounding path to read from its text.
template <class T>
[[gnu::always_inline]] constexpr ScannedNumber scanNumber(std::u16string_view text) noexcept {
    // On locals, built into the result at the end: a caller that hands the result on by address
    // would otherwise have every digit stored to memory as it is read.
    char16_t const* const p = text.data();
    std::size_t const end = text.size();
    if (end == 0) {
        return {};
    }
    // Signs are as good as random in real text: no branch on them.
    bool const negative = p[0] == u'-';
    std::size_t const start = (negative | (p[0] == u'+')) ? 1 : 0;
    std::uint64_t digits = 0;
    long long power = 0;
    std::size_t i = takeDigits(p, start, end, digits);
    std::size_t count = i - start;
    if constexpr (!std::is_same_v<T, int>) {
        if (i < end && p[i] == u'.') {
            std::size_t const fraction = i + 1;
            i = takeDigits(p, fraction, end, digits);
            count += i - fraction;
            power = -static_cast<long long>(i - fraction);
        }
    }
    if (count == 0) {
        return {};
    }
    if constexpr (!std::is_same_v<T, int>) {
        if (i < end && (p[i] | 0x20) == u'e') {
            std::size_t const sign = i + 1;
            std::size_t const first =
                sign < end && (p[sign] == u'-' || p[sign] == u'+') ? sign + 1 : sign;
            std::uint64_t exponent = 0;
            std::size_t const last = takeDigits(p, first, end, exponent);
            // "1e" and "1e+" are the number 1 followed by other text.
            if (last > first) {
                // Beyond 9 digits the exponent may have wrapped: the number is left inexact.
                constexpr std::size_t kExponentDigits = 9;
                if (last - first > kExponentDigits) {
                    count = ScannedNumber::kExactDigits + 1;
                } else {
                    auto const magnitude = static_cast<long long>(exponent);
                    power += p[sign] == u'-' ? -magnitude : magnitude;
                }
                i = last;
            }
        }
    }
    return {digits, power, i, negative, count <= ScannedNumber::kExactDigits};
}

// Whether `text` scans to a number of `length` code units with the exact digits `digits` and the
// power `exponent`.
template <class T>
constexpr bool scans(std::u16string_view text, std::size_t length, std::uint64_t digits,
                     long long exponent) noexcept {
    ScannedNumber const number = scanNumber<T>(text);
    return number.length == length && number.exact && number.digits == digits &&
           number.exponent == exponent && number.negative == (text[0] == u'-');
}
static_assert(scans<float>(u"-0.5,1", 4, 5, -1) && scans<float>(u"12e2x", 4, 12, 2) &&
              scans<float>(u"1e+", 1, 1, 0) && scans<float>(u"+.25", 4, 25, -2) &&
              scans<float>(u"5.", 2, 5, 0) && scans<float>(u"0.000125e-3", 11, 125, -9) &&
              scans<float>(u"007.50", 6, 750, -2) && scans<float>(u"1.5.5", 3, 15, -1) &&
              scans<double>(u"9999999999999999999", 19, 9999999999999999999u, 0) &&
              scans<float>(u"1e-999999999", 12, 1, -999999999));
// Long fractions, as real text has them, stopped by code units on either side of the digits.
static_assert(scans<float>(u"0.1234", 6, 1234, -4) && scans<float>(u"-2.12345/1", 8, 212345, -5) &&
              scans<float>(u"2.123456:11", 8, 2123456, -6) &&
              scans<float>(u"2.1234567\u8030111", 9, 21234567, -7) &&
              scans<float>(u"0.00001234e2", 12, 1234, -6) &&
              scans<double>(u".1234567890123456789", 20, 1234567890123456789u, -19) &&
              !scanNumber<float>(u".12345678901234567890").exact);
static_assert(scans<int>(u"-255)", 4, 255, 0) && scans<int>(u"7.25", 1, 7, 0) &&
              scans<int>(u"1e3", 1, 1, 0) && scans<int>(u"+007", 4, 7, 0));
static_assert(scanNumber<float>(u"1E1234567890").length == 12 &&
              !scanNumber<float>(u"1E1234567890").exact &&
              !scanNumber<float>(u"000000000000000000001").exact);
static_assert(scanNumber<float>(u"-.").length == 0 && scanNumber<float>(u"").length == 0 &&
              scanNumber<float>(u"e5").length == 0 && scanNumber<int>(u".5").length == 0 &&
              !scanNumber<double>(u"10000000000000000000").exact &&
              scanNumber<double>(u"1000000000000000000.5").length == 21);

} // namespace Core::detail
