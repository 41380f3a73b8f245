// SVG paint: references, colours and no paint, the null flag, and equality by identity.
#include "xmlattr/color/SColor.h"

#include "xmlattr/color/ColorParse.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

struct PaintRow {
    char16_t const* text;
    SColor::ColorType type;
    char const* url;     // for UrlPaint
    char const* written; // the colour of ColorPaint, written
};

TEST(SColor, ParseSColor) {
    PaintRow const accepted[] = {
        {u"url(#grad1) red", SColor::UrlPaint, "#grad1", ""}, // the rest is ignored
        {u"url(#grad1", SColor::UrlPaint, "#grad1", ""},
        {u"url ( #a\tb)", SColor::UrlPaint, "#a", ""},
        {u"url(#)", SColor::UrlPaint, "#", ""},
        {u"red", SColor::ColorPaint, "", "rgb(255,0,0)"},
        {u"cmyk(0,0,0,1)", SColor::ColorPaint, "", "cmyk(0,0,0,1)"},
        {u"none", SColor::NoPaint, "", ""},
        {u"transparent", SColor::NoPaint, "", ""},
    };
    // Only references into the same document are paint servers; "url" alone is read as a
    // colour.
    char16_t const* const rejected[] = {u"url(grad1)", u"url(image.svg#grad1)",
                                        u"url(a) #b",  u"url",
                                        u"urlx",       u"url(",
                                        u"bogus",      u""};
    SColor const sentinel(Core::String(u"#sentinel"));
    for (PaintRow const& row : accepted) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        SColor paint = sentinel;
        ASSERT_TRUE(SColor::parseSColor(paint, row.text));
        EXPECT_EQ(paint.getType(), row.type);
        EXPECT_EQ(paint.getUrl().toUtf8(), row.url);
        EXPECT_EQ(static_cast<bool>(paint.getColor()), row.type == SColor::ColorPaint);
        EXPECT_EQ(ColorParse::getColorAsString(paint.getColor()).toUtf8(), row.written);
    }
    for (char16_t const* text : rejected) {
        SCOPED_TRACE(Core::String(text).toUtf8());
        SColor paint = sentinel;
        EXPECT_FALSE(SColor::parseSColor(paint, text));
        EXPECT_EQ(paint, sentinel);
    }
}

TEST(SColor, EqualityComparesTypesUrlsAndColourObjects) {
    SColor red1;
    SColor red2;
    ASSERT_TRUE(SColor::parseSColor(red1, u"red"));
    ASSERT_TRUE(SColor::parseSColor(red2, u"red"));
    SColor const copy = red1;
    EXPECT_NE(red1, red2);
    EXPECT_EQ(copy, red1);

    EXPECT_EQ(SColor(), SColor());
    EXPECT_EQ(SColor(Core::String(u"#a")), SColor(Core::String(u"#a")));
    EXPECT_NE(SColor(Core::String(u"#a")), SColor(Core::String(u"#A")));
    // A colour paint without a colour is still a colour paint, not no paint.
    SColor const emptyColour{SmartPtr<Drawing::Color>()};
    EXPECT_EQ(emptyColour.getType(), SColor::ColorPaint);
    EXPECT_NE(emptyColour, SColor());
    EXPECT_EQ(emptyColour, SColor{SmartPtr<Drawing::Color>()});
}

TEST(SColor, NullableColourAttribute) {
    TXmlAttribute<SNullableColor> attr;
    EXPECT_TRUE(attr->isNull());
    EXPECT_EQ(attr->getType(), SColor::NoPaint);

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
