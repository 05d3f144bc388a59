// platform::MessageBox: a modal message with buttons and an icon.
#pragma once

#include "platform/Export.h"
#include "platform/Ids.h"

#include <string>

namespace platform {

class Window;

/// Shows `text` with the buttons and icon of `style` (MessageBoxStyle); returns the
/// button pressed (IDOK, IDCANCEL, IDYES, IDNO). `owner` may be null.
PLATFORM_EXPORT int MessageBox(Window* owner, std::wstring const& text, std::wstring const& caption,
                               unsigned style);

} // namespace platform
