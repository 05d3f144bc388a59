#include "platform/wx/HostWindow.h"

#include "WxWindow.h"

#include <memory>

// The host's window is seen as any other window of this backend; it answers to no control
// id and belongs to no dialog of ours.
template <>
platform::ToolkitHostWindow<wxWindow>::ToolkitHostWindow(wxWindow* window)
    : HostWindowBase(window == nullptr ? nullptr
                                       : std::make_unique<wx::WxControl>(nullptr, 0, window)) {}
