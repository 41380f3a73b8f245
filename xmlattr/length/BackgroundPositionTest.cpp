// BackgroundPosition and BackgroundSize: keywords as fractions or types, and their writers.
#include "xmlattr/length/BackgroundPosition.h"

#include "testing/AttributeRows.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

using xmlattr_testing::expectRows;

BackgroundPosition fraction(float value) { return BackgroundPosition(LengthOrPercent(value)); }

TEST(BackgroundPosition, ReadAndWrite) {
    // clang-format off
    expectRows<BackgroundPosition>(BackgroundPosition(LengthOrPercent(Length(7.0f, Length::UnitEm))), {
        {u"left",   true, fraction(0.0f), u"left"},
        {u"top",    true, fraction(0.0f), u"left"},   // both axes share the fractions
        {u"center", true, fraction(0.5f), u"center"},
        {u"bottom", true, fraction(1.0f), u"right"},
        {u"50%",    true, fraction(0.5f), u"center"},
        {u"25%",    true, fraction(0.25f), u"25%"},
        {u"0px",    true, BackgroundPosition(), u"0px"}, // a length, not a fraction
        {u"Left", false, {}}, {u"", false, {}},
    });
    // clang-format on
    BackgroundPosition position;
    EXPECT_FALSE(BackgroundPosition::readStringBackgroundPosition(position, u"50%"));
}

TEST(BackgroundSize, ReadAndWrite) {
    // Sizes compare by their measures alone: the written texts tell the types apart.
    // clang-format off
    expectRows<BackgroundSize>(BackgroundSize(LengthOrPercent(Length(7.0f, Length::UnitEm))), {
        {u"cover",   true, BackgroundSize(BackgroundSizeCover), u"cover"},
        {u"contain", true, BackgroundSize(BackgroundSizeContain), u"contain"},
        {u"auto",    true, BackgroundSize(BackgroundSizeAuto), u"auto"},
        {u"50%",     true, BackgroundSize(LengthOrPercent(0.5f)), u"50%"},
        {u"Cover",   false, {}, u"7em"},
    });
    // clang-format on
    EXPECT_EQ(BackgroundSize(BackgroundSizeCover), BackgroundSize(LengthOrPercent()));
}

} // namespace
} // namespace Xml
