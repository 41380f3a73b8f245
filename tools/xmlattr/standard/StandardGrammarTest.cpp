// The standards' grammars, a table of rows per grammar, each row a value the standard's
// text allows or refuses; then the scanner's numbers and the one-pass path reading.
#include "standard/Reading.h"
#include "standard/Scanner.h"
#include "standard/Syntax.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using Tool::Standard::Dialect;

struct Row {
    std::string_view text;
    bool allowed;
};

constexpr Dialect kAttribute = Dialect::SvgAttribute;
constexpr Dialect kCss = Dialect::CssDeclaration;

// The rows of one SVG attribute on one element ("" for a style declaration).
void expectSvg(std::string_view element, std::string_view attribute, Dialect dialect,
               std::initializer_list<Row> rows) {
    Tool::Standard::Syntax const* syntax = Tool::Standard::svgSyntax(element, attribute);
    ASSERT_NE(syntax, nullptr) << element << " " << attribute;
    for (Row const& row : rows) {
        SCOPED_TRACE(std::string(element) + " " + std::string(attribute) + "=\"" +
                     std::string(row.text) + "\"");
        EXPECT_EQ(Tool::Standard::conforms(*syntax, row.text, dialect), row.allowed);
    }
}

void expectXsl(std::string_view property, std::initializer_list<Row> rows) {
    Tool::Standard::Syntax const* syntax = Tool::Standard::xslSyntax(property);
    ASSERT_NE(syntax, nullptr) << property;
    for (Row const& row : rows) {
        SCOPED_TRACE(std::string(property) + "=\"" + std::string(row.text) + "\"");
        EXPECT_EQ(Tool::Standard::conforms(*syntax, row.text, Dialect::XslFo), row.allowed);
    }
}

// The tests below are tables of rows, a few rows to a line.
// clang-format off

// SVG 1.1, 4.2: a coordinate or length is a number with an optional unit or "%"; units are
// small letters in an attribute and any case in CSS.
TEST(StandardGrammar, SvgLengths) {
    expectSvg("rect", "x", kAttribute,
              {{"10", true}, {"10px", true}, {"-1.5e2cm", true}, {"50%", true}, {".5em", true},
               {"+.5", true}, {" 3mm ", true}, {"1e", false}, {"12PT", false}, {"1,5pt", false},
               {"3 mm", false}, {"", false}, {"px", false}, {"1pt 2pt", false}, {"1q", false}});
    expectSvg("", "stroke-width", kCss, {{"12PT", true}, {"2Px", true}, {"-1", false}});
    expectSvg("rect", "width", kAttribute, {{"0", true}, {"-2", false}});
    expectSvg("text", "font-size", kAttribute,
              {{"medium", true}, {"xx-large", true}, {"smaller", true}, {"12", true},
               {"120%", true}, {"Medium", false}, {"-1pt", false}, {"big", false}});
    expectSvg("", "font-size", kCss, {{"Medium", true}});
}

// CSS Color Level 3 as browsers take it in SVG, and SVG 1.1's paint (11.2).
TEST(StandardGrammar, SvgColoursAndPaint) {
    expectSvg("rect", "fill", kAttribute,
              {{"none", true}, {"currentColor", true}, {"red", true}, {"RED", true},
               {"CornflowerBlue", true}, {"transparent", true}, {"#abc", true},
               {"#AbCdEf", true}, {"#abcd", false}, {"#ab", false}, {"ffd264", false},
               {"rgb(1,2,3)", true}, {"rgb( 10% , 20%,30% )", true}, {"RGB(1,2,3)", true},
               {"rgb(10%,2,3)", false}, {"rgb(1.5,2,3)", false}, {"rgb(1,2,3", false},
               {"rgb(1,2)", false}, {"rgba(1,2,3,0.5)", true}, {"rgba(1,2,3)", false},
               {"hsl(120, 50%, 50%)", true}, {"hsl(120,50,50)", false},
               {"hsla(120,50%,50%,1)", true}, {"url(#a)", true}, {"url( '#a' )", true},
               {"url(#a) none", true}, {"url(#a) red", true}, {"url(#a) url(#b)", false},
               {"url()", false}, {"url(#a", false}, {"red icc-color(p, 0.1, 0.2)", true},
               {"red icc-color(p", false}, {"reed", false}, {"red blue", false},
               {"rgb-icc(1,2,3,p,1)", false}, {"", false}});
    expectSvg("stop", "stop-color", kAttribute,
              {{"#fff", true}, {"Black", true}, {"none", false}, {"url(#a)", false}});
}

