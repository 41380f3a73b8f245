// Path data: each command, repetition, arc flags, number and unit stop rules, equality.
#include "xmlattr/svg/PathDataCommand.h"

#include "testing/SvgText.h"
#include "xmlattr/platform/Allocator.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace Xml {
namespace {

using namespace std::string_view_literals;

using xmlattr_testing::shortText;

// The records as text: each command's letter (lower case when relative), then its arguments
// in the order of the text, "|" between records. A "!" marks a record holding anything but
// zero in a field its kind does not read.
std::string describe(Core::Vector<PathDataCommand> const& list) {
    std::string text;
    for (PathDataCommand const& c : list) {
        char const letter = "??MZLHVCSQTA"[c.type >= 0 && c.type <= Arc ? c.type : 0];
        text += (text.empty() ? "" : "|") + std::string(1, c.relative ? letter + 32 : letter);
        PathDataCommand unread = c;
        auto show = [&](SLength PathDataCommand::*field) {
            text += " " + shortText(c.*field);
            unread.*field = SLength();
        };
        using P = PathDataCommand;
        switch (c.type) {
        case HorizontalLineTo:
            show(&P::x);
            break;
        case VerticalLineTo:
            show(&P::y);
            break;
        case CurveTo:
            show(&P::x1), show(&P::y1), show(&P::x2), show(&P::y2);
            break;
        case SmoothCurveTo:
            show(&P::x2), show(&P::y2);
            break;
        case QuadraticCurveTo:
            show(&P::x1), show(&P::y1);
            break;
        case Arc:
            show(&P::rx), show(&P::ry);
            text += " " + Core::Format::toString(c.rotation).toUtf8() + (c.largeArc ? " 1" : " 0") +
                    (c.sweep ? " 1" : " 0");
            unread.rotation = 0, unread.largeArc = false, unread.sweep = false;
            break;
        default:
            break;
        }
        if (c.type != ClosePath && c.type != HorizontalLineTo && c.type != VerticalLineTo) {
            show(&P::x), show(&P::y);
        }
        for (SLength P::*field : {&P::x1, &P::y1, &P::x2, &P::y2, &P::x, &P::y, &P::rx, &P::ry}) {
            if (unread.*field != SLength() || unread.rotation != 0 || unread.largeArc ||
                unread.sweep) {
                text += " !";
                break;
            }
        }
    }
    return text;
}

std::string read(std::u16string_view text) {
    TXmlAttribute<Core::Vector<PathDataCommand>> attribute;
    EXPECT_TRUE(attribute.parseValue(Core::String(text)));
    return describe(*attribute);
}

TEST(PathData, Reads) {
    struct Row {
        std::u16string_view text;
        char const* records;
    };
    // clang-format off
    Row const rows[] = {
        {u"M 10 20 L 30 40 Z",             "M 10 20|L 30 40|Z"},
        // A sign after a digit begins the next argument; "z" is never relative.
        {u"m10,20l5-5z",                   "m 10 20|l 5 -5|Z"},
        {u"H 5 h-5 V 7 v.5",               "H 5|h -5|V 7|v 0.5"},
        {u"C 1 2 3 4 5 6 s1 2 3 4",        "C 1 2 3 4 5 6|s 1 2 3 4"},
        {u"Q 1 2 3 4 t1 2",                "Q 1 2 3 4|t 1 2"},
        {u"A 25 25 -30 0 1 50 -25",        "A 25 25 -30 0 1 50 -25"},
        // A flag that is neither "0" nor "1" is set when its size is not 0.
        {u"A 10 10 0 2 0 5 5",             "A 10 10 0 1 0 5 5"},
        // More numbers repeat the command; the pairs after a move are lines.
        {u"M 10 20 30 40",                 "M 10 20|L 30 40"},
        {u"m1 2 3 4 5 6",                  "m 1 2|l 3 4|l 5 6"},
        {u"h1, 2 -3",                      "h 1|h 2|h -3"},
        {u"C1 2 3 4 5 6 .1 .2 .3 .4 .5 .6", "C 1 2 3 4 5 6|C 0.1 0.2 0.3 0.4 0.5 0.6"},
        {u"M 10 20 30",                    "M 10 20|L 30 0"},
        // Two commas, or a close, end the command: the numbers after it are skipped.
        {u"L 1 2,, 3 4",                   "L 1 2"},
        {u"Z 1 2",                         "Z"},
        // Arc flags need no separator.
        {u"a1 1 0 01 1 1",                 "a 1 1 0 0 1 1 1"},
        {u"a1 1 0 011 1",                  "a 1 1 0 0 1 1 1"},
        {u"a1 1 0 0,1,1,1",                "a 1 1 0 0 1 1 1"},
        {u"a2 2 0 012-2 2 2 0 100.5.5",    "a 2 2 0 0 1 2 -2|a 2 2 0 1 0 0.5 0.5"},
        // An exponent keeps its sign; a second point begins the next number.
        {u"M 1e-5 2 1E+2-3e1",             "M 0.00001 2|L 100 -30"},
        {u"M.5.5",                         "M 0.5 0.5"},
        {u"M1.5.5.5.5",                    "M 1.5 0.5|L 0.5 0.5"},
        {u"M+1+2",                         "M 1 2"},
        {u"M 1e39 -1e39",                  "M inf -inf"},
        // Units; "m" is a command unless "c" or "m" is before it, "t" unless "p" is.
        {u"M 10pt 2cm 5mm,1in",            "M 10pt 2cm|L 5mm 1in"},
        {u"M 50% 5px 3cm4",                "M 0.5% 5|L 3cm 4"},
        {u"M 10em 0",                      "M 10 0|m 0 0"},
        {u"M1t2",                          "M 1 0|t 2 0"},
        {u"M 10pc 5",                      "M 10 0|c 5 0 0 0 0 0"},
        // Missing arguments are 0 px; what starts no command is skipped.
        {u"L 10",                          "L 10 0"},
        {u"M 10 L 20 30",                  "M 10 0|L 20 30"},
        {u"C",                             "C 0 0 0 0 0 0"},
        {u"X 10 20 # 1",                   ""},
        {u"10 20 M1 2",                    "M 1 2"},
        {u"M x 10 - 5",                    "M 0 10|L 0 5"},
        {u"   ",                           ""},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        EXPECT_EQ(read(row.text), row.records);
    }
}

TEST(PathData, ReplacesTheHeldListWithOneOfExactSize) {
    TXmlAttribute<Core::Vector<PathDataCommand>> attribute;
    for (int count : {1, 64, 65, 1000, 0}) {
        SCOPED_TRACE(count);
        Core::String text;
        for (int i = 0; i < count; ++i) {
            text.append(u"l1 2");
        }
        std::uint64_t const before = Core::Allocator::allocations();
        ASSERT_TRUE(attribute.parseValue(text));
        EXPECT_EQ(attribute->size(), count);
        EXPECT_EQ(attribute->capacity(), count);
        // Up to 64 records, the list is gathered on the stack and allocated once.
        if (count <= 64) {
            EXPECT_EQ(Core::Allocator::allocations() - before, count == 0 ? 0u : 1u);
        }
    }
}

TEST(PathData, HostileText) {
    // Megabytes of path data: every record read, none lost or spare.
    constexpr int kPairs = 100000;
    std::u16string text;
    for (int i = 0; i < kPairs; ++i) {
        text += u"M 1 2 L 3 4 ";
    }
    TXmlAttribute<Core::Vector<PathDataCommand>> attribute;
    ASSERT_TRUE(attribute.parseValue(Core::String(std::u16string_view(text))));
    ASSERT_EQ(attribute->size(), 2 * kPairs);
    EXPECT_EQ(attribute->capacity(), 2 * kPairs);
    PathDataCommand const move{.type = MoveTo, .x = SLength(1), .y = SLength(2)};
    PathDataCommand const line{.type = LineTo, .x = SLength(3), .y = SLength(4)};
    int wrong = 0;
    for (int i = 0; i < attribute->size(); ++i) {
        wrong += (*attribute)[i] == (i % 2 == 0 ? move : line) ? 0 : 1;
    }
    EXPECT_EQ(wrong, 0);

    std::u16string const digits(1000000, u'1');
    struct Row {
        std::u16string text;
        char const* records;
    };
    Row const rows[] = {
        // A number of a million digits, or with an exponent past every float, is infinite;
        // one far below the smallest is 0.
        {u"M " + digits + u" 2", "M inf 2"},
        {u"M 1e99999999999 -1e99999999999", "M inf -inf"},
        {u"M 1e-99999999999 2", "M 0 2"},
        {u"M 0." + digits + u"e1 2", "M 1.1111112 2"},
        // NUL and unpaired surrogates start no command and are skipped like any other.
        {std::u16string(u"M 1 2 \0 L 3 4"sv), "M 1 2|L 3 4"},
        {u"\xD800M 1 2 \xDC00 z", "M 1 2|Z"},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(std::u16string_view(row.text).substr(0, 40)).toUtf8());
        EXPECT_EQ(read(row.text), row.records);
    }
}

