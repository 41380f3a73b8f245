// PageDimension, InitialPageNumber and InitialSheetNumber.
#include "xmlattr/length/PageDimension.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

TEST(PageDimension, Read) {
    struct Row {
        char16_t const* text;
        bool accepted;
        PageDimension expected;
    };
    // clang-format off
    Row const rows[] = {
        {u"auto",       true, PageDimension()},
        {u"indefinite", true, PageDimension(PageDimensionIndefinite)},
        {u"210mm",      true, PageDimension(Length(210.0f, Length::UnitMm))},
        {u"11in",       true, PageDimension(Length(11.0f, Length::UnitIn))},
        {u"297",        false, {}},  // no unit
        {u"Auto",       false, {}},
        {u"",           false, {}},
    };
    // clang-format on
    PageDimension const sentinel(Length(7.0f, Length::UnitEm));
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<PageDimension> value(sentinel);
        ASSERT_EQ(value.parseValue(row.text), row.accepted);
        EXPECT_EQ(value, row.accepted ? row.expected : sentinel);
        EXPECT_EQ(value.getValueAsString(), Core::String());
    }
    EXPECT_EQ(PageDimension(PageDimensionIndefinite).getLength(), Length());
    EXPECT_NE(PageDimension(), PageDimension(Length()));

    PageDimensionType type = PageDimensionLength;
    EXPECT_FALSE(PageDimension::readStringPageDimension(u"210mm", type));
    EXPECT_EQ(type, PageDimensionLength);
    ASSERT_TRUE(PageDimension::readStringPageDimension(u"indefinite", type));
    EXPECT_EQ(type, PageDimensionIndefinite);
}

TEST(InitialPageNumber, EveryTextIsANumberOrAKeyword) {
    struct Row {
        char16_t const* text;
        InitialPageNumber page;
        InitialSheetNumber sheet;
    };
    // clang-format off
    Row const rows[] = {
        {u"auto",      InitialPageNumber(),                          InitialSheetNumber()},
        {u"auto-odd",  InitialPageNumber(InitialPageNumberAutoOdd),  InitialSheetNumber(1)},
        {u"auto-even", InitialPageNumber(InitialPageNumberAutoEven), InitialSheetNumber(1)},
        {u"5",         InitialPageNumber(5),                         InitialSheetNumber(5)},
        {u" 12 ",      InitialPageNumber(12),                        InitialSheetNumber(12)},
        {u"7th",       InitialPageNumber(7),                         InitialSheetNumber(7)},
        {u"0",         InitialPageNumber(1),                         InitialSheetNumber(1)},
        {u"-3",        InitialPageNumber(1),                         InitialSheetNumber(1)},
        {u"x",         InitialPageNumber(1),                         InitialSheetNumber(1)},
        {u"",          InitialPageNumber(1),                         InitialSheetNumber(1)},
        {u"Auto",      InitialPageNumber(1),                         InitialSheetNumber(1)},
        {u"99999999999", InitialPageNumber(2147483647),              InitialSheetNumber(2147483647)},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<InitialPageNumber> page(InitialPageNumber(42));
        TXmlAttribute<InitialSheetNumber> sheet(InitialSheetNumber(42));
        ASSERT_TRUE(page.parseValue(row.text));
        ASSERT_TRUE(sheet.parseValue(row.text));
        EXPECT_EQ(page, row.page);
        EXPECT_EQ(sheet, row.sheet);
        EXPECT_EQ(page.getValueAsString(), Core::String());
    }
}

TEST(InitialPageNumber, Equality) {
    EXPECT_EQ(InitialPageNumber(3).getPageNumber(), 3);
    EXPECT_NE(InitialPageNumber(3), InitialPageNumber(4));
    EXPECT_NE(InitialPageNumber(), InitialPageNumber(InitialPageNumberAutoOdd));
    EXPECT_EQ(InitialSheetNumber(2).getSheetNumber(), 2);
    EXPECT_NE(InitialSheetNumber(), InitialSheetNumber(1));
}

} // namespace
} // namespace Xml
