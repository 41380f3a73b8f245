// SVG paint: references, colours and no paint, the null flag, and equality by identity.
#include "xmlattr/color/SColor.h"

#include "xmlattr/color/ColorParse.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

struct PaintRow {
    char16_t const* text;
    bool accepted;
    SColor::ColorType type;
    char const* url;     // for UrlPaint
    char const* written; // the colour of ColorPaint, written
};

TEST(SColor, ParseSColor) {
    PaintRow const rows[] = {
        {u"url(#grad1)", true, SColor::UrlPaint, "#grad1", ""},
        {u"url(#grad1) red", true, SColor::UrlPaint, "#grad1", ""},
        {u"url(#grad1", true, SColor::UrlPaint, "#grad1", ""},
        {u"url( #a\tb)", true, SColor::UrlPaint, "#a", ""},
        {u"url(#)", true, SColor::UrlPaint, "#", ""},
        {u"url (#a)", true, SColor::UrlPaint, "#a", ""},
        {u"red", true, SColor::ColorPaint, "", "rgb(255,0,0)"},
        {u"#f80", true, SColor::ColorPaint, "", "rgb(255,136,0)"},
        {u"cmyk(0,0,0,1)", true, SColor::ColorPaint, "", "cmyk(0,0,0,1)"},
        {u"none", true, SColor::NoPaint, "", ""},
        {u"transparent", true, SColor::NoPaint, "", ""},
        // Only references into the same document are paint servers.
        {u"url(grad1)", false, {}, "", ""},
        {u"url(image.svg#grad1)", false, {}, "", ""},
        {u"url(a) #b", false, {}, "", ""},
        {u"url", false, {}, "", ""}, // three characters are read as a colour
        {u"urlx", false, {}, "", ""},
        {u"url(", false, {}, "", ""},
        {u"bogus", false, {}, "", ""},
        {u"", false, {}, "", ""},
    };
    SColor const sentinel(Core::String(u"#sentinel"));
    for (PaintRow const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        SColor paint = sentinel;
        ASSERT_EQ(SColor::parseSColor(paint, row.text), row.accepted);
        if (!row.accepted) {
            EXPECT_EQ(paint, sentinel);
            continue;
        }
        EXPECT_EQ(paint.getType(), row.type);
        EXPECT_EQ(paint.getUrl().toUtf8(), row.url);
        EXPECT_EQ(static_cast<bool>(paint.getColor()), row.type == SColor::ColorPaint);
        EXPECT_EQ(ColorParse::getColorAsString(paint.getColor()).toUtf8(), row.written);
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
    EXPECT_EQ(copy.getColor(), red1.getColor());

    EXPECT_EQ(SColor(), SColor());
    EXPECT_EQ(SColor(Core::String(u"#a")), SColor(Core::String(u"#a")));
    EXPECT_NE(SColor(Core::String(u"#a")), SColor(Core::String(u"#A")));
    EXPECT_NE(SColor(Core::String(u"#a")), SColor());
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

    TXmlAttribute<SNullableColor> fresh;
    EXPECT_FALSE(fresh.parseValue(u"bogus"));
    EXPECT_TRUE(fresh->isNull());

    // Built from a colour, a value still counts as not given; equality ignores the flag.
    SNullableColor const given(red);
    EXPECT_TRUE(given.isNull());
    EXPECT_EQ(attr, given);
    EXPECT_EQ(attr.getValueAsString(), Core::String());

    TXmlAttribute<SNullableColor> copy;
    copy.copyFrom(attr);
    EXPECT_FALSE(copy->isNull());
    EXPECT_EQ(copy->getColor(), red);
}

TEST(SColor, PaintAttributeKeepsItsValueOnRejection) {
    TXmlAttribute<SColor> attr;
    ASSERT_TRUE(attr.parseValue(u"url(#g)"));
    EXPECT_FALSE(attr.parseValue(u"url(g)"));
    EXPECT_EQ(attr->getUrl(), Core::String(u"#g"));
    ASSERT_TRUE(attr.parseValue(u"#000"));
    EXPECT_EQ(attr->getType(), SColor::ColorPaint);
    EXPECT_EQ(attr->getUrl(), Core::String()); // a colour drops the previous reference
    EXPECT_EQ(attr.getValueAsString(), Core::String());
}

} // namespace
} // namespace Xml
