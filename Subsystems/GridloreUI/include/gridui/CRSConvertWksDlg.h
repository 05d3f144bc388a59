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

#include <memory>
#include <optional>
#include <string>

namespace gridui {

/// "New Projected Coordinates": the source and target X/Y columns of a worksheet and its
/// source and target systems, each system chosen in the browser ("..." buttons). The
/// dialog converts nothing itself: it writes the choice into the host's settings.
class GRIDUI_EXPORT CRSConvertWksDlg : public shrgui::CDialogEx {
public:
    /// Reads and writes `wks` in place; `wks` must outlive the dialog, which keeps a share
    /// of `errorSink` (not null). A system picked with a "..." button is written at once,
    /// even if the dialog is then cancelled; the columns are written on OK, which closes
    /// only when `wks.Validate()` agrees. `parent` may be null, or a host's own window
    /// (platform::wx::HostWindow).
    CRSConvertWksDlg(Gridlore::CRSConvertWks& wks, std::shared_ptr<shr::IError> const& errorSink,
                     platform::Window* parent);
    /// As above, with a sink that the host keeps alive for as long as the dialog.
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
    /// The host's settings as the dialog left them: columns and systems, once DoModal
    /// returned IDOK (a system picked with "..." is there even after Cancel).
    Gridlore::CRSConvertWks const& Result() const { return m_wks; }

    /// The dialog's routing table (the library's own).
    platform::MessageMap const& GetMessageMap() const override;

protected:
    /// Fills the column lists and shows both systems.
    bool OnInitDialog() override;
    /// Binds the four column lists and, on OK, writes the columns back.
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
    /// Set only when the host shares its sink: it keeps the sink alive.
    std::shared_ptr<shr::IError> m_sharedErrorSink;
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
