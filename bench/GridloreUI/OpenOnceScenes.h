// What a fresh process of the cold-open benchmarks plays, on whichever toolkit it runs.
#pragma once

#include "ShownWatch.h"

#include "platform/Backend.h"

#include <string>

namespace browserbench {

/// Waits until the window is shown and says so, with the resident size, to whoever
/// started this process: "shown RESIDENT_KB".
void ReportShown(ShownWatch& shown);

/// Tells the starter a figure measured after the shown line: "counter NAME VALUE".
void PrintCounter(char const* name, double value);

/// Opens the browser once on `backend` and reports it shown; then plays `scene`:
/// "first-search" (the sample host's options) times the process's first search against
/// later ones, "reopen" opens and closes the browser again and again to see whether the
/// process grows, each printing "counter NAME VALUE" lines; empty plays nothing more.
/// Returns the process's exit code: 2 for an unknown scene.
int OpenOnce(platform::Backend& backend, ShownWatch& shown, std::string const& scene);

} // namespace browserbench
