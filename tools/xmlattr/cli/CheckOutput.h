// How `xmlattr check` shows what it found: diagnostics as compiler-style text, JSON lines or
// SARIF, file by file as each is done, then a summary of the whole run.
#pragma once

#include "Console.h"
#include "checker/FileReport.h"

#include <memory>
#include <string>

namespace Tool {

enum class OutputFormat : unsigned char { Text = 0, Json = 1, Sarif = 2 };

/// The names the machine formats give: "error", "warning", "note".
std::string_view severityName(Severity severity);
/// The rule id of a finding in the machine formats ("invalid-value").
std::string_view findingName(Finding finding);

/// The counts of a whole run, gathered file by file.
struct RunTally {
    long files = 0;
    long withErrors = 0;
    long withOnlyWarnings = 0;
    long clean = 0;
    long unreadable = 0;
    long notWellFormed = 0;
    std::vector<std::string> withoutContent;
    /// Files named again through another path or link, checked once.
    long duplicates = 0;
    Counts total;
    Counts references;
    long unknown = 0;
    std::vector<UnknownAttribute> unknownNames;
    std::vector<AttributeCounts> attributes;

    void add(FileReport const& report);
};

/// The summary: files by outcome, values by verdict, and the attributes with diagnostics
/// (every attribute when `everyAttribute`), those with most diagnostics first; the names
/// neither reader knows, most frequent first.
std::string summaryText(RunTally const& tally, bool everyAttribute);

class ReportWriter {
public:
    virtual ~ReportWriter() = default;
    /// One file's diagnostics, in document order.
    virtual void file(FileReport const& report) = 0;
    /// After the last file.
    virtual void finish(RunTally const& tally, bool everyAttribute) = 0;
};

/// In text, a note that many files share is said for its first file and then counted, unless
/// `verbose`; the machine formats give it for every file.
std::unique_ptr<ReportWriter> makeReportWriter(OutputFormat format, Console& console, bool verbose);

} // namespace Tool
