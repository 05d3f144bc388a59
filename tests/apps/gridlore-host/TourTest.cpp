// The host's scripted tour on real windows, run as a user runs the program.
#include "ProgramRun.h"
#include "ScratchDirectory.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

namespace {

std::string Tour(std::filesystem::path const& config, std::filesystem::path const& state,
                 std::filesystem::path const& shots) {
    // A tour that hangs on a box nobody answers is killed and fails.
    return "XDG_CONFIG_HOME=" + Quoted(config) + " XDG_STATE_HOME=" + Quoted(state) +
           " timeout 300 " + Quoted(HOST_EXECUTABLE) + " --tour " + Quoted(shots);
}

} // namespace

TEST(HostTour, chooses_a_utm_zone_33n_system_with_a_screenshot_per_step_and_keeps_the_history) {
    char const* output = std::getenv("GRIDLORE_TEST_OUTPUT");
    std::filesystem::path const folder =
        std::filesystem::path(output != nullptr ? output : "test-artifacts") / "tour";
    std::filesystem::remove_all(folder);
    ScratchDirectory const config;
    std::filesystem::path const errors = config / "stderr.txt";

    ProgramRun const run = RunProgram(Tour(config.Path(), config / "state", folder), errors);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("UTM zone 33N"), std::string::npos) << run.out;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << "only the system's name";

    for (char const* step : {"01-main-window",
                             "02-browser-opened",
                             "03-search-4326",
                             "04-prj-27700-in-use",
                             "05-area-map-27700",
                             "06-area-map-3460-antimeridian",
                             "07-search-utm-zone-33",
                             "08-utm-zone-33n-selected",
                             "09-main-window-with-choice",
                             "10-property-sheet",
                             "11-define-projected",
                             "12-main-window-with-defined-system",
                             "13-define-geographic",
                             "14-worksheet-conversion-opened",
                             "15-worksheet-target-system",
                             "16-worksheet-conversion-filled",
                             "17-worksheet-converted",
                             "18-local-system-opened",
                             "19-local-system-in-feet",
                             "20-main-window-with-local-system",
                             "21-new-local-system-named",
                             "22-new-local-system-in-custom",
                             "23-modify-predefined",
                             "24-modified-into-custom",
                             "25-prj-loaded",
                             "26-saved-as-qrf2",
                             "27-favourite-added",
                             "28-modify-cell-kept-after-enter",
                             "29-modified-false-easting-kept",
                             "30-custom-systems-kept",
                             "31-custom-systems-deleted",
                             "32-only-systems-for-the-worksheet-area",
                             "33-systems-for-a-place",
                             "34-search-typed-without-enter",
                             "35-search-found-nothing"}) {
        std::filesystem::path const shot = folder / (std::string(step) + ".png");
        ASSERT_TRUE(std::filesystem::exists(shot)) << shot;
        EXPECT_GT(std::filesystem::file_size(shot), 1000U) << shot;
    }
    // The bundled sample's two bad rows are told, never written as numbers; the point past
    // the zone is converted and flagged, and the operation is named.
    EXPECT_NE(run.err.find("Converted 298 of 300 rows."), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("\nOperation: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("1 point lies outside the area of use of WGS 84 / UTM zone 33N"),
              std::string::npos)
        << run.err;
    // The search box keeps its history in the host's own settings file.
    EXPECT_NE(FileText(config / "gridlore-host" / "settings.ini").find("UTM zone 33"),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(folder / "saved-system.qrf2"));
    EXPECT_EQ(run.err.find("a favourite kept from before"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("the tour went on after"), std::string::npos) << run.err;
    // What the tour made it deleted again: the file is there, empty of them.
    std::string const kept = FileText(config / "gridlore-host" / "custom-systems.qrf2");
    EXPECT_NE(kept.find("\"systems\""), std::string::npos) << kept;
    EXPECT_EQ(kept.find("Tour local system"), std::string::npos) << kept;

    // Started again, the host shows the favourite that the first session added.
    ProgramRun const again =
        RunProgram(Tour(config.Path(), config / "state", config / "again"), errors);
    ASSERT_EQ(again.exitCode, 0) << again.err;
    EXPECT_NE(again.err.find("a favourite kept from before: WGS 84 / UTM zone 33N"),
              std::string::npos)
        << again.err;
}

TEST(HostTour, completes_with_a_warning_in_the_log_whatever_is_wrong_with_the_settings) {
    std::vector<std::pair<std::string, std::function<void(std::filesystem::path const&)>>> faults =
        {{"garbage in settings.ini",
          [](std::filesystem::path const& app) {
              std::filesystem::create_directories(app);
              std::ofstream(app / "settings.ini", std::ios::binary)
                  << "\x89PNG\r\n\x1a\n\xff[Settings/CRSSearch\nSearch0=\\\n[]]]\n=\n";
          }},
         {"settings.ini is a folder",
          [](std::filesystem::path const& app) {
              std::filesystem::create_directories(app / "settings.ini");
          }},
         {"the config folder is a file",
          [](std::filesystem::path const& app) { std::ofstream(app) << "not a folder"; }},
         // Each would once hold the host before its window opened.
         {"settings, favourites and the systems cache are named pipes",
          [](std::filesystem::path const& app) {
              std::filesystem::path const cache = app.parent_path() / "cache" / "GridloreUI";
              std::filesystem::create_directories(app);
              std::filesystem::create_directories(cache);
              for (std::filesystem::path const& pipe :
                   {app / "settings.ini", app / "favorites.qrf2", cache / "known-systems.cache"}) {
                  ::mkfifo(pipe.c_str(), 0600);
              }
          }}};
    if (::geteuid() != 0) { // permissions do not stop the superuser
        faults.emplace_back("a read-only config folder", [](std::filesystem::path const& app) {
            std::filesystem::create_directories(app);
            std::filesystem::permissions(app, std::filesystem::perms(0555));
        });
    }
    for (auto const& [fault, make] : faults) {
        ScratchDirectory const scratch;
        std::filesystem::path const app = scratch / "gridlore-host";
        make(app);
        std::string const cache = std::filesystem::exists(scratch / "cache")
                                      ? "XDG_CACHE_HOME=" + Quoted(scratch / "cache") + " "
                                      : std::string();
        ProgramRun const run = RunProgram(
            cache + Tour(scratch.Path(), scratch / "state", scratch / "shots"), scratch / "err");
        EXPECT_EQ(run.exitCode, 0) << fault << ": " << run.err;
        EXPECT_NE(run.out.find("UTM zone 33N"), std::string::npos) << fault << ": " << run.out;
        std::string const log = FileText(scratch / "state" / "GridloreUI" / "gridlore.log");
        EXPECT_NE(log.find("Settings: "), std::string::npos) << fault << ": " << log;
        EXPECT_EQ(log.find("Settings: ", log.find("Settings: ") + 1), std::string::npos)
            << fault << ": warned more than once: " << log;
        if (!cache.empty()) {
            EXPECT_NE(run.err.find("favorites.qrf2' is a named pipe, not a file"),
                      std::string::npos)
                << run.err;
            EXPECT_NE(log.find("known-systems.cache' is a named pipe, not a file; the lists are "
                               "read from the registry"),
                      std::string::npos)
                << log;
        }
        std::error_code ignored;
        std::filesystem::permissions(app, std::filesystem::perms(0755), ignored);
        if (std::filesystem::is_directory(app)) {
            for (auto const& entry : std::filesystem::directory_iterator(app)) {
                EXPECT_NE(entry.path().filename().string().rfind(".settings.ini.", 0), 0U)
                    << fault << ": temporary file left behind";
            }
        }
    }
}
