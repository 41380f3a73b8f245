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

std::size_t skipDigits(View text, std::size_t pos) noexcept {
    return skipDigits(text, pos, String::isDigit);
}

// Length of the longest prefix of `text` that is an integer; 0 if there is none.
std::size_t scanInteger(View text) noexcept {
    std::size_t const digits = skipSign(text, 0);
    std::size_t const end = skipDigits(text, digits);
    return end > digits ? end : 0;
}

// Length of the longest prefix of `text` that is a decimal number; 0 if there is none.
std::size_t scanDecimal(View text) noexcept {
    std::size_t const start = skipSign(text, 0);
    std::size_t pos = skipDigits(text, start);
    bool hasDigits = pos > start;
    if (pos < text.size() && text[pos] == u'.') {
        std::size_t const fraction = pos + 1;
        pos = skipDigits(text, fraction);
        hasDigits = hasDigits || pos > fraction;
    }
    if (!hasDigits) {
        return 0;
    }
    if (pos < text.size() && (text[pos] == u'e' || text[pos] == u'E')) {
        std::size_t const exponent = skipSign(text, pos + 1);
        std::size_t const end = skipDigits(text, exponent);
        // "1e" or "1e+" is the number 1 followed by other text.
        if (end > exponent) {
            pos = end;
        }
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

// Reads an integer matched by `scanInteger`; false when it lies outside int's range.
// Leading zeros are dropped, so the copy for from_chars always fits in a few bytes.
bool toInt(View number, int& value) noexcept {
    bool const negative = number[0] == u'-';
    std::size_t const digits = skipZeros(number, skipSign(number, 0));
    constexpr std::size_t kMaxDigits = std::numeric_limits<int>::digits10 + 1;
    if (number.size() - digits > kMaxDigits) {
        return false;
    }
    char buffer[kMaxDigits + 1];
    std::size_t length = 0;
    if (negative) {
        buffer[length++] = '-';
    }
    for (std::size_t i = digits; i < number.size(); ++i) {
        buffer[length++] = static_cast<char>(number[i]);
    }
    return std::from_chars(buffer, buffer + length, value).ec == std::errc();
}

// A number matched by `scanDecimal`, rewritten for from_chars as [-]digits e exponent with
// its significant digits only, on the stack whatever the length of the text. A decimal that
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

enum class Range { Fits = 0, Overflow = 1, Underflow = 2 };

// Reads a number matched by `scanDecimal`, rounded once, straight to `T`. Out of range,
// from_chars reports an error without saying which way and leaves `value` alone; it
// becomes a signed infinity or zero here.
template <class T> Range toFloating(View number, T& value) noexcept {
    Normalized const text(number);
    std::from_chars_result const result = std::from_chars(text.begin(), text.end(), value);
    if (result.ec == std::errc() && std::isfinite(value)) {
        return Range::Fits;
    }
    if (text.isOverflow()) {
        value = text.negative() ? -std::numeric_limits<T>::infinity()
                                : std::numeric_limits<T>::infinity();
        return Range::Overflow;
    }
    value = text.negative() ? -T(0) : T(0);
    return Range::Underflow;
}

template <class T> NumberRead readFloating(View text, T& out) noexcept {
    if (std::size_t const length = detail::readShortNumber(text, out)) {
        return {static_cast<int>(length), std::errc()};
    }
    std::size_t const length = scanDecimal(text);
    if (length == 0) {
        return {0, std::errc::invalid_argument};
    }
    int const consumed = static_cast<int>(std::min<std::size_t>(length, kMaxConsumed));
    T value = 0;
    if (toFloating(text.substr(0, length), value) == Range::Overflow) {
        return {consumed, std::errc::result_out_of_range};
    }
    out = value;
    return {consumed, std::errc()};
}

template <class T> String writeNumber(T value) {
    detail::InlineTextSink<detail::kMaxNumberText> text;
    text.append(value);
    return text.take();
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
    if (std::size_t const length = detail::readShortInteger(text, value)) {
        return {static_cast<int>(length), std::errc()};
    }
    std::size_t const length = scanInteger(text);
    if (length == 0) {
        return {0, std::errc::invalid_argument};
    }
    int const consumed = static_cast<int>(std::min(length, kMaxConsumed));
    int read = 0;
    if (!toInt(text.substr(0, length), read)) {
        return {consumed, std::errc::result_out_of_range};
    }
    value = read;
    return {consumed, std::errc()};
}

NumberRead Format::fromChars(std::u16string_view text, float& value) noexcept {
    return readFloating(text, value);
}

NumberRead Format::fromChars(std::u16string_view text, double& value) noexcept {
    return readFloating(text, value);
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
