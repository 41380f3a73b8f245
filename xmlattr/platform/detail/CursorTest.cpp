// Cursor: each step's result and where it leaves the position, proved at compile time where
// the step is constexpr.
#include "xmlattr/platform/detail/Cursor.h"

#include <gtest/gtest.h>

#include <charconv>
#include <limits>
#include <string>

namespace Core::detail {
namespace {

// Each step as a callable that gives what it cut out ("1"/"0" for a skip's result).
constexpr std::u16string_view moved(bool yes) { return yes ? u"1" : u"0"; }
constexpr auto space = [](Cursor& c) { return moved(c.skipSpace()); };
constexpr auto nonSpace = [](Cursor& c) { return moved(c.skipNonSpace()); };
constexpr auto spaceComma = [](Cursor& c) { return moved(c.skipSpaceAndComma()); };
constexpr auto word = [](Cursor& c) { return c.word(); };
constexpr auto function = [](Cursor& c) { return c.wordOrFunction(); };
constexpr auto toComma = [](Cursor& c) { return c.until(u','); };
constexpr auto item = [](Cursor& c) { return c.item(); };
constexpr bool isLetter(char16_t unit) { return unit >= u'a' && unit <= u'z'; }
constexpr auto letters = [](Cursor& c) { return c.takeWhile(isLetter); };
constexpr auto three = [](Cursor& c) { return c.advance(3), std::u16string_view(); };
constexpr auto comma = [](Cursor& c) { return moved(c.take(u',')); };
constexpr auto separator = [](Cursor& c) { return moved(c.skipSeparator()); };
// A function form's steps give "!" where they return false.
constexpr auto open = [](Cursor& c) {
    std::u16string_view name;
    return c.openFunction(name) ? name : u"!";
};
constexpr auto argument = [](Cursor& c) {
    std::u16string_view piece;
    return c.argument(piece) ? piece : u"!";
};
constexpr auto close = [](Cursor& c) { return moved(c.closeFunction()); };

// Whether `step`, run from `from`, cuts out `piece` and leaves the position at `to`.
constexpr bool steps(std::u16string_view text, int from, auto step, std::u16string_view piece,
                     int to) {
    Cursor cursor(text, from);
    return step(cursor) == piece && cursor.position() == to;
}

static_assert(steps(u" , ,x", 0, spaceComma, u"1", 4)); // commas and blanks in any mix
static_assert(steps(u",,", 0, spaceComma, u"1", 2));    // commas alone
static_assert(steps(u"\t\n\v\f\r,x", 0, spaceComma, u"1", 6));
static_assert(steps(u"x,", 0, spaceComma, u"0", 0));
static_assert(steps(u"5pt,3", 0, item, u"5pt", 3) && steps(u"5\t3", 0, item, u"5", 1) &&
              steps(u",3", 0, item, u"", 0) && steps(u"12%", 0, item, u"12%", 3));
static_assert(steps(u"", 0, spaceComma, u"0", 0));
static_assert(steps(u" ,x", 0, space, u"1", 1));     // a comma is not white space
static_assert(steps(u"\u00A0x", 0, space, u"0", 0)); // only the C locale's white space
static_assert(steps(u"ab c", 0, nonSpace, u"1", 2));
static_assert(steps(u"  meet slice", 0, word, u"meet", 6));
static_assert(steps(u"a,b c", 0, word, u"a,b", 3));
static_assert(steps(u"   ", 0, word, u"", 3));
static_assert(steps(u"ab", 7, word, u"", 2)); // clamped into the text
static_assert(steps(u"ab", -4, word, u"ab", 2));
static_assert(steps(u"translate(10, 20) scale(2)", 0, function, u"translate(10, 20)", 17));
static_assert(steps(u"f(g(x)) y", 0, function, u"f(g(x)", 6)); // parentheses do not nest
static_assert(steps(u"rotate(45", 0, function, u"rotate(45", 9));
static_assert(steps(u"a (b)", 0, function, u"a", 1)); // white space ends the name before any "("
static_assert(steps(u"(", 0, function, u"(", 1));
static_assert(steps(u" \t", 0, function, u"", 2));
static_assert(steps(u"5 ,3", 0, toComma, u"5 ", 2)); // stops on the comma, white space kept
static_assert(steps(u",3", 0, toComma, u"", 0));
static_assert(steps(u"53", 1, toComma, u"3", 2));
static_assert(steps(u"abc(1)", 0, letters, u"abc", 3));
static_assert(steps(u"(1)", 0, letters, u"", 0));
static_assert(steps(u"xab", 1, letters, u"ab", 3)); // to the end
static_assert(steps(u"abcde", 1, three, u"", 4));
static_assert(steps(u"abc", 1, three, u"", 3)); // no further than the end
static_assert(steps(u",x", 0, comma, u"1", 1));
static_assert(steps(u" ,", 0, comma, u"0", 0));
static_assert(steps(u"", 0, comma, u"0", 0));
static_assert(steps(u" \t,\n x", 0, separator, u"1", 5)); // blanks on both sides of the comma
static_assert(steps(u",,x", 0, separator, u"1", 1));      // one comma at most
static_assert(steps(u"  x", 0, separator, u"0", 2));      // blanks alone are a separator
static_assert(steps(u"x", 0, separator, u"0", 0));
static_assert(steps(u"rgb( 1)", 0, open, u"rgb", 4));
static_assert(steps(u"a (b(c", 0, open, u"a ", 3)); // the first "(" ends the name, blanks kept
static_assert(steps(u"rgb", 0, open, u"!", 3));
static_assert(steps(u" 1 ,2)", 0, argument, u" 1 ", 3)); // left on the ",", blanks kept
static_assert(steps(u"1)", 0, argument, u"1", 1));
static_assert(steps(u")", 0, argument, u"", 0));
static_assert(steps(u"1 2", 0, argument, u"!", 3)); // no "," or ")" before the end
static_assert(steps(u" \t)x", 0, close, u"1", 3));
static_assert(steps(u" x)", 0, close, u"0", 1));
static_assert(Cursor(u"").peek() == u'\0');
static_assert(Cursor(u"7.25 3", 4).rest() == u" 3");

// `number` read into a `T` that holds -7 gives `value` (-7 when rejected) and leaves the
// position at `to`; `consumed` is its answer's length, also where the number was out of range.
template <class T>
void expectNumber(char16_t const* text, int from, bool read, T value, int to, int consumed = -1) {
    SCOPED_TRACE(testing::Message() << Core::String(text).toUtf8() << " from " << from);
    Cursor cursor(text, from);
    T out = -7;
    NumberRead const answer = cursor.number(out);
    EXPECT_EQ(static_cast<bool>(answer), read);
    EXPECT_EQ(answer.consumed, consumed < 0 ? to - from : consumed);
    EXPECT_EQ(out, value);
    EXPECT_EQ(cursor.position(), to);
}

TEST(Cursor, Number) {
    expectNumber(u"12pt", 0, true, 12.0, 2);
    expectNumber(u"1.5.5", 0, true, 1.5, 3);
    expectNumber(u"1.5.5", 3, true, 0.5, 5);
    expectNumber(u"M-1e-5,2", 1, true, -1e-5, 6);
    expectNumber(u" 1", 0, false, -7.0, 0); // white space is the caller's to skip
    expectNumber(u"-", 0, false, -7.0, 0);
    expectNumber(u"1e999,", 0, false, -7.0, 0,
                 5); // out of range: its length, neither moved nor written
    expectNumber(u"-1e39", 0, false, -7.0f, 0, 5);
    expectNumber(u"1.00000000000000000001e1 ", 0, true, 10.000000000000000000001,
                 24); // the long way
    expectNumber(u"5", 1, false, -7.0, 1);
    expectNumber(u"7.25 3", 0, true, 7, 1); // an integer stops at the point
    expectNumber(u"7.25 3", 1, true, 0.25f, 4);
    expectNumber(u"2147483648", 0, false, -7, 0, 10);
    expectNumber(u"-2147483648,", 0, true, std::numeric_limits<int>::min(), 11);
}

// Fractions of every run length against every code unit that may stop them (the end, ASCII
// just below "0" and above "9", and units whose high byte is set), read as the standard reader
// reads the same digits, with the number ending where the digits do.
TEST(Cursor, NumberFractionRuns) {
    constexpr char16_t kStops[] = {0,       u',',     u'/',     u':',     u'e' - 1, u'\u0130',
                                   u'\u0660', u'\u7fff', u'\u8000', u'\u8030', u'\uff10'};
    for (int run = 0; run <= 13; ++run) {
        std::string ascii = "3.";
        for (int k = 0; k < run; ++k) {
            ascii += static_cast<char>('0' + (7 * k + 5) % 10);
        }
        float expected = 0.0f;
        std::from_chars(ascii.data(), ascii.data() + ascii.size(), expected);
        for (char16_t const stop : kStops) {
            std::u16string text(ascii.begin(), ascii.end());
            if (stop != 0) {
                text += stop;
                text += u"9999"; // digits after the stop are no part of the number
            }
            SCOPED_TRACE(testing::Message() << ascii << " stopped by " << int{stop});
            Cursor cursor(text);
            float out = -7.0f;
            NumberRead const answer = cursor.number(out);
            EXPECT_TRUE(answer);
            EXPECT_EQ(out, expected);
            EXPECT_EQ(cursor.position(), static_cast<int>(ascii.size()));
        }
    }
}

} // namespace
} // namespace Core::detail
