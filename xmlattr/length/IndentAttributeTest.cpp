// Indent and TabStopType: list functions matched whole, the writer and its impossible state.
#include "xmlattr/length/IndentAttribute.h"

#include "testing/LogCapture.h"
#include "xmlattr/platform/Exception.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

TEST(Indent, ReadAndWrite) {
    struct Row {
        char16_t const* text;
        bool accepted;
        Indent expected;
        char16_t const* written;
    };
    // clang-format off
    Row const rows[] = {
        {u"body-start()",  true, Indent(IndentBodyStart), u"body-start()"},
        {u"label-end()",   true, Indent(IndentLabelEnd), u"label-end()"},
        {u"5pt",           true, Indent(LengthOrPercent(Length(5.0f, Length::UnitPt))), u"5pt"},
        {u"25%",           true, Indent(LengthOrPercent(0.25f)), u"25%"},
        {u"body-start( )", false, {}, nullptr},
        {u"body-start",    false, {}, nullptr},
        {u"Label-end()",   false, {}, nullptr},
        {u"",              false, {}, nullptr},
    };
    // clang-format on
    Indent const sentinel(LengthOrPercent(Length(7.0f, Length::UnitEm)));
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<Indent> value(sentinel);
        ASSERT_EQ(value.parseValue(row.text), row.accepted);
        EXPECT_EQ(value, row.accepted ? row.expected : sentinel);
        if (row.accepted) {
            EXPECT_EQ(value.getValueAsString(), Core::String(row.written));
        }
    }
    EXPECT_EQ(TXmlAttribute<Indent>().getValueAsString(), Core::String());
}

TEST(Indent, Equality) {
    EXPECT_EQ(Indent(), Indent(IndentNone));
    EXPECT_NE(Indent(IndentBodyStart), Indent(IndentLabelEnd));
    EXPECT_NE(Indent(LengthOrPercent()), Indent(IndentNone));
    EXPECT_NE(Indent(LengthOrPercent(0.5f)), Indent(LengthOrPercent(0.25f)));
}

TEST(Indent, FunctionOutsideTheEnumerationThrows) {
    xmlattr_testing::LogCapture log;
    TXmlAttribute<Indent> value(Indent(static_cast<IndentFunction>(4)));
    try {
        (void)value.getValueAsString();
        ADD_FAILURE() << "no exception";
    } catch (Core::UnreacheableCodeException const& error) {
        EXPECT_EQ(error.getFile(), Core::String(u"IndentAttribute"));
        EXPECT_EQ(error.getLine(), 43);
    }
    EXPECT_EQ(log.entries().size(), 1u);
}

TEST(TabStopType, Keywords) {
    struct Row {
        char16_t const* text;
        bool accepted;
        TabStopType expected;
    };
    Row const rows[] = {
        {u"left", true, TabStopLeft},   {u"center", true, TabStopCenter},
        {u"right", true, TabStopRight}, {u"Left", false, {}},
        {u"centre", false, {}},         {u"", false, {}},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<TabStopType> value(static_cast<TabStopType>(9));
        ASSERT_EQ(value.parseValue(row.text), row.accepted);
        EXPECT_EQ(value, row.accepted ? row.expected : static_cast<TabStopType>(9));
        EXPECT_EQ(value.getValueAsString(), Core::String()); // no text form
    }
    TabStop const stop(Length(2.0f, Length::UnitCm), TabStopCenter);
    EXPECT_EQ(stop.getPosition(), Length(2.0f, Length::UnitCm));
    EXPECT_EQ(stop.getType(), TabStopCenter);
}

} // namespace
} // namespace Xml
