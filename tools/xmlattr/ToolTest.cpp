// The xmlattr tool run as a process: what it prints and the status it exits with.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readFile(fs::path const& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(fs::path const& path, std::string_view content) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

// Each test gets a folder of its own: documents go in `docs`, which is the tool's working
// folder, so that diagnostics name them by relative paths.
class ToolTest : public ::testing::Test {
public:
    void SetUp() override {
        ::testing::TestInfo const* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_root = fs::path(::testing::TempDir()) / "xmlattr_tool_test" /
                 (std::string(info->test_suite_name()) + "." + info->name());
        fs::remove_all(m_root);
        fs::create_directories(docs());
    }
    void TearDown() override { fs::remove_all(m_root); }

    fs::path docs() const { return m_root / "docs"; }

    void document(std::string const& name, std::string_view content) const {
        writeFile(docs() / name, content);
    }

    /// Standard error goes to `errorDevice` instead of a file when one is named.
    Outcome run(std::vector<std::string> const& arguments,
                std::string const& errorDevice = {}) const {
        std::string const outPath = (m_root / "stdout").string();
        std::string const errPath =
            errorDevice.empty() ? (m_root / "stderr").string() : errorDevice;
        std::string const folder = docs().string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
        std::vector<std::string> words{XMLATTR_TOOL};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        pid_t child = 0;
        int const spawned =
            posix_spawn(&child, XMLATTR_TOOL, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        Outcome outcome;
        if (spawned != 0) {
            ADD_FAILURE() << "cannot start " << XMLATTR_TOOL;
            return outcome;
        }
        int status = 0;
        waitpid(child, &status, 0);
        outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        outcome.out = readFile(outPath);
        if (errorDevice.empty()) {
            outcome.err = readFile(errPath);
        }
        return outcome;
    }

private:
    fs::path m_root;
};

struct Expected {
    std::vector<std::string> arguments;
    int status;
    std::string out;
    std::string err = {};
};

std::string joined(std::vector<std::string> const& words) {
    std::string text;
    for (std::string const& word : words) {
        text += (text.empty() ? "" : " ") + word;
    }
    return text;
}

void expectRuns(ToolTest const& test, std::vector<Expected> const& rows) {
    for (Expected const& row : rows) {
        SCOPED_TRACE(joined(row.arguments));
        Outcome const outcome = test.run(row.arguments);
        EXPECT_EQ(outcome.status, row.status);
        EXPECT_EQ(outcome.out, row.out);
        EXPECT_EQ(outcome.err, row.err);
    }
}

#define EXPECT_RUNS(...) expectRuns(*this, __VA_ARGS__)

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

TEST_F(ToolTest, ParseWritesOneJsonObjectPerText) {
    EXPECT_RUNS({
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
             {}, {"parse", "Length"}, {"frobnicate"}, {"check", "--bogus"}}) {
        SCOPED_TRACE(joined(arguments));
        Outcome const outcome = run(arguments);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err, "");
    }
}

