// platform::qt::SaveScreenshot: a picture of a widget as it is painted.
#pragma once

#include "platform/qt/Export.h"

#include <string>

class QWidget;

namespace platform::qt {

/// Lets `window` finish painting and writes what it shows (its client area, without the
/// window manager's frame) into a PNG file at `path`; false when the file cannot be
/// written. Hosts use it for their own windows, the dialogs for theirs.
PLATFORM_QT_EXPORT bool SaveScreenshot(QWidget& window, std::string const& path);

} // namespace platform::qt
