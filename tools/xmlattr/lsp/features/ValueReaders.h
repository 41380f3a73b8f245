// The two readers of a value under the cursor, as the checker chooses them, and the checker's
// verdict on a value an editor feature would write: an edit is offered only where the checker
// would then say nothing.
#pragma once

#include "DocumentScan.h"
#include "standard/Syntax.h"
#include "types/ValueType.h"

#include <string_view>

namespace Tool::Lsp {

struct Readers {
    /// The library's type; null when it has none for the name there.
    ValueType const* type = nullptr;
    /// The standard's grammar; null when it defines none.
    Standard::Syntax const* syntax = nullptr;
    Standard::Dialect dialect = Standard::Dialect::SvgAttribute;
};

/// The readers of `place`'s attribute, or of its style property in any letter case.
Readers readersOf(ValueAt const& place);

/// Whether the checker takes `value` for `place`'s attribute (or style property) in silence:
/// both readers read it alike, without messages, or it is left to the formatter ("inherit").
/// A name neither reader knows is not silent.
/// The library's log must be captured (`captureLibraryLog`), as it is for the checker.
[[nodiscard]] bool checkerIsSilent(ValueAt const& place, std::string_view value);

} // namespace Tool::Lsp
