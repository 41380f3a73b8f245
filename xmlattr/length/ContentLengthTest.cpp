// ContentLength: its keywords, the attribute's null flag, equality and writer.
#include "xmlattr/length/ContentLength.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

TEST(ContentLength, Parse) {
    struct Row {
        char16_t const* text;
        bool accepted;
        ContentLength expected;
        char16_t const* written;
    };
    LengthOrPercent const twenty(Length(20.0f, Length::UnitMm));
    // clang-format off
    Row const rows[] = {
        {u"auto",         true, ContentLength(ContentScaleAuto), u"auto"},
        {u"scale-to-fit", true, ContentLength(ContentScaleToFit), u"scale-to-fit"},
        {u"20mm",         true, ContentLength(twenty), u"20mm"},
        {u"100%",         true, ContentLength(LengthOrPercent(1.0f)), u"100%"},
        {u"Auto",         false, {}, nullptr},
        {u"",             false, {}, nullptr},
    };
    // clang-format on
    ContentLength const sentinel(LengthOrPercent(Length(7.0f, Length::UnitEm)));
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        ContentLength value = sentinel;
        ASSERT_EQ(ContentLength::parseContentLength(value, row.text), row.accepted);
        EXPECT_EQ(value, row.accepted ? row.expected : sentinel);

        // Through the attribute the null flag records the outcome; the rest is as above.
        TXmlAttribute<ContentLength> attribute(sentinel);
        ASSERT_EQ(attribute.parseValue(row.text), row.accepted);
        EXPECT_EQ(attribute->isNull(), !row.accepted);
        EXPECT_EQ(attribute, row.accepted ? row.expected : sentinel);
        if (row.accepted) {
            EXPECT_EQ(attribute.getValueAsString(), Core::String(row.written));
        }
    }
    // Read by itself, a keyword is null: it holds no measure.
    ContentLength value;
    ASSERT_TRUE(ContentLength::parseContentLength(value, u"scale-to-fit"));
    EXPECT_TRUE(value.isNull());
}

TEST(ContentLength, EqualityAndPixels) {
    ContentLength const automatic;
    EXPECT_EQ(automatic, ContentLength(ContentScaleAuto));
    EXPECT_NE(automatic, ContentLength(ContentScaleToFit));
    EXPECT_NE(automatic, ContentLength(LengthOrPercent()));
    EXPECT_NE(ContentLength(LengthOrPercent(0.5f)), ContentLength(LengthOrPercent(0.25f)));
    ContentLength const unknown(static_cast<ContentScaleMode>(5));
    EXPECT_NE(unknown, unknown); // a mode outside the enumeration equals nothing
    EXPECT_EQ(TXmlAttribute<ContentLength>(unknown).getValueAsString(), Core::String());

    ContentLength null(LengthOrPercent(0.5f));
    null.setNull(true);
    EXPECT_EQ(null, ContentLength(LengthOrPercent(0.5f))); // the null flags are not compared
    EXPECT_EQ(null.pxSize(300.0f), 150.0f);
    EXPECT_EQ(automatic.pxSize(300.0f), 0.0f); // the default value's pixels, whatever the mode
}

} // namespace
} // namespace Xml