// SVG 1.1, 8.3.9: the path grammar; a moveto first, flags a single digit, radii not negative.
TEST(StandardGrammar, SvgPathData) {
    expectSvg("path", "d", kAttribute,
              {{"", true}, {"  ", true}, {"M1 2L3 4", true}, {"m1,2 3,4 5,6z", true},
               {"M 10-5", true}, {"M1.5.5", true}, {"M1e2 3", true}, {"M1 2 Z M3 4", true},
               {"M1 2 h3 v4 H5 V6 z", true}, {"M1 2 c1 2 3 4 5 6 7 8 9 10 11 12", true},
               {"M1 2 s1 2 3 4 q1 2 3 4 t5 6", true}, {"M1 2 a1 1 0 01 2 2", true},
               {"M1 2 a1 1 0 0 1 2 2", true}, {"M1 2 a1,1,0,0,1,2,2", true},
               {"L1 2", false}, {"M1", false}, {"M1 2 L3", false}, {"M1 2 a-1 1 0 0 1 2 2", false},
               {"M1 2 a1 1 0 2 1 2 2", false}, {"M1 2 a1 1 001 2 2", false}, {"M1,2,", false},
               {"M,1 2", false}, {"M1 2 X", false}, {"M1 2 c1 2 3 4 5 6 7", false},
               {"M1 2 L3 4 ;", false}});
}

// SVG 1.1, 7.6: transform lists; the argument counts are fixed per function.
TEST(StandardGrammar, SvgTransformLists) {
    expectSvg("g", "transform", kAttribute,
              {{"", true}, {"translate(10)", true}, {"translate(10, 20)", true},
               {"translate ( 1 )", true}, {"rotate(45 1 1)", true}, {"rotate(45 1)", false},
               {"matrix(1 0 0 1 0 0)", true}, {"matrix(1,0,0,1,0,0", false},
               {"matrix(1 0 0 1 0)", false}, {"scale(2) skewX(30)", true},
               {"scale(2),skewX(30)", true}, {"scale(2)skewY(1)", true}, {"scale(2),", false},
               {"scale()", false}, {"scale(1,)", false}, {"banana", false},
               {"Scale(2)", false}, {"translate(1 2 3)", false}});
}

// Points (9.7), view boxes (7.7), preserveAspectRatio (7.8) and dash arrays (11.4).
TEST(StandardGrammar, SvgGeometryLists) {
    expectSvg("polygon", "points", kAttribute,
              {{"", true}, {"1,2 3,4", true}, {"1,2,3,4", true}, {" 1 2 3 4 ", true},
               {"1-2", true}, {"1 2 3", false}, {"1,,2", false}, {"1,2,", false},
               {"1,2 a", false}});
    expectSvg("svg", "viewBox", kAttribute,
              {{"0 0 10 10", true}, {"0,0,10,10", true}, {"-5 -5 10 10", true},
               {"0, 0, 1e3, 5", true}, {"0 0 10", false}, {"0 0 -1 10", false},
               {"0 0 10 10 10", false}, {"", false}});
    expectSvg("svg", "preserveAspectRatio", kAttribute,
              {{"xMidYMid", true}, {"xMinYMax slice", true}, {"defer xMidYMid meet", true},
               {"none", true}, {"xmidymid", false}, {"meet", false},
               {"xMidYMid stretch", false}, {"defer", false}});
    expectSvg("path", "stroke-dasharray", kAttribute,
              {{"none", true}, {"5,10", true}, {"5 10 15", true}, {"5%, 1", true},
               {"-1,2", false}, {"5,,1", false}, {"5,", false}, {"", false}});
}

// Keyword sets: exact in attributes (SVG 1.1, 6.5), any case in CSS; text-decoration takes
// each keyword at most once.
TEST(StandardGrammar, SvgKeywords) {
    expectSvg("path", "stroke-linecap", kAttribute,
              {{"round", true}, {"Round", false}, {"roun", false}});
    expectSvg("", "stroke-linecap", kCss, {{"Round", true}, {"SQUARE", true}});
    expectSvg("g", "color-interpolation", kAttribute,
              {{"sRGB", true}, {"linearRGB", true}, {"srgb", false}});
    expectSvg("text", "text-decoration", kAttribute,
              {{"none", true}, {"underline overline", true}, {"blink line-through", true},
               {"underline underline", false}, {"underline,overline", false},
               {"none underline", false}});
    expectSvg("text", "font-weight", kAttribute,
              {{"bold", true}, {"700", true}, {"750", false}});
    expectSvg("path", "marker-end", kAttribute,
              {{"none", true}, {"url(#m)", true}, {"#m", false}});
    expectSvg("g", "opacity", kAttribute, {{"0.5", true}, {"1", true}, {"50%", false}});
}

// Names whose grammar depends on the element (SVG 1.1 attribute index).
TEST(StandardGrammar, SvgNamesByElement) {
    expectSvg("animate", "fill", kAttribute,
              {{"freeze", true}, {"remove", true}, {"red", false}});
    expectSvg("set", "fill", kAttribute, {{"freeze", true}});
    expectSvg("", "fill", kCss, {{"red", true}, {"freeze", false}});
    expectSvg("text", "x", kAttribute, {{"1 2 3", true}, {"1,2%", true}, {"1 a", false}});
    expectSvg("tspan", "dy", kAttribute, {{"1em 2", true}});
    expectSvg("text", "rotate", kAttribute, {{"10 20 -30", true}, {"10deg", false}});
    expectSvg("animateMotion", "rotate", kAttribute,
              {{"auto", true}, {"auto-reverse", true}, {"45", true}, {"left", false}});
    expectSvg("stop", "offset", kAttribute, {{"0.5", true}, {"50%", true}, {"1pt", false}});
    expectSvg("feFuncR", "offset", kAttribute, {{"0.5", true}, {"50%", false}});
    expectSvg("fePointLight", "x", kAttribute, {{"1.5", true}, {"1.5px", false}});
    expectSvg("feColorMatrix", "type", kAttribute, {{"saturate", true}, {"table", false}});
    expectSvg("feFuncA", "type", kAttribute, {{"table", true}, {"saturate", false}});
    expectSvg("animateTransform", "type", kAttribute, {{"skewX", true}, {"matrix", false}});
    for (auto const& [element, attribute] :
         {std::pair{"stop", "type"}, std::pair{"rect", "offset"}, std::pair{"rect", "values"},
          std::pair{"rect", "bogus"}}) {
        EXPECT_EQ(Tool::Standard::svgSyntax(element, attribute), nullptr)
            << element << " " << attribute;
    }
}

