#include "WxUser.h"
#include "WxCombo.h"
#include "WxDialog.h"
#include "WxPropertyGrid.h"
#include "WxSheet.h"
#include "WxToolBar.h"
#include "WxTree.h"

#include "platform/Dialog.h"
#include "platform/Error.h"

#include <wx/button.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <cwctype>

namespace platform::wx {

WxUser::WxUser(WxDialog& dialog)
    : m_dialog(dialog) {}

void WxUser::Play(Scene const& scene) {
    Idle();
    if (!m_dialog.HasEnded() && scene) {
        scene(*this);
    }
    if (!m_dialog.HasEnded()) {
        PLATFORM_ERROR(L"the driver's scene for dialog " + std::to_wstring(m_dialog.Id()) +
                       L" ended with the dialog still open");
    }
}

platform::Dialog& WxUser::GetDialog() {
    return *static_cast<platform::Dialog*>(m_dialog.Wrapper());
}

template <typename T> T& WxUser::Usable(ControlId id) {
    return User::Usable<T>(m_dialog, m_dialog.HasEnded(), id);
}

namespace {

/// A user types into the control that has the focus; moving it there only when it is
/// elsewhere spares GTK's entry selecting its whole text anew before every key.
void FocusOn(wxWindow& window) {
    if (wxWindow::FindFocus() != &window) {
        window.SetFocus();
    }
}

/// Each key of `text` as the toolkit delivers it to `window`: key down, then character.
/// A pick list takes them as a search through its items.
void TypeKeys(wxWindow& window, std::wstring const& text) {
    FocusOn(window);
    for (wchar_t const character : text) {
        for (wxEventType const type : {wxEVT_KEY_DOWN, wxEVT_CHAR}) {
            wxKeyEvent key(type);
            key.m_keyCode = static_cast<int>(std::towupper(character));
            key.m_uniChar = character;
            key.SetEventObject(&window);
            window.ProcessWindowEvent(key);
        }
    }
}

} // namespace

void WxUser::Act(std::function<void()> const& action) {
    action();
    if (!m_dialog.HasEnded()) {
        Idle();
    }
}

void WxUser::Idle() {
    // The toolkit's own idle work (its controls' deferred updates) runs as it would.
    wxYield();
    m_dialog.DeliverPosted();
    if (m_dialog.HasEnded()) {
        return;
    }
    Message idle;
    idle.event = Event::KickIdle;
    idle.window = m_dialog.Wrapper();
    m_dialog.Route(idle);
}

void WxUser::Select(ControlId tree, TreeItem item) {
    auto& control = Usable<WxTree>(tree);
    Act([&] { control.Select(item); });
}

void WxUser::Type(ControlId id, std::wstring const& text) {
    auto& control = Usable<backend::NativeWindow>(id);
    if (auto* grid = dynamic_cast<WxPropertyGrid*>(&control)) {
        TypeInEditor(*grid, text);
        return;
    }
    auto* combo = dynamic_cast<WxCombo*>(&control);
    if (combo != nullptr && !combo->IsEditable()) {
        Act([&] { TypeKeys(WindowOf(control), text); });
        return;
    }
    auto* entry = dynamic_cast<wxTextEntry*>(&WindowOf(control));
    if (entry == nullptr || !entry->IsEditable() || (combo != nullptr && !combo->IsEditable())) {
        PLATFORM_ERROR(L"control " + std::to_wstring(id) + L" is not an edit the user can type in");
    }
    Act([&] {
        FocusOn(WindowOf(control));
        // SetValue raises the text event the user's typing raises; the caret ends where
        // the typist's does.
        entry->SetValue(ToWx(text));
        entry->SetInsertionPointEnd();
    });
}

void WxUser::TypeInEditor(WxPropertyGrid& grid, std::wstring const& text) {
    wxWindow* editor = grid.FocusedEditor();
    if (editor == nullptr) {
        PLATFORM_ERROR(L"property grid " + std::to_wstring(grid.Id()) +
                       L" has no editor open to type in");
    }
    Act([&] {
        if (auto* entry = dynamic_cast<wxTextEntry*>(editor);
            entry != nullptr && entry->IsEditable()) {
            // SetValue raises the text event the user's typing raises.
            entry->SetValue(ToWx(text));
            return;
        }
        TypeKeys(*editor, text);
    });
}

namespace {

bool Contains(wxWindow& window, wxWindow* inner) {
    for (; inner != nullptr; inner = inner->GetParent()) {
        if (inner == &window) {
            return true;
        }
    }
    return false;
}

} // namespace

void WxUser::PressKey(ControlId id, int key) {
    auto& control = Usable<backend::NativeWindow>(id);
    Act([&] {
        wxWindow& window = WindowOf(control);
        // The key goes where the focus is: the control, or an editor open inside it.
        if (!Contains(window, wxWindow::FindFocus())) {
            FocusOn(window);
        }
        wxWindow* focus = wxWindow::FindFocus();
        if ((key != KeyReturn && key != KeyEscape) || !Contains(window, focus)) {
            m_dialog.Guard([&] { m_dialog.Events().OnNativeKeyDown(id, key); });
            return;
        }
        // Enter and Escape take the toolkit's own way: first the dialog's key hook, then,
        // when the hook lets them pass, the focused window.
        for (wxEventType const type : {wxEVT_CHAR_HOOK, wxEVT_KEY_DOWN}) {
            wxKeyEvent event(type);
            event.m_keyCode = key == KeyReturn ? WXK_RETURN : WXK_ESCAPE;
            event.SetEventObject(focus);
            if (focus->HandleWindowEvent(event) || m_dialog.HasEnded()) {
                return;
            }
        }
    });
}

void WxUser::Click(ControlId button) {
    if (ClickGoesToSheet(m_dialog, m_dialog.Sheet() != nullptr, m_dialog.HasEnded(), button)) {
        Act([&] { m_dialog.Sheet()->Press(button); });
        return;
    }
    wxWindow& window = WindowOf(Usable<backend::NativeWindow>(button));
    if (dynamic_cast<wxButton*>(&window) == nullptr) {
        PLATFORM_ERROR(L"control " + std::to_wstring(button) + L" is not a button");
    }
    Act([&] {
        wxCommandEvent event(wxEVT_BUTTON, window.GetId());
        event.SetEventObject(&window);
        window.ProcessWindowEvent(event);
    });
}

void WxUser::ClickToolButton(ControlId bar, ControlId command) {
    auto& toolBar = Usable<WxToolBar>(bar);
    Act([&] { toolBar.Click(command); });
}

void WxUser::Pick(ControlId combo, int index) {
    auto& control = Usable<WxCombo>(combo);
    if (index < 0 || index >= control.Count()) {
        PLATFORM_ERROR(L"combo box " + std::to_wstring(combo) + L" has no item " +
                       std::to_wstring(index));
    }
    Act([&] {
        wxWindow& box = WindowOf(control);
        control.List().SetSelection(index);
        wxCommandEvent event(wxEVT_COMBOBOX, box.GetId());
        event.SetEventObject(&box);
        event.SetInt(index);
        event.SetString(control.List().GetString(static_cast<unsigned>(index)));
        box.ProcessWindowEvent(event);
    });
}

void WxUser::RightClick(ControlId id, Point client) {
    auto& control = Usable<backend::NativeWindow>(id);
    Point const screen = control.ClientToScreen(client);
    Act([&] {
        wxWindow& window = WindowOf(control);
        wxContextMenuEvent event(wxEVT_CONTEXT_MENU, window.GetId(), wxPoint(screen.x, screen.y));
        event.SetEventObject(&window);
        window.ProcessWindowEvent(event);
    });
}

void WxUser::DoubleClick(ControlId tree, Point client) {
    auto& control = Usable<WxTree>(tree);
    Act([&] { control.DoubleClickAt(control.ClientToScreen(client), true); });
}

void WxUser::EditProperty(ControlId grid, std::wstring const& path, std::wstring const& text) {
    auto& control = Usable<WxPropertyGrid>(grid);
    backend::PropertyHandle const row = RowAt(control, grid, path);
    Act([&] { control.UserEdit(row, text); });
}

void WxUser::ClickProperty(ControlId grid, std::wstring const& path) {
    auto& control = Usable<WxPropertyGrid>(grid);
    backend::PropertyHandle const row = RowAt(control, grid, path);
    Act([&] { control.ClickValue(row); });
}

void WxUser::MoveMouse(ControlId id, Point client) {
    wxWindow& window = WindowOf(Usable<backend::NativeWindow>(id));
    Act([&] {
        wxMouseEvent event(wxEVT_MOTION);
        event.m_x = client.x;
        event.m_y = client.y;
        event.SetEventObject(&window);
        window.ProcessWindowEvent(event);
    });
}

void WxUser::Resize(Size size) {
    Act([&] {
        int const seen = m_dialog.RoutedSizes();
        m_dialog.SetClientSize(size);
        // The window system confirms the new size from the loop; wait for that, within
        // bounds.
        for (int round = 0; round < 400; ++round) {
            Rect const client = m_dialog.GetClientRect();
            if (m_dialog.RoutedSizes() > seen &&
                m_dialog.RoutedSize() == Size{client.Width(), client.Height()}) {
                return;
            }
            wxYield();
            wxMilliSleep(5);
        }
        Rect const client = m_dialog.GetClientRect();
        Message message;
        message.event = Event::Size;
        message.size = {client.Width(), client.Height()};
        message.window = m_dialog.Wrapper();
        m_dialog.Route(message);
    });
}

void WxUser::Close() {
    Message message;
    message.event = Event::Command;
    message.id = IDCANCEL;
    message.window = m_dialog.Wrapper();
    m_dialog.Route(message);
}

} // namespace platform::wx
