// The xmlattr tool run as a process: parse's command line, types, defaults and usage errors.
#include "ToolProcess.h"

#include <gtest/gtest-spi.h>
#include <nlohmann/json.hpp>

#include <sys/stat.h>

#include <map>
#include <sstream>

namespace {

using namespace ToolTesting;

// -- parse ------------------------------------------------------------------------------

// What parse says of each text is tried in its own process (ParseCommandTest.cpp); here, how
// the command line reaches it.
TEST_F(ToolTest, ParseTakesTheCommandLine) {
    EXPECT_RUNS({
        // The type's name in any case; a text that starts with "-" is a text, not an option.
        {{"parse", "length", "-1.5cm"},
         0,
         "Length \"-1.5cm\": accepted\n  unit: cm (3)\n  size: -1.5\n  px: -56.692913\n"
         "  written: \"-1.5cm\"\n"},
        {{"parse", "Length", "12PT"},
         1,
         "Length \"12PT\": rejected\n  note: did you mean \"12pt\"?\n"},
        // --json among the texts.
        {{"parse", "SLengthOrPercent", "--json", "x"},
         1,
         R"([{"type":"SLengthOrPercent","text":"x","accepted":false,"suggestion":null}])"
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
