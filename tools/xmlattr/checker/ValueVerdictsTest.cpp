// What a value gets from the checker, in words: small documents checked in memory and worded
// as the text format words them. The command line around it is tried as a process, in cli/.
#include "DocumentChecker.h"
#include "cli/CheckOutput.h"
#include "cli/Messages.h"
#include "types/ValueType.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The diagnostics of `document`, one line each and one per note, each line after
// "LINE:COLUMN: " when `placed`.
std::string worded(std::string_view document, bool placed = true) {
    // What the library logs is reported with the value, as the tool's main() arranges.
    Tool::captureLibraryLog();
    Tool::FileReport const report = Tool::checkDocumentText(document, "f.svg");
    std::string out;
    for (Tool::Diagnostic const& diagnostic : report.diagnostics) {
        std::string const at = placed ? std::to_string(diagnostic.position.line) + ":" +
                                            std::to_string(diagnostic.position.column) + ": "
                                      : "";
        out += at + std::string(Tool::severityName(diagnostic.severity)) + ": " +
               Tool::messageOf(diagnostic) + "\n";
        for (std::string const& note : Tool::notesOf(diagnostic)) {
            out += at + "note: " + note + "\n";
        }
    }
    return out;
}

constexpr std::string_view kSvg = "<svg xmlns='http://www.w3.org/2000/svg'>";
constexpr std::string_view kFo = "<fo:root xmlns:fo='http://www.w3.org/1999/XSL/Format'>";

// Each verdict class, one value at a time: both readers reject (error), only the standard
// allows (warning), only the library reads (warning), both accept (silent).
TEST(ValueVerdicts, EachClassInWords) {
    struct Row {
        std::string_view tag; // an element with one attribute, in an svg or fo:root element
        std::string_view expected;
    };
    for (Row const& row : {
             Row{"<rect stroke-linejoin='roun'/>",
                 "error: stroke-linejoin=\"roun\" is not a valid SLineJoin\n"
                 "note: did you mean \"round\"?\n"},
             Row{"<rect fill='ffd264'/>", "error: fill=\"ffd264\" is not a valid SColor\n"
                                          "note: did you mean \"#ffd264\"?\n"},
             Row{"<rect fill='reed'/>",
                 "error: fill=\"reed\" is not a valid SColor\nnote: did you mean \"red\"?\n"},
             Row{"<rect fill-rule='evnodd'/>",
                 "error: fill-rule=\"evnodd\" is not a valid nonzero | evenodd\n"
                 "note: did you mean \"evenodd\"?\n"},
             Row{"<fo:block extent='12PT'/>",
                 "error: extent=\"12PT\" is not a valid Length\nnote: did you mean \"12pt\"?\n"},
             Row{"<fo:block border-width='10'/>",
                 "error: border-width=\"10\" is not a valid BorderWidth\n"},
             Row{"<fo:block background-color='ffd264'/>",
                 "error: background-color=\"ffd264\" is not a valid Color\n"
                 "note: did you mean \"#ffd264\"?\n"},
             Row{"<text font-size='medium'/>",
                 "warning: font-size=\"medium\": valid SVG, but not read by this library's "
                 "SLengthOrPercent\n"},
             Row{"<rect style='fill: Black'/>",
                 "warning: fill=\"Black\": valid SVG, but not read by this library's SColor\n"
                 "note: did you mean \"black\"?\n"},
             Row{"<fo:block line-height='normal'/>",
                 "warning: line-height=\"normal\": valid XSL-FO, but not read by this "
                 "library's LengthOrPercent\n"},
             Row{"<rect width='1,5pt'/>", "error: width=\"1,5pt\" is not a valid SLength\n"},
             Row{"<rect width='12PT'/>",
                 "warning: width=\"12PT\": not valid SVG; read here as 12px\n"
                 "note: did you mean \"12pt\"?\n"},
             // An opacity is a number in SVG 1.1; the library reads a percentage too.
             Row{"<g fill-opacity='50%'/>",
                 "warning: fill-opacity=\"50%\": not valid SVG; read here as 0.5\n"},
             Row{"<g opacity='0.8;'/>",
                 "warning: opacity=\"0.8;\": not valid SVG; read here as 0.8\n"
                 "note: did you mean \"0.8\"?\n"},
             Row{"<g transform='banana'/>",
                 "warning: transform=\"banana\": not valid SVG; read here as {transforms: []}\n"},
             Row{"<g transform='matrix(1,0,0,1,0,0'/>",
                 "warning: transform=\"matrix(1,0,0,1,0,0\": not valid SVG; read here as "
                 "{transforms: []}\n"},
             // A font-relative length has no size in pixels to compose a matrix from.
             Row{"<g transform='translate(-8em,-277)'/>",
                 "warning: transform=\"translate(-8em,-277)\": not valid SVG; read here as "
                 "{transforms: [{type: Translate, tx: -8em, ty: -277px}]}\n"},
             Row{"<g opacity='.5' stroke-width='2' viewBox='0 0 1 1'/>", ""},
             Row{"<path d='M1,2 L3,4 a1 1 0 01 2 2z' transform='rotate(45 1 1) scale(2)'/>", ""},
             Row{"<fo:block font-size='12pt' space-before='0' space-start='10%' "
                 "text-align='center'/>",
                 ""},
         }) {
        SCOPED_TRACE(row.tag);
        bool const fo = row.tag.starts_with("<fo:");
        std::string const document =
            std::string(fo ? kFo : kSvg) + std::string(row.tag) + (fo ? "</fo:root>" : "</svg>");
        EXPECT_EQ(worded(document, false), row.expected);
    }
}

