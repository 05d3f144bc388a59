// gridlore-host: a sample mapping application that chooses its document's system in the browser.
#include "ArgumentError.h"
#include "ConfigDirectory.h"
#include "HostDocument.h"
#include "HostErrorSink.h"
#include "HostFavorites.h"
#include "HostFrame.h"
#include "HostOptions.h"
#include "Tour.h"
#include "platform/wx/WxBackend.h"
#include "shr/Logger.h"
#include "shr/Utf8.h"

#include <wx/app.h>
#include <wx/init.h>
#include <wx/msgdlg.h>

#include <clocale>
#include <iostream>
#include <optional>

namespace {

using namespace gridhost;

/// Plays the tour on `frame`, prints the chosen system and leaves the frame to close.
int RunTour(HostFrame& frame, std::filesystem::path const& folder) {
    Tour tour(frame, folder);
    Gridlore::CoordinateSystem const chosen = tour.Run();
    for (std::wstring const& box : tour.MessageBoxes()) {
        std::cerr << "gridlore-host: a box during the tour said: " << shr::ToUtf8(box) << '\n';
    }
    std::cout << shr::ToUtf8(chosen.GetLeafName()) << '\n';
    std::cerr << "gridlore-host: " << tour.Screenshots().size() << " screenshots in "
              << folder.string() << '\n';
    return ExitSuccess;
}

int RunHost(HostOptions const& options, HostDocument& document) {
    platform::wx::WxBackend backend(AppName);
    platform::BackendScope const installed(backend);

    std::error_code failed;
    std::filesystem::create_directories(ConfigDirectory(), failed);
    if (failed) {
        std::cerr << "gridlore-host: cannot create " << ConfigDirectory().string() << ": "
                  << failed.message() << "; favourites and history will not be kept\n";
    }
    std::string const favoritesProblem = LoadFavorites(FavoritesPath());
    if (!favoritesProblem.empty()) {
        std::cerr << "gridlore-host: " << favoritesProblem << '\n';
    }

    auto* frame =
        new HostFrame(document, FavoritesPath().wstring(), std::make_shared<HostErrorSink>());
    frame->Show();
    if (options.tourFolder) {
        int const result = RunTour(*frame, *options.tourFolder);
        frame->Destroy();
        return result;
    }
    if (!favoritesProblem.empty()) {
        wxMessageBox(wxString::FromUTF8(favoritesProblem), "GridloreUI Host", wxOK | wxICON_WARNING,
                     frame);
    }
    return wxTheApp->OnRun();
}

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    std::optional<HostOptions> options;
    std::optional<HostDocument> document;
    try {
        options = ParseHostOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (options->help) {
            std::cout << UsageText();
            return ExitSuccess;
        }
        document.emplace(options->systems, options->current);
    } catch (ArgumentError const& error) {
        std::cerr << "gridlore-host: " << error.what() << '\n'
                  << "Run 'gridlore-host --help' for the options.\n";
        return ExitUsage;
    } catch (...) {
        std::cerr << "gridlore-host: " << shr::ToUtf8(shr::DescribeCurrentException()) << '\n';
        return ExitFailure;
    }

    // The arguments are ours; wx would refuse the options it does not know.
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argv[0], nullptr};
    if (!platform::wx::WxBackend::StartApplication(toolkitArgc, toolkitArgv)) {
        std::cerr << "gridlore-host: cannot open a display; run it under xvfb-run without one\n";
        return ExitFailure;
    }
    int result = ExitFailure;
    try {
        result = RunHost(*options, *document);
    } catch (...) {
        std::cerr << "gridlore-host: " << shr::ToUtf8(shr::DescribeCurrentException()) << '\n';
    }
    wxEntryCleanup();
    return result;
}
