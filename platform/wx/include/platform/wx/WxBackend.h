// platform::wx::WxBackend: native windows on wxWidgets.
#pragma once

#include "platform/ScriptableBackend.h"
#include "platform/wx/Export.h"

#include <string>

class wxWindow;

namespace platform::wx {

/// Needs a running wx application (wxApp set up, on its main thread). Settings go to a
/// file named after `appName` under the user's config directory. With a Driver
/// installed, each dialog's scene runs once the dialog is shown, and message boxes, file
/// dialogs and popup menus are answered by the driver instead of the user.
class PLATFORM_WX_EXPORT WxBackend final : public backend::ScriptableBackend {
public:
    explicit WxBackend(std::wstring const& appName);

    /// Starts a wx application for hosts and tests that do not run their own; true when
    /// one is running afterwards.
    static bool StartApplication(int& argc, char** argv);

    /// The window a new dialog, message box or file dialog belongs to: `owner`, or without
    /// one the modal dialog on top, so that it never opens behind the dialog in use.
    static wxWindow* OwnerFor(backend::NativeWindow* owner);

    void PrepareWaitCursor() override;
};

} // namespace platform::wx
