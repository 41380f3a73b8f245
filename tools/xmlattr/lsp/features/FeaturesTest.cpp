// Hover, completion, colours and references over small documents, each with the offset asked
// about marked "|" and the spans expected back marked "[[...]]".
#include "Completion.h"
#include "DocumentColors.h"
#include "Hover.h"
#include "Marked.h"
#include "NameReferences.h"

#include "types/ValueType.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace Tool::Lsp {
namespace {

constexpr char kFo[] = R"(<fo:root xmlns:fo="http://www.w3.org/1999/XSL/Format">)";
constexpr char kSvg[] = R"(<svg xmlns="http://www.w3.org/2000/svg">)";

class Features : public ::testing::Test {
protected:
    static void SetUpTestSuite() { captureLibraryLog(); }
};

bool hasLabel(std::vector<CompletionItem> const& items, std::string_view label) {
    return std::any_of(items.begin(), items.end(),
                       [&](CompletionItem const& item) { return item.label == label; });
}

TEST_F(Features, HoverShowsBothReadingsAndTheDefault) {
    struct Row {
        std::string marked;
        std::vector<std::string> shows;
    };
    Row const rows[] = {
        {std::string(kFo) + R"(<fo:block font-size="[[1|2pt]]"/>)",
         {"reads `12pt` = 16 px", "**Standard**", "which this value follows", "(DefaultFontSize)"}},
        {std::string(kSvg) + R"(<rect fill="[[rgb(255,|128,0)]]"/>)",
         {"= `rgb(255,128,0)`", "which this value follows"}},
        {std::string(kSvg) + R"(<g transform="[[translate(10,20) |scale(2)]]"/>)",
         {"composed `matrix(2 0 0 2 10 20)`"}},
        {std::string(kSvg) + R"(<path d="[[M0 0 L10 10 |20 0Z]]"/>)", {"4 path commands"}},
        {R"(<svg><g style="fill:red; stroke-width: [[2|px]]"/></svg>)",
         {"`stroke-width` in a style of `g` (SVG)", "= 2 px"}},
        {std::string(kFo) + R"(<fo:block text-align="[[cent|er]]"/>)", {"(DefaultTextAlign)"}},
        {std::string(kFo) + R"(<fo:block font-size="[[bi|g]]"/>)",
         {"does not read this value", "which this value does not follow"}},
        // A line with characters beyond the basic plane before the value.
        {"<svg><text>\xF0\x9F\x98\x80</text><rect x=\"\xF0\x9F\x98\x80\" width=\"[[3|in]]\"/>"
         "</svg>",
         {"= 288 px"}},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(row.marked);
        Marked const document(row.marked);
        std::optional<Hover> const hover = hoverAt(document.text, document.offset);
        ASSERT_TRUE(hover.has_value());
        EXPECT_EQ(hover->span, document.spans.at(0));
        for (std::string const& shown : row.shows) {
            EXPECT_NE(hover->contents.find(shown), std::string::npos) << shown << " in\n"
                                                                      << hover->contents;
        }
    }
}

TEST_F(Features, HoverIsSilentOutsideKnownValues) {
    for (std::string const& marked : {
             std::string(kSvg) + R"(<rect fill="red" |/>)",
             std::string(kSvg) + R"(<rect data-x="|1"/>)",
             std::string(kSvg) + R"(<rect fill="red"/>|)",
             std::string("<html><body bgcolor=\"|red\"/></html>"),
             std::string("|"),
         }) {
        SCOPED_TRACE(marked);
        Marked const document(marked);
        EXPECT_FALSE(hoverAt(document.text, document.offset).has_value());
    }
}

TEST_F(Features, CompletionOffersOnlyWhatTheCheckerTakes) {
    struct Row {
        std::string marked;
        std::vector<std::string> offered;
        std::vector<std::string> notOffered;
    };
    Row const rows[] = {
        {std::string(kSvg) + R"(<line stroke-linecap="[[|]]"/>)",
         {"butt", "round", "square"},
         {"red"}},
        {std::string(kSvg) + R"(<rect fill="[[r|]]"/>)",
         {"red", "rosybrown", "royalblue"},
         {"blue", "rgb"}},
        {std::string(kFo) + R"(<fo:block text-align="[[|]]"/>)",
         {"center", "justify", "start"},
         {"red", "middle"}},
        // Units after a number, only those the grammar takes.
        {std::string(kSvg) + R"(<stop offset="[[5|]]"/>)", {"5%"}, {"5pt", "5px"}},
        {std::string(kFo) + R"(<fo:block space-before="[[6p|]]"/>)",
         {"6pt", "6px", "6pc"},
         {"6mm", "6%"}},
        // In a shorthand only the word at the offset is replaced, the rest staying clean.
        {std::string(kFo) + R"(<fo:block border="1pt [[so|]] red"/>)", {"solid"}, {"dotted"}},
        {R"(<svg><g style="stroke:blue; fill: [[gr|]]"/></svg>)", {"green", "grey"}, {"gold"}},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(row.marked);
        Marked const document(row.marked);
        std::vector<CompletionItem> const items = completionsAt(document.text, document.offset);
        for (std::string const& label : row.offered) {
            EXPECT_TRUE(hasLabel(items, label)) << label;
        }
        for (std::string const& label : row.notOffered) {
            EXPECT_FALSE(hasLabel(items, label)) << label;
        }
        for (CompletionItem const& item : items) {
            EXPECT_EQ(item.replace, document.spans.at(0)) << item.label;
        }
    }
}

TEST_F(Features, CompletionKindsAndSwatches) {
    Marked const document(std::string(kSvg) + R"(<rect fill="tom|"/>)");
    std::vector<CompletionItem> const items = completionsAt(document.text, document.offset);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].label, "tomato");
    EXPECT_EQ(items[0].kind, CompletionItem::Kind::Color);
    ASSERT_TRUE(items[0].color.has_value());
    EXPECT_EQ(*items[0].color, (Rgba{1, 99.0 / 255, 71.0 / 255, 1}));

    Marked const number(std::string(kSvg) + R"(<rect width="12|"/>)");
    std::vector<CompletionItem> const units = completionsAt(number.text, number.offset);
    ASSERT_FALSE(units.empty());
    EXPECT_TRUE(std::all_of(units.begin(), units.end(), [](CompletionItem const& item) {
        return item.kind == CompletionItem::Kind::Unit && item.label.starts_with("12");
    }));
}

