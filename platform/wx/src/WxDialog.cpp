#include "WxDialog.h"
#include "ModalRun.h"
#include "WxCombo.h"
#include "WxLabel.h"
#include "WxPropertyGrid.h"
#include "WxSheet.h"
#include "WxSurface.h"
#include "WxToolBar.h"
#include "WxTree.h"
#include "WxUser.h"
#include "WxWindow.h"
#include "platform/wx/WxBackend.h"

#include "platform/Error.h"
#include "platform/ToolkitTimers.h"
#include "platform/Window.h"
#include "platform/wx/Screenshot.h"

#include <wx/button.h>
#include <wx/combo.h>
#include <wx/dialog.h>
#include <wx/panel.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/toplevel.h>

namespace platform::backend {

template <> void WindowModalRun<wxDialog>::ShowModal(std::function<void()> const& first) {
    // Initialisation may have grown the window: it is centred at its final size, on the
    // window it belongs to (a host's frame, or the dialog that opened it).
    if (m_window.GetParent() != nullptr) {
        m_window.CentreOnParent();
    }
    if (first) {
        m_window.CallAfter(first);
    }
    m_window.ShowModal();
}

template <> void WindowModalRun<wxDialog>::EndModal(int result) {
    if (m_window.IsModal()) {
        m_window.EndModal(result);
    }
}

} // namespace platform::backend

namespace platform::wx {
namespace {

/// Whether `focus` lies in a drop-down list that is open: Enter there picks an item and
/// Escape closes the list, and neither may reach the dialog's buttons.
bool InOpenDropDown(wxWindow* focus) {
    for (; focus != nullptr; focus = focus->GetParent()) {
        if (auto* combo = dynamic_cast<wxComboCtrl*>(focus);
            combo != nullptr && combo->IsPopupShown()) {
            return true;
        }
    }
    return false;
}

/// The platform's name of the event's key when the dialog takes it before the control with
/// the focus; 0 for any other key.
int DialogKeyOf(wxKeyEvent const& event) {
    int key = 0;
    switch (event.GetKeyCode()) {
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        key = KeyReturn;
        break;
    case WXK_ESCAPE:
        key = KeyEscape;
        break;
    case WXK_DELETE:
    case WXK_NUMPAD_DELETE:
        key = KeyDelete;
        break;
    default:
        return 0;
    }
    return InOpenDropDown(wxWindow::FindFocus()) ? 0 : key;
}

/// The control among `children` of the dialog in `container` that holds the focus, or holds
/// the window that does; 0 for none.
ControlId FocusedControl(backend::ChildWindows const& children, wxWindow const& container) {
    ControlId id = 0;
    for (wxWindow* focus = wxWindow::FindFocus(); focus != nullptr && id == 0;
         focus = focus->GetParent()) {
        id = children.IdWhere(
            [focus](backend::NativeWindow& child) { return &WindowOf(child) == focus; });
        if (focus == &container || focus->IsTopLevel()) {
            break;
        }
    }
    return id;
}

} // namespace
} // namespace platform::wx

namespace platform::backend {

using wx::WxDialog;

template <> ToolkitOneShot<wxTimer>::ToolkitOneShot(std::function<void()> const& expire) {
    m_timer.Bind(wxEVT_TIMER, [expire](wxTimerEvent&) { expire(); });
}

template <> void ToolkitOneShot<wxTimer>::Start(std::chrono::milliseconds delay) {
    m_timer.StartOnce(static_cast<int>(delay.count()));
}

template <> void ToolkitOneShot<wxTimer>::Stop() {
    m_timer.Stop();
}

template <>
WxDialog::ToolkitDialog(DialogTemplate const& dialog, DialogEvents& events, NativeWindow* owner)
    : ToolkitDialog(dialog.id,
                    new wxDialog(wx::WxBackend::OwnerFor(owner), wxID_ANY, wx::ToWx(dialog.caption),
                                 wxDefaultPosition, wxDefaultSize,
                                 wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
                    events, ToolkitClasses()) {
    CreateControls(dialog);
    // The sizing border is there from the start; until the dialog asks for resizing,
    // the size is pinned.
    wxWindow& window = Container();
    window.SetMinClientSize(window.GetClientSize());
    window.SetMaxClientSize(window.GetClientSize());
    window.Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { RouteClose(); });
}

template <> WxDialog::Classes WxDialog::ToolkitClasses() {
    return ClassesOf<wx::WxCombo, wx::WxTree, wx::WxPropertyGrid, wx::WxToolBar, wx::WxUser>();
}

template <> wxWindow* WxDialog::NewPage(wx::WxSheet& sheet) {
    return new wxPanel(&sheet.Book(), wxID_ANY);
}

template <> void WxDialog::CreateControls(DialogTemplate const& dialog) {
    m_timers = std::make_unique<OneShotTimers<ToolkitOneShot<wxTimer>>>(
        [this](ControlId timer) { RaiseTimer(timer); });
    wxWindow& window = Container();
    // The theme paints the background. Left to erase it first, wx would make a drawing
    // context for every paint, and each one asks GTK's styles for the dialog's font and
    // colours, a tenth of what a search costs.
    window.SetBackgroundStyle(wxBG_STYLE_SYSTEM);
    window.SetClientSize(
        window.ConvertDialogToPixels(wxSize(dialog.size.width, dialog.size.height)));
    CreateChildren(dialog);
    // The dialog takes its keys before any control; the rest go on to the control with the
    // focus, or to the one that contains it.
    window.Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        int const key = wx::DialogKeyOf(event);
        if (key == 0 || !OfferKey(wx::FocusedControl(Children(), Container()), key)) {
            event.Skip();
        }
    });
    window.Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        wxSize const size = Container().GetClientSize();
        RouteSize({size.x, size.y});
        event.Skip();
    });
    window.Bind(wxEVT_IDLE, [this](wxIdleEvent& event) {
        RouteIdle();
        event.Skip();
    });
}

