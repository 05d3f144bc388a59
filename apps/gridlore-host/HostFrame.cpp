#include "HostFrame.h"

#include "WorksheetController.h"
#include "WorksheetPanel.h"
#include "WorksheetReadingDialog.h"
#include "gridui/CRSDefineDlg.h"
#include "gridui/CRSDialog.h"
#include "gridui/CRSPage.h"
#include "gridui/DefineUCSDlg.h"
#include "kor/UCSDef.h"
#include "platform/Ids.h"
#include "platform/PropertySheet.h"
#include "platform/wx/HostWindow.h"
#include "platform/wx/Screenshot.h"
#include "shr/Exception.h"
#include "shr/Logger.h"
#include "shr/Utf8.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <optional>

namespace gridhost {
namespace {

enum : int {
    IdChooseInDialog = wxID_HIGHEST + 1,
    IdChooseInPropertySheet,
    IdDefine,
    IdDefineLocalSystem,
    IdReadWorksheetAs,
    IdConvertWorksheet,
    IdSaveWorksheet,
    IdConversionOperation,
    IdStrictAreas,
    IdNextMarkedRow,
};

/// A search showing this many systems or fewer opens their folders: the 27 systems of
/// "UTM zone 33" are seen at once, while a search for "WGS 84" stays folded. Every other
/// choice the library leaves to its hosts is taken as users expect it.
gridui::BrowserOptions const& BrowserChoices() {
    static gridui::BrowserOptions const options = gridui::BrowserOptions::AllOn(50);
    return options;
}

wxString const& FrameTitle() {
    static wxString const title = "GridloreUI Host";
    return title;
}

} // namespace

HostFrame::HostFrame(HostDocument& document, std::wstring favoritesPath,
                     std::wstring customSystemsPath, std::shared_ptr<shr::IError> errorSink)
    : wxFrame(nullptr, wxID_ANY, FrameTitle())
    , m_document(document)
    , m_favoritesPath(std::move(favoritesPath))
    , m_customSystemsPath(std::move(customSystemsPath))
    , m_errorSink(std::move(errorSink)) {
    auto* menu = new wxMenu;
    menu->Append(IdChooseInDialog, "&Choose Coordinate System...\tCtrl+K",
                 "Choose the document's coordinate system in the browser");
    menu->Append(IdChooseInPropertySheet, "Choose in a &Property Sheet...\tCtrl+Shift+K",
                 "Choose the document's coordinate system on a page of a property sheet");
    menu->Append(IdDefine, "&Define Coordinate System...",
                 "Define a new coordinate system from the document's current one");
    menu->Append(IdDefineLocalSystem, "Define &Local System...",
                 "Define a local system and make it the document's current system");
    menu->AppendSeparator();
    menu->Append(wxID_EXIT, "&Quit\tCtrl+Q");
    auto* worksheetMenu = new wxMenu;
    worksheetMenu->Append(
        IdReadWorksheetAs, "&Read Worksheet As...",
        "Choose the separator, decimal mark and header row the file is read with");
    worksheetMenu->Append(IdConvertWorksheet, "Worksheet &Conversion...",
                          "Convert the worksheet's coordinates to another system");
    worksheetMenu->Append(IdSaveWorksheet, "&Save Worksheet\tCtrl+S",
                          "Write the worksheet back to its file");
    worksheetMenu->Append(IdNextMarkedRow, "&Next Flagged Row\tF8",
                          "Go to the next row the conversion flagged or left empty");
    worksheetMenu->AppendSeparator();
    worksheetMenu->Append(IdConversionOperation, "Conversion &Operation...",
                          "Pick the operation between the two systems, by accuracy and area");
    worksheetMenu->AppendCheckItem(IdStrictAreas, "Leave Points Outside the Area &Empty",
                                   "Leave points outside a system's area of use unconverted "
                                   "instead of converting and flagging them");
    auto* menuBar = new wxMenuBar;
    menuBar->Append(menu, "&Document");
    menuBar->Append(worksheetMenu, "&Worksheet");
    SetMenuBar(menuBar);
    CreateStatusBar();

    auto* panel = m_panel = new wxPanel(this);
    m_description = new wxTextCtrl(panel, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                   wxTE_MULTILINE | wxTE_READONLY);
    m_inUse = new wxListBox(panel, wxID_ANY);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(panel, IdChooseInDialog, "&Choose Coordinate System..."), 0, wxRIGHT,
                 8);
    buttons->Add(new wxButton(panel, IdChooseInPropertySheet, "Choose in a &Property Sheet..."), 0,
                 wxRIGHT, 8);
    buttons->AddStretchSpacer();
    buttons->Add(new wxButton(panel, wxID_EXIT, "&Quit"));

