// The short way of Core::Format's prefix reader, inline so that the cursor of the list
// readers takes the numbers attribute text is made of without a call into the library.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace Core::detail {

/// Powers of ten that a double holds exactly.
inline constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                          1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
/// Powers of ten that a float holds exactly.
inline constexpr float kExactFloatPowers[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                              1e6f, 1e7f, 1e8f, 1e9f, 1e10f};

/// Steps over the decimal digits from `i` up to `end`, appending them to `digits`.
constexpr std::size_t takeDigits(char16_t const* text, std::size_t i, std::size_t end,
                                 std::uint64_t& digits) noexcept {
    for (unsigned digit = 0; i < end && (digit = static_cast<unsigned>(text[i]) - u'0') < 10; ++i) {
        digits = digits * 10 + digit;
    }
    return i;
}

/// The integer at the start of `text` when it has at most nine digits, which no int
/// overflows: its length with `value` set, or 0 with `value` untouched, which leaves the text
/// to `Format::fromChars`.
constexpr std::size_t readShortInteger(std::u16string_view text, int& value) noexcept {
    char16_t const* const p = text.data();
    if (text.empty()) {
        return 0;
    }
    bool const negative = p[0] == u'-';
    std::size_t const start = (negative | (p[0] == u'+')) ? 1 : 0;
    constexpr std::size_t kMaxDigits = 9;
    std::uint64_t digits = 0;
    std::size_t const end =
        takeDigits(p, start, std::min(text.size(), start + kMaxDigits + 1), digits);
    if (end == start || end - start > kMaxDigits) {
        return 0;
    }
    auto const magnitude = static_cast<int>(digits);
    value = negative ? -magnitude : magnitude;
    return end;
}

/// `magnitude` with its sign bit set when `negative`: signs are as good as random in real
/// text, so they are applied without a branch.
template <class T> constexpr T withSign(T magnitude, bool negative) noexcept {
    using Bits = std::conditional_t<std::is_same_v<T, float>, std::uint32_t, std::uint64_t>;
    return std::bit_cast<T>(std::bit_cast<Bits>(magnitude) | Bits{negative}
                                                                 << (sizeof(Bits) * 8 - 1));
}

/// The number at the start of `text` when it is one of the short ones attribute text is
/// made of: at most 15 digits and all of it within the first 16 code units. Returns its length
/// with `value` set, or 0 with `value` untouched, which leaves the text, whatever it holds, to
/// `Format::fromChars`. In one pass: the digits form an integer m below 2^53 and the point and
/// exponent a power of ten 10^p; where p lies within ±22 both are exact doubles and one
/// multiplication or division rounds m·10^p correctly. A float takes that operation in single
/// precision where m is at most 2^24 and p within ±10, as both are then exact floats; otherwise
/// it rounds the double again, which is right unless the double fell exactly halfway between
/// two floats.
template <class T>
constexpr std::size_t readShortNumber(std::u16string_view text, T& value) noexcept {
    static_assert(std::is_same_v<T, float> || std::is_same_v<T, double>);
    constexpr std::size_t kWindow = 16;
    char16_t const* const p = text.data();
    std::size_t const end = std::min(text.size(), kWindow);
    if (end == 0) {
        return 0;
    }
    // Signs are as good as random in real text: no branch on them.
    bool const negative = p[0] == u'-';
    std::size_t const start = (negative | (p[0] == u'+')) ? 1 : 0;
    std::uint64_t digits = 0;
    std::size_t i = takeDigits(p, start, end, digits);
    std::size_t count = i - start;
    long long power = 0;
    if (i < end && p[i] == u'.') {
        std::size_t const fraction = i + 1;
        i = takeDigits(p, fraction, end, digits);
        count += i - fraction;
        power = -static_cast<long long>(i - fraction);
    }
    // A number that reaches the end of the window may go on beyond it.
    if (count == 0 || i == kWindow) {
        return 0;
    }
    if (i < end && (p[i] | 0x20) == u'e') {
        std::size_t const sign = i + 1;
        std::size_t const first =
            sign < end && (p[sign] == u'-' || p[sign] == u'+') ? sign + 1 : sign;
        std::uint64_t exponent = 0;
        std::size_t const last = takeDigits(p, first, end, exponent);
        if (last == kWindow) {
            return 0;
        }
        // "1e" and "1e+" are the number 1 followed by other text.
        if (last > first) {
            power += p[sign] == u'-' ? -static_cast<long long>(exponent)
                                     : static_cast<long long>(exponent);
            i = last;
        }
    }
    if (power < -22 || power > 22) {
        return 0;
    }
    auto const scale = static_cast<std::size_t>(power < 0 ? -power : power);
    T magnitude = 0;
    if constexpr (std::is_same_v<T, float>) {
        if (digits <= std::uint64_t{1} << 24 && scale <= 10) {
            auto const m = static_cast<float>(digits);
            magnitude = power <= 0 ? m / kExactFloatPowers[scale] : m * kExactFloatPowers[scale];
        } else {
            auto const m = static_cast<double>(digits);
            double const wide = power <= 0 ? m / kExactPowers[scale] : m * kExactPowers[scale];
            // The 29 bits below a float's precision are one 1 and zeros: halfway.
            constexpr std::uint64_t kBelowFloat = (std::uint64_t{1} << 29) - 1;
            if ((std::bit_cast<std::uint64_t>(wide) & kBelowFloat) == std::uint64_t{1} << 28) {
                return 0;
            }
            magnitude = static_cast<float>(wide);
        }
    } else {
        auto const m = static_cast<double>(digits);
        magnitude = power <= 0 ? m / kExactPowers[scale] : m * kExactPowers[scale];
    }
    value = withSign(magnitude, negative);
    return i;
}

// Reads `text` as `readShortNumber` and `readShortInteger` do, and compares the result with a
// length of `expected` code units and `value`; a sentinel stays where nothing is read.
template <class T>
constexpr bool readsShort(std::u16string_view text, std::size_t expected, T value) noexcept {
    T out = T(-7);
    std::size_t length = 0;
    if constexpr (std::is_same_v<T, int>) {
        length = readShortInteger(text, out);
    } else {
        length = readShortNumber(text, out);
    }
    return length == expected && out == (expected == 0 ? T(-7) : value);
}
static_assert(readsShort(u"-0.5,1", 4, -0.5) && readsShort(u"12e2x", 4, 1200.0) &&
              readsShort(u"1e+", 1, 1.0) && readsShort(u"+.25", 4, 0.25f) &&
              readsShort(u"5.", 2, 5.0f) && readsShort(u"123456789012345", 15, 123456789012345.0) &&
              readsShort(u"1234567890123456", 0, 0.0) && readsShort(u"1e23", 0, 0.0) &&
              readsShort(u"-.", 0, 0.0) && readsShort(u"", 0, 0.0));
static_assert(readsShort(u"-255)", 4, -255) && readsShort(u"+007", 4, 7) &&
              readsShort(u"123456789", 9, 123456789) && readsShort(u"1234567890", 0, 0) &&
              readsShort(u"-", 0, 0) && readsShort(u"", 0, 0));

} // namespace Core::detail
