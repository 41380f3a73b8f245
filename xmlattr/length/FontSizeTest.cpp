// FontSize, LetterSpacing, SSpacing and STextDecoration: keywords, readers and writers.
#include "xmlattr/length/FontSize.h"

#include "testing/AttributeRows.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

using xmlattr_testing::expectRows;

FontSize points(float size) { return FontSize(LengthOrPercent(Length(size, Length::UnitPt))); }

TEST(FontSize, ReadAndWrite) {
    // clang-format off
    expectRows<FontSize>(points(-7.0f), {
        {u"xx-small", true, points(6.0f),  u"6pt"},
        {u"x-small",  true, points(8.0f),  u"8pt"},
        {u"small",    true, points(10.0f), u"10pt"},
        {u"medium",   true, points(12.0f), u"12pt"},
        {u"large",    true, points(16.0f), u"16pt"},  // 16, not 14
        {u"x-large",  true, points(18.0f), u"18pt"},
        {u"xx-large", true, points(20.0f), u"20pt"},
        {u"larger",   true, FontSize(RelativeFontSizeLarger),  u"larger"},
        {u"smaller",  true, FontSize(RelativeFontSizeSmaller), u"smaller"},
        {u"150%",     true, FontSize(LengthOrPercent(1.5f)), u"150%"},
        {u"1.5",      true, FontSize(LengthOrPercent(1.5f)), u"150%"},
        {u"Medium", false, {}}, {u"x", false, {}}, {u"", false, {}},
        {u"5pt 7", false, {}}, {u"12pt3", false, {}}, // not a factor of 5 or 12
    });
    // clang-format on
}

TEST(FontSize, TypeNone) {
    FontSize const none;
    EXPECT_NE(none, none); // equals nothing, itself included
    EXPECT_EQ(TXmlAttribute<FontSize>().getValueAsString(), Core::String());
    xmlattr_testing::expectUnreachable(
        [] { (void)TXmlAttribute<FontSize>(FontSize(RelativeFontSize(2))).getValueAsString(); },
        u"FontAttributes", 74);
}

TEST(LetterSpacing, ReadAndWrite) {
    Length const point(1.0f, Length::UnitPt);
    // clang-format off
    expectRows<LetterSpacing>(LetterSpacing(Length(7.0f, Length::UnitEm)), {
        {u"NORMAL",  true, LetterSpacing(), u"normal"},
        {u"1pt",     true, LetterSpacing(point), u"1pt"},
        {u"1",       false, {}}, {u" normal", false, {}},
    });
    expectRows<SSpacing>(SSpacing(SLength(7.0f, SLength::UnitEm)), {
        {u"normal",  true, SSpacing()},
        {u"Normal",  false, {}}, // not the keyword here, and no length
        {u"2em",     true, SSpacing(SLength(2.0f, SLength::UnitEm)), u""},
        {u"",        false, {}},
    });
    // clang-format on
    EXPECT_NE(LetterSpacing(), LetterSpacing(Length()));
}

TEST(STextDecoration, Read) {
    // clang-format off
    expectRows<STextDecoration>(STextDecoration(true, true, true), {
        {u"none",                   true, {}},
        {u"underline, none",        true, {}},  // "none" anywhere wins
        {u"nonesuch",               true, {}},
        {u"underline,line-through", true, {true, false, true}},
        {u" underline",             true, {true, false, false}},
        {u"overline,\tunderline",   true, {true, true, false}},
        {u"underline,",             true, {true, false, false}},
        {u"underline, ",            false, {}}, // an empty last name
        {u"underline ,overline",    false, {}}, // white space after a name belongs to it
        {u"underline,,overline",    false, {}},
        {u"Underline", false, {}}, {u" ", false, {}}, {u"", false, {}},
    });
    // clang-format on
}

} // namespace
} // namespace Xml
