// Heap storage for the runtime's containers.
#include "xmlattr/platform/Allocator.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace Core {

namespace {
constinit std::atomic<std::uint64_t> g_allocations{0};
} // namespace

void* Allocator::alloc(std::size_t bytes) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    void* block = std::malloc(bytes == 0 ? 1 : bytes);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}

void Allocator::free(void* block) noexcept { std::free(block); }

std::uint64_t Allocator::allocations() noexcept {
    return g_allocations.load(std::memory_order_relaxed);
}

} // namespace Core
