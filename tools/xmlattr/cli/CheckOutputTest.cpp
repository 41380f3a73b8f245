// Where the machine formats place a diagnostic: the value, or its part at fault, in UTF-16 code
// units.
#include "CheckOutput.h"

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