    auto* layout = m_layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(new wxStaticText(panel, wxID_ANY, "Current coordinate system:"), 0,
                wxLEFT | wxRIGHT | wxTOP, 8);
    layout->Add(m_description, 3, wxEXPAND | wxALL, 8);
    layout->Add(new wxStaticText(panel, wxID_ANY, "Systems in use:"), 0, wxLEFT | wxRIGHT, 8);
    layout->Add(m_inUse, 2, wxEXPAND | wxALL, 8);
    layout->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
    panel->SetSizer(layout);

    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { RunCommand(&HostFrame::ChooseInDialog); },
        IdChooseInDialog);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { RunCommand(&HostFrame::ChooseInPropertySheet); },
        IdChooseInPropertySheet);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { RunCommand(&HostFrame::DefineCoordinateSystem); },
        IdDefine);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { RunCommand(&HostFrame::DefineLocalSystem); },
        IdDefineLocalSystem);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { RunCommand(&HostFrame::ReadWorksheetAs); },
        IdReadWorksheetAs);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { RunCommand(&HostFrame::ConvertWorksheet); },
        IdConvertWorksheet);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { RunCommand(&HostFrame::SaveWorksheet); },
        IdSaveWorksheet);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { RunCommand(&HostFrame::NextMarkedRow); },
        IdNextMarkedRow);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { RunCommand(&HostFrame::ChooseConversionOperation); },
        IdConversionOperation);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent& event) { SetStrictAreas(event.IsChecked()); },
        IdStrictAreas);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, wxID_EXIT);
    // Buttons send their commands up to the frame, where the menu's handlers take them.
    panel->Bind(wxEVT_BUTTON, [this](wxCommandEvent& event) {
        wxCommandEvent command(wxEVT_MENU, event.GetId());
        ProcessWindowEvent(command);
    });
    ShowDocument();
    SetFrameClientSize(wxSize(720, 480));
}

void HostFrame::SetFrameClientSize(wxSize size) {
    // Sized by its whole size, a frame is shown late, once the window manager has told
    // its frame's extents, and at that first show GTK lays the menu bar out in a window
    // two pixels wide: the menu bar then asks for negative room (a Gtk-CRITICAL at every
    // start). Sized by its client area, the frame is shown at once at its real size.
    SetClientSize(FromDIP(size));
}

HostFrame::~HostFrame() = default;

template <typename Browser> void HostFrame::SetDocumentArea(Browser& browser) const {
    // The document's data is its worksheet: the browser offers the systems meant for it.
    if (std::optional<gridui::GeoArea> const extent =
            m_worksheet != nullptr ? m_worksheet->Extent() : std::nullopt) {
        browser.SetAreaOfInterest(*extent);
    }
}

bool HostFrame::ChooseInDialog() {
    platform::wx::HostWindow host(this);
    gridui::CRSDialog dialog(m_document.Current(), m_favoritesPath, m_errorSink, &host,
                             m_document.InUse(), m_customSystemsPath);
    dialog.SetOptions(BrowserChoices());
    SetDocumentArea(dialog);
    if (dialog.DoModal() != platform::IDOK) {
        return false;
    }
    m_document.SetCurrent(dialog.Result());
    ShowDocument();
    return true;
}

bool HostFrame::ChooseInPropertySheet() {
    gridui::CRSPage page(m_document.Current(), m_favoritesPath, m_errorSink, m_customSystemsPath);
    page.SetOptions(BrowserChoices());
    SetDocumentArea(page);
    platform::wx::HostWindow host(this);
    platform::PropertySheet sheet(L"Document Properties", &host);
    sheet.AddPage(page);
    if (sheet.DoModal() != platform::IDOK) {
        return false;
    }
    m_document.SetCurrent(page.Result());
    ShowDocument();
    return true;
}

bool HostFrame::DefineCoordinateSystem() {
    platform::wx::HostWindow host(this);
    gridui::CRSDefineDlg dialog(m_document.Current(), m_errorSink, &host);
    if (dialog.DoModal() != platform::IDOK) {
        return false;
    }
    m_document.SetCurrent(dialog.Result());
    ShowDocument();
    return true;
}

bool HostFrame::DefineLocalSystem() {
    Gridlore::CoordinateSystem start = m_document.Current();
    if (!start.IsUnreferenced()) {
        kor::UCSDef meters(1.0, 0.0, 0.0, nullptr);
        meters.SetName(L"Local grid");
        start = Gridlore::CoordinateSystem(meters);
    }
    platform::wx::HostWindow host(this);
    gridui::DefineUCSDlg dialog(start, m_errorSink, &host);
    if (dialog.DoModal() != platform::IDOK) {
        return false;
    }
    m_document.SetCurrent(dialog.Result());
    ShowDocument();
    return true;
}

