// platform::backend::ToolkitBackend: a toolkit's backend, declared once for every toolkit.
#pragma once

#include "platform/ScriptableBackend.h"

#include <string>

namespace platform::backend {

/// The backend of a toolkit whose windows are `Widget`s. It needs the toolkit's application
/// running, on its main thread. With a Driver installed, each dialog's scene runs once the
/// dialog is shown, and message boxes, file dialogs and popup menus are answered by the
/// driver instead of the user. Only the toolkit's library defines the members, from its
/// ToolkitServices (ToolkitServices.h), and makes them there: hosts see the declarations.
template <typename Widget> class ToolkitBackend final : public ScriptableBackend {
public:
    /// Settings go to a file named after `appName` under the user's config directory.
    explicit ToolkitBackend(std::wstring const& appName);

    /// Starts the toolkit's application for hosts and tests that do not run their own; true
    /// when one is running afterwards.
    static bool StartApplication(int& argc, char** argv);

    /// The widget a new dialog, message box or file dialog belongs to: `owner`, or without
    /// one the modal dialog on top, so that it never opens behind the dialog in use.
    static Widget* OwnerFor(NativeWindow* owner);
};

} // namespace platform::backend
