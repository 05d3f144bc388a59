// A wx host: its frame's menu opens the coordinate-system browser on the frame itself, and
// the frame shows the chosen system's well-known text.
#include "gridlore/CFavoritesCollection.h"
#include "gridlore/CoordinateSystem.h"
#include "gridlore/UserCollectionFile.h"
#include "gridui/CRSDialog.h"
#include "kor/Definitions.h"
#include "kor/KORException.h"
#include "platform/wx/HostWindow.h"
#include "platform/wx/WxBackend.h"
#include "shr/IError.h"
#include "shr/Singleton.h"

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/stdpaths.h>
#include <wx/textctrl.h>

#include <exception>
#include <filesystem>
#include <memory>
#include <optional>

namespace {

enum : int { IdChooseSystem = wxID_HIGHEST + 1 };

/// Tells the user in a message box over the host's windows.
class MessageBoxSink final : public shr::IError {
public:
    void ShowMessage(std::wstring const& caption, std::wstring const& message) override {
        wxMessageBox(message, Caption(caption), wxOK | wxICON_INFORMATION);
    }
    bool AskQuestion(std::wstring const& caption, std::wstring const& message) override {
        return wxMessageBox(message, Caption(caption), wxYES_NO | wxICON_QUESTION) == wxYES;
    }
    void ReportError(std::wstring const& caption, std::wstring const& message,
                     std::wstring const& /*module*/, std::wstring const& /*file*/,
                     int /*line*/) override {
        ShowError(caption, message);
    }
    void ShowError(std::wstring const& caption, std::wstring const& message) override {
        wxMessageBox(message, Caption(caption), wxOK | wxICON_ERROR);
    }

private:
    static wxString Caption(std::wstring const& caption) {
        return caption.empty() ? wxString("wx host") : wxString(caption);
    }
};

/// The favourites file, in the user's data folder; the browser saves to it after each
/// change, and its systems are the process's favourites from the start.
std::filesystem::path LoadFavorites() {
    std::filesystem::path const folder(wxStandardPaths::Get().GetUserDataDir().ToStdWstring());
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    std::filesystem::path const file = folder / "favorites.qrf2";
    std::optional<Gridlore::SetAsideFile> damaged;
    auto& favorites = shr::Singleton<Gridlore::CFavoritesCollection>::Instance();
    for (Gridlore::CoordinateSystem const& system : Gridlore::LoadUserCollection(file, damaged)) {
        favorites.push_back(system);
    }
    if (damaged) {
        wxMessageBox(damaged->Explain(L"favourites", L"adding a favourite"), "wx host",
                     wxOK | wxICON_WARNING);
    }
    return file;
}

class HostFrame final : public wxFrame {
public:
    explicit HostFrame(std::filesystem::path favoritesPath)
        : wxFrame(nullptr, wxID_ANY, "GridloreUI wx host")
        , m_favoritesPath(std::move(favoritesPath))
        , m_current(L"EPSG:4326", true)
        , m_wkt(new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, wxDefaultSize,
                               wxTE_MULTILINE | wxTE_READONLY | wxHSCROLL)) {
        auto* menu = new wxMenu;
        menu->Append(IdChooseSystem, "&Choose Coordinate System...\tCtrl+K");
        menu->AppendSeparator();
        menu->Append(wxID_EXIT);
        auto* bar = new wxMenuBar;
        bar->Append(menu, "&System");
        SetMenuBar(bar);
        Bind(wxEVT_MENU, &HostFrame::OnChooseSystem, this, IdChooseSystem);
        Bind(
            wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, wxID_EXIT);
        ShowSystem();
        // Sized by its client area, GTK shows the frame at once at its size; sized as a
        // whole, it is laid out first in a sliver, and GTK complains of the menu bar and
        // the text's scroll bars.
        SetClientSize(FromDIP(wxSize(640, 400)));
    }

private:
    void OnChooseSystem(wxCommandEvent&) {
        try {
            // The browser is modal for this frame, transient for it and centred on it.
            platform::wx::HostWindow host(this);
            gridui::CRSDialog dialog(m_current, m_favoritesPath.wstring(), m_errorSink, &host,
                                     Gridlore::CoordinateSystemCollection{});
            if (dialog.DoModal() == platform::IDOK) {
                m_current = dialog.Result();
                ShowSystem();
            }
        } catch (std::exception const& error) {
            wxMessageBox(wxString::FromUTF8(error.what()), "wx host", wxOK | wxICON_ERROR, this);
        }
    }

    void ShowSystem() {
        SetTitle(wxString(m_current.GetLeafName()) + " - GridloreUI wx host");
        if (m_current.GetCSDef() == nullptr) {
            m_wkt->ChangeValue("");
            return;
        }
        try {
            m_wkt->ChangeValue(
                kor::ExportDefinition(*m_current.GetCSDef(), kor::DefinitionFormat::WKT2));
        } catch (kor::KORException const& error) {
            // A local system has no well-known text: say why instead.
            m_wkt->ChangeValue(error.Message());
        }
    }

    std::filesystem::path m_favoritesPath;
    std::shared_ptr<shr::IError> m_errorSink = std::make_shared<MessageBoxSink>();
    Gridlore::CoordinateSystem m_current;
    wxTextCtrl* m_wkt;
};

class HostApp final : public wxApp {
public:
    bool OnInit() override {
        if (!wxApp::OnInit()) {
            return false;
        }
        m_backend = std::make_unique<platform::wx::WxBackend>(L"GridloreUI-wx-host");
        m_installed.emplace(*m_backend);
        (new HostFrame(LoadFavorites()))->Show();
        return true;
    }
    int OnExit() override {
        m_installed.reset();
        m_backend.reset();
        return wxApp::OnExit();
    }

private:
    std::unique_ptr<platform::wx::WxBackend> m_backend;
    std::optional<platform::BackendScope> m_installed;
};

} // namespace

wxIMPLEMENT_APP(HostApp);
