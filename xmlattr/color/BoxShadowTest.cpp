// BoxShadow: the walk's order rules, what a stopped walk keeps, copies versus clones, and
// the text form.
#include "xmlattr/color/BoxShadow.h"

#include "xmlattr/color/ColorParse.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

TEST(BoxShadow, WalkOrder) {
    // Read into a fresh shadow: what the walk does not reach is 0px, not the 9in held before.
    Length const nine(9, Length::UnitIn);
    BoxShadow const sentinel(nine, nine, nine, {});
    // clang-format off
    struct Row { char16_t const* text; char const* written; };
    Row const rows[] = {
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
        {u"2pt\t3pt", "0px 0px 0px "}, // only " " separates: one part, and no length
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<BoxShadow> attr(sentinel);
        ASSERT_TRUE(attr.parseValue(row.text));
        EXPECT_EQ(attr.getValueAsString().toUtf8(), row.written);
    }
}

TEST(BoxShadow, ReadingKeepsWhatTheWalkDidNotReach) {
    Length const pt7(7, Length::UnitPt);
    Length const pt8(8, Length::UnitPt);
    Length const pt9(9, Length::UnitPt);
    BoxShadow shadow(pt7, pt8, pt9, SmartPtr<Drawing::Color>(new Drawing::RGBColor(0, 0, 255)));
    SmartPtr<Drawing::Color> const kept = shadow.getColor();
    for (char16_t const* text : {u"", u" ", u"   "}) { // no part at all: untouched
        SCOPED_TRACE(Core::String(text).toUtf8());
        EXPECT_FALSE(shadow.readFromString(text));
        TXmlAttribute<BoxShadow> attr(shadow);
        EXPECT_FALSE(attr.parseValue(text));
        EXPECT_EQ(attr, shadow);
    }
    EXPECT_EQ(shadow.getDx(), pt7);
    ASSERT_TRUE(shadow.readFromString(u"1pt none"));
    EXPECT_EQ(shadow.getDx(), Length(1, Length::UnitPt));
    EXPECT_EQ(shadow.getDy(), pt8);
    EXPECT_EQ(shadow.getBlurRadius(), pt9);
    EXPECT_EQ(shadow.getColor(), kept);
}

TEST(BoxShadow, CopiesShareAndAssignmentsClone) {
    SmartPtr<Drawing::Color> const red(new Drawing::RGBColor(255, 0, 0));
    BoxShadow const shadow(Length(1, Length::UnitPt), Length(2, Length::UnitPt), Length(), red);
    EXPECT_NE(shadow.getColor(), red); // the constructor keeps a clone
    EXPECT_EQ(ColorParse::getColorAsString(shadow.getColor()), Core::String(u"rgb(255,0,0)"));

    // Copies share the colour object, as ColorThreadTest checks; assignments clone it.
    BoxShadow assigned;
    assigned = shadow;
    EXPECT_NE(assigned, shadow);

    BoxShadow const colourless(Length(1, Length::UnitPt), Length(), Length(), {});
    BoxShadow other;
    other = colourless;
    EXPECT_EQ(other, colourless);

    // The attribute follows the value type: its copy shares, its assignment clones.
    TXmlAttribute<BoxShadow> const attr(shadow);
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
