// The define dialog's datum list on real windows, as a user meets it: dropped down, and
// searched by typing.
#pragma once

#include "platform/Backend.h"

#include <benchmark/benchmark.h>

namespace definebench {

/// Opens the dialog on EPSG:32633 and, every iteration, drops the datum list down until
/// the loop is idle again; closing it is not timed.
void DropDownDatumList(platform::Backend& backend, benchmark::State& state);

/// Opens the dialog on EPSG:32633 and, every iteration, types the start of a datum's name
/// into the datum list until it is selected and the loop is idle again.
void TypeAheadToDatum(platform::Backend& backend, benchmark::State& state);

} // namespace definebench
