// Where the machine formats place a diagnostic: the value, or its part at fault, in UTF-16 code
// units.
#include "CheckOutput.h"
#include "Messages.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

using Tool::Diagnostic;
using Tool::Range;

// What a writer prints on standard output for one report; what goes to standard error is dropped.
std::string written(Tool::OutputFormat format, Tool::FileReport const& report) {
    testing::internal::CaptureStdout();
    {
        Tool::Console console(false);
        std::unique_ptr<Tool::ReportWriter> const writer =
            Tool::makeReportWriter(format, console, false);
        writer->file(report);
        testing::internal::CaptureStderr();
        writer->finish(Tool::RunTally{}, false);
        testing::internal::GetCapturedStderr();
    }
    return testing::internal::GetCapturedStdout();
}

// A part at fault, in code units: what the machine formats mark where there is one. The value's
// own range is tried through whole documents, in the process tests.
TEST(CheckOutput, PlacesThePartAtFault) {
    Tool::FileReport report;
    report.path = "a.svg";
    Diagnostic& diagnostic = report.diagnostics.emplace_back();
    diagnostic.attribute = "d";
    diagnostic.range = {{3, 8, 9}, {3, 20, 21}};
    diagnostic.part = Range{{3, 14, 15}, {4, 1, 2}};
    EXPECT_EQ(nlohmann::json::parse(written(Tool::OutputFormat::Json, report))["part"].dump(),
              R"({"end":{"column":2,"line":4},"start":{"column":15,"line":3}})");
    nlohmann::json const log = nlohmann::json::parse(written(Tool::OutputFormat::Sarif, report));
    EXPECT_EQ(log["runs"][0]["results"][0]["locations"][0]["physicalLocation"]["region"].dump(),
              R"({"endColumn":2,"endLine":4,"startColumn":15,"startLine":3})");
}

} // namespace

namespace {

// The words of the findings on values, made from what the checker found.
TEST(Messages, WordTheFindingsOnValues) {
    struct Row {
        Tool::Finding finding;
        std::string value;
        std::size_t valueLength;
        std::optional<Diagnostic::Readings> readings;
        std::vector<std::string> libraryMessages;
        std::optional<std::string> suggestion;
        std::string message;
        std::vector<std::string> notes;
    };
    std::string const longValue(80, '1');
    Row const rows[] = {
        {Tool::Finding::Invalid,
         "reed",
         4,
         {},
         {},
         "red",
         "fill=\"reed\" is not a valid SColor",
         {"did you mean \"red\"?"}},
        {Tool::Finding::Invalid,
         longValue,
         90,
         {},
         {},
         std::string(90, '2'),
         "fill=\"" + longValue + "\"... (90 code units) is not a valid SColor",
         {"did you mean \"" + std::string(80, '2') + "\"...?"}},
        {Tool::Finding::ReadDifferently,
         "1 2 3",
         5,
         Diagnostic::Readings{"4", "3", 3, 0},
         {},
         {},
         "item 3 of fill=\"1 2 3\" is read here as \"4\"; the standard reads \"3\"",
         {}},
        {Tool::Finding::ReadDifferently,
         "url(#a) red",
         11,
         Diagnostic::Readings{"url(#a)", "url(#a) rgb(255,0,0)", 0, 1},
         {"logged"},
         {},
         "fill=\"url(#a) red\" is read here as \"url(#a)\"; the standard reads \"url(#a) "
         "rgb(255,0,0)\", whose last value is not read",
         {"logged"}},
        {Tool::Finding::LibraryMessage,
         "red",
         3,
         {},
         {"first", "second"},
         {},
         "fill=\"red\": first",
         {"second"}},
    };
    for (Row const& row : rows) {
        Diagnostic diagnostic;
        diagnostic.finding = row.finding;
        diagnostic.attribute = "fill";
        diagnostic.type = "SColor";
        diagnostic.value = row.value;
        diagnostic.valueLength = row.valueLength;
        diagnostic.readings = row.readings;
        diagnostic.libraryMessages = row.libraryMessages;
        diagnostic.suggestion = row.suggestion;
        EXPECT_EQ(Tool::messageOf(diagnostic), row.message);
        EXPECT_EQ(Tool::notesOf(diagnostic), row.notes);
    }
}

} // namespace
