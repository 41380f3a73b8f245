// AxisUnits: keywords, the numeric step and its zero, equality by kind.
#include "xmlattr/chart/AxisUnits.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

TEST(AxisUnits, Reader) {
    // clang-format off
    std::pair<char16_t const*, AxisUnits> const rows[] = { // 7.5 where the text is rejected
        {u"auto", AxisUnits::Auto}, {u"days", AxisUnits::Days}, {u"months", AxisUnits::Months},
        {u"years", AxisUnits::Years}, {u"2.5", 2.5f}, {u"-1", -1.0f}, {u"0", 7.5f}, {u"-0", 7.5f},
        {u"1e-50", 7.5f}, {u"Days", 7.5f}, {u" auto", 7.5f}, {u"", 7.5f}, {u"2pt", 7.5f},
        // Past every float, or so small that it reads as 0, a step is no step.
        {u"1e99999999999", 7.5f}, {u"-1e-99999999999", 7.5f}, {u"days\xD800", 7.5f},
    };
    // clang-format on
    for (auto const& [text, expected] : rows) {
        SCOPED_TRACE(Core::String(text).toUtf8());
        TXmlAttribute<AxisUnits> attribute(7.5f);
        EXPECT_EQ(attribute.parseValue(text), expected.numericVal != 7.5f);
        EXPECT_EQ(attribute->type, expected.type);
        EXPECT_EQ(attribute->numericVal, expected.numericVal);
    }
}

TEST(AxisUnits, EqualityComparesTheNumberOfNumericStepsOnly) {
    AxisUnits strayDays(AxisUnits::Days);
    strayDays.numericVal = 4.0f;
    EXPECT_TRUE(TXmlAttribute<AxisUnits>(AxisUnits::Days) == strayDays);
    EXPECT_TRUE(AxisUnits(2.0f) == AxisUnits(2.0f));
    EXPECT_TRUE(AxisUnits(2.0f) != AxisUnits(3.0f));
    EXPECT_TRUE(AxisUnits(AxisUnits::Days) != AxisUnits(AxisUnits::Months));
}

} // namespace
} // namespace Xml
