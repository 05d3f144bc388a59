// platform::ToolTip: a tooltip over one window, switched on and off by its owner.
#pragma once

#include "platform/Export.h"

#include <memory>
#include <string>

namespace platform {

class Window;

namespace backend {
class NativeToolTip;
}

class PLATFORM_EXPORT ToolTip final {
public:
    ToolTip();
    ~ToolTip();
    ToolTip(ToolTip const&) = delete;
    ToolTip& operator=(ToolTip const&) = delete;

    /// Creates the tooltip for `tool`, which must have a window; false when it cannot.
    bool Create(Window& tool);
    bool HasWindow() const { return m_native != nullptr; }
    /// Lets the tooltip go before its window does.
    void Destroy();
    /// One tool covering the whole window, with `text`.
    void AddTool(std::wstring const& text);
    void Activate(bool on);
    bool IsActive() const;
    std::wstring GetText() const;

private:
    std::unique_ptr<backend::NativeToolTip> m_native;
};

} // namespace platform
