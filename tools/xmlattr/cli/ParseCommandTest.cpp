// What `parse` says of each text, in both its forms, run in the test's own process: the
// command line around it is tried as a process in ToolTest.cpp.
#include "Commands.h"
#include "types/ValueType.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace {

struct Row {
    std::string type;
    std::vector<std::string> texts;
    int status;
    std::string out;
};

// Runs each row through the parse command, its standard output captured; in JSON, the one
// array is given an object to a line.
void expectParses(bool json, std::vector<Row> const& rows) {
    // What the library logs is shown with the text, as the tool's main() arranges.
    Tool::captureLibraryLog();
    for (Row const& row : rows) {
        SCOPED_TRACE(row.type + (row.texts.empty() ? "" : " " + row.texts.front()));
        testing::internal::CaptureStdout();
        int const status = Tool::runParse(row.type, row.texts, json);
        std::string const out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(status, row.status);
        if (!json) {
            EXPECT_EQ(out, row.out);
            continue;
        }
        nlohmann::ordered_json const whole = nlohmann::ordered_json::parse(out);
        ASSERT_TRUE(whole.is_array());
        std::string lines;
        for (nlohmann::ordered_json const& object : whole) {
            lines += object.dump() + "\n";
        }
        EXPECT_EQ(lines, row.out);
    }
}

TEST(ParseCommand, ShowsFieldsAndWrittenText) {
    expectParses(
        false,
        {
            {"Length",
             {"12pt", "2em"},
             0,
             "Length \"12pt\": accepted\n  unit: pt (1)\n  size: 12\n  px: 16\n"
             "  written: \"12pt\"\n"
             "Length \"2em\": accepted\n  unit: em (6)\n  size: 2\n  written: \"2em\"\n"},
            // The type's name in any case.
            {"length",
             {"-1.5cm"},
             0,
             "Length \"-1.5cm\": accepted\n  unit: cm (3)\n  size: -1.5\n  px: -56.692913\n"
             "  written: \"-1.5cm\"\n"},
            {"SLength",
             {"50%", "3pc"},
             0,
             "SLength \"50%\": accepted\n  unit: % (9)\n  size: 0.5\n  px: 0.5\n"
             "  written: (no text form)\n"
             "SLength \"3pc\": accepted\n  unit: pc (8)\n  size: 3\n  px: 48\n"
             "  written: (no text form)\n"},
            {"LengthOrPercent",
             {"50%"},
             0,
             "LengthOrPercent \"50%\": accepted\n  kind: percent (2)\n  length:\n    unit: px (0)\n"
             "    size: 0\n    px: 0\n  percent: 0.5\n  written: \"50%\"\n"},
            {"Language",
             {"EN-us"},
             0,
             "Language \"EN-us\": accepted\n  languageId: english (3)\n"
             "  countryId: United States (1)\n  written: (no text form)\n"},
            {"Value",
             {"12/25/2010"},
             0,
             "Value \"12/25/2010\": accepted\n  type: date (2)\n  stringValue: \"12/25/2010\"\n"
             "  dateTimeValue:\n    year: 2010\n    month: 12\n    day: 25\n  ordinal: -1\n"
             "  getValue: \"12/25/2010\"\n  written: (no text form)\n"},
            // Keywords by the first keyword of their number; numbers without one alone.
            {"TextAlign",
             {"start", "justify"},
             0,
             "TextAlign \"start\": accepted\n  enumerator: left (1)\n  written: \"left\"\n"
             "TextAlign \"justify\": accepted\n  enumerator: justify (4)\n  written: "
             "\"justify\"\n"},
            {"ReferenceOrientation",
             {"-90"},
             0,
             "ReferenceOrientation \"-90\": accepted\n  enumerator: 3\n  written: \"270\"\n"},
            {"FontWeight",
             {"700"},
             0,
             "FontWeight \"700\": accepted\n  enumerator: bold (1)\n  written: \"bold\"\n"},
            {"Url",
             {"url( 'a b.png' )"},
             0,
             "Url \"url( 'a b.png' )\": accepted\n  url: \"a b.png\"\n  written: \"url(a "
             "b.png)\"\n"},
            // Records nest; lists show their items by index, an empty one as "[]".
            {"DashPattern",
             {"5, 10%", "none"},
             0,
             "DashPattern \"5, 10%\": accepted\n  lengths:\n    [0]:\n      unit: px (0)\n"
             "      size: 5\n      px: 5\n    [1]:\n      unit: % (9)\n      size: 0.1\n"
             "      px: 0.1\n  written: (no text form)\n"
             "DashPattern \"none\": accepted\n  lengths: []\n  written: (no text form)\n"},
            {"FontSize",
             {"larger"},
             0,
             "FontSize \"larger\": accepted\n  type: relative (1)\n  relativeSize: larger (0)\n"
             "  written: \"larger\"\n"},
            {"AlignmentAdjust",
             {"text-top"},
             0,
             "AlignmentAdjust \"text-top\": accepted\n  isBaseline: true\n"
             "  baseline: text-top (13)\n  written: \"text-top\"\n"},
            // Geometry members as held: a single-precision number widened to double.
            {"TransformList",
             {"scale(0.1) skewX(30)"},
             0,
             "TransformList \"scale(0.1) skewX(30)\": accepted\n  transforms:\n    [0]:\n"
             "      type: Scale (3)\n      sx: 0.10000000149011612\n      sy: 0.10000000149011612\n"
             "    [1]:\n      type: SkewX (5)\n      skewAngleX: 30\n      skewAngleY: 30\n"
             "  written: (no text form)\n"},
            {"SPreserveAspectRatio",
             {"xMinYMax slice"},
             0,
             "SPreserveAspectRatio \"xMinYMax slice\": accepted\n  aspectRatio: 268\n"
             "  flags: \"AspectSlice | AspectXMin | AspectYMax\"\n  written: (no text form)\n"},
            // Colours by their drawing class; what the library logs follows as a note.
            {"Color",
             {"#f80", "spot-color(Gold,0.5)"},
             0,
             "Color \"#f80\": accepted\n  color:\n    class: \"RGBColor\"\n    r: 255\n    g: 136\n"
             "    b: 0\n  written: \"rgb(255,136,0)\"\n"
             "Color \"spot-color(Gold,0.5)\": accepted\n  color:\n    class: \"SpotColor\"\n"
             "    colorName: \"Gold\"\n    tint: 0.5\n    rgbSubstitute:\n      r: 0\n      g: 0\n"
             "      b: 0\n  written: \"spot-color(Gold,0.5,rgb(0,0,0))\"\n"
             "  note: No substitute is known for spot color \"Gold\"; black is used.\n"},
            {"SColor",
             {"url(#g) red"},
             0,
             "SColor \"url(#g) red\": accepted\n  type: UrlPaint (1)\n  url: \"#g\"\n"
             "  written: (no text form)\n"},
            // A number beyond the float range is no length.
            {"Length", {"1e39pt"}, 1, "Length \"1e39pt\": rejected\n"},
        });
}

