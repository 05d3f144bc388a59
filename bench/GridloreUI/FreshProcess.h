// Opening the browser in a process of its own, timed from the process's start.
#pragma once

#include <benchmark/benchmark.h>

#include <string>

namespace browserbench {

/// Every iteration starts `PROGRAM BACKEND` (beside this program: gridloreui_open_once, or
/// gridloreui_open_once_qt for Qt, which never shares a process with wx) and times
/// it from its start until it reports the browser's tree first painted; the resident size
/// it reports then is kept as a counter, and so is the median of each
/// figure it prints afterwards ("counter NAME VALUE"); the process's processor time over its
/// life is kept as "cpu ms", minimum and median. The registry's list is cached
/// in a folder of the benchmark's own: kept from a first untimed run, or removed before
/// every run when `firstStart` (the first start after the registry changed).
void OpenInFreshProcess(benchmark::State& state, std::string const& backend, bool firstStart,
                        std::string const& program = "gridloreui_open_once");

} // namespace browserbench
