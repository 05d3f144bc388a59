#include "ErrorBoxRule.h"

#include <unistd.h>

#include <cstdlib>

namespace gridhost {

namespace {

bool IsSet(char const* name) {
    char const* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

} // namespace

bool ShowsErrorsInBox(LaunchContext const& launch) {
    return !launch.terminal && launch.display && !launch.scripted && !launch.boxesOff;
}

LaunchContext CurrentLaunch(bool scripted) {
    LaunchContext launch;
    launch.terminal = ::isatty(STDIN_FILENO) != 0 || ::isatty(STDERR_FILENO) != 0;
    launch.display = IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
    launch.scripted = scripted;
    launch.boxesOff = IsSet("GRIDLORE_HOST_NO_BOXES");
    return launch;
}

} // namespace gridhost
