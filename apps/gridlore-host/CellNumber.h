// gridhost::CellNumber: a worksheet cell read as a number, the same way wherever it is read.
#pragma once

#include <string>
#include <system_error>

namespace gridhost {

/// A cell read as a number: its value, or what kept it from being one.
struct CellNumber {
    double value = 0.0;
    std::errc error = std::errc::invalid_argument;
};

/// Reads `cell` whatever the user's locale: `decimalMark` (the sheet's), no thousands
/// separators, a leading "+" allowed, blanks around it ignored.
CellNumber ParseCellNumber(std::wstring const& cell, char decimalMark = '.');

} // namespace gridhost
