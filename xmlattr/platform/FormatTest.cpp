// Tests of Core::Format: the number grammar, range limits, rounding and the written form.
#include "xmlattr/platform/Format.h"

#include "xmlattr/platform/Allocator.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace Core {
namespace {

using namespace std::literals;
using View = std::u16string_view;

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kFloatMax = std::numeric_limits<float>::max();
constexpr float kDenormMin = std::numeric_limits<float>::denorm_min();
constexpr std::errc kNone = std::errc::invalid_argument;
constexpr std::errc kRange = std::errc::result_out_of_range;

std::string show(View text) { return String(text).toUtf8(); }
constexpr float fromBits(std::uint32_t pattern) { return std::bit_cast<float>(pattern); }
// Same value and sign: -0 is not 0.
template <class T> bool same(T a, T b) { return a == b && std::signbit(a) == std::signbit(b); }

// The prefix reader on `text` into a sentinel of -7: its error, its length and the value.
template <class T> void expectRead(View text, std::errc error, int consumed, T expected) {
    T value = -7;
    NumberRead const read = Format::fromChars(text, value);
    EXPECT_EQ(read.error, error);
    EXPECT_EQ(read.consumed, consumed);
    EXPECT_PRED2(same<T>, value, expected);
}

// Accepted texts give their value, rejected ones leave `out` as it was; no text allocates.
template <class T>
void expectStrict(bool (*parse)(View, T&) noexcept,
                  std::initializer_list<std::pair<View, T>> accepted,
                  std::initializer_list<View> rejected) {
    auto const check = [parse](View text, bool ok, T expected) {
        SCOPED_TRACE(show(text));
        T out = T(-777.25);
        std::uint64_t const before = Allocator::allocations();
        EXPECT_EQ(parse(text, out), ok);
        EXPECT_EQ(Allocator::allocations(), before);
        EXPECT_PRED2(same<T>, out, expected);
    };
    for (auto const& [text, value] : accepted) {
        check(text, true, value);
    }
    for (View text : rejected) {
        check(text, false, T(-777.25));
    }
}

TEST(FormatTest, StrictFormsTakeTheWholeText) {
    // clang-format off
    expectStrict<int>(&Format::parseInt,
        {{u"42", 42}, {u"+42", 42}, {u"-42", -42}, {u"\t\n\v\f\r7\r\n", 7}, {u" -50% ", -50},
         {View(u"12e7", 2), 12}, {u"2147483647", kIntMax}, {u" -2147483648% ", kIntMin},
         {u"0000000000002147483647", kIntMax}},
        {u"2147483648", u"-2147483649", u"", u"   ", u"+", u"%", u"50 %", u"50%%", u"5.", u"1e3",
         u"12pt", u"- 1", u"1 2", u"5\0"sv, u"\u00A05", u"\uFF15"});
    expectStrict<int>(&Format::parseHexInt,
        {{u"ff", 255}, {u"0XFf", 255}, {u" 1a ", 26}, {u"1a%", 26}, {u"0x7FFFFFFF", kIntMax},
         {u"0x0000000000001", 1}, {View(u"12g", 2), 0x12}},
        {u"80000000", u"", u"0x", u"-1", u"+1", u"1g", u"0x 1", u"0x0x1", u"#ff"});
    expectStrict<float>(&Format::parseFloat,
        {{u"-1.5", -1.5f}, {u"+.5", 0.5f}, {u"5.", 5.0f}, {u"1E+3", 1000.0f}, {u"2.5e-1", 0.25f},
         {u"5.e1", 50.0f}, {u" 12.5% ", 12.5f}, {u"0.1", 0.1f}, {View(u"123456e7", 6), 123456},
         {u"16777217", 16777216.0f}, {u"16777219", 16777220.0f},
         {u"-1.234567890123456789012345678901234567890e-3%",
          -1.234567890123456789012345678901234567890e-3f},
         // Halfway and either side of it, between 1 + 2^-23 and 1 + 2^-22: a detour through
         // double would round the first row up as well.
         {u"1.000000178813934326171874", fromBits(0x3F800001)},
         {u"1.000000178813934326171875", fromBits(0x3F800002)},
         {u"1.000000059604644775390625", fromBits(0x3F800000)},
         {u"3.4028235e38", kFloatMax}, {u"3.4028235677973366e38", kFloatMax},
         {u"-3.4028235e38", -kFloatMax}, {u"1e0000000000000000000000000000000038", 1e38f},
         {u"1e-40", 1e-40f}, {u"1.4e-45", kDenormMin}, {u"7.1e-46", kDenormMin}, {u"7e-46", 0.0f},
         {u"1e-50", 0.0f}, {u"-1e-50", -0.0f}, {u"1e-99999999999999999999", 0.0f},
         {u"0e99999999999999999999", 0.0f}},
        {u"3.4028236e38", u"1e39", u"-1e39", u"1e99999999999999999999",
         u"-9e9999999999999999999999999999999999999999", u"340282356779733661637539395458142568448",
         u"", u".", u"-.", u".e5", u"1e+", u"1.5.5", u"inf", u"nan", u"0x1p3", u"1,5", u"1 %",
         u"1%%", u"1f", u"1e 5"});
    // clang-format on
}

TEST(FormatTest, LenientFormsReadTheLongestPrefix) {
    // clang-format off
    struct LenientRow { View text; int asInt; float asFloat; };
    constexpr LenientRow kRows[] = {
        {u"12pt", 12, 12.0f}, {u"  -7x", -7, -7.0f}, {u"1.9", 1, 1.9f}, {u"1e5", 1, 1e5f},
        {u"", 0, 0.0f}, {u"- 5", 0, 0.0f}, {u"x42", 0, 0.0f}, {u"-.5e-1px", 0, -0.05f},
        {u"1.5e3.7", 1, 1500.0f}, {u"  3.25%", 3, 3.25f}, {u"1e39", 1, kInf},
        {u"-1e39em", -1, -kInf}, {u"-1e-50", -1, -0.0f}, {View(u"12e7", 1), 1, 1.0f},
        {u"2147483648", kIntMax, 2147483648.0f}, {u"-2147483649", kIntMin, -2147483648.0f},
        {u"99999999999999999999999px", kIntMax, 1e23f},
    };
    // clang-format on
    for (LenientRow const& row : kRows) {
        SCOPED_TRACE(show(row.text));
        std::uint64_t const before = Allocator::allocations();
        EXPECT_EQ(Format::parseInt(row.text), row.asInt);
        EXPECT_PRED2(same<float>, Format::parseFloat(row.text), row.asFloat);
        EXPECT_EQ(Allocator::allocations(), before);
    }
}

TEST(FormatTest, PrefixReaderStopsWhereTheNumberEnds) {
    // clang-format off
    // The value is what a sentinel of -7 becomes, read as double and as float.
    struct PrefixRow { View text; std::errc error; int consumed; double value; };
    constexpr PrefixRow kRows[] = {
        {u"12pt", {}, 2, 12}, {u"-1.5.5", {}, 4, -1.5}, {u".5.5", {}, 2, 0.5}, {u"1e", {}, 1, 1},
        {u"1e-5x", {}, 4, 1e-5}, {u"1E+2", {}, 4, 100}, {u"1e+", {}, 1, 1}, {u"5.", {}, 2, 5},
        {u"+0", {}, 2, 0}, {u"50%", {}, 2, 50}, {u"1,5", {}, 1, 1}, {u"007", {}, 3, 7},
        {u"0x1p3", {}, 1, 0}, {u" 1", kNone, 0, -7}, {u"", kNone, 0, -7}, {u"+", kNone, 0, -7},
        {u"-.", kNone, 0, -7}, {u"e1", kNone, 0, -7}, {u"inf", kNone, 0, -7},
        {u"nan", kNone, 0, -7}, {u"\uFF11", kNone, 0, -7}, {u"1e309", kRange, 5, -7},
        {u"-1e400px", kRange, 6, -7}, {u"1e-400", {}, 6, 0},
        {u"1e99999999999999999999", kRange, 22, -7},
        // A code unit whose low byte looks like a digit is no digit.
        {u"12\u01313456", {}, 2, 12}, {u"1234\u0135678", {}, 4, 1234},
        {u"12345678\u0660", {}, 8, 12345678}, {u"-0.5\uFF10\uFF10\uFF10\uFF10", {}, 4, -0.5},
        {u"1.2345678901x", {}, 12, 1.2345678901},
    };
    // clang-format on
    for (PrefixRow const& row : kRows) {
        SCOPED_TRACE(show(row.text));
        expectRead(row.text, row.error, row.consumed, row.value);
        expectRead(row.text, row.error, row.consumed, static_cast<float>(row.value));
    }
    expectRead<int>(u"-12.5", {}, 3, -12);
    expectRead<int>(u"-2147483649,", kRange, 11, -7);
    expectRead<float>(u"3.5e38", kRange, 6, -7);
    expectRead<float>(u"3.4e38", {}, 6, 3.4e38f);
}

// Thousands or a million digits, exponents beyond every integer type: the value is still the
// one the text names, correctly rounded without a heap copy, and the number ends where its
// text does.
TEST(FormatTest, HostileNumbersRoundExactlyWithoutHeap) {
    std::u16string const zeros(3000, u'0');
    std::u16string const million(1000000, u'0');
    std::u16string const nines(5000, u'9');
    // Halfway between the doubles next to 1 + 2^-52 (a tie goes to the even one), and halfway
    // between 1 and the next double: a digit 3000 places out decides both.
    std::u16string const half = u"1.00000000000000033306690738754696212708950042724609375";
    std::u16string const lowHalf = u"1.00000000000000011102230246251565404236316680908203125";
    // clang-format off
    // The values are what a sentinel of -7 becomes.
    struct LongRow { std::u16string text; std::errc error; float asFloat; double asDouble; };
    LongRow const rows[] = {
        {u"1" + zeros + u"e-3000", {}, 1, 1}, {u"0." + zeros + u"1e3001", {}, 1, 1},
        {u"1.000000059604644775390625" + zeros + u"1", {}, fromBits(0x3F800001),
         1.000000059604644775390625},
        {half + zeros, {}, 1, 1.0000000000000004}, {half + zeros + u"1", {}, 1, 1.0000000000000004},
        {lowHalf + zeros + u"1", {}, 1, 1.0000000000000002},
        {u"-0." + zeros + u"1e-20", {}, -0.0f, -0.0}, {u"1" + zeros, kRange, -7, -7},
        {u"1e" + nines, kRange, -7, -7}, {u"1e-" + nines, {}, 0, 0},
        {u"1e" + std::u16string(5000, u'0') + u"1", {}, 10, 10},
        {u"1e4294967297", kRange, -7, -7}, {u"1e-4294967296", {}, 0, 0},
        {u"0.1e18446744073709551617", kRange, -7, -7},
        {u"1" + million + u"e-1000000", {}, 1, 1}, {u"0." + million + u"1e1000001", {}, 1, 1},
        {million + u"1.5", {}, 1.5f, 1.5}, {u"1" + million + u"e-2147483648", {}, 0, 0},
        {u"0." + million + u"1e2147483647", kRange, -7, -7},
    };
    // clang-format on
    std::uint64_t const before = Allocator::allocations();
    for (LongRow const& row : rows) {
        View const head = View(row.text).substr(0, 30); // ASCII, traced without the allocator
        SCOPED_TRACE(std::string(head.begin(), head.end()));
        int const size = static_cast<int>(row.text.size());
        expectRead(row.text, row.error, size, row.asFloat);
        expectRead(row.text, row.error, size, row.asDouble);
    }
    // The lenient and strict forms on the same reader, and the int reader where an integer ends.
    EXPECT_EQ(Format::parseFloat(u"1" + zeros), kInf);
    float out = -7;
    EXPECT_FALSE(Format::parseFloat(u"1" + zeros, out));
    EXPECT_EQ(Format::parseInt(u"-" + zeros + u"1"), -1);
    EXPECT_EQ(Format::parseInt(u"1" + million), kIntMax);
    expectRead<int>(u"-" + million + u"2147483648.5", {}, 1000011, kIntMin);
    expectRead<int>(u"1" + million, kRange, 1000001, -7);
    EXPECT_EQ(Allocator::allocations(), before);
}

// Texts of varied shape read exactly as std::from_chars reads their ASCII form: alone, inside
// a longer text and just before its end, since short numbers are read within a window of the
// text's first code units and long ones take the general way.
TEST(FormatTest, PrefixReaderRoundsAsFromChars) {
    std::uint64_t state = 0x9E3779B97F4A7C15u;
    auto next = [&state](unsigned bound) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return static_cast<unsigned>(state % bound);
    };
    std::vector<std::string> texts = {
        // Within half a double's step of the float midpoint 0.5 + 2^-25, above and below it:
        // the double nearest each is that midpoint, so rounding it again to float would tie.
        "0.5000000298023224", "0.5000000298023223",
        // Float midpoints short enough for one pass, and numbers just off them.
        "16777217", "-16777219", "33554434", "8388608.5", "4194304.25", "-4194304.75",
        "16777217.00001", "16777216.99999", "8388609.5", "0.000000059604644775390625",
        // Exact and inexact powers at the edges of the one-operation range.
        "1e22", "1e23", "-1.5e-22", "9e-23", "123456789012345e7", "4.9e-22", "0.000001",
        // Every code unit of the window, one more, and one less.
        "123456789012345", "1234567890123456", "0.00000000000001", "-0.0000000000001",
        "9007199254740993", "1.00000000000000", "-0", "+0.0e0", "5.", ".5", "+.5e1", "7e+0"};
    // Short texts: up to 10 + 12 digits, an exponent now and then; long ones: up to 25 + 25
    // digits and an exponent from -55 to 34. Integers and forms without digits before or after
    // the point are in the list above.
    auto const digits = [&next](unsigned count) {
        std::string text;
        for (; count > 0; --count) {
            text += static_cast<char>('0' + next(10));
        }
        return text;
    };
    for (int i = 0; i < 40000; ++i) {
        bool const isLong = i % 2 != 0;
        std::string ascii = (next(3) == 0 ? "-" : "") + digits(next(isLong ? 26 : 11)) + '.' +
                            digits(next(isLong ? 25 : 12) + 1);
        if (isLong || next(3) == 0) {
            ascii +=
                'e' + std::to_string(static_cast<int>(next(isLong ? 90 : 50)) - (isLong ? 55 : 25));
        }
        texts.push_back(ascii);
    }
    for (std::string const& ascii : texts) {
        float singleExpected = 0;
        double dblExpected = 0;
        // std::from_chars takes no plus sign.
        char const* const begin = ascii.data() + (ascii[0] == '+' ? 1 : 0);
        char const* const end = ascii.data() + ascii.size();
        bool const singleFits = std::from_chars(begin, end, singleExpected).ec == std::errc();
        bool const dblFits = std::from_chars(begin, end, dblExpected).ec == std::errc();
        for (std::string_view const after : {"", ",5", " xxxxxxxxxxxxxxxxxxxxxxxx"}) {
            std::string const whole = ascii + std::string(after);
            SCOPED_TRACE(whole);
            std::u16string const text(whole.begin(), whole.end());
            float single = 0;
            double dbl = 0;
            EXPECT_EQ(Format::fromChars(text, single).consumed, static_cast<int>(ascii.size()));
            EXPECT_EQ(Format::fromChars(text, dbl).consumed, static_cast<int>(ascii.size()));
            EXPECT_TRUE(!singleFits || same(single, singleExpected)) << single;
            EXPECT_TRUE(!dblFits || same(dbl, dblExpected)) << dbl;
        }
    }
}

