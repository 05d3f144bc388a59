// The host's scripted tour on real windows, run as a user runs the program.
#include "ProgramRun.h"
#include "ScratchDirectory.h"

#include <gmock/gmock.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

using ::testing::HasSubstr;
using ::testing::Not;

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
    EXPECT_THAT(run.out, HasSubstr("UTM zone 33N"));
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << "only the system's name";

    // Each step saves its screenshot or ends the tour, so a count shows every step taken.
    std::size_t shots = 0;
    for (auto const& shot : std::filesystem::directory_iterator(folder)) {
        if (shot.path().extension() == ".png") {
            ++shots;
            EXPECT_GT(shot.file_size(), 1000U) << shot.path();
        }
    }
    EXPECT_EQ(shots, 35U);
    // The bundled sample's two bad rows are told, never written as numbers; the point past
    // the zone is converted and flagged, and the operation is named.
    EXPECT_THAT(run.err, HasSubstr("Converted 298 of 300 rows."));
    EXPECT_THAT(run.err, HasSubstr("\nOperation: "));
    EXPECT_THAT(run.err,
                HasSubstr("1 point lies outside the area of use of WGS 84 / UTM zone 33N"));
    // The search box keeps its history in the host's own settings file.
    EXPECT_THAT(FileText(config / "gridlore-host" / "settings.ini"), HasSubstr("UTM zone 33"));
    EXPECT_TRUE(std::filesystem::exists(folder / "saved-system.qrf2"));
    EXPECT_THAT(run.err, Not(HasSubstr("a favourite kept from before")));
    EXPECT_THAT(run.err, Not(HasSubstr("the tour went on after")));
    // What the tour made it deleted again: the file is there, empty of them.
    std::string const kept = FileText(config / "gridlore-host" / "custom-systems.qrf2");
    EXPECT_THAT(kept, HasSubstr("\"systems\""));
    EXPECT_THAT(kept, Not(HasSubstr("Tour local system")));

    // Started again, the host shows the favourite that the first session added.
    ProgramRun const again =
        RunProgram(Tour(config.Path(), config / "state", config / "again"), errors);
    ASSERT_EQ(again.exitCode, 0) << again.err;
    EXPECT_THAT(again.err, HasSubstr("a favourite kept from before: WGS 84 / UTM zone 33N"));
}

TEST(HostTour, completes_with_a_warning_in_the_log_whatever_is_wrong_with_the_settings) {
    // A damaged or unusable settings file alone is the settings store's own test; here, what
    // the whole host writes besides it.
    std::vector<std::pair<std::string, std::function<void(std::filesystem::path const&)>>> faults =
        {{"the config folder is a file",
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
        EXPECT_THAT(run.out, HasSubstr("UTM zone 33N")) << fault << ": " << run.out;
        std::string const log = FileText(scratch / "state" / "GridloreUI" / "gridlore.log");
        EXPECT_THAT(log, HasSubstr("Settings: ")) << fault << ": " << log;
        EXPECT_EQ(log.find("Settings: ", log.find("Settings: ") + 1), std::string::npos)
            << fault << ": warned more than once: " << log;
        if (!cache.empty()) {
            EXPECT_THAT(run.err, HasSubstr("favorites.qrf2' is a named pipe, not a file"));
            EXPECT_THAT(log,
                        HasSubstr("known-systems.cache' is a named pipe, not a file; the lists are "
                                  "read from the registry"));
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
