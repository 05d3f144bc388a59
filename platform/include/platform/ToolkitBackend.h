// platform::backend::ToolkitBackend: a toolkit's backend, declared once for every toolkit.
#pragma once

#include "platform/Backend.h"
#include "platform/IniFileSettings.h"
#include "platform/ScriptableBackend.h"

#include <memory>
#include <string>

namespace platform::backend {

/// How the backend of a toolkit whose windows are `Widget`s starts and what it shows a
/// real user. Each toolkit defines it in its backend's library, with its window classes
/// `Dialog` and `Sheet` and the static functions
///   ConfigDirectory()             the user's config directory, where settings files go;
///   StartApplication, OwnerFor    as ToolkitBackend's of that name;
///   MessageBox, FileDialog, PopupMenu, WaitCursor, ToolTip, and PrepareWaitCursor when the
///                                 toolkit has one: what ScriptableBackend::ToolkitOf takes;
///   PrepareProcess(), optional    what the process needs once, before the first backend.
template <typename Widget> struct ToolkitServices;

/// The backend of a toolkit whose windows are `Widget`s. It needs the toolkit's application
/// running, on its main thread. With a Driver installed, each dialog's scene runs once the
/// dialog is shown, and message boxes, file dialogs and popup menus are answered by the
/// driver instead of the user. The toolkit's library instantiates it, with its
/// ToolkitServices.
template <typename Widget> class ToolkitBackend final : public ScriptableBackend {
    using Services = ToolkitServices<Widget>;

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

// Out of the class, so that only the toolkit's library, where its services are whole, makes
// them.

template <typename Widget>
ToolkitBackend<Widget>::ToolkitBackend(std::wstring const& appName)
    : ScriptableBackend(
          ClassesOf<typename Services::Dialog, typename Services::Sheet>(),
          std::make_unique<IniFileSettings>(Services::ConfigDirectory() / appName / "settings.ini"),
          ToolkitOf<Services>()) {
    if constexpr (requires { Services::PrepareProcess(); }) {
        Services::PrepareProcess();
    }
}

template <typename Widget> bool ToolkitBackend<Widget>::StartApplication(int& argc, char** argv) {
    return Services::StartApplication(argc, argv);
}

template <typename Widget> Widget* ToolkitBackend<Widget>::OwnerFor(NativeWindow* owner) {
    return Services::OwnerFor(owner);
}

} // namespace platform::backend
