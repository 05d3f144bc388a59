#include "WorksheetController.h"

#include "WorksheetConversion.h"
#include "WorksheetPanel.h"

#include "WorksheetExtent.h"
#include "gridui/CRSConvertWksDlg.h"
#include "kor/KORException.h"
#include "platform/Ids.h"
#include "shr/Exception.h"
#include "shr/StringUtil.h"
#include "shr/Utf8.h"

#include <wx/progdlg.h>

#include <algorithm>
#include <cwctype>
#include <initializer_list>
#include <optional>
#include <set>

namespace gridhost {

namespace {

wchar_t const* const Caption = L"Worksheet Conversion";

std::wstring Lower(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](wchar_t ch) { return static_cast<wchar_t>(std::towlower(ch)); });
    return text;
}

// The first column whose name is one of `names`, ignoring case and blanks.
std::optional<int> ColumnNamed(Worksheet const& sheet,
                               std::initializer_list<wchar_t const*> names) {
    for (unsigned column = 0; column < sheet.ColumnCount(); ++column) {
        std::wstring const name = Lower(shr::Trim(sheet.ColumnName(column)));
        for (wchar_t const* wanted : names) {
            if (name == wanted) {
                return static_cast<int>(column);
            }
        }
    }
    return std::nullopt;
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
    m_settings->m_sourceCS = Gridlore::CoordinateSystem(L"EPSG:4326", true);
    GuessColumns();
}

WorksheetController::~WorksheetController() = default;

std::optional<gridui::GeoArea> WorksheetController::Extent() const {
    return WorksheetExtent(*m_sheet, m_settings->m_sourceCols, m_settings->m_sourceCS);
}

void WorksheetController::GuessColumns() {
    Worksheet const& sheet = *m_sheet;
    int const columns = static_cast<int>(sheet.ColumnCount());
    m_settings->m_sourceCols = {
        ColumnNamed(sheet, {L"longitude", L"lon", L"long", L"x"}).value_or(0),
        ColumnNamed(sheet, {L"latitude", L"lat", L"y"}).value_or(1)};
    m_settings->m_destCols = {
        ColumnNamed(sheet, {L"easting", L"east", L"e"}).value_or(columns),
        ColumnNamed(sheet, {L"northing", L"north", L"n"}).value_or(columns + 1)};
}

bool WorksheetController::Convert(Gridlore::CoordinateSystem const& current) {
    if (!m_targetPicked) {
        m_settings->m_destCS = current;
    }
    gridui::CRSConvertWksDlg dialog(*m_settings, *m_errorSink, nullptr);
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
        conversion =
            std::make_unique<WorksheetConversion>(m_settings->m_sourceCS, m_settings->m_destCS);
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
    WorksheetConversion::Report const report =
        conversion->Run(*m_sheet, m_settings->GetSourceCols(), m_settings->GetDestCols(), progress);
    progressDialog.reset();

    std::set<std::size_t> bad;
    for (WorksheetConversion::BadRow const& row : report.bad) {
        bad.insert(row.row);
    }
    m_panel->ShowConverted(bad);
    std::wstring const summary = Describe(report, rows);
    m_outcome = summary.substr(0, summary.find(L'\n'));
    if (!report.bad.empty() || report.cancelled) {
        m_errorSink->ShowMessage(Caption, summary);
    }
    return report.converted > 0;
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
