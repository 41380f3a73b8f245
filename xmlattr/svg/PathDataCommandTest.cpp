// Path data: each command, repetition, arc flags, number and unit stop rules, equality.
#include "xmlattr/svg/PathDataCommand.h"

#include "xmlattr/platform/Allocator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace Xml {
namespace {

using Commands = std::vector<PathDataCommand>;

constexpr SLength px(float size) { return SLength(size); }

std::string describe(PathDataCommand const& c) {
    std::string text = "{type " + std::to_string(c.type) + (c.relative ? " rel" : " abs");
    for (SLength const* l : {&c.x1, &c.y1, &c.x2, &c.y2, &c.x, &c.y, &c.rx, &c.ry}) {
        text += " " + std::to_string(l->getSize()) + "u" + std::to_string(l->getUnit());
    }
    return text + " rot " + std::to_string(c.rotation) + (c.largeArc ? " L" : " -") +
           (c.sweep ? "S}" : "-}");
}

Core::Vector<PathDataCommand> read(char16_t const* text) {
    TXmlAttribute<Core::Vector<PathDataCommand>> attribute;
    EXPECT_TRUE(attribute.parseValue(text));
    return *attribute;
}

void expectCommands(Core::Vector<PathDataCommand> const& actual, Commands const& expected) {
    ASSERT_EQ(actual.size(), static_cast<int>(expected.size()));
    for (int i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE(i);
        // Whole records, unused fields included: every field the reader does not fill is 0.
        EXPECT_EQ(describe(actual[i]), describe(expected[static_cast<std::size_t>(i)]));
    }
}

struct PathRow {
    char16_t const* text;
    Commands expected;
};

void checkRows(std::vector<PathRow> const& rows) {
    for (PathRow const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        expectCommands(read(row.text), row.expected);
    }
}

PathDataCommand const kClose{.type = ClosePath};

TEST(PathData, EachCommand) {
    checkRows({
        {u"M 10 20 L 30 40 Z",
         {{.type = MoveTo, .x = px(10), .y = px(20)},
          {.type = LineTo, .x = px(30), .y = px(40)},
          kClose}},
        // A sign after a digit begins the next argument; "z" is never relative.
        {u"m10,20l5-5z",
         {{.type = MoveTo, .relative = true, .x = px(10), .y = px(20)},
          {.type = LineTo, .relative = true, .x = px(5), .y = px(-5)},
          kClose}},
        {u"H 5 h-5 V 7 v.5",
         {{.type = HorizontalLineTo, .x = px(5)},
          {.type = HorizontalLineTo, .relative = true, .x = px(-5)},
          {.type = VerticalLineTo, .y = px(7)},
          {.type = VerticalLineTo, .relative = true, .y = px(0.5f)}}},
        {u"C 1 2 3 4 5 6",
         {{.type = CurveTo,
           .x1 = px(1),
           .y1 = px(2),
           .x2 = px(3),
           .y2 = px(4),
           .x = px(5),
           .y = px(6)}}},
        {u"s1 2 3 4",
         {{.type = SmoothCurveTo,
           .relative = true,
           .x2 = px(1),
           .y2 = px(2),
           .x = px(3),
           .y = px(4)}}},
        {u"Q 1 2 3 4",
         {{.type = QuadraticCurveTo, .x1 = px(1), .y1 = px(2), .x = px(3), .y = px(4)}}},
        {u"t1 2", {{.type = SmoothQuadraticCurveTo, .relative = true, .x = px(1), .y = px(2)}}},
        {u"A 25 25 -30 0 1 50 -25",
         {{.type = Arc,
           .x = px(50),
           .y = px(-25),
           .rx = px(25),
           .ry = px(25),
           .rotation = -30,
           .largeArc = false,
           .sweep = true}}},
        // A flag that is neither "0" nor "1" is set when its size is not 0.
        {u"A 10 10 0 2 0 5 5",
         {{.type = Arc, .x = px(5), .y = px(5), .rx = px(10), .ry = px(10), .largeArc = true}}},
    });
}

TEST(PathData, ImplicitRepetition) {
    checkRows({
        {u"M 10 20 30 40",
         {{.type = MoveTo, .x = px(10), .y = px(20)}, {.type = LineTo, .x = px(30), .y = px(40)}}},
        {u"m1 2 3 4 5 6",
         {{.type = MoveTo, .relative = true, .x = px(1), .y = px(2)},
          {.type = LineTo, .relative = true, .x = px(3), .y = px(4)},
          {.type = LineTo, .relative = true, .x = px(5), .y = px(6)}}},
        {u"h1, 2 -3",
         {{.type = HorizontalLineTo, .relative = true, .x = px(1)},
          {.type = HorizontalLineTo, .relative = true, .x = px(2)},
          {.type = HorizontalLineTo, .relative = true, .x = px(-3)}}},
        {u"C1 2 3 4 5 6 .1 .2 .3 .4 .5 .6",
         {{.type = CurveTo,
           .x1 = px(1),
           .y1 = px(2),
           .x2 = px(3),
           .y2 = px(4),
           .x = px(5),
           .y = px(6)},
          {.type = CurveTo,
           .x1 = px(0.1f),
           .y1 = px(0.2f),
           .x2 = px(0.3f),
           .y2 = px(0.4f),
           .x = px(0.5f),
           .y = px(0.6f)}}},
        // The repeat takes what is there; what is missing is 0 px.
        {u"M 10 20 30",
         {{.type = MoveTo, .x = px(10), .y = px(20)}, {.type = LineTo, .x = px(30)}}},
        // More than one comma, or a close, ends the command; the numbers after are skipped.
        {u"L 1 2,, 3 4", {{.type = LineTo, .x = px(1), .y = px(2)}}},
        {u"Z 1 2", {kClose}},
    });
}

TEST(PathData, ArcFlagsNeedNoSeparator) {
    PathDataCommand const arc{.type = Arc,
                              .relative = true,
                              .x = px(1),
                              .y = px(1),
                              .rx = px(1),
                              .ry = px(1),
                              .sweep = true};
    checkRows({
        {u"a1 1 0 0 1 1 1", {arc}},
        {u"a1 1 0 01 1 1", {arc}},
        {u"a1 1 0 0,1,1,1", {arc}},
        {u"a1 1 0 011 1", {arc}},
        // The digit after two flags begins the end point, and the arc repeats.
        {u"a2 2 0 012-2 2 2 0 100.5.5",
         {{.type = Arc,
           .relative = true,
           .x = px(2),
           .y = px(-2),
           .rx = px(2),
           .ry = px(2),
           .sweep = true},
          {.type = Arc,
           .relative = true,
           .x = px(0.5f),
           .y = px(0.5f),
           .rx = px(2),
           .ry = px(2),
           .largeArc = true}}},
    });
}

TEST(PathData, NumberBoundaries) {
    checkRows({
        // An exponent takes its sign; a second point starts the next number.
        {u"M 1e-5 2", {{.type = MoveTo, .x = px(1e-5f), .y = px(2)}}},
        {u"M1E+2-3e1", {{.type = MoveTo, .x = px(100), .y = px(-30)}}},
        {u"M.5.5", {{.type = MoveTo, .x = px(0.5f), .y = px(0.5f)}}},
        {u"M1.5.5.5.5",
         {{.type = MoveTo, .x = px(1.5f), .y = px(0.5f)},
          {.type = LineTo, .x = px(0.5f), .y = px(0.5f)}}},
        {u"M+1+2", {{.type = MoveTo, .x = px(1), .y = px(2)}}},
        // Out of range, a number is the infinity of its sign, as the lenient reader gives it.
        {u"M 1e39 -1e39",
         {{.type = MoveTo,
           .x = px(std::numeric_limits<float>::infinity()),
           .y = px(-std::numeric_limits<float>::infinity())}}},
    });
}

TEST(PathData, UnitsAndTheirStops) {
    checkRows({
        {u"M 10pt 2cm",
         {{.type = MoveTo, .x = SLength(10, SLength::UnitPt), .y = SLength(2, SLength::UnitCm)}}},
        {u"M5mm,1in",
         {{.type = MoveTo, .x = SLength(5, SLength::UnitMm), .y = SLength(1, SLength::UnitIn)}}},
        {u"M 50% 5px", {{.type = MoveTo, .x = SLength(0.5f, SLength::UnitPercent), .y = px(5)}}},
        {u"M3cm4", {{.type = MoveTo, .x = SLength(3, SLength::UnitCm), .y = px(4)}}},
        // "m" is a command unless "c" or "m" comes before it; "t" unless "p" does.
        {u"M 10em 0", {{.type = MoveTo, .x = px(10)}, {.type = MoveTo, .relative = true}}},
        {u"M1t2",
         {{.type = MoveTo, .x = px(1)},
          {.type = SmoothQuadraticCurveTo, .relative = true, .x = px(2)}}},
        // "pc" is no path unit: its "c" is a curve.
        {u"M 10pc 5",
         {{.type = MoveTo, .x = px(10)}, {.type = CurveTo, .relative = true, .x1 = px(5)}}},
    });
}

TEST(PathData, MissingArgumentsAndStrayText) {
    checkRows({
        {u"L 10", {{.type = LineTo, .x = px(10)}}},
        {u"M 10 L 20 30",
         {{.type = MoveTo, .x = px(10)}, {.type = LineTo, .x = px(20), .y = px(30)}}},
        {u"X 10 20", {}},
        {u"# 1", {}},
        {u"10 20 M1 2", {{.type = MoveTo, .x = px(1), .y = px(2)}}},
        // Where an argument holds no number it reads as 0 px and the next one goes on.
        {u"M x 10", {{.type = MoveTo, .y = px(10)}}},
        {u"M - 5", {{.type = MoveTo, .y = px(5)}}},
        {u"C", {{.type = CurveTo}}},
    });
}

TEST(PathData, ReplacesTheHeldList) {
    TXmlAttribute<Core::Vector<PathDataCommand>> attribute;
    ASSERT_TRUE(attribute.parseValue(u"M1 2 3 4"));
    ASSERT_EQ(attribute->size(), 2);
    for (char16_t const* text : {u"", u"   "}) {
        ASSERT_TRUE(attribute.parseValue(u"M1 2"));
        ASSERT_TRUE(attribute.parseValue(text));
        EXPECT_TRUE(attribute->empty());
    }
}

TEST(PathData, ListIsSizedExactly) {
    for (int count : {1, 63, 64, 65, 200, 1000}) {
        SCOPED_TRACE(count);
        Core::String text(u"M0 0");
        for (int i = 1; i < count; ++i) {
            text.append(u" l1 2");
        }
        TXmlAttribute<Core::Vector<PathDataCommand>> attribute;
        std::uint64_t const before = Core::Allocator::allocations();
        ASSERT_TRUE(attribute.parseValue(text));
        std::uint64_t const allocations = Core::Allocator::allocations() - before;
        EXPECT_EQ(attribute->size(), count);
        EXPECT_EQ(attribute->capacity(), count);
        EXPECT_EQ((*attribute)[count - 1], (PathDataCommand{.type = count == 1 ? MoveTo : LineTo,
                                                            .relative = count > 1,
                                                            .x = px(count == 1 ? 0 : 1),
                                                            .y = px(count == 1 ? 0 : 2)}));
        if (count <= 64) {
            EXPECT_EQ(allocations, 1u);
        }
    }
}

TEST(PathData, EqualityComparesWhatTheKindReads) {
    PathDataCommand const move{.type = MoveTo, .x = px(1), .y = px(2)};
    PathDataCommand const arc{.type = Arc,
                              .x = px(1),
                              .y = px(2),
                              .rx = px(3),
                              .ry = px(4),
                              .rotation = 5,
                              .largeArc = true,
                              .sweep = false};
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
        {"same move", move, move, true},
        {"unused control point", move, with(move, [](auto& r) { r.x1 = px(9); }), true},
        {"end point", move, with(move, [](auto& r) { r.y = px(3); }), false},
        {"unit", move, with(move, [](auto& r) { r.x = SLength(1, SLength::UnitPt); }), false},
        {"relative", move, with(move, [](auto& r) { r.relative = true; }), false},
        {"type", move, with(move, [](auto& r) { r.type = LineTo; }), false},
        {"horizontal ignores y",
         {.type = HorizontalLineTo, .x = px(1)},
         {.type = HorizontalLineTo, .x = px(1), .y = px(7)},
         true},
        {"vertical ignores x",
         {.type = VerticalLineTo, .y = px(1)},
         {.type = VerticalLineTo, .x = px(7), .y = px(1)},
         true},
        {"curve end point", {.type = CurveTo, .x = px(1)}, {.type = CurveTo, .x = px(2)}, false},
        {"smooth curve ignores x1",
         {.type = SmoothCurveTo},
         {.type = SmoothCurveTo, .x1 = px(1)},
         true},
        {"quadratic compares x1",
         {.type = QuadraticCurveTo},
         {.type = QuadraticCurveTo, .x1 = px(1)},
         false},
        {"close ignores relative", kClose, with(kClose, [](auto& r) { r.relative = true; }), true},
        {"reserved 1",
         {.type = PathCommandType(1), .x = px(1)},
         {.type = PathCommandType(1)},
         true},
        {"arc rotation", arc, with(arc, [](auto& r) { r.rotation = 6; }), false},
        {"arc sweep", arc, with(arc, [](auto& r) { r.sweep = true; }), false},
        {"arc radius", arc, with(arc, [](auto& r) { r.ry = px(1); }), false},
        {"arc NaN rotation", with(arc, [&](auto& r) { r.rotation = nan; }),
         with(arc, [&](auto& r) { r.rotation = nan; }), false},
        {"flags on a line", move, with(move, [](auto& r) { r.sweep = true; }), true},
        {"type 0", {}, {}, false},
        {"type 12", {.type = PathCommandType(12)}, {.type = PathCommandType(12)}, false},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.a == row.b, row.equal);
        EXPECT_EQ(row.a != row.b, !row.equal);
    }
}

} // namespace
} // namespace Xml
