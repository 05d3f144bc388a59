// gridhost::ArgumentError: a command line the host cannot start from.
#pragma once

#include <stdexcept>
#include <string>

namespace gridhost {

/// Its message is one line naming the argument and what is wrong with it.
class ArgumentError : public std::runtime_error {
public:
    explicit ArgumentError(std::string const& message)
        : std::runtime_error(message) {}
};

} // namespace gridhost
