// HostTour: the Qt host's dialogs played without a user, with a screenshot of each step.
#pragma once

#include "gridlore/CoordinateSystem.h"

#include <filesystem>
#include <functional>
#include <string>

class HostMainWindow;

namespace platform {
class User;
} // namespace platform

/// Opens the browser on the window, searches "4326", then "UTM zone 33", selects
/// WGS 84 / UTM zone 33N and accepts it; accepts it again in the define dialog; then
/// accepts a new local grid in the local-system dialog. Needs the Qt backend installed.
class HostTour {
public:
    HostTour(HostMainWindow& window, std::filesystem::path folder);

    /// Plays the steps, saving NN-step.png into the folder, and returns the system chosen
    /// in the browser. Throws std::runtime_error when a step cannot be played or a
    /// screenshot cannot be written.
    Gridlore::CoordinateSystem Run();

private:
    using Scene = std::function<void(platform::User&)>;
    /// Runs the window's `command` with `scene` playing the dialog `dialogId` it opens;
    /// throws unless the user's choice was accepted.
    void Accept(bool (HostMainWindow::*command)(), int dialogId, Scene const& scene);
    void PlayBrowser(platform::User& user);
    void SnapDialog(platform::User& user, std::string const& step);
    void SnapWindow(std::string const& step);
    /// The next numbered file for `step`.
    std::filesystem::path NextShot(std::string const& step);

    HostMainWindow& m_window;
    std::filesystem::path m_folder;
    int m_shots = 0;
};
