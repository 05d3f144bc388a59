// platform::wx::SaveScreenshot: a picture of a top-level window's client area.
#pragma once

#include "platform/wx/Export.h"

#include <string>

class wxTopLevelWindow;

namespace platform::wx {

/// Raises `window`, lets it paint, and writes its client area (a frame's menu and status
/// bars left out) into a PNG file at `path`; false when the file cannot be written.
/// Hosts use it for their own windows, the dialogs for theirs.
PLATFORM_WX_EXPORT bool SaveScreenshot(wxTopLevelWindow& window, std::string const& path);

} // namespace platform::wx
