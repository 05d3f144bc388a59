// gridlore-host: a sample mapping application that chooses its document's system in the browser.
#include "ArgumentError.h"
#include "ConfigDirectory.h"
#include "HostDocument.h"
#include "HostErrorSink.h"
#include "HostFavorites.h"
#include "HostFrame.h"
#include "HostOptions.h"
#include "StartupReport.h"
#include "Tour.h"
#include "Worksheet.h"
#include "platform/wx/WxBackend.h"
#include "shr/Exception.h"
#include "shr/Utf8.h"

#include <wx/app.h>
#include <wx/init.h>
#include <wx/msgdlg.h>

#include <algorithm>
#include <clocale>
#include <iostream>
#include <optional>
#include <string_view>

namespace {

using namespace gridhost;

/// Plays the tour on `frame`, prints the chosen system and leaves the frame to close.
int RunTour(HostFrame& frame, std::filesystem::path const& folder) {
    Tour tour(frame, folder);
    Gridlore::CoordinateSystem const chosen = tour.Run();
    for (std::wstring const& box : tour.MessageBoxes()) {
        std::cerr << "gridlore-host: a box during the tour said: " << shr::ToUtf8(box) << '\n';
    }
    for (std::wstring const& failure : tour.Failures()) {
        std::cerr << "gridlore-host: the tour went on after: " << shr::ToUtf8(failure) << '\n';
    }
    for (std::wstring const& favorite : tour.FavoritesAtStart()) {
        std::cerr << "gridlore-host: a favourite kept from before: " << shr::ToUtf8(favorite)
                  << '\n';
    }
    std::cout << shr::ToUtf8(chosen.GetLeafName()) << '\n';
    std::cerr << "gridlore-host: " << tour.Screenshots().size() << " screenshots in "
              << folder.string() << '\n';
    return ExitSuccess;
}

/// The worksheet named on the command line, else the bundled sample when it is there.
/// Throws ArgumentError naming a worksheet given that cannot be read.
std::optional<Worksheet> ReadWorksheet(HostOptions const& options) {
    if (!options.worksheet) {
        std::filesystem::path const sample = GRIDLORE_HOST_SAMPLE_WORKSHEET;
        std::error_code missing;
        return std::filesystem::exists(sample, missing)
                   ? std::optional(Worksheet::Load(sample, options.worksheetReading))
                   : std::nullopt;
    }
    try {
        return Worksheet::Load(*options.worksheet, options.worksheetReading);
    } catch (WorksheetError const& error) {
        throw ArgumentError(std::string("--worksheet: ") + error.what());
    }
}

int RunHost(HostOptions const& options, HostDocument& document, std::optional<Worksheet> sheet) {
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

    auto* frame = new HostFrame(document, FavoritesPath().wstring(), CustomSystemsPath().wstring(),
                                std::make_shared<HostErrorSink>());
    if (sheet) {
        frame->OpenWorksheet(std::move(*sheet));
    }
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
    RouteToolkitAssertions();
    bool const scripted = std::any_of(argv + 1, argv + argc, [](char const* argument) {
        return std::string_view(argument).starts_with("--tour");
    });
    std::optional<HostOptions> options;
    std::optional<HostDocument> document;
    std::optional<Worksheet> sheet;
    try {
        options = ParseHostOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (options->help) {
            std::cout << UsageText();
            return ExitSuccess;
        }
        document.emplace(options->systems, options->current);
        sheet = ReadWorksheet(*options);
    } catch (ArgumentError const& error) {
        ReportStartupError(error.what(), scripted);
        std::cerr << "Run 'gridlore-host --help' for the options.\n";
        return ExitUsage;
    } catch (...) {
        std::cerr << "gridlore-host: " << shr::ToUtf8(shr::UserMessageOfCurrentException()) << '\n';
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
        result = RunHost(*options, *document, std::move(sheet));
    } catch (...) {
        std::cerr << "gridlore-host: " << shr::ToUtf8(shr::UserMessageOfCurrentException()) << '\n';
    }
    wxEntryCleanup();
    return result;
}
