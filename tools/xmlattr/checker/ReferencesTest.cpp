// References resolved per document: small documents and the diagnostics they must give.
#include "DocumentChecker.h"
#include "cli/Messages.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

// The report's diagnostics as the text format writes them, without the file name.
std::string lines(Tool::FileReport const& report) {
    static constexpr std::string_view kSeverities[] = {"error", "warning", "note"};
    std::string out;
    for (Tool::Diagnostic const& diagnostic : report.diagnostics) {
        std::string const at = std::to_string(diagnostic.position.line) + ":" +
                               std::to_string(diagnostic.position.column) + ": ";
        out += at + std::string(kSeverities[static_cast<int>(diagnostic.severity)]) + ": " +
               Tool::messageOf(diagnostic) + "\n";
        for (std::string const& note : Tool::notesOf(diagnostic)) {
            out += at + "note: " + note + "\n";
        }
    }
    return out;
}

struct Row {
    std::string_view what;
    std::string_view document;
    std::string_view expected;
};

void check(Row const& row) {
    SCOPED_TRACE(std::string(row.what));
    Tool::FileReport const report = Tool::checkDocumentText(row.document, "doc");
    EXPECT_EQ(lines(report), row.expected);
}

#define FO_ROOT "<fo:root xmlns:fo='http://www.w3.org/1999/XSL/Format'>\n"
#define MASTERS                                                                                    \
    "<fo:layout-master-set>\n"                                                                     \
    "<fo:simple-page-master master-name='odd'><fo:region-body/>\n"                                 \
    " <fo:region-before region-name='head-odd'/></fo:simple-page-master>\n"                        \
    "<fo:simple-page-master master-name='even'><fo:region-body/>\n"                                \
    " <fo:region-before region-name='head-even'/></fo:simple-page-master>\n"                       \
    "<fo:page-sequence-master master-name='both'>\n"                                               \
    " <fo:repeatable-page-master-alternatives>\n"                                                  \
    "  <fo:conditional-page-master-reference master-reference='odd'/>\n"                           \
    "  <fo:conditional-page-master-reference master-reference='even'/>\n"                          \
    " </fo:repeatable-page-master-alternatives></fo:page-sequence-master>\n"                       \
    "</fo:layout-master-set>\n"
// Lines 1 to 12 are the root and the masters; a document's own lines start at 13.

TEST(References, XslFoNamesResolve) {
    for (Row const &row : {
             Row{"references before and after their targets",
                 FO_ROOT MASTERS "<fo:page-sequence master-reference='both'>\n"
                                 "<fo:static-content flow-name='head-even'>\n"
                                 " <fo:retrieve-marker retrieve-class-name='chapter'/>\n"
                                 "</fo:static-content>\n"
                                 "<fo:flow flow-name='xsl-region-body'>\n"
                                 " <fo:block><fo:page-number-citation ref-id=' end '/></fo:block>\n"
                                 " <fo:block id='end'><fo:marker marker-class-name='chapter'/>\n"
                                 " <fo:basic-link internal-destination=''/></fo:block>\n"
                                 "</fo:flow></fo:page-sequence></fo:root>",
                 ""},
             Row{"an id, a master, a marker class and a flow map that are not there",
                 FO_ROOT MASTERS
                 "<fo:page-sequence master-reference='bot'>\n"
                 "<fo:flow flow-name='xsl-region-body'>\n"
                 " <fo:block id='intro'><fo:basic-link internal-destination='intr'/>\n"
                 " <fo:page-number-citation ref-id='elsewhere'/></fo:block>\n"
                 " <fo:retrieve-marker retrieve-class-name='title'/>\n"
                 "</fo:flow></fo:page-sequence>\n"
                 "<fo:page-sequence master-reference='odd' flow-map-reference='map'>\n"
                 "<fo:flow flow-name='anything'/></fo:page-sequence></fo:root>",
                 "13:19: error: master-reference=\"bot\" refers to no page master or "
                 "page-sequence master\n"
                 "13:19: note: did you mean \"both\"?\n"
                 "15:38: error: internal-destination=\"intr\" refers to no id\n"
                 "15:38: note: did you mean \"intro\"?\n"
                 "16:27: error: ref-id=\"elsewhere\" refers to no id\n"
                 "17:22: warning: retrieve-class-name=\"title\" refers to no marker class; nothing "
                 "is "
                 "retrieved\n"
                 "19:42: error: flow-map-reference=\"map\" refers to no flow map\n"},
             Row{"a page master chosen by a page-sequence-master must be a page master",
                 FO_ROOT "<fo:layout-master-set>\n"
                         "<fo:page-sequence-master master-name='outer'>\n"
                         " <fo:single-page-master-reference master-reference='inner'/>\n"
                         "</fo:page-sequence-master>\n"
                         "<fo:page-sequence-master master-name='inner'>\n"
                         " <fo:single-page-master-reference master-reference='page'/>\n"
                         "</fo:page-sequence-master>\n"
                         "<fo:simple-page-master master-name='page'><fo:region-body/>\n"
                         "</fo:simple-page-master></fo:layout-master-set></fo:root>",
                 "4:35: error: master-reference=\"inner\" refers to no page master\n"
                 "4:35: note: \"inner\" names a page-sequence-master, which cannot be chosen "
                 "for a page\n"},
         }) {
        check(row);
    }
}

