// The checker's parts that decide on their own: formatter values and tag positions.
#include "DocumentChecker.h"
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

using Tool::SourceEncoding;

// "line:column/unitColumn": code points, then UTF-16 code units. UTF-16 sources are tried
// through whole documents, in the process tests.
std::string shown(Tool::Position const& p) {
    return std::to_string(p.line) + ":" + std::to_string(p.column) + "/" +
           std::to_string(p.unitColumn);
}

TEST(TagPositions, FindsEachAttributeOfARawTag) {
    // Quotes of either kind, white space around "=", a line end of each kind, a character of
    // two bytes and one beyond the basic plane, and the rest of the document after the tag.
    std::string_view const tag = "<a b=\"1\" c = '2'\r\n\td=\"\xC3\xA9\" \xF0\x9F\x98\x80=\"z\"\r"
                                 "e='x'\nf=\"\"/><g h='3'/>";
    std::vector<Tool::RawAttribute> const found =
        Tool::scanStartTag(tag, {5, 10, 11}, SourceEncoding::Utf8);
    struct Row {
        std::string_view name, value, at, valueAt, valueEnd;
    };
    std::array const expected = {
        Row{"b", "1", "5:13/14", "5:16/17", "5:17/18"},
        Row{"c", "2", "5:19/20", "5:24/25", "5:25/26"},
        Row{"d", "\xC3\xA9", "6:2/2", "6:5/5", "6:6/6"},
        Row{"\xF0\x9F\x98\x80", "z", "6:8/8", "6:11/12", "6:12/13"},
        Row{"e", "x", "7:1/1", "7:4/4", "7:5/5"},
        Row{"f", "", "8:1/1", "8:4/4", "8:4/4"},
    };
    ASSERT_EQ(found.size(), expected.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        SCOPED_TRACE(std::string(expected[i].name));
        EXPECT_EQ(found[i].name, expected[i].name);
        EXPECT_EQ(found[i].value, expected[i].value);
        EXPECT_EQ(shown(found[i].namePosition), expected[i].at);
        EXPECT_EQ(shown(found[i].valuePosition), expected[i].valueAt);
        EXPECT_EQ(shown(found[i].valueEnd), expected[i].valueEnd);
    }
    // In a single-byte encoding every byte is a character, and names are matched as Latin-1.
    std::vector<Tool::RawAttribute> const latin =
        Tool::scanStartTag("<a \xE9='\xF0\xA9' c='1'>", {1, 1}, SourceEncoding::SingleByte);
    ASSERT_EQ(latin.size(), 2u);
    EXPECT_TRUE(latin[0].isNamed("\xC3\xA9", SourceEncoding::SingleByte));
    EXPECT_FALSE(latin[1].isNamed("\xC3\xA9", SourceEncoding::SingleByte));
    EXPECT_EQ(shown(latin[1].namePosition), "1:11/11");
}

TEST(TagPositions, StopsQuietlyAtWhatIsNoTag) {
    for (std::string_view const text : {"", "x", "<", "<a b", "<a b=", "<a b=\"1", "<a b=1>"}) {
        SCOPED_TRACE(std::string(text));
        EXPECT_TRUE(Tool::scanStartTag(text, {}, SourceEncoding::Utf8).empty());
    }
    EXPECT_EQ(Tool::scanStartTag("<a b='1' c", {}, SourceEncoding::Utf8).size(), 1u);
}

// Delivered offsets [begin, end) of one raw value, asked of one walk in the checker's order: a
// declaration's value, parts of it, then anywhere. A line end is delivered as one space; a
// character beyond the basic plane is four delivered bytes and two UTF-16 code units.
TEST(TagPositions, PlacesRangesOfTheDeliveredValue) {
    std::vector<Tool::RawAttribute> const found = Tool::scanStartTag(
        "<s style='a:1;\r\n \xF0\x9F\x98\x80:\xC3\xA9x'/>", {}, SourceEncoding::Utf8);
    ASSERT_EQ(found.size(), 1u);
    Tool::ValuePositions positions(&found[0], "a:1;  \xF0\x9F\x98\x80:\xC3\xA9x", {},
                                   SourceEncoding::Utf8);
    struct Row {
        std::size_t begin, end;
        std::string_view range;
    };
    for (Row const& row : {Row{6, 14, "2:2/2-2:6/7"}, Row{10, 11, "2:3/4-2:4/5"},
                           Row{11, 13, "2:4/5-2:5/6"}, Row{0, 2, "1:11/11-1:13/13"},
                           Row{2, 99, "1:13/13-2:6/7"}, Row{3, 2, "1:14/14-1:14/14"}}) {
        SCOPED_TRACE(row.begin);
        Tool::Range const range = positions.range(row.begin, row.end);
        EXPECT_EQ(shown(range.start) + "-" + shown(range.end), row.range);
    }
    // A reference breaks the match of raw and delivered characters: the whole raw value.
    std::vector<Tool::RawAttribute> const escaped =
        Tool::scanStartTag("<s v='a:&amp;;b:2'/>", {}, SourceEncoding::Utf8);
    ASSERT_EQ(escaped.size(), 1u);
    Tool::Range const range = Tool::rangeInValue(escaped[0], "a:&;b:2", 4, 5, SourceEncoding::Utf8);
    EXPECT_EQ(shown(range.start) + "-" + shown(range.end), "1:7/7-1:18/18");
}

} // namespace

// A style's comments are white space, wherever they stand and whatever they hold, and its
// property names are read in any case, as CSS reads them.
TEST(StyleDeclarations, CommentsAreBlankAndNamesAnyCase) {
    struct Row {
        std::string_view style;
        std::vector<std::string> findings; // attribute=value of each diagnostic, in order
    };
    Row const rows[] = {
        {"fill:red /* brand */", {}},
        {"fill:red /* a; b */; stroke: reed", {"stroke=reed"}},
        {"/* x */ fill: bleu /* y */", {"fill=bleu"}},
        {"fill:red /* never closed; stroke: reed", {}},
        {"FILL: bleu; Stroke-Width: -", {"FILL=bleu", "Stroke-Width=-"}},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(row.style);
        Tool::FileReport const report =
            Tool::checkDocumentText("<svg xmlns='http://www.w3.org/2000/svg'><rect style='" +
                                        std::string(row.style) + "'/></svg>",
                                    "f.svg");
        std::vector<std::string> findings;
        for (Tool::Diagnostic const& diagnostic : report.diagnostics) {
            findings.push_back(diagnostic.attribute + "=" + diagnostic.value);
        }
        EXPECT_EQ(findings, row.findings);
    }
}
