// Indent and TabStopType: list functions matched whole, the writer and its impossible state.
#include "xmlattr/length/IndentAttribute.h"

#include "testing/AttributeRows.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

using xmlattr_testing::expectRows;

TEST(Indent, ReadAndWrite) {
    // clang-format off
    expectRows<Indent>(Indent(LengthOrPercent(Length(7.0f, Length::UnitEm))), {
        {u"body-start()",  true, Indent(IndentBodyStart), u"body-start()"},
        {u"label-end()",   true, Indent(IndentLabelEnd), u"label-end()"},
        {u"5pt",           true, Indent(LengthOrPercent(Length(5.0f, Length::UnitPt))), u"5pt"},
        {u"25%",           true, Indent(LengthOrPercent(0.25f)), u"25%"},
        {u"body-start( )", false, {}}, {u"body-start", false, {}}, {u"Label-end()", false, {}},
        {u"",              false, {}}, {u"1in 2pt", false, {}}, {u"--12pt", false, {}},
    });
    // clang-format on
    EXPECT_EQ(TXmlAttribute<Indent>().getValueAsString(), Core::String());
    EXPECT_NE(Indent(LengthOrPercent()), Indent());
    xmlattr_testing::expectUnreachable(
        [] { (void)TXmlAttribute<Indent>(static_cast<IndentFunction>(4)).getValueAsString(); },
        u"IndentAttribute", 43);
}

TEST(TabStopType, Keywords) {
    // clang-format off
    expectRows<TabStopType>(static_cast<TabStopType>(9), {
        {u"left", true, TabStopLeft, u""},  // no text form
        {u"center", true, TabStopCenter}, {u"right", true, TabStopRight},
        {u"Left", false, {}}, {u"centre", false, {}}, {u"", false, {}},
    });
    // clang-format on
}

} // namespace
} // namespace Xml
