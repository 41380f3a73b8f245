// Core::Format: numbers read and written through std::from_chars and std::to_chars,
// which know no locale, on an ASCII copy of the number's text.
#include "xmlattr/platform/Format.h"

#include "xmlattr/platform/Allocator.h"
#include "xmlattr/platform/detail/Space.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <new>
#include <system_error>

namespace Core {

namespace {

using View = std::u16string_view;

enum class FloatRange { Fits = 0, Overflow = 1, Underflow = 2, NoStorage = 3 };

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

// An ASCII copy of a number's text without a leading "+", which from_chars does not read.
// It lives on the stack unless the text is absurdly long.
class AsciiCopy {
public:
    explicit AsciiCopy(View number) noexcept {
        if (!number.empty() && number[0] == u'+') {
            number.remove_prefix(1);
        }
        if (number.size() > kLocalSize) {
            try {
                m_heap = static_cast<char*>(Allocator::alloc(number.size()));
            } catch (std::bad_alloc const&) {
                return;
            }
        }
        char* const target = data();
        for (std::size_t i = 0; i < number.size(); ++i) {
            target[i] = static_cast<char>(number[i]);
        }
        m_size = number.size();
        m_valid = true;
    }
    ~AsciiCopy() { Allocator::free(m_heap); }
    AsciiCopy(AsciiCopy const&) = delete;
    AsciiCopy& operator=(AsciiCopy const&) = delete;

    bool valid() const noexcept { return m_valid; }
    char const* begin() const noexcept { return m_heap != nullptr ? m_heap : m_local; }
    char const* end() const noexcept { return begin() + m_size; }

private:
    static constexpr std::size_t kLocalSize = 64;

    char* data() noexcept { return m_heap != nullptr ? m_heap : m_local; }

    char m_local[kLocalSize];
    char* m_heap = nullptr;
    std::size_t m_size = 0;
    bool m_valid = false;
};

// For a number matched by `scanDecimal` that no float can hold: whether it is too large
// rather than too small. Such a number is at least 3e38 or below 1e-45, so it is enough to
// know whether its first significant digit stands at or above the units place.
bool isOverflow(View number) noexcept {
    std::size_t const start = skipSign(number, 0);
    std::size_t const integerEnd = skipDigits(number, start);
    std::size_t pos = start;
    while (pos < number.size() && (number[pos] == u'0' || number[pos] == u'.')) {
        ++pos;
    }
    if (pos >= number.size() || !String::isDigit(number[pos])) {
        return false;
    }
    // The power of ten of the first significant digit, before the exponent is applied.
    long long place = pos < integerEnd
                          ? static_cast<long long>(integerEnd - pos) - 1
                          : static_cast<long long>(integerEnd) - static_cast<long long>(pos);
    std::size_t marker = pos;
    while (marker < number.size() && number[marker] != u'e' && number[marker] != u'E') {
        ++marker;
    }
    if (marker + 1 < number.size()) {
        bool const negative = number[marker + 1] == u'-';
        // Far beyond any float, yet far from overflowing when the digit count is added.
        constexpr long long kCap = 1'000'000'000'000'000LL;
        long long exponent = 0;
        for (std::size_t i = skipSign(number, marker + 1); i < number.size() && exponent < kCap;
             ++i) {
            exponent = exponent * 10 + (number[i] - u'0');
        }
        place += negative ? -exponent : exponent;
    }
    return place >= 0;
}

// Reads a number matched by `scanDecimal`, rounded once, straight to float. Out of range,
// from_chars reports an error without saying which way and leaves `value` alone; it
// becomes a signed infinity or zero here.
FloatRange toFloat(View number, float& value) noexcept {
    AsciiCopy const copy(number);
    if (!copy.valid()) {
        return FloatRange::NoStorage;
    }
    std::from_chars_result const result = std::from_chars(copy.begin(), copy.end(), value);
    if (result.ec == std::errc() && std::isfinite(value)) {
        return FloatRange::Fits;
    }
    bool const negative = number[0] == u'-';
    if (isOverflow(number)) {
        value = negative ? -std::numeric_limits<float>::infinity()
                         : std::numeric_limits<float>::infinity();
        return FloatRange::Overflow;
    }
    value = negative ? -0.0f : 0.0f;
    return FloatRange::Underflow;
}

String fromAscii(char const* first, char const* last) {
    char16_t units[64];
    int length = 0;
    for (; first != last && length < 64; ++first) {
        units[length++] = static_cast<char16_t>(*first);
    }
    return String(units, length);
}

template <class T> String writeFloat(T value) {
    if (std::isnan(value)) {
        return String(u"nan");
    }
    if (std::isinf(value)) {
        return String(value < 0 ? u"-inf" : u"inf");
    }
    // Compared as double, the double nearest 1e-7 (a little below it) counts as 1e-7.
    double const magnitude = std::fabs(static_cast<double>(value));
    bool const plain = magnitude == 0 || (magnitude >= 1e-7 && magnitude < 1e21);
    char buffer[64];
    std::to_chars_result const result =
        std::to_chars(buffer, buffer + sizeof buffer, value,
                      plain ? std::chars_format::fixed : std::chars_format::scientific);
    return fromAscii(buffer, result.ptr);
}

} // namespace

bool Format::parseInt(std::u16string_view text, int& out) noexcept {
    text = detail::trimSpace(text);
    std::size_t const length = scanInteger(text);
    int value = 0;
    if (length == 0 || !endsStrictly(text, length) || !toInt(text.substr(0, length), value)) {
        return false;
    }
    out = value;
    return true;
}

bool Format::parseFloat(std::u16string_view text, float& out) noexcept {
    text = detail::trimSpace(text);
    std::size_t const length = scanDecimal(text);
    if (length == 0 || !endsStrictly(text, length)) {
        return false;
    }
    float value = 0;
    FloatRange const range = toFloat(text.substr(0, length), value);
    if (range != FloatRange::Fits && range != FloatRange::Underflow) {
        return false;
    }
    out = value;
    return true;
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
    std::size_t const length = scanInteger(text);
    if (length == 0) {
        return 0;
    }
    int value = 0;
    if (!toInt(text.substr(0, length), value)) {
        return text[0] == u'-' ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return value;
}

float Format::parseFloat(std::u16string_view text) noexcept {
    text = detail::trimLeadingSpace(text);
    std::size_t const length = scanDecimal(text);
    float value = 0;
    // A number too long to copy reads as no number at all.
    if (length == 0 || toFloat(text.substr(0, length), value) == FloatRange::NoStorage) {
        return 0;
    }
    return value;
}

String Format::toString(int value) {
    char buffer[std::numeric_limits<int>::digits10 + 3];
    std::to_chars_result const result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return fromAscii(buffer, result.ptr);
}

String Format::toString(float value) { return writeFloat(value); }

String Format::toString(double value) { return writeFloat(value); }

} // namespace Core
