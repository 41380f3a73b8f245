// BorderWidth and DLength: named widths both ways, and pairs that fail as a whole.
#include "xmlattr/length/BorderWidth.h"

#include "testing/AttributeRows.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

using xmlattr_testing::expectRows;

Length points(float size) { return Length(size, Length::UnitPt); }

TEST(DLength, Read) {
    // clang-format off
    expectRows<DLength>(DLength(Length(7.0f, Length::UnitEm), Length(8.0f, Length::UnitEx)), {
        {u"1pt",           true, DLength(points(1.0f), points(1.0f))},
        {u"1pt 2pt",       true, DLength(points(1.0f), points(2.0f))},
        {u" 1pt\t\n2cm\r", true, DLength(points(1.0f), Length(2.0f, Length::UnitCm))},
        {u"1pt,2pt",       false, {}}, // "1pt,2" is no number
        {u"1pt 2pt 3pt",   false, {}},
        {u"1pt 2",         false, {}}, // the first length is not kept
        {u"",              false, {}},
        {u" \t",           false, {}},
    });
    // clang-format on
}

TEST(BorderWidth, ReadAndWrite) {
    auto width = [](Length const& l) { return BorderWidth(l.getSize(), l.getUnit()); };
    // clang-format off
    expectRows<BorderWidth>(BorderWidth(), {
        {u"thin",   true, width(points(1.0f)), u"thin"},
        {u"medium", true, width(points(3.0f)), u"medium"},
        {u"thick",  true, width(points(5.0f)), u"thick"},
        {u"3pt",    true, width(points(3.0f)), u"medium"},
        {u"4px",    true, width(Length(4.0f, Length::UnitPx)), u"4px"}, // as wide, not named
        {u"0",      true, width(points(0.0f)), u"0pt"},
        {u"thin ",  false, {}}, {u"Thin", false, {}}, {u"3", false, {}},
        {u"70pt 0 0 70pt", false, {}}, // four sides, not the first alone
    });
    // clang-format on
    EXPECT_EQ(TXmlAttribute<BorderWidth>().getValueAsString(), Core::String(u"1.5pt"));
}

} // namespace
} // namespace Xml
