// ContentLength: its keywords, the attribute's null flag, equality and writer.
#include "xmlattr/length/ContentLength.h"

#include "testing/AttributeRows.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

ContentLength const kSentinel(LengthOrPercent(Length(7.0f, Length::UnitEm)));

TEST(ContentLength, Read) {
    // clang-format off
    xmlattr_testing::expectRows<ContentLength>(kSentinel, {
        {u"auto",         true, ContentLength(ContentScaleAuto), u"auto"},
        {u"scale-to-fit", true, ContentLength(ContentScaleToFit), u"scale-to-fit"},
        {u"20mm",         true, ContentLength(LengthOrPercent(Length(20.0f, Length::UnitMm))),
                                                                 u"20mm"},
        {u"100%",         true, ContentLength(LengthOrPercent(1.0f)), u"100%"},
        {u"Auto", false, {}}, {u"", false, {}},
    });
    // clang-format on
}

TEST(ContentLength, NullFlagAndEquality) {
    // Read alone a keyword is null: it holds no measure.
    ContentLength value(LengthOrPercent(0.5f));
    ASSERT_TRUE(ContentLength::parseContentLength(value, u"scale-to-fit"));
    EXPECT_TRUE(value.isNull());
    // Through the attribute the flag records the outcome instead; equality ignores it.
    TXmlAttribute<ContentLength> attribute(kSentinel);
    ASSERT_FALSE(attribute.parseValue(u"Auto"));
    EXPECT_TRUE(attribute->isNull());
    ASSERT_TRUE(attribute.parseValue(u"scale-to-fit"));
    EXPECT_FALSE(attribute->isNull());
    EXPECT_EQ(attribute, value);

    EXPECT_NE(ContentLength(), ContentLength(ContentScaleToFit));
    EXPECT_NE(ContentLength(), ContentLength(LengthOrPercent()));
    ContentLength const unknown(static_cast<ContentScaleMode>(5));
    EXPECT_NE(unknown, unknown); // a mode outside the enumeration equals nothing
    EXPECT_EQ(TXmlAttribute<ContentLength>(unknown).getValueAsString(), Core::String());
}

} // namespace
} // namespace Xml