TEST(FormatTest, WritesTheShortestTextThatReadsBack) {
    auto const text = [](auto value) { return Format::toString(value).toUtf8(); };
    constexpr float kNan = std::numeric_limits<float>::quiet_NaN();
    // clang-format off
    std::pair<std::string, char const*> const rows[] = {
        {text(0), "0"}, {text(-17), "-17"}, {text(kIntMax), "2147483647"},
        {text(kIntMin), "-2147483648"}, {text(12.0f), "12"}, {text(1.5f), "1.5"},
        {text(0.1f), "0.1"}, {text(1.2f), "1.2"}, {text(-2.75f), "-2.75"}, {text(-0.0f), "-0"},
        {text(2147483648.0f), "2147483648"}, {text(1e-7f), "0.0000001"}, {text(1.5e-8f), "1.5e-08"},
        {text(9.9999994e-8f), "9.9999994e-08"}, {text(1e21f), "1e+21"},
        {text(9.999999e20f), "999999879303388987392"}, {text(kFloatMax), "3.4028235e+38"},
        {text(kDenormMin), "1e-45"}, {text(kInf), "inf"}, {text(-kInf), "-inf"},
        {text(kNan), "nan"}, {text(-kNan), "nan"}, {text(0.3), "0.3"},
        {text(0.1 + 0.2), "0.30000000000000004"},
        {text(9.999999999999998e-8), "9.999999999999998e-08"},
        {text(999999999999999868928.0), "999999999999999868928"}, {text(1e21), "1e+21"},
        {text(5e-324), "5e-324"},
    };
    // clang-format on
    for (auto const& [written, expected] : rows) {
        EXPECT_EQ(written, expected);
    }
    auto const check = [](float value) {
        String const written = Format::toString(value);
        float back = -777.25f;
        ASSERT_TRUE(Format::parseFloat(written, back)) << written.toUtf8();
        ASSERT_PRED2(same<float>, back, value) << written.toUtf8();
        ASSERT_PRED2(same<float>, Format::parseFloat(written), value) << written.toUtf8();
    };
    for (std::uint64_t pattern = 0; pattern <= 0xFFFFFFFFu; pattern += 65537) {
        float const value = fromBits(static_cast<std::uint32_t>(pattern));
        if (std::isfinite(value)) {
            check(value);
        }
    }
    for (float value : {kDenormMin, std::numeric_limits<float>::min(), kFloatMax, -kFloatMax, -0.0f,
                        1e-7f, std::nextafter(1e-7f, 0.0f), 1e21f, std::nextafter(1e21f, 0.0f)}) {
        check(value);
    }
}

} // namespace
} // namespace Core
