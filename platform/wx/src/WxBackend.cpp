#include "platform/wx/WxBackend.h"

#include "WxDialog.h"
#include "WxFileDialog.h"
#include "WxSheet.h"
#include "platform/Error.h"
#include "platform/FileDialog.h"
#include "platform/ToolkitServices.h"
#include "platform/wx/Export.h"

#include <wx/app.h>
#include <wx/cursor.h>
#include <wx/dialog.h>
#include <wx/gdicmn.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

#include <cstdlib>
#include <filesystem>

namespace platform::backend {

namespace {

int FromWxAnswer(int answer) {
    switch (answer) {
    case wxYES:
        return IDYES;
    case wxNO:
        return IDNO;
    case wxCANCEL:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

long ToWxStyle(unsigned style) {
    long buttons = wxOK;
    switch (style & 0xFU) {
    case MB_OKCANCEL:
        buttons = wxOK | wxCANCEL;
        break;
    case MB_YESNO:
        buttons = wxYES_NO;
        break;
    case MB_YESNOCANCEL:
        buttons = wxYES_NO | wxCANCEL;
        break;
    default:
        break;
    }
    switch (style & 0xF0U) {
    case MB_ICONERROR:
        return buttons | wxICON_ERROR;
    case MB_ICONQUESTION:
        return buttons | wxICON_QUESTION;
    case MB_ICONEXCLAMATION:
        return buttons | wxICON_EXCLAMATION;
    case MB_ICONINFORMATION:
        return buttons | wxICON_INFORMATION;
    default:
        return buttons;
    }
}

} // namespace

/// How the wx backend starts, and what wx shows a real user.
template <> struct ToolkitServices<wxWindow> {
    static std::filesystem::path ConfigDirectory() {
        char const* config = std::getenv("XDG_CONFIG_HOME");
        if (config != nullptr && *config != '\0') {
            return config;
        }
        char const* home = std::getenv("HOME");
        return std::filesystem::path(home != nullptr ? home : ".") / ".config";
    }

    /// The image handlers belong to the process: a second backend adding them again would
    /// make wx log a complaint about each one.
    static void PrepareProcess() {
        if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) {
            wxInitAllImageHandlers();
        }
    }

    static bool StartApplication(int& argc, char** argv) {
        if (wxTheApp != nullptr) {
            return true;
        }
        wxApp::SetInstance(new wxApp());
        return wxEntryStart(argc, argv) && wxTheApp->CallOnInit();
    }

    static wxWindow* OwnerFor(NativeWindow* owner) {
        if (owner != nullptr) {
            return &wx::WindowOf(*owner);
        }
        // Top-level windows are listed in the order they were made: the last modal one
        // shown is the one on top.
        for (auto node = wxTopLevelWindows.GetLast(); node != nullptr; node = node->GetPrevious()) {
            // wxDynamicCast type-checks with a static downcast, undefined for a frame.
            auto* dialog = dynamic_cast<wxDialog*>(node->GetData());
            if (dialog != nullptr && dialog->IsModal() && dialog->IsShown()) {
                return dialog;
            }
        }
        return nullptr;
    }

    static void PrepareWaitCursor() {
        // The stock cursor is made once, on first use, and kept for the process.
        static_cast<void>(wxHOURGLASS_CURSOR->IsOk());
    }

    static int MessageBox(NativeWindow* owner, std::wstring const& text,
                          std::wstring const& caption, unsigned style) {
        return FromWxAnswer(
            wxMessageBox(wx::ToWx(text), wx::ToWx(caption), ToWxStyle(style), OwnerFor(owner)));
    }

    static std::optional<FileChoice> FileDialog(FileDialogRequest const& request) {
        return wx::ShowFileDialog(request, OwnerFor(nullptr));
    }

    static ControlId PopupMenu(MenuPopupTemplate const& popup, std::vector<CmdUI> const& states,
                               NativeWindow& owner, Point screen) {
        wxMenu menu;
        for (std::size_t i = 0; i < popup.items.size(); ++i) {
            MenuItemTemplate const& item = popup.items[i];
            if (item.command == 0) {
                menu.AppendSeparator();
                continue;
            }
            menu.Append(item.command, wx::ToWx(item.text));
            menu.Enable(item.command, i < states.size() && states[i].enabled);
        }
        wxWindow& window = wx::WindowOf(owner);
        int const chosen = window.GetPopupMenuSelectionFromUser(
            menu, window.ScreenToClient(wxPoint(screen.x, screen.y)));
        return chosen == wxID_NONE ? 0 : chosen;
    }

    static void WaitCursor(bool on) {
        if (on) {
            wxBeginBusyCursor();
        } else {
            wxEndBusyCursor();
        }
    }

    static void ToolTip(NativeWindow& tool, std::wstring const& text) {
        if (text.empty()) {
            wx::WindowOf(tool).UnsetToolTip();
        } else {
            wx::WindowOf(tool).SetToolTip(wx::ToWx(text));
        }
    }
};

// Made here, where the services are whole, for hosts that include only its declaration.
template class PLATFORM_WX_EXPORT ToolkitBackend<wxWindow>;

} // namespace platform::backend
