#include "platform/HostWindowBase.h"

#include "platform/Backend.h"
#include "platform/Error.h"

#include <utility>

namespace platform {

HostWindowBase::HostWindowBase(std::unique_ptr<backend::NativeWindow> host)
    : m_host(std::move(host)) {
    if (m_host == nullptr) {
        PLATFORM_ERROR(L"a host window was made from no window");
    }
    Attach(*m_host);
}

HostWindowBase::~HostWindowBase() {
    Detach();
}

} // namespace platform
