// SVG paint: references, colours and no paint, the null flag, and equality by identity.
#include "xmlattr/color/SColor.h"
#include "xmlattr/color/SNullableColor.h"

#include "xmlattr/color/ColorParse.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

TEST(SColor, ParseSColor) {
    struct Row {
        char16_t const* text;
        int type = -1;          // rejected when negative
        char const* shown = ""; // the reference of UrlPaint, the written colour of ColorPaint
    };
    // clang-format off
    Row const rows[] = {
        {u"url(#grad1) red", SColor::UrlPaint, "#grad1"}, // the rest is ignored
        {u"url(#grad1", SColor::UrlPaint, "#grad1"},
        {u"url ( #a\tb)", SColor::UrlPaint, "#a"},
        {u"url(#)", SColor::UrlPaint, "#"},
        {u"red", SColor::ColorPaint, "rgb(255,0,0)"},
        {u"cmyk(0,0,0,1)", SColor::ColorPaint, "cmyk(0,0,0,1)"},
        {u"none", SColor::NoPaint}, {u"transparent", SColor::NoPaint},
        // Only references into the same document are paint servers ("#" first inside the
        // parentheses); "url" alone is read as a colour.
        {u"url(grad1)"}, {u"url(image.svg#grad1)"}, {u"url('#a')"}, {u"url(a) #b"}, {u"url"},
        {u"urlx"}, {u"url("}, {u"bogus"}, {u""},
    };
    // clang-format on
    SColor const sentinel(Core::String(u"#sentinel"));
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        SColor paint = sentinel;
        ASSERT_EQ(SColor::parseSColor(paint, row.text), row.type >= 0);
        if (row.type < 0) {
            EXPECT_EQ(paint, sentinel);
            continue;
        }
        EXPECT_EQ(paint.getType(), row.type);
        EXPECT_EQ(paint.getUrl().toUtf8(), row.type == SColor::UrlPaint ? row.shown : "");
        EXPECT_EQ(static_cast<bool>(paint.getColor()), row.type == SColor::ColorPaint);
        EXPECT_EQ(ColorParse::getColorAsString(paint.getColor()).toUtf8(),
                  row.type == SColor::ColorPaint ? row.shown : "");
    }
}

TEST(SColor, EqualityComparesTypesUrlsAndColourObjects) {
    // Copies share the colour object (ColorThreadTest checks them); two parses never do.
    SColor red1;
    SColor red2;
    ASSERT_TRUE(SColor::parseSColor(red1, u"red") && SColor::parseSColor(red2, u"red"));
    EXPECT_NE(red1, red2);

    EXPECT_EQ(SColor(), SColor());
    EXPECT_EQ(SColor(Core::String(u"#a")), SColor(Core::String(u"#a")));
    EXPECT_NE(SColor(Core::String(u"#a")), SColor(Core::String(u"#A")));
    // A colour paint without a colour is still a colour paint, not no paint.
    SColor const emptyColour{SmartPtr<Drawing::Color>()};
    EXPECT_NE(emptyColour, SColor());
    EXPECT_EQ(emptyColour, SColor{SmartPtr<Drawing::Color>()});
}

TEST(SColor, NullableColourAttribute) {
    TXmlAttribute<SNullableColor> attr;
    EXPECT_TRUE(attr->isNull());
    ASSERT_TRUE(attr.parseValue(u"red"));
    EXPECT_FALSE(attr->isNull());
    SmartPtr<Drawing::Color> const red = attr->getColor();
    EXPECT_FALSE(attr.parseValue(u"bogus"));
    EXPECT_FALSE(attr->isNull());
    EXPECT_EQ(attr->getColor(), red);

    // Built from a colour, a value still counts as not given; equality ignores the flag.
    SNullableColor const given(red);
    EXPECT_TRUE(given.isNull());
    EXPECT_EQ(attr, given);

    TXmlAttribute<SNullableColor> copy;
    copy.copyFrom(attr);
    EXPECT_FALSE(copy->isNull());
    EXPECT_EQ(copy->getColor(), red);
}

} // namespace
} // namespace Xml
