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
    // clang-format off
    Row const rows[] = {
        {u"xMinYMin", 8 + 64 + 2},    {u"xMidYMin", 16 + 64 + 2},   {u"xMaxYMin", 32 + 64 + 2},
        {u"xMinYMid", 8 + 128 + 2},   {u"xMidYMid", 16 + 128 + 2},  {u"xMaxYMid", 32 + 128 + 2},
        {u"xMinYMax slice", 8 + 256 + 4}, {u"xMidYMax", 16 + 256 + 2}, {u" xMaxYMax\tmeet ", 288 + 2},
        {u"none", 1},                 {u"none slice", 1},
        // Case-sensitive; an unknown alignment is xMidYMid, an unknown second word adds nothing.
        {u"XMIDYMID", 146},           {u"xMidYMid foo", 144},       {u"xMinYMin Slice", 72},
        {u"", 146},                   {u"meet", 146},               {u"defer xMidYMid meet", 144},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<SPreserveAspectRatio> attribute(SPreserveAspectRatio(1));
        EXPECT_TRUE(attribute.parseValue(row.text));
        EXPECT_EQ(attribute->getAspectRatio(), row.bits);
    }
}

} // namespace
} // namespace Xml
