#include "AreaMapWorkload.h"
#include "BrowserWorkload.h"
#include "DefineWorkload.h"
#include "FreshProcess.h"

#include "platform/headless/HeadlessBackend.h"

namespace {

platform::headless::HeadlessBackend& Backend() {
    static platform::headless::HeadlessBackend backend;
    return backend;
}

/// Without a screen nothing is painted: the action's own work is all there is.
browserbench::ShownWatch& Immediately() {
    static browserbench::ShownWatch watch;
    return watch;
}

void HeadlessBrowserRebuild(benchmark::State& state) {
    browserbench::Rebuild(Backend(), state);
}
BENCHMARK(HeadlessBrowserRebuild)->Unit(benchmark::kMillisecond);

void HeadlessBrowserSearch(benchmark::State& state, wchar_t const* text) {
    browserbench::Search(Backend(), state, text);
}
BENCHMARK_CAPTURE(HeadlessBrowserSearch, 4326, L"4326")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HeadlessBrowserSearch, UTM_zone_33, L"UTM zone 33")
    ->Unit(benchmark::kMillisecond);

void HeadlessBrowserOpenCold(benchmark::State& state) {
    browserbench::OpenCold(Backend(), Immediately(), state);
}
BENCHMARK(HeadlessBrowserOpenCold)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

// What a user waits for, each with its goal as a counter: a search or a clear from
// typing Enter to the tree shown, and opening the browser.
void HeadlessBrowserSearchFromFullTree(benchmark::State& state, wchar_t const* text, double goal) {
    state.counters["goal ms"] = goal;
    browserbench::SearchFromFullTree(Backend(), Immediately(), state, text);
}
BENCHMARK_CAPTURE(HeadlessBrowserSearchFromFullTree, 4326, L"4326", 3)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(25);
BENCHMARK_CAPTURE(HeadlessBrowserSearchFromFullTree, UTM_zone_33, L"UTM zone 33", 3)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(25);
BENCHMARK_CAPTURE(HeadlessBrowserSearchFromFullTree, WGS_84, L"WGS 84", 5)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(25);

// The same with every option on, as the sample host has them: words, aliases and areas
// searched, the best matches listed and the best selected.
void HeadlessBrowserSearchWithOptionsOn(benchmark::State& state, wchar_t const* text, double goal) {
    state.counters["goal ms"] = goal;
    browserbench::SearchFromFullTree(Backend(), Immediately(), state, text,
                                     browserbench::HostOptions());
}
[[maybe_unused]] bool const HeadlessWithOptionsOn = [] {
    browserbench::RegisterSearchesWithOptionsOn("HeadlessBrowserSearchWithOptionsOn",
                                                HeadlessBrowserSearchWithOptionsOn);
    return true;
}();

void HeadlessBrowserClearToFullTree(benchmark::State& state) {
    state.counters["goal ms"] = 8;
    browserbench::ClearToFullTree(Backend(), Immediately(), state, L"4326");
}
BENCHMARK(HeadlessBrowserClearToFullTree)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(25);

void HeadlessBrowserOpenWarm(benchmark::State& state) {
    state.counters["goal ms"] = 20;
    browserbench::OpenWarm(Backend(), Immediately(), state);
}
BENCHMARK(HeadlessBrowserOpenWarm)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(25);

void HeadlessBrowserOpenInFreshProcess(benchmark::State& state) {
    state.counters["goal ms"] = 120;
    browserbench::OpenInFreshProcess(state, "headless", false);
}
BENCHMARK(HeadlessBrowserOpenInFreshProcess)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

// The first start after the registry changed, which rebuilds the cached list.
void HeadlessBrowserFirstStartInFreshProcess(benchmark::State& state) {
    browserbench::OpenInFreshProcess(state, "headless", true);
}
BENCHMARK(HeadlessBrowserFirstStartInFreshProcess)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

// The registry's systems listed in a fresh process, without a cache (what the browser's
// first start after a PROJ upgrade adds to an open) and, to tell the listing from the
// process's own start, with it.
void RegistryListInFreshProcess(benchmark::State& state, bool firstStart) {
    if (firstStart) {
        state.counters["goal ms"] = 150;
    }
    browserbench::OpenInFreshProcess(state, "registry-list", firstStart);
}
BENCHMARK_CAPTURE(RegistryListInFreshProcess, first_start, true)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);
BENCHMARK_CAPTURE(RegistryListInFreshProcess, cached, false)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

void HeadlessDefineOpen(benchmark::State& state) {
    definebench::Open(Backend(), state);
}
BENCHMARK(HeadlessDefineOpen)->Unit(benchmark::kMillisecond)->UseManualTime();

void HeadlessDefineRefillDatumList(benchmark::State& state) {
    definebench::RefillDatumList(Backend(), state);
}
BENCHMARK(HeadlessDefineRefillDatumList)->Unit(benchmark::kMillisecond);

// A selection change with the area-of-use map on (the goal is 5 ms) and, to compare, off.
void HeadlessSelectInUse(benchmark::State& state, bool areaMap) {
    state.counters["goal ms"] = 5;
    browserbench::SelectInUse(Backend(), Immediately(), state, areaMap);
}
BENCHMARK_CAPTURE(HeadlessSelectInUse, area_map, true)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(25);
BENCHMARK_CAPTURE(HeadlessSelectInUse, no_map, false)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(25);

} // namespace
