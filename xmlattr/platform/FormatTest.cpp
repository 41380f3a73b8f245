// Tests of Core::Format: the number grammar, range limits, rounding and the written form.
#include "xmlattr/platform/Format.h"

#include "xmlattr/platform/Allocator.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
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
constexpr int kIntSentinel = -777;
constexpr float kFloatSentinel = -777.25f;

std::string show(View text) { return String(text).toUtf8(); }
std::uint32_t bits(float value) { return std::bit_cast<std::uint32_t>(value); }
constexpr float fromBits(std::uint32_t pattern) { return std::bit_cast<float>(pattern); }

struct IntRow {
    View text;
    bool accepted;
    int expected;
};

struct FloatRow {
    View text;
    bool accepted;
    float expected;
};

template <std::size_t N>
void checkStrict(IntRow const (&rows)[N], bool (*parse)(View, int&) noexcept) {
    for (IntRow const& row : rows) {
        SCOPED_TRACE(show(row.text));
        int out = kIntSentinel;
        EXPECT_EQ(parse(row.text, out), row.accepted);
        EXPECT_EQ(out, row.accepted ? row.expected : kIntSentinel);
    }
}

TEST(FormatTest, StrictInt) {
    // clang-format off
    constexpr IntRow kRows[] = {
        {u"42", true, 42},            {u"+42", true, 42},          {u"-42", true, -42},
        {u"\t\n\v\f\r7\r\n", true, 7}, {u" -50% ", true, -50},
        {u"2147483647", true, kIntMax}, {u"-2147483648", true, kIntMin},
        {u"0000000000002147483647", true, kIntMax},
        {u"2147483648", false, 0},    {u"-2147483649", false, 0},
        {u"", false, 0},              {u"   ", false, 0},          {u"+", false, 0},
        {u"%", false, 0},             {u"50 %", false, 0},         {u"50%%", false, 0},
        {u"5.", false, 0},            {u"1e3", false, 0},          {u"12pt", false, 0},
        {u"- 1", false, 0},           {u"1 2", false, 0},          {u"5\0"sv, false, 0},
        {u"\u00A05", false, 0},       {u"\uFF15", false, 0},
    };
    // clang-format on
    checkStrict(kRows, &Format::parseInt);
}

TEST(FormatTest, StrictHexInt) {
    // clang-format off
    constexpr IntRow kRows[] = {
        {u"ff", true, 255},           {u"0XFf", true, 255},        {u" 1a ", true, 26},
        {u"1a%", true, 26},           {u"0x7FFFFFFF", true, kIntMax}, {u"0x0000000000001", true, 1},
        {u"80000000", false, 0},      {u"", false, 0},             {u"0x", false, 0},
        {u"-1", false, 0},            {u"+1", false, 0},           {u"1g", false, 0},
        {u"0x 1", false, 0},          {u"0x0x1", false, 0},        {u"#ff", false, 0},
    };
    // clang-format on
    checkStrict(kRows, &Format::parseHexInt);
}

TEST(FormatTest, StrictFloat) {
    // clang-format off
    constexpr FloatRow kRows[] = {
        {u"-1.5", true, -1.5f},       {u"+.5", true, 0.5f},        {u"5.", true, 5.0f},
        {u"1E+3", true, 1000.0f},     {u"2.5e-1", true, 0.25f},    {u"5.e1", true, 50.0f},
        {u" 12.5% ", true, 12.5f},    {u"0.1", true, 0.1f},
        {u"16777217", true, 16777216.0f}, {u"16777219", true, 16777220.0f},
        // Halfway and either side of it, between 1 + 2^-23 and 1 + 2^-22: a detour through
        // double would round the first row up as well.
        {u"1.000000178813934326171874", true, fromBits(0x3F800001)},
        {u"1.000000178813934326171875", true, fromBits(0x3F800002)},
        {u"1.000000059604644775390625", true, fromBits(0x3F800000)},
        {u"3.4028235e38", true, kFloatMax}, {u"3.4028235677973366e38", true, kFloatMax},
        {u"-3.4028235e38", true, -kFloatMax},
        {u"1e-40", true, 1e-40f},     {u"1.4e-45", true, kDenormMin},
        {u"7.1e-46", true, kDenormMin},
        {u"7e-46", true, 0.0f},       {u"1e-50", true, 0.0f},      {u"-1e-50", true, -0.0f},
        {u"1e-99999999999999999999", true, 0.0f}, {u"0e99999999999999999999", true, 0.0f},
        {u"3.4028236e38", false, 0},  {u"1e39", false, 0},         {u"-1e39", false, 0},
        {u"1e99999999999999999999", false, 0},
        {u"-9e9999999999999999999999999999999999999999", false, 0},
        {u"1e0000000000000000000000000000000038", true, 1e38f},
        {u"340282356779733661637539395458142568448", false, 0},
        {u"", false, 0},              {u".", false, 0},            {u"-.", false, 0},
        {u".e5", false, 0},           {u"1e+", false, 0},          {u"1.5.5", false, 0},
        {u"inf", false, 0},           {u"nan", false, 0},          {u"0x1p3", false, 0},
        {u"1,5", false, 0},           {u"1 %", false, 0},          {u"1%%", false, 0},
        {u"1f", false, 0},            {u"1e 5", false, 0},
    };
    // clang-format on
    for (FloatRow const& row : kRows) {
        SCOPED_TRACE(show(row.text));
        float out = kFloatSentinel;
        EXPECT_EQ(Format::parseFloat(row.text, out), row.accepted);
        EXPECT_EQ(bits(out), bits(row.accepted ? row.expected : kFloatSentinel));
    }
}

