// The file dialog of the Qt backend.
#pragma once

#include "platform/FileDialog.h"

#include <optional>

class QWidget;

namespace platform::qt {

/// Shows `request` as Qt's file dialog over `owner`; while a save dialog is open, the
/// proposed name takes the extension of each type the user picks.
std::optional<FileChoice> ShowFileDialog(FileDialogRequest const& request, QWidget* owner);

} // namespace platform::qt
