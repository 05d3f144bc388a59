// The tree-filling workload both backends are measured on.
#pragma once

#include "platform/Backend.h"

#include <benchmark/benchmark.h>

namespace treefill {

/// Opens a dialog holding one tree on `backend` and, for every iteration of `state`,
/// empties the tree and fills it with 6,000 systems under 300 root folders (sorted
/// insertion, item data, drawing off), then expands every root.
void Run(platform::Backend& backend, benchmark::State& state);

} // namespace treefill
