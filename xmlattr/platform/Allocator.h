// Raw storage for the runtime's containers.
#pragma once

#include "xmlattr/platform/Export.h"

#include <cstddef>
#include <cstdint>

namespace Core {

/// The one source of heap storage for `Core::String` and `Core::Vector`.
struct XMLATTR_EXPORT Allocator {
    /// Storage of at least `bytes` bytes, aligned for any fundamental type.
    /// Throws `std::bad_alloc` when none is left; never returns null.
    static void* alloc(std::size_t bytes);
    /// Returns storage from `alloc`; null is ignored.
    static void free(void* block) noexcept;
    /// How many blocks `alloc` has handed out since the library was loaded, on all
    /// threads: the measure behind the promise that scalar values parse without the heap.
    static std::uint64_t allocations() noexcept;
};

} // namespace Core
