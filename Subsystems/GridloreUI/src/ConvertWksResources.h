// The template of the worksheet-conversion dialog.
#pragma once

#include "platform/Resources.h"

namespace gridui {

/// Adds dialog template 32258, "New Projected Coordinates".
void AddConvertWksResources(platform::ResourceModule& module);

} // namespace gridui
