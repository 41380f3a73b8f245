// The tool's commands; each returns the process's exit status.
#pragma once

#include "CheckOutput.h"

#include <cstddef>
#include <string>
#include <vector>

namespace Tool {

/// Nothing rejected.
inline constexpr int kExitClean = 0;
/// A value was rejected.
inline constexpr int kExitRejected = 1;
/// A usage error, or an input that could not be read or is not well-formed XML.
inline constexpr int kExitTrouble = 2;

/// Each text read as a value of the type, shown field by field, or as one JSON array.
int runParse(std::string const& typeName, std::vector<std::string> const& texts, bool json);
int runTypes();
/// Every exported default: name, type and written text, or their fields as one JSON array.
int runDefaults(bool json);

struct CheckOptions {
    /// Documents, folders, or "-" for standard input.
    std::vector<std::string> paths;
    OutputFormat format = OutputFormat::Text;
    /// Warnings make the exit status 1, as errors do.
    bool warningsAsErrors = false;
    /// Every attribute in the summary's table, not only those with diagnostics.
    bool stats = false;
    /// A note that many files share is said for each of them, not once with their count.
    bool verbose = false;
    /// Threads checking files, at most one per hardware thread; 0 for one per hardware thread.
    unsigned jobs = 0;
};

int runCheck(CheckOptions const& options);

/// The language server on standard input and output, until the client says "exit" or its
/// input ends: 0 after "shutdown", 1 without. A document is checked once it has rested
/// `debounceMilliseconds` after a change.
int runLsp(unsigned debounceMilliseconds);

/// The threads a check of `files` files runs on: `jobs`, or one per hardware thread when
/// `jobs` is 0, but never more than the hardware threads or the files, and at least one (also
/// when the hardware threads are not known, 0).
std::size_t checkingThreads(unsigned jobs, std::size_t hardware, std::size_t files);

} // namespace Tool