TEST(FormatTest, LenientInt) {
    // clang-format off
    constexpr IntRow kRows[] = {
        {u"12pt", true, 12},          {u"  -7x", true, -7},        {u"1.9", true, 1},
        {u"1e5", true, 1},            {u"", true, 0},              {u"- 5", true, 0},
        {u"x42", true, 0},            {u"2147483648", true, kIntMax}, {u"-2147483649", true, kIntMin},
        {u"99999999999999999999999px", true, kIntMax}, {u"0000000000000000042", true, 42},
    };
    // clang-format on
    for (IntRow const& row : kRows) {
        SCOPED_TRACE(show(row.text));
        EXPECT_EQ(Format::parseInt(row.text), row.expected);
    }
}

TEST(FormatTest, LenientFloat) {
    // clang-format off
    constexpr FloatRow kRows[] = {
        {u"12pt", true, 12.0f},       {u"1x5", true, 1.0f},        {u"1e+x", true, 1.0f},
        {u"-.5e-1px", true, -0.05f},  {u"5..5", true, 5.0f},       {u"1.5e3.7", true, 1500.0f},
        {u"  3.25%", true, 3.25f},    {u"0x1A", true, 0.0f},       {u".", true, 0.0f},
        {u"", true, 0.0f},            {u"inf", true, 0.0f},        {u"1e39", true, kInf},
        {u"-1e39em", true, -kInf},    {u"-1e-50", true, -0.0f},
    };
    // clang-format on
    for (FloatRow const& row : kRows) {
        SCOPED_TRACE(show(row.text));
        EXPECT_EQ(bits(Format::parseFloat(row.text)), bits(row.expected));
    }
}

TEST(FormatTest, LongNumbersRoundExactlyWithoutHeap) {
    std::u16string const zeros(3000, u'0');
    std::uint64_t const before = Allocator::allocations();
    float out = kFloatSentinel;
    ASSERT_TRUE(Format::parseFloat(u"1" + zeros + u"e-3000", out));
    EXPECT_EQ(out, 1.0f);
    ASSERT_TRUE(Format::parseFloat(u"0." + zeros + u"1e3001", out));
    EXPECT_EQ(out, 1.0f);
    // A digit far beyond the halfway point still decides the rounding.
    ASSERT_TRUE(Format::parseFloat(u"1.000000059604644775390625" + zeros + u"1", out));
    EXPECT_EQ(bits(out), 0x3F800001u);
    EXPECT_EQ(bits(Format::parseFloat(u"-0." + zeros + u"1e-20")), bits(-0.0f));
    EXPECT_EQ(Format::parseFloat(u"1" + zeros), kInf);
    EXPECT_FALSE(Format::parseFloat(u"1" + zeros, out));
    EXPECT_EQ(Format::parseInt(u"-" + zeros + u"1"), -1);
    // Halfway between the two doubles next to 1 + 2^-52, then a last digit far away.
    double d = 0;
    std::u16string const half = u"1.00000000000000033306690738754696212708950042724609375";
    ASSERT_TRUE(Format::fromChars(half + zeros, d));
    EXPECT_EQ(d, 1.0000000000000004); // a tie goes to the even neighbour
    ASSERT_TRUE(Format::fromChars(half + zeros + u"1", d));
    EXPECT_EQ(d, 1.0000000000000004);
    ASSERT_TRUE(Format::fromChars(
        u"1.00000000000000011102230246251565404236316680908203125" + zeros + u"1", d));
    EXPECT_EQ(d, 1.0000000000000002);
    EXPECT_EQ(Allocator::allocations(), before);
}

