// gridhost::Tour: a short scripted session on the real windows, with a screenshot per step.
#pragma once

#include "gridlore/CoordinateSystem.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace platform {
class User;
} // namespace platform

namespace gridhost {

class HostFrame;

/// Adds a .prj of EPSG:27700 to the systems in use, opens the browser from the main
/// window on the document's current system, searches "4326", then "27700" (selecting the
/// .prj in use), then "UTM zone 33", selects the first UTM zone 33N system found and
/// accepts it; then confirms it on the property sheet's page. Then it defines a
/// geographic system from that projected one and opens the define dialog on it; on an
/// open worksheet it converts the sheet into that UTM zone, picking the target system in
/// the browser nested in the conversion dialog, and goes to the first marked row; then it
/// defines a local system in feet.
/// Last it runs the browser's commands: it creates a local system, modifies the
/// predefined UTM zone into a custom system, loads the .prj, saves the current system as
/// QRF2, adds the UTM zone, found by its code, to the favourites and cancels. In a new
/// browser it finds the custom systems it made still there, and deletes them. In another
/// it types "4326" without Enter and lets the pause run out, then types what matches
/// nothing.
/// Needs the wx backend installed.
class Tour {
public:
    Tour(HostFrame& frame, std::filesystem::path folder);

    /// Plays the session and returns the system chosen in the browser. Throws when a step
    /// cannot be played or a screenshot cannot be written.
    Gridlore::CoordinateSystem Run();
    /// The screenshots written so far, in the order of the steps.
    std::vector<std::filesystem::path> const& Screenshots() const { return m_screenshots; }
    /// What the session's message boxes told it (none when all went well); the questions
    /// a step answers are steps, not news.
    std::vector<std::wstring> const& MessageBoxes() const { return m_messageBoxes; }
    /// What failed without ending the session (a favourites file that cannot be written).
    std::vector<std::wstring> const& Failures() const { return m_failures; }
    /// The favourites the browser showed when the commands step opened it: those kept
    /// by earlier sessions.
    std::vector<std::wstring> const& FavoritesAtStart() const { return m_favoritesAtStart; }

private:
    using Scene = std::function<void(platform::User&)>;
    /// Runs the frame's `command` with `scene` playing the browser; throws unless the
    /// user's choice was accepted. Keeps what the boxes it showed said.
    void Accept(bool (HostFrame::*command)(), Scene const& scene);
    /// The same with a scene for each dialog the command opens, in the order they open.
    void AcceptDialogs(bool (HostFrame::*command)(),
                       std::vector<std::pair<int, Scene>> const& scenes);
    /// Runs the frame's `command` with those scenes; true when the user's choice was
    /// accepted. Keeps what the boxes it showed said.
    bool PlayDialogs(bool (HostFrame::*command)(),
                     std::vector<std::pair<int, Scene>> const& scenes);
    /// Defines a geographic system from the current projected one, then looks at it in
    /// the define dialog again.
    void DefineSystems();
    void PlayWorksheetSteps();
    void PlayWorksheetConversion(platform::User& user);
    void PlayTargetSystem(platform::User& user);
    void PlayLocalSystem(platform::User& user);
    void PlayBrowser(platform::User& user);
    /// Searches "27700" and selects the document's .prj of that system, by its code.
    void ShowPrjInUse(platform::User& user);
    /// The area-of-use map for a national system and for one across the antimeridian.
    void ShowAreasOfUse(platform::User& user);
    void PlayPropertySheet(platform::User& user);
    void PlayBrowserCommands(platform::User& user);
    /// Finds the custom systems the commands made in the browser opened next, then
    /// deletes them.
    void PlayCustomSystemsKept(platform::User& user);
    /// Modifies the British grid's false easting, ending the cell with Enter, which must
    /// keep the define dialog open and the value typed.
    void PlayKeptCellEdit(platform::User& user);
    /// The browser opened on the worksheet's area, then a place typed into its search box.
    void PlayPlaces(platform::User& user);
    /// Searches by typing alone, then types what matches nothing, which the tree says.
    void PlayTypedSearch(platform::User& user);
    /// Saves the screenshot of step `name` with `save`, numbered after the steps before.
    void Snap(std::string const& name, std::function<bool(std::string const&)> const& save);
    void SnapFrame(std::string const& name);
    void SnapDialog(platform::User& user, std::string const& name);

    HostFrame& m_frame;
    std::filesystem::path m_folder;
    std::vector<std::filesystem::path> m_screenshots;
    std::vector<std::wstring> m_messageBoxes;
    std::vector<std::wstring> m_failures;
    std::vector<std::wstring> m_favoritesAtStart;
    /// The custom system the kept cell edit made, deleted with the others.
    std::wstring m_editedName;
};

} // namespace gridhost
