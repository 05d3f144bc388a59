// gridhost::WorksheetController: the host's worksheet commands: convert its coordinates
// and save it.
#pragma once

#include "HostConvertWks.h"
#include "Worksheet.h"
#include "WorksheetConversion.h"

#include "gridlore/CoordinateSystem.h"
#include "gridui/BrowserOptions.h"
#include "gridui/GeoArea.h"
#include "shr/IError.h"

#include <memory>
#include <optional>
#include <string>

class wxWindow;

namespace gridhost {

class WorksheetPanel;

class WorksheetController {
public:
    /// Shows `sheet` in a panel of `parent`. The conversion starts from the longitude and
    /// latitude columns in WGS 84 (the first two columns when none is named so) into the
    /// easting and northing columns (new ones when none is named so). The browser that
    /// picks a system keeps custom systems in `customSystemsPath` and behaves as
    /// `browserOptions` say, like the host's own.
    WorksheetController(wxWindow* parent, Worksheet sheet, std::wstring favoritesPath,
                        std::shared_ptr<shr::IError> errorSink, std::wstring customSystemsPath,
                        gridui::BrowserOptions const& browserOptions);
    ~WorksheetController();
    WorksheetController(WorksheetController const&) = delete;
    WorksheetController& operator=(WorksheetController const&) = delete;

    WorksheetPanel* Panel() const { return m_panel; }
    Worksheet const& Sheet() const { return *m_sheet; }
    HostConvertWks& Settings() { return *m_settings; }

    /// Opens the conversion dialog and, after OK, converts every row, marks those that
    /// could not be converted or lie outside an area of use and tells the user. True
    /// when rows were converted. The target is the document's `current` system until the
    /// user picks another.
    bool Convert(Gridlore::CoordinateSystem const& current);
    /// How the next conversions run: the strict rule for areas and the operation.
    WorksheetConversion::Options& ConversionOptions() { return m_options; }
    /// Lists the operations between the systems of the settings (the target being
    /// `current` until the user picks another) for the sheet's points, each with its
    /// accuracy and area, and lets the user pick one for the next conversions. True when
    /// the user picked one.
    bool ChooseOperation(Gridlore::CoordinateSystem const& current);
    /// Puts the grid's cursor on the next row the last conversion marked and says why in
    /// the outcome. False when no row is marked.
    bool NextMarkedRow();
    /// Writes the sheet back to its file; tells the user when it cannot. True when saved.
    bool Save();
    /// Where the sheet's source points lie, in longitude and latitude; nothing when none
    /// can be placed.
    std::optional<gridui::GeoArea> Extent() const;
    /// What the last conversion or save did, in one line for the status bar.
    std::wstring const& LastOutcome() const { return m_outcome; }
    /// All the last conversion told: operation, accuracy, flagged and bad rows.
    std::wstring const& LastSummary() const { return m_summary; }

    /// Sheets of at least this many rows show a progress dialog while they convert.
    static constexpr std::size_t LongSheetRows = 20000;

private:
    void GuessColumns();
    void TakeTarget(Gridlore::CoordinateSystem const& current);

    wxWindow* m_parent;
    std::unique_ptr<Worksheet> m_sheet;
    std::unique_ptr<HostConvertWks> m_settings;
    std::shared_ptr<shr::IError> m_errorSink;
    std::wstring m_customSystemsPath;
    gridui::BrowserOptions m_browserOptions;
    WorksheetPanel* m_panel;
    std::wstring m_outcome;
    std::wstring m_summary;
    WorksheetConversion::Options m_options;
    bool m_targetPicked = false;
};

} // namespace gridhost
