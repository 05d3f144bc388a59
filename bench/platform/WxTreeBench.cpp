#include "TreeFill.h"

#include "platform/wx/WxBackend.h"

#include <stdexcept>

static void WxTreeFill6000(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "platform_wx_bench";
    static char* argv[] = {name, nullptr};
    if (!platform::wx::WxBackend::StartApplication(argc, argv)) {
        state.SkipWithError("no display: run under xvfb-run");
        return;
    }
    static platform::wx::WxBackend backend(L"GridloreUI-bench");
    treefill::Run(backend, state);
}
BENCHMARK(WxTreeFill6000)->Unit(benchmark::kMillisecond);
