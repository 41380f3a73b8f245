// Near misses: the text a writer most likely meant when a value or a type name is rejected.
#pragma once

#include "TypeRegistry.h"

#include <optional>
#include <string>
#include <string_view>

namespace Tool {

/// Edits (insert, delete, replace, swap two neighbours) from `a` to `b`, comparing ASCII
/// letters without regard to case when `foldCase`; any count above `limit` is given as
/// `limit + 1`, so long texts cost little.
int editDistance(std::u16string_view a, std::u16string_view b, bool foldCase, int limit);

/// A text close to `text` that `type` accepts, or nothing. Tried in turn: one of the
/// type's keywords in another letter case or one or two edits away (one for keywords of
/// four letters or fewer), the text without surrounding white space, the text in small
/// letters ("12PT"). A suggestion is always accepted by the type and differs from `text`.
std::optional<std::string> suggest(TypeRow const& type, Core::String const& text);

} // namespace Tool
