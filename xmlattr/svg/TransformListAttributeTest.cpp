// Transform lists: each kind, argument counts and separators, list splitting, equality.
#include "xmlattr/svg/TransformListAttribute.h"

#include "testing/SvgText.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace Xml {
namespace {

using namespace std::string_view_literals;

using xmlattr_testing::shortText;

std::string number(double value) { return Core::Format::toString(value).toUtf8(); }

// A transform as text: its kind's keyword and its members ("rotate 30 0 0" is the angle, then
// the centre). The default transform is "translate 0 0".
std::string describe(Transform const& t) {
    switch (t.type) {
    case Matrix: {
        std::string text = "matrix";
        for (double m : t.matrix) {
            text += " " + number(m);
        }
        return text;
    }
    case Translate:
        return "translate " + shortText(*t.tx) + " " + shortText(*t.ty);
    case Scale:
        return "scale " + number(t.sx) + " " + number(t.sy);
    case Rotate:
        return "rotate " + number(t.angle) + " " + shortText(*t.cx) + " " + shortText(*t.cy);
    default:
        return (t.type == SkewX ? "skewX " : "skewY ") + number(t.skewAngleX) + " " +
               number(t.skewAngleY);
    }
}

TEST(Transform, ReadOneItem) {
    struct Row {
        std::u16string_view text;
        char const* transform;
    };
    // clang-format off
    Row const rows[] = {
        {u"rotate(30",                   "rotate 30 0 0"},
        {u"translate(10, 20)",           "translate 10 20"},
        {u"translate(5)",                "translate 5 0"},
        {u"translate(10pt 2cm)",         "translate 10pt 2cm"},
        {u"translate(50%)",              "translate 0.5% 0"},
        {u"scale(2)",                    "scale 2 2"},
        {u"scale(2 3)",                  "scale 2 3"},
        {u"scale(0.1)",                  "scale 0.10000000149011612 0.10000000149011612"},
        {u"rotate(45 10)",               "rotate 45 10 0"},
        {u"rotate(-90 5mm 1in)",         "rotate -90 5mm 1in"},
        {u"matrix(1 0 0 1 10 20)",       "matrix 1 0 0 1 10 20"},
        {u"skewX(30)",                   "skewX 30 30"},
        {u"skewY(-1e1)",                 "skewY -10 -10"},
        // White space, one comma or both between arguments, any white space before ")".
        {u"translate(10 ,20)",           "translate 10 20"},
        {u"translate( 10 , 20 ) more",   "translate 10 20"},
        {u"rotate(30  )",                "rotate 30 0 0"},
        {u"  rotate (30)",               "rotate 30 0 0"},
        {u"translate(10,)",              "translate 10 0"},
        // A second comma stands for an empty argument, which counts.
        {u"translate(,10)",              "translate 0 10"},
        {u"translate(10,,20)",           "translate 0 0"},
        // A number is read as far as it goes, 0 where there is none.
        {u"scale(abc)",                  "scale 0 0"},
        {u"rotate(30deg)",               "rotate 30 0 0"},
        // Wrong counts, names and shapes give the default.
        {u"matrix(1 0 0 1 10)",          "translate 0 0"},
        {u"matrix(1 0 0 1 10 20 30)",    "translate 0 0"},
        {u"skewY(10 20)",                "translate 0 0"},
        {u"rotate()",                    "translate 0 0"},
        {u"Rotate(30)",                  "translate 0 0"},
        {u"rotate 30",                   "translate 0 0"},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        EXPECT_EQ(describe(Transform::readTransform(Core::String(row.text))), row.transform);
    }
}

TEST(Transform, ReadListAppends) {
    struct Row {
        std::u16string_view text;
        char const* items;
    };
    // clang-format off
    Row const rows[] = {
        {u"rotate(30) translate(10,20)", "scale 2 2|rotate 30 0 0|translate 10 20"},
        {u"rotate(30)scale(2)",          "scale 2 2|rotate 30 0 0|scale 2 2"},
        {u"rotate(30) , scale(2)",       "scale 2 2|rotate 30 0 0|scale 2 2"},
        // A second comma begins the next item's name; unknown items are kept as the default.
        {u"rotate(30),,scale(2)",        "scale 2 2|rotate 30 0 0|translate 0 0"},
        {u"foo) skewX(5)",               "scale 2 2|translate 0 0|skewX 5 5"},
        // An item left open at the end is dropped.
        {u"rotate(30) translate(10",     "scale 2 2|rotate 30 0 0"},
        {u"   ",                         "scale 2 2"},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<Core::Vector<Transform>> attribute(Core::Vector<Transform>{Transform(2, 2)});
        EXPECT_TRUE(attribute.parseValue(Core::String(row.text)));
        std::string items;
        for (Transform const& item : *attribute) {
            items += (items.empty() ? "" : "|") + describe(item);
        }
        EXPECT_EQ(items, row.items);
    }
}

TEST(Transform, HostileText) {
    // Ten thousand items, each read in full.
    constexpr int kItems = 10000;
    std::u16string text;
    for (int i = 0; i < kItems / 2; ++i) {
        text += u"rotate(30 1 2) scale(2,3)";
    }
    TXmlAttribute<Core::Vector<Transform>> attribute;
    ASSERT_TRUE(attribute.parseValue(Core::String(std::u16string_view(text))));
    ASSERT_EQ(attribute->size(), kItems);
    Transform const rotate(30, SLength(1), SLength(2));
    Transform const scale(2, 3);
    int wrong = 0;
    for (int i = 0; i < kItems; ++i) {
        wrong += (*attribute)[i] == (i % 2 == 0 ? rotate : scale) ? 0 : 1;
    }
    EXPECT_EQ(wrong, 0);

    struct Row {
        std::u16string text;
        char const* items;
    };
    Row const rows[] = {
        // Brackets that never close hold no item; each lone ")" closes an empty one.
        {std::u16string(100000, u'('), ""},
        {u")))", "translate 0 0|translate 0 0|translate 0 0"},
        // Numbers past every float are infinite; far below the smallest, 0.
        {u"rotate(" + std::u16string(5000, u'9') + u")", "rotate inf 0 0"},
        {u"scale(1e-99999999999 1e99999999999)", "scale 0 inf"},
        // A NUL or an unpaired surrogate in a name makes it no name; after a number it ends
        // the number, and as an argument it is no number, 0.
        {std::u16string(u"rot\0ate(1) skewX(2)"sv), "translate 0 0|skewX 2 2"},
        {std::u16string(u"rotate(3\0)"sv), "rotate 3 0 0"},
        {u"rotate\xD800(1) rotate(\xDC00)", "translate 0 0|rotate 0 0 0"},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(std::u16string_view(row.text).substr(0, 40)).toUtf8());
        TXmlAttribute<Core::Vector<Transform>> list;
        EXPECT_TRUE(list.parseValue(Core::String(std::u16string_view(row.text))));
        std::string items;
        for (Transform const& item : *list) {
            items += (items.empty() ? "" : "|") + describe(item);
        }
        EXPECT_EQ(items, row.items);
    }
}

