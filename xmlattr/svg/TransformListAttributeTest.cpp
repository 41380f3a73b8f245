// Transform lists: each kind, argument counts and separators, list splitting, hostile text,
// equality.
#include "xmlattr/svg/TransformListAttribute.h"

#include "testing/SvgText.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace Xml {
namespace {

using namespace std::string_view_literals;
using xmlattr_testing::repeated;
using xmlattr_testing::shortText;

std::string show(double value) { return " " + Core::Format::toString(value).toUtf8(); }
std::string show(TXmlAttribute<SLength> const& length) { return " " + shortText(*length); }

// A transform as text: its kind's keyword and its members ("rotate 30 0 0" is the angle, then
// the centre). The default transform is "translate 0 0".
std::string describe(Transform const& t) {
    double const* const m = t.matrix;
    switch (t.type) {
    case Matrix:
        return "matrix" + show(m[0]) + show(m[1]) + show(m[2]) + show(m[3]) + show(m[4]) +
               show(m[5]);
    case Translate:
        return "translate" + show(t.tx) + show(t.ty);
    case Scale:
        return "scale" + show(t.sx) + show(t.sy);
    case Rotate:
        return "rotate" + show(t.angle) + show(t.cx) + show(t.cy);
    default:
        return (t.type == SkewX ? "skewX" : "skewY") + show(t.skewAngleX) + show(t.skewAngleY);
    }
}

TEST(Transform, ReadOneItem) {
    // Unlike an item of a list, it needs no ")", and what follows is ignored.
    EXPECT_EQ(describe(Transform::readTransform(u"rotate(30")), "rotate 30 0 0");
    EXPECT_EQ(describe(Transform::readTransform(u"translate(1) scale(2)")), "translate 1 0");
    // An item alone reads as it does in a list: no argument is the default transform, an
    // empty one counts as 0.
    EXPECT_EQ(describe(Transform::readTransform(u"rotate()")), "translate 0 0");
    EXPECT_EQ(describe(Transform::readTransform(u"scale( )")), "translate 0 0");
    EXPECT_EQ(describe(Transform::readTransform(u"skewY(,)")), "skewY 0 0");
}

TEST(Transform, ReadListAppends) {
    struct Row {
        std::u16string text;
        std::string items;
    };
    // clang-format off
    Row const rows[] = {
        {u"translate(10, 20)translate(5)",       "translate 10 20|translate 5 0"},
        {u"translate(10pt 2cm) translate(50%)",  "translate 10pt 2cm|translate 0.5% 0"},
        {u"scale(2) scale(2 3)",                 "scale 2 2|scale 2 3"},
        {u"scale(0.1)",                          "scale 0.10000000149011612 0.10000000149011612"},
        {u"rotate(45 10) rotate(-90 5mm 1in)",   "rotate 45 10 0|rotate -90 5mm 1in"},
        {u"matrix(1 0 0 1 10 20)",               "matrix 1 0 0 1 10 20"},
        {u"skewX(30) , skewY(-1e1)",             "skewX 30 30|skewY -10 -10"},
        // White space, one comma or both between arguments, any white space before ")".
        {u"translate( 10 , 20 )  rotate (30)",   "translate 10 20|rotate 30 0 0"},
        // A second comma stands for an empty argument, which counts.
        {u"translate(10,) translate(,10)",       "translate 10 0|translate 0 10"},
        {u"translate(10,,20)",                   "translate 0 0"},
        // A number is read as far as it goes, 0 where there is none.
        {u"scale(abc) rotate(30deg)",            "scale 0 0|rotate 30 0 0"},
        // As in path data, a sign or a second point begins the next number.
        {u"matrix(1 0 0-1 0 64)",                "matrix 1 0 0 -1 0 64"},
        {u"translate(10px-5pt) scale(1.5.5)",    "translate 10 -5pt|scale 1.5 0.5"},
        // Wrong counts, names and shapes give the default.
        {u"matrix(1 0 0 1 10) skewY(10 20)",     "translate 0 0|translate 0 0"},
        {u"matrix(1 0 0 1 10 20 30) rotate()",   "translate 0 0|translate 0 0"},
        {u"Rotate(30) rotate 30) skewX(5)",      "translate 0 0|translate 0 0|skewX 5 5"},
        // A second comma begins the next item's name; an item left open at the end is dropped.
        {u"rotate(30),,scale(2)",                "rotate 30 0 0|translate 0 0"},
        {u"rotate(30) translate(10",             "rotate 30 0 0"},
        {u"   ",                                 ""},
        // Ten thousand items, each read in full.
        {repeated(u"rotate(30 1 2) scale(2,3)", 5000),
         "rotate 30 1 2|scale 2 3" + repeated("|rotate 30 1 2|scale 2 3", 4999)},
        // Brackets that never close hold no item; each lone ")" closes an empty one.
        {std::u16string(100000, u'('),           ""},
        {u")))",                                 "translate 0 0|translate 0 0|translate 0 0"},
        // Numbers past every float are the largest finite float, never an infinity.
        {u"rotate(" + std::u16string(5000, u'9') + u")", "rotate 3.4028234663852886e+38 0 0"},
        // A NUL or an unpaired surrogate in a name makes it no name; after a number it ends
        // the number, and as an argument it is no number, 0.
        {std::u16string(u"rot\0ate(1) skewX(2)"sv), "translate 0 0|skewX 2 2"},
        {std::u16string(u"rotate(3\0)"sv),       "rotate 3 0 0"},
        {u"rotate\xD800(1) rotate(\xDC00)",      "translate 0 0|rotate 0 0 0"},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(std::u16string_view(row.text).substr(0, 40)).toUtf8());
        // The list is not cleared: the items are appended to the one it holds.
        TXmlAttribute<Core::Vector<Transform>> list(Core::Vector<Transform>{Transform(7, 7)});
        EXPECT_TRUE(list.parseValue(Core::String(std::u16string_view(row.text))));
        ASSERT_GE(list->size(), 1);
        EXPECT_EQ(describe((*list)[0]), "scale 7 7");
        std::string items;
        for (int i = 1; i < list->size(); ++i) {
            items += (i > 1 ? "|" : "") + describe((*list)[i]);
        }
        EXPECT_EQ(items, row.items);
        // The list grows once, to exactly the items read.
        EXPECT_EQ(list->capacity(), list->size());
    }
}