TEST_F(ToolTest, HelpVersionAndTypes) {
    Outcome const version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "xmlattr " XMLATTR_VERSION_TEXT "\n");
    for (std::string const command : {"parse", "types", "check"}) {
        SCOPED_TRACE(command);
        Outcome const help = run({command, "--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_NE(help.out.find("Usage:"), std::string::npos);
    }
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
    EXPECT_NE(json.out.find(R"({"name":"DefaultSNullableFillColor","type":"SNullableColor",)"
                            R"("written":null,"value":{"type":{"name":"ColorPaint","number":2},)"
                            R"("color":{"class":"RGBColor","r":0,"g":0,"b":0},"isNull":true}})"
                            "\n"),
              std::string::npos);
    EXPECT_NE(
        json.out.find(R"({"name":"DefaultSPreserveAspectRatio","type":"SPreserveAspectRatio",)"
                      R"("written":null,"value":{"aspectRatio":146,)"
                      R"("flags":"AspectMeet | AspectXMid | AspectYMid"}})"
                      "\n"),
        std::string::npos);
}

// -- check ------------------------------------------------------------------------------

// Line 7 has a two-byte character and a tab before its attributes: columns count
// characters, as compilers do.
constexpr std::string_view kPage =
    "<?xml version=\"1.0\"?>\n"
    "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" xmlns:x=\"urn:other\">\n"
    "  <fo:block space-before=\"6pt\" space-after=\"6PT\"\n"
    "      x:space-after=\"bad\" extent=\"inherit\" line-height=\"1em + 2pt\"\n"
    "      padding=\"2mm\" language=\"EN-us\" master-name=\"first\">\n"
    "    <other space-before=\"bad\"/>\n"
    "    <fo:block-container id=\"\xC3\xA9\" line-height=\"normal\"\tcolumn-gap = '  5mm'/>\n"
    "  </fo:block>\n"
    "</fo:root>\n";

constexpr std::string_view kPageReport =
    "page.fo:3:32: error: space-after=\"6PT\" is not a valid Length\n"
    "page.fo:3:32: note: did you mean \"6pt\"?\n"
    "page.fo:7:32: error: line-height=\"normal\" is not a valid LengthOrPercent\n"
    "page.fo:7:53: error: column-gap=\"  5mm\" is not a valid LengthOrPercent\n"
    "page.fo:7:53: note: did you mean \"5mm\"?\n";

TEST_F(ToolTest, CheckReportsRejectedValuesWhereTheyAre) {
    document("page.fo", kPage);
    EXPECT_RUNS({{{"check", "page.fo"},
                  1,
                  std::string(kPageReport) +
                      "checked 1 file: 8 attributes, 3 accepted, 3 rejected, 2 skipped; 2 of no "
                      "type the library reads\n"
                      "attribute            type             accepted  rejected   skipped\n"
                      "XSL-FO column-gap    LengthOrPercent         0         1         0\n"
                      "XSL-FO extent        Length                  0         0         1\n"
                      "XSL-FO language      Language                1         0         0\n"
                      "XSL-FO line-height   LengthOrPercent         0         1         1\n"
                      "XSL-FO padding       LengthOrPercent         1         0         0\n"
                      "XSL-FO space-after   Length                  0         1         0\n"
                      "XSL-FO space-before  Length                  1         0         0\n"}});
}

// Line ends are CRLF, and one inside the style attribute; the style's declarations stand
// where they are written, except in a value holding a reference, which gives the value's.
TEST_F(ToolTest, CheckReadsSvgStyleDeclarations) {
    document("icon.svg",
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"50%\">\r\n"
             "  <rect x=\"1\" y=\"1\" id=\"r\"\r\n"
             "        style=\"font-size:medium;stroke-width : 2 ;\r\n"
             " font-size: 12pt !important;; font-size :small\"/>\r\n"
             "  <text font-size=\"currentColor\" x=\"inherit\" y=\"&#32;1\">t</text>\r\n"
             "  <text style=\"font-size: &quot;x&quot;\">t</text>\r\n"
             "</svg>\r\n");
    EXPECT_RUNS({{{"check", "icon.svg"},
                  1,
                  "icon.svg:3:16: error: font-size=\"medium\" is not a valid SLengthOrPercent\n"
                  "icon.svg:4:31: error: font-size=\"small\" is not a valid SLengthOrPercent\n"
                  "icon.svg:6:16: error: font-size=\"\\\"x\\\"\" is not a valid "
                  "SLengthOrPercent\n"
                  "checked 1 file: 12 attributes, 7 accepted, 3 rejected, 2 skipped; 1 of no "
                  "type the library reads\n"
                  "attribute         type              accepted  rejected   skipped\n"
                  "SVG font-size     SLengthOrPercent         1         3         1\n"
                  "SVG height        SLength                  1         0         0\n"
                  "SVG stroke-width  SLength                  1         0         0\n"
                  "SVG width         SLength                  1         0         0\n"
                  "SVG x             SLength                  1         0         1\n"
                  "SVG y             SLength                  2         0         0\n"}});
}

TEST_F(ToolTest, CheckOffersNearMissesForKeywords) {
    document("keywords.fo", "<fo:block xmlns:fo='http://www.w3.org/1999/XSL/Format'\n"
                            " text-align='centre' break-before='Page' font-weight='700'\n"
                            " keep-together.within-page='5' border-top-style='dahsed'/>\n");
    document("keywords.svg", "<svg xmlns='http://www.w3.org/2000/svg'>\n"
                             " <path visibility='Visible' style='stroke-linecap: Round;"
                             "display:inherit'/>\n"
                             "</svg>\n");
    Outcome const outcome = run({"check", "keywords.fo", "keywords.svg"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out.substr(0, outcome.out.find("checked")),
              "keywords.fo:2:2: error: text-align=\"centre\" is not a valid TextAlign\n"
              "keywords.fo:2:2: note: did you mean \"center\"?\n"
              "keywords.fo:2:22: error: break-before=\"Page\" is not a valid Break\n"
              "keywords.fo:2:22: note: did you mean \"page\"?\n"
              "keywords.fo:3:32: error: border-top-style=\"dahsed\" is not a valid "
              "BorderStyle\n"
              "keywords.fo:3:32: note: did you mean \"dashed\"?\n"
              "keywords.svg:2:8: error: visibility=\"Visible\" is not a valid SVisibility\n"
              "keywords.svg:2:8: note: did you mean \"visible\"?\n"
              "keywords.svg:2:36: error: stroke-linecap=\"Round\" is not a valid SLineCap\n"
              "keywords.svg:2:36: note: did you mean \"round\"?\n");
    EXPECT_NE(outcome.out.find("checked 2 files: 8 attributes, 2 accepted, 5 rejected, 1 "
                               "skipped; 0 of no type the library reads\n"),
              std::string::npos);
}

// A value the library accepts with a warning is reported as a warning, which leaves the
// exit status alone; a rejected value's warning becomes a note.
TEST_F(ToolTest, CheckReportsWhatTheLibraryLogs) {
    document("colours.fo", "<fo:block xmlns:fo='http://www.w3.org/1999/XSL/Format'\n"
                           " color='spot-color(Gold)' background-color='rgb-icc(1,2,3,P,1)'/>\n");
    Outcome const outcome = run({"check", "colours.fo"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out.substr(0, outcome.out.find("checked")),
              "colours.fo:2:2: warning: color=\"spot-color(Gold)\": No substitute is known for "
              "spot color \"Gold\"; black is used.\n"
              "colours.fo:2:27: error: background-color=\"rgb-icc(1,2,3,P,1)\" is not a valid "
              "Color\n"
              "colours.fo:2:27: note: Malformed ICC color \"rgb-icc(1,2,3,P,1)\"; the value is "
              "ignored.\n");
    EXPECT_EQ(outcome.err, "");
}

TEST_F(ToolTest, CheckExitsZeroWhenNothingIsRejected) {
    document("clean.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='1'/>");
    // Elements outside the two vocabularies are not looked at.
    document("plain.xml", "<doc width='nonsense'><svg width='nonsense'/></doc>");
    EXPECT_RUNS({{{"check", "clean.svg", "plain.xml"},
                  0,
                  "checked 2 files: 1 attributes, 1 accepted, 0 rejected, 0 skipped; 0 of no "
                  "type the library reads\n"
                  "attribute  type     accepted  rejected   skipped\n"
                  "SVG width  SLength         1         0         0\n"}});
}

TEST_F(ToolTest, CheckSearchesFoldersForDocuments) {
    std::string const bad = "<svg xmlns='http://www.w3.org/2000/svg' font-size='big'/>";
    document("set/b.svg", bad);
    document("set/A.SVG", bad);
    document("set/notes.txt", bad);
    document("set/deeper/c.fo",
             "<fo:root xmlns:fo='http://www.w3.org/1999/XSL/Format' extent='1PX'/>");
    document("set/deeper/d.xml", "<fo:root xmlns:fo='http://www.w3.org/1999/XSL/Format'/>");
    Outcome const outcome = run({"check", "set"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "");
    std::string const head = outcome.out.substr(0, outcome.out.find("checked"));
    EXPECT_EQ(head, "set/A.SVG:1:41: error: font-size=\"big\" is not a valid SLengthOrPercent\n"
                    "set/b.svg:1:41: error: font-size=\"big\" is not a valid SLengthOrPercent\n"
                    "set/deeper/c.fo:1:55: error: extent=\"1PX\" is not a valid Length\n"
                    "set/deeper/c.fo:1:55: note: did you mean \"1px\"?\n");
    EXPECT_NE(outcome.out.find("checked 4 files: 3 attributes"), std::string::npos);
}

TEST_F(ToolTest, CheckReportsDocumentsThatAreNotWellFormed) {
    document("broken.fo", "<fo:root xmlns:fo='http://www.w3.org/1999/XSL/Format'>\n"
                          "  <fo:block extent='1PT'>\n"
                          "</fo:root>\n");
    document("empty.svg", "");
    document("bytes.svg", "<svg xmlns='http://www.w3.org/2000/svg' id='\xFF'/>");
    document("good.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='1'/>");
    Outcome const outcome = run({"check", "broken.fo", "empty.svg", "bytes.svg", "good.svg"});
    EXPECT_EQ(outcome.status, 2);
    // The values read before the fault are reported and counted.
    EXPECT_EQ(outcome.out,
              "broken.fo:2:13: error: extent=\"1PT\" is not a valid Length\n"
              "broken.fo:2:13: note: did you mean \"1pt\"?\n"
              "checked 4 files: 2 attributes, 1 accepted, 1 rejected, 0 skipped; 0 of no type "
              "the library reads\n"
              "attribute      type     accepted  rejected   skipped\n"
              "XSL-FO extent  Length          0         1         0\n"
              "SVG width      SLength         1         0         0\n");
    EXPECT_EQ(outcome.err, "broken.fo:3:3: error: not well-formed XML: mismatched tag\n"
                           "empty.svg:1:1: error: not well-formed XML: no element found\n"
                           "bytes.svg:1:45: error: not well-formed XML: not well-formed "
                           "(invalid token)\n");
}

TEST_F(ToolTest, CheckReportsFilesThatCannotBeRead) {
    document("bad.fo", "<fo:root xmlns:fo='http://www.w3.org/1999/XSL/Format' extent='x'/>");
    Outcome const outcome = run({"check", "missing.fo", "bad.fo"});
    // A file that cannot be read outranks a rejected value.
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err, "xmlattr: error: cannot read missing.fo: No such file or directory\n");
    EXPECT_EQ(outcome.out.substr(0, outcome.out.find("checked")),
              "bad.fo:1:55: error: extent=\"x\" is not a valid Length\n");
}

// Documents are streamed in 64 KiB pieces: tags that straddle two pieces keep their
// attributes' positions.
TEST_F(ToolTest, CheckStreamsLargeDocuments) {
    constexpr int kLines = 400;
    std::string const padding(1000, 'p');
    std::ostringstream text;
    std::ostringstream expected;
    text << "<svg xmlns=\"http://www.w3.org/2000/svg\">\n";
    for (int line = 2; line < kLines + 2; ++line) {
        int const indent = line % 7;
        std::string const number = std::to_string(line);
        std::string const row = std::string(static_cast<std::size_t>(indent), ' ') + "<rect id=\"" +
                                padding + "\" width=\"" + number + "\" height=\"" + number +
                                "%\" font-size=\"x" + number + "\"/>\n";
        text << row;
        std::size_t const column = row.find("font-size") + 1;
        expected << "big.svg:" << line << ":" << column << ": error: font-size=\"x" << line
                 << "\" is not a valid SLengthOrPercent\n";
    }
    text << "</svg>\n";
    document("big.svg", text.str());
    ASSERT_GT(text.str().size(), 5u * 65536u);
    Outcome const outcome = run({"check", "big.svg"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out.substr(0, outcome.out.find("checked")), expected.str());
    EXPECT_NE(outcome.out.find("checked 1 file: 1200 attributes, 800 accepted, 400 rejected"),
              std::string::npos);
}

// On a terminal a progress line names each document on standard error, and is wiped before
// anything else is written and at the end.
TEST_F(ToolTest, CheckShowsProgressOnATerminal) {
    document("a.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='1'/>");
    document("b.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='1'/>");
    int const terminal = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    ASSERT_EQ(grantpt(terminal), 0);
    ASSERT_EQ(unlockpt(terminal), 0);
    Outcome const outcome = run({"check", "a.svg", "b.svg"}, ptsname(terminal));
    fcntl(terminal, F_SETFL, O_NONBLOCK);
    std::string shown;
    char buffer[4096];
    for (ssize_t got; (got = read(terminal, buffer, sizeof buffer)) > 0;) {
        shown.append(buffer, static_cast<std::size_t>(got));
    }
    close(terminal);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(shown.rfind("\r\033[Kchecking 1/2 a.svg", 0), 0u) << shown;
    EXPECT_EQ(shown.substr(shown.size() - 4), "\r\033[K") << shown;
    EXPECT_EQ(outcome.out.rfind("checked 2 files", 0), 0u);
}

// Without a path the bundled samples are checked; their deliberate mistakes make it exit 1.
TEST_F(ToolTest, CheckWithoutPathChecksTheSamples) {
    Outcome const outcome = run({"check"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "");
    for (std::string const sample : {"/invoice.fo:", "/badge.svg:"}) {
        EXPECT_NE(outcome.out.find(XMLATTR_SAMPLES_DIR + sample), std::string::npos) << sample;
    }
    EXPECT_NE(outcome.out.find("checked 2 files"), std::string::npos);
}

} // namespace
