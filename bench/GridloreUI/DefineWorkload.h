// The define dialog's workloads both backends are measured on, over the whole registry.
#pragma once

#include "platform/Backend.h"

#include <benchmark/benchmark.h>

namespace definebench {

/// Every iteration constructs the dialog on EPSG:32633 and opens it, until it is shown
/// and idle with both lists drawn, with the minimum and median. The registry's lists are
/// read once before; closing is not timed.
void Open(platform::Backend& backend, benchmark::State& state);

/// Opens the dialog on EPSG:32633 and, for every iteration, picks another datum method,
/// which empties the datum list and fills it again from inside its change.
void RefillDatumList(platform::Backend& backend, benchmark::State& state);

/// Runs the dialog on EPSG:32633 with the scene queued on the installed driver; an error
/// the dialog reports skips the benchmark.
void RunOnUtm33(benchmark::State& state);

} // namespace definebench
