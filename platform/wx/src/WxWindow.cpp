#include "WxWindow.h"
#include "WxDialog.h"

#include "platform/Error.h"

#include <wx/textctrl.h>

namespace platform::wx {

wxWindow& WindowOf(backend::NativeWindow& native) {
    return backend::ToolkitWindowOf<wxWindow>(native, L"wx");
}

template <typename Base>
WxWindow<Base>::WxWindow(WxDialog* parent, ControlId id, wxWindow* window)
    : m_parent(parent)
    , m_id(id)
    , m_window(window) {}

template <typename Base> backend::NativeWindow* WxWindow<Base>::Parent() const {
    return m_parent;
}

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

template <typename Base> Rect WxWindow<Base>::GetWindowRect() const {
    wxSize const size = m_window->GetSize();
    Point const origin = ClientToScreen({0, 0});
    return Rect::FromXYWH(origin.x, origin.y, size.x, size.y);
}

template <typename Base> Rect WxWindow<Base>::GetClientRect() const {
    wxSize const size = m_window->GetClientSize();
    return {0, 0, size.x, size.y};
}

template <typename Base> Point WxWindow<Base>::ClientToScreen(Point point) const {
    // Measured through the dialog, so positions relative to it are exactly the ones the
    // controls were given, whether or not the windows are realised yet.
    wxPoint const position = m_window->GetPosition();
    return m_parent->ClientToScreen({position.x + point.x, position.y + point.y});
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

template <typename Base> void WxWindow<Base>::Raise(Message& message) {
    if (message.window == nullptr) {
        message.window = this->Wrapper();
    }
    m_parent->Route(message);
}

#define PLATFORM_INSTANTIATE(Interface) template class WxWindow<backend::Interface>;
PLATFORM_FOR_EACH_NATIVE_WINDOW(PLATFORM_INSTANTIATE)
#undef PLATFORM_INSTANTIATE

} // namespace platform::wx
