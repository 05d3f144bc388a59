// gridhost::WorksheetExtent: where a worksheet's points lie, as the browser's area of interest.
#pragma once

#include "Worksheet.h"

#include "gridlore/CoordinateSystem.h"
#include "gridui/GeoArea.h"

#include <optional>
#include <utility>

namespace gridhost {

/// The longitude/latitude rectangle around the points of the `source` X and Y columns,
/// read in `system`. Rows that are no point are passed over; nothing when no row is one or
/// the system cannot be converted (a local system).
std::optional<gridui::GeoArea> WorksheetExtent(Worksheet const& sheet, std::pair<int, int> source,
                                               Gridlore::CoordinateSystem const& system);

} // namespace gridhost
