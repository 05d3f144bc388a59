// platform::wx::SaveScreenshot: a picture of a top-level window as it shows on the screen.
#pragma once

#include <string>

class wxTopLevelWindow;

namespace platform::wx {

/// Raises `window`, lets it paint, and writes what the screen shows of it into a PNG
/// file at `path`; false when the file cannot be written. Hosts use it for their own
/// windows, the dialogs for theirs.
bool SaveScreenshot(wxTopLevelWindow& window, std::string const& path);

} // namespace platform::wx
