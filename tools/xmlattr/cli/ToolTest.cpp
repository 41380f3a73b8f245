// The xmlattr tool run as a process: parse, types, defaults and usage errors.
#include "ToolProcess.h"

#include <gtest/gtest-spi.h>
#include <nlohmann/json.hpp>

#include <sys/stat.h>

#include <map>
#include <sstream>

namespace {

using namespace ToolTesting;

// -- parse ------------------------------------------------------------------------------

TEST_F(ToolTest, ParseShowsFieldsAndWrittenText) {
    EXPECT_RUNS({
        {{"parse", "Length", "12pt", "2em"},
         0,
         "Length \"12pt\": accepted\n  unit: pt (1)\n  size: 12\n  px: 16\n"
         "  written: \"12pt\"\n"
         "Length \"2em\": accepted\n  unit: em (6)\n  size: 2\n  written: \"2em\"\n"},
        // The type's name in any case; a text that starts with "-" is a text, not an option.
        {{"parse", "length", "-1.5cm"},
         0,
         "Length \"-1.5cm\": accepted\n  unit: cm (3)\n  size: -1.5\n  px: -56.692913\n"
         "  written: \"-1.5cm\"\n"},
        {{"parse", "SLength", "50%", "3pc"},
         0,
         "SLength \"50%\": accepted\n  unit: % (9)\n  size: 0.5\n  px: 0.5\n"
         "  written: (no text form)\n"
         "SLength \"3pc\": accepted\n  unit: pc (8)\n  size: 3\n  px: 48\n"
         "  written: (no text form)\n"},
        {{"parse", "LengthOrPercent", "50%"},
         0,
         "LengthOrPercent \"50%\": accepted\n  kind: percent (2)\n  length:\n    unit: px (0)\n"
         "    size: 0\n    px: 0\n  percent: 0.5\n  written: \"50%\"\n"},
        {{"parse", "Language", "EN-us"},
         0,
         "Language \"EN-us\": accepted\n  languageId: english (3)\n"
         "  countryId: United States (1)\n  written: (no text form)\n"},
        {{"parse", "Value", "12/25/2010"},
         0,
         "Value \"12/25/2010\": accepted\n  type: date (2)\n  stringValue: \"12/25/2010\"\n"
         "  dateTimeValue:\n    year: 2010\n    month: 12\n    day: 25\n  ordinal: -1\n"
         "  getValue: \"12/25/2010\"\n  written: (no text form)\n"},
        // Keywords by the first keyword of their number; numbers without one alone.
        {{"parse", "TextAlign", "start", "justify"},
         0,
         "TextAlign \"start\": accepted\n  enumerator: left (1)\n  written: \"left\"\n"
         "TextAlign \"justify\": accepted\n  enumerator: justify (4)\n  written: \"justify\"\n"},
        {{"parse", "ReferenceOrientation", "-90"},
         0,
         "ReferenceOrientation \"-90\": accepted\n  enumerator: 3\n  written: \"270\"\n"},
        {{"parse", "FontWeight", "700"},
         0,
         "FontWeight \"700\": accepted\n  enumerator: bold (1)\n  written: \"bold\"\n"},
        {{"parse", "Url", "url( 'a b.png' )"},
         0,
         "Url \"url( 'a b.png' )\": accepted\n  url: \"a b.png\"\n  written: \"url(a b.png)\"\n"},
        // Records nest; lists show their items by index, an empty one as "[]".
        {{"parse", "DashPattern", "5, 10%", "none"},
         0,
         "DashPattern \"5, 10%\": accepted\n  lengths:\n    [0]:\n      unit: px (0)\n"
         "      size: 5\n      px: 5\n    [1]:\n      unit: % (9)\n      size: 0.1\n"
         "      px: 0.1\n  written: (no text form)\n"
         "DashPattern \"none\": accepted\n  lengths: []\n  written: (no text form)\n"},
        {{"parse", "FontSize", "larger"},
         0,
         "FontSize \"larger\": accepted\n  type: relative (1)\n  relativeSize: larger (0)\n"
         "  written: \"larger\"\n"},
        {{"parse", "AlignmentAdjust", "text-top"},
         0,
         "AlignmentAdjust \"text-top\": accepted\n  isBaseline: true\n"
         "  baseline: text-top (13)\n  written: \"text-top\"\n"},
        // Geometry members as held: a single-precision number widened to double.
        {{"parse", "TransformList", "scale(0.1) skewX(30)"},
         0,
         "TransformList \"scale(0.1) skewX(30)\": accepted\n  transforms:\n    [0]:\n"
         "      type: Scale (3)\n      sx: 0.10000000149011612\n      sy: 0.10000000149011612\n"
         "    [1]:\n      type: SkewX (5)\n      skewAngleX: 30\n      skewAngleY: 30\n"
         "  written: (no text form)\n"},
        {{"parse", "SPreserveAspectRatio", "xMinYMax slice"},
         0,
         "SPreserveAspectRatio \"xMinYMax slice\": accepted\n  aspectRatio: 268\n"
         "  flags: \"AspectSlice | AspectXMin | AspectYMax\"\n  written: (no text form)\n"},
        // Colours by their drawing class; what the library logs follows as a note.
        {{"parse", "Color", "#f80", "spot-color(Gold,0.5)"},
         0,
         "Color \"#f80\": accepted\n  color:\n    class: \"RGBColor\"\n    r: 255\n    g: 136\n"
         "    b: 0\n  written: \"rgb(255,136,0)\"\n"
         "Color \"spot-color(Gold,0.5)\": accepted\n  color:\n    class: \"SpotColor\"\n"
         "    colorName: \"Gold\"\n    tint: 0.5\n    rgbSubstitute:\n      r: 0\n      g: 0\n"
         "      b: 0\n  written: \"spot-color(Gold,0.5,rgb(0,0,0))\"\n"
         "  note: No substitute is known for spot color \"Gold\"; black is used.\n"},
        {{"parse", "SColor", "url(#g) red"},
         0,
         "SColor \"url(#g) red\": accepted\n  type: UrlPaint (1)\n  url: \"#g\"\n"
         "  written: (no text form)\n"},
        // A number beyond the float range is no length.
        {{"parse", "Length", "1e39pt"}, 1, "Length \"1e39pt\": rejected\n"},
    });
}

TEST_F(ToolTest, ParseRejectsWithNearMissesAndExitsOne) {
    EXPECT_RUNS({
        {{"parse", "Length", "12PT"},
         1,
         "Length \"12PT\": rejected\n  note: did you mean \"12pt\"?\n"},
        {{"parse", "Length", " 12pt", "12pt"},
         1,
         "Length \" 12pt\": rejected\n  note: did you mean \"12pt\"?\n"
         "Length \"12pt\": accepted\n  unit: pt (1)\n  size: 12\n  px: 16\n"
         "  written: \"12pt\"\n"},
        {{"parse", "AxisUnits", "Days", "0"},
         1,
         "AxisUnits \"Days\": rejected\n  note: did you mean \"days\"?\n"
         "AxisUnits \"0\": rejected\n"},
        // A keyword one or two edits away, or in another letter case.
        {{"parse", "STextAnchor", "midle", "Middle"},
         1,
         "STextAnchor \"midle\": rejected\n  note: did you mean \"middle\"?\n"
         "STextAnchor \"Middle\": rejected\n  note: did you mean \"middle\"?\n"},
        {{"parse", "BorderStyle", "sollid", "dased"},
         1,
         "BorderStyle \"sollid\": rejected\n  note: did you mean \"solid\"?\n"
         "BorderStyle \"dased\": rejected\n  note: did you mean \"dashed\"?\n"},
        // Measures that also read keywords offer those.
        {{"parse", "BorderWidth", "mediun", "Thick"},
         1,
         "BorderWidth \"mediun\": rejected\n  note: did you mean \"medium\"?\n"
         "BorderWidth \"Thick\": rejected\n  note: did you mean \"thick\"?\n"},
        {{"parse", "Indent", "body-start( )"},
         1,
         "Indent \"body-start( )\": rejected\n  note: did you mean \"body-start()\"?\n"},
        {{"parse", "Color", "CornflowerBlue", "rgb-icc(255,0,0,Coated,1)"},
         1,
         "Color \"CornflowerBlue\": rejected\n  note: did you mean \"cornflowerblue\"?\n"
         "Color \"rgb-icc(255,0,0,Coated,1)\": rejected\n"
         "  note: Malformed ICC color \"rgb-icc(255,0,0,Coated,1)\"; the value is ignored.\n"},
        // No near miss is offered where none is accepted.
        {{"parse", "LengthOrPercent", "auto"}, 1, "LengthOrPercent \"auto\": rejected\n"},
        {{"parse", "Length", "a\t\"b\""}, 1, "Length \"a\\t\\\"b\\\"\": rejected\n"},
    });
}

// The output is one JSON document, an array with an object per text; the rows give the
// objects one to a line.
void expectJsonArrays(ToolTest const& test, std::vector<Expected> const& rows) {
    for (Expected const& row : rows) {
        SCOPED_TRACE(joined(row.arguments));
        Outcome const outcome = test.run(row.arguments);
        EXPECT_EQ(outcome.status, row.status);
        EXPECT_EQ(outcome.err, "");
        nlohmann::ordered_json const whole = nlohmann::ordered_json::parse(outcome.out);
        ASSERT_TRUE(whole.is_array());
        std::string lines;
        for (nlohmann::ordered_json const& object : whole) {
            lines += object.dump() + "\n";
        }
        EXPECT_EQ(lines, row.out);
    }
}

TEST_F(ToolTest, ParseWritesOneJsonArray) {
    expectJsonArrays(
        *this,
        {
            {{"parse", "--json", "Length", "12pt", "12PT"},
             1,
             R"({"type":"Length","text":"12pt","accepted":true,"value":{"unit":{"name":"pt","number":1},"size":12.0,"px":16.0},"written":"12pt"})"
             "\n"
             R"({"type":"Length","text":"12PT","accepted":false,"suggestion":"12pt"})"
             "\n"},
            // Single-precision numbers go out as their shortest text: 0.1, not 0.100000001.
            {{"parse", "SLengthOrPercent", "--json", "0.1in", "x"},
             1,
             R"({"type":"SLengthOrPercent","text":"0.1in","accepted":true,"value":{"kind":{"name":"length","number":1},"length":{"unit":{"name":"in","number":5},"size":0.1,"px":9.6},"percent":0.0},"written":null})"
             "\n"
             R"({"type":"SLengthOrPercent","text":"x","accepted":false,"suggestion":null})"
             "\n"},
            {{"parse", "--json", "float", "1e39"},
             1,
             R"({"type":"float","text":"1e39","accepted":false,"suggestion":null})"
             "\n"},
            {{"parse", "--json", "GradientUnits", "objectboundingbox", "userSpaceOnUse"},
             1,
             R"({"type":"GradientUnits","text":"objectboundingbox","accepted":false,"suggestion":"objectBoundingBox"})"
             "\n"
             R"({"type":"GradientUnits","text":"userSpaceOnUse","accepted":true,"value":{"enumerator":{"name":"userSpaceOnUse","number":1}},"written":null})"
             "\n"},
            {{"parse", "--json", "ContentLength", "scale-to-fit", "50%"},
             0,
             R"({"type":"ContentLength","text":"scale-to-fit","accepted":true,"value":{"scaleMode":{"name":"scale-to-fit","number":1},"isNull":false},"written":"scale-to-fit"})"
             "\n"
             R"({"type":"ContentLength","text":"50%","accepted":true,"value":{"scaleMode":{"name":"length","number":2},"length":{"kind":{"name":"percent","number":2},"length":{"unit":{"name":"px","number":0},"size":0.0,"px":0.0},"percent":0.5},"isNull":false},"written":"50%"})"
             "\n"},
            {{"parse", "--json", "PathData", "m1 2h3z"},
             0,
             R"({"type":"PathData","text":"m1 2h3z","accepted":true,"value":{"commands":[)"
             R"({"type":{"name":"MoveTo","number":2},"relative":true,"x":{"unit":{"name":"px","number":0},"size":1.0,"px":1.0},"y":{"unit":{"name":"px","number":0},"size":2.0,"px":2.0}},)"
             R"({"type":{"name":"HorizontalLineTo","number":5},"relative":true,"x":{"unit":{"name":"px","number":0},"size":3.0,"px":3.0}},)"
             R"({"type":{"name":"ClosePath","number":3},"relative":false}]},"written":null})"
             "\n"},
            {{"parse", "--json", "PointList", "1,2 3,4", "1,"},
             1,
             R"({"type":"PointList","text":"1,2 3,4","accepted":true,"value":{"points":[)"
             R"({"x":{"unit":{"name":"px","number":0},"size":1.0,"px":1.0},"y":{"unit":{"name":"px","number":0},"size":2.0,"px":2.0}},)"
             R"({"x":{"unit":{"name":"px","number":0},"size":3.0,"px":3.0},"y":{"unit":{"name":"px","number":0},"size":4.0,"px":4.0}}]},"written":"1 2,3 4"})"
             "\n"
             R"({"type":"PointList","text":"1,","accepted":false,"suggestion":null})"
             "\n"},
            // Two ICC components make a count of 1, and only the first is kept.
            {{"parse", "--json", "Color", "rgb-icc(1,2,3,#P,0.5,0.25)", "rgb-icc(1,2,3,P,1)"},
             1,
             R"j({"type":"Color","text":"rgb-icc(1,2,3,#P,0.5,0.25)","accepted":true,"value":{"color":{"class":"ICCColor","profileName":"P","colorCount":1,)j"
             R"j("components":{"0":0.5,"1":0.0,"2":0.0,"3":0.0},"fallBack":{"r":1,"g":2,"b":3}}},"written":"rgb-icc(1,2,3,#P,0.5)"})j"
             "\n"
             R"j({"type":"Color","text":"rgb-icc(1,2,3,P,1)","accepted":false,"suggestion":null,"messages":["Malformed ICC color \"rgb-icc(1,2,3,P,1)\"; the value is ignored."]})j"
             "\n"},
            {{"parse", "--json", "Language", "cze"},
             0,
             R"({"type":"Language","text":"cze","accepted":true,"value":{"languageId":{"name":"czech","number":1},"countryId":{"name":null,"number":0}},"written":null})"
             "\n"},
        });
}

