// BoxShadow: the walk's order rules, what a stopped walk keeps, copies versus clones, and
// the text form.
#include "xmlattr/color/BoxShadow.h"

#include "xmlattr/color/ColorParse.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

struct ShadowRow {
    char16_t const* text;
    char const* written; // the attribute's value after parsing, written
};

TEST(BoxShadow, WalkOrder) {
    ShadowRow const rows[] = {
        {u"2pt 3pt 4pt gray", "2pt 3pt 4pt rgb(128,128,128)"},
        {u"black 2pt 3pt", "2pt 3pt 0px rgb(0,0,0)"},
        {u"2pt black 3pt 4pt", "2pt 3pt 4pt rgb(0,0,0)"},
        {u"  2pt   3pt  ", "2pt 3pt 0px "},
        {u"2pt 3pt 4pt 5pt black", "2pt 3pt 4pt "},        // a fourth length ends the walk
        {u"2pt red blue 3pt", "2pt 0px 0px rgb(255,0,0)"}, // so does a second colour
        {u"2pt none 3pt red", "2pt 3pt 0px "},             // "none" counts as the colour
        {u"2pt bogus 3pt", "2pt 0px 0px "},
        {u"2 3", "0px 0px 0px "},
        {u"foo", "0px 0px 0px "},
        {u"0 #fff 1in", "0pt 1in 0px rgb(255,255,255)"},
        {u"rgb(1, 2, 3) 1pt", "0px 0px 0px "}, // blanks cut the function apart
        {u"2pt\t3pt", "2pt 0px 0px "}, // only " " separates: one length, its number read leniently
    };
    for (ShadowRow const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<BoxShadow> attr(
            BoxShadow(Length(9, Length::UnitIn), Length(9, Length::UnitIn),
                      Length(9, Length::UnitIn), SmartPtr<Drawing::Color>()));
        ASSERT_TRUE(attr.parseValue(row.text));
        EXPECT_EQ(attr.getValueAsString().toUtf8(), row.written);
    }
}

TEST(BoxShadow, TextWithoutPartsIsRejected) {
    for (char16_t const* text : {u"", u" ", u"   "}) {
        SCOPED_TRACE(Core::String(text).toUtf8());
        BoxShadow shadow(Length(1, Length::UnitPt), Length(), Length(), {});
        EXPECT_FALSE(shadow.readFromString(text));
        EXPECT_EQ(shadow.getDx(), Length(1, Length::UnitPt));
        TXmlAttribute<BoxShadow> attr(shadow);
        EXPECT_FALSE(attr.parseValue(text));
        EXPECT_EQ(attr->getDx(), Length(1, Length::UnitPt));
    }
}

TEST(BoxShadow, ReadingKeepsWhatTheWalkDidNotReach) {
    SmartPtr<Drawing::Color> const blue(new Drawing::RGBColor(0, 0, 255));
    BoxShadow shadow(Length(7, Length::UnitPt), Length(8, Length::UnitPt),
                     Length(9, Length::UnitPt), blue);
    SmartPtr<Drawing::Color> const kept = shadow.getColor();
    ASSERT_TRUE(shadow.readFromString(u"1pt none"));
    EXPECT_EQ(shadow.getDx(), Length(1, Length::UnitPt));
    EXPECT_EQ(shadow.getDy(), Length(8, Length::UnitPt));
    EXPECT_EQ(shadow.getBlurRadius(), Length(9, Length::UnitPt));
    EXPECT_EQ(shadow.getColor(), kept);
}

TEST(BoxShadow, CopiesShareAndAssignmentsClone) {
    SmartPtr<Drawing::Color> const red(new Drawing::RGBColor(255, 0, 0));
    BoxShadow const shadow(Length(1, Length::UnitPt), Length(2, Length::UnitPt), Length(), red);
    EXPECT_NE(shadow.getColor(), red); // the constructor keeps a clone
    EXPECT_EQ(ColorParse::getColorAsString(shadow.getColor()), Core::String(u"rgb(255,0,0)"));

    BoxShadow const copy(shadow);
    EXPECT_EQ(copy, shadow);
    BoxShadow assigned;
    assigned = shadow;
    EXPECT_NE(assigned, shadow);
    EXPECT_EQ(ColorParse::getColorAsString(assigned.getColor()), Core::String(u"rgb(255,0,0)"));

    BoxShadow const colourless(Length(1, Length::UnitPt), Length(), Length(), {});
    BoxShadow other;
    other = colourless;
    EXPECT_EQ(other, colourless);

    // The attribute follows the value type: its copy shares, its assignment clones.
    TXmlAttribute<BoxShadow> const attr(shadow);
    EXPECT_EQ(attr, shadow);
    TXmlAttribute<BoxShadow> const attrCopy(attr);
    EXPECT_EQ(attrCopy, attr);
    TXmlAttribute<BoxShadow> target;
    target.copyFrom(attr);
    EXPECT_NE(target, attr);
    EXPECT_EQ(target.getValueAsString(), Core::String(u"1pt 2pt 0px rgb(255,0,0)"));

    // Each parse makes a colour of its own.
    ASSERT_TRUE(target.parseValue(u"1pt red"));
    TXmlAttribute<BoxShadow> again;
    ASSERT_TRUE(again.parseValue(u"1pt red"));
    EXPECT_NE(target, again);
}

} // namespace
} // namespace Xml
