// BorderWidth and DLength: named widths both ways, and pairs that fail as a whole.
#include "xmlattr/length/BorderWidth.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

Length points(float size) { return Length(size, Length::UnitPt); }

TEST(DLength, Parse) {
    struct Row {
        char16_t const* text;
        bool accepted;
        DLength expected;
    };
    DLength const sentinel(Length(7.0f, Length::UnitEm), Length(8.0f, Length::UnitEx));
    // clang-format off
    Row const rows[] = {
        {u"1pt",             true, DLength(points(1.0f), points(1.0f))},
        {u"1pt 2pt",         true, DLength(points(1.0f), points(2.0f))},
        {u" 1pt\t\n2cm\r",   true, DLength(points(1.0f), Length(2.0f, Length::UnitCm))},
        {u"0 0",             true, DLength(points(0.0f), points(0.0f))},
        {u"1pt  2pt",        true, DLength(points(1.0f), points(2.0f))}, // runs of blanks split once
        {u"1pt 2pt 3pt",     false, {}},
        {u"1pt 2",           false, {}}, // the first length is not kept
        {u"x 2pt",           false, {}},
        {u"",                false, {}},
        {u" \t",             false, {}},
        {u"1pt,2pt",         true, DLength(points(1.0f), points(1.0f))}, // "1pt,2" reads as 1
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<DLength> value(sentinel);
        ASSERT_EQ(value.parseValue(row.text), row.accepted);
        EXPECT_EQ(value, row.accepted ? row.expected : sentinel);
    }
    EXPECT_EQ(TXmlAttribute<DLength>().getValueAsString(), Core::String());
}

TEST(BorderWidth, ReadAndWrite) {
    struct Row {
        char16_t const* text;
        bool accepted;
        Length width;
        char16_t const* written;
    };
    // clang-format off
    Row const rows[] = {
        {u"thin",   true, points(1.0f), u"thin"},
        {u"medium", true, points(3.0f), u"medium"},
        {u"thick",  true, points(5.0f), u"thick"},
        {u"3pt",    true, points(3.0f), u"medium"},
        {u"4px",    true, Length(4.0f, Length::UnitPx), u"4px"}, // as wide as 3pt, not named
        {u"2pt",    true, points(2.0f), u"2pt"},
        {u"0",      true, points(0.0f), u"0pt"},
        {u"thin ",  false, {}, nullptr},
        {u"Thin",   false, {}, nullptr},
        {u"3",      false, {}, nullptr},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<BorderWidth> value;
        ASSERT_EQ(value.parseValue(row.text), row.accepted);
        if (!row.accepted) {
            EXPECT_EQ(value, BorderWidth()); // untouched
            continue;
        }
        EXPECT_EQ(value, BorderWidth(row.width.getSize(), row.width.getUnit()));
        EXPECT_EQ(value.getValueAsString(), Core::String(row.written));
    }
    TXmlAttribute<BorderWidth> fallback;
    EXPECT_EQ(fallback.getValueAsString(), Core::String(u"1.5pt"));
}

} // namespace
} // namespace Xml
