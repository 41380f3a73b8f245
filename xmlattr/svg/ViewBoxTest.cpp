// The view box: four words, white space only between them, all or nothing.
#include "xmlattr/svg/ViewBox.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

SLengthOrPercent px(float size) { return SLengthOrPercent(size, SLength::UnitPx); }

TEST(ViewBox, Read) {
    ViewBox const sentinel(px(-1), px(-2), px(-3), px(-4));
    struct Row {
        char16_t const* text;
        bool accepted;
        ViewBox expected;
    };
    Row const rows[] = {
        {u" 0\t0\n16.000002  16 ", true, ViewBox(px(0), px(0), px(16.000002f), px(16))},
        {u"-5 1e1 10pt 50% and more", true,
         ViewBox(px(-5), px(10), SLengthOrPercent(10, SLength::UnitPt), SLengthOrPercent(0.5f))},
        {u"0 0 100", false, {}},
        {u"0 0 100 abc", false, {}},
        {u"0,0,100,100", false, {}}, // commas do not separate
        {u"", false, {}},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<ViewBox> attribute(sentinel);
        EXPECT_EQ(attribute.parseValue(row.text), row.accepted);
        EXPECT_EQ(attribute.getValue(), row.accepted ? row.expected : sentinel);
    }
}

TEST(ViewBox, DefaultIsTheWholeViewportAndEqualityIsByMember) {
    ViewBox const whole(SLengthOrPercent(0.0f), SLengthOrPercent(0.0f), SLengthOrPercent(1.0f),
                        SLengthOrPercent(1.0f));
    EXPECT_EQ(TXmlAttribute<ViewBox>().getValue(), whole);
    EXPECT_NE(ViewBox(), ViewBox(px(0), px(0), px(1), px(1)));
    EXPECT_NE(whole, ViewBox(whole.minX, whole.minY, whole.width, SLengthOrPercent(0.5f)));
    EXPECT_EQ(TXmlAttribute<ViewBox>().getValueAsString(), Core::String());
}

} // namespace
} // namespace Xml
