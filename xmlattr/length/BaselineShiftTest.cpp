// AlignmentBaseline, AlignmentAdjust, BaselineShift and SBaselineShift.
#include "xmlattr/length/BaselineShift.h"

#include "testing/AttributeRows.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

using xmlattr_testing::expectRows;

TEST(AlignmentBaseline, EveryKeywordBothWays) {
    // clang-format off
    char16_t const* const keywords[] = {
        u"auto", u"baseline", u"before-edge", u"text-before-edge", u"middle", u"central",
        u"after-edge", u"text-after-edge", u"ideographic", u"alphabetic", u"hanging",
        u"mathematical", u"top", u"text-top", u"bottom", u"text-bottom",
    };
    // clang-format on
    for (int number = 0; number < 16; ++number) {
        SCOPED_TRACE(number);
        TXmlAttribute<AlignmentBaseline> value(static_cast<AlignmentBaseline>(99));
        ASSERT_TRUE(value.parseValue(keywords[number]));
        EXPECT_EQ(value, static_cast<AlignmentBaseline>(number));
        EXPECT_EQ(value.getValueAsString(), Core::String(keywords[number]));
    }
    expectRows<AlignmentBaseline>(AlignmentBaselineTextTop, {{u"Top", false, {}}});
    EXPECT_EQ(
        TXmlAttribute<AlignmentBaseline>(static_cast<AlignmentBaseline>(16)).getValueAsString(),
        Core::String()); // outside the table: empty
}

TEST(AlignmentAdjust, ReadAndWrite) {
    // clang-format off
    expectRows<AlignmentAdjust>(AlignmentAdjust(LengthOrPercent(Length(7.0f, Length::UnitEm))), {
        {u"auto",     true, AlignmentAdjust(), u"auto"},
        {u"text-top", true, AlignmentAdjust(AlignmentBaselineTextTop), u"text-top"},
        {u"25%",      true, AlignmentAdjust(LengthOrPercent(0.25f)), u"25%"},
        {u"Auto", false, {}}, {u"", false, {}},
    });
    // clang-format on
    EXPECT_NE(AlignmentAdjust(), AlignmentAdjust(LengthOrPercent()));
}

TEST(BaselineShift, ReadAndWrite) {
    // clang-format off
    expectRows<BaselineShift>(BaselineShift(LengthOrPercent(Length(7.0f, Length::UnitEm))), {
        {u"baseline", true, BaselineShift(), u"baseline"},
        {u"sub",      true, BaselineShift(BaselineShiftSub), u"sub"},
        {u"super",    true, BaselineShift(BaselineShiftSuper), u"super"},
        {u"3pt",      true, BaselineShift(LengthOrPercent(Length(3.0f, Length::UnitPt))), u"3pt"},
        {u"Super", false, {}}, {u"", false, {}},
    });
    expectRows<SBaselineShift>(SBaselineShift(SLengthOrPercent(0.5f)), {
        {u"sub",      true, SBaselineShift(BaselineShiftSub), u""},
        {u"3",        true, SBaselineShift(SLengthOrPercent(3.0f, SLength::UnitPx))}, // pixels
        {u"a", false, {}},
    });
    // clang-format on
    xmlattr_testing::expectUnreachable(
        [] { (void)TXmlAttribute<BaselineShift>(BaselineShiftMode(4)).getValueAsString(); },
        u"LengthAttribute", 471);
}

} // namespace
} // namespace Xml
