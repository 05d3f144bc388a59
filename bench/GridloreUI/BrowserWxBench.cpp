#include "AreaMapWorkload.h"
#include "BrowserWorkload.h"
#include "DefinePickLists.h"
#include "DefineWorkload.h"
#include "FreshProcess.h"
#include "Spread.h"
#include "ToolkitOnly.h"
#include "TreePaintWatch.h"

#include "platform/wx/WxBackend.h"

#include <chrono>

namespace {

/// Null without a display.
platform::wx::WxBackend* Backend() {
    static int argc = 1;
    static char name[] = "gridloreui_wx_bench";
    static char* argv[] = {name, nullptr};
    static bool const started = platform::wx::WxBackend::StartApplication(argc, argv);
    if (!started) {
        return nullptr;
    }
    static platform::wx::WxBackend backend(L"GridloreUI-bench");
    return &backend;
}

/// The backend; null, with the benchmark skipped, without a display.
platform::wx::WxBackend* BackendOrSkip(benchmark::State& state) {
    platform::wx::WxBackend* backend = Backend();
    if (backend == nullptr) {
        state.SkipWithError("no display: run under xvfb-run");
    }
    return backend;
}

template <typename Workload> void OnWx(benchmark::State& state, Workload const& workload) {
    platform::wx::WxBackend* backend = BackendOrSkip(state);
    if (backend == nullptr) {
        return;
    }
    browserbench::TreePaintWatch painted;
    workload(*backend, painted);
    if (painted.Missed() != 0) {
        state.counters["unpainted"] = painted.Missed();
    }
}

void WxBrowserRebuild(benchmark::State& state) {
    OnWx(state, [&](platform::Backend& backend, browserbench::ShownWatch&) {
        browserbench::Rebuild(backend, state);
    });
}
BENCHMARK(WxBrowserRebuild)->Unit(benchmark::kMillisecond);

void WxBrowserSearch(benchmark::State& state, wchar_t const* text) {
    OnWx(state, [&](platform::Backend& backend, browserbench::ShownWatch&) {
        browserbench::Search(backend, state, text);
    });
}
BENCHMARK_CAPTURE(WxBrowserSearch, 4326, L"4326")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WxBrowserSearch, UTM_zone_33, L"UTM zone 33")->Unit(benchmark::kMillisecond);

void WxBrowserOpenCold(benchmark::State& state) {
    OnWx(state, [&](platform::Backend& backend, browserbench::ShownWatch& shown) {
        browserbench::OpenCold(backend, shown, state);
    });
}
BENCHMARK(WxBrowserOpenCold)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

// What a user waits for, each with its goal as a counter: a search or a clear from
// typing Enter to the tree shown, and opening the browser.
void WxBrowserSearchFromFullTree(benchmark::State& state, wchar_t const* text, double goal) {
    state.counters["goal ms"] = goal;
    OnWx(state, [&](platform::Backend& backend, browserbench::ShownWatch& shown) {
        browserbench::SearchFromFullTree(backend, shown, state, text);
    });
}
BENCHMARK_CAPTURE(WxBrowserSearchFromFullTree, 4326, L"4326", 3)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(25);
BENCHMARK_CAPTURE(WxBrowserSearchFromFullTree, UTM_zone_33, L"UTM zone 33", 3)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(25);
BENCHMARK_CAPTURE(WxBrowserSearchFromFullTree, WGS_84, L"WGS 84", 5)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(25);

