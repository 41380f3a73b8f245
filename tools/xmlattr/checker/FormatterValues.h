// Values that only a formatter can resolve, which the checker counts as skipped.
#pragma once

#include "DocumentAttributeTable.h"

#include <string_view>

namespace Tool {

/// Whether `value` is left to the formatter rather than read by the library. In XSL-FO:
/// "inherit", and property expressions: arithmetic ("10pt * 1.2", "1cm + 3cm",
/// "1pc div 4") and functions other than those the library reads (so "from-parent(...)"
/// and "proportional-column-width(...)", but not "rgb(...)" or "body-start()"). In SVG:
/// "inherit", "currentColor", "context-fill" and "context-stroke", in any letter case.
/// White space around the value is ignored.
bool isFormatterValue(Vocabulary vocabulary, std::string_view value);

/// `text` without the white space at its ends, as the library's white space goes.
std::string_view trimmed(std::string_view text);

} // namespace Tool
