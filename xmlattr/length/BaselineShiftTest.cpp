// AlignmentBaseline, AlignmentAdjust, BaselineShift and SBaselineShift.
#include "xmlattr/length/BaselineShift.h"

#include "testing/LogCapture.h"
#include "xmlattr/platform/Exception.h"

#include <gtest/gtest.h>

#include <iterator>

namespace Xml {
namespace {

TEST(AlignmentBaseline, EveryKeywordBothWays) {
    // clang-format off
    char16_t const* const keywords[] = {
        u"auto", u"baseline", u"before-edge", u"text-before-edge", u"middle", u"central",
        u"after-edge", u"text-after-edge", u"ideographic", u"alphabetic", u"hanging",
        u"mathematical", u"top", u"text-top", u"bottom", u"text-bottom",
    };
    // clang-format on
    static_assert(std::size(keywords) == 16);
    for (int number = 0; number < 16; ++number) {
        char16_t const* keyword = keywords[number];
        SCOPED_TRACE(Core::String(keyword).toUtf8());
        TXmlAttribute<AlignmentBaseline> value(static_cast<AlignmentBaseline>(99));
        ASSERT_TRUE(value.parseValue(keyword));
        EXPECT_EQ(value, static_cast<AlignmentBaseline>(number));
        EXPECT_EQ(value.getValueAsString(), Core::String(keyword));
    }
    TXmlAttribute<AlignmentBaseline> value(AlignmentBaselineTextTop);
    EXPECT_FALSE(value.parseValue(u"Top"));
    EXPECT_EQ(value, AlignmentBaselineTextTop);
    value = static_cast<AlignmentBaseline>(16);
    EXPECT_EQ(value.getValueAsString(), Core::String()); // outside the table: empty
}

TEST(AlignmentAdjust, ReadAndWrite) {
    struct Row {
        char16_t const* text;
        bool accepted;
        AlignmentAdjust expected;
        char16_t const* written;
    };
    // clang-format off
    Row const rows[] = {
        {u"auto",     true, AlignmentAdjust(), u"auto"},
        {u"text-top", true, AlignmentAdjust(AlignmentBaselineTextTop), u"text-top"},
        {u"25%",      true, AlignmentAdjust(LengthOrPercent(0.25f)), u"25%"},
        {u"-2pt",     true, AlignmentAdjust(LengthOrPercent(Length(-2.0f, Length::UnitPt))),
                                                                           u"-2pt"},
        {u"Auto",     false, {}, nullptr},
        {u"",         false, {}, nullptr},
    };
    // clang-format on
    AlignmentAdjust const sentinel(LengthOrPercent(Length(7.0f, Length::UnitEm)));
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<AlignmentAdjust> value(sentinel);
        ASSERT_EQ(value.parseValue(row.text), row.accepted);
        EXPECT_EQ(value, row.accepted ? row.expected : sentinel);
        if (row.accepted) {
            EXPECT_EQ(value.getValueAsString(), Core::String(row.written));
        }
    }
    EXPECT_NE(AlignmentAdjust(), AlignmentAdjust(LengthOrPercent()));
    EXPECT_NE(AlignmentAdjust(), AlignmentAdjust(AlignmentBaselineBaseline));
}

TEST(BaselineShift, ReadAndWrite) {
    struct Row {
        char16_t const* text;
        bool accepted;
        BaselineShift expected;
        char16_t const* written;
    };
    // clang-format off
    Row const rows[] = {
        {u"baseline", true, BaselineShift(), u"baseline"},
        {u"sub",      true, BaselineShift(BaselineShiftSub), u"sub"},
        {u"super",    true, BaselineShift(BaselineShiftSuper), u"super"},
        {u"3pt",      true, BaselineShift(LengthOrPercent(Length(3.0f, Length::UnitPt))), u"3pt"},
        {u"50%",      true, BaselineShift(LengthOrPercent(0.5f)), u"50%"},
        {u"Super",    false, {}, nullptr},
        {u"",         false, {}, nullptr},
    };
    // clang-format on
    BaselineShift const sentinel(LengthOrPercent(Length(7.0f, Length::UnitEm)));
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<BaselineShift> value(sentinel);
        ASSERT_EQ(value.parseValue(row.text), row.accepted);
        EXPECT_EQ(value, row.accepted ? row.expected : sentinel);
        if (row.accepted) {
            EXPECT_EQ(value.getValueAsString(), Core::String(row.written));
        }
    }
}

TEST(BaselineShift, SvgMeasures) {
    TXmlAttribute<SBaselineShift> value;
    ASSERT_TRUE(value.parseValue(u"3"));
    EXPECT_EQ(value, SBaselineShift(SLengthOrPercent(3.0f, SLength::UnitPx))); // pixels here
    ASSERT_TRUE(value.parseValue(u"sub"));
    EXPECT_EQ(value->getMode(), BaselineShiftSub);
    EXPECT_FALSE(value.parseValue(u"a"));
    EXPECT_EQ(value->getMode(), BaselineShiftSub);
    EXPECT_EQ(value.getValueAsString(), Core::String());
}

TEST(BaselineShift, ModeOutsideTheEnumerationThrows) {
    xmlattr_testing::LogCapture log;
    TXmlAttribute<BaselineShift> value(BaselineShift(static_cast<BaselineShiftMode>(4)));
    try {
        (void)value.getValueAsString();
        ADD_FAILURE() << "no exception";
    } catch (Core::UnreacheableCodeException const& error) {
        EXPECT_EQ(error.getFile(), Core::String(u"LengthAttribute"));
        EXPECT_EQ(error.getLine(), 471);
    }
    EXPECT_EQ(log.entries().size(), 1u);
}

} // namespace
} // namespace Xml