TEST_F(Features, DocumentColorsOfBothVocabularies) {
    Marked const document(
        std::string(kFo) +
        R"(<fo:block color="[[red]]" background-color=" [[#00FF00]] " border="1pt solid [[blue]]">)"
        R"(<fo:instream-foreign-object><svg xmlns="http://www.w3.org/2000/svg">)"
        R"(<rect style="fill:[[rgb(0,0,255)]]; stroke : [[#fff]]" stroke="url(#g) [[teal]]"/>)"
        R"(<rect width="10" fill="[[redd]]" stroke="none"/></svg>)"
        R"(</fo:instream-foreign-object></fo:block></fo:root>)");
    std::vector<ColorAt> const colors = documentColors(document.text);
    std::vector<TextSpan> spans;
    for (ColorAt const& color : colors) {
        spans.push_back(color.span);
    }
    // "redd" is no colour at all.
    std::vector<TextSpan> expected = document.spans;
    expected.pop_back();
    EXPECT_EQ(spans, expected);
    ASSERT_EQ(colors.size(), 6u);
    EXPECT_EQ(colors[0].color, (Rgba{1, 0, 0, 1}));
    EXPECT_EQ(colors[1].color, (Rgba{0, 1, 0, 1}));
    EXPECT_EQ(colors[5].color, (Rgba{0, 128.0 / 255, 128.0 / 255, 1}));
}

TEST_F(Features, ColorPresentationsOnlyInFormsTheCheckerTakes) {
    struct Row {
        std::string marked;
        Rgba color;
        std::vector<std::string> offered;
        std::vector<std::string> notOffered;
    };
    Rgba const red{1, 0, 0, 1};
    Row const rows[] = {
        {std::string(kSvg) + R"(<rect fill="[[blue]]"/>)",
         red,
         {"red", "#ff0000", "#f00", "rgb(255,0,0)"},
         {"#ff0000ff", "hsl(0,100%,50%)", "rgba(255,0,0,1)"}},
        {std::string(kFo) + R"(<fo:block color="[[blue]]"/>)",
         red,
         {"red", "#ff0000", "rgb(255,0,0)", "hsl(0,100%,50%)"},
         {"#ff0000ff"}},
        {std::string(kFo) + R"(<fo:block color="[[blue]]"/>)",
         Rgba{1, 0, 0, 0.5},
         {"rgba(255,0,0,0.5)"},
         {"red", "#ff000080"}},
        {std::string(kSvg) + R"(<rect fill="[[#00ffff]]"/>)",
         Rgba{0, 1, 1, 1},
         {"aqua", "cyan", "#0ff"},
         {}},
        // A colour no name stands for, half transparent: no opaque form is offered.
        {std::string(kSvg) + R"(<g style="fill:[[#123456]]"/>)",
         Rgba{0.1, 0.2, 0.3, 0.5},
         {},
         {"#1a334d"}},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(row.marked);
        Marked const document(row.marked);
        std::vector<ColorPresentation> const forms =
            colorPresentations(document.text, document.spans.at(0), row.color);
        auto const offered = [&](std::string_view label) {
            return std::any_of(forms.begin(), forms.end(),
                               [&](ColorPresentation const& form) { return form.label == label; });
        };
        for (std::string const& label : row.offered) {
            EXPECT_TRUE(offered(label)) << label;
        }
        for (std::string const& label : row.notOffered) {
            EXPECT_FALSE(offered(label)) << label;
        }
        for (ColorPresentation const& form : forms) {
            EXPECT_EQ(form.replace, document.spans.at(0));
        }
    }
}

TEST_F(Features, DefinitionsAndReferences) {
    struct Row {
        std::string marked;
        std::size_t definitions; // the first spans marked; the rest are references
    };
    Row const rows[] = {
        {std::string(kFo) +
             R"(<fo:layout-master-set><fo:simple-page-master master-name="[[A4]]">)"
             R"(<fo:region-body/></fo:simple-page-master></fo:layout-master-set>)"
             R"(<fo:page-sequence master-reference="[[A|4]]"><fo:flow flow-name="xsl-region-body">)"
             R"(<fo:block master-reference="A4"/></fo:flow></fo:page-sequence></fo:root>)",
         1},
        // A region without a name has its class's default, given by its element.
        {std::string(kFo) +
             R"(<fo:simple-page-master master-name="p"><fo:[[region-body]]/>)"
             R"(<fo:region-before region-name="top"/></fo:simple-page-master>)"
             R"(<fo:page-sequence master-reference="p"><fo:flow flow-name=" [[xsl-region-|body]] ">)"
             R"(</fo:flow></fo:page-sequence></fo:root>)",
         1},
        {std::string(kFo) +
             R"(<fo:block id="[[intro]]"><fo:basic-link internal-destination="[[intro]]"/>)"
             R"(<fo:page-number-citation ref-id="[[in|tro]]"/></fo:block></fo:root>)",
         1},
        {std::string(kFo) + R"(<fo:marker marker-class-name="[[title]]"/><fo:retrieve-marker )"
                            R"(retrieve-class-name="[[|title]]"/></fo:root>)",
         1},
        // From the definition; ids in SVG by every kind of local reference.
        {R"(<svg xmlns:xlink="http://www.w3.org/1999/xlink"><linearGradient id="[[g|1]]"/>)"
         R"~(<rect fill="url(#[[g1]])" style="stroke: url('#[[g1]]')"/><use xlink:href="#[[g1]]"/>)~"
         R"(<use href="#g10"/><a href="other.svg#g1"/></svg>)",
         1},
        // Two SVG images in one document each have their own ids.
        {std::string(kFo) +
             R"(<fo:instream-foreign-object><svg xmlns="http://www.w3.org/2000/svg"><g id="x"/>)"
             R"(<use href="#x"/></svg></fo:instream-foreign-object><fo:instream-foreign-object>)"
             R"(<svg xmlns="http://www.w3.org/2000/svg"><g id="[[x]]"/><use href="#[[|x]]"/>)"
             R"(</svg></fo:instream-foreign-object></fo:root>)",
         1},
        // A duplicate is shown as two definitions.
        {R"(<svg><g id="[[d]]"/><g id="[[d|]]"/><use href="#[[d]]"/></svg>)", 2},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(row.marked);
        Marked const document(row.marked);
        std::optional<NameLinks> const links = nameLinksAt(document.text, document.offset);
        ASSERT_TRUE(links.has_value());
        std::vector<TextSpan> const definitions(document.spans.begin(),
                                                document.spans.begin() +
                                                    static_cast<std::ptrdiff_t>(row.definitions));
        std::vector<TextSpan> const references(document.spans.begin() +
                                                   static_cast<std::ptrdiff_t>(row.definitions),
                                               document.spans.end());
        EXPECT_EQ(links->definitions, definitions);
        EXPECT_EQ(links->references, references);
    }
}

TEST_F(Features, NoLinksOutsideNames) {
    for (std::string const& marked : {
             std::string(kFo) + R"(<fo:block id="a" color="|red"/></fo:root>)",
             std::string(kFo) + R"(<fo:block master-reference="|A4"/></fo:root>)",
             std::string(R"(<svg><use href="other.svg#|g"/></svg>)"),
             std::string(R"~(<svg><rect fill="url(#g)"/> |</svg>)~"),
         }) {
        SCOPED_TRACE(marked);
        Marked const document(marked);
        EXPECT_FALSE(nameLinksAt(document.text, document.offset).has_value());
    }
}

// Every function at every offset of documents cut short, broken or oddly encoded: no fault,
// and every span inside the text.
TEST_F(Features, AnyOffsetOfAnyTextIsSafe) {
    std::string const documents[] = {
        std::string(kFo) + R"(<fo:block color="re)",
        std::string(kSvg) + "<rect fill=\"#f\xF0\x9F\x98\x80\" style=\"fill:url(#\xF0\x9F\x98",
        R"(<svg><g id="a" style="fill:red;;: ;stroke"><use href="#a)",
        "<svg><rect fill='&amp;&#x1F600;&#xD800;&' d=\"M\x00 1\"/><</svg",
        "<<<>>>\"'=</a></svg><svg a=b c = 'd' e>",
        std::string(kFo) + R"(<fo:simple-page-master master-name="a"><fo:region-body )"
                           R"(region-name="x"><fo:flow flow-name="x)",
    };
    for (std::string const& text : documents) {
        SCOPED_TRACE(text);
        auto const inside = [&](TextSpan span) {
            EXPECT_LE(span.begin, span.end);
            EXPECT_LE(span.end, text.size());
        };
        for (std::size_t offset = 0; offset <= text.size() + 1; ++offset) {
            if (std::optional<Hover> const hover = hoverAt(text, offset)) {
                inside(hover->span);
            }
            for (CompletionItem const& item : completionsAt(text, offset)) {
                inside(item.replace);
            }
            if (std::optional<NameLinks> const links = nameLinksAt(text, offset)) {
                std::for_each(links->definitions.begin(), links->definitions.end(), inside);
                std::for_each(links->references.begin(), links->references.end(), inside);
            }
            colorPresentations(text, {offset, offset + 3}, Rgba{});
        }
        for (ColorAt const& color : documentColors(text)) {
            inside(color.span);
        }
    }
}

} // namespace
} // namespace Tool::Lsp
