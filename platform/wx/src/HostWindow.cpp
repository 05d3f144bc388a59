#include "platform/wx/HostWindow.h"

#include "WxWindow.h"

#include <memory>

namespace platform::wx {

// The host's window is seen as any other window of this backend; it answers to no control
// id and belongs to no dialog of ours.
HostWindow::HostWindow(wxWindow* window)
    : HostWindowBase(window == nullptr ? nullptr
                                       : std::make_unique<WxControl>(nullptr, 0, window)) {}

wxWindow* HostWindow::GetWxWindow() const {
    return &WindowOf(Host());
}

} // namespace platform::wx
