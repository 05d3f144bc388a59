#pragma once

#include "WxWindow.h"
#include "platform/ToolkitCombo.h"

namespace platform::wx {

/// An editable box is the toolkit's own combo box; a pick list is drawn, as it may hold
/// a thousand names.
using WxCombo = backend::ToolkitCombo<WxWindow>;

} // namespace platform::wx

// WxCombo.cpp gives the box the toolkit's controls and instantiates it there.
extern template class platform::backend::ToolkitCombo<platform::wx::WxWindow>;