TEST(References, FlowsNameRegionsOfTheirPageMasters) {
    for (Row const &row : {
             // A flow may go to a region of any page master its sequence master chooses, or
             // take a reserved name; static content for pages the sequence never makes is
             // legitimate, for a region no page master has it is a slip.
             Row{"flows and static content",
                 FO_ROOT MASTERS "<fo:page-sequence master-reference='both'>\n"
                                 "<fo:static-content flow-name='head-odd'/>\n"
                                 "<fo:static-content flow-name='xsl-footnote-separator'/>\n"
                                 "<fo:static-content flow-name='xsl-region-start'/>\n"
                                 "<fo:static-content flow-name='head_odd'/>\n"
                                 "<fo:flow flow-name='head-even'/></fo:page-sequence>\n"
                                 "<fo:page-sequence master-reference='odd'>\n"
                                 "<fo:static-content flow-name='head-odd'/>\n"
                                 "<fo:flow flow-name='head-even'/></fo:page-sequence></fo:root>",
                 "17:20: warning: flow-name=\"head_odd\" refers to no region of any page "
                 "master; its content is never shown\n"
                 "17:20: note: did you mean \"head-odd\"?\n"
                 "21:10: error: flow-name=\"head-even\" refers to no region of the page masters "
                 "its page-sequence uses\n"},
             Row{"a flow of an unknown master is not judged twice",
                 FO_ROOT MASTERS "<fo:page-sequence master-reference='none'>\n"
                                 "<fo:flow flow-name='body'/></fo:page-sequence></fo:root>",
                 "13:19: error: master-reference=\"none\" refers to no page master or "
                 "page-sequence master\n"},
         }) {
        check(row);
    }
}

