// SNullableLength and the dash pattern: null flags, list grammar and untouched values.
#include "xmlattr/length/SNullableLength.h"

#include "testing/AttributeRows.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

TEST(SNullableLength, NullFlagFollowsTheReader) {
    TXmlAttribute<SNullableLength> value;
    EXPECT_FALSE(value.parseValue(u"%"));
    EXPECT_TRUE(value->isNull());
    ASSERT_TRUE(value.parseValue(u"50%"));
    EXPECT_FALSE(value->isNull());
    EXPECT_EQ(static_cast<SLength const&>(*value), SLength(0.5f, SLength::UnitPercent));
    EXPECT_FALSE(value.parseValue(u"")); // keeps the length and the cleared flag
    EXPECT_FALSE(value->isNull());
    EXPECT_EQ(value->getSize(), 0.5f);
    SNullableLength other;
    other.setNull(false);
    EXPECT_EQ(TXmlAttribute<SNullableLength>(), other); // the lengths alone are compared
}

TEST(DashPattern, Read) {
    using Dashes = Core::Vector<SLength>;
    SLength const five(5.0f);
    SLength const three(3.0f);
    // clang-format off
    xmlattr_testing::expectRows<Dashes>(Dashes{SLength(9.0f, SLength::UnitEm)}, {
        {u"5,3",     true, Dashes{five, three}},
        {u" 5, 10%", true, Dashes{five, SLength(0.1f, SLength::UnitPercent)}},
        {u"5,,3",    true, Dashes{five, three}},
        {u",5,3,",   true, Dashes{five, three}},
        {u"5 3",     true, Dashes{five, three}}, // blanks separate as commas do
        {u"5pt\t3",  true, Dashes{SLength(5.0f, SLength::UnitPt), three}},
        {u"none",    true, Dashes{}},
        {u"",        true, Dashes{}},
        {u" , ",     true, Dashes{}},
        {u"5,x",     false, {}},
        {u"5 inherit", false, {}}, // an item with no number
        {u"None",    false, {}}, // not the keyword, and no length
        {u"5,%",     false, {}},
        {u"5 1e39",  false, {}},
    });
    // clang-format on
}

} // namespace
} // namespace Xml
