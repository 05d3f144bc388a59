// The wx backend's native windows: wx controls behind the platform's native interfaces.
#pragma once

#include "platform/Backend.h"
#include "platform/Driver.h"
#include "platform/ToolkitAccess.h"

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
template <typename Base> class WxWindow : public Base, public backend::ToolkitAccess<wxWindow> {
public:
    WxWindow(WxDialog* parent, ControlId id, wxWindow* window);

    ControlId Id() const override { return m_id; }
    backend::NativeWindow* Parent() const override;
    std::wstring GetText() const override;
    void SetText(std::wstring const& text) override;
    bool IsEnabled() const override { return m_window->IsEnabled(); }
    void Enable(bool on) override { m_window->Enable(on); }
    bool IsVisible() const override { return m_window->IsShown(); }
    void Show(bool on) override { m_window->Show(on); }
    Rect GetWindowRect() const override;
    Rect GetClientRect() const override;
    Point ClientToScreen(Point point) const override;
    void Move(Rect rect) override;
    void SetRedraw(bool on) override;
    bool IsRedrawOn() const override { return !m_window->IsFrozen(); }
    void SetFocus() override { m_window->SetFocus(); }
    bool HasFocus() const override { return wxWindow::FindFocus() == m_window; }

    wxWindow* Toolkit() const override { return m_window; }
    /// Sends `message` from this window to its dialog, guarded.
    void Raise(Message& message);

protected:
    WxDialog* m_parent;
    ControlId m_id;
    wxWindow* m_window;
};

using WxControl = WxWindow<backend::NativeWindow>;

/// Raises `event` from `native` whenever its window sends a command event of `type`.
template <typename Native>
void RaiseOn(wxEventTypeTag<wxCommandEvent> const& type, Native& native, Event event) {
    native.Toolkit()->Bind(type, [&native, event](wxCommandEvent&) {
        Message message;
        message.event = event;
        message.id = native.Id();
        native.Raise(message);
    });
}

} // namespace platform::wx