// XSL 1.1, 5.9.13 and 7: lengths need a unit but for zero; keywords match exactly.
TEST(StandardGrammar, XslProperties) {
    expectXsl("space-before", {{"0", true}, {"6pt", true}, {"-1.5em", true}, {"10", false},
                               {"1ex", false}, {"12PT", false}, {"6 pt", false}});
    expectXsl("line-height", {{"normal", true}, {"1.2", true}, {"120%", true}, {"12pt", true},
                              {"normal 12pt", false}, {"Normal", false}});
    expectXsl("padding", {{"1pt", true}, {"1pt 2pt 3pt 4pt", true}, {"1pt 2% 3pt", true},
                          {"1pt 2pt 3pt 4pt 5pt", false}, {"-1pt", false}});
    expectXsl("margin", {{"auto", true}, {"1pt auto", true}, {"10 20pt", false}});
    expectXsl("border-width", {{"thin", true}, {"thin 2pt", true}, {"10", false}});
    expectXsl("border-top-width", {{"medium", true}, {"1pt 2pt", false}, {"-1pt", false}});
    expectXsl("keep-together.within-page", {{"always", true}, {"5", true}, {"5.5", false}});
    expectXsl("language", {{"en", true}, {"EN-us", true}, {"none", true}, {"deu", true},
                           {"english", false}, {"e", false}, {"en-", false}});
    expectXsl("hyphenation-character", {{"-", true}, {"\xC3\xA9", true}, {"--", false},
                                        {"", false}});
    expectXsl("start-indent", {{"body-start()", true}, {"1cm", true}, {"body-start", false}});
    expectXsl("src", {{"url(a.png)", true}, {"url('a b.png')", true}, {"a.png", false}});
    expectXsl("color", {{"red", true}, {"#ffd264", true}, {"ffd264", false},
                        {"rgb-icc(1,2,3,#CMYK,0,0,0,1)", true}, {"rgb-icc(1,2,3)", false}});
    expectXsl("background-color", {{"transparent", true}});
    expectXsl("reference-orientation", {{"-90", true}, {"45", false}});
    expectXsl("text-align", {{"center", true}, {"centre", false}});
    EXPECT_EQ(Tool::Standard::xslSyntax("master-nam"), nullptr);
}

// XSL 1.1, 7.14.1 and 5.11: dominant-baseline has keywords of its own; text-align takes a
// string to align on; an XSL-FO url() holds an IRI, parentheses included. SVG's
// unquoted url() stops at a parenthesis, as CSS's does.
TEST(StandardGrammar, XslSlips) {
    expectXsl("dominant-baseline", {{"reset-size", true}, {"use-script", true}, {"no-change", true},
                                    {"central", true}, {"before-edge", false}, {"baseline", false}});
    expectXsl("alignment-baseline", {{"before-edge", true}, {"reset-size", false}});
    expectXsl("text-align", {{"'.'", true}, {"\".\"", true}, {"justify", true}, {"'.\"", false},
                             {".", false}, {"centre", false}});
    expectXsl("external-destination",
              {{"url(man:bash(1))", true}, {"url(\"https://en.wikipedia.org/wiki/A_(b)\")", true},
               {"url('a (b).html')", true}, {"", true}, {"url(a(b)", false}, {"url(a))", false},
               {"man:bash(1)", false}});
    expectXsl("src", {{"url(man:bash(1))", true}});
    expectSvg("rect", "fill", kAttribute,
              {{"url(\"https://en.wikipedia.org/wiki/A_(b)\")", true}, {"url('#a(1)') red", true},
               {"url(man:bash(1))", false}});
}

