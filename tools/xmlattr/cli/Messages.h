// The words of every diagnostic, in one place for the three output formats: a finding on a
// value is worded here from what the checker found; other findings carry their own text.
#pragma once

#include "checker/FileReport.h"

#include <string>
#include <vector>

namespace Tool {

/// The text after "error: ", "warning: " or "note: ".
std::string messageOf(Diagnostic const& diagnostic);
/// The notes that follow it, in order.
std::vector<std::string> notesOf(Diagnostic const& diagnostic);

} // namespace Tool
