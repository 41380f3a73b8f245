// The runtime's growable array: lists of lengths, points, transforms, path commands.
#pragma once

#include "xmlattr/platform/Allocator.h"

#include <concepts>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

namespace Core {

/// A contiguous growable array with `int` indices. Storage comes from `Allocator`.
/// Indexing is unchecked, as with any array; growth keeps the strong guarantee.
template <class T> class Vector {
public:
    /// The standard container names, so that generic code and range algorithms take a vector.
    ///@{
    using value_type = T;
    using iterator = T*;
    using const_iterator = T const*;
    ///@}

    Vector() noexcept = default;
    /// Copies each item in order.
    Vector(std::initializer_list<T> items) {
        reserve(static_cast<int>(items.size()));
        for (T const& item : items) {
            pushUnchecked(item);
        }
    }
    /// Copies copy every item; a move takes the storage and leaves `other` empty.
    ///@{
    Vector(Vector const& other) {
        reserve(other.m_size);
        for (T const& item : other) {
            pushUnchecked(item);
        }
    }
    Vector(Vector&& other) noexcept
        : m_data(std::exchange(other.m_data, nullptr)), m_size(std::exchange(other.m_size, 0)),
          m_capacity(std::exchange(other.m_capacity, 0)) {}
    ~Vector() { release(); }

    Vector& operator=(Vector const& other) {
        if (this != &other) {
            Vector copy(other);
            swap(copy);
        }
        return *this;
    }
    Vector& operator=(Vector&& other) noexcept {
        Vector moved(std::move(other));
        swap(moved);
        return *this;
    }
    ///@}

    /// The item count, and how many fit before the next growth.
    ///@{
    int size() const noexcept { return m_size; }
    int capacity() const noexcept { return m_capacity; }
    bool empty() const noexcept { return m_size == 0; }
    ///@}

    /// Unchecked access, as an array's: the index must lie in 0..size()-1 (front and back need an
    /// item).
    ///@{
    T& operator[](int index) noexcept { return m_data[index]; }
    T const& operator[](int index) const noexcept { return m_data[index]; }
    T* data() noexcept { return m_data; }
    T const* data() const noexcept { return m_data; }
    T& front() noexcept { return m_data[0]; }
    T const& front() const noexcept { return m_data[0]; }
    T& back() noexcept { return m_data[m_size - 1]; }
    T const& back() const noexcept { return m_data[m_size - 1]; }
    ///@}

    /// Pointers over the items, for range `for` and the standard algorithms.
    ///@{
    iterator begin() noexcept { return m_data; }
    iterator end() noexcept { return m_data + m_size; }
    const_iterator begin() const noexcept { return m_data; }
    const_iterator end() const noexcept { return m_data + m_size; }
    ///@}

    /// Makes room for `count` elements without changing the size.
    void reserve(int count) {
        if (count > m_capacity) {
            reallocate(count);
        }
    }

    /// Destroys every item and keeps the storage, so a list read again allocates nothing.
    void clear() noexcept {
        std::destroy_n(m_data, m_size);
        m_size = 0;
    }

    /// Appends one item, doubling the storage when full (the strong guarantee holds).
    /// `emplace_back` builds it in place and may take an item of this vector as its argument.
    ///@{
    void push_back(T const& item) { emplace_back(item); }
    void push_back(T&& item) { emplace_back(std::move(item)); }

    template <class... Args> T& emplace_back(Args&&... args) {
        if (m_size < m_capacity) {
            return pushUnchecked(std::forward<Args>(args)...);
        }
        // The new element is built first: `args` may refer to an element of this vector.
        Vector grown;
        grown.reserve(grownCapacity());
        T* added = ::new (static_cast<void*>(grown.m_data + m_size)) T(std::forward<Args>(args)...);
        try {
            relocateInto(grown);
        } catch (...) {
            std::destroy_at(added);
            throw;
        }
        ++grown.m_size;
        swap(grown);
        return back();
    }
    ///@}

    /// Appends copies of the `count` items at `items`, which must not lie in this vector,
    /// growing the storage at most once. The strong guarantee holds for the items.
    void append(T const* items, int count) {
        if (count > std::numeric_limits<int>::max() - m_size) {
            throw std::bad_alloc();
        }
        reserve(m_size + count);
        if constexpr (std::is_trivially_copyable_v<T>) {
            // The standard copy takes this path only for trivial types, which items with
            // default member values are not.
            if (count > 0) {
                std::memcpy(static_cast<void*>(m_data + m_size), items,
                            sizeof(T) * static_cast<std::size_t>(count));
            }
        } else {
            std::uninitialized_copy_n(items, count, m_data + m_size);
        }
        m_size += count;
    }

    /// Destroys the last item; the vector must not be empty.
    void pop_back() noexcept {
        --m_size;
        std::destroy_at(m_data + m_size);
    }

    /// Exchanges the storage of two vectors without copying an item.
    void swap(Vector& other) noexcept {
        std::swap(m_data, other.m_data);
        std::swap(m_size, other.m_size);
        std::swap(m_capacity, other.m_capacity);
    }

    /// Equal when the sizes match and the items compare equal in order.
    friend bool operator==(Vector const& a, Vector const& b) requires std::equality_comparable<T> {
        if (a.m_size != b.m_size) {
            return false;
        }
        for (int i = 0; i < a.m_size; ++i) {
            if (!(a.m_data[i] == b.m_data[i])) {
                return false;
            }
        }
        return true;
    }

private:
    template <class... Args> T& pushUnchecked(Args&&... args) {
        T* slot = ::new (static_cast<void*>(m_data + m_size)) T(std::forward<Args>(args)...);
        ++m_size;
        return *slot;
    }

    int grownCapacity() const {
        constexpr int kMax = std::numeric_limits<int>::max() / 2;
        if (m_capacity >= kMax) {
            throw std::bad_alloc();
        }
        return m_capacity < 4 ? 4 : m_capacity * 2;
    }

    // Moves (or, when moving may throw, copies) every element into `target`,
    // whose storage is already large enough; the size of `target` follows.
    void relocateInto(Vector& target) {
        for (int i = 0; i < m_size; ++i) {
            ::new (static_cast<void*>(target.m_data + i)) T(std::move_if_noexcept(m_data[i]));
            ++target.m_size;
        }
    }

    void reallocate(int capacity) {
        if (static_cast<std::size_t>(capacity) >
            std::numeric_limits<std::size_t>::max() / sizeof(T)) {
            throw std::bad_alloc();
        }
        Vector grown;
        grown.m_data =
            static_cast<T*>(Allocator::alloc(sizeof(T) * static_cast<std::size_t>(capacity)));
        grown.m_capacity = capacity;
        relocateInto(grown);
        swap(grown);
    }

    void release() noexcept {
        std::destroy_n(m_data, m_size);
        Allocator::free(m_data);
        m_data = nullptr;
        m_size = 0;
        m_capacity = 0;
    }

    T* m_data = nullptr;
    int m_size = 0;
    int m_capacity = 0;
};

} // namespace Core
