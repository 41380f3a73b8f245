// AxisUnits: keywords, the numeric step and its zero, equality by kind.
#include "xmlattr/chart/AxisUnits.h"
#include "testing/AttributeRows.h"

namespace Xml {
namespace {

TEST(AxisUnits, Reader) {
    // clang-format off
    xmlattr_testing::expectRows<AxisUnits>(7.5f, {
        {u"auto", true, AxisUnits::Auto}, {u"days", true, AxisUnits::Days}, {u"months", true, AxisUnits::Months},
        {u"years", true, AxisUnits::Years}, {u"2.5", true, 2.5f}, {u"-1", true, -1.0f}, {u"0", false, {}}, {u"-0", false, {}},
        {u"1e-50", false, {}}, {u"Days", false, {}}, {u" auto", false, {}}, {u"", false, {}}, {u"2pt", false, {}},
        // Past every float, or so small that it reads as 0, a step is no step.
        {u"1e99999999999", false, {}}, {u"-1e-99999999999", false, {}}, {u"days\xD800", false, {}},
    });
    // clang-format on
    TXmlAttribute<AxisUnits> days(7.5f);
    ASSERT_TRUE(days.parseValue(u"days"));
    EXPECT_EQ(days->numericVal, 0.0f); // no step left over
}

// The number counts for numeric steps only.
static_assert(AxisUnits(2.0f) == AxisUnits(2.0f) && AxisUnits(2.0f) != AxisUnits(3.0f));
static_assert(AxisUnits(AxisUnits::Days) != AxisUnits(AxisUnits::Months));
static_assert([] {
    AxisUnits strayDays(AxisUnits::Days);
    strayDays.numericVal = 4.0f;
    return strayDays == AxisUnits(AxisUnits::Days);
}());

} // namespace
} // namespace Xml