// Names (XSL 5.11: NCNames) and the string-valued properties of XSL 1.1.
TEST(StandardGrammar, XslNamesAndStrings) {
    for (std::string_view const property : {"id", "master-name", "master-reference", "region-name",
                                            "flow-name", "marker-class-name", "ref-id"}) {
        expectXsl(property, {{"first", true}, {"\xC3\xA9t\xC3\xA9-2.b_c", true}, {" _x ", true},
                             {"a:b", false}, {"1a", false}, {"-a", false}, {"a b", false},
                             {"", false}});
    }
    expectXsl("internal-destination", {{"", true}, {"id2345", true}, {"#id", false}});
    expectXsl("font-family",
              {{"serif", true}, {"Times New Roman, serif", true}, {"'Times New Roman',serif", true},
               {"\"DejaVu Sans\"", true}, {"serif,Symbol,ZapfDingbats", true},
               {"Times,,serif", false}, {"Times,", false}, {"'Times", false}, {"3of9", false},
               {"Font Awesome 5", false}, {"", false}});
    expectXsl("format", {{"1", true}, {"i.", true}, {"", false}});
    expectXsl("letter-value", {{"alphabetic", true}, {"traditional", true}, {"Alphabetic", false}});
    expectXsl("grouping-separator", {{",", true}, {"','", true}, {"\xC2\xA0", true}, {",,", false},
                                     {"''", false}});
    expectXsl("hyphenation-character", {{"'-'", true}, {"'--'", false}});
    expectXsl("country", {{"US", true}, {"us", true}, {"826", true}, {"GBR", true}, {"none", true},
                          {"U", false}, {"en-us", false}, {"82", false}});
    expectXsl("script", {{"Latn", true}, {"auto", true}, {"215", true}, {"Lat", false},
                         {"Latin", false}});
    expectXsl("switch-to", {{"xsl-any", true}, {"a b", true}, {"", false}, {"1", false}});
}

// XSL 1.1, 7.31: shorthands, their parts in any order and each at most once.
TEST(StandardGrammar, XslShorthands) {
    expectXsl("margin", {{"20pt 0 40pt 0", true}, {"1pt 2pt 3pt 4pt 5pt", false}});
    expectXsl("padding", {{"1pt 2pt", true}});
    expectXsl("border-width", {{"70pt 0 0 70pt", true}, {"thin thick", true}, {"-1pt", false}});
    for (std::string_view const property : {"border", "border-top", "border-left"}) {
        expectXsl(property, {{"1pt solid black", true}, {"solid", true}, {"black 0.5pt", true},
                             {"thin transparent dashed", true}, {"1pt 2pt", false},
                             {"solid dashed", false}, {"thin solid red blue", false},
                             {"1pt solid", true}, {"solid 1", false}, {"", false}});
    }
    expectXsl("border-style", {{"solid none dotted dashed", true}, {"solid wavy", false}});
    expectXsl("border-color", {{"red transparent", true}, {"rgb(1, 2, 3) red", true},
                               {"red blue green yellow black", false}});
    expectXsl("border-spacing", {{"1pt", true}, {"1pt 2pt", true}, {"1pt 2pt 3pt", false},
                                 {"-1pt", false}});
    expectXsl("font", {{"12pt serif", true}, {"bold italic 12pt/14pt 'Times New Roman', serif", true},
                       {"small-caps 10pt / 1.2 sans-serif", true}, {"normal medium serif", true},
                       {"caption", true}, {"bold serif", false}, {"12pt", false},
                       {"12pt/ serif", false}, {"bold bold 12pt serif", false}});
    expectXsl("background", {{"red url(a.png) no-repeat fixed left top", true}, {"transparent", true},
                             {"10% 20% red", true}, {"red blue", false}, {"left right", false}});
    expectXsl("background-position", {{"left top", true}, {"top left", true}, {"10% 20%", true},
                                       {"center", true}, {"left 1cm", true}, {"left right", false},
                                       {"top 10%", false}, {"1cm 2cm 3cm", false}});
    expectXsl("position", {{"absolute", true}, {"sticky", false}});
    expectXsl("vertical-align", {{"text-top", true}, {"-2pt", true}, {"50%", true},
                                 {"center", false}});
    expectXsl("page-break-before", {{"always", true}, {"avoid", true}, {"page", false}});
    expectXsl("page-break-inside", {{"avoid", true}, {"always", false}});
    expectXsl("size", {{"landscape", true}, {"210mm 297mm", true}, {"auto 1pt", false}});
    expectXsl("text-decoration", {{"underline no-overline", true}, {"none", true},
                                  {"no-blink", true}, {"underline no-underline", false},
                                  {"none underline", false}, {"double", false}});
    expectXsl("white-space", {{"nowrap", true}, {"no-wrap", false}});
}