TEST_F(ToolTest, UsageErrorsExitTwo) {
    EXPECT_RUNS({
        {{"parse", "Lenght", "1pt"},
         2,
         "",
         "xmlattr: error: unknown type \"Lenght\"; did you mean Length?\n"},
        {{"parse", "Percent", "1pt"},
         2,
         "",
         "xmlattr: error: unknown type \"Percent\"; did you mean FloatOrPercent, "
         "LengthOrPercent or SLengthOrPercent?\n"},
        {{"parse", "Zebra", "1"},
         2,
         "",
         "xmlattr: error: unknown type \"Zebra\"; \"xmlattr types\" lists the known types\n"},
    });
    for (std::vector<std::string> const& arguments : std::vector<std::vector<std::string>>{
             {}, {"parse", "Length"}, {"check", "--bogus"}, {"check", "--format", "xml"}}) {
        SCOPED_TRACE(joined(arguments));
        Outcome const outcome = run(arguments);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err, "");
    }
}

TEST_F(ToolTest, UnknownCommandListsTheCommands) {
    EXPECT_RUNS({{{"bogus", "x"},
                  2,
                  "",
                  "xmlattr: error: unknown command \"bogus\"; the commands are parse, types, "
                  "defaults, check, lsp (\"xmlattr --help\" says more)\n"}});
}

