// platform::wx::HostWindow: a host's own wx window as the parent of the library's dialogs.
#pragma once

#include "platform/HostWindowBase.h"

class wxWindow;

namespace platform::wx {

/// Lets a wx host hand its own window (a frame, a dialog or a panel) to any dialog of the
/// library, where the dialog takes its parent:
///
/// \code
/// platform::wx::HostWindow host(this);   // in a wxFrame's menu handler
/// gridui::CRSDialog dialog(current, favoritesPath, errorSink, &host, inUse);
/// \endcode
///
/// The dialog is then modal for that window, transient for its top-level window (so the
/// window manager keeps it above the host and gives it no taskbar entry of its own) and
/// centred on it. Construct it on the stack beside the dialog: it must not outlive the
/// host's window, and the host's window keeps its owner; it is never destroyed through this
/// object.
using HostWindow = ToolkitHostWindow<wxWindow>;

} // namespace platform::wx
