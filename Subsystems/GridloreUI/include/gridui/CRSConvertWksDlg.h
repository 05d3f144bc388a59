// gridui::CRSConvertWksDlg: chooses the columns and systems of a worksheet conversion,
// written into the host's settings.
#pragma once

#include "gridlore/CRSConvertWks.h"
#include "gridui/BrowserOptions.h"
#include "gridui/Export.h"
#include "gridui/GeoArea.h"

#include "platform/ComboBox.h"
#include "shr/IError.h"
#include "shrgui/CDialogEx.h"
#include <optional>

#include <string>

namespace gridui {

class GRIDUI_EXPORT CRSConvertWksDlg : public shrgui::CDialogEx {
public:
    /// Reads and writes `wks` in place; both references must outlive the dialog. A system
    /// picked with a "..." button is written at once, even if the dialog is then cancelled;
    /// the columns are written on OK, which closes only when `wks.Validate()` agrees.
    CRSConvertWksDlg(Gridlore::CRSConvertWks& wks, shr::IError& errorSink,
                     platform::Window* parent);
    ~CRSConvertWksDlg() override;
    CRSConvertWksDlg(CRSConvertWksDlg const&) = delete;
    CRSConvertWksDlg& operator=(CRSConvertWksDlg const&) = delete;

    /// The custom systems' file and the options of the browser a "..." button opens, as
    /// the host's own browser has them; call before DoModal. Without a file, the custom
    /// systems last only while that browser is open.
    void SetBrowserChoices(std::wstring customSystemsPath, BrowserOptions const& options);
    /// Where the worksheet's points lie: the browser of the target system offers the
    /// systems meant for all of them (with the `areaOfInterest` option). Call before DoModal.
    void SetAreaOfInterest(GeoArea const& area) { m_areaOfInterest = area; }

    platform::MessageMap const& GetMessageMap() const override;

protected:
    bool OnInitDialog() override;
    void SafeDoDataExchange(platform::DataExchange& exchange) override;

private:
    void OnChangeSrcCS();
    void OnChangeDstCS();
    /// Opens the browser on `system` and, on OK, writes the choice and shows its name.
    /// `forTheArea`: the browser is offered the area of interest.
    void ChangeSystem(Gridlore::CoordinateSystem& system, int editId, bool forTheArea);
    /// The column named in the combo box, or tells the user and ends the data exchange.
    int ColumnFromComboBox(int controlId);

    Gridlore::CRSConvertWks& m_wks;
    shr::IError& m_errorSink;
    std::wstring m_customSystemsPath;
    BrowserOptions m_browserOptions;
    std::optional<GeoArea> m_areaOfInterest;
    platform::ComboBox m_srcXCombo;
    platform::ComboBox m_srcYCombo;
    platform::ComboBox m_dstXCombo;
    platform::ComboBox m_dstYCombo;
};

} // namespace gridui
