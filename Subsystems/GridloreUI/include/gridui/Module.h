// The library's resources: registered with the platform while the program runs.
#pragma once

#include "gridui/Export.h"
#include "platform/Resources.h"

namespace gridui {

/// The library's own resources (templates, menu, toolbar, strings). They are registered
/// when the program starts and unregistered when it ends; resource scopes of the library
/// pass this module as their handle.
GRIDUI_EXPORT platform::ResourceModule const& Module();

} // namespace gridui
