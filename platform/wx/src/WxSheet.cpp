// The sheet's members for wx are specialised here before WxSheet.h, which declares the
// class's instantiation to the files that use it, comes in to instantiate it at the end.
#include "platform/ToolkitSheet.h"

#include "ModalRun.h"
#include "WxDialog.h"
#include "platform/wx/WxBackend.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/notebook.h>
#include <wx/sizer.h>

namespace platform::backend {

template <> struct ToolkitSheet<wxWindow>::Parts {
    wxDialog* window;
    wxNotebook* book;
};

template <>
ToolkitSheet<wxWindow>::ToolkitSheet(std::wstring const& caption, SheetEvents& events,
                                     NativeWindow* owner)
    : m_events(events)
    , m_parts(std::make_unique<Parts>(Parts{
          new wxDialog(wx::WxBackend::OwnerFor(owner), wxID_ANY, wx::ToWx(caption),
                       wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
          nullptr}))
    , m_run(std::make_unique<wx::ModalRun>(*m_parts->window)) {
    wxDialog& window = *m_parts->window;
    m_parts->book = new wxNotebook(&window, wxID_ANY);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(m_parts->book, 1, wxEXPAND | wxALL, 6);
    column->Add(window.CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 6);
    window.SetSizer(column);
    window.Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Press(IDOK); }, wxID_OK);
    window.Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Press(IDCANCEL); }, wxID_CANCEL);
    window.Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Press(IDCANCEL); });
}

template <> ToolkitSheet<wxWindow>::~ToolkitSheet() {
    ClosePages();
    delete m_parts->window;
}

template <> wxWindow& ToolkitSheet<wxWindow>::Book() const {
    return *m_parts->book;
}

template <> void ToolkitSheet<wxWindow>::AddTab(wx::WxDialog& page, std::wstring const& caption) {
    m_parts->book->AddPage(&page.Container(), wx::ToWx(caption));
}

template <> void ToolkitSheet<wxWindow>::FitPages() {
    m_parts->window->Fit();
}

template <> void ToolkitSheet<wxWindow>::SetActivePage(int index) {
    m_parts->book->SetSelection(static_cast<std::size_t>(index));
}

template <> int ToolkitSheet<wxWindow>::ActivePage() const {
    return m_parts->book->GetSelection();
}

} // namespace platform::backend

// The class whole, now that every member of the toolkit's is specialised.
#include "WxSheet.h"

template class platform::backend::ToolkitSheet<wxWindow>;
