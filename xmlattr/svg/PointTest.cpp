// Point lists: separators, signs and points between coordinates, units, rejection, writer.
#include "xmlattr/svg/Point.h"

#include "testing/LogCapture.h"
#include "xmlattr/platform/Allocator.h"
#include "xmlattr/platform/Exception.h"

#include <gtest/gtest.h>

#include <vector>

namespace Xml {
namespace {

using Points = std::vector<Point>;

constexpr Point pt(float x, float y) { return Point(SLength(x), SLength(y)); }

void expectPoints(Core::Vector<Point> const& actual, Points const& expected) {
    ASSERT_EQ(actual.size(), static_cast<int>(expected.size()));
    for (int i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE(i);
        Point const& want = expected[static_cast<std::size_t>(i)];
        EXPECT_EQ(actual[i].x.getSize(), want.x.getSize());
        EXPECT_EQ(actual[i].x.getUnit(), want.x.getUnit());
        EXPECT_EQ(actual[i].y.getSize(), want.y.getSize());
        EXPECT_EQ(actual[i].y.getUnit(), want.y.getUnit());
    }
}

TEST(PointList, Accepted) {
    struct Row {
        char16_t const* text;
        Points expected;
    };
    std::vector<Row> const rows = {
        {u"10,20 30,40", {pt(10, 20), pt(30, 40)}},
        {u"10 20 30 40", {pt(10, 20), pt(30, 40)}},
        {u"10,20,30,40", {pt(10, 20), pt(30, 40)}},
        {u" 10, 20\t30\n40\r", {pt(10, 20), pt(30, 40)}},
        {u"10-20-30-40", {pt(10, -20), pt(-30, -40)}},
        {u"10 20-30 40", {pt(10, 20), pt(-30, 40)}},
        // A "+" begins a number as a "-" does; an exponent keeps its sign.
        {u"10+20", {pt(10, 20)}},
        {u"1e-5 2E+1", {pt(1e-5f, 20)}},
        // A second point begins the next number.
        {u"1.5.5 .25.75", {pt(1.5f, 0.5f), pt(0.25f, 0.75f)}},
        // A lone last coordinate is dropped.
        {u"10 20 30", {pt(10, 20)}},
        {u"10", {}},
        {u"", {}},
        {u"10px,2cm 50% 1in",
         {Point(SLength(10), SLength(2, SLength::UnitCm)),
          Point(SLength(0.5f, SLength::UnitPercent), SLength(1, SLength::UnitIn))}},
        {u"3pt-4mm", {Point(SLength(3, SLength::UnitPt), SLength(-4, SLength::UnitMm))}},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        Core::Vector<Point> points{pt(-1, -1)};
        ASSERT_TRUE(Point::parsePointList(points, row.text));
        expectPoints(points, row.expected);
    }
}

TEST(PointList, RejectedKeepsTheList) {
    for (char16_t const* text : {
             u"10,",           // the y is empty
             u"10 20 , 30 40", // a comma after white space leaves the next x empty
             u"10 ,20",        // and so the y here
             u"10 x",          // no number
             u"x 10",          // no number for x
             u"10 20 px 5",    // a unit with no number
             u"10 20 - 5",     // a sign with no number
             u"10 ",           // the lone x is followed by white space, so the y is empty
         }) {
        SCOPED_TRACE(Core::String(text).toUtf8());
        Core::Vector<Point> points{pt(1, 2)};
        EXPECT_FALSE(Point::parsePointList(points, text));
        expectPoints(points, {pt(1, 2)});
    }
}

TEST(PointList, ListIsSizedExactly) {
    for (int count : {1, 256, 257, 1000}) {
        SCOPED_TRACE(count);
        Core::String text;
        for (int i = 0; i < count; ++i) {
            text.append(u"1,2 ");
        }
        TXmlAttribute<Core::Vector<Point>> attribute;
        std::uint64_t const before = Core::Allocator::allocations();
        ASSERT_TRUE(attribute.parseValue(text));
        EXPECT_EQ(attribute->size(), count);
        EXPECT_EQ(attribute->capacity(), count);
        if (count <= 256) {
            EXPECT_EQ(Core::Allocator::allocations() - before, 1u);
        }
    }
}

TEST(PointList, Writer) {
    struct Row {
        Points points;
        char16_t const* text;
    };
    std::vector<Row> const rows = {
        {{}, u""},
        {{pt(10, 20)}, u"10 20"},
        {{pt(10, 20), Point(SLength(1, SLength::UnitIn), SLength())}, u"10 20,96 0"},
        {{Point(SLength(72, SLength::UnitPt), SLength(2.5f)), pt(-1.5f, 0)}, u"96 2.5,-1.5 0"},
        // A percentage has no pixel size: its fraction is written.
        {{Point(SLength(0.5f, SLength::UnitPercent), SLength(3, SLength::UnitPc))}, u"0.5 48"},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<Core::Vector<Point>> attribute;
        for (Point const& point : row.points) {
            Core::Vector<Point> value = *attribute;
            value.push_back(point);
            attribute = value;
        }
        EXPECT_EQ(attribute.getValueAsString(), Core::String(row.text));
    }
}

TEST(PointList, WrittenTextReadsBackInPixels) {
    TXmlAttribute<Core::Vector<Point>> attribute;
    ASSERT_TRUE(attribute.parseValue(u"1in,2pt 0.5-3e2"));
    Core::String const text = attribute.getValueAsString();
    TXmlAttribute<Core::Vector<Point>> again;
    ASSERT_TRUE(again.parseValue(text));
    expectPoints(*again, {pt(96, 2.0f * 96.0f / 72.0f), pt(0.5f, -300)});
}

TEST(PointList, WritingAFontRelativeCoordinateThrows) {
    xmlattr_testing::LogCapture log;
    Core::Vector<Point> const points{Point(SLength(1, SLength::UnitEm), SLength())};
    EXPECT_THROW(Point::getPointListValueAsString(points), Core::UnreacheableCodeException);
}

TEST(PointList, Equality) {
    EXPECT_EQ(Point(), pt(0, 0));
    EXPECT_NE(pt(1, 2), pt(1, 3));
    EXPECT_NE(Point(SLength(96), SLength()), Point(SLength(1, SLength::UnitIn), SLength()));
    TXmlAttribute<Core::Vector<Point>> const attribute(Core::Vector<Point>{pt(1, 2)});
    EXPECT_TRUE(attribute == (Core::Vector<Point>{pt(1, 2)}));
    EXPECT_TRUE(attribute != (Core::Vector<Point>{pt(1, 2), pt(1, 2)}));
}

} // namespace
} // namespace Xml
