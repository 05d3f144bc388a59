// The host's scripted tour on real windows, run as a user runs the program.
#include "ScratchDirectory.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

struct Finished {
    int exitCode = -1;
    std::string out;
};

Finished RunCommand(std::string const& command) {
    Finished run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        run.out += buffer;
    }
    int const status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string Contents(std::filesystem::path const& path) {
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string Quoted(std::filesystem::path const& path) {
    return "'" + path.string() + "'";
}

} // namespace

TEST(HostTour, chooses_a_utm_zone_33n_system_with_a_screenshot_per_step_and_keeps_the_history) {
    char const* output = std::getenv("GRIDLORE_TEST_OUTPUT");
    std::filesystem::path const folder =
        std::filesystem::path(output != nullptr ? output : "test-artifacts") / "tour";
    std::filesystem::remove_all(folder);
    ScratchDirectory const config;
    std::filesystem::path const errors = config / "stderr.txt";

    Finished const run =
        RunCommand("XDG_CONFIG_HOME=" + Quoted(config.Path()) + " " + Quoted(HOST_EXECUTABLE) +
                   " --tour " + Quoted(folder) + " 2>" + Quoted(errors));
    ASSERT_EQ(run.exitCode, 0) << Contents(errors);
    EXPECT_NE(run.out.find("UTM zone 33N"), std::string::npos) << run.out;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << "only the system's name";

    for (char const* step :
         {"01-main-window", "02-browser-opened", "03-search-4326", "04-prj-27700-in-use",
          "05-search-utm-zone-33", "06-utm-zone-33n-selected", "07-main-window-with-choice",
          "08-property-sheet", "09-define-projected", "10-main-window-with-defined-system",
          "11-define-geographic", "12-worksheet-conversion-opened", "13-worksheet-target-system",
          "14-worksheet-conversion-filled", "15-worksheet-converted", "16-local-system-opened",
          "17-local-system-in-feet", "18-main-window-with-local-system"}) {
        std::filesystem::path const shot = folder / (std::string(step) + ".png");
        ASSERT_TRUE(std::filesystem::exists(shot)) << shot;
        EXPECT_GT(std::filesystem::file_size(shot), 1000U) << shot;
    }
    // The bundled sample's three bad rows are told, never written as numbers.
    EXPECT_NE(Contents(errors).find("Converted 297 of 300 rows."), std::string::npos)
        << Contents(errors);
    // The search box keeps its history in the host's own settings file.
    EXPECT_NE(Contents(config / "gridlore-host" / "settings.ini").find("UTM zone 33"),
              std::string::npos);
}
