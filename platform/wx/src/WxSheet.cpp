#include "WxSheet.h"
#include "WxDialog.h"
#include "WxUser.h"

#include "platform/Error.h"
#include "platform/wx/WxBackend.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/notebook.h>
#include <wx/sizer.h>

namespace platform::wx {

WxSheet::WxSheet(std::wstring const& caption, backend::SheetEvents& events,
                 backend::NativeWindow* owner)
    : m_events(events)
    , m_window(new wxDialog(WxBackend::OwnerFor(owner), wxID_ANY, ToWx(caption), wxDefaultPosition,
                            wxDefaultSize, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER))
    , m_book(new wxNotebook(m_window, wxID_ANY))
    , m_run(*m_window) {
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(m_book, 1, wxEXPAND | wxALL, 6);
    column->Add(m_window->CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 6);
    m_window->SetSizer(column);
    m_window->Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Press(IDOK); }, wxID_OK);
    m_window->Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Press(IDCANCEL); }, wxID_CANCEL);
    m_window->Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Press(IDCANCEL); });
}

WxSheet::~WxSheet() {
    // Wrappers let go while every control is whole; then the windows go, and last the
    // pages' records of them.
    for (auto const& page : m_pages) {
        page->PrepareClose();
    }
    m_run.Close();
    delete m_window;
    m_pages.clear();
}

backend::NativeDialog& WxSheet::AddPage(DialogTemplate const& page, backend::DialogEvents& events) {
    m_pages.push_back(std::make_unique<WxDialog>(page, events, m_book, *this));
    m_book->AddPage(&m_pages.back()->Container(), ToWx(page.caption));
    return *m_pages.back();
}

int WxSheet::RunModal() {
    if (m_pages.empty()) {
        PLATFORM_ERROR(L"a property sheet opened without pages");
    }
    m_window->Fit();
    return m_run.Run(
        m_pages.front()->Id(), [this] { m_events.OnSheetInit(); },
        [this](Scene const& scene) {
            WxUser user(*m_pages.at(static_cast<std::size_t>(ActivePage())));
            user.Play(scene);
        });
}

void WxSheet::SetActivePage(int index) {
    m_book->SetSelection(static_cast<std::size_t>(index));
}

int WxSheet::ActivePage() const {
    return m_book->GetSelection();
}

void WxSheet::Press(ControlId button) {
    m_run.Guard([&] { m_events.OnSheetButton(button); });
}

} // namespace platform::wx
