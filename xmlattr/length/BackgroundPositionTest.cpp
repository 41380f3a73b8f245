// BackgroundPosition and BackgroundSize: keywords as fractions or types, and their writers.
#include "xmlattr/length/BackgroundPosition.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

TEST(BackgroundPosition, ReadAndWrite) {
    struct Row {
        char16_t const* text;
        bool accepted;
        LengthOrPercent expected;
        char16_t const* written;
    };
    // clang-format off
    Row const rows[] = {
        {u"left",   true, LengthOrPercent(0.0f), u"left"},
        {u"top",    true, LengthOrPercent(0.0f), u"left"},   // both axes share the fractions
        {u"center", true, LengthOrPercent(0.5f), u"center"},
        {u"right",  true, LengthOrPercent(1.0f), u"right"},
        {u"bottom", true, LengthOrPercent(1.0f), u"right"},
        {u"50%",    true, LengthOrPercent(0.5f), u"center"},
        {u"25%",    true, LengthOrPercent(0.25f), u"25%"},
        {u"12pt",   true, LengthOrPercent(Length(12.0f, Length::UnitPt)), u"12pt"},
        {u"0px",    true, LengthOrPercent(), u"0px"},            // a length, not a fraction
        {u"Left",   false, {}, nullptr},
        {u"",       false, {}, nullptr},
    };
    // clang-format on
    BackgroundPosition const sentinel(LengthOrPercent(Length(7.0f, Length::UnitEm)));
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<BackgroundPosition> value(sentinel);
        ASSERT_EQ(value.parseValue(row.text), row.accepted);
        EXPECT_EQ(value, row.accepted ? BackgroundPosition(row.expected) : sentinel);
        if (row.accepted) {
            EXPECT_EQ(value.getValueAsString(), Core::String(row.written));
        }
    }
    // The keyword reader alone takes no measure.
    BackgroundPosition position = sentinel;
    EXPECT_FALSE(BackgroundPosition::readStringBackgroundPosition(position, u"50%"));
    EXPECT_EQ(position, sentinel);
}

TEST(BackgroundSize, ReadAndWrite) {
    struct Row {
        char16_t const* text;
        bool accepted;
        BackgroundSizeType type;
        LengthOrPercent measure;
        char16_t const* written;
    };
    // clang-format off
    Row const rows[] = {
        {u"cover",   true, BackgroundSizeCover,   {}, u"cover"},
        {u"contain", true, BackgroundSizeContain, {}, u"contain"},
        {u"auto",    true, BackgroundSizeAuto,    {}, u"auto"},
        {u"50%",     true, BackgroundSizeLengthOrPercent, LengthOrPercent(0.5f), u"50%"},
        {u"2cm",     true, BackgroundSizeLengthOrPercent,
                                           LengthOrPercent(Length(2.0f, Length::UnitCm)), u"2cm"},
        {u"Cover",   false, {}, {}, nullptr},
        {u"",        false, {}, {}, nullptr},
    };
    // clang-format on
    BackgroundSize const sentinel(LengthOrPercent(Length(7.0f, Length::UnitEm)));
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<BackgroundSize> value(sentinel);
        ASSERT_EQ(value.parseValue(row.text), row.accepted);
        if (!row.accepted) {
            EXPECT_EQ(value->getType(), BackgroundSizeLengthOrPercent);
            EXPECT_EQ(value, sentinel);
            continue;
        }
        EXPECT_EQ(value->getType(), row.type);
        EXPECT_EQ(static_cast<LengthOrPercent const&>(*value), row.measure);
        EXPECT_EQ(value.getValueAsString(), Core::String(row.written));
    }
    EXPECT_EQ(TXmlAttribute<BackgroundSize>().getValueAsString(), Core::String(u"auto"));
}

TEST(BackgroundSize, ComparesMeasuresOnly) {
    TXmlAttribute<BackgroundSize> const cover{BackgroundSize(BackgroundSizeCover)};
    TXmlAttribute<BackgroundSize> const automatic;
    EXPECT_EQ(cover, automatic);
    EXPECT_FALSE(cover != automatic);
    // A measure equal to the default one is equal too, whatever its type.
    EXPECT_EQ(cover, BackgroundSize(LengthOrPercent()));
    EXPECT_NE(cover, BackgroundSize(LengthOrPercent(0.0f)));
}

} // namespace
} // namespace Xml
