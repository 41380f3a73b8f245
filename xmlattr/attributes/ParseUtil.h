// Xml::ParseUtil: the cursor steps that list parsers and the engine share.
#pragma once

#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// Scanning steps over `text` from a caller-held position `pos` (UTF-16 code units).
/// Each leaves `pos` between its value on entry (a negative one counts as 0) and the
/// length of the text; a position at or past the end is not moved. None throws.
struct XMLATTR_EXPORT ParseUtil {
    /// Skips white space; true when at least one code unit was skipped.
    static bool skipWhiteSpace(Core::String const& text, int& pos);
    /// Skips everything but white space; true when at least one code unit was skipped.
    static bool skipNonWhiteSpace(Core::String const& text, int& pos);
    /// Skips white space and returns the following run of other code units, leaving
    /// `pos` after it; empty at the end of the text.
    static Core::String extractWord(Core::String const& text, int& pos);
    /// As `extractWord`, except that a "(" opens an argument list that runs to the first
    /// ")" (included) or to the end: "translate(10, 20)" is one piece; "f(g(x))" gives "f(g(x)".
    static Core::String extractWordOrFunction(Core::String const& text, int& pos);
};

} // namespace Xml