// XSL 1.1, 7.4-7.30: the properties beyond the library's, compound components included.
TEST(StandardGrammar, XslPropertiesBeyondTheLibrary) {
    expectXsl("relative-align", {{"baseline", true}, {"before", true}, {"after", false}});
    expectXsl("precedence", {{"true", true}, {"false", true}, {"yes", false}});
    expectXsl("font-selection-strategy", {{"character-by-character", true}, {"first", false}});
    expectXsl("starting-state", {{"show", true}, {"hide", true}, {"open", false}});
    expectXsl("border-before-width.conditionality", {{"retain", true}, {"keep", false}});
    expectXsl("border-before-width.length", {{"1pt", true}, {"1", false}});
    expectXsl("padding-start.length", {{"2pt", true}, {"-2pt", false}});
    expectXsl("space-before.precedence", {{"force", true}, {"3", true}, {"3.5", false}});
    expectXsl("border-separation.block-progression-direction", {{"1pt", true}, {"x", false}});
    expectXsl("azimuth", {{"30deg", true}, {"left-side behind", true}, {"behind far-left", true},
                          {"leftwards", true}, {"30", false}, {"left right", false}});
    expectXsl("elevation", {{"-10deg", true}, {"above", true}, {"up", false}});
    expectXsl("pause", {{"20ms", true}, {"1s 5%", true}, {"1s 2s 3s", false}, {"-1s", false}});
    expectXsl("pitch", {{"120Hz", true}, {"2kHz", true}, {"high", true}, {"120", false}});
    expectXsl("play-during", {{"url(a.wav) mix repeat", true}, {"none", true},
                              {"url(a.wav) repeat mix", false}});
    expectXsl("clip", {{"rect(1pt, 2pt, auto, 0)", true}, {"auto", true}, {"rect(1pt 2pt)", false},
                       {"rect(1pt, 2pt, 3pt, 4pt) x", false}});
    expectXsl("text-shadow", {{"red 1pt 1pt", true}, {"1pt 1pt 2pt blue, 2pt 2pt", true},
                              {"none", true}, {"1pt", false}, {"red 1pt 1pt,", false}});
    expectXsl("glyph-orientation-vertical", {{"auto", true}, {"90deg", true}, {"90", false}});
    expectXsl("z-index", {{"auto", true}, {"-1", true}, {"1.5", false}});
    expectXsl("allowed-height-scale", {{"any 50% 100%", true}, {"-5%", false}});
    expectXsl("max-width", {{"none", true}, {"10cm", true}, {"auto", false}});
    expectXsl("hyphenation-ladder-count", {{"no-limit", true}, {"2", true}, {"-1", false}});
    expectXsl("media-usage", {{"bounded-in-one-dimension", true}, {"bounded", false}});
    expectXsl("source-document", {{"url(a.xml) url(b.xml)", true}, {"none", true}, {"a.xml", false}});
}

// SVG 1.1 attributes of markers, filters and their primitives (11.6, 15).
TEST(StandardGrammar, SvgMarkersAndFilters) {
    expectSvg("g", "enable-background", kAttribute,
              {{"accumulate", true}, {"new", true}, {"new 0 0 48 48", true},
               {"new 0 0 0 48", false}, {"new 0 0 48", false}, {"old", false}});
    expectSvg("", "enable-background", kCss, {{"NEW", true}});
    expectSvg("marker", "orient", kAttribute,
              {{"auto", true}, {"45", true}, {"45deg", true}, {"-1.5rad", true}, {"left", false},
               {"45 deg", false}});
    expectSvg("marker", "refX", kAttribute, {{"1.5", true}, {"10%", true}, {"a", false}});
    expectSvg("marker", "markerUnits", kAttribute, {{"strokeWidth", true}, {"strokewidth", false}});
    expectSvg("marker", "markerWidth", kAttribute, {{"3", true}, {"-3", false}});
    expectSvg("feGaussianBlur", "stdDeviation", kAttribute,
              {{"2", true}, {"2 3", true}, {"2,3", true}, {"2 3 4", false}, {"a", false},
               {"", false}, {"2,", false}});
    expectSvg("feComposite", "k1", kAttribute, {{"0.5", true}, {"-1e2", true}, {"a", false}});
    expectSvg("feComposite", "operator", kAttribute, {{"arithmetic", true}, {"erode", false}});
    expectSvg("feMorphology", "operator", kAttribute, {{"dilate", true}, {"over", false}});
    expectSvg("feBlend", "mode", kAttribute, {{"multiply", true}, {"overlay", false}});
    expectSvg("feColorMatrix", "values", kAttribute, {{"1 0 0 0 0", true}, {"a", false}});
    expectSvg("animate", "values", kAttribute, {{"red;blue", true}, {"", true}});
    expectSvg("feDistantLight", "azimuth", kAttribute, {{"45", true}, {"45deg", false}});
    for (std::string_view const attribute : {"in", "in2"}) {
        expectSvg("feBlend", attribute, kAttribute,
                  {{"SourceGraphic", true}, {"blur1", true}, {"a b", false}, {"", false}});
    }
    expectSvg("feBlend", "result", kAttribute, {{"blur1", true}, {"a b", false}});
    expectSvg("feConvolveMatrix", "preserveAlpha", kAttribute, {{"true", true}, {"yes", false}});
    expectSvg("feConvolveMatrix", "order", kAttribute,
              {{"3", true}, {"3 3", true}, {"0", false}, {"3.5", false}});
    expectSvg("feConvolveMatrix", "kernelMatrix", kAttribute,
              {{"1 0 0 0 1 0 0 0 1", true}, {"1 a", false}});
    expectSvg("feFuncR", "tableValues", kAttribute, {{"", true}, {"0 1", true}, {"a", false}});
    expectSvg("feTurbulence", "stitchTiles", kAttribute, {{"noStitch", true}, {"no", false}});
    expectSvg("feDisplacementMap", "xChannelSelector", kAttribute, {{"A", true}, {"a", false}});
}

