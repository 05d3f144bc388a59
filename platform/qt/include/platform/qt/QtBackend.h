// platform::qt::QtBackend: native windows on Qt 6 widgets.
#pragma once

#include "platform/ScriptableBackend.h"
#include "platform/qt/Export.h"

#include <string>

class QWidget;

namespace platform::qt {

/// Needs a running Qt application (a QApplication, on its main thread). Settings go to a
/// file named after `appName` under the user's config directory. With a Driver
/// installed, each dialog's scene runs once the dialog is shown, and message boxes, file
/// dialogs and popup menus are answered by the driver instead of the user.
class PLATFORM_QT_EXPORT QtBackend final : public backend::ScriptableBackend {
public:
    explicit QtBackend(std::wstring const& appName);

    /// Starts a QApplication for hosts and tests that do not run their own; true when
    /// one is running afterwards. The application lives until the process ends, and
    /// keeps `argc` and `argv`, which must live as long.
    static bool StartApplication(int& argc, char** argv);

    /// The widget a new dialog, message box or file dialog belongs to: `owner`, or without
    /// one the modal dialog on top, so that it never opens behind the dialog in use.
    static QWidget* OwnerFor(backend::NativeWindow* owner);
};

} // namespace platform::qt
