#include "OpenOnceScenes.h"

#include "CountingSink.h"
#include "gridlore/CoordinateSystem.h"
#include "gridui/BrowserOptions.h"
#include "gridui/CRSDialog.h"
#include "gridui/ResourceIds.h"
#include "kor/Definitions.h"
#include "platform/Driver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#endif

namespace browserbench {

namespace {

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

} // namespace

void PrintShown() {
    std::printf("shown %ld\n", ResidentKilobytes());
    std::fflush(stdout);
#ifdef CALLGRIND_DUMP_STATS_AT
    // Under callgrind, the profile of the open up to the shown line is a part of its own;
    // the rest of the run (the idle work, closing) goes to the next part.
    CALLGRIND_DUMP_STATS_AT("shown");
#endif
}

void PrintCounter(char const* name, double value) {
    std::printf("counter %s %g\n", name, value);
    std::fflush(stdout);
}

void PrintResidentAfterIdle() {
    PrintCounter("resident_after_idle_MB", static_cast<double>(ResidentKilobytes()) / 1024.0);
}

namespace {

/// Opens the browser on the backend installed now and plays `scene` once it is idle.
bool OpenBrowser(gridui::BrowserOptions const& options,
                 std::function<void(platform::User&)> const& scene) {
    platform::Driver driver;
    platform::DriverScope const driving(driver);
    auto const sink = std::make_shared<benchsupport::CountingSink>();
    std::wstring const favorites =
        (std::filesystem::temp_directory_path() / "gridlore-bench-favourites.qrf2").wstring();
    gridui::CRSDialog dialog(
        Gridlore::CoordinateSystem(*kor::CreateCSDefByDefinition(L"EPSG:4326")), favorites, sink,
        nullptr, {});
    dialog.SetOptions(options);
    driver.OnDialog(gridui::res::BrowserDialog, [&](platform::User& user) {
        user.Idle();
        scene(user);
        user.Close();
    });
    dialog.DoModal();
    return sink->reports == 0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

/// Times "4326" searched from the full tree as the sample host's user searches, by typing
/// and pausing: from the pause's end to the tree painted with the results. The process's
/// first search, then the median of later ones; each after a user's pause, so the first
/// one is not typed before the browser's warm-up, nor any in the frame of a paint.
void TimeSearches(platform::User& user, ShownWatch& shown) {
    constexpr int Later = 9;
    std::vector<double> milliseconds;
    for (int i = 0; i <= Later; ++i) {
        if (i > 0) {
            shown.Arm();
            user.ClickToolButton(platform::ToolBarWindowId, gridui::res::ClearSearch);
            shown.Wait();
        }
        shown.Pause();
        user.Type(gridui::res::SearchBox, L"4326");
        shown.Arm();
        auto const expired = shown.EndTypingPause(user);
        shown.Wait();
        milliseconds.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - expired)
                .count());
    }
    PrintCounter("first_search_ms", milliseconds.front());
    PrintCounter("later_search_ms", Median({milliseconds.begin() + 1, milliseconds.end()}));
}

} // namespace

int OpenOnce(platform::Backend& backend, ShownWatch& shown, std::string const& scene) {
    if (!scene.empty() && scene != "first-search" && scene != "reopen") {
        std::fputs("unknown scene\n", stderr);
        return 2;
    }
    platform::BackendScope const installed(backend);
    shown.ReportAfterPaint(PrintShown);
    // What the browser leaves for its first idle is done by the time this has run.
    auto const idleAfterShown = [&](platform::User& user) {
        shown.WaitForReport();
        user.Idle();
        PrintResidentAfterIdle();
    };
    if (scene == "first-search") {
        return OpenBrowser(gridui::BrowserOptions::AllOn(50),
                           [&](platform::User& user) {
                               idleAfterShown(user);
                               TimeSearches(user, shown);
                           })
                   ? 0
                   : 1;
    }
    bool fine = OpenBrowser({}, idleAfterShown);
    if (scene == "reopen") {
        // From the second open on: the first one fills what the process keeps for good.
        constexpr int Opens = 50;
        long second = 0;
        long last = 0;
        for (int open = 2; open <= Opens && fine; ++open) {
            fine = OpenBrowser(
                {}, [&](platform::User&) { (open == 2 ? second : last) = ResidentKilobytes(); });
        }
        PrintCounter("resident_at_open_50_MB", static_cast<double>(last) / 1024.0);
        PrintCounter("growth_open_2_to_50_MB", static_cast<double>(last - second) / 1024.0);
    }
    return fine ? 0 : 1;
}

} // namespace browserbench
