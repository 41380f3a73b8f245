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
    /// The location recorded when an empty pointer is used: part of the interface, not this file's
    /// name or line.
    ///@{
    static constexpr char16_t const* kFile = u"SmartPtr";
    static constexpr int kNullLine = 124;
    ///@}

    SmartPtr() noexcept = default;
    /// Empty, as the default.
    SmartPtr(std::nullptr_t) noexcept {}
    /// Takes a reference on `object` (which may be null).
    explicit SmartPtr(T* object) noexcept : m_object(object) { addRef(); }
    /// Takes another reference on the same object.
    SmartPtr(SmartPtr const& other) noexcept : m_object(other.m_object) { addRef(); }
    /// Takes the reference; `other` is left empty.
    SmartPtr(SmartPtr&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    template <class U>
    /// From a pointer to a derived class, taking another reference.
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
    /// Takes the reference of `other`, leaving it empty, and drops the old one.
    SmartPtr& operator=(SmartPtr&& other) {
        if (this != &other) {
            T* const old = std::exchange(m_object, std::exchange(other.m_object, nullptr));
            if (old != nullptr) {
                old->Release();
            }
        }
        return *this;
    }

    /// The held object; an empty pointer throws `Core::NullPointerException` after logging the
    /// location.
    ///@{
    T* get() const {
        if (m_object == nullptr) {
            Core::throwWithLocation<Core::NullPointerException>(kFile, kNullLine);
        }
        return m_object;
    }
    T* operator->() const { return get(); }
    T& operator*() const { return *get(); }
    ///@}
    /// Whether an object is held.
    explicit operator bool() const noexcept { return m_object != nullptr; }

    /// The held object as `U` when it is one, else an empty pointer.
    template <class U> SmartPtr<U> dynamicCast() const noexcept {
        return SmartPtr<U>(dynamic_cast<U*>(m_object));
    }

    /// Identity: the same object, or both empty.
    ///@{
    friend bool operator==(SmartPtr const& a, SmartPtr const& b) noexcept {
        return a.m_object == b.m_object;
    }
    friend bool operator==(SmartPtr const& a, std::nullptr_t) noexcept {
        return a.m_object == nullptr;
    }
    ///@}

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
