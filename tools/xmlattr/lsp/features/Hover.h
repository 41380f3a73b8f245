// What an editor shows over a value: the library's reading, the standard's grammar and the
// library's exported default.
#pragma once

#include "DocumentScan.h"

#include <optional>
#include <string>
#include <string_view>

namespace Tool::Lsp {

struct Hover {
    /// Markdown.
    std::string contents;
    /// The value's raw text in the document.
    TextSpan span;
};

/// The hover for the XSL-FO or SVG value (or `style` declaration value) whose text holds or
/// ends at byte `offset`; nothing outside one, or for a name neither reader knows.
std::optional<Hover> hoverAt(std::string_view document, std::size_t offset);

} // namespace Tool::Lsp
