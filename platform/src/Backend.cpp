#include "platform/Backend.h"

#include "platform/Error.h"
#include "platform/Window.h"

namespace platform {

namespace {
Backend* BackendInUse = nullptr;
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
    if (BackendInUse == nullptr) {
        PLATFORM_ERROR(L"no windowing backend is installed");
    }
    return *BackendInUse;
}

BackendScope::BackendScope(Backend& backend)
    : InstallScope(BackendInUse, backend) {}

} // namespace platform