// SVG 1.1 names, animation timing (19.2.8) and font descriptors (20.8.3).
TEST(StandardGrammar, SvgNamesTimingAndFonts) {
    expectSvg("rect", "id", kAttribute,
              {{"a:b", true}, {"path-1.2", true}, {"1a", false}, {"a b", false}, {"", false}});
    expectSvg("a", "target", kAttribute, {{"_blank", true}, {"frame1", true}, {"a b", false}});
    expectSvg("g", "systemLanguage", kAttribute, {{"en, fr-CA", true}, {"en,,fr", false}});
    expectSvg("text", "font-family", kAttribute,
              {{"'DejaVu Sans', sans-serif", true}, {"Sans", true}, {"Sans,", false}});
    expectSvg("script", "type", kAttribute, {{"text/ecmascript", true}});
    expectSvg("animate", "keyTimes", kAttribute,
              {{"0;0.5;1", true}, {"0; .25 ;1;", true}, {"0;1.5", false}, {"0;;1", false},
               {"1.0;1.00", true}, {"1.01", false}});
    expectSvg("animate", "keySplines", kAttribute,
              {{"0 0 1 1;.5 0 .5 1", true}, {"0,0,1,1", true}, {"0 0 1", false},
               {"0 0 2 1", false}});
    expectSvg("animate", "dur", kAttribute,
              {{"2s", true}, {"01:30", true}, {"0:01:30.5", true}, {"45min", true}, {"5", true},
               {"indefinite", true}, {"media", true}, {"2 s", false}, {"1:2", false},
               {"-1s", false}});
    expectSvg("animate", "begin", kAttribute,
              {{"0s;click", true}, {"a.end+1s", true}, {"indefinite", true}, {"-2s", true},
               {"a.repeat(2)", true}, {"accessKey(s)", true}, {"a\\.b.begin - 1s", true},
               {"a.end+", false}, {"", false}, {"a.", false}});
    expectSvg("animate", "repeatCount", kAttribute,
              {{"indefinite", true}, {"2.5", true}, {"0", false}, {"-1", false}});
    expectSvg("animate", "attributeName", kAttribute, {{"xlink:href", true}, {"1x", false}});
    expectSvg("rect", "cursor", kAttribute,
              {{"pointer", true}, {"url(#c), auto", true}, {"url(#c)", false}});
    expectSvg("text", "font", kAttribute,
              {{"bold 12px sans-serif", true}, {"12px", false}});
    expectSvg("g", "clip", kAttribute, {{"rect(1, 2, 3, 4)", true}, {"auto", true}});
    expectSvg("text", "glyph-orientation-vertical", kAttribute, {{"auto", true}, {"90", true}});
    expectSvg("font-face", "font-weight", kAttribute,
              {{"all", true}, {"bold, 400", true}, {"heavy", false}});
    expectSvg("font-face", "font-variant", kAttribute, {{"small-caps", true}, {"all", false}});
    expectSvg("font-face", "unicode-range", kAttribute,
              {{"U+0-7F", true}, {"U+4??", true}, {"U+0-7F, U+A0", true}, {"U+", false},
               {"0-7F", false}, {"U+4?5", false}});
    expectSvg("font-face", "panose-1", kAttribute,
              {{"2 4 5 3 5 4 6 3 2 4", true}, {"2 4", false}});
    expectSvg("glyph", "orientation", kAttribute, {{"h", true}, {"x", false}});
}

