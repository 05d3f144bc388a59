#include "TreeFill.h"

#include "platform/headless/HeadlessBackend.h"

static void HeadlessTreeFill6000(benchmark::State& state) {
    platform::headless::HeadlessBackend backend;
    treefill::Run(backend, state);
}
BENCHMARK(HeadlessTreeFill6000)->Unit(benchmark::kMillisecond);
