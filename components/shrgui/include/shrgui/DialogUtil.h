// shrgui helpers: focusing a control that failed validation, finding combo items by data.
#pragma once

#include "shrgui/Export.h"

#include <cstdint>

namespace platform {
class ComboBox;
class Dialog;
} // namespace platform

namespace shrgui {

/// Gives the dialog's control `id` the focus (an unknown id is an internal error).
SHRGUI_EXPORT void SetDlgErrorFocus(platform::Dialog& dialog, int id, bool select);

/// The position of the combo item whose item data equals `data`, or -1.
SHRGUI_EXPORT int FindComboData(platform::ComboBox const& combo, std::intptr_t data);

} // namespace shrgui
