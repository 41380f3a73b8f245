// Core::Object: the intrusive reference count that SmartPtr holds.
#pragma once

#include "xmlattr/platform/Export.h"

#include <atomic>

template <class T> class SmartPtr;

namespace Core {

/// Reference-counted base. The count is atomic: shared colour defaults are copied
/// from many threads at once. Copying an object does not copy its count.
class XMLATTR_EXPORT Object {
public:
    Object() noexcept = default;
    /// A copy starts with no references of its own: the count belongs to the object, not to its
    /// value.
    ///@{
    Object(Object const&) noexcept {}
    Object& operator=(Object const&) noexcept { return *this; }
    ///@}
    virtual ~Object();

    /// Takes a reference; returns the new count.
    int AddRef() noexcept;
    /// Drops a reference; at zero calls `OnFinalRelease`. Returns the remaining count.
    int Release();
    /// The current count, for tests and diagnostics; another thread may change it at once.
    int getRefCount() const noexcept { return m_refs.load(std::memory_order_relaxed); }

protected:
    /// Destroys the object; a class that is not allocated with `new` overrides it.
    virtual void OnFinalRelease();

private:
    template <class T> friend class ::SmartPtr;

    // The first reference of an object that no other thread can see yet: a plain store,
    // where `AddRef` needs an atomic addition.
    void addFirstRef() noexcept { m_refs.store(1, std::memory_order_relaxed); }

    std::atomic<int> m_refs{0};
};

} // namespace Core