// The same with every option on, as the sample host has them: words, aliases and areas
// searched, the best matches listed and the best selected.
void WxBrowserSearchWithOptionsOn(benchmark::State& state, wchar_t const* text, double goal) {
    state.counters["goal ms"] = goal;
    OnWx(state, [&](platform::Backend& backend, browserbench::ShownWatch& shown) {
        browserbench::SearchFromFullTree(backend, shown, state, text, browserbench::HostOptions());
    });
}
[[maybe_unused]] bool const WxWithOptionsOn = [] {
    browserbench::RegisterSearchesWithOptionsOn("WxBrowserSearchWithOptionsOn",
                                                WxBrowserSearchWithOptionsOn);
    return true;
}();
// The same searches typed without Enter, from the pause's end to the tree shown.
void WxBrowserTypedSearchFromFullTree(benchmark::State& state, wchar_t const* text, double goal) {
    state.counters["goal ms"] = goal;
    OnWx(state, [&](platform::Backend& backend, browserbench::ShownWatch& shown) {
        browserbench::TypedSearchFromFullTree(backend, shown, state, text);
    });
}
BENCHMARK_CAPTURE(WxBrowserTypedSearchFromFullTree, 4326, L"4326", 3)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(25);
BENCHMARK_CAPTURE(WxBrowserTypedSearchFromFullTree, WGS_84, L"WGS 84", 5)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(25);
// A selection change with the area-of-use map on, until the map is painted (the goal is
// 5 ms), and, to compare, without it, until the tree is painted.
void WxSelectInUse(benchmark::State& state, bool areaMap) {
    state.counters["goal ms"] = 5;
    platform::wx::WxBackend* backend = BackendOrSkip(state);
    if (backend == nullptr) {
        return;
    }
    browserbench::TreePaintWatch painted(areaMap ? browserbench::TreePaintWatch::IsDrawingSurface
                                                 : browserbench::TreePaintWatch::IsTree);
    browserbench::SelectInUse(*backend, painted, state, areaMap);
    state.counters["unpainted"] = painted.Missed();
}
BENCHMARK_CAPTURE(WxSelectInUse, area_map, true)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(25);
BENCHMARK_CAPTURE(WxSelectInUse, no_map, false)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(25);

void WxBrowserClearToFullTree(benchmark::State& state) {
    state.counters["goal ms"] = 8;
    OnWx(state, [&](platform::Backend& backend, browserbench::ShownWatch& shown) {
        browserbench::ClearToFullTree(backend, shown, state, L"4326");
    });
}
BENCHMARK(WxBrowserClearToFullTree)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(25);

void WxBrowserOpenWarm(benchmark::State& state) {
    state.counters["goal ms"] = 20;
    OnWx(state, [&](platform::Backend& backend, browserbench::ShownWatch& shown) {
        browserbench::OpenWarm(backend, shown, state);
    });
}
BENCHMARK(WxBrowserOpenWarm)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(25);

// The browser in processes of its own, each figure with its goal as a counter: opened;
// opened at the first start after the registry changed, which rebuilds the cached list;
// its first search against its later ones, with the sample host's options; and fifty
// opens and closes, where what each leaves behind (native items, images, registry
// objects) shows as growth.
[[maybe_unused]] bool const WxFreshProcesses = [] {
    struct Fresh {
        char const* name;
        char const* scene;
        bool firstStart;
        char const* goal;
        double goalValue;
        int processes;
    };
    for (Fresh const& fresh :
         {Fresh{"WxBrowserOpenInFreshProcess", "wx", false, "goal ms", 120, 5},
          Fresh{"WxBrowserFirstStartInFreshProcess", "wx", true, nullptr, 0, 5},
          Fresh{"WxBrowserFirstSearchInFreshProcess", "wx-first-search", false, nullptr, 0, 5},
          Fresh{"WxBrowserReopenInFreshProcess", "wx-reopen", false, "growth goal MB", 1, 3}}) {
        benchmark::RegisterBenchmark(fresh.name,
                                     [fresh](benchmark::State& state) {
                                         if (fresh.goal != nullptr) {
                                             state.counters[fresh.goal] = fresh.goalValue;
                                         }
                                         browserbench::OpenInFreshProcess(state, fresh.scene,
                                                                          fresh.firstStart);
                                     })
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(fresh.processes);
    }
    return true;
}();

// The same cases on the toolkit alone, with nothing of ours: no browser on this toolkit
// can be faster, so a goal below one of these cannot be met on it.

/// Runs `work` once `dialog` is shown and painted, inside its own modal loop, where the
/// toolkit paints.
template <typename Work>
void WhenShown(wxDialog& dialog, browserbench::TreePaintWatch& painted, Work const& work) {
    painted.Arm();
    dialog.CallAfter([&] {
        painted.Wait();
        work();
        dialog.EndModal(wxID_OK);
    });
    dialog.ShowModal();
}

