#include "WorksheetController.h"

#include "WorksheetColumns.h"
#include "WorksheetConversion.h"
#include "WorksheetPanel.h"

#include "WorksheetExtent.h"
#include "gridui/CRSConvertWksDlg.h"
#include "kor/EpsgCodes.h"
#include "kor/KORException.h"
#include "platform/Ids.h"
#include "platform/wx/HostWindow.h"
#include "shr/Exception.h"
#include "shr/StringUtil.h"
#include "shr/Utf8.h"

#include <wx/dialog.h>
#include <wx/listbox.h>
#include <wx/progdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <set>

namespace gridhost {

namespace {

wchar_t const* const Caption = L"Worksheet Conversion";

// The user's pick among `choices`, starting at `selected`; nothing when cancelled. The
// list is given room for a few long lines: squeezed to its two or three rows, GTK gives
// its scroll bar a negative size.
std::optional<int> PickFrom(wxWindow* parent, wxString const& caption, wxString const& prompt,
                            wxArrayString const& choices, int selected) {
    wxDialog dialog(parent, wxID_ANY, caption, wxDefaultPosition, wxDefaultSize,
                    wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER);
    auto* list = new wxListBox(&dialog, wxID_ANY, wxDefaultPosition,
                               dialog.FromDIP(wxSize(640, 200)), choices, wxLB_SINGLE);
    list->SetSelection(selected);
    list->Bind(wxEVT_LISTBOX_DCLICK, [&dialog](wxCommandEvent&) { dialog.EndModal(wxID_OK); });
    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(new wxStaticText(&dialog, wxID_ANY, prompt), 0, wxALL, 10);
    layout->Add(list, 1, wxEXPAND | wxLEFT | wxRIGHT, 10);
    layout->Add(dialog.CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
    dialog.SetSizerAndFit(layout);
    list->SetFocus();
    if (dialog.ShowModal() != wxID_OK || list->GetSelection() == wxNOT_FOUND) {
        return std::nullopt;
    }
    return list->GetSelection();
}

} // namespace

WorksheetController::WorksheetController(wxWindow* parent, Worksheet sheet,
                                         std::wstring favoritesPath,
                                         std::shared_ptr<shr::IError> errorSink,
                                         std::wstring customSystemsPath,
                                         gridui::BrowserOptions const& browserOptions)
    : m_parent(parent)
    , m_sheet(std::make_unique<Worksheet>(std::move(sheet)))
    , m_settings(std::make_unique<HostConvertWks>(*m_sheet, std::move(favoritesPath), errorSink))
    , m_errorSink(std::move(errorSink))
    , m_customSystemsPath(std::move(customSystemsPath))
    , m_browserOptions(browserOptions)
    , m_panel(new WorksheetPanel(parent, *m_sheet)) {
    m_settings->m_sourceCS =
        Gridlore::CoordinateSystem(kor::EpsgDefinition(kor::EPSG_4326).c_str(), true);
    GuessColumns();
}

WorksheetController::~WorksheetController() = default;

std::optional<gridui::GeoArea> WorksheetController::Extent() const {
    return WorksheetExtent(*m_sheet, m_settings->m_sourceCols, m_settings->m_sourceCS);
}

void WorksheetController::GuessColumns() {
    ColumnGuess const guess = gridhost::GuessColumns(*m_sheet);
    m_settings->m_sourceCols = guess.source;
    m_settings->m_destCols = guess.target;
}

void WorksheetController::TakeTarget(Gridlore::CoordinateSystem const& current) {
    if (!m_targetPicked) {
        m_settings->m_destCS = current;
    }
}

bool WorksheetController::Convert(Gridlore::CoordinateSystem const& current) {
    TakeTarget(current);
    platform::wx::HostWindow host(m_parent);
    gridui::CRSConvertWksDlg dialog(*m_settings, m_errorSink, &host);
    dialog.SetBrowserChoices(m_customSystemsPath, m_browserOptions);
    // The target is to hold every point: its browser offers the systems meant for them all.
    if (std::optional<gridui::GeoArea> const extent = Extent()) {
        dialog.SetAreaOfInterest(*extent);
    }
    int const result = dialog.DoModal();
    // A system picked with "..." stays, even after Cancel, as the dialog wrote it.
    m_targetPicked = m_targetPicked || m_settings->m_destCS.GetName() != current.GetName();
    if (result != platform::IDOK) {
        return false;
    }
    std::unique_ptr<WorksheetConversion> conversion;
    try {
        conversion = std::make_unique<WorksheetConversion>(m_settings->m_sourceCS,
                                                           m_settings->m_destCS, m_options);
    } catch (kor::KORException const& error) {
        m_errorSink->ShowError(Caption, L"The worksheet cannot be converted: " + error.Message());
        return false;
    }

    std::size_t const rows = m_sheet->RowCount();
    std::unique_ptr<wxProgressDialog> progressDialog;
    WorksheetConversion::Progress progress;
    if (rows >= LongSheetRows) {
        progressDialog = std::make_unique<wxProgressDialog>(
            Caption, "Converting the worksheet's rows...", static_cast<int>(rows), m_parent,
            wxPD_APP_MODAL | wxPD_CAN_ABORT | wxPD_AUTO_HIDE | wxPD_ELAPSED_TIME |
                wxPD_REMAINING_TIME);
        progress = [&progressDialog](std::size_t done, std::size_t) {
            return progressDialog->Update(static_cast<int>(done));
        };
    }
    WorksheetConversion::Report report;
    try {
        report = conversion->Run(*m_sheet, m_settings->GetSourceCols(), m_settings->GetDestCols(),
                                 progress);
    } catch (kor::KORException const& error) {
        progressDialog.reset();
        m_errorSink->ShowError(Caption, L"The worksheet cannot be converted: " + error.Message());
        return false;
    }
    progressDialog.reset();

    RowMarks marks;
    for (WorksheetConversion::BadRow const& row : report.bad) {
        marks.bad.emplace(row.row, row.reason);
    }
    for (WorksheetConversion::FlaggedRow const& row : report.flagged) {
        marks.flagged.emplace(row.row, row.note);
    }
    m_panel->ShowConverted(std::move(marks));
    m_summary = Describe(report, rows);
    m_outcome = m_summary.substr(0, m_summary.find(L'\n'));
    if (!report.bad.empty() || report.cancelled) {
        m_errorSink->ShowMessage(Caption, m_summary);
    }
    return report.converted > 0;
}

bool WorksheetController::ChooseOperation(Gridlore::CoordinateSystem const& current) {
    TakeTarget(current);
    std::vector<kor::CoordinateTransform::Operation> operations;
    try {
        operations = WorksheetConversion(m_settings->m_sourceCS, m_settings->m_destCS)
                         .Operations(*m_sheet, m_settings->GetSourceCols());
    } catch (std::exception const& error) {
        m_errorSink->ShowError(Caption, L"No operation can be offered: " + shr::UserMessage(error));
        return false;
    }
    wxArrayString choices;
    choices.Add("The best for the worksheet's points");
    int selected = 0;
    for (kor::CoordinateTransform::Operation const& operation : operations) {
        if (operation.name == m_options.operation) {
            selected = static_cast<int>(choices.size());
        }
        choices.Add(Describe(operation));
    }
    std::optional<int> const picked = PickFrom(
        m_parent, "Conversion Operation",
        "Operations from " + m_settings->m_sourceCS.GetLeafName() + " to " +
            m_settings->m_destCS.GetLeafName() + ", the best for the worksheet's points first:",
        choices, selected);
    if (!picked) {
        return false;
    }
    m_options.operation =
        *picked > 0 ? operations[static_cast<std::size_t>(*picked - 1)].name : std::wstring();
    m_outcome =
        L"Conversions use " +
        (m_options.operation.empty() ? std::wstring(L"the best operation") : m_options.operation) +
        L" from now on.";
    return true;
}

bool WorksheetController::NextMarkedRow() {
    std::optional<std::wstring> const reason = m_panel->NextMarkedRow();
    m_outcome = reason.value_or(L"No row is marked.");
    return reason.has_value();
}

bool WorksheetController::Save() {
    try {
        m_sheet->Save();
    } catch (std::exception const& error) {
        m_errorSink->ShowError(L"Save Worksheet",
                               L"The worksheet was not saved; the file keeps its earlier "
                               L"content.\n" +
                                   shr::UserMessage(error));
        return false;
    }
    m_outcome = L"Saved " + m_sheet->Path().wstring();
    return true;
}

} // namespace gridhost
