// The view box: four words, white space only between them, all or nothing.
#include "xmlattr/svg/ViewBox.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

SLengthOrPercent px(float size) { return SLengthOrPercent(size, SLength::UnitPx); }

TEST(ViewBox, DefaultIsTheWholeViewport) {
    ViewBox const box;
    EXPECT_TRUE(box.minX.isPercent() && box.minY.isPercent());
    EXPECT_EQ(box.minX.getPercent(), 0.0f);
    EXPECT_EQ(box.width.getPercent(), 1.0f);
    EXPECT_EQ(box, ViewBox(SLengthOrPercent(0.0f), SLengthOrPercent(0.0f), SLengthOrPercent(1.0f),
                           SLengthOrPercent(1.0f)));
    EXPECT_EQ(TXmlAttribute<ViewBox>().getValue(), box);
}

TEST(ViewBox, Read) {
    ViewBox const sentinel(px(-1), px(-2), px(-3), px(-4));
    struct Row {
        char16_t const* text;
        bool accepted;
        ViewBox expected;
    };
    Row const rows[] = {
        {u"0 0 100 50", true, ViewBox(px(0), px(0), px(100), px(50))},
        {u" 0\t0\n16.000002  16 ", true, ViewBox(px(0), px(0), px(16.000002f), px(16))},
        {u"-5 1e1 10pt 50%", true,
         ViewBox(px(-5), px(10), SLengthOrPercent(10, SLength::UnitPt), SLengthOrPercent(0.5f))},
        {u"0 0 100 50 and more", true, ViewBox(px(0), px(0), px(100), px(50))},
        {u"0 0 100", false, {}},
        {u"0 0 100 abc", false, {}},
        {u"0,0,100,100", false, {}},
        {u"", false, {}},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<ViewBox> attribute(sentinel);
        EXPECT_EQ(attribute.parseValue(row.text), row.accepted);
        EXPECT_EQ(attribute.getValue(), row.accepted ? row.expected : sentinel);
        EXPECT_EQ(attribute.getValueAsString(), Core::String());
    }
}

TEST(ViewBox, EqualityByMember) {
    ViewBox const box(px(1), px(2), px(3), px(4));
    EXPECT_NE(box, ViewBox(px(1), px(2), px(3), px(5)));
    EXPECT_NE(box, ViewBox(SLengthOrPercent(1.0f), px(2), px(3), px(4)));
    EXPECT_NE(box, ViewBox(SLengthOrPercent(1, SLength::UnitPt), px(2), px(3), px(4)));
}

} // namespace
} // namespace Xml
