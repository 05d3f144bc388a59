// platform::InstallScope: a value installed in a process-wide slot for a scope's life.
#pragma once

#include <utility>

namespace platform {

/// Puts `value` in `slot` and the previous one back when the scope ends, so that scopes
/// nest: a test's backend or driver inside the host's.
template <typename T> class [[nodiscard]] InstallScope {
public:
    InstallScope(T*& slot, T& value)
        : m_slot(slot)
        , m_previous(std::exchange(slot, &value)) {}
    ~InstallScope() { m_slot = m_previous; }
    InstallScope(InstallScope const&) = delete;
    InstallScope& operator=(InstallScope const&) = delete;

private:
    T*& m_slot;
    T* m_previous;
};

} // namespace platform
