// crstool command input: the errors a command throws for the dispatcher to report, and
// the reading of what the user typed.
#pragma once

#include "kor/CSDef.h"

#include <memory>
#include <string>

namespace crstool {

/// A failure of the user's input: reported on one line, exit code 1.
struct BadInput {
    std::string message;
};

/// A command line that makes no sense: reported with the usage text, exit code 2.
struct UsageError {
    std::string message;
};

/// An argument as quoted in a one-line message: its beginning when it is long.
std::string Echo(std::string const& argument);

/// A definition from a file or from text that the model reads; throws BadInput naming it.
std::unique_ptr<kor::CSDef> LoadDefinition(std::string const& input);

} // namespace crstool