// Whole small documents, placed: what an attribute means depends on its element ("fill" is
// paint on shapes and timing on animation elements; x and y are lists on text); keywords
// match exactly in attributes and in any case in a style declaration, which is CSS; what the
// library logs about a value follows as a note, or is the warning itself.
TEST(ValueVerdicts, DocumentsInWords) {
    struct Row {
        std::string_view name;
        std::string_view document;
        std::string_view expected;
    };
    for (Row const& row : {
             Row{"by element",
                 "<svg xmlns='http://www.w3.org/2000/svg'>\n"
                 "<animateTransform fill='freeze'/><set fill='remove'/>\n"
                 "<rect fill='freeze'/><animate fill='red'/>\n"
                 "<text x='1 2 3' y='4,5'/><text x='1 a'/><rect x='1 2'/>\n"
                 "</svg>",
                 "3:7: error: fill=\"freeze\" is not a valid SColor\n"
                 "3:31: error: fill=\"red\" is not a valid freeze | remove\n"
                 "4:32: error: x=\"1 a\" is not a valid <list-of-coordinates>\n"
                 "4:47: error: x=\"1 2\" is not a valid SLength\n"},
             Row{"XSL-FO keywords",
                 "<fo:block xmlns:fo='http://www.w3.org/1999/XSL/Format'\n"
                 " text-align='centre' break-before='Page' font-weight='700'\n"
                 " keep-together.within-page='5' border-top-style='dahsed'/>\n",
                 "2:2: error: text-align=\"centre\" is not a valid TextAlign\n"
                 "2:2: note: did you mean \"center\"?\n"
                 "2:22: error: break-before=\"Page\" is not a valid Break\n"
                 "2:22: note: did you mean \"page\"?\n"
                 "3:32: error: border-top-style=\"dahsed\" is not a valid BorderStyle\n"
                 "3:32: note: did you mean \"dashed\"?\n"},
             Row{"SVG keywords",
                 "<svg xmlns='http://www.w3.org/2000/svg'>\n"
                 " <path visibility='Visible' style='stroke-linecap: Round;display:inherit'/>\n"
                 "</svg>\n",
                 "2:8: error: visibility=\"Visible\" is not a valid SVisibility\n"
                 "2:8: note: did you mean \"visible\"?\n"
                 "2:36: warning: stroke-linecap=\"Round\": valid SVG, but not read by this "
                 "library's SLineCap\n"
                 "2:36: note: did you mean \"round\"?\n"},
             Row{"logged",
                 "<fo:block xmlns:fo='http://www.w3.org/1999/XSL/Format'\n"
                 " color='spot-color(Gold)' background-color='rgb-icc(1,2,3,P,1)'/>\n",
                 "2:2: warning: color=\"spot-color(Gold)\": not valid XSL-FO; read here as "
                 "\"spot-color(Gold,1,rgb(0,0,0))\"\n"
                 "2:2: note: No substitute is known for spot color \"Gold\"; black is used.\n"
                 "2:27: warning: background-color=\"rgb-icc(1,2,3,P,1)\": valid XSL-FO, but not "
                 "read by this library's Color\n"
                 "2:27: note: Malformed ICC color \"rgb-icc(1,2,3,P,1)\"; the value is "
                 "ignored.\n"},
             Row{"style declarations",
                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"50%\">\r\n"
                 "  <rect x=\"1\" y=\"1\" id=\"r\" zoom=\"2\"\r\n"
                 "        style=\"font-size:medium;stroke-width : 2 ;\r\n"
                 " font-size: 12pt !important;; font-size :small\"/>\r\n"
                 "  <text font-size=\"currentColor\" x=\"inherit\" y=\"&#32;1\" zoom=\"1\" "
                 "frob=\"x\">t</text>\r\n"
                 "  <rect style=\"font-size: &quot;x&quot;\"/>\r\n"
                 "</svg>\r\n",
                 "3:16: warning: font-size=\"medium\": valid SVG, but not read by this library's "
                 "SLengthOrPercent\n"
                 "4:31: warning: font-size=\"small\": valid SVG, but not read by this library's "
                 "SLengthOrPercent\n"
                 "6:16: error: font-size=\"\\\"x\\\"\" is not a valid SLengthOrPercent\n"},
         }) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(worded(row.document), row.expected);
    }
}

} // namespace

