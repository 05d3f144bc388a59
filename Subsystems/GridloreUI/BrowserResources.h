// The browser's resources: its dialog template, context menu, search toolbar and strings.
#pragma once

#include "platform/Resources.h"

namespace gridui {

/// Adds dialog template 32256, menu 32259, toolbar 32260 and the strings of their commands.
void AddBrowserResources(platform::ResourceModule& module);

} // namespace gridui
