// gridhost::WorksheetColumns: which columns of a worksheet hold the coordinates.
#pragma once

#include "Worksheet.h"

#include <initializer_list>
#include <optional>
#include <string_view>
#include <utility>

namespace gridhost {

/// The first column whose name is one of `names`, ignoring case and blanks.
std::optional<int> ColumnNamed(Worksheet const& sheet,
                               std::initializer_list<std::wstring_view> names);

struct ColumnGuess {
    std::pair<int, int> source;
    std::pair<int, int> target;
};

/// The longitude and latitude (or X and Y) columns, else the first two; the easting and
/// northing columns, else two new ones after the last. The host's dialog and the command
/// line start from the same guess.
ColumnGuess GuessColumns(Worksheet const& sheet);

} // namespace gridhost
