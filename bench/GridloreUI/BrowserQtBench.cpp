// The browser and the define dialog on Qt's real windows, beside the same cases on wx
// (gridloreui_wx_bench), each with its goal; and the bare toolkit's floor.
#include "BrowserWorkload.h"
#include "DefineWorkload.h"
#include "FreshProcess.h"
#include "QtPaintWatch.h"
#include "QtToolkitOnly.h"
#include "Spread.h"

#include "platform/qt/QtBackend.h"

#include <QTimer>

#include <chrono>

namespace {

/// Null without a display.
platform::qt::QtBackend* Backend() {
    static int argc = 1;
    static char name[] = "gridloreui_qt_bench";
    static char* argv[] = {name, nullptr};
    static bool const started = platform::qt::QtBackend::StartApplication(argc, argv);
    if (!started) {
        return nullptr;
    }
    static platform::qt::QtBackend backend(L"GridloreUI-bench");
    return &backend;
}

/// The backend; null, with the benchmark skipped, without a display.
platform::qt::QtBackend* BackendOrSkip(benchmark::State& state) {
    platform::qt::QtBackend* backend = Backend();
    if (backend == nullptr) {
        state.SkipWithError("no display: run under xvfb-run");
    }
    return backend;
}

/// Runs `workload` on Qt with its goal beside the figures, counting the waits that saw no
/// painting.
template <typename Workload>
void OnQt(benchmark::State& state, double goal, Workload const& workload) {
    state.counters["goal ms"] = goal;
    platform::qt::QtBackend* backend = BackendOrSkip(state);
    if (backend == nullptr) {
        return;
    }
    browserbench::QtPaintWatch painted;
    workload(*backend, painted);
    if (painted.Missed() != 0) {
        state.counters["unpainted"] = painted.Missed();
    }
}

// What a user waits for: a search or a clear from Enter to the tree painted, and a second
// browser opened.
void QtBrowserSearchFromFullTree(benchmark::State& state, wchar_t const* text) {
    OnQt(state, 3, [&](platform::Backend& backend, browserbench::ShownWatch& shown) {
        browserbench::SearchFromFullTree(backend, shown, state, text);
    });
}
BENCHMARK_CAPTURE(QtBrowserSearchFromFullTree, 4326, L"4326")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(25);
BENCHMARK_CAPTURE(QtBrowserSearchFromFullTree, WGS_84, L"WGS 84")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(25);

void QtBrowserClearToFullTree(benchmark::State& state) {
    OnQt(state, 6, [&](platform::Backend& backend, browserbench::ShownWatch& shown) {
        browserbench::ClearToFullTree(backend, shown, state, L"4326");
    });
}
BENCHMARK(QtBrowserClearToFullTree)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(25);

void QtBrowserOpenWarm(benchmark::State& state) {
    OnQt(state, 20, [&](platform::Backend& backend, browserbench::ShownWatch& shown) {
        browserbench::OpenWarm(backend, shown, state);
    });
}
BENCHMARK(QtBrowserOpenWarm)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(25);

void QtDefineOpen(benchmark::State& state) {
    OnQt(state, 150, [&](platform::Backend& backend, browserbench::ShownWatch&) {
        definebench::Open(backend, state);
    });
}
BENCHMARK(QtDefineOpen)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

// In processes of their own, the browser and the bare toolkit, from the process's start to
// the tree painted.
void QtOpenInFreshProcess(benchmark::State& state, char const* scene) {
    state.counters["goal ms"] = 120;
    browserbench::OpenInFreshProcess(state, scene, false, "gridloreui_open_once_qt");
}
BENCHMARK_CAPTURE(QtOpenInFreshProcess, browser, "qt")
    ->Name("QtBrowserOpenInFreshProcess")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);
BENCHMARK_CAPTURE(QtOpenInFreshProcess, toolkit_only, "qt-toolkit-only")
    ->Name("QtToolkitOnlyOpenInFreshProcess")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

// The same cases on the toolkit alone, with nothing of ours: no browser on Qt can be
// faster, so a goal below one of these cannot be met on it.

/// Runs `work` once `dialog` is shown and painted, inside its own modal loop, where the
/// toolkit paints.
template <typename Work>
void WhenShown(QDialog& dialog, browserbench::QtPaintWatch& painted, Work const& work) {
    painted.Arm();
    QTimer::singleShot(0, &dialog, [&] {
        painted.Wait();
        work();
        dialog.done(0);
    });
    dialog.exec();
}

/// Times `change`, run after `setUp` and a pause, until the tree is painted again.
template <typename SetUp, typename Change>
void QtToolkitOnlyTreeChange(benchmark::State& state, double goal, SetUp const& setUp,
                             Change const& change) {
    state.counters["goal ms"] = goal;
    if (BackendOrSkip(state) == nullptr) {
        return;
    }
    browserbench::QtPaintWatch painted;
    browserbench::QtToolkitOnlyDialog dialog;
    WhenShown(dialog, painted, [&] {
        browserbench::TimeEach(
            state, painted, [&] { setUp(dialog); }, [&] { change(dialog); });
    });
    if (painted.Missed() != 0) {
        state.counters["unpainted"] = painted.Missed();
    }
}

void QtToolkitOnlySearch(benchmark::State& state) {
    QtToolkitOnlyTreeChange(
        state, 3, [](browserbench::QtToolkitOnlyDialog& dialog) { dialog.ShowFullTree(); },
        [](browserbench::QtToolkitOnlyDialog& dialog) { dialog.ShowOneResult(); });
}
BENCHMARK(QtToolkitOnlySearch)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(25);

void QtToolkitOnlyClear(benchmark::State& state) {
    QtToolkitOnlyTreeChange(
        state, 6, [](browserbench::QtToolkitOnlyDialog& dialog) { dialog.ShowOneResult(); },
        [](browserbench::QtToolkitOnlyDialog& dialog) { dialog.ShowFullTree(); });
}
BENCHMARK(QtToolkitOnlyClear)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(25);

void QtToolkitOnlyOpenWarm(benchmark::State& state) {
    state.counters["goal ms"] = 20;
    if (BackendOrSkip(state) == nullptr) {
        return;
    }
    browserbench::QtPaintWatch painted;
    browserbench::Spread spread;
    for (auto _ : state) {
        painted.Pause();
        auto const start = std::chrono::steady_clock::now();
        browserbench::QtToolkitOnlyDialog dialog;
        WhenShown(dialog, painted, [&] { spread.AddSince(state, start); });
    }
    spread.Report(state);
}
BENCHMARK(QtToolkitOnlyOpenWarm)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(25);

} // namespace
