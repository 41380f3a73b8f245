// SNullableLength and the dash pattern: null flags, list grammar and untouched values.
#include "xmlattr/length/SNullableLength.h"

#include <gtest/gtest.h>

#include <vector>

namespace Xml {
namespace {

TEST(SNullableLength, NullFlagFollowsTheReader) {
    TXmlAttribute<SNullableLength> value;
    EXPECT_TRUE(value->isNull());
    EXPECT_FALSE(value.parseValue(u"%"));
    EXPECT_TRUE(value->isNull());
    ASSERT_TRUE(value.parseValue(u"50%"));
    EXPECT_FALSE(value->isNull());
    EXPECT_EQ(static_cast<SLength const&>(*value), SLength(0.5f, SLength::UnitPercent));
    EXPECT_EQ(value.getValueAsString(), Core::String());

    // A failure keeps the length and the cleared flag.
    EXPECT_FALSE(value.parseValue(u""));
    EXPECT_FALSE(value->isNull());
    EXPECT_EQ(value->getSize(), 0.5f);

    // Equality is the lengths' alone.
    SNullableLength other;
    EXPECT_NE(value, other);
    other.setNull(false);
    EXPECT_EQ(TXmlAttribute<SNullableLength>(), other);
}

TEST(DashPattern, Parse) {
    using Dashes = std::vector<SLength>;
    struct Row {
        char16_t const* text;
        bool accepted;
        Dashes dashes;
    };
    SLength const five(5.0f);
    SLength const three(3.0f);
    // clang-format off
    Row const rows[] = {
        {u"5,3",        true, {five, three}},
        {u" 5, 10%",    true, {five, SLength(0.1f, SLength::UnitPercent)}},
        {u"5,,3",       true, {five, three}},
        {u",5,3,",      true, {five, three}},
        {u"5 3",        true, {SLength(5.0f, SLength::UnitPx)}}, // one item: " 3" is its unit
        {u"2pc,1in",    true, {SLength(2.0f, SLength::UnitPc), SLength(1.0f, SLength::UnitIn)}},
        {u"none",       true, {}},
        {u"",           true, {}},
        {u" , ",        true, {}},
        {u"None",       true, {SLength(0.0f)}}, // not the keyword: "ne" is an unknown unit
        {u"5,x",        false, {}},
        {u"5 , 3",      false, {}},  // white space after an item belongs to it
        {u"5,%",        false, {}},
    };
    // clang-format on
    Core::Vector<SLength> const sentinel{SLength(9.0f, SLength::UnitEm)};
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<Core::Vector<SLength>> value(sentinel);
        ASSERT_EQ(value.parseValue(row.text), row.accepted);
        if (!row.accepted) {
            EXPECT_EQ(value, sentinel);
            continue;
        }
        ASSERT_EQ(value->size(), static_cast<int>(row.dashes.size()));
        for (int i = 0; i < value->size(); ++i) {
            EXPECT_EQ((*value)[i], row.dashes[static_cast<std::size_t>(i)]);
        }
    }
}

} // namespace
} // namespace Xml
