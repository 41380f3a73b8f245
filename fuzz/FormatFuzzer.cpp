// Fuzz target for Core::Format: every reader on arbitrary text, and the rules that tie the
// strict readers, the lenient readers and the writers together.
#include "xmlattr/platform/Format.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Core::Format;
using View = std::u16string_view;

constexpr int kIntSentinel = -424242;
constexpr std::uint32_t kFloatSentinelBits = 0x7FC01234; // a NaN no reader can produce

void require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

bool sameBits(float a, float b) {
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

bool containsExponent(View text) { return text.find(u'e') != View::npos; }

// Written text reads back to the same value, and carries an exponent only outside the
// magnitudes written plainly.
void checkWritten(float value) {
    if (!std::isfinite(value)) {
        return;
    }
    Core::String const text = Format::toString(value);
    float back = std::bit_cast<float>(kFloatSentinelBits);
    require(Format::parseFloat(text, back));
    require(sameBits(back, value));
    double const magnitude = std::fabs(static_cast<double>(value));
    bool const plain = magnitude == 0 || (magnitude >= 1e-7 && magnitude < 1e21);
    require(containsExponent(text) != plain);
}

void checkWritten(int value) {
    Core::String const text = Format::toString(value);
    int back = kIntSentinel;
    require(Format::parseInt(text, back) && back == value);
    require(Format::parseInt(text) == value);
}

// What the prefix reader read is read alike by std::from_chars, which takes no plus sign,
// wherever that reads it at all (it reports an underflow where the prefix reader rounds to 0).
void checkAgainstFromChars(View text, Core::NumberRead read, float single, double wide) {
    if (!read) {
        return;
    }
    std::string ascii;
    for (char16_t const unit : text.substr(0, static_cast<std::size_t>(read.consumed))) {
        ascii += static_cast<char>(unit);
    }
    char const* const begin = ascii.data() + (ascii[0] == '+' ? 1 : 0);
    char const* const end = ascii.data() + ascii.size();
    float expectedSingle = 0;
    std::from_chars_result const singleRead = std::from_chars(begin, end, expectedSingle);
    require(singleRead.ec != std::errc() ||
            (singleRead.ptr == end && sameBits(expectedSingle, single)));
    double expectedWide = 0;
    std::from_chars_result const wideRead = std::from_chars(begin, end, expectedWide);
    require(wideRead.ec != std::errc() || (wideRead.ptr == end && expectedWide == wide));
}

void check(View text) {
    int strictInt = kIntSentinel;
    bool const isInt = Format::parseInt(text, strictInt);
    int const lenientInt = Format::parseInt(text);
    require(isInt || strictInt == kIntSentinel);
    // Strict text is white space, a number, perhaps "%", and white space: the lenient reader
    // reads the same number from it.
    require(!isInt || lenientInt == strictInt);
    checkWritten(lenientInt);

    float strictFloat = std::bit_cast<float>(kFloatSentinelBits);
    bool const isFloat = Format::parseFloat(text, strictFloat);
    float const lenientFloat = Format::parseFloat(text);
    require(isFloat || std::bit_cast<std::uint32_t>(strictFloat) == kFloatSentinelBits);
    require(!isFloat || (std::isfinite(strictFloat) && sameBits(lenientFloat, strictFloat)));
    require(!std::isnan(lenientFloat));
    checkWritten(lenientFloat);

    // Every integer is a decimal number, rounded once to the nearest float.
    require(!isInt || (isFloat && strictFloat == static_cast<float>(strictInt)));

    // The prefix reader takes a prefix, and that prefix alone reads strictly to the same value.
    float prefixFloat = std::bit_cast<float>(kFloatSentinelBits);
    Core::NumberRead const read = Format::fromChars(text, prefixFloat);
    require(read.consumed >= 0 && static_cast<std::size_t>(read.consumed) <= text.size());
    require(read.consumed > 0 || !read);
    float again = std::bit_cast<float>(kFloatSentinelBits);
    View const prefix = text.substr(0, static_cast<std::size_t>(read.consumed));
    require(static_cast<bool>(read) == Format::parseFloat(prefix, again));
    require(!read || sameBits(again, prefixFloat));
    double prefixDouble = 0;
    require(Format::fromChars(text, prefixDouble).consumed == read.consumed);
    checkAgainstFromChars(text, read, prefixFloat, prefixDouble);
    int prefixInt = kIntSentinel;
    Core::NumberRead const readInt = Format::fromChars(text, prefixInt);
    require(readInt.consumed <= read.consumed);

    int hex = kIntSentinel;
    bool const isHex = Format::parseHexInt(text, hex);
    require(isHex ? hex >= 0 : hex == kIntSentinel);
    if (isHex) {
        checkWritten(hex);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    // Exact-size copies, so that a read past the end of the text is caught.
    std::vector<char16_t> units(size / 2);
    if (!units.empty()) {
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    }
    check(View(units.data(), units.size()));
    // The same bytes one code unit each reach the ASCII grammar far more often.
    std::vector<char16_t> widened(data, data + size);
    check(View(widened.data(), widened.size()));
    return 0;
}
