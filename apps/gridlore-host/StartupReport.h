// gridhost start-up reports: errors and toolkit assertions where the user can see them.
#pragma once

#include <string>

namespace gridhost {

/// Sends the toolkit's failed assertions to the log and stderr; a box with a Stop button
/// would end the program and lose the document.
void RouteToolkitAssertions();

/// Prints `message` on stderr and, for a host started from a desktop, shows it in a box
/// too. `scripted` runs never show one. Starts the toolkit for the box when needed.
void ReportStartupError(std::string const& message, bool scripted);

} // namespace gridhost