// Exponents beyond every integer type and mantissas of a million digits: the value is still
// the one the text names, and the number ends where its text does.
TEST(FormatTest, HostileNumbers) {
    std::u16string const million(1000000, u'0');
    std::u16string const nines(5000, u'9');
    struct Row {
        std::u16string text;
        std::errc error;
        float value; // what a sentinel of -7 becomes
    };
    constexpr std::errc kRange = std::errc::result_out_of_range;
    Row const rows[] = {
        {u"1e" + nines, kRange, -7},
        {u"1e-" + nines, {}, 0},
        {u"1e" + std::u16string(5000, u'0') + u"1", {}, 10},
        {u"1e4294967297", kRange, -7},
        {u"1e-4294967296", {}, 0},
        {u"0.1e18446744073709551617", kRange, -7},
        {u"1" + million + u"e-1000000", {}, 1},
        {u"0." + million + u"1e1000001", {}, 1},
        {million + u"1.5", {}, 1.5f},
        {u"1" + million + u"e-2147483648", {}, 0},
        {u"0." + million + u"1e2147483647", kRange, -7},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(show(View(row.text).substr(0, 30)));
        float value = -7;
        NumberRead const read = Format::fromChars(row.text, value);
        EXPECT_EQ(read.error, row.error);
        EXPECT_EQ(read.consumed, static_cast<int>(row.text.size()));
        EXPECT_EQ(value, row.value);
    }
    // The int reader stops where an integer does, and says when it is too large.
    int whole = -7;
    NumberRead const read = Format::fromChars(u"-" + million + u"2147483648.5", whole);
    EXPECT_TRUE(read);
    EXPECT_EQ(whole, kIntMin);
    EXPECT_EQ(read.consumed, 1000011);
    EXPECT_EQ(Format::fromChars(u"1" + million, whole).error, std::errc::result_out_of_range);
    EXPECT_EQ(Format::parseInt(u"1" + million), kIntMax);
}

struct PrefixRow {
    View text;
    std::errc error;
    int consumed;
    double value; // what a sentinel of -7 becomes
};

TEST(FormatTest, PrefixReaderStopsWhereTheNumberEnds) {
    constexpr std::errc kNone = std::errc::invalid_argument;
    constexpr std::errc kRange = std::errc::result_out_of_range;
    // clang-format off
    constexpr PrefixRow kRows[] = {
        {u"12pt", {}, 2, 12},          {u"-1.5.5", {}, 4, -1.5},   {u".5.5", {}, 2, 0.5},
        {u"1e-5x", {}, 4, 1e-5},        {u"1E+2", {}, 4, 100},      {u"1e", {}, 1, 1},
        {u"1e+", {}, 1, 1},             {u"5.", {}, 2, 5},          {u"+0", {}, 2, 0},
        {u"50%", {}, 2, 50},            {u"1,5", {}, 1, 1},         {u"007", {}, 3, 7},
        {u" 1", kNone, 0, -7},          {u"", kNone, 0, -7},        {u"+", kNone, 0, -7},
        {u"-.", kNone, 0, -7},          {u"e1", kNone, 0, -7},      {u"inf", kNone, 0, -7},
        {u"nan", kNone, 0, -7},         {u"0x1p3", {}, 1, 0},       {u"１", kNone, 0, -7},
        {u"1e309", kRange, 5, -7},      {u"-1e400px", kRange, 6, -7},
        {u"1e-400", {}, 6, 0},          {u"1e99999999999999999999", kRange, 22, -7},
    };
    // clang-format on
    for (PrefixRow const& row : kRows) {
        SCOPED_TRACE(show(row.text));
        double value = -7;
        NumberRead const read = Format::fromChars(row.text, value);
        EXPECT_EQ(read.error, row.error);
        EXPECT_EQ(static_cast<bool>(read), row.error == std::errc());
        EXPECT_EQ(read.consumed, row.consumed);
        EXPECT_EQ(value, row.value);
    }
    int whole = -7;
    EXPECT_EQ(Format::fromChars(u"-12.5", whole).consumed, 3);
    EXPECT_EQ(whole, -12);
    NumberRead const over = Format::fromChars(u"-2147483649,", whole);
    EXPECT_EQ(over.error, std::errc::result_out_of_range);
    EXPECT_EQ(over.consumed, 11);
    EXPECT_EQ(whole, -12);
    float single = -7;
    EXPECT_EQ(Format::fromChars(u"3.5e38", single).error, std::errc::result_out_of_range);
    EXPECT_TRUE(Format::fromChars(u"3.4e38", single));
    EXPECT_EQ(bits(Format::parseFloat(u"-1e-60")), bits(-0.0f));
}

