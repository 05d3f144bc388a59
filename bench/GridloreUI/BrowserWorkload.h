// The browser workloads both backends are measured on, over the whole registry.
#pragma once

#include "ShownWatch.h"

#include "gridui/BrowserOptions.h"
#include "platform/Backend.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

namespace browserbench {

/// Times `action`, run after `setUp` in every iteration, until `shown` sees its result;
/// only the action is timed, after a user's pause.
void TimeEach(benchmark::State& state, ShownWatch& shown, std::function<void()> const& setUp,
              std::function<void()> const& action);

/// Opens the browser on EPSG:4326 and, for every iteration, rebuilds the whole tree as
/// Clear Search does (every known system, no filter).
void Rebuild(platform::Backend& backend, benchmark::State& state);

/// Opens the browser on EPSG:4326 and, for every iteration, types `text` in the search
/// box and presses Enter.
void Search(platform::Backend& backend, benchmark::State& state, std::wstring const& text);

/// Opens the browser on EPSG:4326 with `options`; every iteration starts from the full
/// tree (not timed), types `text` and times Enter until `shown` sees the results shown.
void SearchFromFullTree(platform::Backend& backend, ShownWatch& shown, benchmark::State& state,
                        std::wstring const& text, gridui::BrowserOptions const& options = {});

/// What the sample host turns on, folders opened up to 50 results, but for search as you
/// type: the searches are timed from Enter.
gridui::BrowserOptions HostOptions();

/// Registers `run` as `family`/NAME for each search the options are measured on, with its
/// goal in milliseconds, timed manually over 25 searches.
void RegisterSearchesWithOptionsOn(
    std::string const& family,
    std::function<void(benchmark::State&, wchar_t const* text, double goal)> const& run);

/// Opens the browser on EPSG:4326 with search as you type; every iteration starts from the
/// full tree and types `text` without Enter (not timed), then times the search from the
/// expiry of the typist's pause until `shown` sees the results shown.
void TypedSearchFromFullTree(platform::Backend& backend, ShownWatch& shown, benchmark::State& state,
                             std::wstring const& text);

/// Opens the browser on EPSG:4326; every iteration searches `text` (not timed), then
/// times Clear Search until `shown` sees the full tree shown.
void ClearToFullTree(platform::Backend& backend, ShownWatch& shown, benchmark::State& state,
                     std::wstring const& text);

/// Every iteration opens another browser in a process that has opened one before (the
/// registry's list already read), from the dialog's construction until it is idle and
/// `shown` sees it shown.
void OpenWarm(platform::Backend& backend, ShownWatch& shown, benchmark::State& state);

/// Every iteration reads the registry afresh (a new catalogue installed, so no list is
/// cached), then constructs the dialog and opens it, until it is shown and idle with its
/// first tree. Closing is not timed.
void OpenCold(platform::Backend& backend, ShownWatch& shown, benchmark::State& state);

} // namespace browserbench
