#include "platform/Backend.h"

#include "platform/Error.h"
#include "platform/Window.h"

namespace platform {

namespace {
Backend* g_backend = nullptr;
}

namespace backend {

NativeWindow::~NativeWindow() {
    // The wrapper must not keep a pointer to a window that is gone.
    if (m_wrapper != nullptr) {
        m_wrapper->Detach();
    }
}

NativeToolTip::~NativeToolTip() = default;

} // namespace backend

Backend::~Backend() = default;

Backend& CurrentBackend() {
    if (g_backend == nullptr) {
        PLATFORM_ERROR(L"no windowing backend is installed");
    }
    return *g_backend;
}

BackendScope::BackendScope(Backend& backend)
    : m_previous(g_backend) {
    g_backend = &backend;
}

BackendScope::~BackendScope() {
    g_backend = m_previous;
}

} // namespace platform
