// Where each output format places a diagnostic: text by the name in code points, machines by
// the value, or the part at fault, in UTF-16 code units.
#include "CheckOutput.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace {

using Tool::Diagnostic;
using Tool::Position;
using Tool::Range;

struct Written {
    std::string out;
    std::string err;
};

// What a writer prints for one report, its summary included.
Written written(Tool::OutputFormat format, Tool::FileReport const& report) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    {
        Tool::Console console(false);
        std::unique_ptr<Tool::ReportWriter> const writer = Tool::makeReportWriter(format, console);
        writer->file(report);
        writer->finish(Tool::RunTally{}, false);
    }
    std::string err = testing::internal::GetCapturedStderr();
    return {testing::internal::GetCapturedStdout(), std::move(err)};
}

Tool::FileReport placedReport() {
    // A character beyond the basic plane before each value: code points and code units differ
    // by one.
    Tool::FileReport report;
    report.path = "a.svg";
    Diagnostic withPart;
    withPart.attribute = "d";
    withPart.message = "part";
    withPart.position = {3, 5, 6};
    withPart.range = {{3, 8, 9}, {3, 20, 21}};
    withPart.part = Range{{3, 14, 15}, {3, 16, 17}};
    Diagnostic whole;
    whole.attribute = "fill";
    whole.message = "whole";
    whole.position = {4, 2, 3};
    whole.range = {{4, 8, 9}, {5, 1, 1}};
    Diagnostic broken;
    broken.finding = Tool::Finding::NotWellFormed;
    broken.message = "broken";
    broken.position = {6, 3, 4};
    report.diagnostics = {withPart, whole, broken};
    return report;
}

TEST(CheckOutput, PlacesDiagnosticsInEachFormat) {
    Tool::FileReport const report = placedReport();
    Written const text = written(Tool::OutputFormat::Text, report);
    EXPECT_EQ(text.err, "a.svg:6:3: error: broken\n");
    EXPECT_EQ(text.out.substr(0, text.out.find("checked ")),
              "a.svg:3:5: error: part\na.svg:4:2: error: whole\n");

    std::istringstream lines(written(Tool::OutputFormat::Json, report).out);
    std::vector<std::string> json;
    for (std::string line; std::getline(lines, line);) {
        nlohmann::json const object = nlohmann::json::parse(line);
        json.push_back(object["line"].dump() + ":" + object["column"].dump() + " " +
                       object["range"].dump() + " " + object["part"].dump());
    }
    EXPECT_EQ(json, (std::vector<std::string>{
                        R"(3:6 {"end":{"column":21,"line":3},"start":{"column":9,"line":3}} )"
                        R"({"end":{"column":17,"line":3},"start":{"column":15,"line":3}})",
                        R"(4:3 {"end":{"column":1,"line":5},"start":{"column":9,"line":4}} null)",
                        R"(6:4 null null)"}));

    nlohmann::json const log =
        nlohmann::json::parse(written(Tool::OutputFormat::Sarif, report).out);
    std::vector<std::string> regions;
    for (nlohmann::json const& result : log["runs"][0]["results"]) {
        regions.push_back(result["locations"][0]["physicalLocation"]["region"].dump());
    }
    EXPECT_EQ(regions, (std::vector<std::string>{
                           R"({"endColumn":17,"endLine":3,"startColumn":15,"startLine":3})",
                           R"({"endColumn":1,"endLine":5,"startColumn":9,"startLine":4})",
                           R"({"startColumn":4,"startLine":6})"}));
}

} // namespace
