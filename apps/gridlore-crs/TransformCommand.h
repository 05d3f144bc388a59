// crstool::Transform: converts the coordinates of a CSV file as the host's worksheet does.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace crstool {

/// Runs `transform` with `arguments` (after the command's name): reads IN.csv, converts it
/// through the host's worksheet conversion, writes OUT.csv or `out`, and tells on `err`
/// how the file was read and what the conversion did. ExitSuccess when every row was
/// converted, ExitBadInput when some were not; throws UsageError or BadInput.
int Transform(std::vector<std::string> const& arguments, std::ostream& out, std::ostream& err);

} // namespace crstool
