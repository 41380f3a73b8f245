// The short exact path from a scanned number to its value, inline so that the cursor of the
// list readers takes the numbers attribute text is made of without a call into the library.
#pragma once

#include "xmlattr/platform/Format.h"
#include "xmlattr/platform/detail/NumberScan.h"

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

/// `magnitude` with its sign bit set when `negative`: signs are as good as random in real
/// text, so they are applied without a branch.
template <class T> constexpr T withSign(T magnitude, bool negative) noexcept {
    using Bits = std::conditional_t<std::is_same_v<T, float>, std::uint32_t, std::uint64_t>;
    return std::bit_cast<T>(std::bit_cast<Bits>(magnitude) | Bits{negative}
                                                                 << (sizeof(Bits) * 8 - 1));
}

/// The value of a scanned number where one exact operation rounds it correctly, which is so for
/// the numbers attribute text is made of: true with `value` set, or false with `value` untouched,
/// which leaves the number to `Format::fromScanned`. An int is any in its range. A double needs
/// digits m up to 2^53 and a power of ten 10^p within ±22: both are then exact doubles and one
/// multiplication or division rounds m·10^p correctly. A float takes that operation in single
/// precision where m is at most 2^24 and p within ±10, as both are then exact floats; otherwise
/// it rounds the double again, which is right unless the double fell exactly halfway between
/// two floats.
template <class T>
[[gnu::always_inline]] constexpr bool shortValue(ScannedNumber const& number, T& value) noexcept {
    if constexpr (std::is_same_v<T, int>) {
        std::uint64_t const limit = std::uint64_t{1} << 31;
        if (!number.exact || number.digits > limit - (number.negative ? 0 : 1)) {
            return false;
        }
        auto const magnitude = static_cast<long long>(number.digits);
        value = static_cast<int>(number.negative ? -magnitude : magnitude);
        return true;
    } else {
        static_assert(std::is_same_v<T, float> || std::is_same_v<T, double>);
        if constexpr (std::is_same_v<T, float>) {
            // Nearly every number of real text takes this path: its three conditions are tested
            // without a branch between them.
            auto const shifted = static_cast<std::uint64_t>(number.exponent + 10);
            if (number.exact & (number.digits <= std::uint64_t{1} << 24) & (shifted <= 20)) {
                auto const m = static_cast<float>(number.digits);
                long long const power = number.exponent;
                float const magnitude =
                    power <= 0 ? m / kExactFloatPowers[static_cast<std::size_t>(-power)]
                               : m * kExactFloatPowers[static_cast<std::size_t>(power)];
                value = withSign(magnitude, number.negative);
                return true;
            }
        }
        constexpr std::uint64_t kExactDouble = std::uint64_t{1} << 53;
        if (!number.exact || number.exponent < -22 || number.exponent > 22 ||
            number.digits > kExactDouble) {
            return false;
        }
        long long const power = number.exponent;
        auto const scale = static_cast<std::size_t>(power < 0 ? -power : power);
        auto const m = static_cast<double>(number.digits);
        double const wide = power <= 0 ? m / kExactPowers[scale] : m * kExactPowers[scale];
        if constexpr (std::is_same_v<T, float>) {
            // The 29 bits below a float's precision are one 1 and zeros: halfway.
            constexpr std::uint64_t kBelowFloat = (std::uint64_t{1} << 29) - 1;
            if ((std::bit_cast<std::uint64_t>(wide) & kBelowFloat) == std::uint64_t{1} << 28) {
                return false;
            }
            value = withSign(static_cast<float>(wide), number.negative);
        } else {
            value = withSign(wide, number.negative);
        }
        return true;
    }
}

// Scans `text` and takes the short path, comparing the result with `value`; a sentinel stays
// where the path does not apply.
template <class T>
constexpr bool readsShort(std::u16string_view text, bool taken, T value) noexcept {
    T out = T(-7);
    return shortValue(scanNumber<T>(text), out) == taken && out == (taken ? value : T(-7));
}
static_assert(readsShort(u"-0.5,1", true, -0.5) && readsShort(u"12e2x", true, 1200.0) &&
              readsShort(u"+.25", true, 0.25f) && readsShort(u"0.1", true, 0.1f) &&
              readsShort(u"9007199254740992", true, 9007199254740992.0) &&
              readsShort(u"9007199254740993", false, 0.0) && readsShort(u"1e23", false, 0.0) &&
              readsShort(u"1e-23", false, 0.0) && readsShort(u"-0", true, -0.0));
static_assert(readsShort(u"16777217", false, 0.0f)); // a double halfway between two floats
static_assert(readsShort(u"-2147483648", true, -2147483647 - 1) &&
              readsShort(u"2147483647", true, 2147483647) && !readsShort(u"2147483648", true, 0) &&
              readsShort(u"000000000000000012", true, 12) &&
              readsShort(u"00000000000000000012", false, 0));

} // namespace Core::detail
