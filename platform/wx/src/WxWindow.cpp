#include "WxWindow.h"
#include "WxDialog.h"

#include "platform/Error.h"

#include <wx/textctrl.h>
#include <wx/toplevel.h>

namespace platform::wx {

wxWindow& WindowOf(backend::NativeWindow& native) {
    return backend::ToolkitWindowOf<wxWindow>(native, L"wx");
}

} // namespace platform::wx

namespace platform::backend {

using WxCalls = ToolkitWidget<wxWindow>;

template <> std::wstring WxCalls::GetText(wxWindow& window) {
    if (auto* entry = dynamic_cast<wxTextEntry*>(&window)) {
        return wx::FromWx(entry->GetValue());
    }
    return wx::FromWx(window.GetLabel());
}

template <> void WxCalls::SetText(wxWindow& window, std::wstring const& text) {
    // The program's own changes notify nothing, as with the platform's edit controls.
    if (auto* entry = dynamic_cast<wxTextEntry*>(&window)) {
        // The same text again would still be laid out and repainted, and would take the
        // reader back to its start.
        wxString const value = wx::ToWx(text);
        if (entry->GetValue() != value) {
            entry->ChangeValue(value);
        }
    } else {
        window.SetLabel(wx::ToWx(text));
    }
}

template <> bool WxCalls::IsEnabled(wxWindow& window) {
    return window.IsEnabled();
}

template <> void WxCalls::Enable(wxWindow& window, bool on) {
    window.Enable(on);
}

template <> bool WxCalls::IsVisible(wxWindow& window) {
    return window.IsShown();
}

template <> void WxCalls::Show(wxWindow& window, bool on) {
    window.Show(on);
}

template <> Rect WxCalls::GetClientRect(wxWindow& window) {
    wxSize const size = window.GetClientSize();
    return {0, 0, size.x, size.y};
}

template <> void WxCalls::Move(wxWindow& window, Rect rect) {
    window.SetSize(rect.left, rect.top, rect.Width(), rect.Height());
}

template <> void WxCalls::SetRedraw(wxWindow& window, bool on) {
    if (on && window.IsFrozen()) {
        window.Thaw();
    } else if (!on && !window.IsFrozen()) {
        window.Freeze();
    }
}

template <> bool WxCalls::IsRedrawOn(wxWindow& window) {
    return !window.IsFrozen();
}

template <> void WxCalls::SetFocus(wxWindow& window) {
    window.SetFocus();
}

template <> bool WxCalls::HasFocus(wxWindow& window) {
    return wxWindow::FindFocus() == &window;
}

template <> Size WxCalls::FullSize(wxWindow& window) {
    wxSize const size = window.GetSize();
    return {size.x, size.y};
}

template <> Point WxCalls::PositionInDialog(wxWindow& window) {
    wxPoint const position = window.GetPosition();
    return {position.x, position.y};
}

template <> Point WxCalls::ToScreen(wxWindow& window, Point point) {
    // Before its window is shown it has no place on the screen yet; its position stands
    // in, which keeps every control's place relative to the client area right.
    wxWindow const* top = wxGetTopLevelParent(&window);
    if (top != nullptr && !top->IsShown()) {
        wxPoint const position = window.GetPosition();
        return {position.x + point.x, position.y + point.y};
    }
    wxPoint const screen = window.ClientToScreen(wxPoint(point.x, point.y));
    return {screen.x, screen.y};
}

} // namespace platform::backend

PLATFORM_FOR_EACH_NATIVE_WINDOW(PLATFORM_MAKE_TOOLKIT_WINDOW, wxWindow)