TEST(Transform, Equality) {
    double const nan = std::numeric_limits<double>::quiet_NaN();
    Transform const rotate(30, SLength(1), SLength(2));
    Transform rotateScaled = rotate;
    rotateScaled.sx = 5;
    struct Row {
        char const* name;
        Transform a, b;
        bool equal;
    };
    Row const rows[] = {
        {"translate unit", Transform(SLength(1), {}), Transform(SLength(1, SLength::UnitPt), {}),
         false},
        {"scale y", Transform(1.0, 2.0), Transform(1.0, 3.0), false},
        {"rotate centre", rotate, Transform(30, SLength(1), SLength(3)), false},
        {"rotate ignores scale", rotate, rotateScaled, true},
        {"matrix NaN", Transform(nan, 0, 0, 1, 0, 0), Transform(nan, 0, 0, 1, 0, 0), false},
        {"skewX and skewY", Transform(SkewX, 30), Transform(SkewY, 30), false},
        {"kind 0", Transform(TransformType(0), 1), Transform(TransformType(0), 1), false},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.a == row.b, row.equal);
        EXPECT_EQ(row.a != row.b, !row.equal);
    }
}

TEST(Transform, MembersInInterfaceOrder) {
    Transform const t;
    char const* const base = reinterpret_cast<char const*>(&t);
    void const* const members[] = {&t.type,  &t.matrix, &t.tx, &t.ty,         &t.sx,        &t.sy,
                                   &t.angle, &t.cx,     &t.cy, &t.skewAngleX, &t.skewAngleY};
    for (std::size_t i = 1; i < std::size(members); ++i) {
        EXPECT_LT(static_cast<char const*>(members[i - 1]) - base,
                  static_cast<char const*>(members[i]) - base);
    }
}

} // namespace
} // namespace Xml
