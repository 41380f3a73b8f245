// Path data: each command, repetition, arc flags, number and unit stop rules, hostile text,
// equality.
#include "xmlattr/svg/PathDataCommand.h"

#include "testing/SvgText.h"
#include "xmlattr/platform/Allocator.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace Xml {
namespace {

using namespace std::string_view_literals;
using xmlattr_testing::repeated;
using P = PathDataCommand;

// The records as text: each command's letter (lower case when relative), then the arguments
// its kind reads, in the order of the text, "|" between records. A "!" marks a record holding
// anything but zero in a field its kind does not read.
std::string describe(Core::Vector<P> const& list) {
    constexpr SLength P::*kLengths[] = {&P::x1, &P::y1, &P::x2, &P::y2,
                                        &P::x,  &P::y,  &P::rx, &P::ry};
    // By kind: indexes into kLengths, "r" the rotation, "f" the two flags.
    constexpr char const* kReads[] = {"",  "",       "45",   "",     "45", "4",
                                      "5", "012345", "2345", "0145", "45", "67rf45"};
    std::string text;
    for (P const& c : list) {
        int const type = c.type >= 0 && c.type <= Arc ? c.type : 0;
        text += (text.empty() ? "" : "|") +
                std::string(1, static_cast<char>("??MZLHVCSQTA"[type] + (c.relative ? 32 : 0)));
        P unread = c;
        for (char const* read = kReads[type]; *read != 0; ++read) {
            if (*read == 'r') {
                text += " " + Core::Format::toString(c.rotation).toUtf8();
                unread.rotation = 0;
            } else if (*read == 'f') {
                text += std::string(c.largeArc ? " 1" : " 0") + (c.sweep ? " 1" : " 0");
                unread.largeArc = unread.sweep = false;
            } else {
                SLength P::*const field = kLengths[*read - '0'];
                text += " " + xmlattr_testing::shortText(c.*field);
                unread.*field = SLength();
            }
        }
        bool spare = unread.rotation != 0 || unread.largeArc || unread.sweep;
        for (SLength P::*field : kLengths) {
            spare = spare || unread.*field != SLength();
        }
        text += spare ? " !" : "";
    }
    return text;
}

// Reads into a list that holds a record, which the text replaces. The new list holds no spare
// capacity and, while it fits the reader's stack block, costs one allocation.
std::string read(std::u16string const& text) {
    TXmlAttribute<Core::Vector<P>> attribute(Core::Vector<P>{{.type = ClosePath}});
    Core::String const string{std::u16string_view(text)};
    std::uint64_t const before = Core::Allocator::allocations();
    EXPECT_TRUE(attribute.parseValue(string));
    EXPECT_LE(Core::Allocator::allocations() - before, attribute->size() <= 64 ? 1u : 40u);
    EXPECT_EQ(attribute->capacity(), attribute->size());
    return describe(*attribute);
}

TEST(PathData, Reads) {
    struct Row {
        std::u16string text;
        std::string records;
    };
    std::u16string const digits(1000000, u'1');
    // clang-format off
    Row const rows[] = {
        // A sign after a digit begins the next argument; "z" is never relative.
        {u"m10,20l5-5z",                   "m 10 20|l 5 -5|Z"},
        {u"H 5 h-5 V 7 v.5",               "H 5|h -5|V 7|v 0.5"},
        {u"C 1 2 3 4 5 6 s1 2 3 4",        "C 1 2 3 4 5 6|s 1 2 3 4"},
        {u"Q 1 2 3 4 t1 2",                "Q 1 2 3 4|t 1 2"},
        {u"A 25 25 -30 0 1 50 -25",        "A 25 25 -30 0 1 50 -25"},
        // A flag that is neither "0" nor "1" is set when its size is not 0.
        {u"A 10 10 0 2 0 5 5",             "A 10 10 0 1 0 5 5"},
        // More numbers repeat the command; the pairs after a move are lines.
        {u"M 10 20 30 40 m1 2 3 4 5 6",    "M 10 20|L 30 40|m 1 2|l 3 4|l 5 6"},
        {u"h1, 2 -3",                      "h 1|h 2|h -3"},
        {u"M 10 20 30",                    "M 10 20|L 30 0"},
        // Two commas, or a close, end the command: the numbers after it are skipped.
        {u"L 1 2,, 3 4 Z 5",               "L 1 2|Z"},
        // Arc flags need no separator.
        {u"a1 1 0 011 1",                  "a 1 1 0 0 1 1 1"},
        {u"a1 1 0 0,1,1,1",                "a 1 1 0 0 1 1 1"},
        {u"a2 2 0 012-2 2 2 0 100.5.5",    "a 2 2 0 0 1 2 -2|a 2 2 0 1 0 0.5 0.5"},
        // A second point begins the next number.
        {u"M.5.5+1+2",                     "M 0.5 0.5|L 1 2"},
        // Units; "m" is a command unless "c" or "m" is before it, "t" unless "p" is.
        {u"M 10pt 2cm 5mm,1in",            "M 10pt 2cm|L 5mm 1in"},
        {u"M 50% 5px 3cm4",                "M 0.5% 5|L 3cm 4"},
        {u"M 10em 0",                      "M 10 0|m 0 0"},
        {u"M1t2",                          "M 1 0|t 2 0"},
        {u"M 10pc 5",                      "M 10 0|c 5 0 0 0 0 0"},
        // Missing arguments are 0 px; what starts no command is skipped.
        {u"M 10 L 20 30 C",                "M 10 0|L 20 30|C 0 0 0 0 0 0"},
        {u"M x 10 - 5",                    "M 0 10|L 0 5"},
        {u" 10 20 X 1 # ",                 ""},
        // Megabytes: every record read, none lost or spare.
        {repeated(u"M 1 2 L 3 4 ", 100000), "M 1 2|L 3 4" + repeated("|M 1 2|L 3 4", 99999)},
        // A number of a million digits, or with an exponent past every float, is the largest
        // finite float of its sign, never an infinity; one far below the smallest is 0.
        {u"M " + digits + u" 2",           "M 3.4028235e+38 2"},
        {u"M 1e99999999999 -1e99999999999 1e-99999999999 2", "M 3.4028235e+38 -3.4028235e+38|L 0 2"},
        // NUL and unpaired surrogates start no command and are skipped like any other.
        {std::u16string(u"M 1 2 \0 L 3 4"sv), "M 1 2|L 3 4"},
        {u"\xD800M 1 2 \xDC00 z",          "M 1 2|Z"},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(std::u16string_view(row.text).substr(0, 40)).toUtf8());
        EXPECT_EQ(read(row.text), row.records);
    }
}

TEST(PathData, EqualityComparesWhatTheKindReads) {
    float const nan = std::numeric_limits<float>::quiet_NaN();
    SLength const one(1);
    P const move{.type = MoveTo, .x = one};
    struct Row {
        P a, b;
        bool equal;
    };
    // clang-format off
    Row const rows[] = {
        {move, {.type = MoveTo, .x1 = one, .x = one}, true},
        {move, {.type = MoveTo, .x = SLength(1, SLength::UnitPt)}, false},
        {move, {.type = MoveTo, .relative = true, .x = one}, false},
        {{.type = QuadraticCurveTo}, {.type = QuadraticCurveTo, .x1 = one}, false},
        {{.type = ClosePath}, {.type = ClosePath, .relative = true}, true},
        {{.type = Arc, .largeArc = true}, {.type = Arc}, false},
        {{.type = Arc, .sweep = true}, {.type = Arc}, false},
        {{.type = Arc, .rotation = nan}, {.type = Arc, .rotation = nan}, false},
        {{}, {}, false},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(&row - rows);
        EXPECT_EQ(row.a == row.b, row.equal);
    }
}

} // namespace
} // namespace Xml
