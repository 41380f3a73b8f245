// Xml::detail::ListBuilder: gathers the items of a list value as it is read, then hands
// them over in a vector that holds exactly that many.
#pragma once

#include "xmlattr/platform/Vector.h"

#include <cstddef>
#include <new>
#include <type_traits>

namespace Xml::detail {

/// The first `N` items live in a block inside the builder (on the reader's stack), later
/// ones move to the heap in blocks of `N`; `take` allocates once, for exactly the items
/// gathered. A list of up to `N` items thus costs one allocation and no spare capacity.
template <class T, int N> class ListBuilder {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>,
                  "items are kept in raw storage and copied bytewise");

public:
    ListBuilder() noexcept = default;
    ListBuilder(ListBuilder const&) = delete;
    ListBuilder& operator=(ListBuilder const&) = delete;

    void push(T const& item) { add() = item; }

    /// A new value-initialised item at the end, to be filled in place.
    T& add() {
        if (m_count == N) {
            if (m_spilled.capacity() - m_spilled.size() < N) {
                m_spilled.reserve(2 * (m_spilled.size() + N));
            }
            m_spilled.append(items(), N);
            m_count = 0;
        }
        T* const item =
            ::new (static_cast<void*>(m_block + static_cast<std::size_t>(m_count) * sizeof(T))) T();
        ++m_count;
        return *item;
    }

    int size() const noexcept { return m_spilled.size() + m_count; }

    Core::Vector<T> take() const {
        Core::Vector<T> list;
        list.reserve(size());
        list.append(m_spilled.data(), m_spilled.size());
        list.append(items(), m_count);
        return list;
    }

private:
    T const* items() const noexcept { return std::launder(reinterpret_cast<T const*>(m_block)); }

    alignas(T) unsigned char m_block[static_cast<std::size_t>(N) * sizeof(T)];
    int m_count = 0;
    Core::Vector<T> m_spilled;
};

} // namespace Xml::detail
