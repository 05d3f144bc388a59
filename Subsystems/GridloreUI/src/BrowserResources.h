// The browser's resources: its dialog template, context menu, search toolbar and strings.
#pragma once

#include "gridui/BrowserOptions.h"
#include "platform/Resources.h"

namespace gridui {

/// Adds dialog template 32256, menu 32259, toolbar 32260 and the strings of their commands.
void AddBrowserResources(platform::ResourceModule& module);

/// Adds to the browser's template what the host's options ask for: the area-of-use map
/// below the description, for which the dialog grows and OK and Cancel move down.
void AdjustBrowserTemplate(platform::DialogTemplate& dialog, BrowserOptions const& options);

} // namespace gridui