/// Times `change`, run after `setUp` and a pause, until the tree is painted again.
template <typename SetUp, typename Change>
void WxToolkitOnlyTreeChange(benchmark::State& state, double goal, SetUp const& setUp,
                             Change const& change) {
    state.counters["goal ms"] = goal;
    if (BackendOrSkip(state) == nullptr) {
        return;
    }
    browserbench::TreePaintWatch painted;
    browserbench::ToolkitOnlyDialog dialog;
    WhenShown(dialog, painted, [&] {
        browserbench::TimeEach(
            state, painted, [&] { setUp(dialog); }, [&] { change(dialog); });
    });
    if (painted.Missed() != 0) {
        state.counters["unpainted"] = painted.Missed();
    }
}

void WxToolkitOnlySearch(benchmark::State& state) {
    WxToolkitOnlyTreeChange(
        state, 3, [](browserbench::ToolkitOnlyDialog& dialog) { dialog.ShowFullTree(); },
        [](browserbench::ToolkitOnlyDialog& dialog) { dialog.ShowOneResult(); });
}
BENCHMARK(WxToolkitOnlySearch)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(25);

// A search whose results leave the current system out, as "UTM zone 33" does from
// WGS 84: the commands on the selected system change state with the tree.
void WxToolkitOnlySearchChangingCommands(benchmark::State& state) {
    WxToolkitOnlyTreeChange(
        state, 3,
        [](browserbench::ToolkitOnlyDialog& dialog) {
            dialog.ShowFullTree();
            dialog.EnableCommands(true);
        },
        [](browserbench::ToolkitOnlyDialog& dialog) {
            dialog.ShowOneResult();
            dialog.EnableCommands(false);
        });
}
BENCHMARK(WxToolkitOnlySearchChangingCommands)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(25);

void WxToolkitOnlyClear(benchmark::State& state) {
    WxToolkitOnlyTreeChange(
        state, 8, [](browserbench::ToolkitOnlyDialog& dialog) { dialog.ShowOneResult(); },
        [](browserbench::ToolkitOnlyDialog& dialog) { dialog.ShowFullTree(); });
}
BENCHMARK(WxToolkitOnlyClear)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(25);

void WxToolkitOnlyOpenWarm(benchmark::State& state) {
    state.counters["goal ms"] = 20;
    if (BackendOrSkip(state) == nullptr) {
        return;
    }
    browserbench::TreePaintWatch painted;
    browserbench::Spread spread;
    for (auto _ : state) {
        painted.Pause();
        auto const start = std::chrono::steady_clock::now();
        browserbench::ToolkitOnlyDialog dialog;
        WhenShown(dialog, painted, [&] { spread.AddSince(state, start); });
    }
    spread.Report(state);
}
BENCHMARK(WxToolkitOnlyOpenWarm)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(25);

void WxToolkitOnlyOpenInFreshProcess(benchmark::State& state) {
    state.counters["goal ms"] = 120;
    browserbench::OpenInFreshProcess(state, "wx-toolkit-only", false);
}
BENCHMARK(WxToolkitOnlyOpenInFreshProcess)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

void WxDefineOpen(benchmark::State& state) {
    state.counters["goal ms"] = 150;
    OnWx(state, [&](platform::Backend& backend, browserbench::ShownWatch&) {
        definebench::Open(backend, state);
    });
}
BENCHMARK(WxDefineOpen)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

void WxDefineRefillDatumList(benchmark::State& state) {
    OnWx(state, [&](platform::Backend& backend, browserbench::ShownWatch&) {
        definebench::RefillDatumList(backend, state);
    });
}
BENCHMARK(WxDefineRefillDatumList)->Unit(benchmark::kMillisecond);

// A long pick list, goal 100 ms: dropped down, and a datum found by typing its name.
void WxDefineDropDownDatumList(benchmark::State& state) {
    state.counters["goal ms"] = 100;
    OnWx(state, [&](platform::Backend& backend, browserbench::ShownWatch&) {
        definebench::DropDownDatumList(backend, state);
    });
}
BENCHMARK(WxDefineDropDownDatumList)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10);

void WxDefineTypeAheadToDatum(benchmark::State& state) {
    state.counters["goal ms"] = 100;
    OnWx(state, [&](platform::Backend& backend, browserbench::ShownWatch&) {
        definebench::TypeAheadToDatum(backend, state);
    });
}
BENCHMARK(WxDefineTypeAheadToDatum)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

} // namespace
