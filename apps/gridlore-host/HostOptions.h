// gridhost::HostOptions: what the command line asks of the host.
#pragma once

#include "CsvDialect.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace gridhost {

enum ExitCode : int { ExitSuccess = 0, ExitFailure = 1, ExitUsage = 2 };

struct HostOptions {
    /// The systems the document uses, as given (codes, definitions or file names).
    std::vector<std::string> systems;
    /// The document's current system; when absent, the first system in use.
    std::optional<std::string> current;
    /// Where the scripted tour leaves its screenshots; absent for a session with a user.
    std::optional<std::filesystem::path> tourFolder;
    /// The CSV worksheet shown and converted; absent for the bundled sample.
    std::optional<std::filesystem::path> worksheet;
    /// How to read the worksheet where the user says so; the rest is guessed from the file.
    CsvDialectChoice worksheetReading;
    bool help = false;
};

/// Reads `arguments` (without the program name); throws ArgumentError on an unknown
/// option or one without its value. The systems are only collected here, not read.
HostOptions ParseHostOptions(std::vector<std::string> const& arguments);

/// The text printed for --help and after a usage error.
std::string UsageText();

} // namespace gridhost
