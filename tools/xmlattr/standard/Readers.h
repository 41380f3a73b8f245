// The readers the grammars share, each a step over the scanner that leaves it where it
// was when it returns false.
#pragma once

#include "Scanner.h"
#include "Syntax.h"

namespace Tool::Standard {

/// A colour: a keyword, "#rgb", "#rrggbb", rgb(), rgba(), hsl(), hsla(); in XSL-FO also
/// rgb-icc(). Not "currentColor", which the caller allows where the grammar does.
[[nodiscard]] bool readColor(Scanner& scanner, Dialect dialect);
/// url(...), its reference quoted or not; unquoted, an XSL-FO reference may hold balanced
/// parentheses.
[[nodiscard]] bool readFuncIri(Scanner& scanner, Dialect dialect);
/// A number followed by a unit of the dialect, or a plain number where a length may be one.
[[nodiscard]] bool readLength(Scanner& scanner, Dialect dialect, bool nonNegative);
/// A number followed by "%".
[[nodiscard]] bool readPercentage(Scanner& scanner, bool nonNegative);
/// A keyword of `keywords` under the dialect's case rule, ending where a name ends.
[[nodiscard]] bool readKeyword(Scanner& scanner, std::span<std::string_view const> keywords,
                               Dialect dialect);

/// The readers of the micro-syntaxes, each over a whole text.
[[nodiscard]] bool conformsPaint(std::string_view text, Dialect dialect);
[[nodiscard]] bool conformsPathData(std::string_view text);
[[nodiscard]] bool conformsTransformList(std::string_view text);
[[nodiscard]] bool conformsPoints(std::string_view text);
[[nodiscard]] bool conformsViewBox(std::string_view text);
[[nodiscard]] bool conformsAspectRatio(std::string_view text);
[[nodiscard]] bool conformsList(std::string_view text, Dialect dialect, unsigned accepts);

} // namespace Tool::Standard