// Help and usage errors are plain text: printable ASCII, spaces and line breaks.
TEST_F(ToolTest, HelpVersionAndTypes) {
    Outcome const version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "xmlattr " XMLATTR_VERSION_TEXT "\n");
    auto const plain = [](std::string const& text) {
        return std::all_of(text.begin(), text.end(),
                           [](char c) { return c == '\n' || (c >= ' ' && c <= '~'); });
    };
    for (std::vector<std::string> const& arguments : std::vector<std::vector<std::string>>{
             {"--help"}, {"parse", "--help"}, {"types", "--help"}, {"check", "--help"}}) {
        SCOPED_TRACE(joined(arguments));
        Outcome const help = run(arguments);
        EXPECT_EQ(help.status, 0);
        EXPECT_NE(help.out.find("Usage:"), std::string::npos);
        EXPECT_TRUE(plain(help.out)) << help.out;
    }
    Outcome const wrongFormat = run({"check", "--format", "xml", "a.svg"});
    EXPECT_EQ(wrongFormat.status, 2);
    EXPECT_NE(wrongFormat.err.find("json"), std::string::npos) << wrongFormat.err;
    EXPECT_TRUE(plain(wrongFormat.err)) << wrongFormat.err;
    Outcome const types = run({"types"});
    EXPECT_EQ(types.status, 0);
    // Each line: the name, blanks to a common column, the description, and for a keyword
    // type its first keywords.
    std::map<std::string, std::string> listed;
    std::istringstream lines(types.out);
    std::size_t column = 0;
    for (std::string line; std::getline(lines, line);) {
        std::size_t const gap = line.find("  ");
        std::size_t const start = line.find_first_not_of(' ', gap);
        ASSERT_NE(start, std::string::npos) << line;
        EXPECT_TRUE(column == 0 || column == start) << line;
        column = start;
        listed[line.substr(0, gap)] = line.substr(start);
    }
    EXPECT_EQ(listed["Length"],
              "formatting-object length: a number and a unit in small letters (\"12pt\"), or "
              "\"0\"");
    EXPECT_EQ(listed["DisplayAlign"], "display-align: where content sits in the "
                                      "block-progression direction [before, after, center]");
    EXPECT_EQ(listed["TextAlign"], "text-align, text-align-last: alignment of the lines of a "
                                   "block [left, start, inside, right, ...]");
    EXPECT_EQ(listed.count("float"), 1u);
}

