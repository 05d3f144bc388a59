// gridhost::ConvertWorksheet: a worksheet conversion in the numbers its file writes.
#pragma once

#include "Worksheet.h"
#include "WorksheetConversion.h"

#include <utility>

namespace gridhost {

/// Runs `conversion` over `sheet` as WorksheetConversion::Run does, reading and writing
/// numbers with the sheet's decimal mark: with a decimal comma, "7,5" reads as 7.5 and
/// converted values are written with a comma, and the source cells keep their text. The
/// host and the command line both convert through here, so they never disagree.
WorksheetConversion::Report ConvertWorksheet(WorksheetConversion const& conversion,
                                             Worksheet& sheet, std::pair<int, int> source,
                                             std::pair<int, int> target,
                                             WorksheetConversion::Progress const& progress = {});

} // namespace gridhost
