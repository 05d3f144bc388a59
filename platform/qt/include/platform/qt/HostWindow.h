// platform::qt::HostWindow: a host's own Qt widget as the parent of the library's dialogs.
#pragma once

#include "platform/HostWindowBase.h"

class QWidget;

namespace platform::qt {

/// Lets a Qt host hand its own widget (a main window, a dialog or any widget inside one)
/// to any dialog of the library, where the dialog takes its parent:
///
/// \code
/// platform::qt::HostWindow host(this);   // in a QMainWindow's slot
/// gridui::CRSDialog dialog(current, favoritesPath, errorSink, &host, inUse);
/// \endcode
///
/// The dialog is then modal for that widget's window, transient for its top-level window
/// (so the window manager keeps it above the host and gives it no taskbar entry of its
/// own) and centred on the widget. Construct it on the stack beside the dialog: it must
/// not outlive the host's widget, and the host keeps its widget; it is never destroyed
/// through this object.
using HostWindow = ToolkitHostWindow<QWidget>;

} // namespace platform::qt
