// Compile-time checks for tables indexed by an enumeration.
#pragma once

#include <cstddef>

namespace Xml::detail {

/// True when row i of `table` names enumerator i through `key`, so that a row added, lost
/// or moved cannot compile once the table is checked with `static_assert`.
template <class Row, std::size_t N, class Key>
constexpr bool indexedInOrder(Row const (&table)[N], Key Row::*key) noexcept {
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(table[i].*key) != i) {
            return false;
        }
    }
    return true;
}

} // namespace Xml::detail
