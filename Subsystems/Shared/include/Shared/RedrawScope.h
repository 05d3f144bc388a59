// RedrawScope: turns a window's drawing back on when the scope ends.
#pragma once

#include "Shared/ExecuteNoThrow.h"
#include "platform/Window.h"

namespace shared {

/// Holds a window (may be null) whose drawing the caller switched off; on exit turns it
/// back on through ExecuteNoThrow. A null window is left alone.
class [[nodiscard]] RedrawScope final {
public:
    explicit RedrawScope(platform::Window* window)
        : m_window(window) {}
    ~RedrawScope() {
        if (m_window != nullptr) {
            ExecuteNoThrow([this] { m_window->SetRedraw(true); });
        }
    }
    RedrawScope(RedrawScope&& other) noexcept
        : m_window(other.m_window) {
        other.m_window = nullptr;
    }
    RedrawScope(RedrawScope const&) = delete;
    RedrawScope& operator=(RedrawScope const&) = delete;
    RedrawScope& operator=(RedrawScope&&) = delete;

    /// Leaves drawing as it is at exit.
    void Release() { m_window = nullptr; }

private:
    platform::Window* m_window;
};

} // namespace shared
