// SmartPtr<T>: one counted reference to a Core::Object descendant.
#pragma once

#include "xmlattr/platform/Exception.h"
#include "xmlattr/platform/Object.h"

#include <concepts>
#include <cstddef>
#include <utility>

/// Owns one reference to an object; copying takes another, destruction drops it.
/// Empty by default. `get`, `->` and `*` on an empty pointer record the location
/// ("SmartPtr", line 124), log it and throw `Core::NullPointerException`.
/// Equality is identity.
template <class T> class SmartPtr {
public:
    static constexpr char16_t const* kFile = u"SmartPtr";
    static constexpr int kNullLine = 124;

    SmartPtr() noexcept = default;
    SmartPtr(std::nullptr_t) noexcept {}
    /// Takes a reference on `object` (which may be null).
    explicit SmartPtr(T* object) noexcept : m_object(object) { addRef(); }
    SmartPtr(SmartPtr const& other) noexcept : m_object(other.m_object) { addRef(); }
    SmartPtr(SmartPtr&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    template <class U>
    requires std::convertible_to<U*, T*> SmartPtr(SmartPtr<U> const& other)
    noexcept : m_object(other.m_object) { addRef(); }
    ~SmartPtr() { release(); }

    /// Holds `object`, just made with `new` (a count of 0, seen by no other thread yet): the
    /// same as `SmartPtr(object)`, but the first reference is a plain store rather than an
    /// atomic addition, which costs about as much as the allocation.
    static SmartPtr adoptNew(T* object) noexcept {
        SmartPtr held;
        held.m_object = object;
        if (object != nullptr) {
            object->addFirstRef();
        }
        return held;
    }

    /// Takes the new reference before dropping the old one, so self-assignment is safe.
    SmartPtr& operator=(SmartPtr const& other) {
        T* const old = m_object;
        m_object = other.m_object;
        addRef();
        if (old != nullptr) {
            old->Release();
        }
        return *this;
    }
    SmartPtr& operator=(SmartPtr&& other) {
        if (this != &other) {
            T* const old = std::exchange(m_object, std::exchange(other.m_object, nullptr));
            if (old != nullptr) {
                old->Release();
            }
        }
        return *this;
    }

    T* get() const {
        if (m_object == nullptr) {
            Core::throwWithLocation<Core::NullPointerException>(kFile, kNullLine);
        }
        return m_object;
    }
    T* operator->() const { return get(); }
    T& operator*() const { return *get(); }
    explicit operator bool() const noexcept { return m_object != nullptr; }

    /// The held object as `U` when it is one, else an empty pointer.
    template <class U> SmartPtr<U> dynamicCast() const noexcept {
        return SmartPtr<U>(dynamic_cast<U*>(m_object));
    }

    friend bool operator==(SmartPtr const& a, SmartPtr const& b) noexcept {
        return a.m_object == b.m_object;
    }
    friend bool operator==(SmartPtr const& a, std::nullptr_t) noexcept {
        return a.m_object == nullptr;
    }

private:
    template <class U> friend class SmartPtr;

    void addRef() noexcept {
        if (m_object != nullptr) {
            m_object->AddRef();
        }
    }
    void release() noexcept {
        if (m_object != nullptr) {
            std::exchange(m_object, nullptr)->Release();
        }
    }

    T* m_object = nullptr;
};
