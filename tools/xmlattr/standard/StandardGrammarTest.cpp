// The standards' grammars, a table of rows per grammar, each row a value the standard's
// text allows or refuses.
#include "standard/Syntax.h"

#include <gtest/gtest.h>

#include <string>

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
         {std::pair{"stop", "type"}, std::pair{"rect", "offset"}, std::pair{"animate", "values"},
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
    EXPECT_EQ(Tool::Standard::xslSyntax("master-name"), nullptr);
}

// clang-format on

} // namespace
