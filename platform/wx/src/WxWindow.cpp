#include "WxWindow.h"
#include "WxDialog.h"

#include "platform/Error.h"

#include <wx/textctrl.h>
#include <wx/toplevel.h>

namespace platform::wx {

wxWindow& WindowOf(backend::NativeWindow& native) {
    return backend::ToolkitWindowOf<wxWindow>(native, L"wx");
}

template <typename Base>
WxWindow<Base>::WxWindow(WxDialog* parent, ControlId id, wxWindow* window)
    : backend::ToolkitWindow<Base, WxDialog, wxWindow>(parent, id)
    , m_window(window) {}

template <typename Base> std::wstring WxWindow<Base>::GetText() const {
    if (auto* entry = dynamic_cast<wxTextEntry*>(m_window)) {
        return FromWx(entry->GetValue());
    }
    return FromWx(m_window->GetLabel());
}

template <typename Base> void WxWindow<Base>::SetText(std::wstring const& text) {
    // The program's own changes notify nothing, as with the platform's edit controls.
    if (auto* entry = dynamic_cast<wxTextEntry*>(m_window)) {
        // The same text again would still be laid out and repainted, and would take the
        // reader back to its start.
        wxString const value = ToWx(text);
        if (entry->GetValue() != value) {
            entry->ChangeValue(value);
        }
    } else {
        m_window->SetLabel(ToWx(text));
    }
}

template <typename Base> Rect WxWindow<Base>::GetClientRect() const {
    wxSize const size = m_window->GetClientSize();
    return {0, 0, size.x, size.y};
}

template <typename Base> Size WxWindow<Base>::WidgetSize() const {
    wxSize const size = m_window->GetSize();
    return {size.x, size.y};
}

template <typename Base> Point WxWindow<Base>::PositionInDialog() const {
    wxPoint const position = m_window->GetPosition();
    return {position.x, position.y};
}

template <typename Base> Point WxWindow<Base>::WidgetToScreen(Point point) const {
    // Before its window is shown it has no place on the screen yet; its position stands
    // in, which keeps every control's place relative to the client area right.
    wxWindow const* window = wxGetTopLevelParent(m_window);
    if (window != nullptr && !window->IsShown()) {
        wxPoint const position = m_window->GetPosition();
        return {position.x + point.x, position.y + point.y};
    }
    wxPoint const screen = m_window->ClientToScreen(wxPoint(point.x, point.y));
    return {screen.x, screen.y};
}

template <typename Base> void WxWindow<Base>::Move(Rect rect) {
    m_window->SetSize(rect.left, rect.top, rect.Width(), rect.Height());
}

template <typename Base> void WxWindow<Base>::SetRedraw(bool on) {
    if (on && m_window->IsFrozen()) {
        m_window->Thaw();
    } else if (!on && !m_window->IsFrozen()) {
        m_window->Freeze();
    }
}

} // namespace platform::wx

// The windows of every native interface, with what they share, are made here, where the
// dialog they reach is whole.
#define PLATFORM_INSTANTIATE(Interface)                                                            \
    template class platform::backend::ToolkitWindow<platform::backend::Interface,                  \
                                                    platform::wx::WxDialog, wxWindow>;             \
    template class platform::wx::WxWindow<platform::backend::Interface>;
PLATFORM_FOR_EACH_NATIVE_WINDOW(PLATFORM_INSTANTIATE)
#undef PLATFORM_INSTANTIATE