TEST(ParseCommand, RejectsWithNearMisses) {
    expectParses(
        false,
        {
            {"Length", {"12PT"}, 1, "Length \"12PT\": rejected\n  note: did you mean \"12pt\"?\n"},
            {"Length",
             {" 12pt", "12pt"},
             1,
             "Length \" 12pt\": rejected\n  note: did you mean \"12pt\"?\n"
             "Length \"12pt\": accepted\n  unit: pt (1)\n  size: 12\n  px: 16\n"
             "  written: \"12pt\"\n"},
            {"AxisUnits",
             {"Days", "0"},
             1,
             "AxisUnits \"Days\": rejected\n  note: did you mean \"days\"?\n"
             "AxisUnits \"0\": rejected\n"},
            // A keyword one or two edits away, or in another letter case.
            {"STextAnchor",
             {"midle", "Middle"},
             1,
             "STextAnchor \"midle\": rejected\n  note: did you mean \"middle\"?\n"
             "STextAnchor \"Middle\": rejected\n  note: did you mean \"middle\"?\n"},
            {"BorderStyle",
             {"sollid", "dased"},
             1,
             "BorderStyle \"sollid\": rejected\n  note: did you mean \"solid\"?\n"
             "BorderStyle \"dased\": rejected\n  note: did you mean \"dashed\"?\n"},
            // Measures that also read keywords offer those.
            {"BorderWidth",
             {"mediun", "Thick"},
             1,
             "BorderWidth \"mediun\": rejected\n  note: did you mean \"medium\"?\n"
             "BorderWidth \"Thick\": rejected\n  note: did you mean \"thick\"?\n"},
            {"Indent",
             {"body-start( )"},
             1,
             "Indent \"body-start( )\": rejected\n  note: did you mean \"body-start()\"?\n"},
            {"Color",
             {"CornflowerBlue", "rgb-icc(255,0,0,Coated,1)"},
             1,
             "Color \"CornflowerBlue\": rejected\n  note: did you mean \"cornflowerblue\"?\n"
             "Color \"rgb-icc(255,0,0,Coated,1)\": rejected\n"
             "  note: Malformed ICC color \"rgb-icc(255,0,0,Coated,1)\"; the value is ignored.\n"},
            // No near miss is offered where none is accepted.
            {"LengthOrPercent", {"auto"}, 1, "LengthOrPercent \"auto\": rejected\n"},
            {"Length", {"a\t\"b\""}, 1, "Length \"a\\t\\\"b\\\"\": rejected\n"},
        });
}

