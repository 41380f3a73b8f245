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
    BackgroundSize const sentinel(LengthOrPercent(Length(7.0f, Length::UnitEm)));
    struct Row {
        char16_t const* text;
        BackgroundSizeType type;
        LengthOrPercent measure;
        char16_t const* written;
    };
    // clang-format off
    Row const rows[] = {
        {u"cover",   BackgroundSizeCover,   {}, u"cover"},
        {u"contain", BackgroundSizeContain, {}, u"contain"},
        {u"auto",    BackgroundSizeAuto,    {}, u"auto"},
        {u"50%",     BackgroundSizeLengthOrPercent, LengthOrPercent(0.5f), u"50%"},
        {u"Cover",   BackgroundSizeLengthOrPercent, sentinel, nullptr}, // rejected
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<BackgroundSize> value(sentinel);
        ASSERT_EQ(value.parseValue(row.text), row.written != nullptr);
        EXPECT_EQ(value->getType(), row.type);
        EXPECT_EQ(static_cast<LengthOrPercent const&>(*value), row.measure);
        if (row.written != nullptr) {
            EXPECT_EQ(value.getValueAsString(), Core::String(row.written));
        }
    }
    // Sizes compare by their measures alone.
    TXmlAttribute<BackgroundSize> const cover{BackgroundSize(BackgroundSizeCover)};
    EXPECT_EQ(cover, TXmlAttribute<BackgroundSize>());
    EXPECT_EQ(cover, BackgroundSize(LengthOrPercent()));
}

} // namespace
} // namespace Xml
