// Near misses: the text a writer most likely meant when a value or a type name is rejected.
#pragma once

#include "ValueType.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace Tool {

/// Edits (insert, delete, replace, swap two neighbours) from `a` to `b`, comparing ASCII
/// letters without regard to case when `foldCase`; any count above `limit` is given as
/// `limit + 1`, so long texts cost little.
int editDistance(std::u16string_view a, std::u16string_view b, bool foldCase, int limit);

/// A text close to `text` that `accepts` takes, or nothing. Tried in turn: one of
/// `keywords` in another letter case or one or two edits away (one for keywords of four
/// letters or fewer), the text without surrounding white space, without a trailing ";",
/// with "#" before three or six hex digits, in small letters ("12PT"). A suggestion is
/// always accepted and differs from `text`.
std::optional<std::string> suggest(Core::String const& text,
                                   std::span<std::u16string_view const> keywords,
                                   std::function<bool(Core::String const&)> const& accepts);
/// The same with keywords in UTF-8, as the standard's grammars hold them, in any number of
/// lists that live as long as the program (what is worked out for a list is kept, found by
/// where the list is); none is copied.
std::optional<std::string>
suggest(Core::String const& text,
        std::initializer_list<std::span<std::string_view const>> keywordLists,
        std::function<bool(Core::String const&)> const& accepts);
/// A text close to `text` that `type` accepts, from the type's keywords.
std::optional<std::string> suggest(ValueType const& type, Core::String const& text);

} // namespace Tool
