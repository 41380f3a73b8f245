// The view box: four measures, white space and commas between them, all or nothing.
#include "xmlattr/svg/ViewBox.h"

#include "testing/AttributeRows.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

SLengthOrPercent px(float size) { return SLengthOrPercent(size, SLength::UnitPx); }

TEST(ViewBox, Read) {
    SLengthOrPercent const pt10(10, SLength::UnitPt), half(0.5f), none(0.0f), all(1.0f);
    // The default is the whole viewport, in fractions.
    EXPECT_EQ(TXmlAttribute<ViewBox>().getValue(), ViewBox(none, none, all, all));
    // clang-format off
    xmlattr_testing::expectRows<ViewBox>(ViewBox(px(-1), px(-2), px(-3), px(-4)), {
        {u" 0\t0\n16.000002  16 ",    true,  ViewBox(px(0), px(0), px(16.000002f), px(16))},
        {u"-5 1e1 10pt 50%",          true,  ViewBox(px(-5), px(10), pt10, half)},
        // One comma, with or without white space around it, separates as white space does.
        {u"0, 0, 100, 100",           true,  ViewBox(px(0), px(0), px(100), px(100))},
        {u"1 ,2 ,3 ,4\t",             true,  ViewBox(px(1), px(2), px(3), px(4))},
        {u"0 0 100",                  false, {}},
        {u"0 0 100 abc",              false, {}},
        {u"0 0 100 100 5",            false, {}}, // exactly four
        {u"0 0 100 100,",             false, {}},
        {u"0,,0,100,100",             false, {}}, // two commas leave an empty measure
        {u",0,0,100,100",             false, {}},
        {u"0 0 + 100",                false, {}}, // a sign alone is no measure
        {u"0 0 5. 1e39",              false, {}},
        {u"",                         false, {}},
    });
    // clang-format on
}

} // namespace
} // namespace Xml
