#pragma once

#include "QtDialog.h"
#include "platform/ToolkitUser.h"

namespace platform::qt {

/// Each input goes through Qt's own delivery (QTest's keys and clicks, events sent to
/// the widget), so that Qt's handling (focus, default buttons, editors, pop-ups) runs as
/// for a real user.
using QtUser = backend::ToolkitUser<QtDialog>;

} // namespace platform::qt

// QtUser.cpp gives the user Qt's delivery and instantiates it there.
extern template class platform::backend::ToolkitUser<platform::qt::QtDialog>;