void HostFrame::OpenWorksheet(Worksheet sheet) {
    if (m_worksheet) {
        // The grid reads the sheet the controller holds, so it goes first.
        for (wxWindow* shown : {static_cast<wxWindow*>(m_worksheet->Panel()),
                                static_cast<wxWindow*>(m_worksheetLabel)}) {
            m_layout->Detach(shown);
            shown->Destroy();
        }
        m_worksheet.reset();
    }
    m_worksheet =
        std::make_unique<WorksheetController>(m_panel, std::move(sheet), m_favoritesPath,
                                              m_errorSink, m_customSystemsPath, BrowserChoices());
    // How the file was read is a guess the user may need to correct, so it is in view.
    Worksheet const& opened = m_worksheet->Sheet();
    m_worksheetLabel = new wxStaticText(m_panel, wxID_ANY,
                                        "Worksheet " + opened.Path().wstring() + " (" +
                                            opened.Dialect().Describe() + "):");
    m_layout->Insert(4, m_worksheetLabel, 0, wxLEFT | wxRIGHT, 8);
    SetStatusText(opened.RaggedRowsWarning());
    // A grid asks for room for all its rows; the systems above keep their share.
    m_worksheet->Panel()->SetMinSize(FromDIP(wxSize(-1, 200)));
    m_layout->Insert(5, m_worksheet->Panel(), 3, wxEXPAND | wxALL, 8);
    m_summary = new wxTextCtrl(m_panel, wxID_ANY, wxEmptyString, wxDefaultPosition,
                               FromDIP(wxSize(-1, 120)), wxTE_MULTILINE | wxTE_READONLY);
    m_layout->Insert(6, m_summary, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
    SetFrameClientSize(wxSize(960, 820));
    m_layout->Layout();
}

bool HostFrame::ReadWorksheetAs() {
    if (!m_worksheet) {
        m_errorSink->ShowError(L"Read Worksheet As",
                               L"No worksheet is open; start the host with --worksheet FILE.");
        return false;
    }
    Worksheet const& shown = m_worksheet->Sheet();
    WorksheetReadingDialog dialog(this, shown.Dialect(), shown.HasChanges());
    if (dialog.ShowModal() != wxID_OK) {
        return false;
    }
    CsvDialect const chosen = dialog.Chosen();
    CsvDialectChoice const choice{chosen.separator, chosen.decimalMark, chosen.header};
    std::optional<Worksheet> again;
    try {
        again = Worksheet::Load(shown.Path(), choice);
    } catch (WorksheetError const& error) {
        m_errorSink->ShowError(L"Read Worksheet As",
                               L"The worksheet was not read again; it stays as shown.\n" +
                                   shr::FromUtf8(error.what()));
        return false;
    }
    OpenWorksheet(std::move(*again));
    return true;
}

bool HostFrame::ConvertWorksheet() {
    if (!m_worksheet) {
        m_errorSink->ShowError(L"Worksheet Conversion",
                               L"No worksheet is open; start the host with --worksheet FILE.");
        return false;
    }
    bool const converted = m_worksheet->Convert(m_document.Current());
    SetStatusText(m_worksheet->LastOutcome());
    m_summary->SetValue(m_worksheet->LastSummary());
    return converted;
}

bool HostFrame::ChooseConversionOperation() {
    if (!m_worksheet) {
        m_errorSink->ShowError(L"Conversion Operation", L"No worksheet is open.");
        return false;
    }
    bool const chosen = m_worksheet->ChooseOperation(m_document.Current());
    SetStatusText(m_worksheet->LastOutcome());
    return chosen;
}

bool HostFrame::NextMarkedRow() {
    if (!m_worksheet) {
        return false;
    }
    bool const found = m_worksheet->NextMarkedRow();
    SetStatusText(m_worksheet->LastOutcome());
    return found;
}

void HostFrame::SetStrictAreas(bool strict) {
    if (m_worksheet) {
        m_worksheet->ConversionOptions().strictAreas = strict;
    }
    GetMenuBar()->Check(IdStrictAreas, strict && m_worksheet);
}

bool HostFrame::SaveWorksheet() {
    if (!m_worksheet) {
        m_errorSink->ShowError(L"Save Worksheet", L"No worksheet is open.");
        return false;
    }
    bool const saved = m_worksheet->Save();
    SetStatusText(m_worksheet->LastOutcome());
    return saved;
}

void HostFrame::UseSystem(Gridlore::CoordinateSystem const& system) {
    m_document.Use(system);
    ShowDocument();
}

bool HostFrame::SaveScreenshot(std::string const& path) {
    return platform::wx::SaveScreenshot(*this, path);
}

void HostFrame::ShowDocument() {
    Gridlore::CoordinateSystem const& current = m_document.Current();
    m_description->SetValue(current.GetDescription());
    int const currentRow = m_document.InUse().FindIndex(current, false);
    m_inUse->Clear();
    for (Gridlore::CoordinateSystem const& system : m_document.InUse()) {
        bool const isCurrent = static_cast<int>(m_inUse->GetCount()) == currentRow;
        m_inUse->Append(system.GetLeafName() + (isCurrent ? L"  (current)" : L""));
    }
    m_inUse->SetSelection(currentRow);
    SetStatusText(current.GetLeafName());
}

void HostFrame::RunCommand(bool (HostFrame::*command)()) {
    try {
        (this->*command)();
    } catch (...) {
        shr::LogExceptionInfo(L"gridlore-host", L"" __FILE__, __LINE__);
        m_errorSink->ShowError(L"", L"The command failed: " + shr::UserMessageOfCurrentException());
    }
}

} // namespace gridhost
