// platform::wx::WxBackend: native windows on wxWidgets.
#pragma once

#include "platform/Backend.h"
#include "platform/wx/Export.h"

#include <memory>
#include <string>

class wxWindow;

namespace platform::wx {

/// Needs a running wx application (wxApp set up, on its main thread). Settings go to a
/// file named after `appName` under the user's config directory. With a Driver
/// installed, each dialog's scene runs once the dialog is shown, and message boxes, file
/// dialogs and popup menus are answered by the driver instead of the user.
class PLATFORM_WX_EXPORT WxBackend final : public Backend {
public:
    explicit WxBackend(std::wstring const& appName);
    ~WxBackend() override;

    /// Starts a wx application for hosts and tests that do not run their own; true when
    /// one is running afterwards.
    static bool StartApplication(int& argc, char** argv);

    std::unique_ptr<backend::NativeDialog> CreateDialog(DialogTemplate const& dialog,
                                                        backend::DialogEvents& events,
                                                        backend::NativeWindow* parent) override;
    std::unique_ptr<backend::NativeSheet> CreateSheet(std::wstring const& caption,
                                                      backend::SheetEvents& events,
                                                      backend::NativeWindow* parent) override;
    std::unique_ptr<backend::NativeToolTip> CreateToolTip(backend::NativeWindow& tool) override;
    int MessageBox(backend::NativeWindow* owner, std::wstring const& text,
                   std::wstring const& caption, unsigned style) override;
    std::optional<FileChoice> ChooseFile(FileDialogRequest const& request) override;
    ControlId TrackPopupMenu(MenuPopupTemplate const& popup, std::vector<CmdUI> const& states,
                             backend::NativeWindow& owner, Point screen) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    SettingsStore& Settings() override;

    /// The window a new dialog, message box or file dialog belongs to: `owner`, or without
    /// one the modal dialog on top, so that it never opens behind the dialog in use.
    static wxWindow* OwnerFor(backend::NativeWindow* owner);

private:
    class Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace platform::wx
