// A caller's static object reads defaults while the caller starts, before main: the library
// has built them all by then, those it builds at load as well as the constant ones.
#include "xmlattr/defaults/DefaultAttributes.h"

#include <gtest/gtest.h>

namespace {

struct ReadAtStartup {
    ReadAtStartup()
        : fontFamily(Xml::DefaultFontFamily), borderColor(Xml::DefaultBorderColor),
          minValue(Xml::DefaultMinValue), url(Xml::DefaultUrl), length(Xml::DefaultBorderLength),
          svgLength(Xml::DefaultSLength), dashes(Xml::DefaultSDashPattern),
          textAlign(Xml::DefaultTextAlign) {}

    Xml::TXmlAttribute<Core::String> fontFamily;
    Xml::TXmlAttribute<SmartPtr<Drawing::Color>> borderColor;
    Xml::TXmlAttribute<Xml::Value> minValue;
    Xml::TXmlAttribute<Xml::Url> url;
    Xml::TXmlAttribute<Xml::Length> length;
    Xml::TXmlAttribute<Xml::SLength> svgLength;
    Xml::TXmlAttribute<Core::Vector<Xml::SLength>> dashes;
    Xml::TXmlAttribute<Xml::TextAlign> textAlign;
};

ReadAtStartup readAtStartup;

TEST(DefaultStartup, ACallersStaticObjectReadsBuiltDefaults) {
    // Built at load.
    EXPECT_EQ(*readAtStartup.fontFamily, Core::String(u"Times"));
    EXPECT_EQ(readAtStartup.borderColor.getValueAsString(), Core::String(u"rgb(0,0,0)"));
    EXPECT_EQ(readAtStartup.borderColor->get(), Xml::DefaultBorderColor->get());
    EXPECT_EQ(readAtStartup.minValue->getType(), Xml::ValueFloat);
    EXPECT_EQ(readAtStartup.minValue->getFloatValue(), -2147483648.0f);
    EXPECT_EQ(readAtStartup.url.getValueAsString(), Core::String(u"url()"));
    // Constant from the start.
    EXPECT_EQ(*readAtStartup.length, Xml::Length(1.5f, Xml::Length::UnitPt));
    EXPECT_EQ(*readAtStartup.svgLength, Xml::SLength());
    EXPECT_TRUE(readAtStartup.dashes->empty());
    EXPECT_EQ(readAtStartup.textAlign.getValueAsString(), Core::String(u"left"));
}

} // namespace
