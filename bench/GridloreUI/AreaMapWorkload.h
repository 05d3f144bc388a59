// The browser's area-of-use map, redrawn as the selection moves, on either backend.
#pragma once

#include "ShownWatch.h"

#include "platform/Backend.h"

#include <benchmark/benchmark.h>

namespace browserbench {

/// Opens the browser on EPSG:27700, with that system and Fiji's EPSG:3460 in use and the
/// area-of-use map on or off; every iteration selects the British grid (not timed), then
/// times selecting Fiji's grid until `shown` sees the result shown.
void SelectInUse(platform::Backend& backend, ShownWatch& shown, benchmark::State& state,
                 bool areaMap);

} // namespace browserbench
