// ResourceHandleScope: resources load from a given module until the scope ends.
#pragma once

#include "Shared/ExecuteNoThrow.h"
#include "platform/Resources.h"

namespace shared {

/// Saves the current resource handle and makes `own` current; the saved handle comes
/// back on exit, through ExecuteNoThrow, however the scope ends.
class [[nodiscard]] ResourceHandleScope final {
public:
    explicit ResourceHandleScope(platform::ResourceHandle own)
        : m_saved(platform::GetResourceHandle()) {
        platform::SetResourceHandle(own);
    }
    ~ResourceHandleScope() {
        if (m_active) {
            ExecuteNoThrow([this] { platform::SetResourceHandle(m_saved); });
        }
    }
    ResourceHandleScope(ResourceHandleScope&& other) noexcept
        : m_saved(other.m_saved)
        , m_active(other.m_active) {
        other.m_active = false;
    }
    ResourceHandleScope(ResourceHandleScope const&) = delete;
    ResourceHandleScope& operator=(ResourceHandleScope const&) = delete;
    ResourceHandleScope& operator=(ResourceHandleScope&&) = delete;

    /// Leaves the present handle in place at exit.
    void Release() { m_active = false; }

private:
    platform::ResourceHandle m_saved;
    bool m_active = true;
};

} // namespace shared
