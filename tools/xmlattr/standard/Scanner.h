// The one cursor of the standard grammars: steps over white space, commas, numbers and
// names of a value's text, each as the grammars define them.
#pragma once

#include <cstddef>
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
    constexpr bool number(Number* out = nullptr) noexcept {
        std::size_t const start = m_at;
        bool negative = false;
        if (peek() == '+' || peek() == '-') {
            negative = peek() == '-';
            ++m_at;
        }
        bool nonZero = false;
        std::size_t digits = 0;
        for (; isDigit(peek()); ++m_at, ++digits) {
            nonZero = nonZero || peek() != '0';
        }
        bool integer = true;
        if (peek() == '.' && (digits > 0 || isDigit(at(1)))) {
            integer = false;
            ++m_at;
            for (; isDigit(peek()); ++m_at, ++digits) {
                nonZero = nonZero || peek() != '0';
            }
        }
        if (digits == 0) {
            m_at = start;
            return false;
        }
        if ((peek() == 'e' || peek() == 'E') &&
            (isDigit(at(1)) || ((at(1) == '+' || at(1) == '-') && isDigit(at(2))))) {
            integer = false;
            m_at += 2;
            while (isDigit(peek())) {
                ++m_at;
            }
        }
        if (out != nullptr) {
            out->negative = negative && nonZero;
            out->integer = integer;
            out->zero = !nonZero;
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
    constexpr char at(std::size_t ahead) const noexcept {
        return m_at + ahead < m_text.size() ? m_text[m_at + ahead] : '\0';
    }

    std::string_view m_text;
    std::size_t m_at = 0;
};

} // namespace Tool::Standard
