// platform::backend::ToolkitToolTip: a tooltip over a whole window, shown by the toolkit.
#pragma once

#include "platform/Backend.h"
#include "platform/Export.h"

#include <string>

namespace platform::backend {

/// Keeps the tool's text and whether it is active; the toolkit shows the text only while
/// it is active.
class PLATFORM_EXPORT ToolkitToolTip : public NativeToolTip {
public:
    void AddTool(std::wstring const& text) final {
        m_text = text;
        Show(m_active ? m_text : std::wstring());
    }
    void Activate(bool on) final {
        m_active = on;
        Show(m_active ? m_text : std::wstring());
    }
    bool IsActive() const final { return m_active; }
    std::wstring Text() const final { return m_text; }

protected:
    /// Shows `text` as the window's tooltip; empty shows none.
    virtual void Show(std::wstring const& text) = 0;

private:
    std::wstring m_text;
    bool m_active = true;
};

} // namespace platform::backend
