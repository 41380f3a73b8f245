// PageDimension, InitialPageNumber and InitialSheetNumber.
#include "xmlattr/length/PageDimension.h"

#include "testing/AttributeRows.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

TEST(PageDimension, Read) {
    // clang-format off
    xmlattr_testing::expectRows<PageDimension>(PageDimension(Length(7.0f, Length::UnitEm)), {
        {u"auto",       true, PageDimension(), u""},
        {u"indefinite", true, PageDimension(PageDimensionIndefinite)},
        {u"210mm",      true, PageDimension(Length(210.0f, Length::UnitMm))},
        {u"297", false, {}}, {u"Auto", false, {}}, {u"", false, {}},
    });
    // clang-format on
    EXPECT_NE(PageDimension(), PageDimension(Length()));
    PageDimensionType type = PageDimensionLength;
    EXPECT_FALSE(PageDimension::readStringPageDimension(u"210mm", type));
    EXPECT_EQ(type, PageDimensionLength);
}

TEST(InitialPageNumber, EveryTextIsANumberOrAKeyword) {
    // clang-format off
    struct Row { char16_t const* text; InitialPageNumber page; InitialSheetNumber sheet; };
    Row const rows[] = {
        {u"auto",        InitialPageNumber(),                          InitialSheetNumber()},
        {u"auto-odd",    InitialPageNumber(InitialPageNumberAutoOdd),  InitialSheetNumber(1)},
        {u"auto-even",   InitialPageNumber(InitialPageNumberAutoEven), InitialSheetNumber(1)},
        {u" 12 ",        InitialPageNumber(12),                        InitialSheetNumber(12)},
        {u"7th",         InitialPageNumber(7),                         InitialSheetNumber(7)},
        {u"0",           InitialPageNumber(1),                         InitialSheetNumber(1)},
        {u"-3",          InitialPageNumber(1),                         InitialSheetNumber(1)},
        {u"",            InitialPageNumber(1),                         InitialSheetNumber(1)},
        {u"99999999999", InitialPageNumber(2147483647),                InitialSheetNumber(2147483647)},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<InitialPageNumber> page(InitialPageNumber(42));
        TXmlAttribute<InitialSheetNumber> sheet(InitialSheetNumber(42));
        ASSERT_TRUE(page.parseValue(row.text) && sheet.parseValue(row.text)); // always
        EXPECT_EQ(page, row.page);
        EXPECT_EQ(sheet, row.sheet);
    }
    EXPECT_NE(InitialPageNumber(3), InitialPageNumber(4));
    EXPECT_NE(InitialSheetNumber(), InitialSheetNumber(1));
}

} // namespace
} // namespace Xml