// One JSON document, an array with an object per text.
TEST(ParseCommand, WritesOneJsonArray) {
    expectParses(
        true,
        {
            {"Length",
             {"12pt", "12PT"},
             1,
             R"({"type":"Length","text":"12pt","accepted":true,"value":{"unit":{"name":"pt","number":1},"size":12.0,"px":16.0},"written":"12pt"})"
             "\n"
             R"({"type":"Length","text":"12PT","accepted":false,"suggestion":"12pt"})"
             "\n"},
            // Single-precision numbers go out as their shortest text: 0.1, not 0.100000001.
            {"SLengthOrPercent",
             {"0.1in", "x"},
             1,
             R"({"type":"SLengthOrPercent","text":"0.1in","accepted":true,"value":{"kind":{"name":"length","number":1},"length":{"unit":{"name":"in","number":5},"size":0.1,"px":9.6},"percent":0.0},"written":null})"
             "\n"
             R"({"type":"SLengthOrPercent","text":"x","accepted":false,"suggestion":null})"
             "\n"},
            {"float",
             {"1e39"},
             1,
             R"({"type":"float","text":"1e39","accepted":false,"suggestion":null})"
             "\n"},
            {"GradientUnits",
             {"objectboundingbox", "userSpaceOnUse"},
             1,
             R"({"type":"GradientUnits","text":"objectboundingbox","accepted":false,"suggestion":"objectBoundingBox"})"
             "\n"
             R"({"type":"GradientUnits","text":"userSpaceOnUse","accepted":true,"value":{"enumerator":{"name":"userSpaceOnUse","number":1}},"written":null})"
             "\n"},
            {"ContentLength",
             {"scale-to-fit", "50%"},
             0,
             R"({"type":"ContentLength","text":"scale-to-fit","accepted":true,"value":{"scaleMode":{"name":"scale-to-fit","number":1},"isNull":false},"written":"scale-to-fit"})"
             "\n"
             R"({"type":"ContentLength","text":"50%","accepted":true,"value":{"scaleMode":{"name":"length","number":2},"length":{"kind":{"name":"percent","number":2},"length":{"unit":{"name":"px","number":0},"size":0.0,"px":0.0},"percent":0.5},"isNull":false},"written":"50%"})"
             "\n"},
            {"PathData",
             {"m1 2h3z"},
             0,
             R"({"type":"PathData","text":"m1 2h3z","accepted":true,"value":{"commands":[)"
             R"({"type":{"name":"MoveTo","number":2},"relative":true,"x":{"unit":{"name":"px","number":0},"size":1.0,"px":1.0},"y":{"unit":{"name":"px","number":0},"size":2.0,"px":2.0}},)"
             R"({"type":{"name":"HorizontalLineTo","number":5},"relative":true,"x":{"unit":{"name":"px","number":0},"size":3.0,"px":3.0}},)"
             R"({"type":{"name":"ClosePath","number":3},"relative":false}]},"written":null})"
             "\n"},
            {"PointList",
             {"1,2 3,4", "1,"},
             1,
             R"({"type":"PointList","text":"1,2 3,4","accepted":true,"value":{"points":[)"
             R"({"x":{"unit":{"name":"px","number":0},"size":1.0,"px":1.0},"y":{"unit":{"name":"px","number":0},"size":2.0,"px":2.0}},)"
             R"({"x":{"unit":{"name":"px","number":0},"size":3.0,"px":3.0},"y":{"unit":{"name":"px","number":0},"size":4.0,"px":4.0}}]},"written":"1 2,3 4"})"
             "\n"
             R"({"type":"PointList","text":"1,","accepted":false,"suggestion":null})"
             "\n"},
            // Two ICC components make a count of 1, and only the first is kept.
            {"Color",
             {"rgb-icc(1,2,3,#P,0.5,0.25)", "rgb-icc(1,2,3,P,1)"},
             1,
             R"j({"type":"Color","text":"rgb-icc(1,2,3,#P,0.5,0.25)","accepted":true,"value":{"color":{"class":"ICCColor","profileName":"P","colorCount":1,)j"
             R"j("components":{"0":0.5,"1":0.0,"2":0.0,"3":0.0},"fallBack":{"r":1,"g":2,"b":3}}},"written":"rgb-icc(1,2,3,#P,0.5)"})j"
             "\n"
             R"j({"type":"Color","text":"rgb-icc(1,2,3,P,1)","accepted":false,"suggestion":null,"messages":["Malformed ICC color \"rgb-icc(1,2,3,P,1)\"; the value is ignored."]})j"
             "\n"},
            {"Language",
             {"cze"},
             0,
             R"({"type":"Language","text":"cze","accepted":true,"value":{"languageId":{"name":"czech","number":1},"countryId":{"name":null,"number":0}},"written":null})"
             "\n"},
        });
}

} // namespace
