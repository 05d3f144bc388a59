// The commands of gridlore-crs, kept apart from argument parsing so tests can run them.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace crstool {

enum ExitCode : int { ExitSuccess = 0, ExitBadInput = 1, ExitUsage = 2 };

/// Runs the command line `arguments` (without the program name), writing results to
/// `out` and one-line errors to `err`.
int RunCommand(std::vector<std::string> const& arguments, std::ostream& out, std::ostream& err);

/// The usage text printed for --help and after a usage error.
std::string UsageText();

} // namespace crstool