// Texts of varied shape read exactly as std::from_chars reads their ASCII form.
TEST(FormatTest, PrefixReaderRoundsAsFromChars) {
    std::uint64_t state = 0x9E3779B97F4A7C15u;
    auto next = [&state](unsigned bound) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return static_cast<unsigned>(state % bound);
    };
    for (int i = 0; i < 20000; ++i) {
        std::string ascii;
        if (next(2) == 0) {
            ascii += '-';
        }
        for (unsigned n = next(25); n > 0; --n) {
            ascii += static_cast<char>('0' + next(10));
        }
        ascii += '.';
        for (unsigned n = next(25) + 1; n > 0; --n) {
            ascii += static_cast<char>('0' + next(10));
        }
        ascii += 'e' + std::to_string(static_cast<int>(next(90)) - 55);
        std::u16string const text(ascii.begin(), ascii.end());
        SCOPED_TRACE(ascii);
        float single = 0;
        float singleExpected = 0;
        double dbl = 0;
        double dblExpected = 0;
        char const* end = ascii.data() + ascii.size();
        bool const singleFits =
            std::from_chars(ascii.data(), end, singleExpected).ec == std::errc();
        bool const dblFits = std::from_chars(ascii.data(), end, dblExpected).ec == std::errc();
        NumberRead const readSingle = Format::fromChars(text, single);
        NumberRead const readDouble = Format::fromChars(text, dbl);
        EXPECT_EQ(readSingle.consumed, static_cast<int>(text.size()));
        EXPECT_EQ(readDouble.consumed, static_cast<int>(text.size()));
        if (singleFits) {
            EXPECT_EQ(bits(single), bits(singleExpected));
        }
        if (dblFits) {
            EXPECT_EQ(dbl, dblExpected);
        }
    }
}

// Numbers of the size attribute text holds, near float midpoints among them, read exactly
// as std::from_chars reads them: alone, inside a longer text and just before its end, since
// short numbers are read within a window of the text's first code units.
TEST(FormatTest, ShortNumbersRoundAsFromChars) {
    std::uint64_t state = 0x2545F4914F6CDD1Du;
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
    for (int i = 0; i < 20000; ++i) {
        std::string ascii = next(3) == 0 ? "-" : "";
        for (unsigned n = next(10); n > 0; --n) {
            ascii += static_cast<char>('0' + next(10));
        }
        if (ascii.empty() || ascii == "-" || next(4) != 0) {
            ascii += '.';
            for (unsigned n = next(12) + 1; n > 0; --n) {
                ascii += static_cast<char>('0' + next(10));
            }
        }
        if (next(3) == 0) {
            ascii += 'e' + std::to_string(static_cast<int>(next(50)) - 25);
        }
        texts.push_back(ascii);
    }
    for (std::string const& ascii : texts) {
        float singleExpected = 0;
        double dblExpected = 0;
        // std::from_chars takes no plus sign.
        char const* const begin = ascii.data() + (ascii[0] == '+' ? 1 : 0);
        char const* const end = ascii.data() + ascii.size();
        ASSERT_EQ(std::from_chars(begin, end, singleExpected).ec, std::errc()) << ascii;
        ASSERT_EQ(std::from_chars(begin, end, dblExpected).ec, std::errc()) << ascii;
        for (std::string_view const after : {"", ",5", " xxxxxxxxxxxxxxxxxxxxxxxx"}) {
            std::string const whole = ascii + std::string(after);
            SCOPED_TRACE(whole);
            std::u16string const text(whole.begin(), whole.end());
            float single = 0;
            double dbl = 0;
            NumberRead const readSingle = Format::fromChars(text, single);
            NumberRead const readDouble = Format::fromChars(text, dbl);
            ASSERT_TRUE(readSingle && readDouble);
            EXPECT_EQ(readSingle.consumed, static_cast<int>(ascii.size()));
            EXPECT_EQ(readDouble.consumed, static_cast<int>(ascii.size()));
            EXPECT_EQ(bits(single), bits(singleExpected));
            EXPECT_EQ(std::bit_cast<std::uint64_t>(dbl), std::bit_cast<std::uint64_t>(dblExpected));
        }
    }
}

// A code unit whose low byte looks like a digit is no digit.
TEST(FormatTest, PrefixReaderStopsAtLookAlikeDigits) {
    struct Row {
        std::u16string_view text;
        int consumed;
        float value;
    };
    Row const rows[] = {
        {u"12\u01313456", 2, 12},
        {u"1234\u0135678", 4, 1234},
        {u"12345678\u0660", 8, 12345678},
        {u"-0.5\uFF10\uFF10\uFF10\uFF10", 4, -0.5f},
        {u"1.2345678901x", 12, 1.2345678901f},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(row.consumed);
        float value = 0;
        NumberRead const read = Format::fromChars(row.text, value);
        EXPECT_TRUE(read);
        EXPECT_EQ(read.consumed, row.consumed);
        EXPECT_EQ(value, row.value);
    }
}

