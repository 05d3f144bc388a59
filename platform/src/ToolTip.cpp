#include "platform/ToolTip.h"

#include "platform/Backend.h"
#include "platform/Error.h"
#include "platform/Window.h"

namespace platform {

ToolTip::ToolTip() = default;
ToolTip::~ToolTip() = default;

bool ToolTip::Create(Window& tool) {
    if (!tool.HasWindow()) {
        return false;
    }
    m_native = CurrentBackend().CreateToolTip(tool.Native());
    return m_native != nullptr;
}

void ToolTip::Destroy() {
    m_native.reset();
}

namespace {
backend::NativeToolTip& Checked(std::unique_ptr<backend::NativeToolTip> const& native) {
    if (native == nullptr) {
        PLATFORM_ERROR(L"the tooltip has not been created");
    }
    return *native;
}
} // namespace

void ToolTip::AddTool(std::wstring const& text) {
    Checked(m_native).AddTool(text);
}

void ToolTip::Activate(bool on) {
    Checked(m_native).Activate(on);
}

bool ToolTip::IsActive() const {
    return m_native != nullptr && m_native->IsActive();
}

std::wstring ToolTip::GetText() const {
    return Checked(m_native).Text();
}

} // namespace platform
