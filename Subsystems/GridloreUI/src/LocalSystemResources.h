// The template of the local-system dialog.
#pragma once

#include "platform/Resources.h"

namespace gridui {

/// Adds dialog template 32261, "Define Unreferenced Coordinate System".
void AddLocalSystemResources(platform::ResourceModule& module);

} // namespace gridui