// A tool that never ends is killed after the limit, and the test fails saying so: here it
// waits on standard input that stays open.
TEST_F(ToolTest, ARunPastItsLimitIsKilled) {
    std::string const pipe = (docs() / "input").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // Held open for writing, the pipe never ends.
    int const writer = ::open(pipe.c_str(), O_RDWR);
    ASSERT_GE(writer, 0);
    ::testing::TestPartResultArray failures;
    Outcome outcome;
    {
        ::testing::ScopedFakeTestPartResultReporter const intercept(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        Launch launch;
        launch.input = pipe;
        launch.limit = std::chrono::milliseconds(300);
        outcome = run({"check", "-"}, launch);
    }
    ::close(writer);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures.GetTestPartResult(0).nonfatally_failed());
    EXPECT_NE(std::string(failures.GetTestPartResult(0).message())
                  .find("ran longer than 300 ms and was killed"),
              std::string::npos)
        << failures.GetTestPartResult(0).message();
    EXPECT_EQ(outcome.status, 128 + SIGKILL);
}

// -- defaults ---------------------------------------------------------------------------

TEST_F(ToolTest, DefaultsListsEveryExportedDefault) {
    Outcome const text = run({"defaults"});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.err, "");
    std::map<std::string, std::pair<std::string, std::string>> listed;
    std::istringstream lines(text.out);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string name;
        std::string type;
        words >> name >> type;
        std::string written;
        std::getline(words >> std::ws, written);
        listed[name] = {type, written};
    }
    EXPECT_EQ(listed.size(), 152u);
    using Row = std::pair<std::string, std::pair<std::string, std::string>>;
    for (Row const& row : {
             Row{"DefaultTextAlign", {"TextAlign", "\"left\""}},
             Row{"DefaultBorderWidth", {"BorderWidth", "\"1.5pt\""}},
             Row{"DefaultMargin", {"Margin", "\"\""}},
             Row{"DefaultLineHeight", {"LengthOrPercent", "\"120%\""}},
             Row{"DefaultBorderColor", {"Color", "\"rgb(0,0,0)\""}},
             Row{"DefaultBoxShadow", {"BoxShadow", "\"0px 0px 0px \""}},
             Row{"DefaultDotSize", {"int", "\"4\""}},
             Row{"DefaultMaxFloat", {"float", "\"2147483648\""}},
             Row{"DefaultSDashPattern", {"DashPattern", "(no text form)"}},
             Row{"DefaultFormControlTypeAttribute", {"FormControlType", "(no text form)"}},
         }) {
        SCOPED_TRACE(row.first);
        EXPECT_EQ(listed[row.first], row.second);
    }
    Outcome const json = run({"defaults", "--json"});
    EXPECT_EQ(json.status, 0);
    nlohmann::ordered_json const whole = nlohmann::ordered_json::parse(json.out);
    ASSERT_TRUE(whole.is_array());
    EXPECT_EQ(whole.size(), 152u);
    std::map<std::string, std::string> objects;
    for (nlohmann::ordered_json const& object : whole) {
        objects[object["name"].get<std::string>()] = object.dump();
    }
    EXPECT_EQ(objects["DefaultSNullableFillColor"],
              R"({"name":"DefaultSNullableFillColor","type":"SNullableColor",)"
              R"("written":null,"value":{"type":{"name":"ColorPaint","number":2},)"
              R"("color":{"class":"RGBColor","r":0,"g":0,"b":0},"isNull":true}})");
    EXPECT_EQ(objects["DefaultSPreserveAspectRatio"],
              R"({"name":"DefaultSPreserveAspectRatio","type":"SPreserveAspectRatio",)"
              R"("written":null,"value":{"aspectRatio":146,)"
              R"("flags":"AspectMeet | AspectXMid | AspectYMid"}})");
}

} // namespace
