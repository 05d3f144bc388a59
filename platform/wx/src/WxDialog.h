#pragma once

#include "ModalRun.h"
#include "WxWindow.h"
#include "platform/ToolkitDialog.h"

#include <wx/event.h>
#include <wx/window.h>

#include <functional>
#include <string>

class wxDialog;

namespace platform::wx {

class WxSheet;
class WxOneShot;
class WxDialog final : public backend::ToolkitDialog<WxWindow<backend::NativeDialog>, WxOneShot> {
public:
    /// A dialog of its own, owned by `owner`, or without one by the modal dialog on top.
    WxDialog(DialogTemplate const& dialog, backend::DialogEvents& events,
             backend::NativeWindow* owner);
    /// A page of `sheet`, placed in its notebook.
    WxDialog(DialogTemplate const& dialog, backend::DialogEvents& events, WxSheet& sheet);
    ~WxDialog() override;

    Rect GetWindowRect() const override;
    Point DialogUnitsToPixels(Point units) const override;
    void SetClientSize(Size size) override;
    void SetResizable(Size minimum) override;
    bool SaveScreenshot(std::string const& path) override;

    /// The window the controls live in: the dialog, or the page's panel.
    wxWindow& Container() const { return *m_window; }

private:
    WxDialog(DialogTemplate const& dialog, backend::DialogEvents& events, wxDialog* window);
    void CallLater(std::function<void()> action) override;
    /// The control's context menu goes to the dialog's handlers.
    void Adopt(backend::NativeWindow& control) override;
    void CreateControls(DialogTemplate const& dialog);
    backend::NativeWindow& CreateControl(ControlTemplate const& control, Rect pixels) override;
    void OnCharHook(wxKeyEvent& event);
};

} // namespace platform::wx
