// platform::wx::WxBackend: native windows on wxWidgets.
#pragma once

#include "platform/ToolkitBackend.h"

class wxWindow;

namespace platform::wx {

/// Native windows on wxWidgets, as ToolkitBackend says; the application is a wxApp.
using WxBackend = backend::ToolkitBackend<wxWindow>;

} // namespace platform::wx
