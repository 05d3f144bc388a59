#include "BrowserWorkload.h"

#include "CountingSink.h"
#include "Spread.h"
#include "gridlore/CoordinateSystem.h"
#include "gridui/BrowserOptions.h"
#include "gridui/CRSDialog.h"
#include "gridui/ResourceIds.h"
#include "kor/Definitions.h"
#include "kor/KnownCatalogue.h"
#include "platform/Dialog.h"
#include "platform/Driver.h"
#include "platform/TreeCtrl.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>

namespace browserbench {

namespace {

namespace res = gridui::res;

using benchsupport::CountingSink;

Gridlore::CoordinateSystem Wgs84() {
    return Gridlore::CoordinateSystem(*kor::CreateCSDefByDefinition(L"EPSG:4326"));
}

std::wstring FavoritesPath() {
    return (std::filesystem::temp_directory_path() / "gridlore-bench-favourites.qrf2").wstring();
}

std::size_t TreeItems(platform::User& user) {
    return dynamic_cast<platform::TreeCtrl&>(user.GetDialog().GetDlgItem(res::Tree)).GetCount();
}

/// Opens the browser once on `backend` with `options` and plays `scene` in it, then
/// closes it.
void WithBrowser(platform::Backend& backend, benchmark::State& state,
                 std::function<void(platform::User&)> const& scene,
                 gridui::BrowserOptions const& options = {}) {
    platform::BackendScope const installed(backend);
    platform::Driver driver;
    platform::DriverScope const driving(driver);
    auto const sink = std::make_shared<CountingSink>();
    gridui::CRSDialog dialog(Wgs84(), FavoritesPath(), sink, nullptr, {});
    dialog.SetOptions(options);
    driver.OnDialog(res::BrowserDialog, [&](platform::User& user) {
        scene(user);
        state.counters["tree items"] = static_cast<double>(TreeItems(user));
        user.Close();
    });
    dialog.DoModal();
    if (sink->reports != 0) {
        state.SkipWithError("the browser reported an error");
    }
}

void TypeAndEnter(platform::User& user, std::wstring const& text) {
    user.Type(res::SearchBox, text);
    user.PressKey(res::SearchBox, platform::KeyReturn);
}

void ClickClearSearch(platform::User& user) {
    user.ClickToolButton(platform::ToolBarWindowId, res::ClearSearch);
}

} // namespace

void Rebuild(platform::Backend& backend, benchmark::State& state) {
    WithBrowser(backend, state, [&](platform::User& user) {
        for (auto _ : state) {
            ClickClearSearch(user);
        }
    });
}

void Search(platform::Backend& backend, benchmark::State& state, std::wstring const& text) {
    WithBrowser(backend, state, [&](platform::User& user) {
        for (auto _ : state) {
            TypeAndEnter(user, text);
        }
    });
}

void TimeEach(benchmark::State& state, ShownWatch& shown, std::function<void()> const& setUp,
              std::function<void()> const& action) {
    Spread spread;
    for (auto _ : state) {
        shown.Arm();
        setUp();
        shown.Wait();
        shown.Pause();
        shown.Arm();
        auto const start = std::chrono::steady_clock::now();
        action();
        shown.Wait();
        spread.AddSince(state, start);
    }
    spread.Report(state);
}

void SearchFromFullTree(platform::Backend& backend, ShownWatch& shown, benchmark::State& state,
                        std::wstring const& text, gridui::BrowserOptions const& options) {
    WithBrowser(
        backend, state,
        [&](platform::User& user) {
            TimeEach(
                state, shown,
                [&] {
                    ClickClearSearch(user);
                    user.Type(res::SearchBox, text);
                },
                [&] { user.PressKey(res::SearchBox, platform::KeyReturn); });
        },
        options);
}

gridui::BrowserOptions HostOptions() {
    gridui::BrowserOptions options = gridui::BrowserOptions::AllOn(50);
    // Typed before the pause that precedes a timed action, the text would be searched when
    // the typing pause ran out, and Enter would search it again from its own results.
    options.searchAsYouType = false;
    return options;
}

void RegisterSearchesWithOptionsOn(
    std::string const& family,
    std::function<void(benchmark::State&, wchar_t const* text, double goal)> const& run) {
    struct Measured {
        char const* name;
        wchar_t const* text;
        double goal;
    };
    // A code, the words run together that now find every datum's zone, a name, and a place
    // whose systems' folders all open.
    for (Measured const& search :
         {Measured{"4326", L"4326", 3}, Measured{"utm_33", L"utm 33", 5},
          Measured{"WGS_84", L"WGS 84", 5}, Measured{"place_52.52_13.40", L"52.52 13.40", 5}}) {
        benchmark::RegisterBenchmark(
            (family + "/" + search.name).c_str(),
            [run, search](benchmark::State& state) { run(state, search.text, search.goal); })
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(25);
    }
}

void TypedSearchFromFullTree(platform::Backend& backend, ShownWatch& shown, benchmark::State& state,
                             std::wstring const& text) {
    gridui::BrowserOptions typing;
    typing.searchAsYouType = true;
    WithBrowser(
        backend, state,
        [&](platform::User& user) {
            Spread spread;
            for (auto _ : state) {
                shown.Arm();
                ClickClearSearch(user);
                shown.Wait();
                shown.Pause();
                user.Type(res::SearchBox, text);
                shown.Arm();
                auto const expired = shown.EndTypingPause(user);
                shown.Wait();
                spread.AddSince(state, expired);
            }
            spread.Report(state);
        },
        typing);
}

void ClearToFullTree(platform::Backend& backend, ShownWatch& shown, benchmark::State& state,
                     std::wstring const& text) {
    WithBrowser(backend, state, [&](platform::User& user) {
        TimeEach(
            state, shown, [&] { TypeAndEnter(user, text); }, [&] { ClickClearSearch(user); });
    });
}

namespace {

/// Every iteration runs `first`, then constructs the dialog and opens it, timed until it
/// is idle and `shown` sees its first tree shown. Closing is not timed.
void OpenEach(platform::Backend& backend, ShownWatch& shown, benchmark::State& state,
              std::function<void()> const& first) {
    platform::BackendScope const installed(backend);
    platform::Driver driver;
    platform::DriverScope const driving(driver);
    auto const sink = std::make_shared<CountingSink>();
    Gridlore::CoordinateSystem const wgs84 = Wgs84();
    std::wstring const favorites = FavoritesPath();
    std::size_t items = 0;
    Spread spread;
    for (auto _ : state) {
        shown.Pause();
        shown.Arm();
        auto const start = std::chrono::steady_clock::now();
        first();
        gridui::CRSDialog dialog(wgs84, favorites, sink, nullptr, {});
        // The scene starts once the dialog runs its own loop, shown and idle.
        driver.OnDialog(res::BrowserDialog, [&](platform::User& user) {
            user.Idle();
            shown.Wait();
            spread.AddSince(state, start);
            items = TreeItems(user);
            user.Close();
        });
        dialog.DoModal();
    }
    spread.Report(state);
    state.counters["tree items"] = static_cast<double>(items);
    if (sink->reports != 0) {
        state.SkipWithError("the browser reported an error");
    }
}

} // namespace

void OpenWarm(platform::Backend& backend, ShownWatch& shown, benchmark::State& state) {
    // The first browser reads the registry's list; the timed ones find it read.
    WithBrowser(backend, state, [](platform::User&) {});
    OpenEach(backend, shown, state, [] {});
}

void OpenCold(platform::Backend& backend, ShownWatch& shown, benchmark::State& state) {
    OpenEach(backend, shown, state,
             [] { kor::InstallKnownCatalogue(kor::OpenRegistryCatalogue()); });
    kor::InstallKnownCatalogue(nullptr);
}

} // namespace browserbench
