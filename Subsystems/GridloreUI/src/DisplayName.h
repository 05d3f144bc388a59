// gridui::DisplayName: how the library shows a system's leaf name, in the tree and in
// the name box of the definition dialogs.
#pragma once

#include <string>

namespace gridui {

/// " (edited)", the marker of a system derived from another.
std::wstring const& EditedSuffix();

/// `raw` without its authority tag; a trailing " (edited)" stays last.
std::wstring DisplayName(std::wstring const& raw);

/// The name a definition dialog offers for a system derived from `leafName`: its display
/// name, marked " (edited)" once. An empty name stays empty.
std::wstring EditedName(std::wstring const& leafName);

} // namespace gridui