// A list's reading is described only as far as it is shown; it must read as the whole
// description cut where a long value is.
TEST(ValueVerdicts, ListReadingsAsTheWholeDescriptionShows) {
    Tool::captureLibraryLog();
    std::string longPath = "M0 0";
    for (int i = 0; i < 40; ++i) {
        longPath +=
            " L" + std::to_string(i) + "." + std::to_string(i % 7) + " -" + std::to_string(i * 3);
    }
    struct Row {
        std::string_view attribute;
        std::string value; // read by the library, not valid SVG
    };
    for (Row const& row : {
             Row{"d", "M0 0zq"},
             Row{"d", "M0 0 1 1zq"},
             Row{"d", "m 29,209 a 1,1 0 1 1 -2,0 1,1 0 1 1 2,0 zq"},
             Row{"d", longPath + "zq"},
             Row{"transform", "scale(2)q"},
             Row{"transform", "matrix(1 2 3 4 5 6) translate(1) rotate(5)q"},
             Row{"transform", "translate(1) translate(2) translate(3) translate(4) "
                              "translate(5) translate(6) translate(7) translate(8)q"},
         }) {
        SCOPED_TRACE(row.value);
        Tool::FileReport const report =
            Tool::checkDocumentText(std::string(kSvg) + "<polygon " + std::string(row.attribute) +
                                        "='" + row.value + "'/></svg>",
                                    "f.svg");
        ASSERT_EQ(report.diagnostics.size(), 1u);
        Tool::Diagnostic const& diagnostic = report.diagnostics[0];
        Tool::ValueType const* type = Tool::findType(diagnostic.type);
        ASSERT_NE(type, nullptr);
        ASSERT_TRUE(diagnostic.reading.has_value());
        std::string whole;
        type->parse(Core::String(row.value)).value.writeInline(whole);
        Tool::takeLibraryLog();
        std::size_t length = 0;
        std::string const shown = Tool::echoed(whole, length);
        EXPECT_EQ(*diagnostic.reading, length > Tool::kEchoLimit ? shown + "..." : whole);
    }
}