TEST(References, NamesThatMustBeUnique) {
    for (Row const &row : {
             Row{"ids, master names and flow names",
                 FO_ROOT MASTERS "<fo:simple-page-master master-name='odd'/>\n"
                                 "<fo:page-sequence master-reference='odd'>\n"
                                 "<fo:flow flow-name='xsl-region-body'>\n"
                                 " <fo:block id='a'/><fo:block id='b'/>\n"
                                 " <fo:block font-size='12pt'\n"
                                 "           id='a'/></fo:flow>\n"
                                 "<fo:static-content flow-name='xsl-region-body'/>\n"
                                 "</fo:page-sequence></fo:root>",
                 "13:24: error: master-name=\"odd\" is not unique\n"
                 "13:24: note: the first element with master-name=\"odd\" is at line 3, "
                 "column 1\n"
                 "18:12: error: id=\"a\" is not unique\n"
                 "18:12: note: the first element with id=\"a\" is at line 16, column 2\n"
                 "19:20: error: flow-name=\"xsl-region-body\" is not unique in its "
                 "page-sequence\n"
                 "19:20: note: the first element with flow-name=\"xsl-region-body\" is at line "
                 "15, column 1\n"},
             // A reserved name belongs to its own class; any other to the class that used it
             // first, reported once.
             Row{"region names keep to one class of region",
                 FO_ROOT "<fo:layout-master-set>\n"
                         "<fo:simple-page-master master-name='a'>\n"
                         " <fo:region-body region-name='main'/>\n"
                         " <fo:region-after region-name='xsl-region-before'/>\n"
                         "</fo:simple-page-master>\n"
                         "<fo:simple-page-master master-name='b'><fo:region-body/>\n"
                         " <fo:region-end region-name='main'/></fo:simple-page-master>\n"
                         "<fo:simple-page-master master-name='c'><fo:region-body/>\n"
                         " <fo:region-start region-name='main'/></fo:simple-page-master>\n"
                         "</fo:layout-master-set></fo:root>",
                 "5:19: error: region-name=\"xsl-region-before\" is reserved for region-before\n"
                 "8:17: error: region-name=\"main\" already names a region-body; a region name "
                 "belongs to one class of region\n"
                 "8:17: note: the first region named \"main\" is at line 4, column 2\n"},
         }) {
        check(row);
    }
}

#define SVG_ROOT "<svg xmlns='http://www.w3.org/2000/svg' xmlns:l='http://www.w3.org/1999/xlink'>\n"

TEST(References, SvgLocalIris) {
    for (Row const& row : {
             Row{"url() in attributes and style, href with and without a namespace",
                 SVG_ROOT
                 "<rect fill='url(#paint)'/><animate values=\"url(#paint);URL( '#pain' )\"/>\n"
                 "<rect style='opacity:1; filter : url(#blurr)' mask='url(a.svg#m)'/>\n"
                 "<use l:href='#shape'/><use href=' #shap'/><a l:href='#svgView(x)'/>\n"
                 "<path id='shape' clip-path='url(\"#paint\")'/>\n"
                 "<linearGradient id='paint'/><filter id='blur'/>\n"
                 "<path id='shape'/></svg>",
                 "2:36: error: values=\"url(#paint);URL( '#pain' )\" refers to no id\n"
                 "2:36: note: did you mean \"url(#paint);URL( '#paint' )\"?\n"
                 "3:25: error: filter=\"url(#blurr)\" refers to no id\n"
                 "3:25: note: did you mean \"url(#blur)\"?\n"
                 "4:28: error: href=\" #shap\" refers to no id\n"
                 "4:28: note: did you mean \" #shape\"?\n"
                 "7:7: error: id=\"shape\" is not unique\n"
                 "7:7: note: the first element with id=\"shape\" is at line 5, column 1\n"},
             // Each SVG image inside another document has ids of its own.
             Row{"images inside XSL-FO",
                 FO_ROOT "<fo:block id='g'><fo:instream-foreign-object>\n"
                         "<svg xmlns='http://www.w3.org/2000/svg'><svg><g id='g'/></svg>\n"
                         " <rect fill='url(#g)'/></svg></fo:instream-foreign-object>\n"
                         "<fo:instream-foreign-object>\n"
                         "<svg xmlns='http://www.w3.org/2000/svg' id='g'>\n"
                         " <rect id='h' fill='url(#i)'/></svg></fo:instream-foreign-object>\n"
                         "<fo:basic-link internal-destination='h'/></fo:block></fo:root>",
                 "7:15: error: fill=\"url(#i)\" refers to no id\n"
                 "7:15: note: did you mean \"url(#g)\"?\n"
                 "8:16: error: internal-destination=\"h\" refers to no id\n"
                 "8:16: note: did you mean \"g\"?\n"},
             // Near misses are looked for among ids widened to UTF-16, ASCII or not.
             Row{"ids beyond ASCII",
                 SVG_ROOT "<g id='caf\xC3\xA9'/><g id='\xC3\xA9t\xC3\xA9'/><g id='zeta'/>\n"
                          "<rect fill='url(#cafe)'/><rect fill='url(#\xC3\xA9te)'/>\n"
                          "<rect fill='url(#z\xC3\xA9ta)'/></svg>",
                 "3:7: error: fill=\"url(#cafe)\" refers to no id\n"
                 "3:7: note: did you mean \"url(#caf\xC3\xA9)\"?\n"
                 "3:32: error: fill=\"url(#\xC3\xA9te)\" refers to no id\n"
                 "3:32: note: did you mean \"url(#\xC3\xA9t\xC3\xA9)\"?\n"
                 "4:7: error: fill=\"url(#z\xC3\xA9ta)\" refers to no id\n"
                 "4:7: note: did you mean \"url(#zeta)\"?\n"},
             Row{"a root svg without a namespace", "<svg><rect fill='url(#none)'/></svg>",
                 "1:1: note: the root svg element has no namespace; checked as SVG\n"
                 "1:12: error: fill=\"url(#none)\" refers to no id\n"},
         }) {
        check(row);
    }
}

