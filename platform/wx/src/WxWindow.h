// The wx backend's native windows: wx controls behind the platform's native interfaces.
#pragma once

#include "platform/Backend.h"
#include "platform/Driver.h"
#include "platform/ToolkitWindow.h"

#include <wx/event.h>
#include <wx/string.h>
#include <wx/window.h>

#include <string>

namespace platform::wx {

class WxDialog;

inline wxString ToWx(std::wstring const& text) {
    return wxString(text);
}

inline std::wstring FromWx(wxString const& text) {
    return text.ToStdWstring();
}

/// The wx window behind `native`, which must belong to this backend.
wxWindow& WindowOf(backend::NativeWindow& native);

/// The state every wx-backed window shares; `Base` is the native interface it implements.
template <typename Base> class WxWindow : public backend::ToolkitWindow<Base, WxDialog, wxWindow> {
public:
    WxWindow(WxDialog* parent, ControlId id, wxWindow* window);

    std::wstring GetText() const override;
    void SetText(std::wstring const& text) override;
    bool IsEnabled() const override { return m_window->IsEnabled(); }
    void Enable(bool on) override { m_window->Enable(on); }
    bool IsVisible() const override { return m_window->IsShown(); }
    void Show(bool on) override { m_window->Show(on); }
    Rect GetClientRect() const override;
    void Move(Rect rect) override;
    void SetRedraw(bool on) override;
    bool IsRedrawOn() const override { return !m_window->IsFrozen(); }
    void SetFocus() override { m_window->SetFocus(); }
    bool HasFocus() const override { return wxWindow::FindFocus() == m_window; }

    wxWindow* Toolkit() const override { return m_window; }

protected:
    Size WidgetSize() const override;
    Point PositionInDialog() const override;
    Point WidgetToScreen(Point point) const override;

    wxWindow* m_window;
};

using WxControl = WxWindow<backend::NativeWindow>;

/// Raises `event` from `native` whenever its window sends a command event of `type`.
template <typename Native>
void RaiseOn(wxEventTypeTag<wxCommandEvent> const& type, Native& native, Event event) {
    native.Toolkit()->Bind(type, [&native, event](wxCommandEvent&) { native.Raise(event); });
}

} // namespace platform::wx

// WxWindow.cpp instantiates what the windows share where the dialog they reach is whole.
#define PLATFORM_DECLARE(Interface)                                                                \
    extern template class platform::backend::ToolkitWindow<platform::backend::Interface,           \
                                                           platform::wx::WxDialog, wxWindow>;
PLATFORM_FOR_EACH_NATIVE_WINDOW(PLATFORM_DECLARE)
#undef PLATFORM_DECLARE