// Every property of the XSL 1.1 property index and every SVG 1.1 attribute with a value
// grammar has a reader: a name missing here would be counted as unknown and never checked.
TEST(StandardGrammar, CoversTheIndexes) {
    for (std::string_view const property : {
             "source-document", "role", "absolute-position", "top", "azimuth", "cue-after", "cue-before",
             "elevation", "pause-after", "pause-before", "pitch", "pitch-range", "play-during", "richness",
             "speak", "speak-header", "speak-numeral", "speak-punctuation", "speech-rate", "stress",
             "voice-family", "volume", "background-attachment", "background-color", "background-image",
             "background-repeat", "background-position-horizontal", "background-position-vertical",
             "border-before-color", "border-end-style", "border-after-width", "padding-start",
             "font-family", "font-selection-strategy", "font-size", "font-stretch", "font-size-adjust",
             "font-style", "font-variant", "font-weight", "country", "language", "script", "hyphenate",
             "hyphenation-character", "hyphenation-push-character-count",
             "hyphenation-remain-character-count", "margin-top", "space-before", "start-indent",
             "end-indent", "space-end", "space-start", "relative-position", "alignment-adjust",
             "alignment-baseline", "baseline-shift", "display-align", "dominant-baseline",
             "relative-align", "allowed-height-scale", "allowed-width-scale",
             "block-progression-dimension", "content-height", "content-width", "height",
             "inline-progression-dimension", "max-height", "max-width", "min-height", "min-width",
             "scaling", "scaling-method", "width", "hyphenation-keep", "hyphenation-ladder-count",
             "last-line-end-indent", "line-height", "line-height-shift-adjustment",
             "line-stacking-strategy", "linefeed-treatment", "white-space-treatment", "text-align",
             "text-align-last", "text-indent", "white-space-collapse", "wrap-option", "character",
             "letter-spacing", "suppress-at-line-break", "text-decoration", "text-shadow",
             "text-transform", "treat-as-word-space", "word-spacing", "color", "color-profile-name",
             "rendering-intent", "clear", "float", "intrusion-displace", "break-after", "break-before",
             "keep-together", "keep-with-next", "keep-with-previous", "orphans", "widows", "clip",
             "overflow", "reference-orientation", "span", "leader-alignment", "leader-pattern",
             "leader-pattern-width", "leader-length", "rule-style", "rule-thickness", "active-state",
             "auto-restore", "case-name", "case-title", "destination-placement-offset",
             "external-destination", "indicate-destination", "internal-destination",
             "show-destination", "starting-state", "switch-to", "target-presentation-context",
             "target-processing-context", "target-stylesheet", "index-class", "index-key",
             "page-number-treatment", "merge-ranges-across-index-key-references",
             "merge-sequential-page-numbers", "merge-pages-across-index-key-references",
             "ref-index-key", "marker-class-name", "retrieve-boundary-within-table",
             "retrieve-class-name", "retrieve-position", "retrieve-boundary",
             "retrieve-position-within-table", "format", "grouping-separator", "grouping-size",
             "letter-value", "blank-or-not-blank", "column-count", "column-gap", "extent", "flow-name",
             "force-page-count", "initial-page-number", "master-name", "master-reference",
             "maximum-repeats", "media-usage", "odd-or-even", "page-height", "page-position",
             "page-width", "precedence", "region-name", "flow-map-name", "flow-map-reference",
             "flow-name-reference", "region-name-reference", "border-after-precedence",
             "border-collapse", "border-separation", "caption-side", "column-number", "column-width",
             "empty-cells", "ends-row", "number-columns-repeated", "number-columns-spanned",
             "number-rows-spanned", "starts-row", "table-layout", "table-omit-footer-at-break",
             "table-omit-header-at-break", "direction", "glyph-orientation-horizontal",
             "glyph-orientation-vertical", "text-altitude", "text-depth", "unicode-bidi",
             "writing-mode", "change-bar-class", "change-bar-color", "change-bar-offset",
             "change-bar-placement", "change-bar-style", "change-bar-width", "content-type", "id",
             "intrinsic-scale-value", "page-citation-strategy", "provisional-label-separation",
             "provisional-distance-between-starts", "ref-id", "scale-option", "score-spaces", "src",
             "visibility", "z-index", "background", "background-position", "border", "border-bottom",
             "border-color", "border-left", "border-right", "border-style", "border-spacing",
             "border-top", "border-width", "cue", "font", "margin", "padding", "page-break-after",
             "page-break-before", "page-break-inside", "pause", "position", "size", "vertical-align",
             "white-space", "space-before.conditionality", "keep-together.within-page",
             "leader-length.optimum", "padding-before.conditionality", "line-height.precedence"}) {
        EXPECT_NE(Tool::Standard::xslSyntax(property), nullptr) << property;
    }
    for (std::string_view const attribute :
         {"id", "class", "externalResourcesRequired", "requiredFeatures", "systemLanguage", "version",
          "zoomAndPan", "target", "refX", "refY", "markerUnits", "markerWidth", "markerHeight",
          "orient", "pathLength", "startOffset", "method", "spacing", "filterRes", "in", "in2",
          "result", "mode", "tableValues", "slope", "intercept", "amplitude", "exponent", "k1", "k2",
          "k3", "k4", "order", "kernelMatrix", "divisor", "bias", "targetX", "targetY", "edgeMode",
          "kernelUnitLength", "preserveAlpha", "surfaceScale", "diffuseConstant",
          "specularConstant", "specularExponent", "scale", "xChannelSelector", "yChannelSelector",
          "stdDeviation", "radius", "baseFrequency", "numOctaves", "seed", "stitchTiles", "azimuth",
          "elevation", "pointsAtX", "limitingConeAngle", "attributeName", "begin", "end", "dur",
          "min", "max", "repeatCount", "repeatDur", "keyTimes", "keyPoints", "keySplines", "from",
          "to", "by", "path", "clip", "cursor", "enable-background", "font",
          "glyph-orientation-horizontal", "glyph-orientation-vertical", "color-profile", "kerning",
          "dominant-baseline", "unicode-range", "panose-1", "horiz-adv-x", "rendering-intent"}) {
        EXPECT_NE(Tool::Standard::svgSyntax("", attribute), nullptr) << attribute;
    }
}

// clang-format on

} // namespace

namespace {

// What from_chars makes of a number token the scanner took, the reading the fast path must
// match bit for bit; a value out of range is 0.
double fromChars(std::string_view token) {
    if (!token.empty() && token.front() == '+') {
        token.remove_prefix(1);
    }
    double value = 0;
    std::from_chars(token.data(), token.data() + token.size(), value);
    return value;
}

void expectNumber(std::string_view text, std::size_t length) {
    SCOPED_TRACE(std::string(text));
    Tool::Standard::Scanner scanner(text);
    double value = -1;
    Tool::Standard::Number shape;
    ASSERT_TRUE(scanner.number(value, &shape));
    EXPECT_EQ(scanner.at(), length);
    double const expected = fromChars(text.substr(0, length));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(expected))
        << value << " != " << expected;
    EXPECT_EQ(shape.zero, expected == 0 && text.find_first_of("123456789") >= length);
}

} // namespace

