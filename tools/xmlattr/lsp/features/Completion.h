// Values an editor offers while the author types one: keywords, colour names and units,
// each one the checker would take in silence where it would stand.
#pragma once

#include "DocumentColors.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Tool::Lsp {

struct CompletionItem {
    enum class Kind : unsigned char { Keyword = 0, Color = 1, Unit = 2 };
    /// The text to write over `replace`: a keyword, a colour name, or the number typed with
    /// a unit ("12pt").
    std::string label;
    Kind kind = Kind::Keyword;
    /// The colour a colour name stands for.
    std::optional<Rgba> color;
    /// The word under the cursor, which the label replaces; empty where none is typed yet.
    TextSpan replace;
};

/// The completions of the value (or `style` declaration value) at byte `offset`: those that
/// begin with what is typed of the word before the offset (in any letter case) and that leave
/// a value both readers take; none outside a value. In a value of several words only the word
/// at the offset changes, and the whole value must stay clean.
std::vector<CompletionItem> completionsAt(std::string_view document, std::size_t offset);

} // namespace Tool::Lsp
