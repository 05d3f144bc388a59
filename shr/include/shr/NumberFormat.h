// shr number format: how every number a user reads is written.
#pragma once

#include "shr/Export.h"

#include <string>

namespace shr {

/// The printf format of every number the user reads, in grids and descriptions alike:
/// fourteen significant digits and no trailing zeros, so both show the same digits.
inline constexpr wchar_t const* NumberFormat = L"%.14lg";

/// `value` in NumberFormat.
SHR_EXPORT std::wstring FormatNumber(double value);

} // namespace shr