template <> void WxDialog::PrepareClose() {
    DetachAndClose();
}

template <> WxDialog::~ToolkitDialog() {
    // A page's panel belongs to its sheet's notebook, which lets it go.
    if (!IsPage()) {
        PrepareClose();
        delete m_widget;
    }
}

template <> void WxDialog::Adopt(NativeWindow& control) {
    wx::WindowOf(control).Bind(wxEVT_CONTEXT_MENU, [this, &control](wxContextMenuEvent& event) {
        RouteContextMenu(control, {event.GetPosition().x, event.GetPosition().y});
    });
}

template <> NativeWindow& WxDialog::CreateControl(ControlTemplate const& control, Rect pixels) {
    wxWindow& dialog = Container();
    wxPoint const position(pixels.left, pixels.top);
    wxSize const size(pixels.Width(), pixels.Height());
    wxString const text = wx::ToWx(control.text);
    NativeWindow* added = nullptr;
    switch (control.kind) {
    case ControlKind::DrawingSurface:
        added = &AddChild<wx::WxSurface>(control.id, this, control.id,
                                         new wxPanel(&dialog, wxID_ANY, position, size,
                                                     wxBORDER_SIMPLE | wxFULL_REPAINT_ON_RESIZE));
        break;
    case ControlKind::Edit: {
        long style = 0;
        style |= (control.style & EditMultiLine) != 0 ? wxTE_MULTILINE : 0;
        style |= (control.style & EditReadOnly) != 0 ? wxTE_READONLY : 0;
        // A multi-line box wraps its long lines rather than making the reader scroll
        // sideways; a one-line box scrolls as the user types past its end.
        bool const multiLine = (control.style & EditMultiLine) != 0;
        style |= !multiLine && (control.style & EditAutoHScroll) != 0 ? wxHSCROLL : 0;
        style |= multiLine ? wxTE_WORDWRAP : 0;
        auto* edit = new wxTextCtrl(&dialog, wxID_ANY, text, position, size, style);
        // When a busy cursor ends, wx gives a text box without a cursor of its own the
        // native one back by resetting the box's state, and a multi-line box lays out and
        // repaints all its lines on that: every search repainted the description. A
        // cursor of its own, the one it shows anyway, is simply set back.
        edit->SetCursor(wxCursor(wxCURSOR_IBEAM));
        auto& native = AddChild<wx::WxControl>(control.id, this, control.id, edit);
        wx::RaiseOn(wxEVT_TEXT, native, Event::EditChange);
        added = &native;
        break;
    }
    case ControlKind::Button: {
        // A button barely wider than its label ("...") loses the label to the theme's
        // padding unless it is told to fit its text exactly.
        wxSize const label = dialog.GetTextExtent(text);
        long const fit =
            size.GetWidth() < label.GetWidth() + dialog.FromDIP(24) ? wxBU_EXACTFIT : 0;
        auto* button = new wxButton(&dialog, wxID_ANY, text, position, size, fit);
        if ((control.style & ButtonDefault) != 0) {
            button->SetDefault();
        }
        auto& native = AddChild<wx::WxControl>(control.id, this, control.id, button);
        wx::RaiseOn(wxEVT_BUTTON, native, Event::Command);
        added = &native;
        break;
    }
    case ControlKind::GroupBox:
        added = &AddChild<wx::WxControl>(control.id, this, control.id,
                                         new wxStaticBox(&dialog, wxID_ANY, text, position, size));
        break;
    case ControlKind::Static:
        if ((control.style & StaticFrame) != 0) {
            added = &AddChild<wx::WxControl>(
                control.id, this, control.id,
                new wxPanel(&dialog, wxID_ANY, position, size, wxBORDER_SIMPLE));
        } else {
            added = &AddChild<wx::WxLabel>(
                control.id, this, control.id,
                new wxStaticText(&dialog, wxID_ANY, text, position, size, wxST_NO_AUTORESIZE));
        }
        break;
    default:
        PLATFORM_ERROR(L"the dialog makes its combo boxes, trees and property grids itself");
    }
    return *added;
}

template <> Rect WxDialog::GetWindowRect() const {
    wxRect const rect = Container().GetScreenRect();
    return Rect::FromXYWH(rect.x, rect.y, rect.width, rect.height);
}

template <> void WxDialog::CallLater(std::function<void()> const& action) {
    Container().CallAfter(action);
}

template <> Point WxDialog::DialogUnitsToPixels(Point units) const {
    wxPoint const pixels = Container().ConvertDialogToPixels(wxPoint(units.x, units.y));
    return {pixels.x, pixels.y};
}

template <> void WxDialog::SetClientSize(Size size) {
    wxGetTopLevelParent(&Container())->SetClientSize(wxSize(size.width, size.height));
}

template <> void WxDialog::SetResizable(Size minimum) {
    if (!IsPage()) {
        Container().SetMaxClientSize(wxDefaultSize);
        Container().SetMinClientSize(wxSize(minimum.width, minimum.height));
    }
}

template <> bool WxDialog::SaveScreenshot(std::string const& path) {
    auto* window = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(&Container()));
    return window != nullptr && wx::SaveScreenshot(*window, path);
}

} // namespace platform::backend
