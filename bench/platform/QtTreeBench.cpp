#include "TreeFill.h"

#include "platform/qt/QtBackend.h"

static void QtTreeFill6000(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "platform_qt_bench";
    static char* argv[] = {name, nullptr};
    if (!platform::qt::QtBackend::StartApplication(argc, argv)) {
        state.SkipWithError("no display: run under xvfb-run");
        return;
    }
    static platform::qt::QtBackend backend(L"GridloreUI-bench");
    treefill::Run(backend, state);
}
BENCHMARK(QtTreeFill6000)->Unit(benchmark::kMillisecond);
