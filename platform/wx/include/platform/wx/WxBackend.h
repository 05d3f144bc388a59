// platform::wx::WxBackend: native windows on wxWidgets.
#pragma once

#include "platform/ToolkitBackend.h"
#include "platform/wx/Export.h"

class wxWindow;

namespace platform::wx {

/// Native windows on wxWidgets, as ToolkitBackend says; the application is a wxApp.
using WxBackend = backend::ToolkitBackend<wxWindow>;

} // namespace platform::wx

// The wx backend's library makes the members for wx.
extern template class PLATFORM_WX_EXPORT platform::backend::ToolkitBackend<wxWindow>;
