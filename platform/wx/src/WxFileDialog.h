// The native file dialog of the wx backend.
#pragma once

#include "platform/FileDialog.h"

#include <optional>

class wxWindow;

namespace platform::wx {

/// Shows `request` as the toolkit's file dialog over `owner`; while a save dialog is
/// open, the proposed name takes the extension of each type the user picks.
std::optional<FileChoice> ShowFileDialog(FileDialogRequest const& request, wxWindow* owner);

} // namespace platform::wx
