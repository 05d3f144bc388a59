// The user's members for wx are specialised here before the class is instantiated at the
// end: WxUser.h, which declares that instantiation to the files that use it, must not come first.
#include "platform/ToolkitUser.h"

#include "WxCombo.h"
#include "WxDialog.h"
#include "WxPropertyGrid.h"
#include "WxSheet.h"
#include "WxTree.h"

#include "platform/Error.h"
#include "platform/ToolkitInput.h"

#include <wx/button.h>
#include <wx/ctrlsub.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <cwctype>

namespace platform::wx {

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

/// What the window system would hand `window` for the user's action.
void Send(wxWindow& window, wxEvent& event) {
    event.SetEventObject(&window);
    window.ProcessWindowEvent(event);
}

/// Each input goes to the toolkit as the window system would deliver it. The focus is the
/// application's.
struct WxInput {
    using Combo = WxCombo;
    using Tree = WxTree;

    static wxWindow* Focus(wxWindow&) { return wxWindow::FindFocus(); }

    static bool Within(wxWindow& window, wxWindow* inner) {
        for (; inner != nullptr; inner = inner->GetParent()) {
            if (inner == &window) {
                return true;
            }
        }
        return false;
    }

    static void MoveFocusTo(wxWindow& window) { FocusOn(window); }

    /// Through the dialog's key hook first, then to the focused window, unless a handler
    /// took the key or ended the dialog.
    static void SendEnterOrEscape(WxDialog& dialog, wxWindow& focus, bool enter) {
        for (wxEventType const type : {wxEVT_CHAR_HOOK, wxEVT_KEY_DOWN}) {
            wxKeyEvent event(type);
            event.m_keyCode = enter ? WXK_RETURN : WXK_ESCAPE;
            event.SetEventObject(&focus);
            if (focus.HandleWindowEvent(event) || dialog.HasEnded()) {
                return;
            }
        }
    }

    static bool IsButton(wxWindow& window) { return dynamic_cast<wxButton*>(&window) != nullptr; }

    static void Click(wxWindow& window) {
        wxCommandEvent click(wxEVT_BUTTON, window.GetId());
        Send(window, click);
    }

    static void Pick(WxCombo& combo, int index) {
        wxWindow& box = WindowOf(combo);
        auto& list = dynamic_cast<wxItemContainer&>(box);
        list.SetSelection(index);
        wxCommandEvent event(wxEVT_COMBOBOX, box.GetId());
        event.SetInt(index);
        event.SetString(list.GetString(static_cast<unsigned>(index)));
        Send(box, event);
    }

    static void OpenContextMenu(wxWindow& window, Point screen) {
        wxContextMenuEvent menu(wxEVT_CONTEXT_MENU, window.GetId(), wxPoint(screen.x, screen.y));
        Send(window, menu);
    }

    static void MoveMouse(wxWindow& window, Point client) {
        wxMouseEvent motion(wxEVT_MOTION);
        motion.m_x = client.x;
        motion.m_y = client.y;
        Send(window, motion);
    }
};

} // namespace

} // namespace platform::wx

namespace platform::backend {

using wx::WxDialog;

template <> void ToolkitUser<WxDialog>::RunPending() {
    wxYield();
}

template <> void ToolkitUser<WxDialog>::TypeInto(NativeWindow& control, std::wstring const& text) {
    if (auto* grid = dynamic_cast<wx::WxPropertyGrid*>(&control)) {
        wxWindow& editor = grid->EditorToTypeIn();
        if (auto* entry = dynamic_cast<wxTextEntry*>(&editor);
            entry != nullptr && entry->IsEditable()) {
            // SetValue raises the text event the user's typing raises.
            entry->SetValue(wx::ToWx(text));
            return;
        }
        wx::TypeKeys(editor, text);
        return;
    }
    auto* combo = dynamic_cast<wx::WxCombo*>(&control);
    if (combo != nullptr && !combo->IsEditable()) {
        wx::TypeKeys(wx::WindowOf(control), text);
        return;
    }
    auto* entry = dynamic_cast<wxTextEntry*>(&wx::WindowOf(control));
    if (entry == nullptr || !entry->IsEditable()) {
        PLATFORM_ERROR(L"control " + std::to_wstring(control.Id()) +
                       L" is not an edit the user can type in");
    }
    wx::FocusOn(wx::WindowOf(control));
    // SetValue raises the text event the user's typing raises; the caret ends where the
    // typist's does.
    entry->SetValue(wx::ToWx(text));
    entry->SetInsertionPointEnd();
}

template <> void ToolkitUser<WxDialog>::Deliver(NativeWindow& control, Message& input) {
    DeliverInput<wx::WxInput>(m_dialog, control, wx::WindowOf(control), input);
}

template class ToolkitUser<WxDialog>;

} // namespace platform::backend
