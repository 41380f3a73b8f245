// The checker's parts that decide on their own: formatter values and tag positions.
#include "FormatterValues.h"
#include "TagPositions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

using Tool::Vocabulary;

TEST(FormatterValues, RecognisesExpressionsAndKeywords) {
    struct Row {
        Vocabulary vocabulary;
        std::string_view value;
        bool expected;
    };
    constexpr Vocabulary Fo = Vocabulary::XslFo;
    constexpr Vocabulary Svg = Vocabulary::Svg;
    for (Row const& row : {
             Row{Fo, "inherit", true},
             Row{Fo, " inherit ", true},
             Row{Fo, "10pt * 1.2", true},
             Row{Fo, "1cm + 3cm - 1cm", true},
             Row{Fo, "19em * 0.60+1em", true},
             Row{Fo, "0.60+1em", true},
             Row{Fo, "3cm - 1cm", true},
             Row{Fo, "(10cm) -1cm", true},
             Row{Fo, "1pc div 4", true},
             Row{Fo, "5 mod 3", true},
             Row{Fo, "proportional-column-width(1)", true},
             Row{Fo, "from-parent(font-size)", true},
             Row{Fo, "max(24pt,18pt)", true},
             Row{Fo, "(1cm)", true},
             Row{Fo, "rgb(100,100,100) 1pt + 1pt dashed", true},
             // What the library reads itself.
             Row{Fo, "-1.5cm", false},
             Row{Fo, "+5pt", false},
             Row{Fo, "treat-as-space", false},
             Row{Fo, "first-starting-within-page", false},
             Row{Fo, "body-start()", false},
             Row{Fo, "label-end()", false},
             Row{Fo, "rgb(255,0,0)", false},
             Row{Fo, "rgb-icc(255,0,0,#Coated,0.1)", false},
             Row{Fo, "spot-color(Gold,0.5,cmyk(0,0.2,1,0))", false},
             Row{Fo, "url(a+b*c.png)", false},
             Row{Fo, "'Times New Roman', serif", false},
             Row{Fo, "'a * b'", false},
             Row{Fo, "modern", false},
             Row{Fo, "Inherit", false},
             Row{Svg, "inherit", true},
             Row{Svg, "currentColor", true},
             Row{Svg, "currentcolor", true},
             Row{Svg, " context-fill", true},
             Row{Svg, "context-stroke", true},
             Row{Svg, "10 * 2", false},
             Row{Svg, "rotate(30)", false},
             Row{Svg, "none", false},
         }) {
        SCOPED_TRACE(std::string(row.value));
        EXPECT_EQ(Tool::isFormatterValue(row.vocabulary, row.value), row.expected);
    }
}

TEST(TagPositions, FindsEachAttributeOfARawTag) {
    // Quotes of either kind, white space around "=", a line end of each kind, a character
    // of two bytes, and the rest of the document after the tag.
    std::string_view const tag =
        "<a b=\"1\" c = '2'\r\n\td=\"\xC3\xA9\"\re='x'\nf=\"\"/><g h='3'/>";
    std::vector<Tool::RawAttribute> const found =
        Tool::scanStartTag(tag, {5, 10}, Tool::SourceEncoding::Utf8);
    struct Row {
        std::string_view name, value;
        long line, column, valueLine, valueColumn;
    };
    std::array const expected = {
        Row{"b", "1", 5, 13, 5, 16}, Row{"c", "2", 5, 19, 5, 24}, Row{"d", "\xC3\xA9", 6, 2, 6, 5},
        Row{"e", "x", 7, 1, 7, 4},   Row{"f", "", 8, 1, 8, 4},
    };
    ASSERT_EQ(found.size(), expected.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        SCOPED_TRACE(std::string(expected[i].name));
        EXPECT_EQ(found[i].name, expected[i].name);
        EXPECT_EQ(found[i].value, expected[i].value);
        EXPECT_EQ(found[i].namePosition.line, expected[i].line);
        EXPECT_EQ(found[i].namePosition.column, expected[i].column);
        EXPECT_EQ(found[i].valuePosition.line, expected[i].valueLine);
        EXPECT_EQ(found[i].valuePosition.column, expected[i].valueColumn);
    }
    // In a single-byte encoding every byte is a character.
    std::vector<Tool::RawAttribute> const latin =
        Tool::scanStartTag("<a b='\xE9\xA9' c='1'>", {1, 1}, Tool::SourceEncoding::SingleByte);
    ASSERT_EQ(latin.size(), 2u);
    EXPECT_EQ(latin[1].namePosition.column, 11);
}

TEST(TagPositions, StopsQuietlyAtWhatIsNoTag) {
    for (std::string_view const text : {"", "x", "<", "<a b", "<a b=", "<a b=\"1", "<a b=1>"}) {
        SCOPED_TRACE(std::string(text));
        EXPECT_TRUE(Tool::scanStartTag(text, {}, Tool::SourceEncoding::Utf8).empty());
    }
    EXPECT_EQ(Tool::scanStartTag("<a b='1' c", {}, Tool::SourceEncoding::Utf8).size(), 1u);
}

TEST(TagPositions, PlacesAnOffsetOfTheDeliveredValue) {
    // The reader delivers "a:1;  b:2" (a line end becomes one space); "b" is on the next line.
    std::vector<Tool::RawAttribute> const found =
        Tool::scanStartTag("<s style='a:1;\r\n b:2'/>", {3, 4}, Tool::SourceEncoding::Utf8);
    ASSERT_EQ(found.size(), 1u);
    Tool::Position const b =
        Tool::positionInValue(found[0], "a:1;  b:2", 6, Tool::SourceEncoding::Utf8);
    EXPECT_EQ(b.line, 4);
    EXPECT_EQ(b.column, 2);
    // With a reference in the raw text, the value's own position.
    std::vector<Tool::RawAttribute> const escaped =
        Tool::scanStartTag("<s style='a:&amp;;b:2'/>", {1, 1}, Tool::SourceEncoding::Utf8);
    ASSERT_EQ(escaped.size(), 1u);
    Tool::Position const fallback =
        Tool::positionInValue(escaped[0], "a:&;b:2", 4, Tool::SourceEncoding::Utf8);
    EXPECT_EQ(fallback.line, 1);
    EXPECT_EQ(fallback.column, 11);
}

} // namespace
