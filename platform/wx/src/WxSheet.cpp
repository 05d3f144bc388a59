#include "WxSheet.h"
#include "WxDialog.h"

#include "platform/wx/WxBackend.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/notebook.h>
#include <wx/sizer.h>

namespace platform::wx {

WxSheet::WxSheet(std::wstring const& caption, backend::SheetEvents& events,
                 backend::NativeWindow* owner)
    : WxSheet(events,
              new wxDialog(WxBackend::OwnerFor(owner), wxID_ANY, ToWx(caption), wxDefaultPosition,
                           wxDefaultSize, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER)) {}

WxSheet::WxSheet(backend::SheetEvents& events, wxDialog* window)
    : ToolkitSheet(events, std::make_unique<ModalRun>(*window))
    , m_window(window)
    , m_book(new wxNotebook(window, wxID_ANY)) {
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
    ClosePages();
    delete m_window;
}

std::unique_ptr<WxDialog> WxSheet::MakePage(DialogTemplate const& page,
                                            backend::DialogEvents& events) {
    auto made = std::make_unique<WxDialog>(page, events, *this);
    m_book->AddPage(&made->Container(), ToWx(page.caption));
    return made;
}

void WxSheet::SetActivePage(int index) {
    m_book->SetSelection(static_cast<std::size_t>(index));
}

int WxSheet::ActivePage() const {
    return m_book->GetSelection();
}

} // namespace platform::wx
