// The one cursor of the standard grammars: steps over white space, commas, numbers and
// names of a value's text, each as the grammars define them.
#pragma once

#include <cfloat>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace Tool::Standard {

/// ASCII letters only, as every keyword, unit and function name of the grammars is.
constexpr char lowerAscii(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

constexpr bool isSpace(char c) noexcept {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}
/// The text without the blanks around it.
constexpr std::string_view trimmed(std::string_view text) noexcept {
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

constexpr bool isDigit(char c) noexcept { return c >= '0' && c <= '9'; }
constexpr bool isLetter(char c) noexcept {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

constexpr bool equalNoCase(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

/// What a number step read.
struct Number {
    bool negative = false; // a "-" sign before a value other than zero
    bool integer = false;  // digits only, with no point or exponent
    bool zero = false;     // no digit but 0
};

class Scanner {
public:
    constexpr explicit Scanner(std::string_view text) noexcept : m_text(text) {}

    constexpr bool atEnd() const noexcept { return m_at >= m_text.size(); }
    constexpr char peek() const noexcept { return atEnd() ? '\0' : m_text[m_at]; }
    constexpr std::size_t at() const noexcept { return m_at; }
    constexpr void reset(std::size_t at) noexcept { m_at = at; }
    constexpr std::string_view rest() const noexcept { return m_text.substr(m_at); }

    constexpr bool take(char c) noexcept {
        if (peek() != c || atEnd()) {
            return false;
        }
        ++m_at;
        return true;
    }

    constexpr void skipSpace() noexcept {
        while (!atEnd() && isSpace(m_text[m_at])) {
            ++m_at;
        }
    }

    /// comma-wsp: blanks, or a comma with blanks either side; false when neither is there.
    constexpr bool commaSpace() noexcept {
        std::size_t const start = m_at;
        skipSpace();
        if (take(',')) {
            skipSpace();
        }
        return m_at != start;
    }

    /// An SVG number: sign, digits with an optional point, exponent; "1e" leaves the "e".
    bool number(Number* out = nullptr) noexcept {
        double value = 0;
        return number(value, out);
    }

    /// The same step with the number's value in double precision, rounded as std::from_chars
    /// rounds it; `value` is untouched on false.
    bool number(double& value, Number* out = nullptr) noexcept {
        char const* const text = m_text.data();
        std::size_t const size = m_text.size();
        std::size_t i = m_at;
        bool const sign = i < size && (text[i] == '+' || text[i] == '-');
        bool const minus = sign && text[i] == '-';
        i += sign ? 1u : 0u;
        std::size_t const first = i;
        std::uint64_t mantissa = 0;
        i = digitRun(i, mantissa);
        std::size_t count = i - first;
        std::size_t fraction = 0;
        bool integer = true;
        if (i < size && text[i] == '.' && (count > 0 || digitAt(i + 1))) {
            integer = false;
            std::size_t const point = ++i;
            i = digitRun(i, mantissa);
            fraction = i - point;
            count += fraction;
        }
        if (count == 0) {
            return false;
        }
        std::size_t const last = i;
        long exponent = -static_cast<long>(fraction);
        if (i + 1 < size && (text[i] == 'e' || text[i] == 'E') &&
            (isDigit(text[i + 1]) ||
             ((text[i + 1] == '+' || text[i + 1] == '-') && digitAt(i + 2)))) {
            integer = false;
            bool const down = text[i + 1] == '-';
            i += isDigit(text[i + 1]) ? 1u : 2u;
            long power = 0;
            for (; digitAt(i); ++i) {
                power = power < kLargestPower ? power * 10 + (text[i] - '0') : power;
            }
            exponent += down ? -power : power;
        }
        std::size_t const start = m_at;
        m_at = i;
        bool const exact = count <= kExactDigits;
        bool nonZero = mantissa != 0;
        if (!exact) {
            // Too many digits for the mantissa, which wrapped: whether any is not 0 is looked up.
            for (std::size_t k = first; k < last && !nonZero; ++k) {
                nonZero = text[k] >= '1' && text[k] <= '9';
            }
        }
        if (out != nullptr) {
            *out = {minus && nonZero, integer, !nonZero};
        }
        // A mantissa of at most 53 bits times or divided by a power of ten that a double holds
        // exactly is rounded once, correctly, as from_chars would round it (where the
        // arithmetic is done in double precision, not wider).
        if (kDoubleArithmetic && exact && mantissa <= kExactMantissa && exponent >= -kLargestExact &&
            exponent <= kLargestExact) {
            auto const magnitude = static_cast<double>(mantissa);
            double const scaled = exponent >= 0 ? magnitude * kPowers[exponent]
                                                : magnitude / kPowers[-exponent];
            value = minus ? -scaled : scaled;
        } else {
            value = exactValue(m_text.substr(start, i - start));
        }
        return true;
    }

    /// Letters, digits, "-" and "_", starting with a letter, "-" or "_".
    constexpr std::string_view name() noexcept {
        std::size_t const start = m_at;
        if (isLetter(peek()) || peek() == '-' || peek() == '_') {
            while (isLetter(peek()) || isDigit(peek()) || peek() == '-' || peek() == '_') {
                ++m_at;
            }
        }
        return m_text.substr(start, m_at - start);
    }

private:
    static constexpr std::size_t kExactDigits = 19;
    static constexpr std::uint64_t kExactMantissa = std::uint64_t{1} << 53;
    static constexpr long kLargestExact = 22;
    static constexpr bool kDoubleArithmetic = FLT_EVAL_METHOD == 0;
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    // Beyond this a power of ten is out of a double's range either way.
    static constexpr long kLargestPower = 100'000;

    // A number token's value by from_chars; 0 where it is out of a double's range.
    static double exactValue(std::string_view token) noexcept;

    // The end of the digits from `i` on, their value added to `mantissa`, which is exact while
    // no more than 19 digits went into it.
    constexpr std::size_t digitRun(std::size_t i, std::uint64_t& mantissa) const noexcept {
        char const* const text = m_text.data();
        std::size_t const size = m_text.size();
        std::uint64_t value = mantissa;
        for (; i < size; ++i) {
            auto const d = static_cast<unsigned>(text[i] - '0');
            if (d > 9) {
                break;
            }
            value = value * 10 + d;
        }
        mantissa = value;
        return i;
    }

    constexpr bool digitAt(std::size_t i) const noexcept {
        return i < m_text.size() && isDigit(m_text[i]);
    }

    std::string_view m_text;
    std::size_t m_at = 0;
};

} // namespace Tool::Standard