TEST(PathData, EqualityComparesWhatTheKindReads) {
    PathDataCommand const move{.type = MoveTo, .x = SLength(1), .y = SLength(2)};
    PathDataCommand const arc{.type = Arc, .x = SLength(1), .rotation = 5, .largeArc = true};
    auto with = [](PathDataCommand record, auto change) {
        change(record);
        return record;
    };
    float const nan = std::numeric_limits<float>::quiet_NaN();
    struct Row {
        char const* name;
        PathDataCommand a, b;
        bool equal;
    };
    Row const rows[] = {
        {"unread control point", move, with(move, [](auto& r) { r.x1 = SLength(9); }), true},
        {"end point unit", move, with(move, [](auto& r) { r.x = SLength(1, SLength::UnitPt); }),
         false},
        {"relative", move, with(move, [](auto& r) { r.relative = true; }), false},
        {"quadratic reads x1",
         {.type = QuadraticCurveTo},
         {.type = QuadraticCurveTo, .x1 = SLength(1)},
         false},
        {"close ignores relative",
         {.type = ClosePath},
         {.type = ClosePath, .relative = true},
         true},
        {"arc sweep", arc, with(arc, [](auto& r) { r.sweep = true; }), false},
        {"arc NaN rotation", with(arc, [&](auto& r) { r.rotation = nan; }),
         with(arc, [&](auto& r) { r.rotation = nan; }), false},
        {"kind 0", {}, {}, false},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.a == row.b, row.equal);
        EXPECT_EQ(row.a != row.b, !row.equal);
    }
}

} // namespace
} // namespace Xml
