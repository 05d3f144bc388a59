#include "BrowserWorkload.h"
#include "DefineWorkload.h"

#include "platform/headless/HeadlessBackend.h"

namespace {

platform::headless::HeadlessBackend& Backend() {
    static platform::headless::HeadlessBackend backend;
    return backend;
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
    browserbench::OpenCold(Backend(), state);
}
BENCHMARK(HeadlessBrowserOpenCold)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

void HeadlessDefineOpen(benchmark::State& state) {
    definebench::Open(Backend(), state);
}
BENCHMARK(HeadlessDefineOpen)->Unit(benchmark::kMillisecond)->UseManualTime();

void HeadlessDefineRefillDatumList(benchmark::State& state) {
    definebench::RefillDatumList(Backend(), state);
}
BENCHMARK(HeadlessDefineRefillDatumList)->Unit(benchmark::kMillisecond);

} // namespace
