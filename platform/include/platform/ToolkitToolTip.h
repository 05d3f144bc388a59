// platform::backend::ToolkitToolTip: a tooltip over a whole window, shown by the toolkit.
#pragma once

#include "platform/Backend.h"
#include "platform/Export.h"

#include <string>

namespace platform::backend {

/// Keeps the tool's text and whether it is active, the same on every backend; the toolkit
/// shows the text only while it is active.
class PLATFORM_EXPORT ToolkitToolTip final : public NativeToolTip {
public:
    /// Shows `text` as the tooltip of `tool`; empty shows none.
    using Show = void (*)(NativeWindow& tool, std::wstring const& text);

    /// `show` null: a backend without a display shows nothing.
    ToolkitToolTip(NativeWindow& tool, Show show)
        : m_tool(tool)
        , m_show(show) {}

    void AddTool(std::wstring const& text) override {
        m_text = text;
        Update();
    }
    void Activate(bool on) override {
        m_active = on;
        Update();
    }
    bool IsActive() const override { return m_active; }
    std::wstring Text() const override { return m_text; }

private:
    void Update() {
        if (m_show != nullptr) {
            m_show(m_tool, m_active ? m_text : std::wstring());
        }
    }

    NativeWindow& m_tool;
    Show m_show;
    std::wstring m_text;
    bool m_active = true;
};

} // namespace platform::backend
