// gridhost::HostFrame: the host's main window: the document's systems and the commands.
#pragma once

#include "HostDocument.h"
#include "Worksheet.h"
#include "shr/IError.h"

#include <wx/frame.h>

#include <memory>
#include <string>

class wxBoxSizer;
class wxListBox;
class wxPanel;
class wxStaticText;
class wxTextCtrl;

namespace gridhost {

class WorksheetController;

class HostFrame final : public wxFrame {
public:
    /// The browser saves the favourites to `favoritesPath` and keeps the custom systems
    /// in `customSystemsPath`.
    HostFrame(HostDocument& document, std::wstring favoritesPath, std::wstring customSystemsPath,
              std::shared_ptr<shr::IError> errorSink);
    ~HostFrame() override;

    /// Opens the browser dialog on the document; true when the user chose a system,
    /// which is then the document's current one. Exceptions of the library pass.
    bool ChooseInDialog();
    /// The same in a property sheet holding the browser page.
    bool ChooseInPropertySheet();
    /// Opens the local-system dialog on the current system when it is a local one, else
    /// on a new local system in meters; the system defined becomes the current one.
    bool DefineLocalSystem();
    /// Shows `sheet` below the systems, in place of the one shown; the worksheet commands
    /// work on it from then on.
    void OpenWorksheet(Worksheet sheet);
    /// Lets the user choose the separator, decimal mark and header row, and reads the
    /// worksheet's file again with them.
    bool ReadWorksheetAs();
    /// Opens the worksheet-conversion dialog and converts the sheet after OK.
    bool ConvertWorksheet();
    /// Writes the sheet back to its file.
    bool SaveWorksheet();
    /// Lets the user pick the operation of the next conversions among those offered.
    bool ChooseConversionOperation();
    /// Goes to the next row the last conversion flagged or left empty.
    bool NextMarkedRow();
    /// Whether conversions leave points outside an area of use empty, as the menu says.
    void SetStrictAreas(bool strict);
    /// Null until a worksheet is open.
    WorksheetController* CurrentWorksheet() const { return m_worksheet.get(); }
    /// Opens the define dialog on the current system; true when the user defined one,
    /// which then replaces the current one.
    bool DefineCoordinateSystem();
    HostDocument const& Document() const { return m_document; }
    /// The document uses `system` from now on, and the window shows it.
    void UseSystem(Gridlore::CoordinateSystem const& system);
    /// Draws the window's client area into a PNG file.
    bool SaveScreenshot(std::string const& path);

private:
    /// Sizes the frame by its client area, never by its whole size (see the definition).
    void SetFrameClientSize(wxSize size);
    void ShowDocument();
    /// Runs a command from the menu or a button: whatever the library lets through is
    /// shown to the user, not allowed to end the program.
    void RunCommand(bool (HostFrame::*command)());
    /// Tells a browser where the document's data lies, when it knows.
    template <typename Browser> void SetDocumentArea(Browser& browser) const;

    HostDocument& m_document;
    std::wstring m_favoritesPath;
    std::wstring m_customSystemsPath;
    std::shared_ptr<shr::IError> m_errorSink;
    wxTextCtrl* m_description = nullptr;
    /// What the last conversion told, below the worksheet.
    wxTextCtrl* m_summary = nullptr;
    wxListBox* m_inUse = nullptr;
    wxPanel* m_panel = nullptr;
    wxBoxSizer* m_layout = nullptr;
    std::unique_ptr<WorksheetController> m_worksheet;
    wxStaticText* m_worksheetLabel = nullptr;
};

} // namespace gridhost
