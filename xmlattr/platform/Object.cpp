// Core::Object: reference counting.
#include "xmlattr/platform/Object.h"

namespace Core {

Object::~Object() = default;

int Object::AddRef() noexcept { return m_refs.fetch_add(1, std::memory_order_relaxed) + 1; }

int Object::Release() {
    int const remaining = m_refs.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if (remaining == 0) {
        OnFinalRelease();
    }
    return remaining;
}

void Object::OnFinalRelease() { delete this; }

} // namespace Core
