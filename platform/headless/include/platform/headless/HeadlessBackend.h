// platform::headless::HeadlessBackend: every control in memory, the user played by a Driver.
#pragma once

#include "platform/ScriptableBackend.h"
#include "platform/headless/Export.h"

#include <utility>
#include <vector>

namespace platform::headless {

/// Dialogs have no display: DoModal runs the installed Driver's scene for the dialog's
/// template, and the driver answers every message box, file dialog and popup menu
/// (without a driver each is an internal error). Settings are kept in memory for the backend's
/// life. Layout is arithmetic: dialog units convert with a fixed 8-point font (4 units = 6 pixels
/// across, 8 units = 13 down) and tree rows are 16 pixels high.
class PLATFORM_HEADLESS_EXPORT HeadlessBackend final : public backend::ScriptableBackend {
public:
    HeadlessBackend();
};

/// The icons custom drawing put on a headless tree at its last paint (each idle paints).
PLATFORM_HEADLESS_EXPORT std::vector<std::pair<StockIcon, Rect>> PaintedIcons(Window const& tree);

} // namespace platform::headless
