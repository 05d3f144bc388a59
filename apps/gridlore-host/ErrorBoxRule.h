// gridhost::ShowsErrorsInBox: whether the host's start-up errors also go to a message box.
#pragma once

namespace gridhost {

/// What decides where a start-up error can be seen.
struct LaunchContext {
    /// Standard input or error is a terminal: someone reads stderr there.
    bool terminal = false;
    /// A display to show a box on.
    bool display = false;
    /// A scripted run (the tour): nothing may wait for an answer.
    bool scripted = false;
    /// The caller asked for no boxes (GRIDLORE_HOST_NO_BOXES set, as the tests do).
    bool boxesOff = false;
};

/// True for a host started from a desktop, where stderr goes nowhere a user looks.
bool ShowsErrorsInBox(LaunchContext const& launch);

/// This process's context: its standard streams, DISPLAY or WAYLAND_DISPLAY, and
/// GRIDLORE_HOST_NO_BOXES.
LaunchContext CurrentLaunch(bool scripted);

} // namespace gridhost