// Unresolved references are placed among the value diagnostics in document order, and a
// document that stops early keeps what was certain before the fault.
TEST(References, OrderAndEarlyEnd) {
    for (Row const& row : {
             Row{"in document order",
                 SVG_ROOT "<rect fill='url(#late)' stroke-width='x'/>\n"
                          "<rect stroke-width='y'/><g id='late'/><g id='late'/>\n"
                          "<rect fill='url(#gone)'/></svg>",
                 "2:25: error: stroke-width=\"x\" is not a valid SLength\n"
                 "3:7: error: stroke-width=\"y\" is not a valid SLength\n"
                 "3:42: error: id=\"late\" is not unique\n"
                 "3:42: note: the first element with id=\"late\" is at line 3, column 25\n"
                 "4:7: error: fill=\"url(#gone)\" refers to no id\n"},
             Row{"not well-formed",
                 SVG_ROOT "<rect fill='url(#late)'/><g id='a'/><g id='a'/>\n<oops></svg>",
                 "2:40: error: id=\"a\" is not unique\n"
                 "2:40: note: the first element with id=\"a\" is at line 2, column 26\n"
                 "3:9: error: not well-formed XML: mismatched tag\n"},
         }) {
        check(row);
    }
}

// The first of two equal names is placed from what the reader still holds, line ends of
// every kind counted; when that part has been let go, the note says no more than "earlier".
TEST(References, WhereTheFirstNameStands) {
    check({"line ends of each kind",
           SVG_ROOT "\r\n<g\r  id='a'/>\r\n\n  <g id='b'/><g\n id='a'/>\n\t<g id='b'/></svg>",
           "7:2: error: id=\"a\" is not unique\n"
           "7:2: note: the first element with id=\"a\" is at line 3, column 1\n"
           "8:5: error: id=\"b\" is not unique\n"
           "8:5: note: the first element with id=\"b\" is at line 6, column 3\n"});
    // `head`, then so much that the reader lets it go, then id "a" once more.
    auto const far = [](std::string_view head) {
        std::string document = SVG_ROOT + std::string(head);
        while (document.size() < 200000) {
            document += "<g/><!-- a long way down -->\n";
        }
        return Tool::checkDocumentText(document + "<g id='a'/></svg>", "doc");
    };
    std::vector<std::string> const earlier{
        "the first element with id=\"a\" is earlier in the document"};
    Tool::FileReport const report = far("<g id='a'/>\n");
    ASSERT_EQ(report.diagnostics.size(), 1u);
    EXPECT_EQ(report.diagnostics[0].position.line, 6897);
    EXPECT_EQ(report.diagnostics[0].notes, earlier);
    // Placed once while held, a name is not placed from memory after it has been let go.
    Tool::FileReport const twice = far("<g id='a'/>\n<g id='a'/>\n");
    ASSERT_EQ(twice.diagnostics.size(), 2u);
    EXPECT_EQ(twice.diagnostics[0].notes,
              std::vector<std::string>{"the first element with id=\"a\" is at line 2, column 1"});
    EXPECT_EQ(twice.diagnostics[1].notes, earlier);
}

} // namespace
