// The tool's commands; each returns the process's exit status.
#pragma once

#include <string>
#include <vector>

namespace Tool {

/// Nothing rejected.
inline constexpr int kExitClean = 0;
/// A value was rejected.
inline constexpr int kExitRejected = 1;
/// A usage error, or an input that could not be read or is not well-formed XML.
inline constexpr int kExitTrouble = 2;

int runParse(std::string const& typeName, std::vector<std::string> const& texts, bool json);
int runTypes();
/// Every exported default: name, type and written text, or its fields as JSON.
int runDefaults(bool json);
/// With no path, the sample documents in `samplesFolder`.
int runCheck(std::vector<std::string> const& paths, std::string const& samplesFolder);

} // namespace Tool
