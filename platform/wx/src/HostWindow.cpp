#include "platform/wx/HostWindow.h"

#include "WxWindow.h"

#include "platform/Error.h"

namespace platform::wx {

namespace {

/// The host's window seen as any other window of this backend; it answers to no control
/// id and belongs to no dialog of ours.
std::unique_ptr<backend::NativeWindow> WrapHostWindow(wxWindow* window) {
    if (window == nullptr) {
        PLATFORM_ERROR(L"a host window was made from no window");
    }
    return std::make_unique<WxControl>(nullptr, 0, window);
}

} // namespace

HostWindow::HostWindow(wxWindow* window)
    : m_host(WrapHostWindow(window)) {
    Attach(*m_host);
}

HostWindow::~HostWindow() {
    Detach();
}

wxWindow* HostWindow::GetWxWindow() const {
    return &WindowOf(*m_host);
}

} // namespace platform::wx
