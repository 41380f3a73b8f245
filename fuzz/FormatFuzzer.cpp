// Fuzz target for Core::Format: every reader on arbitrary text, and the rules that tie the
// strict readers, the lenient readers and the writers together.
#include "fuzz/FuzzDriver.h"

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
using xmlattr_fuzz::check;
using View = std::u16string_view;

constexpr int kIntSentinel = -424242;
constexpr std::uint32_t kFloatSentinelBits = 0x7FC01234; // a NaN no reader can produce

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
    check(Format::parseFloat(text, back));
    check(sameBits(back, value));
    double const magnitude = std::fabs(static_cast<double>(value));
    bool const plain = magnitude == 0 || (magnitude >= 1e-7 && magnitude < 1e21);
    check(containsExponent(text) != plain);
}

void checkWritten(int value) {
    Core::String const text = Format::toString(value);
    int back = kIntSentinel;
    check(Format::parseInt(text, back) && back == value);
    check(Format::parseInt(text) == value);
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
    check(singleRead.ec != std::errc() ||
          (singleRead.ptr == end && sameBits(expectedSingle, single)));
    double expectedWide = 0;
    std::from_chars_result const wideRead = std::from_chars(begin, end, expectedWide);
    check(wideRead.ec != std::errc() || (wideRead.ptr == end && expectedWide == wide));
}

void checkText(View text) {
    int strictInt = kIntSentinel;
    bool const isInt = Format::parseInt(text, strictInt);
    int const lenientInt = Format::parseInt(text);
    check(isInt || strictInt == kIntSentinel);
    // Strict text is white space, a number, perhaps "%", and white space: the lenient reader
    // reads the same number from it.
    check(!isInt || lenientInt == strictInt);
    checkWritten(lenientInt);

    float strictFloat = std::bit_cast<float>(kFloatSentinelBits);
    bool const isFloat = Format::parseFloat(text, strictFloat);
    float const lenientFloat = Format::parseFloat(text);
    check(isFloat || std::bit_cast<std::uint32_t>(strictFloat) == kFloatSentinelBits);
    check(!isFloat || (std::isfinite(strictFloat) && sameBits(lenientFloat, strictFloat)));
    check(!std::isnan(lenientFloat));
    checkWritten(lenientFloat);

    // Every integer is a decimal number, rounded once to the nearest float.
    check(!isInt || (isFloat && strictFloat == static_cast<float>(strictInt)));

    // The prefix reader takes a prefix, and that prefix alone reads strictly to the same value.
    float prefixFloat = std::bit_cast<float>(kFloatSentinelBits);
    Core::NumberRead const read = Format::fromChars(text, prefixFloat);
    check(read.consumed >= 0 && static_cast<std::size_t>(read.consumed) <= text.size());
    check(read.consumed > 0 || !read);
    float again = std::bit_cast<float>(kFloatSentinelBits);
    View const prefix = text.substr(0, static_cast<std::size_t>(read.consumed));
    check(static_cast<bool>(read) == Format::parseFloat(prefix, again));
    check(!read || sameBits(again, prefixFloat));
    double prefixDouble = 0;
    check(Format::fromChars(text, prefixDouble).consumed == read.consumed);
    checkAgainstFromChars(text, read, prefixFloat, prefixDouble);
    int prefixInt = kIntSentinel;
    Core::NumberRead const readInt = Format::fromChars(text, prefixInt);
    check(readInt.consumed <= read.consumed);

    int hex = kIntSentinel;
    bool const isHex = Format::parseHexInt(text, hex);
    check(isHex ? hex >= 0 : hex == kIntSentinel);
    if (isHex) {
        checkWritten(hex);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    xmlattr_fuzz::forEachText(data, size, [](View text) { checkText(text); });
    return 0;
}
