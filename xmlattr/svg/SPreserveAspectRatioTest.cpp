// The aspect ratio: alignment and meet/slice words onto flag bits.
#include "xmlattr/svg/SPreserveAspectRatio.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

TEST(SPreserveAspectRatio, Read) {
    struct Row {
        char16_t const* text;
        int bits;
    };
    Row const rows[] = {
        {u"xMinYMin", 8 + 64 + 2},
        {u"xMidYMin", 16 + 64 + 2},
        {u"xMaxYMin", 32 + 64 + 2},
        {u"xMinYMid", 8 + 128 + 2},
        {u"xMidYMid", 16 + 128 + 2},
        {u"xMaxYMid", 32 + 128 + 2},
        {u"xMinYMax", 8 + 256 + 2},
        {u"xMidYMax", 16 + 256 + 2},
        {u"xMaxYMax", 32 + 256 + 2},
        {u"xMinYMax slice", 264 + 4},
        {u"  xMaxYMid\tmeet ", 160 + 2},
        {u"none", 1},
        {u"none slice", 1},
        // Case-sensitive; unknown alignments are xMidYMid, unknown second words add nothing.
        {u"XMIDYMID", 146},
        {u"xMidYMid foo", 144},
        {u"xMinYMin Slice", 72},
        {u"", 146},
        {u"meet", 146},
        {u"slice", 146},
        {u"defer xMidYMid meet", 144},
        {u"xMinYMin meet extra", 74},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<SPreserveAspectRatio> attribute(SPreserveAspectRatio(1));
        EXPECT_TRUE(attribute.parseValue(row.text));
        EXPECT_EQ(attribute->getAspectRatio(), row.bits);
        EXPECT_EQ(attribute, SPreserveAspectRatio(row.bits));
    }
}

TEST(SPreserveAspectRatio, DefaultAndNoTextForm) {
    TXmlAttribute<SPreserveAspectRatio> attribute;
    EXPECT_EQ(attribute->getAspectRatio(), 146);
    EXPECT_NE(attribute, SPreserveAspectRatio(144));
    EXPECT_EQ(attribute.getValueAsString(), Core::String());
}

} // namespace
} // namespace Xml
