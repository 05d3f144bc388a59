// The define dialog's resources: its template.
#pragma once

#include "platform/Resources.h"

namespace gridui {

/// Adds dialog template 32257, "Define Coordinate System".
void AddDefineResources(platform::ResourceModule& module);

} // namespace gridui
