// The forgiving scan: which value an offset falls in, and what the reader would deliver.
#include "DocumentScan.h"
#include "Marked.h"

#include <gtest/gtest.h>

namespace Tool::Lsp {
namespace {

constexpr char kFo[] = R"(<fo:root xmlns:fo="http://www.w3.org/1999/XSL/Format">)";

TEST(DocumentScan, FindsTheValueUnderTheOffset) {
    struct Row {
        std::string marked;
        Vocabulary vocabulary;
        std::string element;
        std::string name;
        bool inStyle;
        std::string value;
    };
    Row const rows[] = {
        {std::string(kFo) + R"(<fo:block font-size="1|2pt"/>)", Vocabulary::XslFo, "block",
         "font-size", false, "12pt"},
        // The end of a value still edits it; an empty value is one.
        {std::string(kFo) + R"(<fo:block color="red|"/>)", Vocabulary::XslFo, "block", "color",
         false, "red"},
        {R"(<svg><rect fill="|"/></svg>)", Vocabulary::Svg, "rect", "fill", false, ""},
        {R"(<s:svg xmlns:s="http://www.w3.org/2000/svg"><s:rect width='1|0'/></s:svg>)",
         Vocabulary::Svg, "rect", "width", false, "10"},
        {R"(<svg><g style="fill: red; stroke-width:|2px !important"/></svg>)", Vocabulary::Svg, "g",
         "stroke-width", true, "2px"},
        {R"(<svg><g style="fill:|"/></svg>)", Vocabulary::Svg, "g", "fill", true, ""},
        // Entities are delivered expanded, line ends as spaces.
        {R"(<svg><text font-family="A &amp; |B"/></svg>)", Vocabulary::Svg, "text", "font-family",
         false, "A & B"},
        {"<svg><path d=\"M0 0\r\nL|1 1\"/></svg>", Vocabulary::Svg, "path", "d", false,
         "M0 0 L1 1"},
        // Characters beyond the basic plane before the value, on the same line.
        {"<svg><text>\xF0\x9F\x98\x80</text><rect x=\"\xF0\x9F\x98\x80\" y=\"|5\"/></svg>",
         Vocabulary::Svg, "rect", "y", false, "5"},
        // An unclosed value ends where the next tag begins.
        {R"(<svg><rect fill="re|
<circle r="5"/></svg>)",
         Vocabulary::Svg, "rect", "fill", false, "re "},
        {R"(<svg><rect fill="red"/><circle r="|5"/></svg>)", Vocabulary::Svg, "circle", "r", false,
         "5"},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(row.marked);
        Marked const document(row.marked);
        std::optional<ValueAt> const found = valueAt(document.text, document.offset);
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->vocabulary, row.vocabulary);
        EXPECT_EQ(found->element, row.element);
        EXPECT_EQ(found->name, row.name);
        EXPECT_EQ(found->inStyle, row.inStyle);
        EXPECT_EQ(found->text(), row.value);
    }
}

TEST(DocumentScan, NothingOutsideAValue) {
    // Outside any value: names, text, comments, prefixed attributes, other vocabularies.
    std::string const rows[] = {
        R"(<svg><re|ct fill="red"/></svg>)",
        R"(<svg><rect fill="red"/>te|xt</svg>)",
        R"(<svg><!-- <rect fill="r|ed"/> --></svg>)",
        R"(<svg xmlns:xlink="http://www.w3.org/1999/xlink"><use xlink:href="#|a"/></svg>)",
        R"(<html><p class="|x"/></html>)",
        std::string(kFo) + R"(<x:y xmlns:x="urn:x" a="|1"/>)",
        // The prefix goes out of scope with its element.
        R"(<r><a:svg xmlns:a="http://www.w3.org/2000/svg"/><a:rect fill="|red"/></r>)",
        R"(<svg><style>a{fill:red}</style><rect fill="red"/></svg>|)",
    };
    for (std::string const& marked : rows) {
        SCOPED_TRACE(marked);
        Marked const document(marked);
        EXPECT_FALSE(valueAt(document.text, document.offset).has_value());
    }
}

TEST(DocumentScan, MapsDeliveredBytesToTheirSource) {
    struct Row {
        std::string raw;
        std::string delivered;
        // A delivered offset and the source offset it maps to, relative to the raw value.
        std::size_t at;
        std::size_t source;
    };
    Row const rows[] = {
        {"abc", "abc", 2, 2},
        {"a&amp;b", "a&b", 2, 6},
        {"a&#x41;&#66;c", "aABc", 3, 12},
        {"\xF0\x9F\x98\x80x", "\xF0\x9F\x98\x80x", 4, 4},
        // A reference not predefined, or unfinished, is kept as written.
        {"a&nbsp;b", "a&nbsp;b", 7, 7},
        {"a&#0;b&", "a&#0;b&", 6, 6},
        {"a\r\nb\tc", "a b c", 2, 3},
        {"&lt;", "<", 1, 4},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(row.raw);
        std::string const document = "<" + row.raw + ">";
        DeliveredValue const value(document, {1, 1 + row.raw.size()});
        EXPECT_EQ(value.text(), row.delivered);
        EXPECT_EQ(value.source(row.at), 1 + row.source);
        EXPECT_EQ(value.delivered(1 + row.source), row.at);
        EXPECT_EQ(value.source(row.delivered.size()), 1 + row.raw.size());
    }
}

TEST(DocumentScan, SplitsStyleDeclarations) {
    std::string const style = "fill: red ; /* stroke: blue; */ stroke-width:2 !important;x;:y;"
                              "opacity:";
    std::vector<Declaration> const found = declarationsOf(style);
    std::vector<std::pair<std::string, std::string>> shown;
    for (Declaration const& declaration : found) {
        shown.emplace_back(style.substr(declaration.property.begin, declaration.property.size()),
                           style.substr(declaration.value.begin, declaration.value.size()));
    }
    std::vector<std::pair<std::string, std::string>> const expected = {
        {"fill", "red"}, {"stroke-width", "2"}, {"opacity", ""}};
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(found.back().value.begin, style.size());
}

} // namespace
} // namespace Tool::Lsp