TEST(Transform, Equality) {
    double const nan = std::numeric_limits<double>::quiet_NaN();
    Transform const rotate(30, SLength(1), SLength(2));
    Transform rotateScaled = rotate;
    rotateScaled.sx = 5; // not a member of a rotation
    struct Row {
        Transform a, b;
        bool equal;
    };
    Row const rows[] = {
        {Transform(SLength(1), {}), Transform(SLength(1, SLength::UnitPt), {}), false},
        {Transform(1.0, 2.0), Transform(1.0, 3.0), false},
        {rotate, Transform(30, SLength(1), SLength(3)), false},
        {rotate, rotateScaled, true},
        {Transform(nan, 0, 0, 1, 0, 0), Transform(nan, 0, 0, 1, 0, 0), false},
        {Transform(SkewX, 30), Transform(SkewY, 30), false},
        {Transform(TransformType(0), 1), Transform(TransformType(0), 1), false},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(&row - rows);
        EXPECT_EQ(row.a == row.b, row.equal);
    }
}

TEST(Transform, MembersInInterfaceOrder) {
    Transform const t;
    void const* const members[] = {&t.type,  &t.matrix, &t.tx, &t.ty,         &t.sx,        &t.sy,
                                   &t.angle, &t.cx,     &t.cy, &t.skewAngleX, &t.skewAngleY};
    for (std::size_t i = 1; i < std::size(members); ++i) {
        EXPECT_LT(members[i - 1], members[i]);
    }
}

} // namespace
} // namespace Xml
