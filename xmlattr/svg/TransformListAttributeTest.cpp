// Transform lists: each kind, argument counts and separators, list splitting, equality.
#include "xmlattr/svg/TransformListAttribute.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace Xml {
namespace {

using Items = std::vector<Transform>;

SLength px(float size) { return SLength(size); }
SLength pt(float size) { return SLength(size, SLength::UnitPt); }

std::string describe(Transform const& t) {
    auto length = [](SLength const& l) {
        return std::to_string(l.getSize()) + "u" + std::to_string(l.getUnit());
    };
    std::string text = "{type " + std::to_string(t.type) + " matrix";
    for (double m : t.matrix) {
        text += " " + std::to_string(m);
    }
    return text + " t " + length(*t.tx) + " " + length(*t.ty) + " s " + std::to_string(t.sx) + " " +
           std::to_string(t.sy) + " r " + std::to_string(t.angle) + " " + length(*t.cx) + " " +
           length(*t.cy) + " k " + std::to_string(t.skewAngleX) + " " +
           std::to_string(t.skewAngleY) + "}";
}

// Whole transforms, members of other kinds included (they are all 0).
void expectItems(Core::Vector<Transform> const& actual, Items const& expected) {
    ASSERT_EQ(actual.size(), static_cast<int>(expected.size()));
    for (int i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(describe(actual[i]), describe(expected[static_cast<std::size_t>(i)]));
    }
}

TEST(Transform, ReadOneItem) {
    struct Row {
        char16_t const* text;
        Transform expected;
    };
    std::vector<Row> const rows = {
        {u"rotate(30", Transform(30, px(0), px(0))},
        {u"translate(10, 20)", Transform(px(10), px(20))},
        {u"translate(-181.0002,-257)", Transform(px(-181.0002f), px(-257))},
        {u"translate(5)", Transform(px(5), px(0))},
        {u"translate(10pt 2cm)", Transform(pt(10), SLength(2, SLength::UnitCm))},
        {u"translate(50%)", Transform(SLength(0.5f, SLength::UnitPercent), px(0))},
        {u"scale(2)", Transform(2.0, 2.0)},
        {u"scale(2 3)", Transform(2.0, 3.0)},
        {u"scale(2,3)", Transform(2.0, 3.0)},
        {u"scale(-1,1)", Transform(-1.0, 1.0)},
        // Numbers are single precision, widened.
        {u"scale(0.1)", Transform(double(0.1f), double(0.1f))},
        {u"rotate(45 10 20)", Transform(45, px(10), px(20))},
        {u"rotate(45 10)", Transform(45, px(10), px(0))},
        {u"rotate(-90 5mm 1in)",
         Transform(-90, SLength(5, SLength::UnitMm), SLength(1, SLength::UnitIn))},
        {u"matrix(1 0 0 1 10 20)", Transform(1, 0, 0, 1, 10, 20)},
        {u"matrix(-2.7365795,0.28202934,-0.18908311,-0.99988321,239.54008,-879.45557)",
         Transform(double(-2.7365795f), double(0.28202934f), double(-0.18908311f),
                   double(-0.99988321f), double(239.54008f), double(-879.45557f))},
        {u"skewX(30)", Transform(SkewX, 30)},
        {u"skewY(-1e1)", Transform(SkewY, -10)},
        // Separators: white space, one comma or both, and any white space before ")".
        {u"translate(10 ,20)", Transform(px(10), px(20))},
        {u"translate( 10 , 20 )", Transform(px(10), px(20))},
        {u"rotate(30  )", Transform(30, px(0), px(0))},
        {u"  rotate (30)", Transform(30, px(0), px(0))},
        {u"translate(10,)", Transform(px(10), px(0))},
        // A second comma stands for an empty argument, which counts.
        {u"translate(,10)", Transform(px(0), px(10))},
        {u"translate(10,,20)", Transform()},
        // What is no number reads as 0; a number is read as far as it goes.
        {u"scale(abc)", Transform(0.0, 0.0)},
        {u"rotate(30deg)", Transform(30, px(0), px(0))},
        // Wrong counts, names and shapes give the default.
        {u"matrix(1 0 0 1 10)", Transform()},
        {u"matrix(1 0 0 1 10 20 30)", Transform()},
        {u"skewY(10 20)", Transform()},
        {u"rotate(1 2 3 4)", Transform()},
        {u"rotate()", Transform()},
        {u"rotate(", Transform()},
        {u"Rotate(30)", Transform()},
        {u"shear(1)", Transform()},
        {u"rotate 30", Transform()},
        {u"", Transform()},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        EXPECT_EQ(describe(Transform::readTransform(row.text)), describe(row.expected));
    }
}

TEST(Transform, ReadList) {
    struct Row {
        char16_t const* text;
        Items expected;
    };
    std::vector<Row> const rows = {
        {u"rotate(30) translate(10,20)", {Transform(30, px(0), px(0)), Transform(px(10), px(20))}},
        {u"rotate(30)scale(2)", {Transform(30, px(0), px(0)), Transform(2.0, 2.0)}},
        {u"rotate(30), scale(2)", {Transform(30, px(0), px(0)), Transform(2.0, 2.0)}},
        {u"rotate(30) ,scale(2)", {Transform(30, px(0), px(0)), Transform(2.0, 2.0)}},
        // A second comma is the start of the next item's name.
        {u"rotate(30),,scale(2)", {Transform(30, px(0), px(0)), Transform()}},
        // Unknown items are kept as the default; an item left open at the end is dropped.
        {u"foo) scale(2)", {Transform(), Transform(2.0, 2.0)}},
        {u"Rotate(30) skewX(5)", {Transform(), Transform(SkewX, 5)}},
        {u"rotate(30) translate(10", {Transform(30, px(0), px(0))}},
        {u"translate(10", {}},
        {u"", {}},
        {u"   ", {}},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<Core::Vector<Transform>> attribute;
        EXPECT_TRUE(attribute.parseValue(row.text));
        expectItems(*attribute, row.expected);
    }
}

TEST(Transform, ListAppendsToTheHeldItems) {
    TXmlAttribute<Core::Vector<Transform>> attribute(Core::Vector<Transform>{Transform(2.0, 2.0)});
    EXPECT_TRUE(attribute.parseValue(u"rotate(30)"));
    EXPECT_TRUE(attribute.parseValue(u"  "));
    expectItems(*attribute, {Transform(2.0, 2.0), Transform(30, px(0), px(0))});
}

TEST(Transform, Equality) {
    double const nan = std::numeric_limits<double>::quiet_NaN();
    Transform rotate(30, px(1), px(2));
    Transform rotateScaled = rotate;
    rotateScaled.sx = 5; // not a rotation's member
    struct Row {
        char const* name;
        Transform a, b;
        bool equal;
    };
    Row const rows[] = {
        {"default", Transform(), Transform(px(0), px(0)), true},
        {"translate unit", Transform(px(1), px(0)), Transform(pt(1), px(0)), false},
        {"scale", Transform(1.0, 2.0), Transform(1.0, 2.0), true},
        {"scale y", Transform(1.0, 2.0), Transform(1.0, 3.0), false},
        {"rotate centre", rotate, Transform(30, px(1), px(3)), false},
        {"rotate angle", rotate, Transform(31, px(1), px(2)), false},
        {"rotate ignores scale", rotate, rotateScaled, true},
        {"matrix", Transform(1, 2, 3, 4, 5, 6), Transform(1, 2, 3, 4, 5, 6), true},
        {"matrix f", Transform(1, 2, 3, 4, 5, 6), Transform(1, 2, 3, 4, 5, 7), false},
        {"matrix NaN", Transform(nan, 0, 0, 1, 0, 0), Transform(nan, 0, 0, 1, 0, 0), false},
        {"skewX", Transform(SkewX, 30), Transform(SkewX, 30), true},
        {"skewX and skewY", Transform(SkewX, 30), Transform(SkewY, 30), false},
        {"kind 0", Transform(TransformType(0), 1), Transform(TransformType(0), 1), false},
        {"kind 7", Transform(TransformType(7), 1), Transform(TransformType(7), 1), false},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.a == row.b, row.equal);
        EXPECT_EQ(row.a != row.b, !row.equal);
    }
    TXmlAttribute<Core::Vector<Transform>> const list(Core::Vector<Transform>{rotate});
    EXPECT_TRUE(list == Core::Vector<Transform>{rotateScaled});
    EXPECT_TRUE(list != (Core::Vector<Transform>{rotate, rotate}));
}

TEST(Transform, MembersInInterfaceOrder) {
    Transform const t;
    auto at = [&t](void const* member) {
        return static_cast<char const*>(member) - reinterpret_cast<char const*>(&t);
    };
    std::vector<std::ptrdiff_t> const offsets = {
        at(&t.type),  at(&t.matrix), at(&t.tx), at(&t.ty),         at(&t.sx),        at(&t.sy),
        at(&t.angle), at(&t.cx),     at(&t.cy), at(&t.skewAngleX), at(&t.skewAngleY)};
    for (std::size_t i = 1; i < offsets.size(); ++i) {
        EXPECT_LT(offsets[i - 1], offsets[i]) << i;
    }
    EXPECT_EQ(offsets[0], 0);
}

} // namespace
} // namespace Xml
