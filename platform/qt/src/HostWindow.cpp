#include "platform/qt/HostWindow.h"

#include "QtWindow.h"

#include "platform/Error.h"

namespace platform::qt {

namespace {

/// The host's widget seen as any other window of this backend; it answers to no control
/// id and belongs to no dialog of ours.
std::unique_ptr<backend::NativeWindow> WrapHostWindow(QWidget* window) {
    if (window == nullptr) {
        PLATFORM_ERROR(L"a host window was made from no widget");
    }
    return std::make_unique<QtControl>(nullptr, 0, window);
}

} // namespace

HostWindow::HostWindow(QWidget* window)
    : m_host(WrapHostWindow(window)) {
    Attach(*m_host);
}

HostWindow::~HostWindow() {
    Detach();
}

QWidget* HostWindow::GetQWidget() const {
    return &WidgetOf(*m_host);
}

} // namespace platform::qt
