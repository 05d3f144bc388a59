// platform::backend::ToolkitAccess: the toolkit's own window behind a native window.
#pragma once

#include "platform/Backend.h"
#include "platform/Error.h"

#include <string>

namespace platform::backend {

/// Reaches the toolkit's window (a `Widget`) behind any native window of a backend.
template <typename Widget> class ToolkitAccess {
public:
    virtual Widget* Toolkit() const = 0;

protected:
    ~ToolkitAccess() = default;
};

/// The `Widget` behind `native`; a window of another backend (whose toolkit is not
/// `toolkit`) is an internal error.
template <typename Widget> Widget& ToolkitWindowOf(NativeWindow& native, wchar_t const* toolkit) {
    auto* access = dynamic_cast<ToolkitAccess<Widget>*>(&native);
    if (access == nullptr) {
        PLATFORM_ERROR(L"a window of another backend reached the " + std::wstring(toolkit) +
                       L" backend");
    }
    return *access->Toolkit();
}

} // namespace platform::backend