TEST(FormatTest, OrdinaryNumbersNeedNoHeap) {
    std::uint64_t const before = Allocator::allocations();
    int i = 0;
    float f = 0;
    EXPECT_TRUE(Format::parseInt(u" -2147483648% ", i));
    EXPECT_TRUE(Format::parseHexInt(u"0x7fffffff", i));
    EXPECT_TRUE(Format::parseFloat(u"-1.234567890123456789012345678901234567890e-3%", f));
    EXPECT_FALSE(Format::parseFloat(u"1e39", f));
    EXPECT_EQ(Format::parseInt(u"99999999999999999999999"), kIntMax);
    EXPECT_EQ(Format::parseFloat(u"-1e-50px"), 0.0f);
    EXPECT_EQ(Allocator::allocations(), before);
}

TEST(FormatTest, ReadsNothingOutsideTheView) {
    // The text that follows the view is not part of the number.
    View const longer = u"123456e7";
    int i = 0;
    float f = 0;
    EXPECT_TRUE(Format::parseInt(longer.substr(0, 2), i));
    EXPECT_EQ(i, 12);
    EXPECT_TRUE(Format::parseHexInt(longer.substr(0, 2), i));
    EXPECT_EQ(i, 0x12);
    EXPECT_TRUE(Format::parseFloat(longer.substr(0, 6), f));
    EXPECT_EQ(f, 123456.0f);
    EXPECT_EQ(Format::parseFloat(longer.substr(0, 7)), 123456.0f);
    EXPECT_EQ(Format::parseInt(longer.substr(0, 1)), 1);
}

TEST(FormatTest, WritesIntegers) {
    EXPECT_EQ(show(Format::toString(0)), "0");
    EXPECT_EQ(show(Format::toString(-17)), "-17");
    EXPECT_EQ(show(Format::toString(kIntMax)), "2147483647");
    EXPECT_EQ(show(Format::toString(kIntMin)), "-2147483648");
}

TEST(FormatTest, WritesFloats) {
    struct Row {
        float value;
        View expected;
    };
    // clang-format off
    constexpr Row kRows[] = {
        {12.0f, u"12"},               {1.5f, u"1.5"},              {0.1f, u"0.1"},
        {1.2f, u"1.2"},               {-2.75f, u"-2.75"},          {-0.0f, u"-0"},
        {2147483648.0f, u"2147483648"}, {1e-7f, u"0.0000001"},     {1.5e-8f, u"1.5e-08"},
        {9.9999994e-8f, u"9.9999994e-08"}, {1e21f, u"1e+21"},
        {9.999999e20f, u"999999879303388987392"},
        {kFloatMax, u"3.4028235e+38"}, {kDenormMin, u"1e-45"},
        {kInf, u"inf"},               {-kInf, u"-inf"},
        {std::numeric_limits<float>::quiet_NaN(), u"nan"},
        {-std::numeric_limits<float>::quiet_NaN(), u"nan"},
    };
    // clang-format on
    for (Row const& row : kRows) {
        SCOPED_TRACE(show(row.expected));
        EXPECT_EQ(show(Format::toString(row.value)), show(row.expected));
    }
}

TEST(FormatTest, WritesDoublesByTheSameRules) {
    EXPECT_EQ(show(Format::toString(0.3)), "0.3");
    EXPECT_EQ(show(Format::toString(0.1 + 0.2)), "0.30000000000000004");
    EXPECT_EQ(show(Format::toString(9.999999999999998e-8)), "9.999999999999998e-08");
    EXPECT_EQ(show(Format::toString(999999999999999868928.0)), "999999999999999868928");
    EXPECT_EQ(show(Format::toString(1e21)), "1e+21");
    EXPECT_EQ(show(Format::toString(5e-324)), "5e-324");
}

TEST(FormatTest, FloatTextReadsBackToTheSameBits) {
    auto const check = [](float value) {
        String const text = Format::toString(value);
        float back = kFloatSentinel;
        ASSERT_TRUE(Format::parseFloat(text, back)) << text.toUtf8();
        ASSERT_EQ(bits(back), bits(value)) << text.toUtf8();
        ASSERT_EQ(bits(Format::parseFloat(text)), bits(value)) << text.toUtf8();
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
