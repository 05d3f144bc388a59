#pragma once

#include "WxDialog.h"
#include "platform/ToolkitUser.h"

namespace platform::wx {

/// Each input goes to the toolkit as the window system would deliver it, so that the
/// toolkit's own handling (focus, default buttons, editors) runs as for a real user.
using WxUser = backend::ToolkitUser<WxDialog>;

} // namespace platform::wx

// WxUser.cpp gives the user the toolkit's delivery and instantiates it there.
extern template class platform::backend::ToolkitUser<platform::wx::WxDialog>;
