// The findings after an edit inside one attribute value, without reading the whole document
// again: what an author does most while typing, and what a re-check of a large document
// would make slow.
#pragma once

#include "DocumentDiagnostics.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Tool::Lsp {

/// The findings on `after`, made from `found` (the findings on `before`) when the two texts
/// differ only inside the quoted value of one attribute of an XSL-FO or SVG element, by
/// characters that change nothing around the value, and no name or reference can depend on
/// that value. The value is checked again in its element's tag alone, and the findings after
/// it on its line move with the edit. Nothing when the edit is of any other kind: then the
/// whole document must be checked, and gives the same findings.
std::optional<std::vector<DocumentDiagnostic>>
diagnosticsAfterValueEdit(std::string_view before, std::vector<DocumentDiagnostic> const& found,
                          TextDocument const& after, PositionEncoding encoding,
                          std::string const& uri);

} // namespace Tool::Lsp
