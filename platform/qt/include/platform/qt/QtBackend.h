// platform::qt::QtBackend: native windows on Qt 6 widgets.
#pragma once

#include "platform/ToolkitBackend.h"

class QWidget;

namespace platform::qt {

/// Native windows on Qt 6 widgets, as ToolkitBackend says; the application is a
/// QApplication. The one StartApplication starts lives until the process ends, and keeps
/// `argc` and `argv`, which must live as long.
using QtBackend = backend::ToolkitBackend<QWidget>;

} // namespace platform::qt
