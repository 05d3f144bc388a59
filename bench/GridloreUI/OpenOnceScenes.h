// What a fresh process of the cold-open benchmarks plays, on whichever toolkit it runs.
#pragma once

#include "ShownWatch.h"

#include "platform/Backend.h"

#include <string>

namespace browserbench {

/// Tells whoever started this process that the window is shown, with the resident size:
/// "shown RESIDENT_KB". Under callgrind, also ends the profile's first part there.
void PrintShown();

/// Tells the starter a figure measured after the shown line: "counter NAME VALUE".
void PrintCounter(char const* name, double value);

/// The resident size once the first idle after the shown line has run, as the counter
/// "resident_after_idle_MB": what the work left for that idle holds.
void PrintResidentAfterIdle();

/// Opens the browser once on `backend`, reports it shown at its tree's first paint and
/// its resident size after the first idle that follows; then plays `scene`:
/// "first-search" (the sample host's options) times the process's first search against
/// later ones, "reopen" opens and closes the browser again and again to see whether the
/// process grows, each printing "counter NAME VALUE" lines; empty plays nothing more.
/// Returns the process's exit code: 2 for an unknown scene.
int OpenOnce(platform::Backend& backend, ShownWatch& shown, std::string const& scene);

} // namespace browserbench
