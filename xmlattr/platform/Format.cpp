// Core::Format: numbers read and written through std::from_chars and std::to_chars,
// which know no locale, on a normalised ASCII copy of the number's text kept on the stack.
#include "xmlattr/platform/Format.h"

#include "xmlattr/platform/Allocator.h"
#include "xmlattr/platform/detail/ShortNumber.h"
#include "xmlattr/platform/detail/Space.h"
#include "xmlattr/platform/detail/TextSink.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <system_error>
#include <type_traits>

namespace Core {

namespace {

using View = std::u16string_view;

constexpr std::size_t kMaxConsumed = static_cast<std::size_t>(std::numeric_limits<int>::max());

constexpr bool isHexDigit(char16_t unit) noexcept {
    return String::isDigit(unit) || (unit >= u'a' && unit <= u'f') ||
           (unit >= u'A' && unit <= u'F');
}

std::size_t skipSign(View text, std::size_t pos) noexcept {
    return pos < text.size() && (text[pos] == u'+' || text[pos] == u'-') ? pos + 1 : pos;
}

template <class IsDigit>
std::size_t skipDigits(View text, std::size_t pos, IsDigit isDigit) noexcept {
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

// What may follow a number in a strict reader, once the text is trimmed: one "%" at most.
bool endsStrictly(View text, std::size_t pos) noexcept {
    return pos == text.size() || (pos + 1 == text.size() && text[pos] == u'%');
}

std::size_t skipZeros(View text, std::size_t pos) noexcept {
    while (pos + 1 < text.size() && text[pos] == u'0') {
        ++pos;
    }
    return pos;
}

// A number the scan left inexact, rewritten for from_chars as [-]digits e exponent
// with its significant digits only, on the stack whatever the length of the text. A decimal that
// lies exactly halfway between two doubles has at most 767 significant digits, so keeping 800
// and standing in a final "1" for any non-zero digits dropped rounds exactly as the whole text.
class Normalized {
public:
    explicit Normalized(View number) noexcept {
        bool const negative = number[0] == u'-';
        std::size_t pos = skipSign(number, 0);
        long long shift = 0; // power of ten by which the kept digits are scaled
        bool dropped = false;
        bool inFraction = false;
        int significant = 0;
        for (; pos < number.size(); ++pos) {
            char16_t const unit = number[pos];
            if (unit == u'.') {
                inFraction = true;
                continue;
            }
            if (!String::isDigit(unit)) {
                break;
            }
            if (significant == 0 && unit == u'0') {
                shift -= inFraction ? 1 : 0;
                continue;
            }
            if (significant < kMaxDigits) {
                m_digits[significant++] = static_cast<char>(unit);
                shift -= inFraction ? 1 : 0;
            } else {
                dropped = dropped || unit != u'0';
                shift += inFraction ? 0 : 1;
            }
        }
        if (dropped) {
            m_digits[significant++] = '1';
            --shift;
        }
        if (pos < number.size()) {
            shift += exponent(number.substr(pos + 1));
        }
        m_zero = significant == 0;
        // Beyond these bounds every number is out of float and double range either way.
        constexpr long long kBound = 100'000;
        shift = std::clamp(shift, -kBound, kBound);
        m_place = significant - 1 + shift;
        m_length = write(negative, significant, shift);
    }

    char const* begin() const noexcept { return m_text; }
    char const* end() const noexcept { return m_text + m_length; }
    bool negative() const noexcept { return m_text[0] == '-'; }
    /// Out of range, whether the number is too large rather than too small.
    bool isOverflow() const noexcept { return !m_zero && m_place >= 0; }

private:
    static constexpr int kMaxDigits = 800;

    // The exponent after "e", capped far beyond any float yet far from overflowing.
    static long long exponent(View text) noexcept {
        bool const negative = !text.empty() && text[0] == u'-';
        constexpr long long kCap = 1'000'000'000'000LL;
        long long value = 0;
        for (std::size_t i = skipSign(text, 0); i < text.size() && value < kCap; ++i) {
            value = value * 10 + (text[i] - u'0');
        }
        return negative ? -value : value;
    }

    std::size_t write(bool negative, int significant, long long shift) noexcept {
        std::size_t length = 0;
        if (negative) {
            m_text[length++] = '-';
        }
        if (m_zero) {
            m_text[length++] = '0';
            return length;
        }
        for (int i = 0; i < significant; ++i) {
            m_text[length++] = m_digits[i];
        }
        m_text[length++] = 'e';
        std::to_chars_result const result =
            std::to_chars(m_text + length, m_text + sizeof m_text, shift);
        return static_cast<std::size_t>(result.ptr - m_text);
    }

    char m_digits[kMaxDigits + 1];
    char m_text[kMaxDigits + 16];
    std::size_t m_length = 0;
    long long m_place = 0;
    bool m_zero = false;
};

// The value of an exact scanned number: its digits and power written for from_chars, which
// rounds them once. Out of range, from_chars reports an error without saying which way and
// leaves `value` alone; the power tells.
template <class T>
NumberRead fromParts(ScannedNumber const& number, int consumed, T& value) noexcept {
    if (number.digits == 0) {
        value = number.negative ? -T(0) : T(0);
        return {consumed, std::errc()};
    }
    // A sign, 19 digits, "e" and a power of at most 20 characters.
    char text[41] = {'-'};
    char* const digits = text + (number.negative ? 1 : 0);
    char* const e = std::to_chars(digits, digits + 20, number.digits).ptr;
    *e = 'e';
    char* const end = std::to_chars(e + 1, text + sizeof text, number.exponent).ptr;
    T read = 0;
    std::from_chars_result const result = std::from_chars(text, end, read);
    if (result.ec == std::errc() && std::isfinite(read)) {
        value = read;
    } else if (number.exponent > 0) {
        return {consumed, std::errc::result_out_of_range};
    } else {
        value = number.negative ? -T(0) : T(0);
    }
    return {consumed, std::errc()};
}

// The value of a longer number, from its text: rounded once, straight to `T`.
template <class T> NumberRead fromText(View number, int consumed, T& value) noexcept {
    Normalized const text(number);
    T read = 0;
    std::from_chars_result const result = std::from_chars(text.begin(), text.end(), read);
    if (result.ec == std::errc() && std::isfinite(read)) {
        value = read;
    } else if (text.isOverflow()) {
        return {consumed, std::errc::result_out_of_range};
    } else {
        value = text.negative() ? -T(0) : T(0);
    }
    return {consumed, std::errc()};
}

template <class T>
NumberRead readScanned(View text, ScannedNumber const& number, T& value) noexcept {
    int const consumed = static_cast<int>(std::min(number.length, kMaxConsumed));
    if constexpr (std::is_same_v<T, int>) {
        // Every int in range takes the short path, once leading zeros beyond 19 digits are gone.
        ScannedNumber significant = number;
        if (!number.exact) {
            View const digits = text.substr(0, number.length);
            significant =
                detail::scanNumber<int>(digits.substr(skipZeros(digits, skipSign(digits, 0))));
            significant.negative = number.negative;
        }
        if (!detail::shortValue(significant, value)) {
            return {consumed, std::errc::result_out_of_range};
        }
        return {consumed, std::errc()};
    } else {
        return number.exact ? fromParts(number, consumed, value)
                            : fromText(text.substr(0, number.length), consumed, value);
    }
}

template <class T> NumberRead readNumber(View text, T& value) noexcept {
    ScannedNumber const number = detail::scanNumber<T>(text);
    if (number.length == 0) {
        return {0, std::errc::invalid_argument};
    }
    if (detail::shortValue(number, value)) {
        return {static_cast<int>(std::min(number.length, kMaxConsumed)), std::errc()};
    }
    return readScanned(text, number, value);
}

template <class T> String writeNumber(T value) {
    return detail::writeText<detail::kMaxNumberText>(
        [value](detail::TextSink& text) { text.append(value); });
}

// A strict reader: the whole text, trimmed, is one number and at most one "%" after it.
template <class T> bool readWhole(View text, T& out) noexcept {
    text = detail::trimSpace(text);
    T value = 0;
    NumberRead const read = Format::fromChars(text, value);
    if (!read || !endsStrictly(text, static_cast<std::size_t>(read.consumed))) {
        return false;
    }
    out = value;
    return true;
}

} // namespace

NumberRead Format::fromChars(std::u16string_view text, int& value) noexcept {
    return readNumber(text, value);
}

NumberRead Format::fromChars(std::u16string_view text, float& value) noexcept {
    return readNumber(text, value);
}

NumberRead Format::fromChars(std::u16string_view text, double& value) noexcept {
    return readNumber(text, value);
}

NumberRead Format::fromScanned(std::u16string_view text, ScannedNumber const& number,
                               int& value) noexcept {
    return readScanned(text, number, value);
}

NumberRead Format::fromScanned(std::u16string_view text, ScannedNumber const& number,
                               float& value) noexcept {
    return readScanned(text, number, value);
}

NumberRead Format::fromScanned(std::u16string_view text, ScannedNumber const& number,
                               double& value) noexcept {
    return readScanned(text, number, value);
}

bool Format::parseInt(std::u16string_view text, int& out) noexcept { return readWhole(text, out); }

bool Format::parseFloat(std::u16string_view text, float& out) noexcept {
    return readWhole(text, out);
}

bool Format::parseHexInt(std::u16string_view text, int& out) noexcept {
    text = detail::trimSpace(text);
    std::size_t const start = text.starts_with(u"0x") || text.starts_with(u"0X") ? 2 : 0;
    std::size_t const end = skipDigits(text, start, isHexDigit);
    if (end == start || !endsStrictly(text, end)) {
        return false;
    }
    View const digits = text.substr(start, end - start);
    std::size_t const first = skipZeros(digits, 0);
    constexpr std::size_t kMaxDigits = 8;
    if (digits.size() - first > kMaxDigits) {
        return false;
    }
    char buffer[kMaxDigits];
    std::size_t length = 0;
    for (std::size_t i = first; i < digits.size(); ++i) {
        buffer[length++] = static_cast<char>(digits[i]);
    }
    int value = 0;
    if (std::from_chars(buffer, buffer + length, value, 16).ec != std::errc()) {
        return false;
    }
    out = value;
    return true;
}

int Format::parseInt(std::u16string_view text) noexcept {
    text = detail::trimLeadingSpace(text);
    int value = 0;
    NumberRead const read = fromChars(text, value);
    if (read.error == std::errc::result_out_of_range) {
        return text[0] == u'-' ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return value;
}

float Format::parseFloat(std::u16string_view text) noexcept {
    text = detail::trimLeadingSpace(text);
    float value = 0;
    NumberRead const read = fromChars(text, value);
    if (read.error == std::errc::result_out_of_range) {
        return text[0] == u'-' ? -std::numeric_limits<float>::infinity()
                               : std::numeric_limits<float>::infinity();
    }
    return value;
}

String Format::toString(int value) { return writeNumber(value); }

String Format::toString(float value) { return writeNumber(value); }

String Format::toString(double value) { return writeNumber(value); }

} // namespace Core
