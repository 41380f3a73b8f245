// Point lists: separators, signs and points between coordinates, units, rejection, hostile
// text, the writer.
#include "xmlattr/svg/Point.h"

#include "testing/SvgText.h"
#include "xmlattr/platform/Allocator.h"

#include <gtest/gtest.h>

#include <string>

namespace Xml {
namespace {

using namespace std::string_view_literals;
using xmlattr_testing::repeated;

std::string describe(Core::Vector<Point> const& points) {
    std::string text;
    for (Point const& point : points) {
        text += (text.empty() ? "" : ",") + xmlattr_testing::shortText(point.x) + " " +
                xmlattr_testing::shortText(point.y);
    }
    return text;
}

TEST(PointList, Read) {
    struct Row {
        std::u16string text;
        bool accepted;
        std::string points;
    };
    // clang-format off
    Row const rows[] = {
        {u"10,20 30,40,50 60",  true,  "10 20,30 40,50 60"},
        {u" 10, 20\t30\n40\r",  true,  "10 20,30 40"},
        {u"10-20-30-40",        true,  "10 -20,-30 -40"},
        {u"10px,2cm 50%,3pt -4mm-5in", true, "10 2cm,0.5% 3pt,-4mm -5in"},
        // A lone last coordinate is dropped.
        {u"10 20 30",           true,  "10 20"},
        {u"",                   true,  ""},
        // Any coordinate that is no number rejects the whole text.
        {u"10,",                false, ""},
        {u"10 20 , 30 40",      false, ""}, // the comma after white space leaves an empty x
        {u"10 20 px 5",         false, ""},
        {u"10 20 - 5",          false, ""},
        // One code unit after a number is no unit: it would take a digit with it.
        {u"5x 6",               false, ""},
        {u"1e 2",               false, ""},
        {u"10p 20",             false, ""},
        {u"10 20 5x",           true,  "10 20"}, // still a lone last coordinate
        {u"5% 6xy",             true,  "0.05% 6"},
        // A megabyte, each point read, none spare.
        {repeated(u"1,2 ", 250000), true, "1 2" + repeated(",1 2", 249999)},
        // Numbers past every float are no coordinate, and a million digits are no different.
        {u"1e99999999999 -1e99999999999", false, ""},
        {u"1e39 0",             false, ""},
        {std::u16string(1000000, u'9') + u" 1", false, ""},
        // A NUL or an unpaired surrogate is no number: as a coordinate it rejects the list,
        // and as a lone last one it is dropped.
        {u"1 2 \xDC00 4",       false, ""},
        {std::u16string(u"\0 1 2"sv), false, ""},
        {u"1 2 \xD800",         true,  "1 2"},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(std::u16string_view(row.text).substr(0, 40)).toUtf8());
        Core::Vector<Point> points{Point(SLength(-1), SLength(-2))};
        Core::String const text{std::u16string_view(row.text)};
        std::uint64_t const before = Core::Allocator::allocations();
        EXPECT_EQ(Point::parsePointList(points, text), row.accepted);
        // One allocation while the points fit the reader's stack block.
        EXPECT_LE(Core::Allocator::allocations() - before, points.size() <= 256 ? 1u : 40u);
        EXPECT_EQ(describe(points), row.accepted ? row.points : "-1 -2");
        EXPECT_EQ(points.capacity(), points.size());
    }
}

TEST(PointList, WritesPixelsAndReadsThemBack) {
    TXmlAttribute<Core::Vector<Point>> attribute;
    EXPECT_EQ(attribute.getValueAsString(), Core::String());
    ASSERT_TRUE(
        attribute.parseValue(u"10 20 1in,72pt 2.5 -1.5 3pc 50% 1.5em -2ex 12.5% 0 3e38in -1e37pc"));
    Core::String const text = attribute.getValueAsString();
    // Absolute units are written in pixels; em, ex and percentages, which have none, and
    // lengths whose pixels no float holds keep their unit.
    EXPECT_EQ(text, Core::String(u"10 20,96 96,2.5 -1.5,48 50%,1.5em -2ex,12.5% 0,"
                                 u"3e+38in -1e+37pc"));
    ASSERT_TRUE(attribute.parseValue(text));
    EXPECT_EQ(describe(*attribute),
              "10 20,96 96,2.5 -1.5,48 0.5%,1.5em -2ex,0.125% 0,3e+38in -1e+37pc");
    // Points are equal as lengths, not as the pixels they write.
    EXPECT_NE(Point(SLength(96), SLength()), Point(SLength(1, SLength::UnitIn), SLength()));
}

} // namespace
} // namespace Xml