// Numbers read in double precision as from_chars reads them: the exact products and
// quotients, and the many digits, large exponents and out-of-range values left to it.
TEST(StandardScanner, NumberValues) {
    struct NumberRow {
        std::string_view text;
        std::size_t length;
    };
    constexpr NumberRow kRows[] = {
        {"0", 1},
        {"-0", 2},
        {"+1.5", 4},
        {".5e-3", 5},
        {"12.375,", 6},
        {"1e", 1},
        {"1e+", 1},
        {"2E-2x", 4},
        {"0.1", 3},
        {"0.3", 3},
        {"5.2916665", 9},
        {"-123.456e7", 10},
        {"1e22", 4},
        {"1e23", 4},
        {"9007199254740992", 16},
        {"9007199254740993", 16},
        {"1234567890123456789", 19},
        {"12345678901234567890123", 23},
        {"0.00000000000000000000000000001", 31},
        {"000000000000000000000000000", 27},
        {"-0.000000000000000000000000000", 30},
        {"1.7976931348623157e308", 22},
        {"4.9e-324", 8},
        {"1e400", 5},
        {"-1e400", 6},
        {"1e-400", 6},
        {"1e99999999999", 13},
    };
    for (NumberRow const& row : kRows) {
        expectNumber(row.text, row.length);
    }
    // Every digit count and power of ten around the fast path's limits.
    for (int digits = 1; digits <= 20; ++digits) {
        for (int power = -30; power <= 30; power += 3) {
            std::string text(static_cast<std::size_t>(digits), '7');
            text[0] = '9';
            text += "e" + std::to_string(power);
            expectNumber(text, text.size());
            std::string const fraction = "0." + text;
            expectNumber(fraction, fraction.size());
        }
    }
}

TEST(StandardScanner, NumberRefusals) {
    for (std::string_view const text : {"", "+", "-.", ".", "e5", ".e1", "x1"}) {
        SCOPED_TRACE(std::string(text));
        Tool::Standard::Scanner scanner(text);
        double value = 42;
        EXPECT_FALSE(scanner.number(value));
        EXPECT_EQ(value, 42);
        EXPECT_EQ(scanner.at(), 0u);
    }
}

// Path data checked and read in one pass: a letter per group, implicit ones spelled out (the
// pairs after a moveto as linetos), where each group starts, and its numbers.
TEST(StandardPathReading, Groups) {
    struct PathRow {
        std::string_view text;
        bool conforms;
        std::string_view commands;
        std::vector<double> numbers;
        std::vector<std::size_t> starts;
    };
    PathRow const rows[] = {
        {"", true, "", {}, {}},
        {"M10 20 30 40", true, "ML", {10, 20, 30, 40}, {0, 7}},
        {" m1,2, 3 4z M5 6", true, "mlzM", {1, 2, 3, 4, 5, 6}, {1, 7, 10, 12}},
        {"M.5.5l1e2-3", true, "Ml", {.5, .5, 100, -3}, {0, 5}},
        {"M0 0a5 5 30 1 0 10 10", true, "Ma", {0, 0, 5, 5, 30, 1, 0, 10, 10}, {0, 4}},
        {"M0 0a1 1 0 01 2 2 1 1 0 1,1 3 3", true, "Maa",
         {0, 0, 1, 1, 0, 0, 1, 2, 2, 1, 1, 0, 1, 1, 3, 3}, {0, 4, 18}},
        {"M0 0C1 2 3 4 5 6S1 2 3 4Q1 2 3 4T5 6H7V8", true, "MCSQTHV",
         {0, 0, 1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 1, 2, 3, 4, 5, 6, 7, 8},
         {0, 4, 16, 24, 32, 36, 38}},
        // Refused: the reading holds the groups before the fault, none of the one at fault.
        {"L0 0", false, "", {}, {}},
        {"M0 0 L1", false, "M", {0, 0}, {0}},
        {"M0 0a-1 1 0 0 0 2 2", false, "M", {0, 0}, {0}},
        {"M0 0a1 1 0 2 0 2 2", false, "M", {0, 0}, {0}},
        {"M0 0 x", false, "M", {0, 0}, {0}},
        {"M0 0 z 5", false, "Mz", {0, 0}, {0, 5}},
    };
    Tool::Standard::Reading reading;
    for (PathRow const& row : rows) {
        SCOPED_TRACE(std::string(row.text));
        EXPECT_EQ(Tool::Standard::readPathData(row.text, reading), row.conforms);
        EXPECT_EQ(reading.shape, Tool::Standard::Reading::Shape::Path);
        EXPECT_EQ(reading.commands, row.commands);
        EXPECT_EQ(reading.numbers, row.numbers);
        EXPECT_EQ(reading.commandStarts, row.starts);
    }
}
