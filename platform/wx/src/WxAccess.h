#pragma once

#include <wx/window.h>

namespace platform::wx {

/// Reaches the wx window behind any native window of this backend.
class WxAccess {
public:
    virtual wxWindow* Window() const = 0;

protected:
    ~WxAccess() = default;
};

} // namespace platform::wx
