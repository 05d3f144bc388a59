#pragma once

#include "QtWindow.h"
#include "platform/ToolkitCombo.h"

namespace platform::qt {

/// A combo box over a plain list of strings: a thousand names cost one list, not an item
/// object each, and its pop-up shows only the rows in view and finds a name as it is
/// typed.
using QtCombo = backend::ToolkitCombo<QtWindow>;

} // namespace platform::qt

// QtCombo.cpp gives the box Qt's widgets and instantiates it there.
extern template class platform::backend::ToolkitCombo<platform::qt::QtWindow>;
