// Type-ahead of the headless pick lists, matching how the real windows' lists search.
#pragma once

#include "shr/StringUtil.h"

#include <string>

namespace platform::headless {

/// Whether keys typed into a pick list, `typed`, find `item`: it starts with them, case
/// ignored.
inline bool StartsTyped(std::wstring const& item, std::wstring const& typed) {
    return shr::FoldCase(item).starts_with(shr::FoldCase(typed));
}

} // namespace platform::headless
